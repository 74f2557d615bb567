#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders ovatron.svg into ovatron-<N>.png for every icon size the program and the desktop use.
# Uses rsvg-convert when it is installed, else ImageMagick's convert (set CONVERT to use another copy than
# /usr/bin/convert). ImageMagick's own SVG reader is drawn at four times the size and scaled down, which gives
# clean edges at the small sizes.
set -euo pipefail

cd "$(dirname "$0")"

readonly SOURCE=ovatron.svg
readonly SIZES=(16 32 48 64 96 128 256)
CONVERT=${CONVERT:-/usr/bin/convert}

have_imagemagick() {
  [ -x "$CONVERT" ] && "$CONVERT" -version 2>/dev/null | grep -q ImageMagick
}

if command -v rsvg-convert >/dev/null 2>&1; then
  render() { rsvg-convert --width "$1" --height "$1" --output "$2" "$SOURCE"; }
elif have_imagemagick; then
  render() {
    local oversampled_dpi=$((72 * 4 * $1 / 256))
    "$CONVERT" -background none -density "$oversampled_dpi" "$SOURCE" \
      -filter Lanczos -resize "${1}x${1}!" -strip -depth 8 "PNG32:$2"
  }
else
  echo "make_icons.sh: neither rsvg-convert nor ImageMagick's convert (at $CONVERT) is available" >&2
  exit 1
fi

for size in "${SIZES[@]}"; do
  render "$size" "ovatron-$size.png"
  echo "ovatron-$size.png"
done
