#!/bin/sh
# The start panel and the button bar as a screen reader reads them through the accessibility
# bus, on a desktop (a window manager and a session bus) in four languages: Italian, no language
# at all (C), English and German. The game speaks Italian in the first two, English in the others.
set -u
set -- "$1" screen_reader
. "$(dirname "$0")/e2e_lib.sh"
READER="$(dirname "$0")/read_screen.py"

start_desktop
make_program_folder

for case in it_IT.UTF-8:it C:it en_US.UTF-8:en de_DE.UTF-8:en; do
    locale=${case%:*}
    language=${case#*:}
    echo "== LANG=$locale: the game should speak $language"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$locale" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" "$PROGRAM/vorlin" \
        >"$WORK/game.out" 2>"$WORK/game.err" &
    GAMEPID=$!
    wait_for_game_window "the game window did not appear"
    shot "start_$locale"
    # Debian's own Python, which holds pyatspi.
    /usr/bin/python3 "$READER" start "$language" || fail "the start panel under LANG=$locale"
    # The menu button shows the button bar.
    click_at 23 470
    shot "bar_$locale"
    /usr/bin/python3 "$READER" bar "$language" || fail "the button bar under LANG=$locale"
    kill "$GAMEPID"
    wait "$GAMEPID" 2>/dev/null
    GAMEPID=
done
echo "PASS"
