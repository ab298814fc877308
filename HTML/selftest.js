// The self-test: rounds of up to ten questions from one word group or all,
// in one of three ways. The round lives in this script's variables alone and
// is dropped when it ends; the page never stores anything.
'use strict';

(() => {
    const $ = id => document.getElementById(id);
    const items = JSON.parse($('selftest-items').textContent);
    const setup = $('setup'), group = $('group'), round = $('round'), title = $('question-title');
    const question = $('question'), feedback = $('feedback'), result = $('result'), score = $('score');
    const roundLength = 10;
    let state = null; // the round being played: mode, questions, index, right

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
    const soundButton = (item, label) => item.sound
        ? element('button', {type: 'button', class: 'play with-text', 'data-sound': item.sound},
                  element('span', {class: 'play-icon', 'aria-hidden': 'true'}), ' ' + label)
        : '';

    const shuffled = list => {
        const copy = [...list];
        for (let i = copy.length - 1; i > 0; i--) {
            const j = Math.floor(Math.random() * (i + 1));
            [copy[i], copy[j]] = [copy[j], copy[i]];
        }
        return copy;
    };
    const inGroup = (name, needSound) =>
        items.filter(item => (!name || item.group === name) && (!needSound || item.sound));

    const groupFromAddress = () => {
        const wanted = decodeURIComponent(location.hash.slice(1));
        group.value = [...group.options].some(o => o.value === wanted) ? wanted : '';
    };

    const start = () => {
        const mode = document.querySelector('input[name="mode"]:checked').value;
        const questions = shuffled(inGroup(group.value, mode === 'listen')).slice(0, roundLength);
        if (!questions.length) {
            feedback.textContent = 'No word of this group has a sound yet: choose another way to practise.';
            return;
        }
        state = {mode, questions, index: 0, right: 0, group: group.value};
        setup.hidden = result.hidden = true;
        score.textContent = feedback.textContent = '';
        round.hidden = false;
        ask();
    };

    const ask = () => {
        const item = state.questions[state.index];
        title.textContent = `Question ${state.index + 1} of ${state.questions.length}`;
        question.replaceChildren();
        (state.mode === 'listen' ? askByEar : askToRecall)(item);
    };

    // Four English meanings, one of them right, the others from the same group
    // where it has enough, else from all.
    const choicesFor = item => {
        const others = list => [...new Set(list.map(i => i.english))].filter(e => e !== item.english);
        let wrong = shuffled(others(inGroup(state.group)));
        if (wrong.length < 3)
            wrong = wrong.concat(shuffled(others(items)).filter(e => !wrong.includes(e)));
        return shuffled([item.english, ...wrong.slice(0, 3)]);
    };

    const askByEar = item => {
        const play = soundButton(item, 'Play the sound');
        play.setAttribute('aria-describedby', 'question-title');
        const choices = element('div', {class: 'choices', role: 'group', 'aria-labelledby': 'choose'});
        for (const english of choicesFor(item)) {
            const pick = () => choose(item, english, choices);
            choices.append(button(english, pick, {'data-english': english}));
        }
        question.append(element('p', {}, play),
                        element('p', {id: 'choose'}, 'Which English is it?'), choices);
        play.focus();
    };

    const choose = (item, english, choices) => {
        const right = english === item.english;
        state.right += right;
        for (const b of choices.querySelectorAll('button')) {
            b.disabled = true;
            if (b.dataset.english === item.english)
                b.append(element('span', {class: 'mark right'}, ' right answer'));
            else if (b.dataset.english === english)
                b.append(element('span', {class: 'mark wrong'}, ' your answer'));
        }
        feedback.replaceChildren(right ? 'Right: ' : 'Not quite: ', orvani(item.orvani),
                                 ` means “${item.english}”.`);
        const next = button(state.index + 1 < state.questions.length ? 'Next question' : 'See your score',
                            advance);
        question.append(element('p', {}, next));
        next.focus();
    };

    const askToRecall = item => {
        const fromEnglish = state.mode === 'recall-orvani';
        const prompt = fromEnglish ? element('p', {class: 'prompt', id: 'prompt'}, item.english)
            : element('p', {class: 'prompt', id: 'prompt'}, orvani(item.orvani), ' ',
                      soundButton(item, 'Listen'));
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
                               ...(fromEnglish ? [orvani(item.orvani), ' ', soundButton(item, 'Listen')]
                                               : [item.english]));
        orvaniStudy.say(`Answer: ${fromEnglish ? item.orvani : item.english}`);
        const knew = button('I knew it', () => judge(true));
        const missed = button('I did not know it', () => judge(false));
        question.append(answer, element('p', {class: 'judge', role: 'group', 'aria-label': 'Did you know it?'},
                                        knew, ' ', missed));
        knew.focus();
    };

    const judge = knew => {
        state.right += knew;
        advance();
    };

    const advance = () => {
        state.index++;
        feedback.textContent = '';
        orvaniStudy.say('');
        if (state.index < state.questions.length)
            ask();
        else
            finish();
    };

    const finish = () => {
        const {mode, right, questions} = state;
        state = null;
        round.hidden = true;
        question.replaceChildren();
        score.textContent = `You ${mode === 'listen' ? 'got' : 'knew'} ${right} of ${questions.length}.`;
        result.hidden = false;
        feedback.textContent = 'Round over. ' + score.textContent;
        $('again').focus();
    };

    $('start').addEventListener('click', start);
    $('again').addEventListener('click', start);
    $('change').addEventListener('click', () => {
        result.hidden = true;
        score.textContent = feedback.textContent = '';
        setup.hidden = false;
        group.focus();
    });
    window.addEventListener('hashchange', groupFromAddress);
    groupFromAddress();
})();
