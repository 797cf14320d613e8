# What the Windows end-to-end scripts share, sourced by them: Wine, a work folder removed at the
# end with every program started, and dmsim on 127.0.0.1.
#   HOST_BIN must be set to the Linux build's bin folder (dmsim).
wine=/usr/lib/wine/wine64
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# start_dmsim NAME SCRIPT: dmsim plays the script; its pid in dmsim, its port in port once it
# listens, its transcript in $work/NAME.transcript.
start_dmsim() {
    "$HOST_BIN/dmsim" --port 0 --port-file "$work/$1.port" --script "$2" >"$work/$1.transcript" 2>&1 &
    dmsim=$!
    pids+=("$dmsim")
    for _ in $(seq 100); do [ -s "$work/$1.port" ] && break; sleep 0.1; done
    port=$(cat "$work/$1.port")
}
