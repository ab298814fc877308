"""The study pages: the two dictionaries and the self-test.

All three are built from scripts/pages/lexicon.tsv, one line per Orvani form:
orvani, english, kind (word, part or phrase), the lesson page that teaches it
and its sound file. The script and style they share are kept by hand in
HTML/ beside them (study.js, study.css; the self-test, made by
selftestpage.py, adds selftest.js and selftest.css), as style.css is.
"""

import re
import sys

from lexicon import read_lexicon, sound_of
from pagekit import esc, sound_buttons
from selftestpage import selftest_page

KINDS = {"word": ("word", "words"), "part": ("word part", "word parts"),
         "phrase": ("phrase", "phrases")}

def words_of(text):
    """The words a text files under: 'He tahu hwo?' -> ['he', 'tahu', 'hwo']."""
    words = []
    for word in re.findall(r"[\w'\u2019-]+", text.casefold()):
        word = word.strip("-'\u2019")
        if word and word not in words:
            words.append(word)
    return words


ARTICLES = ("a", "an", "the")
# English words a row is not filed under when it has a better one: who does
# it, and the small words around a verb ("I don't know" is filed under know).
PERSONS = {"i", "you", "we", "he", "she", "they", "it", "my", "your", "our", "i'm", "be"}
HELPERS = {"am", "are", "is", "do", "did", "don't", "didn't", "not", "have", "haven't",
           "had", "to", "of", "or", "and", "in"}


def key_words(text, kind):
    """The words an English row is filed under. A phrase: each of its words but
    persons, helpers and articles. A word or part: its key word, the first
    after its persons and helpers ('I see, I saw' under see, 'have, own'
    under have), a person marker under each of its persons; its meaning's
    note in brackets aside."""
    words = [w for w in words_of(re.split(r" \(|; ", text)[0]) if w not in ARTICLES]
    if kind == "phrase":
        keys = [w for w in words if w not in PERSONS | HELPERS]
        return keys or words[-1:]
    persons = [w for w in words if w in PERSONS]
    if kind == "part" and persons and words[0] in PERSONS:
        return persons  # 'we, our (in front of ...)' under we and our
    rest = words
    if rest and rest[0] in PERSONS:
        while rest and rest[0] in PERSONS | HELPERS:
            rest = rest[1:]
    return (rest or words[-1:] or [sort_key(text)])[:1]


def sort_key(text):
    """Sorted by the word itself: '-sni' under s, 'a problem' under p."""
    key = re.sub(r"^[^\w]+", "", text.casefold())
    return re.sub(r"^(?:%s) " % "|".join(ARTICLES), "", key)


def letter_of(key):
    first = key[:1].upper()
    return first if "A" <= first <= "Z" else "#"


def letter_id(letter):
    return "letter-" + ("other" if letter == "#" else letter.lower())


def with_word_marked(text, word):
    """The text with its first use of `word` in bold; everything escaped."""
    match = re.search(r"(?<![\w-])" + re.escape(word) + r"(?![\w])", text, re.I)
    if not match:
        return esc(text)
    return (esc(text[:match.start()]) + "<b>" + esc(match.group(0)) + "</b>"
            + esc(text[match.end():]))


def filings(lexicon, side):
    """(key, number, line, is_first) for every place a line is filed, sorted.
    Orvani: a phrase files under each of its words, a word or part under its
    whole text. English: under its key words (key_words)."""
    places = []
    for number, line in enumerate(lexicon):
        text = line[side]
        if side == "english":
            keys = key_words(text, line["kind"])
        elif line["kind"] == "phrase":
            keys = [w for w in words_of(text) if w not in ARTICLES]
        else:
            keys = [sort_key(text)]
        for i, key in enumerate(keys or [sort_key(text)]):
            places.append((key, number, line, i == 0))
    places.sort(key=lambda p: (p[0], p[2]["kind"] == "phrase", sort_key(p[2][side]), p[1]))
    return places


def play_button(line):
    return sound_buttons(line["audio"], line["orvani"])


def dictionary_row(key, number, line, is_first, by_orvani):
    """One table row; a phrase shows the word it is filed under in bold."""
    filed_by = "orvani" if by_orvani else "english"

    def text(side):
        if side == filed_by and (line["kind"] == "phrase" or sort_key(line[side]) != key):
            return with_word_marked(line[side], key)
        return esc(line[side])

    orvani = f'<td class="orvani" lang="x-orvani" data-sound="{sound_of(line["orvani"])}">{text("orvani")}</td>'
    english = f'<td><a href="{esc(line["lesson"])}">{text("english")}</a></td>'
    cells = orvani + english if by_orvani else english + orvani
    first = " data-first" if is_first else ""
    return (f'<tr data-entry="{number}" data-key="{esc(key)}"{first}>{cells}'
            f'<td class="sound">{play_button(line)}</td></tr>')


def counted(lexicon):
    """'125 entries: 96 words, 5 word parts and 24 phrases'"""
    counts = [(sum(1 for line in lexicon if line["kind"] == kind), names)
              for kind, names in KINDS.items()]
    parts = [f"{n} {names[n != 1]}" for n, names in counts if n]
    listed = parts[0] if len(parts) == 1 else ", ".join(parts[:-1]) + " and " + parts[-1]
    return f"{len(lexicon)} {'entry' if len(lexicon) == 1 else 'entries'}: {listed}"


def dictionary_page(lexicon, by_orvani, other_page, page):
    side = "orvani" if by_orvani else "english"
    heads = ["Orvani", "English"] if by_orvani else ["English", "Orvani"]
    title = f"{heads[0]} to {heads[1]}"
    sections = {}
    for key, number, line, is_first in filings(lexicon, side):
        sections.setdefault(letter_of(key), []).append(
            dictionary_row(key, number, line, is_first, by_orvani))
    columns = [f"{heads[0]}", f"{heads[1]}"]
    columns[1 if by_orvani else 0] += ", opens its lesson"
    thead = ("<thead class=\"sr-only\"><tr>" + "".join(f'<th scope="col">{c}</th>' for c in columns)
             + '<th scope="col">Sound</th></tr></thead>')
    jumps = []
    for letter in [chr(c) for c in range(ord("A"), ord("Z") + 1)] + (["#"] if "#" in sections else []):
        place = letter_id(letter)
        jumps.append(f'<li><a href="#{place}" data-letter="{place}">{letter}</a></li>' if letter in sections
                     else f'<li><a role="link" aria-disabled="true">{letter}</a></li>')
    body = [f"""
<h1>{title}</h1>
<p class="lead">{counted(lexicon)}. {"A phrase is listed under each of its words" if by_orvani else "A phrase is listed under each of its main words, a word under its key word (“I see” under see)"}; the {heads[1 if by_orvani else 0]} opens the lesson that teaches it. The other way round: <a href="{other_page}">{heads[1]} to {heads[0]}</a>.</p>
<div class="filter">
<label for="filter">Find</label>
<input id="filter" type="search" autocomplete="off" spellcheck="false" aria-describedby="filter-count">
<span id="filter-count" role="status" data-total="{len(lexicon)}">{len(lexicon)} entries</span>
</div>
<nav class="letters" aria-label="Jump to a letter"><ul>{"".join(jumps)}</ul></nav>
<p id="no-match" class="lead" hidden>No entry matches. Try fewer letters.</p>"""]
    for letter, rows in sections.items():
        body.append(f'<section class="letter"><h2 id="{letter_id(letter)}">{letter}</h2>'
                    f'<table class="words-list">{thead}<tbody>\n' + "\n".join(rows)
                    + "\n</tbody></table></section>")
    return study_page(page(title, "Translation Dictionaries", "\n".join(body), "dictionary-page"))


def study_page(text, scripts=("study.js",)):
    """A page of make-pages.py with the study style and scripts added (each
    script once: the frame already has study.js where a page plays sounds)."""
    extra = '<link rel="stylesheet" href="study.css">\n' + "".join(
        f'<script src="{name}" defer></script>\n' for name in scripts if f'src="{name}"' not in text)
    return text.replace("</head>", extra + "</head>", 1)


def build(entries, group_of, tails, page, sentences, drills):
    """The study pages, by file name.
    entries: the entry table's rows (english, orvani, page); group_of: English
    text -> caption of its word group; tails: page names; page: the page frame;
    sentences: (Orvani, English) of the lessons' examples and answers;
    drills: the self-test's grammar drills (drills.py)."""
    lexicon = list(read_lexicon().values())
    group_of_page = {e["page"]: group_of[e["english"]] for e in entries}
    pages = set(group_of_page) | set(tails.values())
    for line in lexicon:
        if line["lesson"] not in pages:
            sys.exit(f"studypages: {line['orvani']} is taught on {line['lesson']}, which is no page")
    english, orvani = tails["EnglishDictionary"], tails["OrvaniDictionary"]
    out = {english: dictionary_page(lexicon, False, orvani, page),
           orvani: dictionary_page(lexicon, True, english, page),
           "selftest.html": selftest_page(lexicon, group_of_page, page, sentences, drills)}
    return out
