"""Lesson pages: one per text entry, and the ways between them."""

import re
import sys

from lexicon import guide, key, orvani_elements, sound_of
from pagekit import audio_of_page, esc, orvani_markup, page, picture, player, said, stem

DICTIONARIES = '<a href="english.htm">English to Orvani</a> &middot; <a href="orvani.htm">Orvani to English</a>'


def study_marker(group):
    """Where the self-test link goes; finish_links() fills it in or drops it."""
    return f"<!--selftest:{group.lower()}-->"


def finish_links(out):
    """Fills the self-test markers with links when the self-test page is among
    the pages written, and drops them otherwise."""
    have = "selftest.html" in out
    for name, text in out.items():
        out[name] = re.sub(
            r"<!--selftest:(\w*)-->",
            lambda m: (f'<a href="selftest.html{"#" + m.group(1) if m.group(1) else ""}">Test yourself'
                       f'{"" if not m.group(1) else " on " + m.group(1).capitalize()}</a> &middot; '
                       if have else ""), text)


def named_pages(notes, forms, title):
    """The lesson pages a note names: those of the Orvani words in it, and
    those whose title it spells out ("the Color Wheel")."""
    named = {title_page for title_page, name in title.items() if name in notes["note"]}
    for words in re.findall(r"\{([^}]*)\}", notes["note"]):
        for form in [words] if key(words) in forms else words.split():
            lesson = forms.get(key(form), {}).get("lesson", "")
            if lesson in title:
                named.add(lesson)
    return {stem(p) for p in named}


def plan(entries, group_of, lessons, forms):
    """Page file -> its group, previous and next page in the group, and the
    pages it names or that name it, each as (file, title)."""
    title = {e["page"]: e["title"] for e in entries}
    by_group = {}
    for e in entries:
        by_group.setdefault(group_of[e["english"]], []).append(e["page"])
    ways = {}
    for group, pages in by_group.items():
        for i, name in enumerate(pages):
            ways[name] = {"group": group, "related": [], "page": name,
                          "prev": (pages[i - 1], title[pages[i - 1]]) if i else None,
                          "next": (pages[i + 1], title[pages[i + 1]]) if i + 1 < len(pages) else None}
    by_stem = {stem(p): p for p in title}
    for section in lessons.sections():
        named = named_pages(lessons[section], forms, title) | set(lessons[section].get("see", "").split())
        for other in sorted(named, key=lambda s: list(by_stem).index(s) if s in by_stem else -1):
            if other not in by_stem:
                sys.exit(f"make-pages: lessons.ini [{section}] names no page {other}")
            here, there = by_stem[section], by_stem[other]
            if here == there:
                continue
            for a, b in ((here, there), (there, here)):
                if (b, title[b]) not in ways[a]["related"]:
                    ways[a]["related"].append((b, title[b]))
    return ways


def onward(way):
    """Links to the related pages, along the group, and to practice."""
    lines = [f"<!--uses:{way['page']}-->"]  # link_uses() fills in the related pages
    steps = []
    if way["prev"]:
        steps.append(f'<a rel="prev" href="{way["prev"][0]}">&larr; {esc(way["prev"][1])}</a>')
    if way["next"]:
        steps.append(f'<a rel="next" href="{way["next"][0]}">{esc(way["next"][1])} &rarr;</a>')
    if steps:
        lines.append(f'{esc(way["group"])}: ' + " &middot; ".join(steps))
    lines.append(study_marker(way["group"]) + DICTIONARIES)
    return ('<nav class="onward" aria-label="More lessons">'
            + "".join(line if line.startswith("<!--uses:") else f"<p>{line}</p>" for line in lines) + "</nav>\n")


def lessons_used(text, forms, lessons):
    """The lesson pages whose words a page shows, in the order of `lessons`."""
    used = set()
    for found in orvani_elements(text):
        for form in [found["text"]] + found["text"].split():
            used.add(forms.get(key(form), {}).get("lesson"))
    return [p for p in lessons if p in used]


def link_uses(out, forms, titles, ways):
    """Links each lesson page to the lessons whose words it uses ("Words
    from") and to the pages that use its own words ("Its words on"), so that
    every such pair is linked both ways, then to the other pages its notes
    relate it to ("See also"). `titles`: lesson page -> title."""
    uses = {name: [p for p in lessons_used(out[name], forms, titles) if p != name] for name in titles}
    users = {name: [p for p in titles if name in uses[p]] for name in titles}

    def line(label, pages, kind=' class="uses"'):
        links = ", ".join(f'<a href="{p}">{esc(titles[p])}</a>' for p in pages)
        return f"<p{kind}>{label}: {links}</p>" if pages else ""

    for name in titles:
        others = [p for p, _ in ways[name]["related"] if p not in uses[name] + users[name]]
        out[name] = out[name].replace(f"<!--uses:{name}-->", line("Words from", uses[name])
                                      + line("Its words on", users[name]) + line("See also", others, ""))


def sentence(item, forms, here):
    """'Orvani text = English' as a line of the page, with its sound; each
    word taught on another page links to it."""
    orvani, english = (s.strip() for s in item.split(" = ", 1))
    words = []
    for word in orvani.split():
        lesson = forms.get(key(word), {}).get("lesson", here)
        words.append(esc(word) if lesson == here else f'<a href="{lesson}">{esc(word)}</a>')
    return f'{said(orvani, " ".join(words))} {esc(english)}'


def gloss(form, forms):
    row = forms.get(key(form))
    if not row:
        sys.exit(f"make-pages: the word part {form!r} is not in the lexicon")
    return row["english"]


def short_gloss(form, forms):
    """The meaning without its explanation: 'I, my (in front of ...)' -> 'I, my'."""
    return re.split(r" \(|; ", gloss(form, forms))[0]


def word_part(item, forms):
    """One item of the word parts: a word, or a word made of a part and a stem
    (ma-waron), shown whole and then piece by piece, each with its sound."""
    item = item.strip()
    whole = f'{said(item)} {esc(gloss(item, forms))}'
    if not re.search(r"\w-\w", item):
        return f"<li>{whole}</li>"
    left, right = item.split("-", 1)
    pieces = [left + "-", right] if key(left + "-") in forms else [left, "-" + right]
    shown = " + ".join(f"{said(p)} {esc(short_gloss(p, forms))}" for p in pieces)
    return f'<li>{whole} <span class="pieces">= {shown}</span></li>'


def lesson_page(entry, notes, forms, way):
    parts = ""
    if notes.get("parts"):
        items = [word_part(p, forms) for p in notes["parts"].split("|")]
        parts = '<ul class="parts" aria-label="Word parts">' + "".join(items) + "</ul>\n"
    answers = "".join(
        f'<h2>{heading}</h2>\n<ul class="answers">'
        + "".join(f"<li>{sentence(item, forms, entry['page'])}</li>" for item in notes[field].split("|")) + "</ul>\n"
        for field, heading in (("answer", "Answering"), ("more", "More like it")) if notes.get(field))
    body = f"""
<div class="lesson">
<figure class="picture">{picture(notes["picture"], notes["alt"])}</figure>
<div class="words">
<h1>{esc(entry["title"])}</h1>
<p class="orvani" lang="x-orvani" data-sound="{sound_of(entry["orvani"])}">{esc(entry["orvani"])}</p>
<p class="say">Say it: <span lang="x-orvani" data-sound="{sound_of(entry["orvani"])}">{guide(entry["orvani"])}</span></p>
{player(audio_of_page(entry["page"]), entry["orvani"])}
</div>
</div>
{parts}<div class="note"><p>{orvani_markup(notes["note"])}</p></div>
<p class="example">For example: {sentence(notes["example"], forms, entry["page"])}</p>
{answers}{onward(way)}"""
    return page(entry["title"], way["group"], body, "lesson-page")
