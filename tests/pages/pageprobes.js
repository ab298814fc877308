// Probes that tst_pagesinengine runs inside every page it loads.
'use strict';

window.probe = {
    // The page's problems and what it shows.
    inspect() {
        const d = document, audio = [...d.querySelectorAll('audio')], problems = [];
        if (audio.some(a => a.readyState < 1 && !a.error)) return 'sounds loading';
        const need = (ok, problem) => ok || problems.push(problem);
        need(d.compatMode === 'CSS1Compat' && d.characterSet === 'UTF-8', 'no doctype or UTF-8');
        need(d.documentElement.lang === 'en' && d.title.trim(), 'no <html lang=en> or no title');
        need(d.documentElement.scrollWidth <= d.documentElement.clientWidth, 'scrolls sideways');
        for (const link of d.querySelectorAll('link[rel="stylesheet"]')) need(link.sheet, 'style sheet not loaded: ' + link.href);
        for (const img of d.images) need(img.alt && img.naturalWidth, 'bad picture: ' + img.src);
        for (const svg of d.querySelectorAll('body svg:not(svg svg)'))
            need(svg.ariaLabel || svg.ariaHidden === 'true', 'picture without a text alternative');
        for (const a of audio)
            need(!a.error && a.duration > 0, `sound does not play: ${a.src} (${a.error?.message} ${a.readyState})`);
        const slower = audio.map(a => a.closest('.player')?.querySelector('button[data-rate="0.6"]'));
        need(slower.every(b => b), 'a player without its Slower button');
        slower[0]?.click();
        need(!audio.length || audio[0].playbackRate === 0.6, 'Slower does not slow its player');
        for (const o of d.querySelectorAll('.orvani')) need(o.lang === 'x-orvani', 'Orvani text not marked lang=x-orvani');
        // Each Orvani text outside a picture names its sound, played at both speeds.
        const said = [...d.querySelectorAll('[lang="x-orvani"]')].filter(e => !e.closest('svg') && !e.parentElement.closest('[lang="x-orvani"]'));
        for (const {dataset: {sound}, textContent} of said)
            need(sound && (d.querySelector(`audio[src="${sound}"]`) || [':not([data-rate="0.6"])', '[data-rate="0.6"]']
                .every(rate => d.querySelector(`button[data-sound="${sound}"]${rate}`))), 'no sound at two speeds: ' + textContent);
        return {problems, sounds: [...new Set(said.map(e => e.dataset.sound))]};
    },

    // Sets window.soundsLoaded to those of the sounds given that do not load,
    // tried six at a time: the engine holds only so many players at once.
    async loadSounds(list) { window.soundsLoaded = null;
        const one = src => new Promise(done => { const a = new Audio(src);
            a.onloadedmetadata = () => done(a.duration > 0 ? '' : src); a.onerror = () => done(src); });
        const queue = [...list], failed = [];
        await Promise.all([...Array(6)].map(async () => { while (queue.length) failed.push(await one(queue.shift())); }));
        window.soundsLoaded = failed.filter(Boolean); },

    // Every text as drawn, against what lies beneath (in a picture: the shape under
    // it), below WCAG AA: 4.5:1, large text 3:1.
    contrastFailures() { try {
        const rgba = s => { const m = (s.match(/[\d.]+/g) || [0, 0, 0, 0]).map(Number); return [...m.slice(0, 3), m[3] ?? 1]; };
        const over = (top, under) => top.slice(0, 3).map((c, i) => c * top[3] + under[i] * (1 - top[3]));
        const lum = rgb => rgb.map(c => (c /= 255) <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4)
                              .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
        const up = e => e ? [...up(e.parentElement), e] : [], css = getComputedStyle;
        const beneath = e => up(e).reduce((bg, el) => over(rgba(css(el).backgroundColor), bg), [255, 255, 255]);
        const failures = [], walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let node; (node = walker.nextNode());) {
            const e = node.parentElement, box = e.getBoundingClientRect(), style = css(e);
            if (!node.data.trim() || box.width <= 1 || box.height <= 1 || style.visibility === 'hidden') continue;
            const shape = e.closest('svg') && document.elementsFromPoint(box.x + box.width / 2, box.y + box.height / 2)
                .find(u => !u.contains(e) && u.closest('svg') && u.tagName !== 'text' && css(u).fill !== 'none');
            const bg = shape ? over(rgba(css(shape).fill), beneath(shape)) : beneath(e);
            const fg = rgba(e.closest('svg') ? style.fill : style.color);
            fg[3] *= up(e).reduce((o, el) => o * Number(css(el).opacity), 1);
            const [hi, lo] = [lum(over(fg, bg)), lum(bg)].sort((x, y) => y - x), got = (hi + 0.05) / (lo + 0.05);
            const size = parseFloat(style.fontSize), large = size >= 24 || (size >= 18.66 && style.fontWeight >= 700);
            if (got < (large ? 3 : 4.5)) failures.push(`${node.data.trim().slice(0, 30)}: ${got.toFixed(2)}:1`);
        }
        return failures; } catch (error) { return ['the check failed: ' + error]; } },

    // The controls that, focused once the keyboard is in use, show no focus mark of 2 pixels or more.
    unmarkedControls: () => [...document.querySelectorAll('a[href], button, input, select, [tabindex]')].filter(c =>
        c.getClientRects().length && (c.focus(), document.activeElement !== c || parseFloat(getComputedStyle(c).outlineWidth) < 2
            || getComputedStyle(c).outlineStyle === 'none')).map(c => c.outerHTML.slice(0, 60)),

    // The sounds played since, by address, or the reason a play failed.
    played: [],
    recordPlays() {
        const play = HTMLMediaElement.prototype.play;
        HTMLMediaElement.prototype.play = function () {
            const p = play.call(this);
            p.then(() => probe.played.push(this.src), e => probe.played.push(e.name));
            return p;
        };
    },

    // What the page says of sounds that failed, where it shows.
    soundProblems: () => [...document.querySelectorAll('.sound-problem')]
        .map(p => p.offsetHeight && p.textContent).join(),

    // The dictionary shows only rows holding `text`, `row` among them, and
    // its live count says how many.
    filterShows(text, row) {
        const rows = [...document.querySelectorAll('tr[data-entry]')].filter(r => r.offsetParent)
            .map(r => (r.cells[0].textContent + r.cells[1].textContent).toLowerCase());
        return rows.includes(row) && rows.every(r => r.includes(text))
            && rows.length === parseInt(document.getElementById('filter-count').textContent);
    },
};
