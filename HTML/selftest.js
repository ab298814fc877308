// The self-test: rounds from one word group or all, in one of four ways.
// Each group keeps a shuffled deck while the page is open, so a round takes
// items not had yet until the whole group has come up. Decks, the round and
// its misses live in this script's variables alone; the page never stores
// anything.
'use strict';

(() => {
    const $ = id => document.getElementById(id);
    const items = JSON.parse($('selftest-items').textContent);
    const setup = $('setup'), group = $('group'), length = $('length'), round = $('round');
    const title = $('question-title'), question = $('question'), feedback = $('feedback');
    const result = $('result'), score = $('score'), missedPart = $('missed-part');
    const missedList = $('missed'), retry = $('retry');
    const decks = new Map(); // group and whether asked by ear -> items still to come
    let state = null; // the round being played: mode, group, questions, index, right, missed
    let ended = null; // the round just ended: mode, group, missed

    const element = (tag, attributes = {}, ...children) => {
        const e = document.createElement(tag);
        for (const [name, value] of Object.entries(attributes))
            e.setAttribute(name, value);
        e.append(...children);
        return e;
    };
    const button = (text, onPress, attributes = {}) => {
        const b = element('button', {type: 'button', ...attributes}, text);
        b.addEventListener('click', onPress);
        return b;
    };
    const orvani = (text, attributes = {}) =>
        element('span', {class: 'orvani', lang: 'x-orvani', ...attributes}, text);
    // An item's Orvani, naming its sound as every Orvani text of the pages does.
    const said = item => orvani(item.orvani, item.sound ? {'data-sound': item.sound} : {});
    const say = text => orvaniStudy.say(text);

    // Listen and Slower for an item, played by study.js, which also says on
    // the page when a sound cannot play. `named` says its Orvani in the
    // labels (not while the question is to tell what it is).
    const sounds = (item, named) => {
        if (!item.sound)
            return '';
        const listen = named ? `Listen to ${item.orvani}` : 'Play the sound';
        const slower = named ? `Listen to ${item.orvani} slower` : 'Play the sound slower';
        return element('span', {class: 'player sounds'},
            element('button', {type: 'button', class: 'play with-text', 'data-sound': item.sound,
                               'aria-label': listen},
                    element('span', {class: 'play-icon', 'aria-hidden': 'true'}), ' Listen'),
            ' ',
            element('button', {type: 'button', class: 'slower', 'data-sound': item.sound,
                               'data-rate': '0.6', 'aria-label': slower}, 'Slower'));
    };

    const shuffled = list => {
        const copy = [...list];
        for (let i = copy.length - 1; i > 0; i--) {
            const j = Math.floor(Math.random() * (i + 1));
            [copy[i], copy[j]] = [copy[j], copy[i]];
        }
        return copy;
    };

    // The next `count` items of the group's deck. A spent deck is shuffled
    // anew, with the items of this round last, so none comes twice in a round
    // and each pass through the deck holds every item once.
    const draw = (name, mode, count) => {
        const byEar = mode === 'listen';
        const all = items.filter(item => (!name || item.group === name) && (!byEar || item.byEar));
        const key = `${name} ${byEar}`;
        if (!decks.has(key))
            decks.set(key, []);
        const deck = decks.get(key), drawn = [];
        while (drawn.length < Math.min(count, all.length)) {
            if (!deck.length)
                deck.push(...shuffled(all.filter(item => !drawn.includes(item))), ...shuffled(drawn));
            drawn.push(deck.shift());
        }
        return drawn;
    };

    const startFromSetup = () => {
        const mode = document.querySelector('input[name="mode"]:checked').value;
        const count = length.value === 'all' ? Infinity : Number(length.value);
        const questions = draw(group.value, mode, count);
        if (!questions.length) {
            feedback.textContent = 'No word of this group can be asked by ear: choose another way to practise.';
            return;
        }
        begin(mode, group.value, questions);
    };

    const begin = (mode, name, questions) => {
        state = {mode, group: name, questions, index: 0, right: 0, missed: []};
        setup.hidden = result.hidden = true;
        score.textContent = feedback.textContent = '';
        round.hidden = false;
        ask();
    };

    const ask = () => {
        const item = state.questions[state.index];
        title.textContent = `Question ${state.index + 1} of ${state.questions.length}`;
        question.replaceChildren();
        ({'listen': askByEar, 'type-orvani': askToType}[state.mode] || askToRecall)(item);
    };

    const scored = (item, right) => {
        state.right += right;
        if (!right)
            state.missed.push(item);
    };

    const nextButton = () => {
        const next = button(state.index + 1 < state.questions.length ? 'Next question' : 'See your score',
                            advance);
        question.append(element('p', {}, next));
        next.focus();
    };

    // Wrong choices are fair: of the item's kind (word, word part, sentence),
    // capitalised as it is, each of a meaning of its own. Where the answer
    // ends a sentence they do too; where it does not, their marks are dropped.
    // They come from the item's group where it has enough, else from all.
    const canStandBeside = (answer, other) => other.kind === answer.kind
        && other.capital === answer.capital && other.meaning !== answer.meaning
        && (other.sentence || !answer.sentence);
    const choicesFor = item => {
        const fair = items.filter(other => canStandBeside(item, other));
        const picked = [];
        for (const other of [...shuffled(fair.filter(o => o.group === item.group)),
                             ...shuffled(fair.filter(o => o.group !== item.group))]) {
            if (picked.length < 3 && !picked.some(p => p.meaning === other.meaning))
                picked.push(other);
        }
        return shuffled([item, ...picked]).map(choice =>
            ({choice, text: item.sentence ? choice.english : choice.bare}));
    };

    const askByEar = item => {
        const choices = element('div', {class: 'choices', role: 'group', 'aria-labelledby': 'choose'});
        for (const {choice, text} of choicesFor(item))
            choices.append(button(text, () => choose(item, choice, choices), {'data-meaning': choice.meaning}));
        const listen = sounds(item, false);
        question.append(element('p', {}, listen), element('p', {id: 'choose'}, 'Which English is it?'),
                        choices);
        listen.querySelector('button').setAttribute('aria-describedby', 'question-title');
        listen.querySelector('button').focus();
    };

    const choose = (item, choice, choices) => {
        const right = choice === item;
        scored(item, right);
        for (const b of choices.querySelectorAll('button')) {
            b.disabled = true;
            if (Number(b.dataset.meaning) === item.meaning)
                b.append(element('span', {class: 'mark right'}, ' right answer'));
            else if (Number(b.dataset.meaning) === choice.meaning)
                b.append(element('span', {class: 'mark wrong'}, ' your answer'));
        }
        feedback.replaceChildren(right ? 'Right: ' : 'Not quite: ', orvani(item.orvani),
                                 ` means “${item.english}”${/[.?!]$/.test(item.english) ? '' : '.'}`);
        nextButton();
    };

    // Typing: the answer is taken with slips of case, punctuation and spaces,
    // and with one letter wrong, missing, extra or swapped where that makes
    // no other Orvani form of the lexicon and the answer has five letters or more.
    const letters = text => text.toLocaleLowerCase().replace(/[^\p{L}\p{N}]/gu, '');
    const words = text => text.toLocaleLowerCase().replace(/[^\p{L}\p{N}\s]/gu, '').split(/\s+/)
        .filter(Boolean).join(' ');
    const oneLetterApart = (a, b) => {
        let i = 0;
        while (i < a.length && a[i] === b[i])
            i++;
        const [x, y] = [a.slice(i), b.slice(i)];
        return x !== y && (x.slice(1) === y.slice(1) || x.slice(1) === y || y.slice(1) === x
                           || (x[0] === y[1] && x[1] === y[0] && x.slice(2) === y.slice(2)));
    };
    const judgeTyped = (item, typed) => {
        const answer = item.orvani, [a, t] = [letters(answer), letters(typed)];
        const oneLetter = a.length >= 5 && oneLetterApart(a, t)
            && !items.some(other => other !== item && letters(other.orvani) === t);
        const punctuation = s => s.replace(/[\p{L}\p{N}\s]/gu, '');
        const slips = [];
        if (a === t && answer.replace(/[^\p{L}]/gu, '') !== typed.replace(/[^\p{L}]/gu, ''))
            slips.push('capital letters');
        if (punctuation(answer) !== punctuation(typed))
            slips.push('punctuation');
        if (words(answer).replace(/[^\p{L}\p{N}]/gu, '') === words(typed).replace(/[^\p{L}\p{N}]/gu, '')
            && words(answer) !== words(typed))
            slips.push('spaces');
        if (oneLetter)
            slips.push('one letter');
        return {accepted: a === t || oneLetter, exact: answer === typed.trim(), slips};
    };

    // The typed text against the answer, letter by letter: letters only typed
    // are marked as extra, letters only in the answer as missing. Null when
    // they have too little in common for that to help.
    const difference = (typed, answer) => {
        const [m, n] = [typed.length, answer.length];
        const common = Array.from({length: m + 1}, () => new Array(n + 1).fill(0));
        for (let i = m - 1; i >= 0; i--)
            for (let j = n - 1; j >= 0; j--)
                common[i][j] = typed[i] === answer[j] ? common[i + 1][j + 1] + 1
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
            if (i < m && j < n && typed[i] === answer[j]) {
                add('same', typed[i++]);
                j++;
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

    const askToType = item => {
        const field = element('input', {id: 'typed-answer', type: 'text', lang: 'x-orvani',
                                        autocomplete: 'off', autocapitalize: 'off', spellcheck: 'false',
                                        'aria-describedby': 'question-title prompt'});
        const check = element('button', {type: 'submit'}, 'Check');
        const form = element('form', {class: 'typed'},
                             element('label', {for: 'typed-answer'}, 'Your answer in Orvani'), ' ', field, ' ', check);
        form.addEventListener('submit', event => {
            event.preventDefault();
            if (field.readOnly) // answered already
                return;
            field.readOnly = true;
            check.disabled = true;
            answerTyped(item, field.value);
        });
        question.append(element('p', {class: 'hint'}, 'Type it in Orvani:'),
                        element('p', {class: 'prompt', id: 'prompt'}, item.english), form);
        field.focus();
    };

    const answerTyped = (item, typed) => {
        const {accepted, exact, slips} = judgeTyped(item, typed);
        scored(item, accepted);
        const verdict = exact ? 'Right.' : accepted ? `Right, with a small slip (${slips.join(', ')}).`
            : typed.trim() ? 'Not quite.' : 'Not answered.';
        feedback.textContent = verdict;
        question.append(element('p', {class: 'answer'}, element('span', {class: 'small'}, 'Answer: '),
                                said(item), ' ', sounds(item, true)));
        const compared = !exact && typed.trim() && difference(typed.trim(), item.orvani);
        if (compared)
            question.append(element('p', {class: 'small'}, 'Your answer against the right one:'), compared);
        else if (!exact && typed.trim())
            question.append(element('p', {class: 'small'}, 'You typed: ', orvani(typed.trim())));
        nextButton();
    };

    const askToRecall = item => {
        const fromEnglish = state.mode === 'recall-orvani';
        const prompt = fromEnglish ? element('p', {class: 'prompt', id: 'prompt'}, item.english)
            : element('p', {class: 'prompt', id: 'prompt'}, said(item), ' ', sounds(item, true));
        const show = button(fromEnglish ? 'Show the Orvani' : 'Show the English', () => {
            show.parentElement.remove();
            reveal(item, fromEnglish);
        }, {'aria-describedby': 'question-title prompt'});
        const hint = fromEnglish ? 'Say it in Orvani:' : 'What does it mean?';
        question.append(element('p', {class: 'hint'}, hint), prompt, element('p', {}, show));
        show.focus();
    };

    const reveal = (item, fromEnglish) => {
        const answer = element('p', {class: 'answer'}, element('span', {class: 'small'}, 'Answer: '),
                               ...(fromEnglish ? [said(item), ' ', sounds(item, true)]
                                               : [item.english]));
        say(`Answer: ${fromEnglish ? item.orvani : item.english}`);
        const knew = button('I knew it', () => judge(item, true));
        const missed = button('I did not know it', () => judge(item, false));
        question.append(answer, element('p', {class: 'judge', role: 'group', 'aria-label': 'Did you know it?'},
                                        knew, ' ', missed));
        knew.focus();
    };

    const judge = (item, knew) => {
        scored(item, knew);
        advance();
    };

    const advance = () => {
        state.index++;
        feedback.textContent = '';
        say('');
        if (state.index < state.questions.length)
            ask();
        else
            finish();
    };

    const finish = () => {
        const {mode, group: name, right, questions, missed} = state;
        state = null;
        ended = {mode, group: name, missed};
        round.hidden = true;
        question.replaceChildren();
        score.textContent = `You ${mode === 'listen' || mode === 'type-orvani' ? 'got' : 'knew'} `
            + `${right} of ${questions.length}.`;
        missedList.replaceChildren(...missed.map(item => element('li', {},
            said(item), ` “${item.english}” `, sounds(item, true))));
        missedPart.hidden = retry.hidden = !missed.length;
        retry.textContent = missed.length === 1 ? 'Practise the missed one'
            : `Practise the ${missed.length} missed`;
        result.hidden = false;
        feedback.textContent = `Round over. ${score.textContent} `
            + (missed.length ? `${missed.length} to practise again, listed below.` : 'Nothing missed.');
        (missed.length ? retry : $('again')).focus();
    };

    $('start').addEventListener('click', startFromSetup);
    $('again').addEventListener('click', startFromSetup);
    retry.addEventListener('click', () => begin(ended.mode, ended.group, shuffled(ended.missed)));
    $('change').addEventListener('click', () => {
        result.hidden = true;
        score.textContent = feedback.textContent = '';
        setup.hidden = false;
        group.focus();
    });
    const groupFromAddress = () => {
        const wanted = decodeURIComponent(location.hash.slice(1));
        group.value = [...group.options].some(o => o.value === wanted) ? wanted : '';
    };
    window.addEventListener('hashchange', groupFromAddress);
    groupFromAddress();
})();
