#!/usr/bin/env bash
# pelmar.exe under Wine, on an Xvfb display with Windows's own window system, against the Linux
# dmsim on 127.0.0.1; then the Linux pelmar against the same session. Both must store the same
# files, byte for byte: the images as BMP and JPEG, the result line, the point list.
#   pelmar_e2e.sh HOST_BIN WINDOWS_FOLDER [SCREENSHOT.png]
# Runs in the Wine prefix of WINEPREFIX; SCREENSHOT gets the Windows program's main window.
set -euo pipefail
HOST_BIN=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
shot=${3:-}
. "$(dirname "$0")/session.sh"

cat >"$work/script" <<'SCRIPT'
accept 90000
send OPEN
none
bmpw 1 640 480 A001 7
datw A001 "12/08/2026 Tue. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S2612080001,DM-7200,SATO,EC-500"
xydt 440.0,240.1 260.2,343.9
bmpw 3 320 240 A002 9
datw A002 "12/08/2026 Tue. 10:15:36,H,0.0456,NG,0.0200,0.0010,PL-35F2,S2612080002,DM-7200,SATO,EC-500"
sleep 3000
none
SCRIPT

# side NAME PROGRAM_FOLDER SAVE_FOLDER_AS_PELMAR_WRITES_IT COMMAND...: dmsim plays the script,
# the program (started by COMMAND in its folder) serves it with PELMAR.INI naming 127.0.0.1
# first; the program is stopped once dmsim has ended.
side() {
    local name=$1 folder=$2 save=$3
    shift 3
    mkdir -p "$work/$name-save"
    start_dmsim "$name" "$work/script"
    printf '1,%s,(保存フォルダ)\r\n10,127.0.0.1,(DMのIPアドレス)\r\n11,%s,(DMのポート番号)\r\n12, 2,(保存方式)\r\n13, 80,(Jpeg圧縮率)\r\n' \
        "$save" "$port" | iconv -f UTF-8 -t CP932 >"$folder/PELMAR.INI"
    (cd "$folder" && exec "$@") >"$work/$name.log" 2>&1 &
    local program=$!
    pids+=("$program")
    if [ -n "$shot" ] && [ "$name" = windows ]; then
        # The main window with both measurements listed, the last image and the status lines.
        for _ in $(seq 900); do grep -q '> DATW,A002' "$work/$name.transcript" && break; sleep 0.1; done
        sleep 1
        local window
        window=$(xdotool search --onlyvisible --classname pelmar.exe | head -n1 || true)
        [ -n "$window" ] || { echo "pelmar.exe shows no window on $DISPLAY" >&2; exit 1; }
        import -window "$window" "$shot"
    fi
    local status=0
    wait "$dmsim" || status=$?
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        echo "$name: the DM's session did not end as expected:" >&2
        cat "$work/$name.transcript" "$work/$name.log" >&2
        exit 1
    fi
}

# Windows: a copy of the folder as an inspector would copy it anywhere; paths in Wine's spelling.
cp -a "$windows" "$work/windows"
side windows "$work/windows" "Z:${work//\//\\}\\windows-save" "$wine" pelmar.exe

mkdir -p "$work/linux"
cp -a "$HOST_BIN/." "$work/linux/"
side linux "$work/linux" "$work/linux-save" env QT_QPA_PLATFORM=offscreen ./pelmar

# The same files, byte for byte, in one day folder each.
status=0
diff -r "$work/windows-save" "$work/linux-save" || status=1
count=$(find "$work/windows-save" -type f | wc -l)
echo "pelmar.exe stored $count files, the same as the Linux program's:"
(cd "$work/windows-save" && find . -type f | sort)
[ "$count" -eq 7 ] || { echo "expected 7 files (2 x BMP, JPEG, CSV and one point list)" >&2; status=1; }
exit "$status"
