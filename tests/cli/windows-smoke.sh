#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Windows build of glyphsmith-cli under wine: Generator 1 on the real UGBK.sfd,
# Generator 2 on a small table, and sfd on the TeX tree's UBig5.sfd and Big5.sfd beside
# it, checking exit status and CR LF output.
set -euo pipefail
wine=$1 cli=$2 sfd=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf ' %% the .htf file\r\n' > copyright.txt

"$wine" "$cli" gen1 --sfd "$sfd" --families song --htf out >stdout.txt
grep -q 'All .htf files have been created!' stdout.txt
cmp -s <(head -c 17 out/gbksong/gbksong01.htf) <(printf 'gbksong01 0 255\r\n') ||
    { echo "gen1: no CR LF header"; exit 1; }
[ "$(ls out/gbksong | wc -l)" -eq 94 ] || { echo "gen1: not 94 files"; exit 1; }

printf ';LeadByte = 0x81\r\nx\r\n0x40\t0x4E02\r\n' > MS-GBK-Codepage.txt
mkdir -p enc/GBKKai
{ printf '/gbkkai01 [\r\n/uni4E02\r\n'; for _ in $(seq 255); do printf '/.notdef\r\n'; done; } \
    > enc/GBKKai/GBKKAI01.ENC
status=0
"$wine" "$cli" gen2 --htf out 2>stderr.txt || status=$?
[ "$status" -eq 3 ] || { echo "gen2: exit status $status, expected 3"; exit 1; }
grep -q "Failed to open .enc file enc\\\\gbkkai\\\\gbkkai02.enc!Go to the next file!" log.txt
head -2 out/gbkkai/gbkkai01.htf | grep -q "^'&#x4E02;' ''   0 % gbkkai01.htf (unicode)"
sfd_dir=$(dirname "$sfd")
"$wine" "$cli" sfd --sfd "$sfd_dir/UBig5.sfd" --fonts zzbsmi --subfonts 01-03 --htf out >stdout.txt
grep -q '^Wrote 3 .htf files.' stdout.txt
[ "$(ls out/zzbsmi)" = "$(printf 'zzbsmi01.htf\nzzbsmi02.htf\nzzbsmi03.htf')" ] ||
    { echo "sfd: not the files of subfonts 01 to 03"; exit 1; }
printf '(DESIGNSIZE R 10.0)\n(CHARACTER D 65 (CHARWD R 1.0))\n(CHARACTER D 70 (CHARWD R 1.0))\n' \
    >font.pl
mkdir tfm
pltotf font.pl tfm/zzbsmi02.tfm >/dev/null
"$wine" "$cli" sfd --sfd "$sfd_dir/UBig5.sfd" --fonts zzbsmi --subfonts 01-03 --tfm tfm \
    --htf fitted >stdout.txt
grep -q '^Wrote 1 .htf file; 2 subfonts had no TFM file.' stdout.txt
cmp -s <(head -c 16 fitted/zzbsmi/zzbsmi02.htf) <(printf 'zzbsmi02 65 70\r\n') ||
    { echo "sfd: no CR LF header with the TFM's range"; exit 1; }
status=0
"$wine" "$cli" sfd --sfd "$sfd_dir/Big5.sfd" --fonts zzbsmi --htf native 2>stderr.txt || status=$?
[ "$status" -eq 1 ] || { echo "sfd: exit status $status for native codes, expected 1"; exit 1; }
grep -q 'gives the native codes of its encoding' stderr.txt
[ ! -e native ] || { echo "sfd: wrote files from native codes"; exit 1; }
echo "windows smoke run passed"
