#!/usr/bin/env bash
# The demo of ./dev run: the DM simulator on 127.0.0.1 and Pelmar connected to it.
#   tools/demo.sh BUILD_DIR
# BUILD_DIR/demo becomes a program folder (a copy of BUILD_DIR/bin) with a PELMAR.INI that points
# at the simulator and saves into BUILD_DIR/demo/data. With a display, Pelmar's window runs until
# it is closed; without one, the demo runs for 15 s under Xvfb and leaves a screenshot.
set -euo pipefail

BUILD=$(cd "${1:?usage: tools/demo.sh BUILD_DIR}" && pwd)
DEMO=$BUILD/demo
SECONDS_HEADLESS=15

[ -x "$BUILD/bin/pelmar" ] && [ -x "$BUILD/bin/dmsim" ] || {
    echo "demo: build pelmar and dmsim into $BUILD/bin first (./dev build)" >&2
    exit 1
}
mkdir -p "$DEMO/data"
cp -a "$BUILD/bin/." "$DEMO/"
rm -f "$DEMO/dmsim.port" "$DEMO/screenshot.png" "$DEMO/screenshot-start.png"

"$DEMO/dmsim" --port 0 --port-file "$DEMO/dmsim.port" demo >"$DEMO/dmsim.log" 2>&1 &
DMSIM=$!
PELMAR=
cleanup() {
    [ -n "$PELMAR" ] && kill "$PELMAR" 2>/dev/null || true
    kill "$DMSIM" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 100); do
    [ -s "$DEMO/dmsim.port" ] && break
    kill -0 "$DMSIM" 2>/dev/null || { cat "$DEMO/dmsim.log" >&2; exit 1; }
    sleep 0.1
done
PORT=$(cat "$DEMO/dmsim.port")
[ -n "$PORT" ] || { echo "demo: the DM simulator did not start" >&2; exit 1; }

# Pelmar reads its configuration as code page 932 text with CR LF; it must point at 127.0.0.1
# before Pelmar is ever started, or it would try its built-in LAN address.
printf '1,%s,(保存フォルダ)\r\n10,127.0.0.1,(DMのIPアドレス)\r\n11,%s,(DMのポート番号)\r\n12, 2,(保存方式)\r\n13, 80,(Jpeg圧縮率)\r\n' \
    "$DEMO/data" "$PORT" | iconv -f UTF-8 -t CP932 >"$DEMO/PELMAR.INI"
echo "demo: DM simulator on 127.0.0.1:$PORT (log: $DEMO/dmsim.log), data in $DEMO/data"

if [ -n "${DISPLAY:-}" ]; then
    echo "demo: close Pelmar's window to end the demo"
    "$DEMO/pelmar" || true
    exit 0
fi

command -v xvfb-run >/dev/null && command -v import >/dev/null || {
    echo "demo: no display; install xvfb and imagemagick (./dev deps) to run headless" >&2
    exit 1
}
echo "demo: no display; running ${SECONDS_HEADLESS} s under Xvfb"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1/pelmar" >"$1/pelmar.log" 2>&1 &
    pelmar=$!
    # Early, while the first status page (起動, 接続開始, ..., NONE受信) is still shown.
    sleep 6.5
    import -window root "$1/screenshot-start.png"
    sleep "$(( $2 - 7 ))"
    import -window root "$1/screenshot.png"
    kill "$pelmar" 2>/dev/null
    wait "$pelmar" 2>/dev/null
    true' _ "$DEMO" "$SECONDS_HEADLESS"
[ -s "$DEMO/screenshot.png" ] || { echo "demo: no screenshot was taken" >&2; exit 1; }
echo "demo: screenshot of the screen: $DEMO/screenshot.png (after 6.5 s: $DEMO/screenshot-start.png)"
