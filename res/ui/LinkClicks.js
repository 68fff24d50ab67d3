// Runs in every frame of the document view. Links of the form "javascript:..." are the
// program's own (documents, notes): instead of running them, the frame navigates to
// "tavlin-link:" + the encoded link, which the view decides before anything is loaded.
(function () {
    if (window.__tavlinLinkClicks)
        return;
    window.__tavlinLinkClicks = true;
    document.addEventListener('click', function (event) {
        var node = event.target;
        while (node && !(node.tagName && node.tagName.toLowerCase() === 'a'))
            node = node.parentNode;
        if (!node)
            return;
        var href = node.getAttribute('href');
        if (!href || href.slice(0, 11).toLowerCase() !== 'javascript:')
            return;
        event.preventDefault();
        window.location.href = 'tavlin-link:' + encodeURIComponent(href);
    }, true);
})();
