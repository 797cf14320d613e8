#!/usr/bin/env bash
# The Debian packages as a station PC and a board developer get them. lintian first; then the
# packages' files are laid over /usr with overlayfs in a private mount namespace (nothing on the
# machine changes, and the overlay is read-only, so nothing can be written into /usr/bin), with
# only a loopback network, where
#  - the installed pelmar, in a throwaway home with only $XDG_CONFIG_HOME/pelmar/PELMAR.INI
#    (127.0.0.1 and the installed dmsim's port, no save folder), serves the installed dmsim and
#    stores the measurement under the per-user data folder, NAME.INI beside its PELMAR.INI;
#  - the exported-names tests of the build pass on the installed library;
#  - C programs built with pkg-config against libtessio-dev call Tessio: its exports, and the
#    README's example, which draws with DDSdisplay into a device context over its own pixels.
#   tests/packaging/installed.sh BUILD_DIR      (packages in BUILD_DIR/packages; run as root)
set -euo pipefail
build=$(realpath "${1:?usage: installed.sh BUILD_DIR}")
here=$(dirname "$(realpath "$0")")

fail() {
    echo "installed.sh: $*" >&2
    exit 1
}

if [ -z "${PELMAR_THROWAWAY_ROOT:-}" ]; then
    [ "$(id -u)" -eq 0 ] || fail "needs root for its private mount namespace"
    shopt -s nullglob
    packages=("$build"/packages/*.deb)
    [ ${#packages[@]} -eq 3 ] || fail "expected the three packages in $build/packages"
    # Warnings fail too: the ones kept are overridden in the packages, each with its reason.
    if ! lint=$(lintian --fail-on error,warning "${packages[@]}" 2>&1); then
        echo "$lint" >&2
        fail "lintian"
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    for deb in "${packages[@]}"; do dpkg-deb -x "$deb" "$work/root"; done
    # A network namespace of its own too, with loopback only: should the installed program ever
    # miss its configuration, the default DM address it would try is not reachable from there.
    PELMAR_THROWAWAY_ROOT=$work unshare --mount --propagation private --net "$0" "$build"
    echo "installed.sh: the installed packages passed"
    exit 0
fi

work=$PELMAR_THROWAWAY_ROOT
ip link set lo up
mount -t overlay overlay -o "lowerdir=$work/root/usr:/usr" /usr
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
libdir=/usr/lib/$multiarch

desktop-file-validate /usr/share/applications/org.pelmar.Pelmar.desktop
appstreamcli validate --no-net --pedantic /usr/share/metainfo/org.pelmar.Pelmar.metainfo.xml \
    >/dev/null || fail "appstreamcli validate"
for page in pelmar dmsim; do
    [ -n "$(man -l "/usr/share/man/man1/$page.1.gz" 2>/dev/null | head -1)" ] ||
        fail "no manual page for $page"
done

for test in tessio_exports_test tessio_board_exports_test; do
    TESSIO_LIBRARY_UNDER_TEST=$libdir/libtessio.so.1 "$build/tests/$test" --gtest_brief=1 ||
        fail "$test on the installed library"
done

cc -std=c99 -Wall -Wextra -Wpedantic -Werror "$here/tessio_client.c" -o "$work/client" \
    $(pkg-config --cflags --libs tessio)
expected='DDMgetver(0) 120
DDSgetver 120
DDMgetver(8) -1
DDMopen_sys(-1) -1
DDMread_int(8) 0xFFFF0000'
[ "$("$work/client")" = "$expected" ] || fail "the C program printed: $("$work/client")"
# The development package holds the two headers and no other: tessio.h brings no windows.h.
[ "$(ls -A /usr/include/tessio | tr '\n' ' ')" = "tessio.h tessio_gdi.h " ] ||
    fail "/usr/include/tessio holds: $(ls -A /usr/include/tessio)"
cc -std=c99 -Wall -Wextra -Wpedantic -Werror "$here/gray_display.c" -o "$work/gray_display" \
    $(pkg-config --cflags --libs tessio)
drawn=$("$work/gray_display") || fail "the README's example failed: $drawn"
[ "$(tail -1 <<<"$drawn")" = "pixel (40, 10) 0x00A0A0A0, pixel (0, 10) 0x00101010" ] ||
    fail "the README's example printed: $drawn"
# It runs with the installed Tessio and the installed GDI stand-in (/lib is /usr/lib).
libraries=$(LD_TRACE_LOADED_OBJECTS=1 "$work/gray_display")
for library in libtessio.so.1 tessio/libgdi32.so; do
    found=$(sed -n "s|^[[:space:]]*${library#tessio/} => \([^ ]*\) .*|\1|p" <<<"$libraries")
    [ -n "$found" ] && [ "$(realpath "$found")" = "$(realpath "$libdir/$library")" ] ||
        fail "the example finds ${library#tessio/} as: $libraries"
done

# The station: dmsim first, then the configuration naming it, and only then pelmar.
home=$work/home
config=$home/.config
mkdir -p "$config/pelmar"
cat >"$work/script" <<'SCRIPT'
accept 30000
send OPEN
bmpw 1 640 480 A001
datw A001 "12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S2612070001,DM-7200,SATO,EC-500"
xydt 440.0,240.1 260.2,343.9
none
SCRIPT
pelmar= dmsim=
trap 'kill $pelmar $dmsim 2>/dev/null || true' EXIT
/usr/bin/dmsim --port 0 --port-file "$work/port" --script "$work/script" >"$work/dmsim.log" 2>&1 &
dmsim=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
[ -s "$work/port" ] || fail "dmsim did not start: $(cat "$work/dmsim.log")"
printf '10,127.0.0.1,(DMのIPアドレス)\r\n11,%s,(DMのポート番号)\r\n' "$(cat "$work/port")" \
    >"$config/pelmar/PELMAR.INI"
cp "$config/pelmar/PELMAR.INI" "$work/PELMAR.INI.written"
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen \
    LC_ALL=C.UTF-8 /usr/bin/pelmar >"$work/pelmar.log" 2>&1 &
pelmar=$!
dmsimStatus=0
timeout 60 tail --pid="$dmsim" -f /dev/null || dmsimStatus=$?
wait "$dmsim" || dmsimStatus=$?
maps=$(cat "/proc/$pelmar/maps")
kill "$pelmar"
wait "$pelmar" 2>/dev/null || true
pelmar= dmsim=
[ "$dmsimStatus" -eq 0 ] ||
    fail "dmsim ended $dmsimStatus: $(cat "$work/dmsim.log") pelmar: $(cat "$work/pelmar.log")"

# Pelmar's picture box and Tessio draw through one GDI stand-in, the installed one.
gdi=$(grep -o '/[^ ]*libgdi32[^ ]*' <<<"$maps" | sort -u)
[ "$gdi" = "$libdir/tessio/libgdi32.so" ] || fail "GDI stand-in loaded from: $gdi"
tessio=$(grep -o '/[^ ]*libtessio[^ ]*' <<<"$maps" | sort -u)
[ "$tessio" = "$libdir/libtessio.so.1.2.1" ] || fail "Tessio loaded from: $tessio"

data=$home/.local/share/pelmar
stored=("$data"/*/A001.csv)
[ ${#stored[@]} -eq 1 ] && [ -f "${stored[0]}" ] || fail "no A001.csv under $data"
day=$(dirname "${stored[0]}")
for file in A001.bmp A001_XY.csv; do [ -s "$day/$file" ] || fail "no $file in $day"; done
printf '12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S2612070001,DM-7200,SATO,EC-500\r\n' |
    cmp -s - "${stored[0]}" || fail "A001.csv holds: $(cat "${stored[0]}")"
printf '\r\n\r\n' | cmp -s - "$config/pelmar/NAME.INI" || fail "no new NAME.INI beside PELMAR.INI"
cmp -s "$work/PELMAR.INI.written" "$config/pelmar/PELMAR.INI" || fail "PELMAR.INI was rewritten"
[ ! -e /usr/bin/PELMAR.INI ] && [ ! -e /usr/bin/NAME.INI ] || fail "files in /usr/bin"
