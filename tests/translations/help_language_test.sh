#!/bin/sh
# vorlin --help answers in the desktop's language: Italian under it_IT and without a language
# (C), English under en_US and de_DE; in LANGUAGE, whichever of Italian and English comes first.
# Usage: help_language_test.sh VORLIN
vorlin=$1
status=0
for case in "LANG=it_IT.UTF-8|Uso: vorlin" "LANG=C|Uso: vorlin" "LANG=en_US.UTF-8|Usage: vorlin" \
    "LANG=de_DE.UTF-8|Usage: vorlin" "LANGUAGE=de:it:en|Uso: vorlin" "LANGUAGE=de:en:it|Usage: vorlin"; do
    setting=${case%%|*}
    expected=${case#*|}
    first=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$setting" "$vorlin" --help | head -n 1)
    case $first in
    "$expected"*) echo "ok: $setting: $first" ;;
    *) echo "FAIL: under $setting --help begins with '$first', not '$expected'"; status=1 ;;
    esac
done
exit $status
