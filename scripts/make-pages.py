#!/usr/bin/env python3
"""Writes the pages of the content folder HTML/.

The entry table (content/entrytable.h) is the one source of the English and
Orvani texts and of the page names; the word groups (content/wordgroups.h)
give each lesson its group. Everything else comes from scripts/pages/:
lessons.ini (picture, notes and word parts of each lesson), words.ini (the
Orvani words of the page-only pages), art/ (the pictures, inlined as SVG) and
prose/ (the bodies of the introduction, syntax and not-found pages).

  make-pages.py            write the pages into HTML/
  make-pages.py --speech   list "audio file<TAB>Orvani text" for make-audio.sh

Rerunning it gives the same files byte for byte.
"""

import configparser
import html
import math
import re
import sys
from pathlib import Path

import studypages

ROOT = Path(__file__).resolve().parent.parent
SOURCE = ROOT / "scripts" / "pages"
OUT = ROOT / "HTML"

CPP_STRING = r'u"((?:[^"\\]|\\.)*)"'


def cpp_unescape(text):
    return re.sub(r"\\(.)", r"\1", text)


def file_of_tail(tail):
    """'\\HTML\\buffalo.html' -> 'buffalo.html'"""
    return tail.split("\\")[-1]


def read_tails():
    source = (ROOT / "content" / "pagetails.h").read_text()
    return {name: file_of_tail(cpp_unescape(value))
            for name, value in re.findall(r"(\w+) = " + CPP_STRING + ";", source)}


def read_entries(tails):
    """Entries in table order as dicts: english, orvani ('' for page-only), page."""
    source = (ROOT / "content" / "entrytable.h").read_text()
    table = source[source.index("kEntries = {"):]
    table = table[:table.index("};")]
    entries = []
    pattern = (r"detail::(text|pageOnly)\(" + CPP_STRING + r",\s*(?:" + CPP_STRING
               + r",\s*)?(?:" + CPP_STRING + r"|tails::(\w+))")
    for kind, english, orvani, tail, tail_name in re.findall(pattern, table):
        page = file_of_tail(cpp_unescape(tail)) if tail else tails[tail_name]
        entries.append({"english": cpp_unescape(english),
                        "orvani": cpp_unescape(orvani) if kind == "text" else "",
                        "page": page})
    if len(entries) != table.count("detail::"):
        sys.exit("make-pages: could not read every row of the entry table")
    return entries


def read_groups():
    """English text -> caption of its word group."""
    source = (ROOT / "content" / "wordgroups.h").read_text()
    arrays = {name: [cpp_unescape(t) for t in re.findall(CPP_STRING, body)]
              for name, body in re.findall(r"(k\w+) = \{(.*?)\};", source, re.S)}
    group_of = {}
    for caption, array in re.findall(r'\{u"mnu\w+", ' + CPP_STRING + r", groups::(k\w+)", source):
        for text in arrays[array]:
            group_of[text] = cpp_unescape(caption)
    return group_of


def read_ini(name):
    parser = configparser.ConfigParser(interpolation=None, delimiters=("=",))
    parser.optionxform = str
    parser.read(SOURCE / name, encoding="utf-8")
    return parser


def stem(page):
    return page.rsplit(".", 1)[0]


def audio_of_page(page):
    return f"audio/{stem(page)}.ogg"


def audio_of_number(n):
    return f"audio/number-{n}.ogg"


esc = html.escape


def orvani_markup(text):
    """Word parts in notes are written {like this}; they become Orvani spans."""
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


def page(title, group, body, body_class):
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
</body>
</html>
"""


def lesson_page(entry, group, notes):
    parts = ""
    if notes.get("parts"):
        items = []
        for part in notes["parts"].split("|"):
            word, meaning = (s.strip() for s in part.split("=", 1))
            items.append(f'<li><i lang="x-orvani">{esc(word)}</i> {esc(meaning)}</li>')
        parts = '<ul class="parts" aria-label="Word parts">' + "".join(items) + "</ul>\n"
    body = f"""
<div class="lesson">
<figure class="picture">{picture(notes["picture"], notes["alt"])}</figure>
<div class="words">
<h1>{esc(entry["english"])}</h1>
<p class="orvani" lang="x-orvani">{esc(entry["orvani"])}</p>
<audio controls preload="metadata" src="{audio_of_page(entry["page"])}" aria-label="Listen to {esc(entry["orvani"])}"></audio>
</div>
</div>
{parts}<div class="note"><p>{orvani_markup(notes["note"])}</p></div>
"""
    return page(entry["english"], group, body, "lesson-page")


def dots(n):
    """n counting dots, in rows of five."""
    circles = "".join(f'<circle cx="{7 + 14 * (i % 5)}" cy="{5 + 10 * (i // 5)}" r="4" fill="#e0b25a"/>'
                      for i in range(n))
    return f'<svg viewBox="0 0 70 20" aria-hidden="true">{circles}</svg>'


def numbers_page(words):
    items = []
    for n, word in words["numbers"].items():
        items.append(f"""<li><span class="digit">{n}</span><span class="word"><span lang="x-orvani">{esc(word)}</span>{dots(int(n))}</span>
<audio controls preload="metadata" src="{audio_of_number(n)}" aria-label="Listen to {esc(word)}"></audio></li>""")
    body = f"""
<h1>One to Ten</h1>
<p class="lead">Count with the dots, then press play and say each number after the trainer. A number follows the thing it counts: <i lang="x-orvani">oblo kesun</i>, a shape with four sides, is a square.</p>
<ul class="numbers">
{chr(10).join(items)}
</ul>
"""
    return page("One to Ten", "Numbers", body, "numbers-page")


def color_words(words):
    colors = {}
    for english, value in words["colors"].items():
        word, rgb = value.split()
        colors[english] = (word, rgb)
    return colors


def wheel_svg(colors, label):
    """Six named colors with a blend between each pair, twelve slices in all."""
    def mix(a, b):
        return "#" + "".join(f"{(int(a[i:i + 2], 16) + int(b[i:i + 2], 16)) // 2:02x}" for i in (1, 3, 5))

    names = list(colors)[:6]
    slices = []
    for i in range(12):
        if i % 2 == 0:
            color = colors[names[i // 2]][1]
        else:
            color = mix(colors[names[i // 2]][1], colors[names[(i // 2 + 1) % 6]][1])
        slices.append(color)
    paths, texts = [], []
    for i, color in enumerate(slices):
        a0 = math.radians(i * 30 - 105)
        a1 = math.radians(i * 30 - 75)
        p = [(100 + r * math.cos(a), 100 + r * math.sin(a)) for r, a in
             ((96, a0), (96, a1), (40, a1), (40, a0))]
        paths.append(f'<path d="M{p[0][0]:.1f} {p[0][1]:.1f}A96 96 0 0 1 {p[1][0]:.1f} {p[1][1]:.1f}'
                     f'L{p[2][0]:.1f} {p[2][1]:.1f}A40 40 0 0 0 {p[3][0]:.1f} {p[3][1]:.1f}Z" fill="{color}"/>')
        if i % 2 == 0:
            a = math.radians(i * 30 - 90)
            texts.append(f'<text x="{100 + 69 * math.cos(a):.1f}" y="{104 + 69 * math.sin(a):.1f}">'
                         f"{esc(colors[names[i // 2]][0])}</text>")
    return (f'<svg viewBox="0 0 200 200" role="img" aria-label="{esc(label)}"><title>{esc(label)}</title>'
            f'<g stroke="#f5f1e6" stroke-width="2">{"".join(paths)}</g>'
            '<circle cx="100" cy="100" r="36" fill="#fffdf8"/>'
            '<text x="100" y="97" text-anchor="middle" font-size="12" fill="#93402b" font-weight="700">ranuve</text>'
            '<text x="100" y="112" text-anchor="middle" font-size="12" fill="#93402b" font-weight="700">yuhomi</text>'
            f'<g text-anchor="middle" font-size="11" font-weight="700" fill="#2d3a3e">{"".join(texts)}</g></svg>')


def colors_page(words):
    colors = color_words(words)
    main = list(colors.items())[:6]
    others = list(colors.items())[6:]

    def swatch(english, word, rgb):
        return (f'<li><span class="swatch" style="background:{rgb}"></span>'
                f'<span class="word" lang="x-orvani">{esc(word)}</span> {esc(english)}</li>')

    mixes = "".join(
        f'<li><i lang="x-orvani">{colors[a][0]}</i> + <i lang="x-orvani">{colors[b][0]}</i> = '
        f'<i lang="x-orvani">{colors[c][0]}</i> ({c})</li>'
        for a, b, c in (("red", "yellow", "orange"), ("yellow", "blue", "green"), ("blue", "red", "purple")))
    wheel = wheel_svg(colors, "A color wheel of twelve slices; the six main colors carry their Orvani names")
    body = f"""
<h1>Color Wheel <span class="small">&middot; <i lang="x-orvani">ranuve yuhomi</i>, the color circle</span></h1>
<div class="wheel">
{wheel}
<ul class="swatches">
{chr(10).join(swatch(e, w, c) for e, (w, c) in main)}
</ul>
</div>
<h2>Mixing colors</h2>
<ul class="mix">{mixes}</ul>
<h2>Light and dark</h2>
<ul class="swatches">
{chr(10).join(swatch(e, w, c) for e, (w, c) in others)}
</ul>
"""
    return page("Color Wheel", "Colors", body, "colors-page")


def sacred_colors_page(words):
    colors = color_words(words)
    cards = []
    for season, value in words["seasons"].items():
        word, color, icon, line = (s.strip() for s in value.split("|"))
        cwords, rgb = colors[color]
        label = f"{season.capitalize()}: {line}"
        cards.append(f"""<li style="--season:{rgb}">{picture(icon, label)}<span><span class="word" lang="x-orvani">{esc(word)}</span>{esc(season)} &middot; <i lang="x-orvani">{esc(cwords)}</i>, {esc(color)}</span></li>""")
    body = f"""
<h1>Sacred Colors</h1>
<p class="lead">Each Orvani season keeps a color of its own. Learners call these four the sacred colors, because every Orvani story about the year starts with them.</p>
<ul class="seasons">
{chr(10).join(cards)}
</ul>
<p>To name a season by its color, put the color after the season: <i lang="x-orvani">kasuto sawiyo</i>, the yellow of summer. All color words are on the <a href="colors.html">Color Wheel</a>.</p>
"""
    return page("Sacred Colors", "Colors", body, "sacred-colors-page")


def body_parts_page(words):
    left, right = [], []
    for english, value in words["body"].items():
        word, side, at = value.split()
        x, y = (float(v) for v in at.split(","))
        (left if side == "left" else right).append((english, word, x, y))
    labels = []
    for side, items in (("left", left), ("right", right)):
        for i, (english, word, x, y) in enumerate(items):
            ly = 24 + i * 46
            lx = 118 if side == "left" else 322
            anchor = "end" if side == "left" else "start"
            tx = lx - 4 if side == "left" else lx + 4
            labels.append(f'<path d="M{lx} {ly}L{x:g} {y:g}"/><circle cx="{x:g}" cy="{y:g}" r="2.5"/>'
                          f'<text x="{tx}" y="{ly - 2}" text-anchor="{anchor}" class="w" lang="x-orvani">{esc(word)}</text>'
                          f'<text x="{tx}" y="{ly + 11}" text-anchor="{anchor}" class="e">{esc(english)}</text>')
    figure = picture("body", "A standing figure; lines lead from each body part to its Orvani name")
    figure = figure.replace("</svg>",
                            '<style>.w{font:bold 14px sans-serif;fill:#93402b;stroke:none}.e{font:11px sans-serif;fill:#55656a;stroke:none}</style>'
                            f'<g stroke="#236c68" fill="#236c68" stroke-width="1">{"".join(labels)}</g></svg>')
    body = f"""
<h1>Body Parts</h1>
<div class="figure">{figure}</div>
<p>Say who the body part belongs to with <i lang="x-orvani">ma-</i> on the verb: <i lang="x-orvani">Holuna mawisan yelo.</i> My stomach aches.</p>
"""
    return page("Body Parts", "Body", body, "body-page")


def prose_page(name, group):
    body = (SOURCE / "prose" / name).read_text()
    body = re.sub(r"<!-- picture: (\w+) \| (.*?) -->", lambda m: picture(m.group(1), m.group(2)), body)
    title = re.sub(r"<[^>]+>", "", re.search(r"<h1>(.*?)</h1>", body, re.S).group(1)).strip()
    return page(title, group, body, "prose-page")


def main():
    tails = read_tails()
    entries = read_entries(tails)
    texts = [e for e in entries if e["orvani"]]
    words = read_ini("words.ini")

    if sys.argv[1:] == ["--speech"]:
        for e in texts:
            print(f'{audio_of_page(e["page"])}\t{e["orvani"]}')
        for n, word in words["numbers"].items():
            print(f"{audio_of_number(n)}\t{word}")
        return

    group_of = read_groups()
    lessons = read_ini("lessons.ini")
    missing = [e["page"] for e in texts if stem(e["page"]) not in lessons]
    unused = set(lessons.sections()) - {stem(e["page"]) for e in texts}
    if missing or unused:
        sys.exit(f"make-pages: lessons.ini lacks {missing}, has unused {sorted(unused)}")

    out = {}
    for e in texts:
        out[e["page"]] = lesson_page(e, group_of[e["english"]], lessons[stem(e["page"])])
    builders = {"Sacred Colors": sacred_colors_page, "Color Wheel": colors_page,
                "One to Ten": numbers_page, "Body Parts": body_parts_page}
    for e in entries:
        if not e["orvani"]:
            out[e["page"]] = builders[e["english"]](words)
    out.update(studypages.build(entries, group_of, tails, page))
    out[tails["Intro"]] = prose_page("intro.html", "Welcome")
    out[tails["Syntax"]] = prose_page("syntax.htm", "Syntax")
    out[tails["NotFound"]] = prose_page("not.htm", "Page not found")

    for name, text in out.items():
        (OUT / name).write_text(text, encoding="utf-8")
    print(f"make-pages: wrote {len(out)} pages to {OUT}")


if __name__ == "__main__":
    main()
