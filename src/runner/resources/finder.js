// Type to find, and the arrow keys, on a launcher page the editor built. Runs in the
// runner's own script world of the page itself, after linkwatch.js; the page file is not
// changed. Typing opens a bar in a band of its own at the top of the page, which covers
// no heading and no item; the items that match every typed word stay, the others and the
// sections left empty are hidden. The best match is highlighted and Enter starts it as a
// click does; the arrows go from match to match in page order; Escape brings every item
// back and leaves the found one in view.

// What the user means by a typed word, without the page: a table of queries is tested
// against this alone. An item has three fields (description, comment, command); a typed
// word matches a word of a field that is equal to it, starts with it, or contains it, or
// the initials of consecutive words, or a word holding its letters in order, or, from
// four letters on, a word one typo away. That order is also the order of quality, and
// within one kind the description counts more than the comment, the comment more than
// the command.
window.quintorMatching = (function () {
    'use strict';
    var Equal = 0, Starts = 1, Contains = 2, Initials = 3, InOrder = 4, Typo = 5, None = 6;
    var FieldCount = 3;
    var TypoFrom = 4; // shorter words have too many neighbours one typo away
    var NotWord = /[^\p{L}\p{N}]+/u, NotAsciiWord = /[^a-z0-9]+/;
    var WordChar = /[\p{L}\p{N}]/u;
    var NotAscii = /[^\x00-\x7f]/;

    // Case- and accent-blind: "Émile" is found by "emile".
    function fold(text) {
        text = String(text);
        return (NotAscii.test(text) ? text.normalize('NFD').replace(/\p{M}/gu, '') : text).toLowerCase();
    }

    function wordsIn(folded) {
        return folded.split(NotAscii.test(folded) ? NotWord : NotAsciiWord).filter(Boolean);
    }

    function isWordChar(text, at) {
        var c = text.charCodeAt(at);
        if (c < 128)
            return (c >= 48 && c <= 57) || (c >= 97 && c <= 122) || (c >= 65 && c <= 90);
        return WordChar.test(text.charAt(at));
    }

    // Which letters a word holds, roughly: a bit for each of a to z, five for the digits,
    // one for everything else. A word whose letters another lacks is not in it in order,
    // nor one typo from it when it lacks two: most words are passed over on that alone.
    function lettersOf(word) {
        var mask = 0;
        for (var i = 0; i < word.length; ++i) {
            var c = word.charCodeAt(i);
            mask |= c >= 97 && c <= 122 ? 1 << (c - 97) : c >= 48 && c <= 57 ? 1 << (26 + c % 5) : 1 << 31;
        }
        return mask;
    }

    // How many of the letters are missing from those held: none, one, or more.
    function lacking(letters, held) {
        var missing = letters & ~held;
        return missing === 0 ? 0 : (missing & (missing - 1)) === 0 ? 1 : 2;
    }

    function lettersInOrder(word, within) {
        var j = 0;
        for (var i = 0; i < within.length && j < word.length; ++i)
            if (within.charCodeAt(i) === word.charCodeAt(j))
                ++j;
        return j === word.length;
    }

    function sameFrom(a, i, b, j) {
        if (a.length - i !== b.length - j)
            return false;
        for (; i < a.length; ++i, ++j)
            if (a.charCodeAt(i) !== b.charCodeAt(j))
                return false;
        return true;
    }

    // One letter added, dropped or changed, or two neighbours swapped.
    function oneTypo(word, other) {
        var difference = word.length - other.length;
        if (difference > 1 || difference < -1 || word === other)
            return false;
        var i = 0;
        while (i < word.length && i < other.length && word.charCodeAt(i) === other.charCodeAt(i))
            ++i;
        if (difference > 0)
            return sameFrom(word, i + 1, other, i);
        if (difference < 0)
            return sameFrom(word, i, other, i + 1);
        return sameFrom(word, i + 1, other, i + 1) ||
            (word.charAt(i) === other.charAt(i + 1) && word.charAt(i + 1) === other.charAt(i) &&
             sameFrom(word, i + 2, other, i + 2));
    }

    // The items of a page, made ready to be searched many times: texts: one [description,
    // comment, command] for each item. The words of all items are kept once, so that a
    // typed word is compared with each different word once, not with every item's.
    function index(texts) {
        var ids = new Map(), words = [], letters = [];
        function field(text) {
            var folded = fold(text || '');
            var own = wordsIn(folded);
            var f = {text: folded, words: [], all: 0, initials: ''};
            own.forEach(function (word) {
                var id = ids.get(word);
                if (id === undefined) {
                    ids.set(word, id = words.length);
                    words.push(word);
                    letters.push(lettersOf(word));
                }
                f.words.push(id);
                f.all |= letters[id];
                f.initials += word.charAt(0);
            });
            return f;
        }
        var items = texts.map(function (t) {
            var fields = [field(t[0]), field(t[1]), field(t[2])];
            return {
                fields: fields,
                text: fields[0].text + '\n' + fields[1].text + '\n' + fields[2].text,
                letters: fields[0].all | fields[1].all | fields[2].all
            };
        });
        return {items: items, words: words, letters: Int32Array.from(letters)};
    }

    function wordsOf(query) {
        return fold(query || '').split(/\s+/).filter(Boolean);
    }

    // The typed word where the field's text holds it: at a word's start and end, at its start
    // only, or inside. A typed word with a dash in it still spans item words so.
    function placeIn(text, word) {
        var best = None;
        for (var at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
            if (at > 0 && isWordChar(text, at - 1)) {
                best = Math.min(best, Contains);
                continue;
            }
            var end = at + word.length;
            if (end === text.length || !isWordChar(text, end))
                return Equal;
            best = Starts;
        }
        return best;
    }

    // For each different word of the page, whether the typed word's letters are in it in
    // order, or it is one typo away.
    function looseKinds(idx, word, letters) {
        var kinds = new Uint8Array(idx.words.length).fill(None);
        if (word.length < 2)
            return kinds;
        for (var id = 0; id < idx.words.length; ++id) {
            var other = idx.words[id], lack = lacking(letters, idx.letters[id]);
            if (lack === 0 && other.length > word.length && lettersInOrder(word, other))
                kinds[id] = InOrder;
            else if (lack < 2 && word.length >= TypoFrom && oneTypo(word, other))
                kinds[id] = Typo;
        }
        return kinds;
    }

    function kindIn(f, word, letters, held, loose) {
        var kind = held ? placeIn(f.text, word) : None;
        if (kind !== None)
            return kind;
        var lack = lacking(letters, f.all);
        if (lack > 1 || (lack === 1 && word.length < TypoFrom))
            return None;
        if (word.length > 1 && lack === 0 && f.initials.indexOf(word) >= 0)
            return Initials;
        for (var i = 0; i < f.words.length; ++i)
            kind = Math.min(kind, loose[f.words[i]]);
        return kind;
    }

    // How well a typed word matches every item: 0 not at all, the higher the better.
    // Most items hold the word nowhere and lack two of its letters: they cost one search.
    function qualities(idx, typed) {
        var word = fold(typed), letters = lettersOf(word);
        var loose = looseKinds(idx, word, letters);
        var out = new Uint8Array(idx.items.length);
        for (var n = 0; n < idx.items.length; ++n) {
            var it = idx.items[n];
            var held = it.text.indexOf(word) >= 0;
            if (!held && lacking(letters, it.letters) > (word.length < TypoFrom ? 0 : 1))
                continue;
            for (var f = 0; f < FieldCount; ++f) {
                var kind = kindIn(it.fields[f], word, letters, held, loose);
                if (kind !== None)
                    out[n] = Math.max(out[n], (None - kind) * FieldCount - f);
                if (kind === Equal)
                    break;
            }
        }
        return out;
    }

    // The matches of a query, in page order, and the best of them: the highest quality
    // (every typed word's added up), then the most used (uses: a number per item, or
    // nothing), then the first on the page. An empty query keeps every item and the first.
    // QualitiesOf(word) may answer a word's qualities from what it kept.
    function rank(idx, query, uses, qualitiesOf) {
        var words = wordsOf(query);
        var columns = words.map(qualitiesOf || function (word) { return qualities(idx, word); });
        var matches = [], best = -1, bestQuality = -1, bestUse = -1;
        for (var n = 0; n < idx.items.length; ++n) {
            var total = 0;
            for (var c = 0; c < columns.length && total >= 0; ++c)
                total = columns[c][n] ? total + columns[c][n] : -1;
            if (total < 0)
                continue;
            matches.push(n);
            var use = uses && words.length ? uses[n] || 0 : 0;
            if (total > bestQuality || (total === bestQuality && use > bestUse)) {
                best = n;
                bestQuality = total;
                bestUse = use;
            }
        }
        return {matches: matches, best: best};
    }

    return {fold: fold, index: index, qualities: qualities, rank: rank};
})();

(function () {
    'use strict';
    if (window.top !== window || !window.quintorLinks)
        return;
    var links = window.quintorLinks;
    var matching = window.quintorMatching;
    var Texts = @FINDTEXTS@; // in the user's language, from the runner
    var bar = null; // {host, input, count, found} once made
    var entries = null; // {link, cell, table, key, shown} of every item, in page order
    var searchable = null; // the entries' texts, made ready for matching
    var uses = []; // how much the user uses every entry (see learn)
    var learned = null; // the runner's word on that: link to weight
    var kept = new Map(); // a typed word: the quality of every entry for it
    var sections = new Map(); // table: {heading, shown, wanted}
    var launcherPage = false; // a page with item links, as the editor builds them
    var matches = []; // the entries shown now
    var current = -1; // index into matches
    var pending = []; // items to be shown or hidden still, in page order
    var settling = null; // the item to bring into view once every item is back
    var ChangesPerSlice = 1200; // a tenth of it for items of a section laid out at once
    var KeptWords = 32;
    var OutlineRoom = 6; // px, more than a focus outline reaches beyond a card's cell
    var lastFilterMs = 0;
    var lastLayoutMs = 0;
    var lastRankMs = 0;
    var slowestSliceMs = 0;
    var lastKey = {ms: 0}; // what the last keystroke cost until its result was painted

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

    function decodeCommas(text) {
        return text.replace(/&comma;/g, ',');
    }

    // The command of an item link, decoded as the runner decodes it.
    function commandOf(link) {
        var href = link.getAttribute('href');
        var item = /^[\x00-\x20]*qt:([^,]*)/i.exec(href);
        if (!item)
            return href;
        return decodeCommas(item[1]).replace(/%20/g, ' ').replace(/%22/g, '"');
    }

    // The link as the runner keeps its uses: as written, without the blanks around it.
    function keyOf(link) {
        return link.getAttribute('href').replace(/^[\x00-\x20]+|[\x00-\x20]+$/g, '');
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
                key: keyOf(link),
                shown: true
            };
        }).filter(function (e) { return e.table; });
        searchable = matching.index(entries.map(function (e) {
            return [decodeCommas(e.link.textContent), decodeCommas(e.link.title || ''),
                    commandOf(e.link)];
        }));
        entries.forEach(function (e) {
            if (e.table && !sections.has(e.table))
                sections.set(e.table, {heading: headingOf(e.table), shown: true, wanted: true,
                                       lazy: false});
        });
        launcherPage = entries.some(function (e) { return links.isRunnerLink(e.link); });
        if (launcherPage) {
            whenStyled(layOutNearViewOnly);
            placeBar();
            whenStyled(function () { afterFrames(1, function () { inTaskOfItsOwn(warmUp); }); });
        }
        applyUses();
    }

    // Matching runs once on words of the page's own, after the page is shown: the engine
    // has compiled it then, and the user's first keystrokes do not wait for that. Not when
    // the user has begun to search.
    function warmUp() {
        if (kept.size || barShown())
            return;
        var word = searchable.words[0] || 'a';
        [word.charAt(0), word.slice(0, 2), word.slice(0, 3) + 'q', word + 'q'].forEach(function (w) {
            matching.rank(searchable, w, uses);
        });
    }

    // Work that waits for nothing else in the queue, and that nothing waits for (unlike
    // later, which keeps one task at a time for the items still to change).
    function inTaskOfItsOwn(Work) {
        var task = new MessageChannel();
        task.port1.onmessage = function () { Work(); };
        task.port2.postMessage(null);
    }

    // The page's own style sheets may come after its content: its sections take their
    // shape from them.
    function whenStyled(Work) {
        if (document.readyState === 'complete')
            Work();
        else
            window.addEventListener('load', Work, {once: true});
    }

    // A section of cards away from the view is neither laid out nor painted, nor its
    // items' styles worked out, when the find bar shows or hides them: it takes the size it
    // had when the page was shown (not the size it last had, which the engine would watch
    // in every section, and complain of in the page's log). The containment that allows
    // this clips what is drawn beyond the section, so it is given room for the focus
    // outlines of its edge cards, taken back from its margins: nothing moves. Only the
    // theme's grid of cards, and not a section with a border, whose room would show.
    // The engine lays out every such section of a page again whenever any item changes
    // if the section is the grid itself, skipped or not; so the grid goes one box in, to
    // the section's rows, which have no box of their own: the same cards in the same grid.
    // Everything is read before anything is written.
    function layOutNearViewOnly() {
        var Sides = ['top', 'right', 'bottom', 'left'];
        var grids = [];
        sections.forEach(function (section, table) {
            var look = getComputedStyle(table);
            if (look.display !== 'flex' || parseFloat(look.borderTopWidth) > 0)
                return;
            var px = function (property) { return parseFloat(look.getPropertyValue(property)); };
            var box = table.getBoundingClientRect();
            var rows = table.children.length === 1 && table.children[0].localName === 'tbody' &&
                getComputedStyle(table.children[0]).display === 'contents' ? table.children[0] : null;
            grids.push({
                table: table, section: section, rows: rows,
                flow: GridFlow.map(function (property) { return look.getPropertyValue(property); }),
                padding: Sides.map(function (side) { return px('padding-' + side); }),
                margin: Sides.map(function (side) { return px('margin-' + side); }),
                width: box.width - px('padding-left') - px('padding-right'),
                height: box.height - px('padding-top') - px('padding-bottom')
            });
        });
        grids.forEach(function (grid) {
            var style = grid.table.style;
            Sides.forEach(function (side, i) {
                style.setProperty('padding-' + side, grid.padding[i] + OutlineRoom + 'px');
                style.setProperty('margin-' + side, grid.margin[i] - OutlineRoom + 'px');
            });
            if (grid.rows) {
                GridFlow.forEach(function (property, i) {
                    grid.rows.style.setProperty(property, grid.flow[i]);
                });
                grid.rows.style.setProperty('display', 'flex');
                style.setProperty('display', 'block');
            }
            style.setProperty('contain-intrinsic-size', grid.width + 'px ' + grid.height + 'px');
            style.setProperty('content-visibility', 'auto');
            // Shaped after the view was scrolled, the section would be taken by the
            // engine's scroll anchoring to have moved by that room, and the view with it.
            style.setProperty('overflow-anchor', 'none');
            grid.section.lazy = true;
        });
        afterFrames(2, function () {
            grids.forEach(function (grid) { grid.table.style.removeProperty('overflow-anchor'); });
        });
    }
    // What makes a box a grid of cards, besides its display.
    var GridFlow = ['flex-direction', 'flex-wrap', 'justify-content', 'align-items',
                    'align-content', 'row-gap', 'column-gap'];

    // Work once the engine has drawn Count more frames.
    function afterFrames(Count, Work) {
        requestAnimationFrame(Count > 1 ? function () { afterFrames(Count - 1, Work); } : Work);
    }

    // The runner's word on how much each link of this page is used: [[link, weight], ...].
    function learn(weights) {
        learned = new Map(weights || []);
        if (entries)
            applyUses();
    }

    function applyUses() {
        uses = entries.map(function (e) { return learned ? Number(learned.get(e.key)) || 0 : 0; });
    }

    // A typed word's quality for every item, kept while the user types the next words.
    function qualitiesOf(word) {
        var qualities = kept.get(word);
        if (!qualities) {
            if (kept.size >= KeptWords)
                kept.clear();
            kept.set(word, qualities = matching.qualities(searchable, word));
        }
        return qualities;
    }

    function isEditable(node) {
        return node && (node.isContentEditable || /^(input|textarea|select)$/i.test(node.localName));
    }

    // The heading a section's table stands under.
    function headingOf(table) {
        var before = table.previousElementSibling;
        return before && before.localName === 'h2' ? before : null;
    }

    // Hidden by a mark that counts only while the bar filters: an empty bar shows every
    // item at once, and the marks wait for the next query, which changes only those that
    // differ.
    function show(node, visible) {
        node.toggleAttribute('data-quintor-hidden', !visible);
    }

    function filtering(on) {
        document.documentElement.toggleAttribute('data-quintor-finding', on);
    }

    // Only what changes is touched, a slice at a time from the top of the page down: the
    // layout of thousands of items is the cost here, so the first slice is made at once and
    // the others as tasks of their own, and nothing holds the page for longer than a frame,
    // even when a search narrows or widens by thousands of items. The page keeps its order;
    // only the highlight goes to the best match.
    function filter(text) {
        var started = performance.now();
        var ranked = matching.rank(searchable, text, uses, qualitiesOf);
        lastRankMs = performance.now() - started;
        cancelLater();
        highlight(-1);
        matches = [];
        pending = [];
        var hit = new Uint8Array(entries.length);
        var best = -1;
        ranked.matches.forEach(function (n) {
            hit[n] = 1;
            if (n === ranked.best)
                best = matches.length;
            matches.push(entries[n]);
        });
        var narrowing = matches.length < entries.length;
        if (narrowing) {
            sections.forEach(function (section) { section.wanted = section.changing = false; });
            entries.forEach(function (e, n) {
                var section = sections.get(e.table);
                if (hit[n])
                    section.wanted = true;
                if (!hit[n] !== !e.shown) {
                    pending.push(e);
                    section.changing = true;
                }
            });
            showUnchangedSections(sections);
            changeSlice();
        }
        filtering(narrowing);
        highlight(best);
        if (barShown())
            announce();
        lastFilterMs = performance.now() - started;
    }

    // A section whose items all stay as they are, as when a query was taken over before
    // the last one had changed them all, comes or goes now: no item of its brings it.
    function showUnchangedSections(all) {
        all.forEach(function (section, table) {
            if (section.changing || section.wanted === section.shown)
                return;
            show(table, section.shown = section.wanted);
            if (section.heading)
                show(section.heading, section.wanted);
        });
    }

    // Items that change within a section that is hidden, or laid out only near the view,
    // cost next to nothing: they count a tenth.
    function changeSlice() {
        var done = 0, cost = 0;
        for (; done < pending.length && cost < ChangesPerSlice; ++done) {
            var e = pending[done], section = sections.get(e.table);
            // A section goes before its items do, and comes back with its first one.
            if (section.wanted !== section.shown) {
                show(e.table, section.shown = section.wanted);
                if (section.heading)
                    show(section.heading, section.wanted);
            }
            show(e.cell, e.shown = !e.shown);
            cost += section.shown && !section.lazy ? 10 : 1;
        }
        pending.splice(0, done);
        if (pending.length)
            later(function () {
                var started = performance.now();
                changeSlice();
                document.body.getBoundingClientRect();
                var ms = performance.now() - started;
                slowestSliceMs = Math.max(slowestSliceMs, ms);
                lastKey.beforePaint += lastKey.painting ? 0 : ms;
                settle();
            });
    }

    // For the benchmark: a keystroke's cost until the page shows its result is its own
    // task, the layout of what it changed, the slices that run before the next frame, and
    // the style, layout and paint of the frames that follow until one has next to nothing
    // left to do (a section scrolled into view is drawn only in the frame after the one
    // that scrolled). A frame counts from its first animation callback to the first task
    // after it; the waits for frames are no one's work. Begun as the keystroke is, before
    // anything of it asks for a frame, whose animation callbacks run in the order they
    // were asked for.
    function timeToPaint() {
        var key = lastKey = {ms: -1, taskMs: 0, layoutMs: 0, beforePaint: 0, painting: false};
        var framesMs = 0;
        (function frame(left) {
            requestAnimationFrame(function () {
                var frameStarted = performance.now();
                key.painting = true;
                inTaskOfItsOwn(function () {
                    var ms = performance.now() - frameStarted;
                    framesMs += ms;
                    if (ms > QuietFrameMs && left > 1 && key === lastKey)
                        frame(left - 1);
                    else
                        key.ms = key.taskMs + key.layoutMs + key.beforePaint + framesMs;
                });
            });
        })(FramesCounted);
        return key;
    }
    var QuietFrameMs = 2, FramesCounted = 4;

    // By the time the next frame begins, the engine has laid out what a keystroke changed,
    // between tasks of ours, where no figure saw it: up to 35 ms for items coming back on
    // 10,000. Laid out at the end of the keystroke's task instead (the same work, done
    // once), it counts as the keystroke's.
    function layOutChanges(key) {
        var started = performance.now();
        document.documentElement.getBoundingClientRect();
        key.layoutMs = lastLayoutMs = performance.now() - started;
    }

    // Items coming back above the found one push it down: it is brought into the middle
    // of the view when they all are back, not before.
    function settle() {
        if (!settling || pending.length)
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
            followInNextFrame();
        }
        if (bar)
            bar.count.textContent = matches.length ? position(current + 1, matches.length)
                                                   : Texts.none;
    }

    // The view follows the highlight, and leaves room for the band, in the next frame:
    // many keystrokes before a frame scroll it once.
    var following = false;
    function followInNextFrame() {
        if (following)
            return;
        following = true;
        requestAnimationFrame(function () {
            following = false;
            if (barShown())
                document.documentElement.style.scrollPaddingTop = bar.host.offsetHeight + 'px';
            if (current >= 0 && matches[current])
                matches[current].link.scrollIntoView({block: 'nearest', inline: 'nearest'});
        });
    }

    function position(at, of) {
        return Texts.position.replace(/%([12])/g, function (_, n) { return n === '1' ? at : of; });
    }

    // A screen reader hears how many items a search found, once the runner has said it in
    // the user's words; an answer that comes after the next search is dropped.
    var searches = 0;
    function announce() {
        var search = ++searches, made = bar;
        links.foundText(matches.length, function (text) {
            if (search === searches && made)
                made.found.textContent = text;
        });
    }

    // The next item shown in a direction: left and right in page order, up and down to the
    // nearest item of the row above or below. Only the items of the sections within two
    // views of the item are looked at: reading the box of an item in a part of the page
    // that is not drawn makes the engine lay that part out, a second on 10,000 items.
    function neighbour(list, from, key) {
        if (key === 'ArrowRight' || key === 'ArrowLeft') {
            var step = key === 'ArrowRight' ? 1 : -1;
            for (var next = from + step; next >= 0 && next < list.length; next += step) {
                if (list[next].getClientRects().length)
                    return next;
            }
            return from;
        }
        var here = list[from].getBoundingClientRect();
        var reach = 2 * window.innerHeight;
        var near = new Map(); // section: whether it is within reach
        var down = key === 'ArrowDown';
        var best = from, bestScore = Infinity;
        list.forEach(function (link, i) {
            var section = link.closest('table') || link;
            if (!near.has(section)) {
                var box = section.getBoundingClientRect();
                near.set(section, box.bottom > here.top - reach && box.top < here.bottom + reach);
            }
            if (!near.get(section))
                return;
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
        ':host([hidden]) .bar { display: none; }' +
        '.bar { display: flex; gap: 10px; align-items: center; padding: 8px 1.25rem;' +
        ' font: 14px system-ui, sans-serif; box-shadow: 0 1px 6px rgba(0,0,0,.18);' +
        ' background: var(--quintor-bar-background, Canvas); color: var(--quintor-bar-text, CanvasText);' +
        ' border-bottom: 1px solid var(--quintor-bar-border, GrayText); }' +
        'input { flex: 0 1 28em; min-width: 6em; font: inherit; color: inherit; background: transparent;' +
        ' border: 1px solid var(--quintor-bar-border, GrayText); border-radius: 6px; padding: 5px 8px; }' +
        'input:focus { outline: 2px solid var(--quintor-accent, Highlight); outline-offset: 1px; }' +
        'form { display: contents; }' +
        '.count { white-space: nowrap; opacity: .8; }' +
        '.found { position: absolute; width: 1px; height: 1px; overflow: hidden; clip: rect(0 0 0 0); }';

    // The field has a form of its own, which never goes anywhere: a field in no form, once
    // typed in, makes the engine look through every element of the page for the page's
    // other formless fields each time the focus moves (for its form filling), which costs
    // a keystroke that opens the bar 10 ms and more on 10,000 items.
    function makeBar() {
        var host = document.createElement('quintor-find');
        var root = host.attachShadow({mode: 'closed'});
        root.innerHTML = '<style>' + Style + '</style><div class="bar" role="search">' +
            '<form method="dialog"><input type="search" autocomplete="off"></form>' +
            '<span class="count"></span>' +
            '<span class="found" role="status" aria-live="polite"></span></div>';
        var made = {host: host, root: root, input: root.querySelector('input'),
                    count: root.querySelector('.count'), found: root.querySelector('.found')};
        root.querySelector('form').addEventListener('submit', function (event) {
            event.preventDefault();
        });
        made.input.setAttribute('aria-label', Texts.label);
        root.querySelector('.bar').setAttribute('aria-label', Texts.label);
        made.input.addEventListener('input', function () {
            var key = timeToPaint();
            filter(made.input.value);
            key.taskMs = lastFilterMs;
            layOutChanges(key);
        });
        made.input.addEventListener('keydown', barKey);
        return made;
    }

    // The bar waits in the page from the time the page is ready, as a band of no height
    // while it is closed: put in the page, or given a box, on a keystroke, it would make the
    // engine build the page's boxes again before the bar could take the focus.
    function placeBar() {
        bar = makeBar();
        bar.host.hidden = true;
        document.documentElement.insertBefore(bar.host, document.body);
    }

    function barShown() {
        return bar !== null && !bar.host.hidden;
    }

    function open(text) {
        var started = performance.now();
        var key = timeToPaint();
        readItems();
        if (!launcherPage)
            return false;
        settling = null;
        if (!barShown()) {
            bar.host.hidden = false;
            // What is scrolled into view is never left under the band.
            followInNextFrame();
        }
        bar.input.value = text;
        bar.input.focus({preventScroll: true});
        filter(text);
        key.taskMs = lastFilterMs = performance.now() - started; // the items read as well
        layOutChanges(key);
        return true;
    }

    // The item found last keeps the focus, so that Tab and the arrows go on from there.
    function close() {
        var found = current >= 0 && matches[current] ? matches[current].link : null;
        filter('');
        highlight(-1);
        if (barShown()) {
            bar.host.hidden = true;
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
            var list = Array.prototype.slice.call(document.querySelectorAll('td > a[href]'));
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
            'a[data-quintor-current] { outline: 3px solid var(--quintor-accent, Highlight); outline-offset: 2px; }' +
            'html[data-quintor-finding] [data-quintor-hidden] { display: none !important; }';
        (document.head || document.documentElement).appendChild(style);
        // Once the page is shown: reading thousands of items (and shaping the sections, which
        // lays the page out) before that would hold the page back from the user. A key
        // typed sooner reads them itself.
        whenStyled(function () { afterFrames(1, function () { inTaskOfItsOwn(readItems); }); });
    });

    // For the benchmark, in milliseconds: the last keystroke's cost until its result was
    // painted (-1 until then), of its own task, of the layout of what it changed, and of
    // the ranking in its task; and the slowest slice of items shown or hidden afterwards.
    // The runner teaches the finder which items the user starts most (learn).
    window.quintorFinder = {
        learn: learn,
        lastKeyMs: function () { return lastKey.ms; },
        lastFilterMs: function () { return lastFilterMs; },
        lastLayoutMs: function () { return lastLayoutMs; },
        lastRankMs: function () { return lastRankMs; },
        slowestSliceMs: function () { return slowestSliceMs; }
    };
    // For a reload, which brings the bar back as it was: its text, or null when closed.
    window.quintorFinder.text = function () { return barShown() ? bar.input.value : null; };
    window.quintorFinder.find = function (text) { return open(text); };
    // For a reload too, before it scrolls back: the sections take their final shape first.
    window.quintorFinder.ready = function () { readItems(); };
    // For tests: the bar as a screen reader finds it, while it is made.
    window.quintorFinder.bar = function () { return bar ? bar.root : null; };
})();
