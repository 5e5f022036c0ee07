#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package as `make package` does and checks what a user gets: its files,
# its Depends and Recommends, lintian's verdict, and, unpacked, the start from the desktop
# menu in a new home directory followed by Generator 1 with the default settings there.
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$source/scripts/build-package" "$work" >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
deb=$(echo "$work"/glyphsmith_*_amd64.deb)

expected="./usr/bin/glyphsmith
./usr/bin/glyphsmith-cli
./usr/libexec/glyphsmith/start-from-menu
./usr/share/applications/glyphsmith.desktop
./usr/share/doc/glyphsmith/THIRD-PARTY-NOTICES.txt
./usr/share/doc/glyphsmith/changelog.gz
./usr/share/doc/glyphsmith/copyright
./usr/share/glyphsmith/copyright.txt
./usr/share/icons/hicolor/16x16/apps/glyphsmith.xpm
./usr/share/icons/hicolor/32x32/apps/glyphsmith.xpm
./usr/share/man/man1/glyphsmith-cli.1.gz
./usr/share/man/man1/glyphsmith.1.gz
./usr/share/metainfo/org.example.glyphsmith.metainfo.xml"
diff -u <(echo "$expected") <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort) ||
    { echo "the package's files differ from the expected ones"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends lacks Qt Widgets"; exit 1; }
[ "$(dpkg-deb -f "$deb" Recommends)" = texlive-font-utils ] || { echo "bad Recommends"; exit 1; }
lintian --fail-on error "$deb" 2>/dev/null || { echo "lintian found errors"; exit 1; }

root=$work/root home=$work/home
dpkg-deb -x "$deb" "$root"
mkdir "$home"
start_from_menu() {
    # Without a display the window program says so and ends with status 1.
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" QT_QPA_PLATFORM=xcb \
        "$root/usr/libexec/glyphsmith/start-from-menu" 2>"$work/start.err" || status=$?
    [ "$status" -eq 1 ] && grep -q "without a display" "$work/start.err" ||
        { echo "the menu start did not reach the window program:"; cat "$work/start.err"; exit 1; }
}
start_from_menu
cmp -s "$home/Glyphsmith/copyright.txt" "$source/data/copyright.txt" ||
    { echo "no example copyright.txt in ~/Glyphsmith"; exit 1; }
[ "$(readlink "$home/Glyphsmith/UGBK.sfd")" = "$(kpsewhich UGBK.sfd)" ] ||
    { echo "no link to the TeX tree's UGBK.sfd in ~/Glyphsmith"; exit 1; }
echo "% my own" >"$home/Glyphsmith/copyright.txt"
start_from_menu
[ "$(cat "$home/Glyphsmith/copyright.txt")" = "% my own" ] ||
    { echo "a later start replaced the user's copyright.txt"; exit 1; }

# What the first click on Generator 1 does: the default families, into ~/ht-fonts.
(cd "$home/Glyphsmith" && "$root/usr/bin/glyphsmith-cli" gen1 >/dev/null)
[ "$(ls "$home"/ht-fonts/unicode/cjk/gbk*/*.htf | wc -l)" -eq 564 ] ||
    { echo "Generator 1 did not write 6 x 94 files under ~/ht-fonts"; exit 1; }
echo "package test passed"
