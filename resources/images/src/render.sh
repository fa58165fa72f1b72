#!/bin/sh
# Re-renders every PNG in resources/images/ from its SVG source in this folder.
# Each SVG carries its own output size (width/height attributes):
# tool icons 64x64, flags 64x48, logo 200x50, logger pictures 160 px high;
# NAME@2x.png, twice as large, is what Qt draws on a screen scaled by 2.
# Needs rsvg-convert (Debian package librsvg2-bin) and the DejaVu Sans font
# (Debian package fonts-dejavu-core) for the few text labels.
set -e
here=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$here")
for svg in "$here"/*.svg; do
    name=$(basename "$svg" .svg)
    rsvg-convert --format=png --output="$out/$name.png" "$svg"
    rsvg-convert --format=png --zoom=2 --output="$out/$name@2x.png" "$svg"
    echo "$name.png $name@2x.png"
done
