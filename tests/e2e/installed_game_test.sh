#!/bin/sh
# The game installed under a prefix as a desktop program: its files where the desktop looks for
# them, a valid menu entry, a command that answers --version and --help, and, run by an ordinary
# user from a program folder it cannot write, its records kept in that user's data folder.
set -- "$1" installed_game
. "$(dirname "$0")/e2e_lib.sh" "$@"

PREFIX="$WORK/prefix"
INSTALLED="$PREFIX/lib/games/vorlin"
DATA="$PREFIX/share/games/vorlin/dati"
COMMAND="$PREFIX/games/vorlin"
PLAYER_HOME="$WORK/player"
PLAYER_DATA="$PLAYER_HOME/.data"

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"

# Where each installed file must be.
[ -x "$INSTALLED/vorlin" ] || fail "no program at lib/games/vorlin/vorlin"
[ -x "$COMMAND" ] || fail "no command at games/vorlin"
[ -d "$DATA" ] && [ ! -L "$DATA" ] || fail "no data folder at share/games/vorlin/dati"
# The program finds its data beside itself, through a link that holds wherever the prefix is.
[ "$(readlink "$INSTALLED/dati")" = "../../../share/games/vorlin/dati" ] ||
    fail "lib/games/vorlin/dati does not link to the data folder: $(ls -l "$INSTALLED")"
diff -r "$BUILD_DIR/dati" "$INSTALLED/dati" >"$WORK/dati.diff" ||
    fail "the installed dati/ differs from the built one: $(cat "$WORK/dati.diff")"
# One icon a size of the icon theme.
for size in 16 24 32 48 64 128 256; do
    icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/vorlin.png"
    [ "$(identify -format '%m %wx%h' "$icon" 2>&1)" = "PNG ${size}x${size}" ] ||
        fail "icon of $size: $(identify "$icon" 2>&1)"
done
entry="$PREFIX/share/applications/org.example.vorlin.desktop"
desktop-file-validate "$entry" >"$WORK/validate.log" 2>&1 ||
    fail "the desktop entry is not valid: $(cat "$WORK/validate.log")"
for field in Name=Vorlin Exec=vorlin Icon=vorlin "Categories=Game;ArcadeGame;" Type=Application; do
    grep -qx "$field" "$entry" || fail "the desktop entry lacks $field"
done
grep -q '^Comment=.' "$entry" && grep -q '^Comment\[it\]=.' "$entry" ||
    fail "the desktop entry lacks its English and Italian comments"

# --version and --help answer and succeed, without a display, also through a link to the
# command (as a bin/ folder of the user's own would have it). One case a line: the option, how
# many lines its answer has at least and at most, and what it must contain.
mkdir -p "$WORK/links"
ln -s "$COMMAND" "$WORK/links/vorlin"
for launcher in "$COMMAND" "$WORK/links/vorlin"; do
    while read -r option fewest most contains; do
        env -u DISPLAY "$launcher" "$option" >"$WORK/answer" 2>&1 ||
            fail "$launcher $option failed: $(cat "$WORK/answer")"
        lines=$(wc -l <"$WORK/answer")
        [ "$lines" -ge "$fewest" ] && [ "$lines" -le "$most" ] &&
            grep -q -- "$contains" "$WORK/answer" ||
            fail "$launcher $option answered: $(cat "$WORK/answer")"
    done <<'OPTIONS'
--version 1 1 ^Vorlin 4\.01$
--help 8 40 --version
--help 8 40 ^  Esc$
OPTIONS
done
# Without a display the game says to start it from a desktop session, and fails; it does not send
# the player to a hidden X server.
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$COMMAND" >"$WORK/answer" 2>&1; then
    fail "the game started without a display: $(cat "$WORK/answer")"
fi
grep -q 'avviare il gioco da una sessione del desktop (X11 o Wayland)' "$WORK/answer" &&
    ! grep -qi xvfb "$WORK/answer" || fail "without a display the game said: $(cat "$WORK/answer")"

# An ordinary user, a program folder nobody may write, a display the user may reach. Root may
# write anywhere, so as root the game is played by the unprivileged user nobody.
chmod 755 "$WORK"
chmod -R a-w "$INSTALLED" "$DATA"
trap 'chmod -R u+w "$INSTALLED" "$DATA"; cleanup' EXIT
mkdir -p "$PLAYER_HOME"
start_desktop
choose_player
player_id=$PLAYER_ID
# shellcheck disable=SC2086 # the words of a command
set -- $AS_PLAYER
"$@" env HOME="$PLAYER_HOME" XDG_DATA_HOME="$PLAYER_DATA" "$COMMAND" \
    >"$WORK/game.out" 2>"$WORK/game.err" &
GAMEPID=$!
wait_for_game_window "the installed game showed no window"
shot installed_start_panel
wait_until 10 "the installed game to show the start panel" start_panel_shown
# The desktop matches the window to its menu entry by the window's class.
xprop -id "$WINDOW" WM_CLASS | grep -q "\"$(sed -n 's/^StartupWMClass=//p' "$entry")\"" ||
    fail "the window's class is not the entry's: $(xprop -id "$WINDOW" WM_CLASS)"

records="$PLAYER_DATA/vorlin/Recordc1.kpr"
[ -f "$records" ] || fail "no record file in the user's data folder: $(ls -R "$PLAYER_HOME")"
[ "$(wc -l <"$records")" -eq 1001 ] || fail "the new record file has $(wc -l <"$records") lines"
[ "$(stat -c %u "$records")" -eq "$player_id" ] ||
    fail "the record file does not belong to the player"
leftovers=$(ls -A "$INSTALLED" | grep -vx -e vorlin -e dati -e installed)
[ -z "$leftovers" ] || fail "the program folder gained: $leftovers"

# Esc before any game ends the installed program with success.
quit_with_escape
echo "ok"
