"""The lexicon (scripts/pages/lexicon.tsv): the roots of Orvani with their
meaning and word class (its grammar column, read by grammar.py), and the
forms the lessons teach, each with the page that teaches it and its sound.
A form the rules make from a root has its meaning from them: its English
column stays empty.

Also the checks that keep the pages honest to it, and the syllable guide."""

import re
import sys
from html.parser import HTMLParser

from grammar import Grammar, key
from pagekit import SOURCE, esc

COLUMNS = ["orvani", "english", "kind", "lesson", "audio", "grammar"]
KINDS = {"word", "part", "phrase"}
VOWELS = "aeiou"




def slug(form):
    return re.sub(r"[^a-z0-9]+", "-", key(form)).strip("-")


def read_lexicon():
    lines = (SOURCE / "lexicon.tsv").read_text(encoding="utf-8").splitlines()
    if lines[0].split("\t") != COLUMNS:
        sys.exit(f"lexicon.tsv: the header must be {' '.join(COLUMNS)}")
    forms, problems, sounds = {}, [], {}
    for number, line in enumerate(lines[1:], 2):
        row = dict(zip(COLUMNS, line.split("\t")))
        if len(line.split("\t")) != len(COLUMNS) or row["kind"] not in KINDS:
            problems.append(f"line {number}: needs six fields and a kind of {sorted(KINDS)}")
        elif key(row["orvani"]) in forms:
            problems.append(f"line {number}: {row['orvani']} has a second meaning")
        elif not re.fullmatch(r"audio/[a-z0-9-]+\.mp3", row["audio"]) or row["audio"] in sounds:
            problems.append(f"line {number}: {row['orvani']} needs a sound file of its own")
        else:
            forms[key(row["orvani"])] = row
            sounds[row["audio"]] = row["orvani"]
    grammar = Grammar([r for r in forms.values() if r["kind"] != "phrase"])
    for row in forms.values():
        made = [f for f in grammar.readings(row["orvani"]) if f.marker or f.negative or f.ending]
        if row["kind"] == "phrase":
            problems += grammar.sentence_problems(row["orvani"])
        elif made and row["english"]:
            problems.append(f"{row['orvani']}: the rules make it; its meaning is theirs, leave it empty")
        elif made:
            row["english"] = grammar.meaning(made[0])
        elif not row["english"]:
            problems.append(f"{row['orvani']}: no meaning, and no form the rules make")
    if problems:
        sys.exit("lexicon.tsv:\n  " + "\n  ".join(problems))
    global GRAMMAR
    GRAMMAR = grammar
    return forms


GRAMMAR = None


def grammar():
    """The model of Orvani made from the lexicon's roots."""
    if GRAMMAR is None:
        read_lexicon()
    return GRAMMAR


_forms = None


def sound_of(text):
    """The sound file of any Orvani text a page shows: the lexicon's for a form
    it holds (also when written as a syllable guide, ta-tan-ka), else one made
    for that sentence, audio/s-<its words>.mp3."""
    global _forms
    if _forms is None:
        _forms = read_lexicon()
    row = _forms.get(key(text))
    return row["audio"] if row else f"audio/s-{slug(text)}.mp3"


def spoken(text):
    """What the voice reads for a text: the lexicon's own spelling of a form,
    without the hyphens that mark a part or split syllables."""
    row = (_forms or read_lexicon()).get(key(text))
    return re.sub(r"[-\u00b7]", "", row["orvani"] if row else text).strip()


# Consonant pairs that begin a word (blo) and so open a syllable together.
ONSETS = ("bl",)


def syllables(word):
    """Each vowel begins a new syllable's core; of the consonants between two
    vowels the last one opens the next syllable, or the last two when they are
    a pair that begins a word: tan-ka, sunk-ma-ni-tu, o-blo."""
    cores = [i for i, c in enumerate(word) if c.lower() in VOWELS]
    if len(cores) < 2:
        return [word]
    cuts = []
    for here, after in zip(cores, cores[1:]):
        cut = after if after == here + 1 else after - 1
        if cut - 1 > here and word[cut - 1:after].lower() in ONSETS:
            cut -= 1
        cuts.append(cut)
    return [word[a:b] for a, b in zip([0] + cuts, cuts + [len(word)])]


ORDINALS = ["first", "second", "third", "fourth", "fifth", "sixth"]


def word_syllables(word):
    """Syllables of a word, a marker ending in a consonant kept whole before
    a root that begins with a vowel: unk-as-be, not un-kas-be."""
    for form in grammar().readings(word):
        if form.marker and grammar().word_class(form.root) != "verb-inside":
            cut = len(form.marker)
            return syllables(word[:cut]) + syllables(word[cut:])
    return syllables(word)


def guide(text):
    """ta-<b>tan</b>-ka: syllables, the next-to-last one stressed in every word;
    the stress is also said in words for screen readers."""
    words = []
    for word in re.findall(r"[A-Za-z]+", text):
        parts = [esc(s.lower()) for s in word_syllables(word)]
        stressed = max(len(parts) - 2, 0)
        said = (f"stress on the {ORDINALS[stressed]} of {len(parts)} syllables" if len(parts) > 1
                else "one syllable")
        parts[stressed] = f"<b>{parts[stressed]}</b>"
        words.append(f'<span class="w">{"-".join(parts)}<span class="sr-only" lang="en"> ({said})</span></span>')
    return " ".join(words)


class OrvaniText(HTMLParser):
    """Collects every element marked lang="x-orvani" that is not inside
    another: its text, its data-sound and whether it is part of a picture."""

    SEPARATE = {"text", "li", "p", "td", "div"}
    VOID = {"br", "img", "meta", "link", "input", "source", "path", "circle", "rect"}

    def __init__(self):
        super().__init__()
        self.stack, self.found, self.svg = [], [], 0

    def handle_starttag(self, tag, attrs):
        if tag in self.VOID:
            return
        attrs = dict(attrs)
        self.svg += tag == "svg"
        lang = attrs.get("lang")
        inside = lang == "x-orvani" if lang else bool(self.stack and self.stack[-1][1])
        self.stack.append((tag, inside))
        if inside and (len(self.stack) < 2 or not self.stack[-2][1]):
            self.found.append({"text": "", "sound": attrs.get("data-sound", ""), "picture": self.svg > 0})
        elif inside and tag in self.SEPARATE:
            self.found[-1]["text"] += " "

    def handle_endtag(self, tag):
        if tag not in self.VOID and self.stack:
            self.svg -= self.stack.pop()[0] == "svg"

    def handle_data(self, data):
        if self.stack and self.stack[-1][1]:
            self.found[-1]["text"] += data


def orvani_elements(page_html):
    """Each Orvani text of a page as {text, sound, picture}."""
    reader = OrvaniText()
    reader.feed(page_html)
    for found in reader.found:
        found["text"] = " ".join(found["text"].split())
    return [f for f in reader.found if f["text"]]


def orvani_texts(page_html):
    return [f["text"] for f in orvani_elements(page_html)]


def speech(pages, forms, asked=()):
    """Sound file -> what it says: every lexicon form, every Orvani text the
    pages show outside their pictures and the sentences the drills ask."""
    said = {row["audio"]: spoken(row["orvani"]) for row in forms.values()}
    for text in asked:
        said.setdefault(sound_of(text), spoken(text))
    for text in pages.values():
        for found in orvani_elements(text):
            if not found["picture"]:
                said.setdefault(sound_of(found["text"]), spoken(found["text"]))
    return said


def is_sentence(text):
    """Whether an Orvani text is written as a sentence: ended by its mark or by
    a verb with -lo or -wo."""
    last = text.split()[-1] if text.split() else ""
    return text.rstrip()[-1:] in ".?" or any(f.ending for f in grammar().readings(last))


def check(pages, forms, entries):
    """Refuses pages that show an Orvani word the lexicon lacks or an Orvani
    text without its sound, two texts that would share one sound, and a lexicon
    whose forms are not taught where it says, or whose entry texts disagree
    with the entry table."""
    problems, shown, sounds = [], {}, {}
    for name, text in pages.items():
        for found in orvani_elements(text):
            orvani = found["text"]
            shown.setdefault(key(orvani), set()).add(name)
            if not found["picture"]:
                if found["sound"] != sound_of(orvani):
                    problems.append(f"{name} shows {orvani!r} without its sound {sound_of(orvani)}")
                said = sounds.setdefault(sound_of(orvani), spoken(orvani))
                if said != spoken(orvani):
                    problems.append(f"{sound_of(orvani)} would say both {said!r} and {spoken(orvani)!r}")
            for word in re.split(r"[\s+=,]+", orvani):
                shown.setdefault(key(word), set()).add(name)
                if key(word) and key(word) not in forms and not grammar().makes(word):
                    problems.append(f"{name} shows {word!r}, a form the rules of Orvani do not make")
            if is_sentence(orvani):
                problems += [f"{name}: {p}" for p in grammar().sentence_problems(orvani)]
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
