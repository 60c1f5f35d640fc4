// Runs in the runner's own script world of every frame, out of the page's reach: the
// page can neither see this code nor call what it calls. It reports the user's own
// activations of links (a click, Enter on a focused link), which a page's script
// cannot fake: such events carry isTrusted. Runner links are never left to the engine.
(function () {
    'use strict';
    var inPage = window.top === window;
    var runner = null;
    var waiting = [];

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

    function activated(event) {
        if (!event.isTrusted || (event.type === 'auxclick' && event.button !== 1))
            return;
        var link = linkOf(event);
        if (link && follow(link))
            event.preventDefault();
    }

    window.addEventListener('click', activated, true);
    window.addEventListener('auxclick', activated, true);

    // For the other scripts of this world (the find bar): a link the user chose by keyboard.
    window.quintorLinks = {
        isRunnerLink: isRunnerLink,
        activate: function (link) {
            if (!follow(link))
                link.click(); // a script's click: the engine follows it, we do not see it
        }
    };
})();
