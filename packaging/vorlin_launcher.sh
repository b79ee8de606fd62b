#!/bin/sh
# Starts the game installed under ../lib/games/vorlin, where its dati/ folder lies beside it.
# The launcher follows its own symbolic links, so it works from any folder that links to it.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/games/vorlin/vorlin" "$@"
