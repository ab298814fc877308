"""The self-test page, built from the lexicon as the dictionaries are; its
script HTML/selftest.js is kept by hand."""

import json
import re

from pagekit import esc


def with_head(text, styles, scripts):
    """A page of make-pages.py with these style sheets and scripts added."""
    extra = "".join(f'<link rel="stylesheet" href="{name}">\n' for name in styles) + "".join(
        f'<script src="{name}" defer></script>\n' for name in scripts)
    return text.replace("</head>", extra + "</head>", 1)


def group_slug(caption):
    return re.sub(r"[^a-z0-9]+", "-", caption.casefold()).strip("-")


def selftest_page(lexicon, group_of_page, page):
    """Items of a group: the lines taught on one of its lesson pages. Lines
    taught only on other pages (the syntax notes) are in 'All groups' alone."""
    items = [{"orvani": line["orvani"], "english": line["english"], "sound": line["audio"],
              "group": group_slug(group_of_page.get(line["lesson"], ""))} for line in lexicon]
    captions = sorted(set(group_of_page.values()))
    options = [f'<option value="">All groups ({len(items)})</option>'] + [
        f'<option value="{group_slug(c)}">{esc(c)} '
        f'({sum(1 for i in items if i["group"] == group_slug(c))})</option>' for c in captions]
    data = json.dumps(items, ensure_ascii=False, separators=(",", ":")).replace("</", "<\\/")
    body = f"""
<h1>Self-test</h1>
<p class="lead">Test yourself on one group of words or on all of them. Each round is freshly shuffled. Nothing is saved: your score is shown at the end of the round and then forgotten.</p>
<div id="setup" class="setup">
<p><label for="group">Words from</label>
<select id="group">{"".join(options)}</select></p>
<fieldset><legend>How to practise</legend>
<label><input type="radio" name="mode" value="listen" checked> Listen, then choose the English</label>
<label><input type="radio" name="mode" value="recall-orvani"> See the English, recall the Orvani</label>
<label><input type="radio" name="mode" value="recall-english"> See the Orvani, recall the English</label>
</fieldset>
<p><button type="button" id="start">Start a round</button></p>
</div>
<section id="round" class="round" aria-labelledby="question-title" hidden>
<h2 id="question-title"></h2>
<div id="question"></div>
</section>
<p id="feedback" class="feedback" role="status"></p>
<section id="result" class="result" aria-labelledby="result-title" hidden>
<h2 id="result-title">Round over</h2>
<p id="score"></p>
<p><button type="button" id="again">Another round</button> <button type="button" id="change">Change group or practice</button></p>
</section>
<p class="small">Look words up in the dictionaries: <a href="english.htm">English to Orvani</a>, <a href="orvani.htm">Orvani to English</a>.</p>
<script type="application/json" id="selftest-items">{data}</script>
"""
    return with_head(page("Self-test", "Self-test", body, "selftest-page"),
                     ("study.css",), ("study.js", "selftest.js"))


