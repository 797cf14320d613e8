#!/usr/bin/env bash
# The installer under Wine: a silent install into Program Files with its Start-menu entry; the
# installed pelmar.exe started once against the Linux dmsim keeps its files per user; a silent
# uninstall leaves no program file behind and the user's files in place.
#   installer.sh HOST_BIN SETUP.exe
# Runs in the Wine prefix of WINEPREFIX, on the display of DISPLAY.
set -euo pipefail
HOST_BIN=$(cd "$1" && pwd)
setup=$2
. "$(dirname "$0")/session.sh"
fail() { echo "installer: $*" >&2; exit 1; }
# A folder Windows names by a variable, as a Linux path.
folder() { "$wine" winepath -u "$("$wine" cmd /c "echo %$1%" | tr -d '\r\n')" 2>/dev/null; }

"$wine" "$setup" /S || fail "the silent install failed"
program=$(folder ProgramW6432)/Pelmar
for file in pelmar.exe Tessio.dll dmsim.exe Qt6Core.dll platforms/qwindows.dll \
            translations/qtbase_ja.qm uninstall.exe; do
    [ -f "$program/$file" ] || fail "not installed: $file"
done
menu=$(folder ProgramData)/Microsoft/Windows/Start\ Menu/Programs/Pelmar.lnk
[ -f "$menu" ] || fail "no Start-menu entry"
installed=$(cd "$program" && find . | sort)

# The inspector's PELMAR.INI, naming 127.0.0.1, in the per-user folder before the first start;
# without a save folder of its own, the program saves into its per-user data folder.
config=$(folder APPDATA)/Pelmar
data=$(folder LOCALAPPDATA)/Pelmar
mkdir -p "$config"
printf 'accept 90000\nsend OPEN\nnone\nbmpw 1 64 48 A001 3\ndatw A001 "12/08/2026 Tue. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S1,DM-7200,SATO,EC-500"\nnone\n' \
    >"$work/script"
start_dmsim installed "$work/script"
printf '10,127.0.0.1,(DM)\r\n11,%s,(port)\r\n12, 0,(method)\r\n13, 80,(jpeg)\r\n' "$port" >"$config/PELMAR.INI"
"$wine" "$program/pelmar.exe" >"$work/pelmar.log" 2>&1 &
pids+=("$!")
wait "$dmsim" || { cat "$work/installed.transcript" "$work/pelmar.log" >&2; fail "the installed program did not serve the DM"; }
kill "${pids[1]}" 2>/dev/null || true
wait "${pids[1]}" 2>/dev/null || true
ls "$data"/*/A001.bmp "$data"/*/A001.csv >/dev/null || fail "nothing stored in $data"
[ -f "$config/NAME.INI" ] || fail "no NAME.INI in $config"
[ "$(cd "$program" && find . | sort)" = "$installed" ] || fail "the program wrote into Program Files"

# The uninstaller runs as a copy of itself and returns at once: wait for it to finish.
"$wine" "$program/uninstall.exe" /S || fail "the silent uninstall failed"
for _ in $(seq 300); do [ -e "$program" ] || break; sleep 0.1; done
[ ! -e "$program" ] || fail "left behind: $(cd "$program" && find . | tr '\n' ' ')"
[ ! -f "$menu" ] || fail "the Start-menu entry is left"
[ -f "$config/PELMAR.INI" ] && [ -f "$config/NAME.INI" ] || fail "the user's files were removed"
ls "$data"/*/A001.bmp >/dev/null || fail "the user's measurements were removed"
echo "installer: installed, served the DM from Program Files with the files in $config and $data, uninstalled"
