#!/usr/bin/env bash
# Qt for Windows (x86_64-w64-mingw32, posix threads), built from Debian's own qt6-base source of
# the version the host's Qt tools are, once per machine, into a cache folder outside the tree.
# Prints the folder. A second run with the same version and options reuses it.
#   cmake/qt-mingw.sh ROOT
set -euo pipefail
root=$1
cache=${PELMAR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pelmar}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${version%%+*}
prefix=$cache/qt-$upstream-x86_64-w64-mingw32

# Only what Pelmar and its tests use: Core, Gui, Widgets, Network, PrintSupport, Test, the windows
# and offscreen platform plugins, JPEG and the Vista style. The tablet header is not in Debian's
# source, so the tablet feature is off; the windows platform plugin needs OpenGL (opengl32 is part
# of Windows).
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF -DFEATURE_opengl=ON -DINPUT_opengl=desktop
    -DFEATURE_openssl=OFF -DFEATURE_sql_sqlite=OFF -DFEATURE_gif=ON -DFEATURE_jpeg=ON
    -DFEATURE_freetype=ON -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF
)
stamp="qt6-base $version x86_64-w64-mingw32 posix $(printf '%s ' "${options[@]}")"
# Qt's own texts in Japanese ("はい", "キャンセル", ...) are no part of qtbase: the host's, of the
# same version, serve Windows programs alike.
japanese() {
    mkdir -p "$prefix/translations"
    cp -u /usr/share/qt6/translations/qtbase_ja.qm "$prefix/translations/"
}

if [ -f "$prefix/pelmar-stamp" ] && [ "$(cat "$prefix/pelmar-stamp")" = "$stamp" ]; then
    japanese
    echo "$prefix"
    exit 0
fi

work=$cache/qt-work
rm -rf "$prefix"
# A build that was stopped half way (the session ended, a key was pressed) goes on where it was.
if [ ! -f "$work/stamp" ] || [ "$(cat "$work/stamp")" != "$stamp" ]; then
    rm -rf "$work"
    mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial"

    # A private deb-src entry for the archive and suite this machine already uses; the machine's
    # own sources and package lists stay untouched.
    uri=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1)
    [ -n "$uri" ] || uri=$(sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\).*/\2/p' /etc/apt/sources.list | head -n1)
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "deb-src $uri $suite main" >"$work/apt/sources.list"
    apt_private=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
                 -o Dir::State="$work/apt" -o Dir::State::Lists="$work/apt/lists"
                 -o Dir::Cache="$work/apt" -o Dir::State::status=/var/lib/dpkg/status
                 -o APT::Sandbox::User=root)
    echo ">> Qt $upstream for Windows: fetching Debian's qt6-base $version source" >&2
    apt-get "${apt_private[@]}" -qq update
    (cd "$work" && apt-get "${apt_private[@]}" -qq source --download-only "qt6-base=$version" >&2)
    dpkg-source --no-check -x "$work"/qt6-base_*.dsc "$work/src" >/dev/null 2>&1

    echo ">> Qt $upstream for Windows: configuring" >&2
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 ||
        { tail -n 40 "$work/configure.log" >&2; exit 1; }
    echo "$stamp" >"$work/stamp"
fi

# The one long step a new machine meets (about half an hour on two cores): one progress line.
echo ">> Qt $upstream for Windows: building (about 1,400 steps, once per machine)" >&2
if ! NINJA_STATUS="[%f/%t] " cmake --build "$work/build" 2>&1 | tee "$work/build.log" |
    awk '/^\[[0-9]+\/[0-9]+\]/ { gsub(/[][]/, "", $1); split($1, n, "/"); if (n[1] % 50 == 0 || n[1] + 0 == n[2] + 0)
         { printf "   Qt for Windows: %d of %d steps\n", n[1], n[2] > "/dev/stderr"; fflush() } }'; then
    grep -A20 'FAILED' "$work/build.log" | head -n 60 >&2
    exit 1
fi
cmake --install "$work/build" >/dev/null
echo "$stamp" >"$prefix/pelmar-stamp"
rm -rf "$work"
japanese
echo "$prefix"
