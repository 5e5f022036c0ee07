#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# From a subfont definition file to HTML, as the README walks it, for four encodings of
# the CJK package: TFMs that hold just the codes of a short text (made by pltotf, so no
# font file is needed), an .fd file, `glyphsmith-cli sfd --tfm`, then htlatex with the
# .htf files. The HTML must hold exactly the text, and tex4ht must not warn about any
# .htf file. Test fonts start with "zz", so that no file of a TeX distribution can stand in.
#
#   round-trip.sh CLI SFD_DIR COPYRIGHT_TXT
set -euo pipefail
cli=$1 sfd_dir=$2 copyright=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "round trip $encoding: $*" >&2
    exit 1
}

# The Unicode values of a UTF-8 text, one a line, in upper-case hexadecimal with at
# least four digits, whatever the locale.
unicode_values() {
    local value
    for value in $(printf '%s' "$1" | iconv -f UTF-8 -t UTF-32BE | od -An -v -tx1 | tr -d ' \n' |
        fold -w8); do
        printf '%04X\n' "0x$value"
    done
}

# Writes zzsong<subfont>.tfm for every subfont that holds a character of the text, with
# just those characters. Where each lies is read from the command's own files of all
# codes: TeX then checks it, since the CJK package finds subfont and position itself.
make_tfms() {
    local sfd=$1 text=$2
    "$cli" sfd --sfd "$sfd_dir/$sfd" --fonts zzscan --keep-blanks --htf scan >/dev/null
    local value row file
    for value in $(unicode_values "$text"); do
        row=$(grep -H "^'&#x$value;'" scan/zzscan/*.htf | sed -n 1p || true)
        [ -n "$row" ] || fail "no subfont holds U+$value"
        file=${row%%:*}
        file=${file##*/zzscan}
        printf '(CHARACTER D %d (CHARWD R 1.0) (CHARHT R 0.8) (CHARDP R 0.2))\n' \
            "$(sed -E "s/^'[^']*' '' +([0-9]+).*/\\1/" <<<"${row#*:}")" >>"zzsong${file%.htf}.pl"
    done
    local pl
    for pl in zzsong*.pl; do
        { printf '(DESIGNSIZE R 10.0)\n(FONTDIMEN (QUAD R 1.0))\n'; sort -u "$pl"; } >font.pl
        pltotf font.pl "${pl%.pl}.tfm" >/dev/null
    done
}

round_trip() {
    encoding=$1
    local font_encoding=$2 sfd=$3 charset=$4 text=$5
    mkdir "$work/$encoding"
    cd "$work/$encoding"
    cp "$copyright" copyright.txt
    make_tfms "$sfd" "$text"
    local tfms=(zzsong*.tfm)

    "$cli" sfd --sfd "$sfd_dir/$sfd" --fonts zzsong --tfm . --htf htf >sfd.out ||
        fail "glyphsmith-cli sfd failed: $(cat sfd.out)"
    local htfs=(htf/zzsong/*.htf)
    [ "${#htfs[@]}" -eq "${#tfms[@]}" ] || fail "not one .htf file per TFM"

    cat >"${font_encoding,,}zzsong.fd" <<FD
\\ProvidesFile{${font_encoding,,}zzsong.fd}
\\DeclareFontFamily{$font_encoding}{zzsong}{\\hyphenchar \\font\\m@ne}
\\DeclareFontShape{$font_encoding}{zzsong}{m}{n}{<-> CJK * zzsong}{}
FD
    {
        printf '\\documentclass{article}\n\\usepackage{CJK}\n\\begin{document}\n'
        printf '\\begin{CJK}{%s}{zzsong}\n' "$encoding"
        printf '%s\n' "$text" | iconv -f UTF-8 -t "$charset"
        printf '\\end{CJK}\n\\end{document}\n'
    } >doc.tex
    TFMFONTS=.: htlatex doc.tex "xhtml,charset=utf-8" " -cunihtf -utf8 -ihtf/zzsong/" \
        </dev/null >htlatex.log 2>&1 || fail "htlatex failed; see its log: $(tail -20 htlatex.log)"

    # tex4ht's own warnings: a missing .htf file, one whose range is not its TFM's, a row
    # it cannot read.
    ! grep -e '^--- warning ---' htlatex.log || fail "tex4ht warned"
    local shown
    shown=$(tr -d '\n' <doc.html | sed -e 's/.*<body[^>]*>//' -e 's/<\/body>.*//' \
        -e 's/<[^>]*>//g' | tr -d ' \t')
    [ "$shown" = "$text" ] || fail "the HTML shows '$shown' instead of '$text'"
    echo "round trip $encoding: ${#tfms[@]} TFMs, HTML shows $shown"
}

#          encoding  font encoding  file         charset  text
round_trip GB        C10            UGB.sfd      GB2312   '中文测试'
round_trip Bg5       C00            UBig5.sfd    BIG5     '繁體中文'
round_trip JIS       C40            UJIS.sfd     EUC-JP   '日本語の文字'
round_trip UTF8      C70            Unicode.sfd  UTF-8    '中文繁體ＡＢ'
