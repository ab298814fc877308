// Pieces of the self-test's questions: elements, buttons, Orvani texts and
// their sound buttons (played by study.js).
'use strict';

const selfTestKit = (() => {
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

    return {element, button, orvani, said, sounds};
})();
