"""The self-test page, built from the lexicon as the dictionaries are; its
scripts HTML/selftest*.js and style HTML/selftest.css are kept by hand.

Each item carries every way the rules of Orvani (grammar.py) write it right;
the page carries the meaning of every word form the rules make and of every
sentence the pages show, by which the script says what a wrong typing means.
The grammar drills (drills.py) are items of their own ways.

Each item carries what the script needs to offer fair wrong choices: its
kind, the style of its English (capitalised, ending in a full stop or
question mark) and its meaning, a number shared by all items that mean
the same. Two items mean the same when one of their senses (the English
split at commas, notes in brackets or after a semicolon left out) is written
alike, or when scripts/pages/selftest-alike.txt says so. Only items that
can get three such wrong choices are asked by ear.
"""

import json
import re
import sys

from lexicon import grammar, key
from drills import DRILLS
from pagekit import SOURCE, esc

ALIKE = SOURCE / "selftest-alike.txt"
LENGTHS = (5, 10, 20)


def group_slug(caption):
    return re.sub(r"[^a-z0-9]+", "-", caption.casefold()).strip("-")


def written(text):
    """Text as compared: 'I don't know.' and 'i dont  know' are written alike."""
    text = re.sub(r"[^\w\s]", "", text.casefold().replace("\u2019", "'"))
    return " ".join(text.split())


def without_notes(english):
    """'Come in. (to one person)' -> 'Come in.'"""
    return " ".join(re.sub(r"\([^)]*\)", " ", english).split())


def senses(english):
    """'I see, I saw' -> {'i see', 'i saw', 'i see i saw'}; what follows a
    semicolon is a note: 'say; with no marker, it is said' -> {'say', ...}."""
    head = without_notes(english).split(";")[0]
    return {written(s) for s in head.split(",") if written(s)} | {written(without_notes(english))}


def ends_sentence(english):
    return without_notes(english)[-1:] in (".", "?", "!")


def end_mark(english):
    return without_notes(english)[-1:] if ends_sentence(english) else ""


def bare(english):
    """The English without the mark ending its sentence: 'Come in (to one person)'."""
    return re.sub(r"[.?!](?=\s*(\([^)]*\))?$)", "", english)


def read_alike(glosses):
    """Sets of English glosses that mean the same, one set a line, split by '|'."""
    sets = []
    for number, line in enumerate(ALIKE.read_text(encoding="utf-8").splitlines(), 1):
        if line.strip() and not line.startswith("#"):
            names = [name.strip() for name in line.split("|")]
            unknown = [name for name in names if name not in glosses]
            if unknown:
                sys.exit(f"selftest-alike.txt line {number}: no lexicon line means {unknown}")
            sets.append(names)
    return sets


def meanings(items):
    """A number for each item, the same for items that mean the same."""
    parent = list(range(len(items)))

    def root(i):
        while parent[i] != i:
            parent[i] = parent[parent[i]]
            i = parent[i]
        return i

    def join(a, b):
        parent[root(a)] = root(b)

    first_of = {}
    for i, item in enumerate(items):
        for sense in senses(item["english"]):
            join(i, first_of.setdefault(sense, i))
    by_reading = {}
    for i, item in enumerate(items):
        for form in grammar().readings(item["orvani"]) if item["kind"] != "phrase" else ():
            if form.ending == "lo":  # wancinyankelo beside wancinyanke
                join(i, by_reading.setdefault((form.root, form.marker, form.negative), i))
    for i, item in enumerate(items):
        for form in grammar().readings(item["orvani"]) if item["kind"] != "phrase" else ():
            if not form.ending and (form.root, form.marker, form.negative) in by_reading:
                join(i, by_reading[(form.root, form.marker, form.negative)])
    by_gloss = {}
    for i, item in enumerate(items):
        by_gloss.setdefault(item["english"], i)
    for names in read_alike(by_gloss):
        for name in names[1:]:
            join(by_gloss[name], by_gloss[names[0]])
    numbers = {}
    return [numbers.setdefault(root(i), len(numbers)) for i in range(len(items))]


def can_stand_beside(answer, other):
    """Whether `other` may be a wrong choice for `answer`: of the same kind and
    capitalisation, of another meaning, and ending a sentence where the answer
    does, with its mark (where the answer does not, the script drops the
    other's mark)."""
    return (other["kind"] == answer["kind"] and other["capital"] == answer["capital"]
            and other["meaning"] != answer["meaning"]
            and (other["end"] == answer["end"] or not answer["sentence"]))


def can_be_heard(item, items):
    """Whether the item has a sound and three fair wrong choices of three meanings."""
    return bool(item["sound"]) and len({o["meaning"] for o in items if can_stand_beside(item, o)}) >= 3


def items_of(lexicon, group_of_page):
    """Items of a group: the lines taught on one of its lesson pages. Lines
    taught only on other pages (the syntax notes) are in 'All groups' alone."""
    items = [{"orvani": line["orvani"], "english": line["english"], "sound": line["audio"],
              "group": group_slug(group_of_page.get(line["lesson"], "")), "kind": line["kind"],
              "capital": line["english"][:1].isupper(), "sentence": ends_sentence(line["english"]),
              "end": end_mark(line["english"]), "bare": bare(line["english"]),
              "right": grammar().ways_to_write(line["orvani"]) if line["kind"] == "phrase"
              else [line["orvani"]]} for line in lexicon]
    for item in items:
        if key(item["orvani"]) in written(item["english"]).split():
            sys.exit(f"selftest: the meaning of {item['orvani']} gives it away: {item['english']}")
    for item, meaning in zip(items, meanings(items)):
        item["meaning"] = meaning
    for item in items:
        item["byEar"] = can_be_heard(item, items)
    return items


def letters(text):
    return re.sub(r"[^\w]", "", text.casefold())


def model_data(lexicon, sentences):
    """What the script needs to say what a typed answer means: the meaning of
    every word form the rules make, and of every sentence the pages show,
    under each way of writing it (by its letters)."""
    glosses = {letters(word): grammar().meaning(forms[0]) for word, forms in grammar().forms.items()
               if " " not in word and "-" not in word}
    said = {}
    for orvani, english in [(l["orvani"], l["english"]) for l in lexicon if l["kind"] == "phrase"] + sentences:
        for way in grammar().ways_to_write(orvani):
            said.setdefault(letters(way), english.split(": ")[0])
    return {"glosses": glosses, "sentences": said}


def selftest_page(lexicon, group_of_page, page, sentences, drills):
    items = items_of(lexicon, group_of_page)
    ways = "".join(f'<label><input type="radio" name="mode" value="drill-{name}"> {esc(label)}</label>\n'
                   for name, label in DRILLS.items())
    captions = sorted(set(group_of_page.values()))
    options = [f'<option value="">All groups ({len(items)})</option>'] + [
        f'<option value="{group_slug(c)}">{esc(c)} '
        f'({sum(1 for i in items if i["group"] == group_slug(c))})</option>' for c in captions]
    lengths = "".join(f'<option value="{n}"{" selected" if n == 10 else ""}>{n}</option>'
                      for n in LENGTHS) + '<option value="all">All of the group</option>'
    data = json.dumps(items + drills, ensure_ascii=False, separators=(",", ":")).replace("</", "<\\/")
    model = json.dumps(model_data(lexicon, sentences), ensure_ascii=False,
                       separators=(",", ":")).replace("</", "<\\/")
    body = f"""
<h1>Self-test</h1>
<p class="lead">Test yourself on one group of words or on all of them. Each round takes words you have not had yet, until the whole group has come up. At the end of a round you see what you missed, can hear it again and practise just those. Nothing is saved: all is forgotten when you leave the page.</p>
<div id="setup" class="setup">
<p><label for="group">Words from</label>
<select id="group">{"".join(options)}</select></p>
<p><label for="length">Questions in a round</label>
<select id="length">{lengths}</select></p>
<fieldset><legend>How to practise</legend>
<label><input type="radio" name="mode" value="listen" checked> Listen, then choose the English</label>
<label><input type="radio" name="mode" value="type-orvani"> See the English, type the Orvani</label>
<label><input type="radio" name="mode" value="recall-orvani"> See the English, recall the Orvani</label>
<label><input type="radio" name="mode" value="recall-english"> See the Orvani, recall the English</label>
<label><input type="radio" name="mode" value="dictation"> Listen, then type the Orvani</label>
<label><input type="radio" name="mode" value="choose-orvani"> See the English, choose the Orvani</label>
</fieldset>
<fieldset><legend>Grammar drills (sentences of the Phrases group)</legend>
{ways}</fieldset>
<p><button type="button" id="start">Start a round</button></p>
<p id="setup-note" class="feedback" role="status"></p>
</div>
<section id="round" class="round" aria-labelledby="question-title" hidden>
<h2 id="question-title"></h2>
<div id="question"></div>
<p id="feedback" class="feedback" role="status"></p>
<p id="next-step" class="next-step"></p>
</section>
<section id="result" class="result" aria-labelledby="result-title" hidden>
<h2 id="result-title">Round over</h2>
<p id="score"></p>
<div id="missed-part" hidden>
<h3 id="missed-title">To practise again</h3>
<ul id="missed" class="missed" aria-labelledby="missed-title"></ul>
</div>
<p class="next-round"><button type="button" id="retry" hidden>Practise the missed ones</button> <button type="button" id="again">Another round</button> <button type="button" id="change">Change group or practice</button></p>
</section>
<p class="small">Look words up in the dictionaries: <a href="english.htm">English to Orvani</a>, <a href="orvani.htm">Orvani to English</a>.</p>
<script type="application/json" id="selftest-items">{data}</script>
<script type="application/json" id="selftest-model">{model}</script>
"""
    return with_head(page("Self-test", "Self-test", body, "selftest-page"),
                     ("study.css", "selftest.css"), ("study.js", "selftestkit.js", "selftestjudge.js", "selftest.js"))


def with_head(text, styles, scripts):
    """A page of make-pages.py with these style sheets and scripts added."""
    extra = "".join(f'<link rel="stylesheet" href="{name}">\n' for name in styles) + "".join(
        f'<script src="{name}" defer></script>\n' for name in scripts)
    return text.replace("</head>", extra + "</head>", 1)
