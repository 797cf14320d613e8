#!/bin/sh
# The map of the code names every room of app/ and no other: its rooms table against the folders.
set -eu
root=$1
map=$(sed -n 's/^| `app\/\([a-z]*\)\/` |.*/\1/p' "$root/docs/architecture.md" | sort)
rooms=$(find "$root/app" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
if [ "$map" != "$rooms" ]; then
    echo "docs/architecture.md names the rooms:"
    echo "$map" | sed 's/^/    /'
    echo "app/ has the rooms:"
    echo "$rooms" | sed 's/^/    /'
    exit 1
fi
