#!/usr/bin/env bash
# The README quotes the example program tests/packaging/gray_display.c whole, as it is built and
# run: the file, each line indented by four spaces, stands in README.md as one block.
set -euo pipefail
root=$1
example=$root/tests/packaging/gray_display.c
quoted=$(sed -e 's/^\(.\)/    \1/' "$example")
readme=$(cat "$root/README.md")
if [[ "$readme" != *"$quoted"* ]]; then
    echo "README.md does not quote tests/packaging/gray_display.c as it is; the file, indented:"
    echo "$quoted"
    exit 1
fi
