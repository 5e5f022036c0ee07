#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a packager relies on: both
# programs in bin/, a CLI that runs from there, the manual page, a valid desktop entry
# and the icon in the freedesktop places.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/glyphsmith bin/glyphsmith-cli share/man/man1/glyphsmith-cli.1 \
            share/applications/glyphsmith.desktop \
            share/icons/hicolor/32x32/apps/glyphsmith.xpm \
            share/icons/hicolor/16x16/apps/glyphsmith.xpm; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
"$prefix/bin/glyphsmith-cli" --help | grep -q "glyphsmith-cli COMMAND"
desktop-file-validate "$prefix/share/applications/glyphsmith.desktop"
man -l "$prefix/share/man/man1/glyphsmith-cli.1" >/dev/null 2>&1 ||
    { echo "the manual page does not format"; exit 1; }
echo "install test passed"
