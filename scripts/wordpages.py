"""The pages of the page-only entries: numbers, colors, seasons, body parts.
Their Orvani words come from words.ini; the sound of each, from the lexicon."""

import math

from lexicon import guide, key, sound_of
from pagekit import esc, page, picture, player, prose_markup, said


class WordPages:
    def __init__(self, words, forms, onward):
        self.words = words
        self.forms = forms
        self.onward = onward  # page file -> its links to other pages

    def say(self, word, compact=True):
        """The word's syllable guide and its player."""
        return (f'<span class="say" lang="x-orvani" data-sound="{sound_of(word)}">{guide(word)}</span>'
                + player(self.forms[key(word)]["audio"], word, compact))

    def colors(self):
        return {english: tuple(value.split()) for english, value in self.words["colors"].items()}

    def numbers_page(self, name):
        items = []
        for n, word in self.words["numbers"].items():
            items.append(f'<li><span class="digit">{n}</span><span class="word"><span lang="x-orvani" '
                         f'data-sound="{sound_of(word)}">{esc(word)}</span>{dots(int(n))}</span>'
                         f'<span class="listen">{self.say(word)}</span></li>')
        body = f"""
<h1>One to Ten</h1>
<p class="lead">Count with the dots, then press play and say each number after the trainer. A number follows the thing it counts: <i lang="x-orvani">oblo kesun</i>, four shapes.</p>
<ul class="numbers">
{chr(10).join(items)}
</ul>
<p class="example">For example: <i lang="x-orvani">Mahanu tukeno yelo.</i> I am ten (my years are ten).</p>
{self.onward(name)}"""
        return page("One to Ten", "Numbers", prose_markup(body), "numbers-page")

    def swatch(self, english, word, rgb):
        return (f'<li><span class="swatch" style="background:{rgb}"></span>'
                f'<span class="word" lang="x-orvani" data-sound="{sound_of(word)}">{esc(word)}</span> '
                f'<span>{esc(english)}</span> '
                f'{player(self.forms[key(word)]["audio"], word, True)}</li>')

    def colors_page(self, name):
        colors = self.colors()
        main, others = list(colors.items())[:6], list(colors.items())[6:]
        mixes = "".join(
            f'<li>{said(colors[a][0])} + {said(colors[b][0])} = {said(colors[c][0])} ({c})</li>'
            for a, b, c in (("red", "yellow", "orange"), ("yellow", "blue", "green"), ("blue", "red", "purple")))
        wheel = wheel_svg(colors, "A color wheel of twelve slices: the six main colors of the list beside it, with a blend between each two")
        body = f"""
<h1>Color Wheel <span class="small">&middot; <i lang="x-orvani">ranuve yuhomi</i>, the color circle</span></h1>
<p class="lead">A color word describes, so it follows its noun: <i lang="x-orvani">tavoleka kotewa</i>, a brown horse. {self.say("ranuve")} color</p>
<div class="wheel">
{wheel}
<ul class="swatches">
{chr(10).join(self.swatch(e, w, c) for e, (w, c) in main)}
</ul>
</div>
<h2>Mixing colors</h2>
<ul class="mix">{mixes}</ul>
<h2>Light and dark</h2>
<ul class="swatches">
{chr(10).join(self.swatch(e, w, c) for e, (w, c) in others)}
</ul>
{self.onward(name)}"""
        return page("Color Wheel", "Colors", prose_markup(body), "colors-page")

    def sacred_colors_page(self, name):
        colors = self.colors()
        cards = []
        for season, value in self.words["seasons"].items():
            word, color, icon, line = (s.strip() for s in value.split("|"))
            color_word, rgb = colors[color]
            cards.append(f'<li style="--season:{rgb}">{picture(icon, f"{season.capitalize()}: {line}")}'
                         f'<span><span class="word" lang="x-orvani" data-sound="{sound_of(word)}">{esc(word)}</span> '
                         f'<span class="season">{esc(season)}</span> '
                         f'<span class="small">{said(color_word)}, {esc(color)}</span> '
                         f'{self.say(word)}</span></li>')
        body = f"""
<h1>Sacred Colors</h1>
<p class="lead">Each Orvani season keeps a color of its own. Learners call these four the sacred colors, because every Orvani story about the year starts with them.</p>
<ul class="seasons">
{chr(10).join(cards)}
</ul>
<p>A color describes, so it follows the season: <i lang="x-orvani">kasuto sawiyo</i>, the yellow summer. All color words are on the <a href="colors.html">Color Wheel</a>.</p>
{self.onward(name)}"""
        return page("Sacred Colors", "Colors", prose_markup(body), "sacred-colors-page")

    def body_parts_page(self, name):
        sides = {"left": [], "right": []}
        for english, value in self.words["body"].items():
            word, side, at = value.split()
            x, y = (float(v) for v in at.split(","))
            sides[side].append((english, word, x, y))
        marks, items, number = [], [], 0
        for side, parts in sides.items():
            for i, (english, word, x, y) in enumerate(parts):
                number += 1
                ly, lx = 24 + i * 46, 150 if side == "left" else 290
                marks.append(f'<path d="M{lx} {ly}L{x:g} {y:g}"/><circle cx="{x:g}" cy="{y:g}" r="2.5"/>'
                             f'<circle cx="{lx + (-9 if side == "left" else 9)}" cy="{ly}" r="9" class="n"/>'
                             f'<text x="{lx + (-9 if side == "left" else 9)}" y="{ly + 4}">{number}</text>')
                items.append(f'<li><span class="word" lang="x-orvani" data-sound="{sound_of(word)}">{esc(word)}</span> '
                             f'{esc(english)} '
                             f'{self.say(word)}</li>')
        figure = picture("body", "A standing figure; numbered lines lead to its parts, named in the list")
        figure = figure.replace("</svg>",
                                '<style>.n{fill:#fffdf8}text{font:bold 11px sans-serif;fill:#2d3a3e;'
                                'stroke:none;text-anchor:middle}</style>'
                                f'<g stroke="#236c68" fill="#236c68" stroke-width="1">{"".join(marks)}</g></svg>')
        body = f"""
<h1>Body Parts</h1>
<div class="figure">{figure}</div>
<ol class="body-words">
{chr(10).join(items)}
</ol>
<p>To say whose a part is, put <i lang="x-orvani">ma-</i> or <i lang="x-orvani">ke-</i> on the noun: <i lang="x-orvani">matovaki</i>, my head. To say it hurts, name the part, then <i lang="x-orvani">mawisan</i>, I ache: <i lang="x-orvani">Tovaki mawisan yelo.</i> I have a headache.</p>
{self.onward(name)}"""
        return page("Body Parts", "Body", prose_markup(body), "body-page")


def dots(n):
    """n counting dots, in rows of five."""
    circles = "".join(f'<circle cx="{7 + 14 * (i % 5)}" cy="{5 + 10 * (i // 5)}" r="4" fill="#e0b25a"/>'
                      for i in range(n))
    return f'<svg viewBox="0 0 70 20" aria-hidden="true">{circles}</svg>'


def wheel_svg(colors, label):
    """Six main colors with a blend between each pair, twelve slices in all;
    their names are in the list beside the wheel."""
    def mix(a, b):
        return "#" + "".join(f"{(int(a[i:i + 2], 16) + int(b[i:i + 2], 16)) // 2:02x}" for i in (1, 3, 5))

    names = list(colors)[:6]
    paths = []
    for i in range(12):
        here, after = colors[names[i // 2]][1], colors[names[(i // 2 + 1) % 6]][1]
        color = here if i % 2 == 0 else mix(here, after)
        a0, a1 = math.radians(i * 30 - 105), math.radians(i * 30 - 75)
        p = [(100 + r * math.cos(a), 100 + r * math.sin(a)) for r, a in
             ((96, a0), (96, a1), (40, a1), (40, a0))]
        paths.append(f'<path d="M{p[0][0]:.1f} {p[0][1]:.1f}A96 96 0 0 1 {p[1][0]:.1f} {p[1][1]:.1f}'
                     f'L{p[2][0]:.1f} {p[2][1]:.1f}A40 40 0 0 0 {p[3][0]:.1f} {p[3][1]:.1f}Z" fill="{color}"/>')
    return (f'<svg viewBox="0 0 200 200" role="img" aria-label="{esc(label)}"><title>{esc(label)}</title>'
            f'<g stroke="#f5f1e6" stroke-width="2">{"".join(paths)}</g>'
            '<circle cx="100" cy="100" r="36" fill="#fffdf8"/></svg>')
