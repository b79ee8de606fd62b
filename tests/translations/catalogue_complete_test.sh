#!/bin/sh
# Fails when a text the player can see has no English translation: the texts are taken from the
# code into a copy of the catalogue, as tools/update_translations.sh does, and the copy must
# hold no unfinished, new, vanished or empty entry.
# Usage: catalogue_complete_test.sh SOURCE_DIR
set -eu
source_dir=$1
work=$(mktemp -d /tmp/vorlin-catalogue.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/translations/vorlin_en.ts" "$work/vorlin_en.ts"
"$source_dir/tools/update_translations.sh" "$work/vorlin_en.ts" --keep-vanished >"$work/lupdate.log" 2>&1 ||
    { cat "$work/lupdate.log"; echo "FAIL: lupdate could not read the code"; exit 1; }
python3 - "$work/vorlin_en.ts" "$source_dir/translations/vorlin_en.ts" <<'PY'
import sys
import xml.etree.ElementTree as ET

extracted, committed = sys.argv[1], sys.argv[2]
problems = []
for context in ET.parse(extracted).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        if kind in ("unfinished", "vanished", "obsolete", "missing"):
            why = {"unfinished": "has no English translation",
                   "vanished": "is no longer in the code",
                   "obsolete": "is no longer in the code",
                   "missing": "has no translation entry"}[kind]
            problems.append(f"{name}: {source!r} {why}")
        elif not (translation.text or "").strip():
            problems.append(f"{name}: {source!r} is translated by an empty text")
if open(extracted, encoding="utf-8").read() != open(committed, encoding="utf-8").read() and not problems:
    problems.append("translations/vorlin_en.ts is not as lupdate leaves it: run tools/update_translations.sh")
for problem in problems:
    print("FAIL:", problem)
if problems:
    print("Translate them in translations/vorlin_en.ts (tools/update_translations.sh adds new texts).")
    sys.exit(1)
print("every text of the code has its English translation")
PY
