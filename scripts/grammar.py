"""Orvani as the trainer knows it: the rules that make every word form and
sentence from the roots of the lexicon, and what each form means.

Rules:
- Person markers ma- (I, my), ke- (you, your) and unk- (we, our) go in front
  of a verb or noun; no marker on a verb speaks of someone else. The verbs
  marked "inside" (ipi, opi) take the marker after their first letter.
- -sni after a verb says no.
- A statement ends in yelo., a question in hwo?; yelo may be joined to the
  verb before it as -lo, and the full stop after -lo may be left off.
- -wo on a verb with no marker asks one person to do it, and needs no yelo.
- The verb is the last word before the ending; a number (and mitawe, how
  many) follows its noun; tanu, from, follows the place it names; question
  words stand in questions only.
Exceptions, named as such and never changed by a drill: the set greetings
with wancinyanke, which takes no marker, and the echo answer Imapi hwo?
"""

import re
from dataclasses import dataclass

MARKERS = {"": None, "ma": ("I", "my"), "ke": ("you", "your"), "unk": ("we", "our")}
QUESTION_WORDS = {"kowe", "tahu", "mitawe"}
SET_GREETINGS = ("Iyuskinyan wancinyankelo", "Ake iyuskinyan wancinyankelo.")
ECHO_ANSWER = "Imapi hwo?"
EXCEPTIONS = SET_GREETINGS + (ECHO_ANSWER,)
PARTICIPLES = {"been", "eaten", "had"}
NOT = {"have": "haven't", "would": "wouldn't"}


@dataclass(frozen=True)
class Form:
    """One reading of a word: its root, its marker, whether -sni says no, and
    the ending joined to it ('lo' closing a statement, 'wo' asking)."""
    root: str
    marker: str = ""
    negative: bool = False
    ending: str = ""


def key(form):
    """A word as compared: lower case, no sentence mark, no hyphens inside."""
    form = form.strip().casefold().rstrip(".?!,;:")
    return re.sub(r"(?<=\w)[-\u00b7](?=\w)", "", form)


def senses(english):
    """'see, saw (note)' -> ['see', 'saw']: the meaning without its notes."""
    return [s.strip() for s in re.split(r" \(|; ", english)[0].split(",") if s.strip()]


class Grammar:
    """The model: built from the lexicon's rows (orvani, english, grammar),
    where grammar is 'verb SENSES', 'verb-inside SENSES', 'verb-unmarked
    SENSES', 'noun', 'number' or empty (a word that never changes). SENSES are
    the verb's English, 'see/saw' where the lessons use its past too."""

    def __init__(self, rows):
        self.roots = {}
        for row in rows:
            if row.get("grammar") or row["english"]:
                self.roots[key(row["orvani"])] = row
        self.forms = {}
        for root, row in self.roots.items():
            for form in self._forms_of(root, row.get("grammar", "").split(" ")[0]):
                self.forms.setdefault(self.spell(form), []).append(form)

    def word_class(self, root):
        return self.roots[root].get("grammar", "").split(" ")[0]

    def _forms_of(self, root, cls):
        if not cls.startswith("verb") and cls != "noun":
            yield Form(root)
            return
        markers = [""] if cls == "verb-unmarked" else list(MARKERS)
        for marker in markers:
            for negative in ((False, True) if cls.startswith("verb") else (False,)):
                yield Form(root, marker, negative)
                if cls.startswith("verb"):
                    yield Form(root, marker, negative, "lo")
                    if not marker and not negative and cls != "verb-unmarked":
                        yield Form(root, marker, negative, "wo")

    def spell(self, form):
        root = form.root
        if self.word_class(root) == "verb-inside":
            word = root[0] + form.marker + root[1:]
        else:
            word = form.marker + root
        return word + ("sni" if form.negative else "") + form.ending

    def readings(self, word):
        """Every Form the rules make that is written as `word`."""
        return self.forms.get(key(word), [])

    def makes(self, word):
        return bool(self.readings(word))

    # What a form means.
    def gloss(self, word):
        forms = self.readings(word)
        if not forms:
            raise KeyError(f"{word!r} is no form of Orvani")
        return self.meaning(forms[0])

    def meaning(self, form):
        row = self.roots[form.root]
        cls = self.word_class(form.root)
        if form == Form(form.root):
            return row["english"]
        if cls == "noun":
            whose = MARKERS[form.marker][1]
            return ", ".join(f"{whose} {re.sub(r'^(a|an|the) ', '', s)}" for s in senses(row["english"]))
        verb = row["grammar"].split(" ", 1)[1]
        if form.ending == "wo":
            return f"{senses(verb.replace('/', ', '))[0]} (asked of one person)"
        who = (MARKERS[form.marker][0] if form.marker
               else "you and I" if cls == "verb-unmarked" else "he, she or they")
        said = ", ".join(english_verb(sense, who, form.negative) for sense in senses(verb))
        return said + (" (with -lo, closing the statement)" if form.ending == "lo" else "")

    def is_verb(self, word):
        forms = self.readings(word)
        return bool(forms) and all(self.word_class(f.root).startswith("verb") for f in forms)

    def is_noun(self, word):
        return any(self.word_class(f.root) == "noun" for f in self.readings(word))

    def is_place(self, word):
        """A noun, a name (written with a capital in the lexicon) or kowe, where."""
        return self.is_noun(word) or key(word) == "kowe" or any(
            self.roots[f.root]["orvani"][:1].isupper() for f in self.readings(word))

    # Sentences.
    def sentence_problems(self, text):
        """What keeps an Orvani sentence from being one the rules make."""
        problems = []
        for sentence in re.findall(r"[^.?]+(?:[.?]|$)", text.strip()):
            problems += self._one_sentence_problems(sentence.strip())
        return problems

    def _one_sentence_problems(self, sentence):
        words = sentence.split()
        if not words:
            return []
        unknown = [w for w in words if not self.makes(w)]
        if unknown:
            return [f"{sentence!r}: {', '.join(unknown)} is no form the rules make"]
        body, kind = self.body(sentence)
        if kind is None:
            return [f"{sentence!r} ends neither in yelo., -lo, hwo? nor -wo"]
        problems = []
        inner = [key(w) for w in words[:-1]]
        if {"yelo", "hwo"} & set(inner) or any(f.ending for w in words[:-1] for f in self.readings(w)
                                                 if self.is_verb(w)):
            problems.append(f"{sentence!r}: an ending stands inside the sentence")
        verbs = [i for i, w in enumerate(body) if self.is_verb(w)]
        if verbs and verbs[-1] != len(body) - 1:
            problems.append(f"{sentence!r}: the verb is not last")
        for i, word in enumerate(body):
            cls = {self.word_class(f.root) for f in self.readings(word)}
            if ("number" in cls or key(word) == "mitawe") and (i == 0 or not self.is_noun(body[i - 1])):
                problems.append(f"{sentence!r}: {word} does not follow a noun")
            if key(word) == "tanu" and (i == 0 or not self.is_place(body[i - 1])):
                problems.append(f"{sentence!r}: tanu does not follow a place")
            if key(word) in QUESTION_WORDS and kind != "question":
                problems.append(f"{sentence!r}: {word} asks, but the sentence is no question")
        return problems

    def body(self, sentence):
        """The words before the ending, the last with -lo or -wo taken off,
        and the kind of sentence: statement, question, request or None."""
        words = sentence.split()
        last = key(words[-1])
        if last == "yelo":
            return words[:-1], "statement"
        if last == "hwo":
            return words[:-1], "question"
        for form in self.readings(words[-1]):
            if form.ending:
                bare = self.spell(Form(form.root, form.marker, form.negative))
                bare = bare[:1].upper() + bare[1:] if words[-1][:1].isupper() else bare
                return words[:-1] + [bare], "statement" if form.ending == "lo" else "request"
        return words, None

    def ways_to_write(self, text):
        """Every way the rules write what `text` says: a statement with yelo
        apart or joined as -lo, after -lo with or without its full stop."""
        body, kind = self.body(text)
        one_sentence = not re.search(r"[.?]", text.rstrip(".?"))
        if kind != "statement" or not one_sentence or self.sentence_problems(text):
            return [text]
        head = " ".join(body)
        ways = [f"{head} yelo."]
        if self.is_verb(body[-1]):
            ways += [f"{head}lo.", f"{head}lo"]
        return sorted(set(ways), key=lambda w: (w != text, w))


def english_verb(sense, who, negative):
    """'be full', 'I', True -> 'I am not full'; 'see/saw', 'you' -> 'you see,
    you saw'; 'have eaten enough', 'I', True -> "I haven't eaten enough"."""
    present, _, past = sense.partition("/")
    head, _, rest = present.partition(" ")
    plural = who != "I"
    if head == "be":
        verb = f"{'are' if plural else 'am'}{' not' if negative else ''} {rest}"
    elif head == "have" and rest.split(" ")[0] in PARTICIPLES:
        verb = f"{NOT['have'] if negative else 'have'} {rest}"
    elif head == "would":
        verb = f"{NOT['would'] if negative else 'would'} {rest}"
    else:
        verb = f"don't {present}" if negative else present
    said = f"{who} {verb}"
    if past:
        said += f", {who} didn't {present}" if negative else f", {who} {past}"
    return said
