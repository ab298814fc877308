// The self-test's judge of typed Orvani. The page carries, made with it from
// the model of Orvani: each item's ways of being written right, the meaning
// of every word form the rules make and of every sentence the pages show.
// An answer is right when it is one of the item's ways, allowing slips of
// case, punctuation and spaces; another form of the rules is wrong, and
// what it means is said; one letter wrong, missing, extra or swapped is a
// slip only where it makes no word form of the rules.
'use strict';

const orvaniJudge = (() => {
    const model = JSON.parse(document.getElementById('selftest-model').textContent);
    const letters = text => text.toLocaleLowerCase().replace(/[^\p{L}\p{N}]/gu, '');
    const words = text => text.toLocaleLowerCase().replace(/[^\p{L}\p{N}\s]/gu, '').split(/\s+/)
        .filter(Boolean);
    const oneLetterApart = (a, b) => {
        let i = 0;
        while (i < a.length && a[i] === b[i])
            i++;
        const [x, y] = [a.slice(i), b.slice(i)];
        return x !== y && (x.slice(1) === y.slice(1) || x.slice(1) === y || y.slice(1) === x
                           || (x[0] === y[1] && x[1] === y[0] && x.slice(2) === y.slice(2)));
    };

    // What a typed text means by the rules: a sentence of the pages, or each
    // of its words; null where a word is no form the rules make.
    const meaning = typed => {
        const sentence = model.sentences[letters(typed)];
        if (sentence)
            return sentence;
        const glossed = words(typed).map(w => [w, model.glosses[w]]);
        if (!glossed.length || glossed.some(([, gloss]) => !gloss))
            return null;
        return glossed.map(([w, gloss]) => `${w}: ${gloss}`).join('; ');
    };

    const slipsAgainst = (way, typed) => {
        const punctuation = s => s.replace(/[\p{L}\p{N}\s]/gu, '');
        const slips = [];
        if (way.replace(/[^\p{L}]/gu, '') !== typed.replace(/[^\p{L}]/gu, ''))
            slips.push('capital letters');
        if (punctuation(way) !== punctuation(typed))
            slips.push('punctuation');
        if (words(way).join(' ') !== words(typed).join(' '))
            slips.push('spaces');
        return slips;
    };

    // {accepted, exact, slips, way: the right way nearest the typing, meant:
    // what a wrong typing means by the rules, if anything}.
    const judge = (item, typed) => {
        const t = letters(typed), trimmed = typed.trim();
        if (item.right.includes(trimmed))
            return {accepted: true, exact: true, slips: [], way: trimmed};
        const way = item.right.find(w => letters(w) === t);
        if (way)
            return {accepted: true, exact: false, slips: slipsAgainst(way, trimmed), way};
        const meant = meaning(typed);
        const near = !meant && item.right.find(w => letters(w).length >= 5 && oneLetterApart(letters(w), t));
        if (near)
            return {accepted: true, exact: false, slips: ['one letter'], way: near};
        return {accepted: false, exact: false, slips: [], way: item.right[0], meant};
    };

    // The typed text against the answer, letter by letter, case aside: letters
    // only typed are marked as extra, letters only in the answer as missing.
    // Null when they have too little in common for that to help.
    const difference = (typed, answer, element) => {
        const [m, n] = [typed.length, answer.length];
        const same = (i, j) => typed[i].toLocaleLowerCase() === answer[j].toLocaleLowerCase();
        const common = Array.from({length: m + 1}, () => new Array(n + 1).fill(0));
        for (let i = m - 1; i >= 0; i--)
            for (let j = n - 1; j >= 0; j--)
                common[i][j] = same(i, j) ? common[i + 1][j + 1] + 1
                                          : Math.max(common[i + 1][j], common[i][j + 1]);
        const out = [];
        const add = (kind, ch) => {
            const last = out[out.length - 1];
            if (last && last.kind === kind)
                last.text += ch;
            else
                out.push({kind, text: ch});
        };
        let [i, j] = [0, 0];
        while (i < m || j < n) {
            if (i < m && j < n && same(i, j)) {
                add('same', answer[j++]);
                i++;
            } else if (j < n && (i === m || common[i][j + 1] >= common[i + 1][j])) {
                add('missing', answer[j++]);
            } else {
                add('extra', typed[i++]);
            }
        }
        if (common[0][0] < 0.6 * Math.max(m, n))
            return null;
        return element('p', {class: 'difference', lang: 'x-orvani'}, ...out.map(({kind, text}) =>
            kind === 'same' ? text
            : element(kind === 'extra' ? 'del' : 'ins', {},
                      element('span', {class: 'sr-only', lang: 'en'}, kind === 'extra' ? ' extra ' : ' missing '),
                      text)));
    };

    return {judge, difference, meaning};
})();
