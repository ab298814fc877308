"""The phrasebook exactly as the program is built with it.

The small program content/phrasebookjson.cpp prints the C++ tables as JSON;
the page and audio scripts read them through this module instead of keeping
a copy of their own.
"""

import json
import subprocess


def load(tool):
    """Runs the phrasebook program `tool` and returns its tables."""
    output = subprocess.run([str(tool)], check=True, capture_output=True, text=True).stdout
    return json.loads(output)


def file_of_tail(tail):
    """'\\HTML\\buffalo.html' -> 'buffalo.html'"""
    return tail.split("\\")[-1]


def tails(book):
    """Named tails -> file names: Intro -> intro.html, ..."""
    return {name: file_of_tail(tail) for name, tail in book["tails"].items()}


def title(english):
    """The English as the pages write it: the list's short note in braces
    spelled out as everywhere else, 'Come in. {to one}' -> 'Come in. (to one person)'."""
    return english.replace("{to one}", "(to one person)")


def entries(book):
    """Entries in table order as dicts: english (the list's text), title (as the
    pages write it), orvani ('' for page-only), page."""
    return [{"english": e["english"], "title": title(e["english"]), "orvani": e["orvani"] or "",
             "page": file_of_tail(e["page"])} for e in book["entries"]]


def group_of(book):
    """English text -> caption of its word group."""
    return {e["english"]: e["group"] for e in book["entries"]}
