#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Recreates the meter's three pictures in this folder, each at 1x and at 2x for high-density screens:
#   500.png  163 x 76   (500@2x.png 326 x 152)  level marker: blue arrow pointing right
#   501.png  163 x 76   (501@2x.png 326 x 152)  peak marker: green arrow pointing left
#   502.png   41 x 469  (502@2x.png  82 x 938)  meter scale: red at the top through orange, yellow and green to
#                                               blue, fading out at the bottom
# The program stretches the scale but draws the markers at their own size and places them by it, so the 1x sizes
# matter. The 2x pictures are drawn at twice the size (shapes, outline and gradients), not enlarged copies.
#
# Each picture has an alpha channel, and the program blends it over the display's background colour, so that on a
# dark background the arrows have no box around them. The program showed these pictures as JPEGs on white before,
# and on white it must look exactly as it did, compression artefacts included. So each picture is first drawn on
# white (at 1x compressed exactly as those JPEGs were; at 2x losslessly), and the PNG is derived from those pixels
# J (0 to 255 per channel):
#   - where the picture is solid (the arrow's head and outline; the scale except its last stretch, which fades
#     out), alpha is 255 and the colour is J;
#   - elsewhere alpha is 255 - min(J), the least alpha from which blending over white can still give J (white
#     becomes fully transparent, near-white nearly so), and the colour is unblended from white:
#     C = 255 * (J - 255 + alpha) / alpha, rounded. So the arrow's pale shaft takes on the background's
#     darkness, and the number drawn over it stays readable in a font colour chosen for that background.
# Blended over white, C * alpha / 255 + 255 - alpha (rounded as Qt rounds it) gives J back exactly.
# Needs ImageMagick's convert; set CONVERT to use another copy than /usr/bin/convert.
set -euo pipefail

cd "$(dirname "$0")"

CONVERT=${CONVERT:-/usr/bin/convert}
if ! [ -x "$CONVERT" ] || ! "$CONVERT" -version 2>/dev/null | grep -q ImageMagick; then
  echo "make_images.sh: ImageMagick's convert is needed at $CONVERT (apt-get install imagemagick, or set CONVERT)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

readonly MARKER_WIDTH=163 MARKER_HEIGHT=76
readonly SCALE_WIDTH=41
# The scale's five stretches of gradient, top to bottom: 94 + 94 + 94 + 94 + 93 = 469 pixels at 1x.
readonly SCALE_STRETCHES=(94 94 94 94 93)
readonly SCALE_COLOURS=('#e8141c' '#ff8a00' '#ffe01a' '#2fb844' '#1f5fe0' '#f2f6ff')
# The 1x pictures on white are compressed as the JPEGs of earlier versions were.
readonly JPEG_OPTIONS=(-strip -quality 95 -sampling-factor 1x1 -interlace none)
readonly PNG_OPTIONS=(-strip -define png:exclude-chunks=date,time)

# The marker arrow at 1x, pointing right. The shaft is pale so that the black number drawn over its left part stays
# readable; the head carries the strong colour.
readonly SHAFT="3,18 104,18 104,59 3,59"
readonly HEAD="103,3 160,38 103,73"
readonly OUTLINE="3,18 104,18 104,3 160,38 104,73 104,59 3,59"
readonly OUTLINE_WIDTH=3

# at_scale SCALE "X,Y X,Y ...": the points at SCALE times the size. A pixel's centre is at whole coordinates, so a
# 1x pixel's centre x lies at 2x + 0.5 at 2x.
at_scale() {
  echo "$2" | awk -v s="$1" '{ for (i = 1; i <= NF; i++) { split($i, p, ","); o = (s - 1) / 2;
    printf "%s%g,%g", (i > 1 ? " " : ""), p[1] * s + o, p[2] * s + o } }'
}

# draw_marker SCALE OUTPUT SHAFT_TOP SHAFT_BOTTOM HEAD_TOP HEAD_BOTTOM EDGE [extra convert options]: the arrow,
# pointing right, on white.
draw_marker() {
  local scale=$1 output=$2 shaft_top=$3 shaft_bottom=$4 head_top=$5 head_bottom=$6 edge=$7
  shift 7
  local size="$((MARKER_WIDTH * scale))x$((MARKER_HEIGHT * scale))"
  local options=("${PNG_OPTIONS[@]}")
  [ "$scale" -eq 1 ] && options=("${JPEG_OPTIONS[@]}")
  "$CONVERT" -size "$size" xc:white \
    \( -size "$size" "gradient:${shaft_top}-${shaft_bottom}" \) \
    \( -size "$size" xc:black -fill white -draw "polygon $(at_scale "$scale" "$SHAFT")" \) -composite \
    \( -size "$size" "gradient:${head_top}-${head_bottom}" \) \
    \( -size "$size" xc:black -fill white -draw "polygon $(at_scale "$scale" "$HEAD")" \) -composite \
    -fill none -stroke "$edge" -strokewidth $((OUTLINE_WIDTH * scale)) \
    -draw "stroke-linejoin round polygon $(at_scale "$scale" "$OUTLINE")" \
    "$@" "${options[@]}" "$output"
}

# marker_solid SCALE OUTPUT [extra convert options]: white on the arrow's head and outline, black elsewhere.
marker_solid() {
  local scale=$1 output=$2
  shift 2
  "$CONVERT" -size "$((MARKER_WIDTH * scale))x$((MARKER_HEIGHT * scale))" xc:black \
    -fill white -draw "polygon $(at_scale "$scale" "$HEAD")" \
    -fill none -stroke white -strokewidth $((OUTLINE_WIDTH * scale)) \
    -draw "stroke-linejoin round polygon $(at_scale "$scale" "$OUTLINE")" \
    "$@" "${PNG_OPTIONS[@]}" "$output"
}

# draw_scale SCALE OUTPUT: the scale on white.
draw_scale() {
  local scale=$1 output=$2 parts=() i
  local options=("${PNG_OPTIONS[@]}")
  [ "$scale" -eq 1 ] && options=("${JPEG_OPTIONS[@]}")
  for i in "${!SCALE_STRETCHES[@]}"; do
    parts+=(-size "$((SCALE_WIDTH * scale))x$((SCALE_STRETCHES[i] * scale))"
            "gradient:${SCALE_COLOURS[i]}-${SCALE_COLOURS[i + 1]}")
  done
  "$CONVERT" "${parts[@]}" -append "${options[@]}" "$output"
}

# scale_solid SCALE OUTPUT: white down to the last stretch, which fades to black.
scale_solid() {
  local scale=$1 output=$2 last=$((${#SCALE_STRETCHES[@]} - 1)) solid_height=0 i
  for ((i = 0; i < last; i++)); do
    solid_height=$((solid_height + SCALE_STRETCHES[i] * scale))
  done
  "$CONVERT" -size "$((SCALE_WIDTH * scale))x${solid_height}" xc:white \
    -size "$((SCALE_WIDTH * scale))x$((SCALE_STRETCHES[last] * scale))" gradient:white-black \
    -append "${PNG_OPTIONS[@]}" "$output"
}

# unblend DRAWN SOLID OUTPUT: the picture with alpha derived as described at the top. Each value is rounded to
# 8 bits (k / 255) before it is stored, so the PNG holds exactly the numbers of the formulas.
unblend() {
  local drawn=$1 solid=$2 output=$3 alpha="$work/alpha.png"
  "$CONVERT" "$drawn" "$solid" -fx 'round(255 * max(v.r, 1 - min(u.r, min(u.g, u.b)))) / 255' \
    "${PNG_OPTIONS[@]}" "$alpha"
  "$CONVERT" "$drawn" "$alpha" -fx 'v.r == 0 ? 0 : round(255 * (u - 1 + v.r) / v.r) / 255' \
    "$alpha" -alpha off -compose CopyOpacity -composite "${PNG_OPTIONS[@]}" "PNG32:$output"
}

# make_marker NAME SHAFT_TOP SHAFT_BOTTOM HEAD_TOP HEAD_BOTTOM EDGE [extra convert options]
make_marker() {
  local name=$1 colours=("${@:2:5}") extra=("${@:7}")
  draw_marker 1 "$work/$name.jpg" "${colours[@]}" "${extra[@]}"
  marker_solid 1 "$work/solid.png" "${extra[@]}"
  unblend "$work/$name.jpg" "$work/solid.png" "$name.png"
  draw_marker 2 "$work/$name@2x.png" "${colours[@]}" "${extra[@]}"
  marker_solid 2 "$work/solid.png" "${extra[@]}"
  unblend "$work/$name@2x.png" "$work/solid.png" "$name@2x.png"
}

make_marker 500 '#e3eeff' '#a7c6f6' '#4a94ff' '#0b3fb5' '#0b3fb5'
make_marker 501 '#e2f7e2' '#a3dfa6' '#47cc57' '#0f7a22' '#0f7a22' -flop

draw_scale 1 "$work/502.jpg"
scale_solid 1 "$work/solid.png"
unblend "$work/502.jpg" "$work/solid.png" 502.png
draw_scale 2 "$work/502@2x.png"
scale_solid 2 "$work/solid.png"
unblend "$work/502@2x.png" "$work/solid.png" 502@2x.png

for picture in 500 501 502; do
  echo "$picture.png: $("$CONVERT" "$picture.png" -format '%wx%h %[channels]' info:)," \
       "$picture@2x.png: $("$CONVERT" "$picture@2x.png" -format '%wx%h %[channels]' info:)"
done
