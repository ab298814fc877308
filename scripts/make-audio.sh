#!/bin/sh
# Speaks every Orvani text the pages show (each form of the lexicon and every
# sentence: examples, answers, notes) into HTML/audio/, and removes the sounds
# no page uses any more. The list of files and texts comes from make-pages.py,
# which builds the pages from the phrasebook that the program is built with
# and scripts/pages/, so page and sound names always agree. Rerunning it gives
# the same files byte for byte.
#
#   make-audio.sh PHRASEBOOK-PROGRAM   (cmake --build BUILD --target audio)
#
# Needs espeak-ng and lame (Debian packages espeak-ng, lame).
set -eu

phrasebook=${1:?usage: make-audio.sh PHRASEBOOK-PROGRAM}

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/HTML/audio"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

# The voice reads letters as they are written, which suits Orvani spelling;
# only c (said like "ch") needs its letter from that voice's alphabet. It
# stresses the next-to-last syllable of every word, as Orvani does and as the
# pages' syllable guides show.
voice=eo
speed=110

python3 "$root/scripts/make-pages.py" --phrasebook "$phrasebook" --speech > "$tmp/list"
count=0
while IFS="$(printf '\t')" read -r file text; do
    spoken=$(printf '%s' "$text" | sed 's/c/ĉ/g; s/C/Ĉ/g')
    espeak-ng -v "$voice" -s "$speed" -w "$tmp/say.wav" "$spoken"
    # MP3, mono speech resampled to 16 kHz at 24 kbit/s: clear and small.
    # The page engine fails to seek in Ogg files (a replay or the Slower
    # button would stop with an error), so Ogg is no choice.
    lame --quiet -m m --resample 16 -b 24 --noreplaygain \
        --tt "$text" --ta "Orvani Parlevo" "$tmp/say.wav" "$root/HTML/$file"
    count=$((count + 1))
done < "$tmp/list"
cut -f1 "$tmp/list" | sed 's|^audio/||' | sort > "$tmp/kept"
(cd "$out" && ls *.mp3 | sort | comm -23 - "$tmp/kept" | xargs -r rm -f --)
echo "make-audio: wrote $count files to $out"
