#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Windows build of glyphsmith-cli under wine as users of a Chinese system (code
# page 936) and of a Western one (code page 1252) do: arguments beyond ASCII and beyond
# the code page arrive whole, the files get UTF-8, and redirected messages are UTF-8.
set -euo pipefail
wine=$1 cli=$2 locales=$3
# Wine takes its code page from the locale, which is made once per build tree.
mkdir -p "$locales"
for locale in zh_CN fr_FR; do
    [ -d "$locales/$locale.UTF-8" ] || localedef -i "$locale" -f UTF-8 "$locales/$locale.UTF-8"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
: >copyright.txt
export WINEDEBUG=-all LOCPATH=$locales

fail() { echo "$LANG: $*"; exit 1; }
for locale in zh_CN fr_FR; do
    export LANG=$locale.UTF-8
    rm -rf out log.txt
    "$wine" "$cli" alias --target song --alias 宋体 --font-family 宋体 --other 'x: Crème 𠀀' \
        --dir 'out\字体' >stdout.txt || fail "alias: exit status $?"
    grep -qx $'All alias .htf files have been created!\r' stdout.txt || fail "alias: $(cat stdout.txt)"
    expected=$'.gbksong07\r\nhtfcss: gbk宋体07 font-family: 宋体; x: Crème 𠀀;\r\n\r\n'
    cmp -s <(printf '%s' "$expected") 'out/字体/gbk宋体/gbk宋体07.htf' || fail "alias: not UTF-8"

    status=0
    "$wine" "$cli" clone --from 宋体 --to '𠀀.' --htf out 2>stderr.txt || status=$?
    [ "$status" -eq 1 ] || fail "clone: exit status $status, expected 1"
    grep -qF 'Failed to create the directory out\gbk𠀀.!' stderr.txt || fail "clone: $(cat stderr.txt)"
done
echo "windows names run passed"
