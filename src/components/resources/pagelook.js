// The look the runner and the editor's preview give a page, from their own script world:
// the page file stays as it is, and no script of the page is needed. A page that names no
// style sheet of its own is shown in the System theme, put first so that whatever the page
// itself says (its properties, its own style rules) still wins. An item without an icon is
// marked with its initial, which a theme draws where the icon would be.
(function () {
    'use strict';
    if (window.top !== window)
        return;
    var Theme = @THEME@[0];
    var DefaultIconSize = 32; // the editor's default, for a section without any icon

    function namesStyleSheet() {
        return document.querySelector('link[rel~="stylesheet" i]') !== null;
    }

    var themed = null; // the style element, while the page has it
    var decided = false;
    // Decided as soon as the head has been read (the body begins), before anything is drawn.
    function decide() {
        if (decided || !document.body)
            return;
        decided = true;
        watch.disconnect();
        if (namesStyleSheet())
            return;
        themed = document.createElement('style');
        themed.textContent = Theme;
        var head = document.head || document.documentElement;
        head.insertBefore(themed, head.firstChild);
    }
    var watch = new MutationObserver(decide);
    watch.observe(document, {childList: true, subtree: true});

    // The icons of an item's section say how big its initial is and where it stands.
    function iconOf(table, known) {
        if (!known.has(table)) {
            var img = table && table.querySelector('td > a > img[width]');
            known.set(table, img ? {
                size: parseInt(img.getAttribute('width'), 10) || DefaultIconSize,
                beside: !(img.nextElementSibling && img.nextElementSibling.localName === 'br')
            } : {size: DefaultIconSize, beside: false});
        }
        return known.get(table);
    }

    // Every item of a section with icons beside is marked, so that a theme lines up the
    // icon (or initial) and the description the same way in each card.
    function markItems() {
        var known = new Map();
        document.querySelectorAll('td > a[href]').forEach(function (link) {
            var icon = iconOf(link.closest('table'), known);
            if (icon.beside)
                link.setAttribute('data-quintor-beside', '');
            if (link.querySelector('img'))
                return;
            // Its first letter or digit: "(old) Tools" is a T, not a bracket.
            var letter = /[\p{L}\p{N}]/u.exec(link.textContent);
            link.setAttribute('data-quintor-initial', letter ? letter[0].toUpperCase() : '\u2022');
            link.style.setProperty('--quintor-icon-size', icon.size + 'px');
        });
    }

    // A theme makes the whole page light or dark (its colour scheme), and so the engine's
    // own text and link colours. A page with a background colour of its own and not its
    // text or link colours would then show light text on its light colour, or dark on dark:
    // the page gets the scheme that suits its own background instead.
    function suitOwnBackground() {
        var body = document.body;
        if (!body || !body.hasAttribute('bgcolor') ||
            getComputedStyle(document.documentElement).colorScheme === 'normal')
            return;
        var rgb = getComputedStyle(body).backgroundColor.match(/[\d.]+/g);
        if (!rgb || rgb.length < 3 || rgb[3] === '0')
            return;
        var light = 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2] >= 128;
        document.documentElement.style.setProperty('color-scheme', light ? 'light' : 'dark');
    }

    document.addEventListener('DOMContentLoaded', function () {
        decide();
        // A style sheet named further down counts as well.
        if (themed && namesStyleSheet())
            themed.remove();
        markItems();
        suitOwnBackground();
    });
    // The page's own style sheets may come after its content.
    window.addEventListener('load', suitOwnBackground);
})();
