// Probes that tst_selftestinengine runs inside the self-test page: they read
// what a question shows and play whole rounds by clicks where keys would be
// slow. Each returns a list of problems, empty when all is well.
'use strict';

window.t = {
    items: JSON.parse(document.getElementById('selftest-items').textContent),
    q: () => document.getElementById('question'),
    text: id => document.getElementById(id).textContent,
    inRound: () => !document.getElementById('round').hidden,
    letters: s => s.toLowerCase().replace(/[^\p{L}\p{N}]/gu, ''),
    written: s => s.toLowerCase().replace(/[^\p{L}\p{N}\s]/gu, '').split(/\s+/).filter(Boolean).join(' '),

    // The item of the question shown.
    asked: () => t.items[Number(t.q().dataset.item)],

    // Sets up a round and leaves the focus on Start.
    choose(mode, group, length) {
        document.querySelector(`[value="${mode}"]`).checked = true;
        document.getElementById('group').value = group;
        document.getElementById('length').value = length;
        document.getElementById('start').focus();
    },

    start(mode, group, length) {
        t.choose(mode, group, length);
        document.getElementById('start').click();
    },

    next: () => document.querySelector('#next-step button').click(),

    // Rounds of all of every group by ear, each answered with the first
    // choice: four choices written apart, the answer among them, all of its
    // kind and style; and each round holds every item of its group once.
    choicesOfEveryGroup() {
        const problems = [], ends = s => /[.?!]$/.test(s.replace(/\s*\([^)]*\)$/, ''));
        for (const group of [...document.getElementById('group').options].map(o => o.value)) {
            for (let pass = 0; pass < 2; pass++) {
                t.start('listen', group, 'all');
                const seen = new Set(), wanted = t.items.filter(i => i.byEar && (!group || i.group === group));
                for (; t.inRound(); t.next()) {
                    const item = t.asked(), labels = [...t.q().querySelectorAll('.choices button')]
                        .map(b => b.textContent);
                    const where = `${group}: ${item.orvani}: ${labels.join(' / ')}`;
                    const kinds = labels.map(l => t.items.filter(i => t.written(i.english) === t.written(l))
                        .map(i => i.kind));
                    seen.add(item);
                    if (labels.length !== 4 || new Set(labels.map(t.written)).size !== 4)
                        problems.push('not four choices written apart: ' + where);
                    if (!labels.some(l => t.written(l) === t.written(item.english)))
                        problems.push('no right answer: ' + where);
                    if (!kinds.every(k => k.includes(item.kind)))
                        problems.push('a choice of another kind: ' + where);
                    if (new Set(labels.map(l => /^[A-Z]/.test(l))).size > 1 || new Set(labels.map(ends)).size > 1)
                        problems.push('choices of mixed style: ' + where);
                    t.q().querySelector('.choices button').click();
                }
                if (seen.size !== wanted.length)
                    problems.push(`a round of all of "${group}" held ${seen.size} of ${wanted.length}`);
            }
        }
        return problems;
    },

    // A round of all phrases typed: `typing(item)` gives what to type and a
    // pattern of the verdict it earns. A difference must be shown exactly
    // where a taken answer was not exact, and the score count each once.
    typedRound(typing) {
        const problems = [];
        let taken = 0;
        for (t.start('type-orvani', 'phrases', 'all'); t.inRound(); t.next()) {
            const item = t.asked(), [typed, verdict] = typing(item), field = t.q().querySelector('input');
            field.value = typed;
            field.form.requestSubmit();
            field.form.requestSubmit(); // sent twice, counted once
            taken += /^Right/.test(t.text('feedback'));
            const said = t.text('feedback'), shown = !!t.q().querySelector('.difference');
            if (!new RegExp(verdict).test(said))
                problems.push(`${typed}: ${said}`);
            if (shown !== !/^Right\.$/.test(said) && !/^Not quite/.test(said))
                problems.push(`${typed}: ${shown ? 'a difference shown' : 'no difference shown'}`);
        }
        if (!t.text('score').startsWith(`You got ${taken} of `))
            problems.push(`${taken} taken, but the score says ${t.text('score')}`);
        return problems;
    },

    // What to type for an item in each way of typing, and the verdict it earns.
    typings: {
        'as written': i => [i.orvani, '^Right\\.$'],
        'case, punctuation, spaces': i => [i.orvani.toLowerCase().replace(/[.?]/g, '').replace(/ /g, '  ') + ' ',
            i.orvani.toLowerCase() === i.orvani ? '^Right' : '^Right, with a small slip \\(capital letters'],
        'one letter in a long word': i => [i.orvani.slice(0, 2) + 'q' + i.orvani.slice(3),
            t.letters(i.orvani).length >= 5 ? 'one letter\\)\\.$' : '^Not quite'],
        'two letters': i => ['qq' + i.orvani.slice(2), '^Not quite'],
        // Answers the rules judge: other forms are wrong, and what they mean is
        // said; other ways of writing the same statement are right.
        'by the rules': i => t.byTheRules[i.orvani] || [i.orvani, '^Right\\.$'],
        // A slip that makes another form of the lexicon, as omapi for imapi.
        'another form one letter away': i => (o => o ? [o.orvani, '^Not quite'] : [i.orvani, '^Right'])(
            t.items.find(o => o !== i && t.letters(o.orvani).length === t.letters(i.orvani).length
                && [...t.letters(o.orvani)].filter((c, n) => c !== t.letters(i.orvani)[n]).length === 1)),
    },

    byTheRules: {
        'Omapisni yelo.': ['Imapisni yelo.', '^Not quite\\. Imapisni yelo\\. means “I\'m not full\\.”$'],
        'Ikepi hwo?': ['Okepi hwo?', 'means “okepi: you feel good; hwo: ends a question”'],
        'Imapi hwo?': ['Omapi hwo?', 'means “omapi: I feel good; hwo: ends a question”'],
        'He tahu hwo?': ['He tanu hwo?', 'means “he: it; tanu: from \\(after the place\\); hwo'],
        'Kowe tanu ketevo hwo?': ['Kowe tanu kehiyu hwo?', 'means “Where do you come from\\?”'],
        'Iyuskinyan wancinyankelo': ['Iyuskinyan wancinyankelo.', '^Right\\.$'],
        'Ake iyuskinyan wancinyankelo.': ['Ake iyuskinyan wancinyanke yelo.', '^Right\\.$'],
        'Masukasni yelo.': ['Masukasnilo', '^Right\\.$'],
        'Tawisu mayun yelo.': ['tawisu mayun yelo', '^Right, with a small slip \\(capital letters, punctuation\\)'],
    },

    // Four rounds of five of the fifteen animals: the first three hold all
    // fifteen, each round five apart.
    walkThroughAnimals() {
        const asked = [];
        for (let round = 0; round < 4; round++) {
            for (t.start('recall-english', 'animals', '5'); t.inRound();) {
                asked.push(t.asked().orvani);
                t.q().querySelector('button:not([data-sound])').click();
                t.q().querySelector('.judge button').click();
            }
        }
        const apart = list => new Set(list).size;
        return apart(asked.slice(0, 15)) === 15 && apart(asked.slice(15)) === 5
            && t.items.filter(i => i.group === 'animals').length === 15
            ? [] : ['rounds of animals asked ' + asked.join(', ')];
    },


    // The speed the last sound played at, if it was the question's sound.
    played: [],
    playing: () => (([src, rate] = []) => src?.endsWith(t.asked().sound) && String(rate))(t.played.at(-1)),
};

const play = HTMLMediaElement.prototype.play;
HTMLMediaElement.prototype.play = function () {
    t.played.push([this.src, this.playbackRate]);
    return play.call(this);
};
