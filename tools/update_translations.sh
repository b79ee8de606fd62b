#!/bin/sh
# Brings the English catalogue up to date with the Italian texts of the code: a new text enters
# it unfinished, to be translated in Qt Linguist (or by hand); a text no longer in the code
# leaves it. The check in the tests runs the same extraction into a copy of the catalogue.
#   tools/update_translations.sh [CATALOGUE] [--keep-vanished]
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
catalogue=${1:-$source_dir/translations/vorlin_en.ts}
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
drop_vanished=-no-obsolete
[ "${2:-}" = --keep-vanished ] && drop_vanished=
cd "$source_dir"
# The window's code: the control table, the screens, the asset loader and the program itself.
exec "$lupdate" -silent -locations none -no-ui-lines -extensions cpp,h $drop_vanished \
  -source-language it -target-language en \
  src/screens src/assets src/app -ts "$catalogue"
