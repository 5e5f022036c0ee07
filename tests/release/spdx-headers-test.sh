#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails naming every tracked source file whose first three lines lack the SPDX line of the
# MIT licence. Which files are sources, and in which comment syntax they carry the line, is
# said once, in scripts/add-spdx-headers.
set -euo pipefail
source=$1
git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
    { echo "not a git work tree, so no list of tracked files: skipped"; exit 77; }
missing=0 checked=0
while IFS= read -r file; do
    checked=$((checked + 1))
    if ! head -n 3 "$source/$file" | grep -qF "SPDX-License-Identifier: MIT"; then
        echo "no SPDX-License-Identifier: MIT line: $file"
        missing=$((missing + 1))
    fi
done < <("$source/scripts/add-spdx-headers" --list)
[ "$checked" -gt 0 ] || { echo "no source files listed"; exit 1; }
[ "$missing" -eq 0 ] || { echo "$missing of $checked source files lack the line"; exit 1; }
echo "all $checked source files carry the line"
