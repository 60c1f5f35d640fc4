// Runs in the runner's own script world of every frame, out of the page's reach: the
// page can neither see this code nor call what it calls. It reports the user's own
// activations of links, which need the user's own hand on that very link: a press of the
// primary or middle button inside the link followed by its click, or Enter while the link
// has the focus. A click alone is not enough even when the engine calls it trusted: a
// click forwarded from a <label> to its control inside a link arrives as trusted with no
// press on the link before it. Runner links are never left to the engine.
(function () {
    'use strict';
    var inPage = window.top === window;
    var runner = null;
    var waiting = [];
    var PressLifeMs = 2000;
    var pressed = null; // {link, button, at}: the user's last press on a link

    // Only the page itself has the channel to the runner; a frame reports through the
    // console, marked with a secret the page cannot know.
    if (inPage && typeof qt !== 'undefined' && qt.webChannelTransport) {
        new QWebChannel(qt.webChannelTransport, function (channel) {
            runner = channel.objects.runner;
            waiting.splice(0).forEach(function (link) { runner.activate(link[0], link[1]); });
        });
    }

    function report(href, address) {
        if (!inPage)
            console.info('@SECRET@' + JSON.stringify([href, address]));
        else if (runner)
            runner.activate(href, address);
        else
            waiting.push([href, address]);
    }

    function linkOf(event) {
        var path = event.composedPath();
        for (var i = 0; i < path.length; ++i) {
            var node = path[i];
            if ((node instanceof HTMLAnchorElement || node instanceof HTMLAreaElement) &&
                node.hasAttribute('href'))
                return node;
        }
        return null;
    }

    // Links the engine would only refuse: addresses for other programs (the engine shows
    // local pages only) and links longer than it accepts, which would leave the page blank.
    function leavesEngine(link) {
        var address = String(link.href);
        return address.length > 2097152 ||
            (link.protocol !== 'file:' && link.protocol !== 'javascript:');
    }

    function isRunnerLink(link) {
        return /^[\x00-\x20]*qtc?:/i.test(link.getAttribute('href'));
    }

    // What the user's activation of a link does. False: the engine is to follow the link
    // itself (a local page, or a link in a frame).
    function follow(link) {
        var runnerLink = isRunnerLink(link);
        // A frame's other links stay in the frame: frames hand nothing to the desktop.
        if (inPage || runnerLink)
            report(link.getAttribute('href'), String(link.href));
        return runnerLink || (inPage && leavesEngine(link));
    }

    // The primary button (0) clicks, the middle one (1) opens: both are the user's choice of
    // a link. The right button only ever asks for a menu.
    function press(event) {
        pressed = null;
        if (!event.isTrusted || (event.button !== 0 && event.button !== 1))
            return;
        var link = linkOf(event);
        if (link)
            pressed = {link: link, button: event.button, at: performance.now()};
    }

    // Enter on the focused link: the engine turns it into the link's click.
    function key(event) {
        if (!event.isTrusted || event.key !== 'Enter' || event.repeat)
            return;
        var link = linkOf(event);
        pressed = link && link === document.activeElement
            ? {link: link, button: 0, at: performance.now()}
            : null;
    }

    // The click that finishes the user's press on this same link, once; nothing else.
    function pressedFor(link, event) {
        var button = event.type === 'auxclick' ? event.button : 0;
        var match = pressed !== null && pressed.link === link && pressed.button === button &&
            performance.now() - pressed.at <= PressLifeMs;
        pressed = null;
        return match;
    }

    function activated(event) {
        if (event.type === 'auxclick' && event.button !== 1)
            return;
        var link = linkOf(event);
        if (!link)
            return;
        if (!event.isTrusted || !pressedFor(link, event)) {
            // Nobody's hand on the link: a runner link stays unfollowed and unreported.
            if (isRunnerLink(link) || (inPage && leavesEngine(link)))
                event.preventDefault();
            return;
        }
        if (follow(link))
            event.preventDefault();
    }

    window.addEventListener('pointerdown', press, true);
    window.addEventListener('keydown', key, true);
    window.addEventListener('click', activated, true);
    window.addEventListener('auxclick', activated, true);

    // For the other scripts of this world (the find bar): a link the user chose by keyboard,
    // and the runner's words for how many items a search found (none before the channel).
    window.quintorLinks = {
        isRunnerLink: isRunnerLink,
        foundText: function (count, answer) {
            if (runner)
                runner.foundText(count, answer);
        },
        activate: function (link) {
            if (!follow(link))
                link.click(); // a script's click: the engine follows it, we do not see it
        }
    };
})();
