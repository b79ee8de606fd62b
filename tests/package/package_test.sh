#!/bin/sh
# The Debian package of the game: its control fields, its files, what lintian, appstreamcli,
# desktop-file-validate and man say of it, and its extracted copy run by an ordinary user, with
# the records in that user's data folder and nothing written into the installed files.
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
deb="$WORK/out/vorlin_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$WORK/out")"

# Control fields: one case a line, the field and the pattern its whole value must match.
while read -r field pattern; do
    value=$(dpkg-deb -f "$deb" "$field")
    printf '%s\n' "$value" | head -n 1 | grep -Eqx -- "$pattern" ||
        fail "control field $field is '$value', expected /$pattern/"
done <<FIELDS
Package vorlin
Version $(printf '%s' "$version" | sed 's/\./\\./g')
Section games
Priority optional
Maintainer .+ <[^@>]+@example\.org>
Homepage https://[a-z.]*example\.org/.*
Description [a-z].{10,79}
Depends .*libqt6widgets6.*
Depends .*libc6 .*
Depends .*qt6-wayland.*
FIELDS
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 4 ] ||
    fail "the package has no long description: $(dpkg-deb -f "$deb" Description)"

# Every installed path of the layout, and nothing outside /usr or under /usr/local.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' >"$WORK/files"
for path in /usr/games/vorlin /usr/lib/games/vorlin/vorlin /usr/lib/games/vorlin/dati \
    /usr/share/games/vorlin/dati/Kpr4.kpr /usr/share/games/vorlin/dati/Sfondo1.kpb \
    /usr/share/applications/$APP_ID.desktop /usr/share/metainfo/$APP_ID.metainfo.xml \
    /usr/share/man/man6/vorlin.6.gz /usr/share/doc/vorlin/copyright \
    /usr/share/doc/vorlin/changelog.gz; do
    grep -qx "$path" "$WORK/files" || fail "the package lacks $path"
done
for size in 16 24 32 48 64 128 256; do
    grep -qx "/usr/share/icons/hicolor/${size}x$size/apps/vorlin.png" "$WORK/files" ||
        fail "the package lacks the icon of $size pixels"
done
strays=$(grep -v -e '^/usr$' -e '^/usr/' -e '^/$' -e '^$' "$WORK/files"; grep '^/usr/local' "$WORK/files")
[ -z "$strays" ] || fail "the package installs outside /usr or under /usr/local: $strays"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$WORK/lintian.log" 2>&1 ||
    fail "lintian found errors: $(cat "$WORK/lintian.log")"

dpkg-deb -x "$deb" "$ROOT" || fail "the package could not be extracted"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" \
    >"$WORK/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$WORK/appstream.log")"
grep -q 'release version="'"$version"'"' "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" ||
    fail "the metainfo's release is not the version the game prints, $version"
zcat "$ROOT/usr/share/doc/vorlin/changelog.gz" | head -n 1 | grep -q "^vorlin ($version) " ||
    fail "the changelog does not start with version $version"
entry="$ROOT/usr/share/applications/$APP_ID.desktop"
desktop-file-validate "$entry" >"$WORK/desktop.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$WORK/desktop.log")"
man --warnings -l "$ROOT/usr/share/man/man6/vorlin.6.gz" >"$WORK/man.txt" 2>"$WORK/man.log"
[ ! -s "$WORK/man.log" ] || fail "man warns: $(cat "$WORK/man.log")"
# --help says what the manual says: each of its descriptions of an option or a key is in the
# manual, word for word.
env -u DISPLAY "$ROOT/usr/games/vorlin" --help | sed -n 's/^      //p' >"$WORK/help"
[ "$(wc -l <"$WORK/help")" -ge 5 ] || fail "--help describes too little: $(cat "$WORK/help")"
tr -s ' \n' '  ' <"$WORK/man.txt" >"$WORK/man.flat"
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
WINDOW=$(timeout 20 xdotool search --sync --name '^Vorlin ' | head -n 1)
[ -n "$WINDOW" ] || fail "the packaged game showed no window: $(cat "$WORK/game.err")"
sleep 1
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
dpkg --root="$SYSTEM" --force-not-root -r vorlin >"$WORK/dpkg.log" 2>&1 ||
    fail "dpkg could not remove the package: $(cat "$WORK/dpkg.log")"
left=$(cd "$SYSTEM" && find . -path ./var -prune -o -print | grep -vx '\.')
[ -z "$left" ] || fail "removing the package left: $left"
echo "ok"
