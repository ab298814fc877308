"""Pieces every generated page is made of: the frame, pictures, players."""

import html
import re
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCE = ROOT / "scripts" / "pages"
OUT = ROOT / "HTML"

esc = html.escape

# Buttons with data-rate play their player's recording at that speed; when it
# ends the player is back at its normal speed for its own play button.
PLAYER_SCRIPT = """<script>
document.addEventListener('click', event => {
    const button = event.target.closest('button[data-rate]');
    if (!button) return;
    const audio = button.closest('.player').querySelector('audio');
    audio.playbackRate = Number(button.dataset.rate);
    audio.currentTime = 0;
    audio.play().catch(() => {});
});
document.addEventListener('ended', event => { event.target.playbackRate = 1; }, true);
</script>
"""


def stem(page_file):
    return page_file.rsplit(".", 1)[0]


def audio_of_page(page_file):
    return f"audio/{stem(page_file)}.mp3"


def orvani_markup(text):
    """Orvani words in notes are written {like this}; they become Orvani spans."""
    return re.sub(r"\{([^}]*)\}", lambda m: f'<i lang="x-orvani">{m.group(1)}</i>', text)


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
    lists of words, have a play button in place of the full controls."""
    name = esc(orvani)
    if compact:
        controls = (f'<audio preload="metadata" src="{audio}"></audio>'
                    f'<button type="button" data-rate="1" aria-label="Listen to {name}">&#9654;</button>')
    else:
        controls = f'<audio controls preload="metadata" src="{audio}" aria-label="Listen to {name}"></audio>'
    return (f'<span class="player">{controls}<button type="button" class="slower" data-rate="0.6" '
            f'aria-label="Listen to {name} slower">Slower</button></span>')


def page(title, group, body, body_class):
    script = PLAYER_SCRIPT if 'class="player"' in body else ""
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{esc(title)} - Orvani Parlevo</title>
<link rel="stylesheet" href="style.css">
</head>
<body class="{body_class}">
<header class="bar"><span>{esc(group)}</span> <span class="brand">Orvani Parlevo</span></header>
<main>
{body.strip()}
</main>
{script}</body>
</html>
"""
