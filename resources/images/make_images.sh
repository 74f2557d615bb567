#!/usr/bin/env bash
# Recreates the meter's three pictures in this folder:
#   500.jpg  163 x 76   level marker: blue arrow pointing right, on white
#   501.jpg  163 x 76   peak marker: green arrow pointing left, on white
#   502.jpg   41 x 469  meter scale: red at the top through orange, yellow and green to blue, near-white at the bottom
# The program stretches the scale but draws the markers at their own size and places them by it, so the sizes matter.
# Needs ImageMagick's convert; set CONVERT to use another copy than /usr/bin/convert.
set -euo pipefail

cd "$(dirname "$0")"

CONVERT=${CONVERT:-/usr/bin/convert}
if ! [ -x "$CONVERT" ] || ! "$CONVERT" -version 2>/dev/null | grep -q ImageMagick; then
  echo "make_images.sh: ImageMagick's convert is needed at $CONVERT (apt-get install imagemagick, or set CONVERT)" >&2
  exit 1
fi

readonly MARKER_SIZE=163x76
readonly SCALE_WIDTH=41
readonly JPEG_OPTIONS=(-strip -quality 95 -sampling-factor 1x1 -interlace none)

# The marker arrow, pointing right. The shaft is pale so that the black number drawn over its left part stays
# readable; the head carries the strong colour.
readonly SHAFT="polygon 3,18 104,18 104,59 3,59"
readonly HEAD="polygon 103,3 160,38 103,73"
readonly OUTLINE="polygon 3,18 104,18 104,3 160,38 104,73 104,59 3,59"

# make_marker OUTPUT SHAFT_TOP SHAFT_BOTTOM HEAD_TOP HEAD_BOTTOM EDGE [extra convert options]
make_marker() {
  local output=$1 shaft_top=$2 shaft_bottom=$3 head_top=$4 head_bottom=$5 edge=$6
  shift 6
  "$CONVERT" -size "$MARKER_SIZE" xc:white \
    \( -size "$MARKER_SIZE" "gradient:${shaft_top}-${shaft_bottom}" \) \
    \( -size "$MARKER_SIZE" xc:black -fill white -draw "$SHAFT" \) -composite \
    \( -size "$MARKER_SIZE" "gradient:${head_top}-${head_bottom}" \) \
    \( -size "$MARKER_SIZE" xc:black -fill white -draw "$HEAD" \) -composite \
    -fill none -stroke "$edge" -strokewidth 3 -draw "stroke-linejoin round $OUTLINE" \
    "$@" "${JPEG_OPTIONS[@]}" "$output"
}

make_marker 500.jpg '#e3eeff' '#a7c6f6' '#4a94ff' '#0b3fb5' '#0b3fb5'
make_marker 501.jpg '#e2f7e2' '#a3dfa6' '#47cc57' '#0f7a22' '#0f7a22' -flop

# The scale: five stretches of gradient stacked top to bottom, 94 + 94 + 94 + 94 + 93 = 469 pixels.
"$CONVERT" \
  -size "${SCALE_WIDTH}x94" 'gradient:#e8141c-#ff8a00' \
  -size "${SCALE_WIDTH}x94" 'gradient:#ff8a00-#ffe01a' \
  -size "${SCALE_WIDTH}x94" 'gradient:#ffe01a-#2fb844' \
  -size "${SCALE_WIDTH}x94" 'gradient:#2fb844-#1f5fe0' \
  -size "${SCALE_WIDTH}x93" 'gradient:#1f5fe0-#f2f6ff' \
  -append "${JPEG_OPTIONS[@]}" 502.jpg

for picture in 500.jpg 501.jpg 502.jpg; do
  echo "$picture: $("$CONVERT" "$picture" -format '%wx%h' info:)"
done
