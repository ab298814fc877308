"""The self-test's grammar drills, made by the model of Orvani from the
Phrases sentences: change the person, say it in the negative, make it a
question, answer a question word in its slot, put the words in order. Each
drill is a sentence to type, with every way the rules write it right. The
named exceptions (the set greetings, the echo answer) are never changed."""

import random

from grammar import EXCEPTIONS, MARKERS, Form, key
from lexicon import sound_of

DRILLS = {"person": "Change the person", "negative": "Say it in the negative",
          "question": "Make it a question", "answer": "Answer the question word in its slot",
          "order": "Put the words in order"}
# The answer a question word stands for, in the slot it holds.
ANSWERS = {"kowe": "Nasitu", "tahu": "Wikano", "mitawe": "tukeno"}
MARKER_NAMES = {"ma": "ma- (I)", "ke": "ke- (you)", "unk": "unk- (we)"}


def plain(grammar, word):
    """A word as inside a sentence: lower case but for a name."""
    named = any(grammar.roots[f.root]["orvani"][:1].isupper() for f in grammar.readings(word))
    return word if named else word.lower()


def sentence(words, kind):
    text = " ".join(words)
    return text[:1].upper() + text[1:] + (" hwo?" if kind == "question" else " yelo.")


def respell(grammar, word, **change):
    """The word with its marker or -sni changed, as the rules write it."""
    form = next(f for f in grammar.readings(word) if not f.ending)
    return grammar.spell(Form(form.root, change.get("marker", form.marker),
                              change.get("negative", form.negative)))


def marker_of(grammar, word):
    return next((f.marker for f in grammar.readings(word) if f.marker), "")


def drills_of(grammar, text):
    """(drill, task, answer) for one sentence of the lessons."""
    if text in EXCEPTIONS or grammar.sentence_problems(text):
        return []
    body, kind = grammar.body(text)
    if kind not in ("statement", "question"):
        return []
    body = [plain(grammar, w) for w in body]
    made = []
    if grammar.is_verb(body[-1]):
        verb = body[-1]
        marker = marker_of(grammar, verb)
        for other in MARKERS if marker else ():
            if other and other != marker:
                made.append(("person", f"Say it with {MARKER_NAMES[other]}",
                             sentence(body[:-1] + [respell(grammar, verb, marker=other)], kind)))
        negative = verb.endswith("sni")
        made.append(("negative", "Say it without -sni" if negative else "Say it with -sni",
                     sentence(body[:-1] + [respell(grammar, verb, negative=not negative)], kind)))
        if kind == "statement":
            made.append(("question", "Ask it with hwo?", sentence(body, "question")))
    asked = [w for w in body if key(w) in ANSWERS]
    if kind == "question" and asked and any(marker_of(grammar, w) == "ke" for w in body):
        answer = [ANSWERS[key(w)] if w == asked[0] else
                  respell(grammar, w, marker="ma") if marker_of(grammar, w) == "ke" else w for w in body]
        made.append(("answer", f"Answer it about yourself with {ANSWERS[key(asked[0])]}",
                     sentence(answer, "statement")))
    if len(body) >= 2:
        shuffled = body[:]
        random.Random(text).shuffle(shuffled)
        if shuffled == body:
            shuffled = body[1:] + body[:1]
        made.append(("order", "Put these words in order: " + " ".join(shuffled)
                     + (" hwo?" if kind == "question" else " yelo."), text))
    return [(drill, task, answer) for drill, task, answer in made
            if answer not in EXCEPTIONS and not grammar.sentence_problems(answer)]


def drill_items(grammar, sentences):
    """Self-test items of every drill from the Orvani sentences given."""
    items, seen = [], set()
    for text in sentences:
        for drill, task, answer in drills_of(grammar, text):
            if (drill, text, answer) in seen:
                continue
            seen.add((drill, text, answer))
            items.append({"drill": drill, "orvani": answer, "english": f"{task}: {text}",
                          "prompt": text, "promptSound": sound_of(text), "task": task,
                          "sound": sound_of(answer), "group": "phrases", "kind": "phrase",
                          "right": grammar.ways_to_write(answer),
                          "meaning": -len(items) - 1, "byEar": False})
    return items
