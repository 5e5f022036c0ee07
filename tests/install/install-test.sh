#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks what a packager relies on: both
# programs in bin/, a CLI that runs from there, a valid desktop entry and AppStream file,
# and manual pages that format and keep in step with --help. The package test checks the
# whole list of installed files.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/glyphsmith bin/glyphsmith-cli; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
cli=$prefix/bin/glyphsmith-cli
"$cli" --version | grep -q "^glyphsmith-cli [0-9]"

# The Debian changelog and the AppStream releases, both made from NEWS.md, begin with the
# program's own version, and give it the same date.
version=$("$cli" --version | cut -d ' ' -f 2)
gzip -dc "$prefix/share/doc/glyphsmith/changelog.gz" >"$prefix/changelog"
[ "$(dpkg-parsechangelog -l "$prefix/changelog" -S Version)" = "$version" ] ||
    { echo "the changelog does not begin with version $version"; exit 1; }
date=$(date -u -d "$(dpkg-parsechangelog -l "$prefix/changelog" -S Date)" +%F)
release=$(grep -o -m 1 '<release version="[^"]*" date="[^"]*"' "$prefix"/share/metainfo/*.xml)
[ "$release" = "<release version=\"$version\" date=\"$date\"" ] ||
    { echo "the AppStream releases begin with $release, not $version of $date"; exit 1; }
desktop-file-validate "$prefix/share/applications/glyphsmith.desktop"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
man -l "$prefix/share/man/man1/glyphsmith.1.gz" >/dev/null 2>&1 ||
    { echo "the window program's manual page does not format"; exit 1; }
page=$(MANWIDTH=1000 man -l "$prefix/share/man/man1/glyphsmith-cli.1.gz" 2>/dev/null) ||
    { echo "the manual page does not format"; exit 1; }

# The manual page keeps in step with --help: it names every command and option.
for command in $("$cli" --help | sed -n '/^Subcommands:/,$s/^  \([a-z0-9]\+\) .*/\1/p'); do
    grep -q "^ *$command " <<<"$page" || { echo "the manual page lacks $command"; exit 1; }
    for option in $("$cli" "$command" --help | grep -o -- '--[a-z-]*' | sort -u); do
        grep -q -- "$option" <<<"$page" || { echo "the manual page lacks $command $option"; exit 1; }
    done
done
echo "install test passed"
