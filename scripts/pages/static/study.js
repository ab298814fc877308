// Play buttons and the dictionary filter. Nothing here keeps anything: no
// storage, no cookies; the page forgets all when it is left.
'use strict';

// Any button with data-sound plays that file when pressed. A sound that
// cannot play (missing file, no gesture) is said in words instead; say()
// speaks through the same hidden live region.
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
    const play = button => {
        if (playing)
            playing.pause();
        playing = new Audio(button.dataset.sound);
        button.classList.remove('no-sound');
        say('');
        playing.play().catch(() => {
            button.classList.add('no-sound');
            say('This sound cannot be played.');
        });
    };
    document.addEventListener('click', event => {
        const button = event.target.closest('button[data-sound]');
        if (button)
            play(button);
    });
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
    const texts = new Map(rows.map(row => [row, row.textContent.toLocaleLowerCase()]));
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
