// Runs in the runner's own script world of the page itself, after finder.js. A screen
// reader hears each item of a launcher page by its description, then its comment, once:
// the link is named so and its picture, which repeats the comment, is left out. The page
// file is not changed.
(function () {
    'use strict';
    if (window.top !== window || !window.quintorLinks)
        return;

    function decodeCommas(text) {
        return text.replace(/&comma;/g, ',');
    }

    function nameOf(link) {
        var description = decodeCommas(link.textContent.trim());
        var comment = decodeCommas((link.getAttribute('title') || '').trim());
        return comment && comment !== description ? description + ', ' + comment : description;
    }

    // After the page is shown, in a task of its own: a screen reader needs the names a
    // moment later, the page itself not at all (timers do not run where page scripts are
    // off; messages do).
    function nameItems() {
        var items = document.querySelectorAll('td > a[href]');
        var launcherPage = Array.prototype.some.call(items, window.quintorLinks.isRunnerLink);
        if (!launcherPage)
            return;
        items.forEach(function (link) {
            link.setAttribute('aria-label', nameOf(link));
            link.querySelectorAll('img').forEach(function (img) {
                img.setAttribute('aria-hidden', 'true');
            });
        });
    }

    window.addEventListener('load', function () {
        var task = new MessageChannel();
        task.port1.onmessage = nameItems;
        task.port2.postMessage(null);
    });
})();
