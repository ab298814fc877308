#!/bin/sh
# Speaks every Orvani form of the lexicon that has a sound (the entry texts,
# the words of the page-only pages, the word forms) into HTML/audio/. The list
# of files and texts comes from make-pages.py, which reads the phrasebook that
# the program is built with and scripts/pages/lexicon.tsv, so page and sound
# names always agree. Rerunning it gives the same files byte for byte.
#
#   make-audio.sh PHRASEBOOK-PROGRAM   (cmake --build BUILD --target audio)
#
# Needs espeak-ng and oggenc (Debian packages espeak-ng, vorbis-tools).
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
serial=1
while IFS="$(printf '\t')" read -r file text; do
    spoken=$(printf '%s' "$text" | sed 's/c/ĉ/g; s/C/Ĉ/g')
    espeak-ng -v "$voice" -s "$speed" -w "$tmp/say.wav" "$spoken"
    # espeak-ng speaks mono; 16 kHz at quality 0 (about 20 kbit/s) keeps the
    # speech clear and the files small.
    # A fixed stream serial keeps the output the same on every run.
    oggenc --quiet --resample 16000 -q 0 --serial "$serial" \
        -t "$text" -a "Orvani Parlevo" -o "$root/HTML/$file" "$tmp/say.wav"
    serial=$((serial + 1))
done < "$tmp/list"
echo "make-audio: wrote $((serial - 1)) files to $out"
