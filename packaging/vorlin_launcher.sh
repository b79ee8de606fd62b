#!/bin/sh
# Starts the game installed under ../lib/vorlin, where its dati/ folder lies beside it.
# The launcher follows its own symbolic links, so it works from any bin/ folder that links to it.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/vorlin/vorlin" "$@"
