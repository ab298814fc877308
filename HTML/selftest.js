// The self-test: rounds from one word group or all, in one of its ways or
// drills. Each group keeps a shuffled deck while the page is open, so a round takes
// items not had yet until the whole group has come up. Decks, the round and
// its misses live in this script's variables alone; the page never stores
// anything.
'use strict';

(() => {
    const $ = id => document.getElementById(id);
    const items = JSON.parse($('selftest-items').textContent);
    const setup = $('setup'), group = $('group'), length = $('length'), round = $('round');
    const title = $('question-title'), question = $('question'), feedback = $('feedback');
    const nextStep = $('next-step'), setupNote = $('setup-note');
    const result = $('result'), score = $('score'), missedPart = $('missed-part');
    const missedList = $('missed'), retry = $('retry');
    const decks = new Map(); // group and whether asked by ear -> items still to come
    let state = null; // the round being played: mode, group, questions, index, right, missed
    let ended = null; // the round just ended: mode, group, missed
    const {element, button, orvani, said, sounds} = selfTestKit;
    const say = text => orvaniStudy.say(text);
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
    // A drill's items are its own; the other ways ask the lexicon's.
    const draw = (name, mode, count) => {
        const byEar = mode === 'listen', drill = mode.startsWith('drill-') ? mode.slice(6) : undefined;
        const all = items.filter(item => (!name || item.group === name) && (!byEar || item.byEar)
                                 && item.drill === drill);
        const key = `${name} ${byEar} ${drill}`;
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
            setupNote.textContent = 'No word of this group can be asked by ear: choose another way to practise.';
            return;
        }
        begin(mode, group.value, questions);
    };

    const begin = (mode, name, questions) => {
        state = {mode, group: name, questions, first: questions.length, index: 0, right: 0, missed: []};
        setup.hidden = result.hidden = true;
        score.textContent = feedback.textContent = setupNote.textContent = '';
        round.hidden = false;
        ask();
    };

    const ask = () => {
        const item = state.questions[state.index];
        title.textContent = `Question ${state.index + 1} of ${state.questions.length}`
            + (state.index < state.first ? '' : ' (again)');
        question.replaceChildren();
        nextStep.replaceChildren();
        question.dataset.item = items.indexOf(item);
        const way = state.mode.startsWith('drill-') ? 'type-orvani' : state.mode;
        ({'listen': askByEar, 'type-orvani': askToType, 'dictation': askToType, 'choose-orvani': askByEar}[way]
         || askToRecall)(item);
    };

    // A miss is scored once, and asked again at the end of the round.
    const scored = (item, right) => {
        if (state.index >= state.first)
            return;
        state.right += right;
        if (!right) {
            state.missed.push(item);
            state.questions.push(item);
        }
    };
    const kindOf = item => ({phrase: 'sentence', part: 'word part'}[item.kind] || 'word');

    const nextButton = () => {
        const next = button(state.index + 1 < state.questions.length ? 'Next question' : 'See your score',
                            advance);
        nextStep.append(next);
        next.focus();
    };

    // Wrong choices are fair: of the item's kind (word, word part, sentence),
    // capitalised as it is, each of a meaning of its own. Where the answer
    // ends a sentence they do too, with its mark; where it does not, their
    // marks are dropped.
    // They come from the item's group where it has enough, else from all.
    const canStandBeside = (answer, other) => other.kind === answer.kind
        && other.capital === answer.capital && other.meaning !== answer.meaning
        && (other.end === answer.end || !answer.sentence);
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

    // Listen, choose the English; or see the English, choose the Orvani.
    const askByEar = item => {
        const byEar = state.mode === 'listen';
        const choices = element('div', {class: 'choices', role: 'group', 'aria-labelledby': 'choose'});
        for (const {choice, text} of choicesFor(item)) {
            choices.append(button(byEar ? text : choice.orvani, () => choose(item, choice, choices),
                                  {'data-meaning': choice.meaning, ...(byEar ? {} : {lang: 'x-orvani'})}));
        }
        if (!byEar) {
            question.append(element('p', {class: 'prompt', id: 'prompt'}, item.english),
                            element('p', {id: 'choose'}, `Which Orvani ${kindOf(item)} is it?`), choices);
            choices.querySelector('button').focus();
            return;
        }
        const listen = sounds(item, false);
        question.append(element('p', {}, listen), element('p', {id: 'choose'}, 'Which English is it?'),
                        choices);
        playFocused(listen);
    };
    // The question's sound, played within the key or click that brought it
    // (the engine refuses sound that no user action started).
    const playFocused = listen => {
        listen.querySelector('button').setAttribute('aria-describedby', 'question-title');
        listen.querySelector('button').focus();
        if (byUser)
            listen.querySelector('button').click();
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
        if (state.mode === 'dictation') {
            const listen = sounds(item, false);
            question.append(element('p', {}, listen), element('p', {class: 'hint', id: 'prompt'},
                                                              `Type the ${kindOf(item)} you hear in Orvani:`), form);
            playFocused(listen);
        } else if (item.drill) {
            question.append(element('p', {class: 'hint'}, `${item.task}:`),
                            element('p', {class: 'prompt', id: 'prompt'},
                                    orvani(item.prompt, {'data-sound': item.promptSound}), ' ',
                                    sounds({orvani: item.prompt, sound: item.promptSound}, true)), form);
        } else {
            question.append(element('p', {class: 'hint'}, `Type the ${kindOf(item)} in Orvani:`),
                            element('p', {class: 'prompt', id: 'prompt'}, item.english), form);
        }
        field.focus();
    };

    const answerTyped = (item, typed) => {
        const {accepted, exact, slips, way, meant} = orvaniJudge.judge(item, typed);
        scored(item, accepted);
        const verdict = exact ? 'Right.' : accepted ? `Right, with a small slip (${slips.join(', ')}).`
            : typed.trim() ? 'Not quite.' : 'Not answered.';
        const means = meant && ` means “${meant}”${/[.?!]$/.test(meant) ? '' : '.'}`;
        feedback.replaceChildren(verdict, ...(meant ? [' ', orvani(typed.trim()), means] : []));
        question.append(element('p', {class: 'answer'}, element('span', {class: 'small'}, 'Answer: '),
                                said(item), ' ', sounds(item, true)));
        const compared = !exact && typed.trim() && orvaniJudge.difference(typed.trim(), way, element);
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
        const hint = fromEnglish ? `Say the ${kindOf(item)} in Orvani:` : 'What does it mean?';
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
        const {mode, group: name, right, first, missed} = state;
        state = null;
        ended = {mode, group: name, missed};
        round.hidden = true;
        question.replaceChildren();
        score.textContent = `You ${mode.startsWith('recall-') ? 'knew' : 'got'} `
            + `${right} of ${first}.`;
        missedList.replaceChildren(...missed.map(item => element('li', {},
            said(item), ` “${item.english}” `, sounds(item, true))));
        missedPart.hidden = retry.hidden = !missed.length;
        retry.textContent = missed.length === 1 ? 'Practise the missed one'
            : `Practise the ${missed.length} missed`;
        result.hidden = false;
        feedback.textContent = '';
        say(`Round over. ${score.textContent} `
            + (missed.length ? `${missed.length} to practise again, listed below.` : 'Nothing missed.'));
        (missed.length ? retry : $('again')).focus();
    };

    let byUser = false; // whether the event being handled came from the user
    document.addEventListener('click', event => { byUser = event.isTrusted; }, true);

    // Keys 1 to 4 pick a choice.
    document.addEventListener('keydown', event => {
        const choices = state && [...question.querySelectorAll('.choices button:not([disabled])')];
        const n = Number(event.key);
        if (choices && n >= 1 && n <= choices.length && !event.target.closest('input, select')) {
            event.preventDefault();
            choices[n - 1].click();
        }
    });

    $('start').addEventListener('click', startFromSetup);
    $('again').addEventListener('click', startFromSetup);
    retry.addEventListener('click', () => begin(ended.mode, ended.group, shuffled(ended.missed)));
    $('change').addEventListener('click', () => {
        result.hidden = true;
        score.textContent = feedback.textContent = setupNote.textContent = '';
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
