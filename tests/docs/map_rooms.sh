#!/usr/bin/env bash
# The map of the code (docs/architecture.md) holds the tree to its table of rooms: every folder of
# app/ is a room of the table and every room a folder; a room's files include only the rooms its
# "Uses" column names, never the root (the program); and no file of pelmar_core includes a
# header of Qt Widgets or Qt Print Support. Each break is named with its file and line.
#   map_rooms.sh SOURCE_DIR QT_HEADERS_DIR
set -euo pipefail
root=$1
qt=$2
failed=0
broken() { echo "$*"; failed=1; }

declare -A uses
while IFS='|' read -r _ room _ used _; do
    room=$(echo "$room" | sed 's/ *`app\/\([a-z]*\)\/*` */\1/')
    uses[${room:-.}]=$(echo "$used" | tr -d ' ')  # "." is the root, the program
done < <(grep -E '^\| `app/[a-z]*/?` \|' "$root/docs/architecture.md")

for folder in $(find "$root/app" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort); do
    [ -n "${uses[$folder]+x}" ] || broken "app/$folder/ is no room of docs/architecture.md"
done
for room in "${!uses[@]}"; do
    [ "$room" = . ] || [ -d "$root/app/$room" ] || broken "docs/architecture.md names app/$room/, which is not there"
done

for room in "${!uses[@]}"; do
    [ "$room" != . ] || continue
    allowed=",${uses[$room]},"
    while IFS=: read -r file line text; do
        used=$(echo "$text" | sed -n 's/.*#include "app\/\([A-Za-z0-9]*\)\([/.]\).*/\1\2/p')
        case $used in
            */) used=${used%/}
                [ "$used" = "$room" ] || [[ $allowed == *",$used,"* ]] ||
                    broken "${file#"$root"/}:$line: app/$room/ may not use app/$used/ (it uses: ${uses[$room]})" ;;
            *.) broken "${file#"$root"/}:$line: app/$room/ may not include the program (app/${used%.}.h)" ;;
        esac
    done < <(grep -Hn '#include "app/' "$root/app/$room"/* 2>/dev/null || true)
done

# The files of pelmar_core, as the rooms' CMakeLists.txt give them (either system's).
core=()
while read -r list; do
    dir=$(dirname "$list")
    for name in $(awk '/target_sources\(pelmar_core/,/\)/' "$list" | tr ' ()' '\n\n\n' | grep -E '\.(h|cpp)$'); do
        for system in linux windows; do
            file=$dir/${name//\$\{system\}/$system}
            [ -f "$file" ] && core+=("$file")
        done
    done
done < <(find "$root/app" -name CMakeLists.txt)
widgets=$(ls "$qt/QtWidgets" "$qt/QtPrintSupport" | grep -E '^Q[A-Za-z]+$' | sort -u | paste -sd'|')
for file in $(printf '%s\n' "${core[@]}" | sort -u); do
    while IFS=: read -r line text; do
        broken "${file#"$root"/}:$line: a file of pelmar_core includes a widget header: $text"
    done < <(grep -nE "#include <((QtWidgets|QtPrintSupport)/)?($widgets)>" "$file" || true)
done
exit "$failed"
