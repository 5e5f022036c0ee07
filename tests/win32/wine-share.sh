#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the share \\glyphsmith-test\share under wine: a folder of the wine prefix behind
# the link that wine takes for a share. Every test that writes there uses a folder of its
# own in it.
set -euo pipefail
wine=$1
# A first start makes the prefix.
WINEDEBUG=-all "$wine" cmd /c exit >/dev/null 2>&1
prefix=${WINEPREFIX:-$HOME/.wine}
mkdir -p "$prefix/drive_c/glyphsmith-share" "$prefix/dosdevices/unc/glyphsmith-test"
ln -sfn ../../../drive_c/glyphsmith-share "$prefix/dosdevices/unc/glyphsmith-test/share"
