// Type to find, and the arrow keys, on a launcher page the editor built. Runs in the
// runner's own script world of the page itself, after linkwatch.js; the page file is not
// changed. Typing opens a bar in a band of its own at the top of the page, which covers
// no heading and no item; the items whose description, comment or command hold every
// typed word stay, the others and the sections left empty are hidden. Enter starts the
// highlighted item as a click does; Escape brings every item back and leaves the found
// one in view.
(function () {
    'use strict';
    if (window.top !== window || !window.quintorLinks)
        return;
    var links = window.quintorLinks;
    var bar = null; // {host, input, count} once made
    var entries = null; // {link, cell, table, text, shown} of every item, in page order
    var sections = new Map(); // table: {heading, shown}
    var launcherPage = false; // a page with item links, as the editor builds them
    var matches = []; // the entries shown now
    var current = -1; // index into matches
    var returning = []; // items to be shown again, in page order
    var settling = null; // the item to bring into view once every item is back
    var ReturningPerFrame = 120;
    var lastFilterMs = 0;
    var slowestSliceMs = 0;

    // A task of its own for Work, after what is queued now. Timers do not run where the
    // page's scripts are off, which they always are here; messages do, and a minimised
    // window, which draws no frames, still gets them.
    var tasks = new MessageChannel();
    var nextTask = null;
    tasks.port1.onmessage = function () {
        var work = nextTask;
        nextTask = null;
        if (work)
            work();
    };
    function later(Work) {
        nextTask = Work;
        tasks.port2.postMessage(null);
    }
    function cancelLater() {
        nextTask = null;
    }

    // Case- and accent-blind: "Émile" is found by "emile".
    function fold(text) {
        return text.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase();
    }

    // The command of an item link, decoded as the runner decodes it.
    function commandOf(link) {
        var href = link.getAttribute('href');
        var item = /^[\x00-\x20]*qt:([^,]*)/i.exec(href);
        if (!item)
            return href;
        return item[1].replace(/&comma;/g, ',').replace(/%20/g, ' ').replace(/%22/g, '"');
    }

    // The items once, when the page is ready: the first keystroke does not wait for them.
    function readItems() {
        if (entries)
            return;
        entries = Array.prototype.map.call(document.querySelectorAll('td > a[href]'), function (link) {
            return {
                link: link,
                cell: link.parentElement,
                table: link.closest('table'),
                text: fold(link.textContent + '\n' + (link.title || '') + '\n' + commandOf(link)),
                shown: true
            };
        });
        entries.forEach(function (e) {
            if (e.table && !sections.has(e.table))
                sections.set(e.table, {heading: headingOf(e.table), shown: true});
        });
        launcherPage = entries.some(function (e) { return links.isRunnerLink(e.link); });
    }

    function isEditable(node) {
        return node && (node.isContentEditable || /^(input|textarea|select)$/i.test(node.localName));
    }

    // The heading a section's table stands under.
    function headingOf(table) {
        var before = table.previousElementSibling;
        return before && before.localName === 'h2' ? before : null;
    }

    function show(node, visible) {
        if (visible)
            node.style.removeProperty('display');
        else
            node.style.display = 'none';
    }

    // Only what changes is touched: the layout of a thousand items is the cost here. Items
    // coming back are shown a slice at a time, from the top of the page down, so that
    // nothing holds the page for longer than a frame even when a search widens from a
    // dozen items to a thousand.
    function filter(text) {
        var started = performance.now();
        var words = fold(text).split(/\s+/).filter(Boolean);
        cancelLater();
        highlight(-1);
        matches = [];
        returning = [];
        var filled = new Set();
        entries.forEach(function (e) {
            var hit = words.every(function (w) { return e.text.indexOf(w) >= 0; });
            if (hit && !e.shown)
                returning.push(e);
            else if (!hit && e.shown)
                show(e.cell, e.shown = false);
            if (hit) {
                matches.push(e);
                filled.add(e.table);
            }
        });
        sections.forEach(function (section, table) {
            var visible = filled.has(table);
            if (visible === section.shown)
                return;
            show(table, section.shown = visible);
            if (section.heading)
                show(section.heading, visible);
        });
        showReturning();
        highlight(matches.length ? 0 : -1);
        document.body.getBoundingClientRect(); // the layout is part of the cost
        lastFilterMs = performance.now() - started;
    }

    function showReturning() {
        returning.splice(0, ReturningPerFrame).forEach(function (e) {
            show(e.cell, e.shown = true);
        });
        if (returning.length)
            later(function () {
                var started = performance.now();
                showReturning();
                document.body.getBoundingClientRect();
                slowestSliceMs = Math.max(slowestSliceMs, performance.now() - started);
                settle();
            });
    }

    // Items coming back above the found one push it down: it is brought into the middle
    // of the view when they all are back, not before.
    function settle() {
        if (!settling || returning.length)
            return;
        settling.scrollIntoView({block: 'center', inline: 'nearest'});
        settling = null;
    }

    function highlight(index) {
        if (current >= 0 && matches[current])
            matches[current].link.removeAttribute('data-quintor-current');
        current = index;
        if (current >= 0 && matches[current]) {
            matches[current].link.setAttribute('data-quintor-current', '');
            matches[current].link.scrollIntoView({block: 'nearest', inline: 'nearest'});
        }
        if (bar)
            bar.count.textContent = matches.length ? (current + 1) + ' of ' + matches.length
                                                   : 'No match';
    }

    // The next item in a direction: left and right in page order, up and down to the
    // nearest item of the row above or below.
    function neighbour(list, from, key) {
        if (key === 'ArrowRight' || key === 'ArrowLeft') {
            var step = key === 'ArrowRight' ? 1 : -1;
            return Math.min(Math.max(from + step, 0), list.length - 1);
        }
        var here = list[from].getBoundingClientRect();
        var down = key === 'ArrowDown';
        var best = from, bestScore = Infinity;
        list.forEach(function (link, i) {
            var r = link.getBoundingClientRect();
            var dy = down ? r.top - here.bottom : here.top - r.bottom;
            if (i === from || dy < -here.height / 2 || r.width === 0)
                return;
            var score = Math.max(dy, 0) * 1000 + Math.abs((r.left + r.right) / 2 - (here.left + here.right) / 2);
            if (score < bestScore) {
                bestScore = score;
                best = i;
            }
        });
        return best;
    }

    // A band across the top of the page, before its body: the page moves down to make room,
    // and the band stays at the top while the page scrolls under it.
    var Style = ':host { all: initial; display: block; position: sticky; top: 0; z-index: 2147483647; }' +
        '.bar { display: flex; gap: 10px; align-items: center; padding: 8px 1.25rem;' +
        ' font: 14px system-ui, sans-serif; box-shadow: 0 1px 6px rgba(0,0,0,.18);' +
        ' background: var(--quintor-bar-background, Canvas); color: var(--quintor-bar-text, CanvasText);' +
        ' border-bottom: 1px solid var(--quintor-bar-border, GrayText); }' +
        'input { flex: 0 1 28em; min-width: 6em; font: inherit; color: inherit; background: transparent;' +
        ' border: 1px solid var(--quintor-bar-border, GrayText); border-radius: 6px; padding: 5px 8px; }' +
        'input:focus { outline: 2px solid var(--quintor-accent, Highlight); outline-offset: 1px; }' +
        '.count { white-space: nowrap; opacity: .8; }';

    function makeBar() {
        var host = document.createElement('quintor-find');
        var root = host.attachShadow({mode: 'closed'});
        root.innerHTML = '<style>' + Style + '</style><div class="bar" role="search">' +
            '<input type="search" aria-label="Find an item"><span class="count" aria-live="polite"></span></div>';
        var made = {host: host, input: root.querySelector('input'), count: root.querySelector('.count')};
        made.input.addEventListener('input', function () { filter(made.input.value); });
        made.input.addEventListener('keydown', barKey);
        return made;
    }

    function open(text) {
        var started = performance.now();
        readItems();
        if (!launcherPage)
            return false;
        bar = bar || makeBar();
        settling = null;
        if (!bar.host.isConnected) {
            document.documentElement.insertBefore(bar.host, document.body);
            // What is scrolled into view is never left under the band.
            document.documentElement.style.scrollPaddingTop = bar.host.offsetHeight + 'px';
        }
        bar.input.value = text;
        bar.input.focus();
        filter(text);
        lastFilterMs = performance.now() - started; // the items read as well
        return true;
    }

    // The item found last keeps the focus, so that Tab and the arrows go on from there.
    function close() {
        var found = current >= 0 && matches[current] ? matches[current].link : null;
        filter('');
        highlight(-1);
        if (bar && bar.host.isConnected) {
            bar.host.remove();
            document.documentElement.style.removeProperty('scroll-padding-top');
        }
        if (found) {
            found.focus({preventScroll: true});
            settling = found;
            settle();
        }
    }

    function barKey(event) {
        if (!event.isTrusted)
            return;
        if (event.key === 'Escape') {
            close();
        } else if (event.key === 'Enter') {
            if (current >= 0)
                links.activate(matches[current].link);
        } else if (/^Arrow/.test(event.key) && matches.length) {
            highlight(neighbour(matches.map(function (e) { return e.link; }), Math.max(current, 0), event.key));
        } else {
            return;
        }
        event.preventDefault();
        event.stopPropagation();
    }

    // Typing on the page opens the bar; the arrows move between items with the focus.
    window.addEventListener('keydown', function (event) {
        if (!event.isTrusted || event.defaultPrevented || (bar && event.target === bar.host))
            return;
        var plain = !event.ctrlKey && !event.altKey && !event.metaKey;
        var find = (event.ctrlKey && !event.altKey && event.key.toLowerCase() === 'f') ||
                   (plain && event.key === '/');
        if (!isEditable(event.target) && (find || (plain && event.key.length === 1 && event.key !== ' '))) {
            if (open(find ? '' : event.key))
                event.preventDefault();
        } else if (plain && /^Arrow/.test(event.key) && !isEditable(event.target)) {
            var list = Array.prototype.filter.call(document.querySelectorAll('td > a[href]'),
                function (link) { return link.getClientRects().length > 0; });
            var at = list.indexOf(document.activeElement);
            if (at >= 0) {
                list[neighbour(list, at, event.key)].focus();
                event.preventDefault();
            }
        }
    }, true);

    document.addEventListener('DOMContentLoaded', function () {
        var style = document.createElement('style');
        style.textContent = 'td > a:focus-visible { outline: 2px solid Highlight; outline-offset: 2px; }' +
            'a[data-quintor-current] { outline: 3px solid var(--quintor-accent, Highlight); outline-offset: 2px; }';
        (document.head || document.documentElement).appendChild(style);
        later(readItems);
    });

    // For the benchmark: the last filter's cost in milliseconds, layout included, and the
    // slowest slice of items coming back.
    window.quintorFinder = {
        lastFilterMs: function () { return lastFilterMs; },
        slowestSliceMs: function () { return slowestSliceMs; }
    };
    // For a reload, which brings the bar back as it was: its text, or null when closed.
    window.quintorFinder.text = function () { return bar && bar.host.isConnected ? bar.input.value : null; };
    window.quintorFinder.find = function (text) { return open(text); };
})();
