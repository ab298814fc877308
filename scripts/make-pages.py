#!/usr/bin/env python3
"""Writes the pages of the content folder HTML/.

The phrasebook that the program is built with (content/, printed by the
program content/phrasebookjson.cpp) is the one source of the English and
Orvani texts, the page names and each lesson's word group. Everything else
comes from scripts/pages/: lessons.ini (picture, notes and word parts of each lesson), words.ini (the
Orvani words of the page-only pages), art/ (the pictures, inlined as SVG) and
prose/ (the bodies of the introduction, syntax and not-found pages, where
<!-- say: WORD --> stands for a word's syllable guide) and
lexicon.tsv (the roots of Orvani and the forms the lessons teach, with their
sounds; the meaning of every form made from a root is the one the rules of
scripts/grammar.py give it). Pages that show a word form or sentence those
rules do not make, a gloss that is not theirs, or an Orvani text without its
sound, are refused.

  make-pages.py --phrasebook PROGRAM            write the pages into HTML/
  make-pages.py --phrasebook PROGRAM --speech   list "audio file<TAB>Orvani text"
                           for make-audio.sh, one line for each lexicon form
                           and each other Orvani text the pages show
  make-pages.py --phrasebook PROGRAM --check    write nothing; fail where a
                           file in HTML/ is not as it would be written

Rerunning it gives the same files byte for byte.
"""

import argparse
import configparser
import re
import sys

import phrasebook
import studypages
from drills import drill_items
from lessonpages import finish_links, lesson_page, link_uses, onward, plan
from lexicon import check, grammar, guide, read_lexicon, speech
from pagekit import OUT, ROOT, SOURCE, esc, page, picture, prose_markup, said, stem
from product import fill_product
from wordpages import WordPages

def read_ini(name):
    parser = configparser.ConfigParser(interpolation=None, delimiters=("=",))
    parser.optionxform = str
    parser.read(SOURCE / name, encoding="utf-8")
    return parser


def small_words(forms, lesson, listed):
    """A table of the forms a prose page teaches and of the listed ones,
    each of these linked to its lesson; meanings from the lexicon."""
    rows = [r for r in forms.values() if r["lesson"] == lesson] + [forms[w] for w in listed.split()]
    cells = []
    for r in sorted(rows, key=lambda r: r["orvani"].strip("-").casefold()):
        word = esc(r["orvani"])
        if r["lesson"] != lesson:
            word = f'<a href="{r["lesson"]}">{word}</a>'
        cells.append(f'<tr><td>{said(r["orvani"], word, "span")}</td><td>{esc(r["english"])}</td></tr>')
    return ('<table class="words-list">\n<thead><tr><th scope="col">Orvani</th>'
            f'<th scope="col">English</th></tr></thead>\n<tbody>{"".join(cells)}</tbody>\n</table>')


def prose_page(name, group, forms=None):
    body = fill_product((SOURCE / "prose" / name).read_text())
    body = re.sub(r"<!-- picture: (\w+) \| (.*?) -->", lambda m: picture(m.group(1), m.group(2)), body)
    body = re.sub(r"<!-- small words:(.*?)-->", lambda m: small_words(forms, name, m.group(1)), body)
    body = re.sub(r"<!-- say: (\w+) -->", lambda m: said(m.group(1), guide(m.group(1)), "span", "say"), body)
    title = re.sub(r"<[^>]+>", "", re.search(r"<h1>(.*?)</h1>", body, re.S).group(1)).strip()
    return page(title, group, prose_markup(body), "prose-page")


def arguments():
    parser = argparse.ArgumentParser(description="Writes the pages of the content folder HTML/.")
    parser.add_argument("--phrasebook", required=True, metavar="PROGRAM",
                        help="the phrasebook program built from content/ (the 'pages' target passes it)")
    parser.add_argument("--speech", action="store_true",
                        help="list 'audio file<TAB>Orvani text' for make-audio.sh instead")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail if a file in HTML/ is not as it would be written")
    return parser.parse_args()


def main():
    args = arguments()
    book = phrasebook.load(args.phrasebook)
    tails = phrasebook.tails(book)
    entries = phrasebook.entries(book)
    texts = [e for e in entries if e["orvani"]]
    words = read_ini("words.ini")
    forms = read_lexicon()

    group_of = phrasebook.group_of(book)
    lessons = read_ini("lessons.ini")
    missing = [e["page"] for e in texts if stem(e["page"]) not in lessons]
    unused = set(lessons.sections()) - {stem(e["page"]) for e in texts}
    if missing or unused:
        sys.exit(f"make-pages: lessons.ini lacks {missing}, has unused {sorted(unused)}")

    ways = plan(entries, group_of, lessons, forms)
    out = {}
    for e in texts:
        out[e["page"]] = lesson_page(e, lessons[stem(e["page"])], forms, ways[e["page"]])
    word_pages = WordPages(words, forms, lambda name: onward(ways[name]))
    builders = {"Sacred Colors": word_pages.sacred_colors_page, "Color Wheel": word_pages.colors_page,
                "One to Ten": word_pages.numbers_page, "Body Parts": word_pages.body_parts_page}
    for e in entries:
        if not e["orvani"]:
            out[e["page"]] = builders[e["english"]](e["page"])
    sentences = [tuple(s.strip() for s in line.split(" = ", 1)) for section in lessons.sections()
                 for field in ("example", "answer", "more")
                 for line in lessons[section].get(field, "").split("|") if " = " in line]
    drills = drill_items(grammar(), [r["orvani"] for r in forms.values() if r["kind"] == "phrase"])
    out.update(studypages.build(entries, group_of, tails, page, sentences, drills))
    out[tails["Intro"]] = prose_page("intro.html", "Welcome")
    out[tails["Syntax"]] = prose_page("syntax.htm", "Syntax", forms)
    out[tails["NotFound"]] = prose_page("not.htm", "Page not found")

    link_uses(out, forms, {e["page"]: e["title"] for e in entries}, ways)
    finish_links(out)
    check(out, forms, entries)
    if args.speech:
        for audio, text in sorted(speech(out, forms, [d["orvani"] for d in drills]).items()):
            print(f"{audio}\t{text}")
        return
    if args.check:
        stale = sorted(name for name, text in out.items()
                       if not (OUT / name).is_file() or (OUT / name).read_text(encoding="utf-8") != text)
        if stale:
            sys.exit("make-pages: not as the phrasebook and scripts/pages/ make them "
                     "(cmake --build BUILD --target pages): " + ", ".join(stale))
        print(f"make-pages: all {len(out)} files are up to date")
        return
    for name, text in out.items():
        (OUT / name).write_text(text, encoding="utf-8")
    print(f"make-pages: wrote {len(out)} pages to {OUT}")


if __name__ == "__main__":
    main()
