#!/bin/sh
# Re-renders the application icon in the sizes of the hicolor icon theme from its
# SVG source. The PNGs are committed: the build does not need rsvg-convert
# (Debian package librsvg2-bin).
set -e
here=$(cd "$(dirname "$0")" && pwd)
for size in 16 22 24 32 48 64 128 256; do
    dir="$here/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    rsvg-convert --format=png --width=$size --height=$size \
        --output="$dir/com.vorsen.Logger.png" "$here/com.vorsen.Logger.svg"
    echo "${size}x${size}"
done
