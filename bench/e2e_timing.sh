#!/usr/bin/env bash
# Timing runs of the real pelmar against dmsim on 127.0.0.1, each with its baseline measured in
# the same run:
#   link   NONE round trips (median of 1000) against the same bytes over a plain loopback socket,
#          and Pelmar's CPU use while connected and silent for 10 s
#   data   DATW, from its line to its second "0," (which comes once A001.csv is on disk; median
#          of 500), against two plain round trips
#   image  BMPW 640 x 480 gray, from the line to the final "0," (which comes once A001.bmp is on
#          disk; median of 200), against the same 307,200 bytes over a plain loopback socket;
#          and with the NONE after it (median of 200); save method 0
#   memory Pelmar's resident memory once started, and after 100 and 1,000 BMPW 640 x 480
#          exchanges stored as BMP and JPEG (save method 2), with the time of each exchange
#          until both files are on disk
#   settings  SETW, from the DM's worker line to the third "0," (median of 200), against one plain
#          round trip of the same bytes; the confirmation is answered at once by setw_station,
#          Pelmar with an inspector who always allows (built beside this script in programs/)
#
#   bench/e2e_timing.sh [BIN_DIR] [link|data|image|memory|settings ...]
# BIN_DIR is the program folder with pelmar and dmsim (default: ../bin beside this script, which
# is where it sits in a build's bench/ folder). Pelmar runs offscreen in a temporary copy of it.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
BIN=$HERE/../bin
if [ $# -gt 0 ] && [ -d "$1" ]; then BIN=$1; shift; fi
BIN=$(cd "$BIN" && pwd)
RUNS=("$@")
[ ${#RUNS[@]} -gt 0 ] || RUNS=(link data image memory settings)
[ -x "$BIN/pelmar" ] && [ -x "$BIN/dmsim" ] || { echo "no pelmar and dmsim in $BIN" >&2; exit 1; }

WORK=$(mktemp -d)
DMSIM=
PELMAR=
cleanup() {
    [ -n "$PELMAR" ] && kill "$PELMAR" 2>/dev/null
    [ -n "$DMSIM" ] && kill "$DMSIM" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

# start SAVE_METHOD SCRIPT [PROGRAM]: dmsim plays SCRIPT, pelmar (or PROGRAM, a stand-in for it)
# connects to it from its own folder.
start() {
    local folder=$WORK/run.$RANDOM
    local program=${3:-$BIN/pelmar}
    mkdir -p "$folder"
    find "$BIN" -maxdepth 1 -type f -exec cp -p {} "$folder/" \;
    cp -p "$program" "$folder/"
    printf '%s\n' "$2" >"$folder/script.dms"
    "$folder/dmsim" --port 0 --port-file "$folder/port" --script "$folder/script.dms" \
        >"$folder/dmsim.log" 2>&1 &
    DMSIM=$!
    for _ in $(seq 100); do [ -s "$folder/port" ] && break; sleep 0.1; done
    # Pelmar never starts without a configuration that points at 127.0.0.1.
    printf '1,%s,(保存フォルダ)\r\n10,127.0.0.1,(DMのIPアドレス)\r\n11,%s,(DMのポート番号)\r\n12, %s,(保存方式)\r\n13, 80,(Jpeg圧縮率)\r\n' \
        "$folder/data" "$(cat "$folder/port")" "$1" | iconv -f UTF-8 -t CP932 >"$folder/PELMAR.INI"
    QT_QPA_PLATFORM=offscreen "$folder/$(basename "$program")" >"$folder/pelmar.log" 2>&1 &
    PELMAR=$!
    LOG=$folder/dmsim.log
}

# finish: waits for the script's end, stops pelmar, prints the timing lines.
finish() {
    local status=0
    wait "$DMSIM" || status=$?
    DMSIM=
    kill "$PELMAR" 2>/dev/null || true
    wait "$PELMAR" 2>/dev/null || true
    PELMAR=
    # Each timed median also as a multiple of the baseline median of the same run, and as
    # the time it takes beyond it.
    grep -E 'stats|baseline|FAILED' "$LOG" | sed 's/^ *[0-9.]*  /  /' | awk '
        { print }
        match($0, /median [0-9]+ us/) {
            median = substr($0, RSTART + 7, RLENGTH - 10) + 0
            if ($1 == "baseline") base = median
            else if (base > 0) printf "    = %.1f x the baseline median, the baseline + %.2f ms\n", median / base, (median - base) / 1000
        }'
    [ "$status" -eq 0 ] || { echo "  dmsim exited $status; transcript: $LOG" >&2; trap - EXIT; exit 1; }
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

link() {
    echo "== link: NONE round trip and idle CPU"
    start 0 'accept 30000
baseline 1000 5
pingstats 1000
sleep 12000
none'
    for _ in $(seq 600); do grep -q 'stats none' "$LOG" && break; sleep 0.1; done
    local before after hz
    hz=$(getconf CLK_TCK)
    before=$(cpu_ticks "$PELMAR")
    sleep 10
    after=$(cpu_ticks "$PELMAR")
    finish
    awk -v t=$((after - before)) -v hz="$hz" \
        'BEGIN { printf "  pelmar idle while connected: %.2f s CPU in 10 s (%.1f %% of one core)\n", t / hz, t / hz * 10 }'
}

data() {
    echo "== data: DATW line to its second \"0,\""
    start 0 'accept 30000
baseline 500 10
stats 500 datw A001 "12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,SN00001,DM-7200,SATO,EC-500" | none'
    finish
    echo "  (datw: with Pelmar idle before it; A001.csv is on disk before its second \"0,\")"
}

image() {
    echo "== image: BMPW 640 x 480 gray, save method 0"
    start 0 'accept 30000
baseline 200 307200
stats 200 bmpw 1 640 480 A001 | none
stats 200 bmpw 1 640 480 A001 ; none'
    finish
    echo "  (bmpw: line to the final \"0,\", A001.bmp on disk, with Pelmar idle before it;"
    echo "   bmpw; none: with the next NONE)"
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# wait_for PATTERN COUNT: until the transcript holds COUNT lines matching PATTERN.
wait_for() {
    for _ in $(seq 3000); do
        [ "$(grep -c -- "$1" "$LOG")" -ge "$2" ] && return 0
        kill -0 "$DMSIM" 2>/dev/null || return 0
        sleep 0.1
    done
}

memory() {
    echo "== memory: Pelmar's resident memory, BMPW 640 x 480 gray stored as BMP and JPEG"
    # dmsim pauses 3 s after each stage; the memory is read during the pause.
    start 2 'accept 30000
none
sleep 3000
stats 100 bmpw 1 640 480 A001 ; none
sleep 3000
stats 900 bmpw 1 640 480 A001 ; none
sleep 3000
none'
    local started after100 after1000
    wait_for '< 0,' 1
    sleep 1
    started=$(rss_kb "$PELMAR")
    wait_for 'stats bmpw' 1
    sleep 1
    after100=$(rss_kb "$PELMAR")
    wait_for 'stats bmpw' 2
    sleep 1
    after1000=$(rss_kb "$PELMAR")
    finish
    echo "  (bmpw; none: until A001.bmp and A001.jpg are written)"
    awk -v s="$started" -v a="$after100" -v b="$after1000" 'BEGIN {
        printf "  pelmar resident: %.1f MB after start-up, %.1f MB after 100 images, %.1f MB after 1000\n", s / 1024, a / 1024, b / 1024
        printf "    = %+.1f MB from image 100 to image 1000\n", (b - a) / 1024 }'
}

settings() {
    echo "== settings: SETW, the DM's worker line to the third \"0,\""
    local record='"LENS-A,4,3,10,1,0,1,1,0,128,"' workers='"SATO,SUZUKI,,,,,,,,,"'
    [ -x "$HERE/programs/setw_station" ] || { echo "  no $HERE/programs/setw_station" >&2; exit 1; }
    start 0 "accept 30000
baseline 200 21
send SETW
expect \"0,\" 10000
send $record
expect \"0,\" 10000
stats 200 send $workers ; expect \"0,\" 10000 | send SETW ; expect \"0,\" 10000 ; send $record ; expect \"0,\" 10000
sleep 1500
none" "$HERE/programs/setw_station"
    finish
    echo "  (the next SETW and its record line come untimed after each round, Pelmar waiting"
    echo "   for the worker line; the editor opens after the third \"0,\")"
}

for run in "${RUNS[@]}"; do "$run"; done
