"""The lexicon (scripts/pages/lexicon.tsv): every Orvani form the pages show,
with one meaning each, the page that teaches it and its sound.

Also the checks that keep the pages honest to it, and the syllable guide."""

import re
import sys
from html.parser import HTMLParser

from pagekit import SOURCE, esc

COLUMNS = ["orvani", "english", "kind", "lesson", "audio"]
KINDS = {"word", "part", "phrase"}
VOWELS = "aeiou"


def key(form):
    """The form as compared: lower case, without the full stop or question mark
    that ends a sentence and without hyphens inside a word (ke-hiyu, ta-TAN-ka),
    but keeping the hyphen that marks a part (ma-, -sni)."""
    form = form.strip().casefold().rstrip(".?!,;:")
    return re.sub(r"(?<=\w)[-\u00b7](?=\w)", "", form)


def slug(form):
    return re.sub(r"[^a-z0-9]+", "-", key(form)).strip("-")


def read_lexicon():
    lines = (SOURCE / "lexicon.tsv").read_text(encoding="utf-8").splitlines()
    if lines[0].split("\t") != COLUMNS:
        sys.exit(f"lexicon.tsv: the header must be {' '.join(COLUMNS)}")
    forms, problems = {}, []
    for number, line in enumerate(lines[1:], 2):
        row = dict(zip(COLUMNS, line.split("\t")))
        if len(line.split("\t")) != len(COLUMNS) or row["kind"] not in KINDS:
            problems.append(f"line {number}: needs five fields and a kind of {sorted(KINDS)}")
        elif key(row["orvani"]) in forms:
            problems.append(f"line {number}: {row['orvani']} has a second meaning")
        elif (row["kind"] == "part") == bool(row["audio"]):
            problems.append(f"line {number}: {row['orvani']}: parts have no sound, the rest do")
        else:
            forms[key(row["orvani"])] = row
    if problems:
        sys.exit("lexicon.tsv:\n  " + "\n  ".join(problems))
    return forms


def syllables(word):
    """Each vowel begins a new syllable's core; of the consonants between two
    vowels the last one opens the next syllable: tan-ka, sunk-ma-ni-tu."""
    cores = [i for i, c in enumerate(word) if c.lower() in VOWELS]
    if len(cores) < 2:
        return [word]
    cuts = []
    for here, after in zip(cores, cores[1:]):
        cuts.append(after if after == here + 1 else after - 1)
    return [word[a:b] for a, b in zip([0] + cuts, cuts + [len(word)])]


def guide(text):
    """ta-<b>tan</b>-ka: syllables, the next-to-last one stressed in every word."""
    words = []
    for word in re.findall(r"[A-Za-z]+", text):
        parts = [esc(s.lower()) for s in syllables(word)]
        stressed = max(len(parts) - 2, 0)
        parts[stressed] = f"<b>{parts[stressed]}</b>"
        words.append(f'<span class="w">{"-".join(parts)}</span>')
    return " ".join(words)


class OrvaniText(HTMLParser):
    """Collects the text of every element marked lang="x-orvani"."""

    SEPARATE = {"text", "li", "p", "td", "div"}
    VOID = {"br", "img", "meta", "link", "input", "source", "path", "circle"}

    def __init__(self):
        super().__init__()
        self.stack, self.texts = [], []

    def handle_starttag(self, tag, attrs):
        if tag in self.VOID:
            return
        lang = dict(attrs).get("lang")
        inside = lang == "x-orvani" if lang else bool(self.stack and self.stack[-1])
        self.stack.append(inside)
        if inside and (not self.stack[:-1] or not self.stack[-2]):
            self.texts.append("")
        elif inside and tag in self.SEPARATE:
            self.texts[-1] += " "

    def handle_endtag(self, tag):
        if tag not in self.VOID and self.stack:
            self.stack.pop()

    def handle_data(self, data):
        if self.stack and self.stack[-1]:
            self.texts[-1] += data


def orvani_texts(page_html):
    reader = OrvaniText()
    reader.feed(page_html)
    return [t.strip() for t in reader.texts if t.strip()]


def check(pages, forms, entries):
    """Refuses pages that show an Orvani word the lexicon lacks, and a lexicon
    whose forms are not taught where it says, or whose entry texts disagree
    with the entry table."""
    problems, shown = [], {}
    for name, text in pages.items():
        for orvani in orvani_texts(text):
            shown.setdefault(key(orvani), set()).add(name)
            for word in re.split(r"[\s+=,]+", orvani):
                shown.setdefault(key(word), set()).add(name)
                if key(word) and key(word) not in forms:
                    problems.append(f"{name} shows {word!r}, which the lexicon lacks")
    for e in entries:
        row = forms.get(key(e["orvani"]))
        if e["orvani"] and (not row or row["lesson"] != e["page"]
                            or row["audio"] != f"audio/{e['page'].rsplit('.', 1)[0]}.mp3"):
            problems.append(f"the lexicon lacks {e['orvani']!r} with page and sound of {e['page']}")
    for k, row in forms.items():
        if row["lesson"] not in shown.get(k, ()):
            problems.append(f"{row['orvani']!r} is not shown on its lesson {row['lesson']}")
    if problems:
        sys.exit("make-pages: no pages written:\n  " + "\n  ".join(sorted(set(problems))))
