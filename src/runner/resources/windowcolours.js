// The colours of the page the runner shows, for its own box and status bar: the page's
// background and text, and the theme's card, line, accent and heading colours when the
// page shows the theme's colours. Nothing when the page leaves its background to the
// engine. Colours are "#rrggbb"; run in the runner's own script world.
(function () {
    'use strict';
    var paint = document.createElement('canvas').getContext('2d');
    function hex(css) {
        paint.fillStyle = 'rgba(0, 0, 0, 0)';
        paint.fillStyle = (css || '').trim();
        var text = paint.fillStyle;
        return text[0] === '#' ? text : ''; // translucent colours come as rgba()
    }
    var root = document.documentElement, body = document.body;
    var background = '';
    [body, root].forEach(function (e) {
        if (e && !background)
            background = hex(getComputedStyle(e).backgroundColor);
    });
    if (!background)
        return {};
    var theme = getComputedStyle(root);
    function own(name) { return hex(theme.getPropertyValue(name)); }
    var themed = own('--quintor-page') === background;
    function fromTheme(name) { return themed ? own(name) : ''; }
    return {
        background: background,
        text: hex(getComputedStyle(body || root).color),
        field: fromTheme('--quintor-card') || background,
        line: fromTheme('--quintor-line'),
        accent: fromTheme('--quintor-accent'),
        muted: fromTheme('--quintor-heading')
    };
})()
