#!/bin/sh
# The Debian package of the game: its control fields, its files, what lintian, appstreamcli,
# desktop-file-validate and man say of it, and its extracted copy run by an ordinary user, with
# the records in that user's data folder and nothing written into the installed files; then the
# package installed by dpkg, played by the user who owns its files (root, as the package is
# installed), who may write into the program folder and still keeps the records in their own
# data folder, and removed and purged without a trace.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR
SOURCE_DIR=$2
set -- "$1" debian_package
E2E_DIR="$SOURCE_DIR/tests/e2e"
. "$SOURCE_DIR/tests/e2e/e2e_lib.sh" "$@"

APP_ID=org.example.vorlin
ROOT="$WORK/root"
PLAYER_HOME="$WORK/player"
PLAYER_DATA="$PLAYER_HOME/.data"

# Built into a folder of the test's own, so a `make package` at the same time is not disturbed.
cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$WORK/cpack.log")"
version=$(env -u DISPLAY "$BUILD_DIR/vorlin" --version | sed -n 's/^Vorlin //p')
[ -n "$version" ] || fail "the game printed no version"
# The package's version is the game's with a Debian revision: 4.01-1.
set -- "$WORK/out/vorlin_${version}"-*_"$(dpkg --print-architecture).deb"
[ $# -eq 1 ] && [ -f "$1" ] || fail "no one vorlin_${version}-REVISION package: $(ls "$WORK/out")"
deb=$1
package_version=$(dpkg-deb -f "$deb" Version)

# Control fields: one case a line, the field and the pattern its whole value must match.
while read -r field pattern; do
    value=$(dpkg-deb -f "$deb" "$field")
    printf '%s\n' "$value" | head -n 1 | grep -Eqx -- "$pattern" ||
        fail "control field $field is '$value', expected /$pattern/"
done <<FIELDS
Package vorlin
Version $(printf '%s' "$version" | sed 's/\./\\./g')-[1-9][0-9]*
Section games
Priority optional
Maintainer .+ <[^@>]+@example\.org>
Homepage https://[a-z.]*example\.org/.*
Description [a-z].{10,79}
Depends .*libqt6widgets6.*
Depends .*libc6 .*
Depends .*fonts-liberation2.*
Recommends (.*, )?qt6-wayland(,.*)?
FIELDS
# An X11 desktop does without Qt's Wayland plugin: it is recommended, not required.
dpkg-deb -f "$deb" Depends | grep -q qt6-wayland &&
    fail "qt6-wayland is in Depends: $(dpkg-deb -f "$deb" Depends)"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 4 ] ||
    fail "the package has no long description: $(dpkg-deb -f "$deb" Description)"

# Every installed path of the layout, and nothing outside /usr or under /usr/local.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' >"$WORK/files"
for path in /usr/games/vorlin /usr/lib/games/vorlin/vorlin /usr/lib/games/vorlin/dati \
    /usr/lib/games/vorlin/installed \
    /usr/share/games/vorlin/dati/Kpr4.kpr /usr/share/games/vorlin/dati/Sfondo1.kpb \
    /usr/share/applications/$APP_ID.desktop /usr/share/metainfo/$APP_ID.metainfo.xml \
    /usr/share/man/man6/vorlin.6.gz /usr/share/man/it/man6/vorlin.6.gz /usr/share/doc/vorlin/copyright \
    /usr/share/doc/vorlin/changelog.Debian.gz; do
    grep -qx "$path" "$WORK/files" || fail "the package lacks $path"
done
for size in 16 24 32 48 64 128 256; do
    grep -qx "/usr/share/icons/hicolor/${size}x$size/apps/vorlin.png" "$WORK/files" ||
        fail "the package lacks the icon of $size pixels"
done
strays=$(grep -v -e '^/usr$' -e '^/usr/' -e '^/$' -e '^$' "$WORK/files"; grep '^/usr/local' "$WORK/files")
[ -z "$strays" ] || fail "the package installs outside /usr or under /usr/local: $strays"

# Built with Debian's hardening flags, the program draws none of lintian's hardening tags, not
# even the informational ones.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" \
    >"$WORK/lintian.log" 2>&1 || fail "lintian found errors or warnings: $(cat "$WORK/lintian.log")"
! grep ': hardening-' "$WORK/lintian.log" ||
    fail "lintian finds the program built without hardening: $(cat "$WORK/lintian.log")"

dpkg-deb -x "$deb" "$ROOT" || fail "the package could not be extracted"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" \
    >"$WORK/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$WORK/appstream.log")"
grep -q 'release version="'"$version"'"' "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" ||
    fail "the metainfo's release is not the version the game prints, $version"
zcat "$ROOT/usr/share/doc/vorlin/changelog.Debian.gz" | head -n 1 | grep -qF "vorlin ($package_version) " ||
    fail "the changelog does not start with the package's version $package_version"
# The software centres learn that a game controller works beside the keyboard and the mouse.
metainfo="$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml"
for control in keyboard pointing gamepad; do
    sed -n '/<recommends>/,/<\/recommends>/p; /<supports>/,/<\/supports>/p' "$metainfo" |
        grep -q "<control>$control</control>" || fail "the metainfo does not name the $control"
done
entry="$ROOT/usr/share/applications/$APP_ID.desktop"
desktop-file-validate "$entry" >"$WORK/desktop.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$WORK/desktop.log")"
# The manual in English and in Italian: shown by man without a warning, with the sections a
# reader looks for, in this order, and the paragraphs that hold file names and record fields
# not justified (no stretched gaps between their words, only after the end of a sentence). One
# page a line: where it is installed, its sections, and those that are not justified.
while IFS='|' read -r page sections literal; do
    shown="$WORK/man.$(echo "$page" | tr / _).txt"
    MANWIDTH=80 man --warnings -l "$ROOT/usr/share/man/$page" >"$shown" 2>"$WORK/man.log"
    [ ! -s "$WORK/man.log" ] || fail "man warns on $page: $(cat "$WORK/man.log")"
    headings=$(grep -E '^[^ ]' "$shown" | sed '1d;$d' | paste -sd ',')
    [ "$headings" = "$sections" ] || fail "$page has the sections $headings, expected $sections"
    printf '%s\n' "$literal" | tr ',' '\n' | while read -r section; do
        gaps=$(awk -v section="$section" '/^[^ ]/ { inside = ($0 == section); next }
            inside' "$shown" | sed 's/^ *//' | grep -E '[^ .]  +[^ ]')
        [ -z "$gaps" ] || fail "$page stretches the text of $section: $gaps"
    done || exit 1
done <<'PAGES'
man6/vorlin.6.gz|NAME,SYNOPSIS,DESCRIPTION,OPTIONS,KEYS,CONTROLLERS,FILES,RECORD FILE FORMAT,ENVIRONMENT,SEE ALSO|FILES,RECORD FILE FORMAT
it/man6/vorlin.6.gz|NOME,SINTASSI,DESCRIZIONE,OPZIONI,TASTI,CONTROLLER,FILE,FORMATO DEL FILE DEI RECORD,AMBIENTE,VEDERE ANCHE|FILE,FORMATO DEL FILE DEI RECORD
PAGES
# Each manual names the controller's buttons in its section on controllers, and so does --help.
env -u DISPLAY "$ROOT/usr/games/vorlin" --help >"$WORK/help.txt"
while IFS='|' read -r shown section buttons; do
    printf '%s\n' "$buttons" | tr ',' '\n' | while read -r button; do
        awk -v section="$section" '/^[^ ]/ { inside = ($0 ~ section); next } inside' \
            "$WORK/$shown" | grep -qF -- "$button" || fail "$shown does not name $button"
    done || exit 1
done <<'BUTTONS'
man.man6_vorlin.6.gz.txt|^CONTROLLERS$|D-pad,left stick,Start,Back,B (the east button),A (the south button)
man.it_man6_vorlin.6.gz.txt|^CONTROLLER$|Croce direzionale,levetta sinistra,Start,Back,B (il pulsante a est),A (il pulsante a sud)
help.txt|^Controller di gioco|Croce direzionale,levetta sinistra,Start,Back,B (il pulsante a est),A (il pulsante a sud)
BUTTONS
# --help says what the Italian manual says: each of its descriptions of an option, a key or a
# button is in the manual, word for word.
sed -n 's/^      //p' "$WORK/help.txt" >"$WORK/help"
[ "$(wc -l <"$WORK/help")" -ge 5 ] || fail "--help describes too little: $(cat "$WORK/help")"
tr -s ' \n' '  ' <"$WORK/man.it_man6_vorlin.6.gz.txt" >"$WORK/man.flat"
while read -r description; do
    grep -qF -- "$description" "$WORK/man.flat" || fail "the manual lacks --help's '$description'"
done <"$WORK/help"

# The extracted copy, played by an ordinary user whose data folder is in the test's temp folder.
# Nobody may write the installed files; as root the player is the unprivileged user nobody.
chmod 755 "$WORK"
chmod -R a-w "$ROOT/usr"
trap 'chmod -R u+w "$ROOT"; cleanup' EXIT
find "$ROOT" | sort >"$WORK/installed_before"
mkdir -p "$PLAYER_HOME"
start_desktop
choose_player
player_id=$PLAYER_ID
# shellcheck disable=SC2086 # the words of a command
set -- $AS_PLAYER
command=$(sed -n 's/^Exec=//p' "$entry")
"$@" env HOME="$PLAYER_HOME" XDG_DATA_HOME="$PLAYER_DATA" "$ROOT/usr/games/$command" \
    >"$WORK/game.out" 2>"$WORK/game.err" &
GAMEPID=$!
wait_for_game_window "the packaged game showed no window"
wait_until 10 "the packaged game to show the start panel" start_panel_shown
records="$PLAYER_DATA/vorlin/Recordc1.kpr"
[ -f "$records" ] || fail "no record file in the player's data folder: $(ls -R "$PLAYER_HOME")"
[ "$(stat -c %u "$records")" -eq "$player_id" ] ||
    fail "the record file does not belong to the player"
quit_with_escape
find "$ROOT" | sort >"$WORK/installed_after"
diff "$WORK/installed_before" "$WORK/installed_after" >"$WORK/installed.diff" ||
    fail "the game changed the installed files: $(cat "$WORK/installed.diff")"

# Installed by dpkg into a root of its own and removed again, the package leaves nothing behind
# (the libraries it depends on are not in that root, hence --force-depends).
SYSTEM="$WORK/system"
mkdir -p "$SYSTEM/var/lib/dpkg/info" "$SYSTEM/var/lib/dpkg/updates" "$SYSTEM/var/lib/dpkg/triggers"
touch "$SYSTEM/var/lib/dpkg/status" "$SYSTEM/var/lib/dpkg/available"
dpkg --root="$SYSTEM" --force-depends --force-not-root -i "$deb" >"$WORK/dpkg.log" 2>&1 ||
    fail "dpkg could not install the package: $(cat "$WORK/dpkg.log")"
[ -x "$SYSTEM/usr/games/vorlin" ] || fail "dpkg installed no command: $(cat "$WORK/dpkg.log")"

# The owner of the installed files (root) plays: the program folder is writable to them, yet
# nothing may appear beside the program.
OWNER_HOME="$WORK/owner"
OWNER_DATA="$OWNER_HOME/.data"
mkdir -p "$OWNER_HOME"
find "$SYSTEM/usr" | sort >"$WORK/system_before"
env HOME="$OWNER_HOME" XDG_DATA_HOME="$OWNER_DATA" "$SYSTEM/usr/games/vorlin" \
    >"$WORK/owner_game.out" 2>"$WORK/owner_game.err" &
GAMEPID=$!
WINDOW=$(timeout 20 xdotool search --sync --name '^Vorlin ' | head -n 1)
[ -n "$WINDOW" ] || fail "the installed package showed no window: $(cat "$WORK/owner_game.err")"
sleep 1
wait_until 10 "the installed package to show the start panel" start_panel_shown
[ -f "$OWNER_DATA/vorlin/Recordc1.kpr" ] ||
    fail "no record file in the owner's data folder: $(ls -R "$OWNER_HOME")"
quit_with_escape
find "$SYSTEM/usr" | sort >"$WORK/system_after"
diff "$WORK/system_before" "$WORK/system_after" >"$WORK/system.diff" ||
    fail "the owner's game wrote into the installed files: $(cat "$WORK/system.diff")"

dpkg --root="$SYSTEM" --force-not-root -r vorlin >"$WORK/dpkg.log" 2>&1 ||
    fail "dpkg could not remove the package: $(cat "$WORK/dpkg.log")"
! grep -qi warning "$WORK/dpkg.log" || fail "removing the package warned: $(cat "$WORK/dpkg.log")"
left=$(cd "$SYSTEM" && find . -path ./var -prune -o -print | grep -vx '\.')
[ -z "$left" ] || fail "removing the package left: $left"
dpkg --root="$SYSTEM" --force-not-root --purge vorlin >"$WORK/dpkg.log" 2>&1 ||
    fail "dpkg could not purge the package: $(cat "$WORK/dpkg.log")"
left=$(cd "$SYSTEM" && find . -path ./var -prune -o -print | grep -vx '\.')
[ -z "$left" ] || fail "purging the package left: $left"
echo "ok"
