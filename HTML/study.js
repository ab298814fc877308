// Play buttons and the dictionary filter. Nothing here keeps anything: no
// storage, no cookies; the page forgets all when it is left.
'use strict';

// Any button with data-sound plays that file, at its data-rate if it has one
// (Slower: 0.6). A Slower button without data-sound plays its player's
// <audio> slower; the player is back at its normal speed when it ends. A
// sound that cannot play (missing or broken file) is said on the page beside
// its button, and through a live region; say() speaks through the same region.
const orvaniStudy = (() => {
    let playing = null;
    // Made at once: a live region filled in the moment it appears is not read.
    const notice = document.createElement('p');
    notice.className = 'sr-only';
    notice.setAttribute('role', 'status');
    document.body.append(notice);
    const say = text => {
        notice.textContent = text;
    };
    const problemOf = player => player.querySelector('.sound-problem');
    const failed = (button, error) => {
        // Paused for the next sound, or refused by the engine as no key or
        // click started it: nothing is wrong with the sound.
        if (error && (error.name === 'AbortError' || error.name === 'NotAllowedError'))
            return;
        const player = button.closest('.player') || button.parentElement;
        button.classList.add('no-sound');
        if (!problemOf(player)) {
            const problem = document.createElement('span');
            problem.className = 'sound-problem';
            problem.textContent = 'This sound cannot be played.';
            player.append(problem);
        }
        say('This sound cannot be played.');
    };
    const cleared = button => {
        const player = button.closest('.player') || button.parentElement;
        button.classList.remove('no-sound');
        problemOf(player)?.remove();
        say('');
    };
    const start = (audio, button) => {
        cleared(button);
        audio.currentTime = 0;
        audio.playbackRate = Number(button.dataset.rate || 1);
        audio.play().catch(error => failed(button, error));
    };
    const play = button => {
        if (playing)
            playing.pause();
        playing = new Audio(button.dataset.sound);
        playing.addEventListener('error', () => failed(button));
        start(playing, button);
    };
    document.addEventListener('click', event => {
        const button = event.target.closest('button[data-sound]');
        if (button)
            return play(button);
        const slower = event.target.closest('.player button[data-rate]');
        const audio = slower?.closest('.player').querySelector('audio');
        if (audio)
            start(audio, slower);
    });
    document.addEventListener('ended', event => { event.target.playbackRate = 1; }, true);
    document.addEventListener('error', event => {
        const slower = event.target.closest?.('.player')?.querySelector('button[data-rate]');
        if (event.target instanceof HTMLAudioElement && slower)
            failed(slower);
    }, true);
    return {say};
})();

// The dictionary filter: rows narrow as one types; the count is announced.
// A line filed under several words is shown once while filtering: under the
// word that starts with what was typed, else under its first word.
(() => {
    const field = document.getElementById('filter');
    if (!field)
        return;
    const count = document.getElementById('filter-count');
    const noMatch = document.getElementById('no-match');
    const rows = [...document.querySelectorAll('tr[data-entry]')];
    const sections = [...document.querySelectorAll('section.letter')];
    // A row's words: its Orvani and English, never the labels of its buttons.
    const texts = new Map(rows.map(row => [row, [...row.querySelectorAll('td:not(.sound)')]
        .map(cell => cell.textContent).join(' ').toLocaleLowerCase()]));
    const entries = n => `${n} ${n === 1 ? 'entry' : 'entries'}`;

    const apply = () => {
        const typed = field.value.trim().toLocaleLowerCase();
        const byKey = new Set(typed ? rows.filter(row => row.dataset.key.startsWith(typed))
                                          .map(row => row.dataset.entry) : []);
        const placed = new Set();
        let visible = 0;
        for (const row of rows) {
            const entry = row.dataset.entry;
            const show = !typed || (!placed.has(entry) && (byKey.has(entry)
                ? row.dataset.key.startsWith(typed)
                : row.hasAttribute('data-first') && texts.get(row).includes(typed)));
            if (show)
                placed.add(entry);
            row.hidden = !show;
            visible += show;
        }
        for (const section of sections) {
            section.hidden = !section.querySelector('tr[data-entry]:not([hidden])');
            const jump = jumps.get(section.querySelector('h2').id);
            if (section.hidden)
                jump.removeAttribute('href');
            else
                jump.setAttribute('href', '#' + jump.dataset.letter);
            jump.setAttribute('aria-disabled', String(section.hidden));
        }
        noMatch.hidden = visible > 0;
        count.textContent = entries(typed ? visible : Number(count.dataset.total));
    };

    const jumps = new Map([...document.querySelectorAll('.letters a[data-letter]')]
                          .map(jump => [jump.dataset.letter, jump]));
    field.addEventListener('input', apply);
})();
