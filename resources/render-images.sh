#!/bin/sh
# Renders the drawings into the PNG files the program loads (needs rsvg-convert, Debian package librsvg2-bin).
# Each tray image at every size trays ask for, so none is scaled blurry; the application icon at 128 px.
set -eu
cd "$(dirname "$0")"
for drawing in images/*.svg; do
    for size in 16 22 24 32 33 36 44 48 64 72 96; do
        rsvg-convert -w $size -h $size "$drawing" -o "${drawing%.svg}-$size.png"
    done
done
rsvg-convert -w 128 -h 128 redizado.svg -o redizado.png
