#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails for every DLL that a Windows program imports beyond the system's own, which every
# Windows has: a program that needs another one does not run from its folder alone.
set -euo pipefail
objdump=$1
shift
system='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|shell32|user32)\.dll$'
status=0
for program in "$@"; do
    while read -r dll; do
        if ! grep -qiE "$system" <<<"$dll"; then
            echo "$(basename "$program") imports $dll" >&2
            status=1
        fi
    done < <("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
