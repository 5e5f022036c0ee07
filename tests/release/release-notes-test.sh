#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scripts/release-notes over a NEWS.md of two releases: the Debian changelog and the
# AppStream releases, newest first, with long items wrapped for the changelog and the XML
# characters escaped; and a NEWS.md with a stray line, which is refused by its line number.
set -euo pipefail
notes=$1/scripts/release-notes
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/NEWS.md" <<'EOF'
# Release notes

Newest first.

## 0.23 (2027-01-04)

- Runs read `<a> & <b>` from a file whose name is long enough to need two lines
  in the changelog.
- Short.

## 0.22 (2026-12-07)

- First release.
EOF

expected_changelog='glyphsmith (0.23) unstable; urgency=medium

  * Runs read <a> & <b> from a file whose name is long enough to need two
    lines in the changelog.
  * Short.

 -- A Maker <maker@example.org>  Mon, 04 Jan 2027 00:00:00 +0000

glyphsmith (0.22) unstable; urgency=medium

  * First release.

 -- A Maker <maker@example.org>  Mon, 07 Dec 2026 00:00:00 +0000'
expected_appstream='    <release version="0.23" date="2027-01-04">
      <description>
        <ul>
          <li>Runs read &lt;a&gt; &amp; &lt;b&gt; from a file whose name is long enough to need two lines in the changelog.</li>
          <li>Short.</li>
        </ul>
      </description>
    </release>
    <release version="0.22" date="2026-12-07">
      <description>
        <ul>
          <li>First release.</li>
        </ul>
      </description>
    </release>'
status=0
check() {
    local what=$1 expected=$2 actual=$3
    [ "$actual" = "$expected" ] ||
        { echo "$what differs:"; diff <(echo "$expected") <(echo "$actual"); status=1; }
}
check "the changelog" "$expected_changelog" \
    "$("$notes" debian-changelog "$work/NEWS.md" "A Maker <maker@example.org>")"
check "the AppStream releases" "$expected_appstream" "$("$notes" appstream "$work/NEWS.md")"
check "the newest date" 1799020800 "$("$notes" epoch "$work/NEWS.md")"

printf '## 0.22 (2026-12-07)\n\n- First release.\nA stray line.\n' >"$work/NEWS.md"
if "$notes" appstream "$work/NEWS.md" >/dev/null 2>"$work/error"; then
    echo "a stray line was taken"; status=1
fi
check "the error" "$work/NEWS.md:4: a line that is neither a heading, an item nor an item's further line" \
    "$(cat "$work/error")"
exit "$status"
