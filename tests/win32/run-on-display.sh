#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under wine on an X server of its own: Win32 dialogs need a display.
# A wineserver still alive from a run without a display keeps a desktop without one, and
# every dialog then fails with error 1400; so the prefix's server is waited for first, and
# again at the end, so that no wine process outlives the X server. No window manager runs
# there, so the windows are left unmanaged: wine would otherwise wait for one whenever a
# window hides.
set -euo pipefail
wineserver=$1
shift
"$wineserver" -w
export wineserver
exec xvfb-run -a bash -c '
    "$1" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null
    status=0
    "$@" || status=$?
    "$wineserver" -w
    exit $status' run-on-display "$@"
