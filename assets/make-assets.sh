#!/bin/sh
# Makes the program's icons and the About picture from the drawings in this
# folder. Rerun after changing a drawing; the outputs are committed.
#   orvani-parlevo.svg -> ui/main/icons/: .ico (32 and 16 px, each in 2, 16
#                         and 256 colours), PNGs 16..256 px, the SVG itself
#   about-icon.svg     -> ui/about/about-icon.ico (32 px, 24 bits)
#   about-picture.svg  -> ui/about/about-picture.gif (300 x 288, interlaced,
#                         16 colours, white transparent)
# Needs rsvg-convert (librsvg2-bin), convert and identify (imagemagick),
# icotool (icoutils). It checks what it made before it ends.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
icons=$root/ui/main/icons
about=$root/ui/about
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$icons" "$about"

app=$here/orvani-parlevo.svg

# Application icon for Linux: the drawing and PNGs of the usual sizes.
cp "$app" "$icons/orvani-parlevo.svg"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w $size -h $size "$app" -o "$work/app.png"
    convert "$work/app.png" -strip "$icons/orvani-parlevo-$size.png"
done

# One image of the .ico: $1 size, $2 colours. Pixels are either opaque or
# transparent, and transparent ones are black, as the icon format expects.
icon_image() {
    size=$1 colours=$2 base=$work/app-$1.png out=$work/app-$1-$2.png
    rsvg-convert -w "$size" -h "$size" "$app" -o "$base"
    convert "$base" -alpha extract -threshold 50% "$work/mask.png"
    if [ "$colours" = 2 ]; then
        convert "$base" -background black -alpha remove -alpha off \
            -colorspace gray -threshold 55% -type bilevel "$work/colour.png"
    else
        # The palette always holds black, the colour of transparent pixels.
        convert "$base" -background black -alpha remove -alpha off \
            +dither -colors $((colours - 1)) -unique-colors "$work/palette.png"
        convert "$work/palette.png" xc:black +append "$work/palette.png"
        convert "$base" -background black -alpha remove -alpha off \
            +dither -remap "$work/palette.png" "$work/colour.png"
    fi
    convert "$work/colour.png" "$work/mask.png" -alpha off -compose CopyOpacity \
        -composite -background black -alpha background -strip "$out"
}
for size in 32 16; do
    for colours in 2 16 256; do
        icon_image $size $colours
    done
done
icotool -c -o "$icons/orvani-parlevo.ico" \
    -b 1 "$work/app-32-2.png" -b 4 "$work/app-32-16.png" -b 8 "$work/app-32-256.png" \
    -b 1 "$work/app-16-2.png" -b 4 "$work/app-16-16.png" -b 8 "$work/app-16-256.png"

# The About window's icon: opaque, 24 bits.
rsvg-convert -w 32 -h 32 "$here/about-icon.svg" -o "$work/about-icon.png"
convert "$work/about-icon.png" -background white -alpha remove -alpha off -strip \
    "PNG24:$work/about-icon-24.png"
icotool -c -o "$about/about-icon.ico" -b 24 "$work/about-icon-24.png"

# The About picture: the drawing's colours as a fixed palette with white in
# it; white becomes the transparent entry.
palette="#ffffff #2b2b2b #6b5230 #f4ecd6 #f2c14e #d98b2b #9cc87a #5f9e4f
         #3b6e3a #4a8cc4 #a9d0ee #c9c9c9 #8a8a8a #b5523b #1f4a55 #3d7f8f"
set --
for colour in $palette; do
    set -- "$@" "xc:$colour"
done
convert "$@" +append "$work/picture-palette.png"
rsvg-convert "$here/about-picture.svg" -o "$work/picture.png"
convert "$work/picture.png" -background white -alpha remove -alpha off \
    +dither -remap "$work/picture-palette.png" \
    -transparent white -transparent-color white -interlace GIF -strip \
    "$about/about-picture.gif"

# What the windows expect of the outputs: the icons' images in their order,
# and one interlaced 300 x 288 frame whose 16 colours make white transparent.
expect() { # <what> <found> <wanted>
    [ "$2" = "$3" ] || { echo "make-assets: $1 is '$2', not '$3'" >&2; exit 1; }
}
images() { icotool -l "$1" | sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+).*/\1x\2:\3/' | tr '\n' ' '; }
expect "the application icon" "$(images "$icons/orvani-parlevo.ico")" "32x32:1 32x32:4 32x32:8 16x16:1 16x16:4 16x16:8 "
expect "the About icon" "$(images "$about/about-icon.ico")" "32x32:24 "
expect "the About picture" \
    "$(identify -format '%n %wx%h %k %[interlace]' "$about/about-picture.gif")" "1 300x288 16 GIF"
gif_transparent=$(identify -verbose "$about/about-picture.gif" | sed -n 's/^ *Transparent color: //p')
expect "the About picture's transparent colour" "${gif_transparent%,*}" "srgba(255,255,255"
echo "make-assets: icons and picture made and checked"
