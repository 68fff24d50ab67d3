// Runs in every frame while the reader has its dark look: the rules a page keeps for a dark
// desktop (@media (prefers-color-scheme: dark)) apply whatever the desktop says.
(function () {
    for (var i = 0; i < document.styleSheets.length; ++i) {
        var rules;
        try {
            rules = document.styleSheets[i].cssRules;
        } catch (e) {
            continue;
        }
        for (var j = 0; j < rules.length; ++j) {
            var media = rules[j].media;
            if (media && /prefers-color-scheme\s*:\s*dark/.test(media.mediaText))
                media.mediaText = 'all';
        }
    }
    document.documentElement.style.colorScheme = 'dark';
})();
