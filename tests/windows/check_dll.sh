#!/usr/bin/env bash
# Checks a built Tessio.dll without running it:
#   check_dll.sh OBJDUMP DLL DEF
# The export table holds exactly the names of the module-definition file DEF. With CHECK_STDCALL=1
# (the 32-bit DLL) a handful of exports also clean their arguments off the stack themselves, as
# stdcall functions do: their code returns with "ret $N", N = 4 x the number of arguments.
set -euo pipefail
objdump=$1 dll=$2 def=$3

headers=$("$objdump" -p "$dll")
exported=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" |
    sed -n 's/^\s*\[ *[0-9]*\] \(.*\)$/\1/p' | sort)
expected=$(sed -n 's/^    \([_A-Za-z][^ =]*\).*/\1/p' "$def" | sort)
if [ "$exported" != "$expected" ]; then
    echo "FAILED: the export table of $dll is not the list of $def:"
    diff <(echo "$expected") <(echo "$exported") || true
    exit 1
fi
echo "$(wc -l <<<"$exported") exports, exactly those of $(basename "$def")"

[ "${CHECK_STDCALL:-0}" = 1 ] || exit 0
base=$((16#$(sed -n 's/^ImageBase\s*\([0-9a-fA-F]*\)$/\1/p' <<<"$headers")))
# The export address table in ordinal order, and the ordinal of each name.
rvas=($(sed -n '/^Export Address Table -- /,/^$/p' <<<"$headers" |
    sed -n 's/^\s*\[ *[0-9]*\] +base\[ *[0-9]*\] \([0-9a-f]*\) Export RVA$/\1/p'))
status=0
while read -r name bytes; do
    ordinal=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" |
        sed -n "s/^\s*\[ *\([0-9]*\)\] $name\$/\1/p")
    start=$((base + 16#${rvas[$ordinal]}))
    # The first return after the entry point, in address order.
    code=$("$objdump" -d --no-show-raw-insn --start-address=$start --stop-address=$((start + 4096)) "$dll")
    ret=$(grep -m1 -E '\sret' <<<"$code" | sed 's/.*\(ret.*\)$/\1/' | tr -s ' ')
    want=$([ "$bytes" -eq 0 ] && echo "ret" || printf 'ret $0x%x' "$bytes")
    if [ "$ret" = "$want" ]; then
        echo "$name: $ret"
    else
        echo "FAILED: $name returns with \"$ret\", expected \"$want\""
        status=1
    fi
done <<'LIST'
_DDShalf_disp@24 24
DDSdisplay 24
DDSstretch_disp16 44
DDSstretch_color_disp 48
DDMread 16
DDMgetver 4
LIST
exit $status
