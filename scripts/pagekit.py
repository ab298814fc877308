"""Pieces every generated page is made of: the frame, pictures, players."""

import html
import re
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCE = ROOT / "scripts" / "pages"
OUT = ROOT / "HTML"

esc = html.escape

def stem(page_file):
    return page_file.rsplit(".", 1)[0]


def audio_of_page(page_file):
    return f"audio/{stem(page_file)}.mp3"


def sound_buttons(sound, orvani):
    """Two small buttons that play a sound file, at its speed and slower
    (study.js plays them)."""
    name = esc(orvani)
    return (f'<span class="player"><button type="button" class="play" data-sound="{sound}" '
            f'aria-label="Listen to {name}"><span class="play-icon" aria-hidden="true"></span></button>'
            f'<button type="button" class="slower" data-sound="{sound}" data-rate="0.6" '
            f'aria-label="Listen to {name} slower">Slower</button></span>')


def said(text, inner=None, tag="i", css_class=""):
    """An Orvani text marked as Orvani, with its sound file and the buttons
    that play it. `inner` is its markup when that is more than the text."""
    from lexicon import sound_of
    sound = sound_of(text)
    cls = f' class="{css_class}"' if css_class else ""
    return (f'<{tag}{cls} lang="x-orvani" data-sound="{sound}">{esc(text) if inner is None else inner}'
            f'</{tag}> {sound_buttons(sound, text)}')


def orvani_markup(text):
    """Orvani words in notes are written {like this}; they become Orvani
    texts with their sound."""
    return re.sub(r"\{([^}]*)\}", lambda m: said(m.group(1)), text)


def prose_markup(body):
    """Each <i lang="x-orvani"> of a prose page gets its sound."""
    return re.sub(r'<i lang="x-orvani">(.*?)</i>',
                  lambda m: said(html.unescape(re.sub(r"<[^>]+>", "", m.group(1))), m.group(1)), body)


def picture(name, label, css_class=""):
    """The art file as inline SVG, labelled for screen readers."""
    svg = (SOURCE / "art" / f"{name}.svg").read_text().strip()
    svg = re.sub(r"<\?xml[^>]*\?>\s*", "", svg)
    svg = re.sub(r'\s+xmlns(:\w+)?="[^"]*"', "", svg)
    cls = f' class="{css_class}"' if css_class else ""
    return re.sub(r"<svg\b([^>]*)>",
                  lambda m: f'<svg{m.group(1)}{cls} role="img" aria-label="{esc(label)}">'
                            f"<title>{esc(label)}</title>",
                  svg, count=1)


def player(audio, orvani, compact=False):
    """A recording with a button that plays it slower. Compact players, for
    lists of words, are the two buttons of sound_buttons()."""
    if compact:
        return sound_buttons(audio, orvani)
    name = esc(orvani)
    return (f'<span class="player"><audio controls preload="metadata" src="{audio}" '
            f'aria-label="Listen to {name}"></audio><button type="button" class="slower" data-rate="0.6" '
            f'aria-label="Listen to {name} slower">Slower</button></span>')


def page(title, group, body, body_class):
    script = '<script src="study.js" defer></script>\n' if 'class="player"' in body else ""
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{esc(title)} - Orvani Parlevo</title>
<link rel="stylesheet" href="style.css">
{script}</head>
<body class="{body_class}">
<header class="bar"><span>{esc(group)}</span> <span class="brand">Orvani Parlevo</span></header>
<main>
{body.strip()}
</main>
</body>
</html>
"""
