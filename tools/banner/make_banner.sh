#!/usr/bin/env bash
# Draws the main window's 600 x 37 banner and prints it as the Picture.Data block of a form
# description, ready to paste into src/Main.dfm. Usage: make_banner.sh [OUTPUT.jpg]
# Needs ImageMagick (convert) and the Liberation fonts.
set -euo pipefail

out=${1:-$(mktemp --suffix=.jpg)}
font_dir=/usr/share/fonts/truetype/liberation2

# A steel blue on the left that fades into the frame's grey 0xE7E7E7 on the right, a hairline
# below it, the program's name in navy and a small line about what it holds.
convert -size 37x600 'gradient:#9FB6CE-#E7E7E7' -rotate -90 \
    -fill '#7F7F7F' -draw 'line 0,36 599,36' \
    -font "$font_dir/LiberationSans-Bold.ttf" -pointsize 20 -fill '#1F3A66' \
    -annotate +14+26 'Quorvane Reference' \
    -font "$font_dir/LiberationSans-Italic.ttf" -pointsize 11 -fill '#33475E' \
    -annotate +222+25 'abbreviations of IBM i CL commands and keywords' \
    -strip -quality 90 -sampling-factor 4:4:4 "$out"

# TPicture's data: the graphic's class name as a length-prefixed string, the JPEG's size as a
# 32-bit little-endian integer, then its bytes; 32 bytes to a line as hexadecimal digits.
size=$(stat -c %s "$out")
{
    printf '0A544A504547496D616765'
    printf '%02X%02X%02X%02X' $((size & 255)) $((size >> 8 & 255)) $((size >> 16 & 255)) $((size >> 24 & 255))
    od -An -v -tx1 "$out" | tr -d ' \n' | tr 'a-f' 'A-F'
} | fold -w 64 | sed 's/^/        /;1s/^/      Picture.Data = {\n/;$s/$/}/'
