// Runs in every frame of the document view. The program's own links ("javascript:OnNote()" and
// "javascript:sestavDoc('...')", on <a> and on <area> of image maps) are not run: the frame
// navigates to "tavlin-link:" + the encoded link instead, which the view decides before anything
// is loaded. Other links, other javascript: links among them, go on as the browser takes them.
(function () {
    if (window.__tavlinLinkClicks)
        return;
    window.__tavlinLinkClicks = true;
    function isProgramLink(href) {
        return href === 'javascript:OnNote()' || href.indexOf("javascript:sestavDoc('") === 0;
    }
    document.addEventListener('click', function (event) {
        var node = event.target;
        while (node && !(node.tagName && /^(a|area)$/i.test(node.tagName)))
            node = node.parentNode;
        if (!node)
            return;
        var href = node.getAttribute('href');
        if (!href || !isProgramLink(href))
            return;
        event.preventDefault();
        window.location.href = 'tavlin-link:' + encodeURIComponent(href);
    }, true);
})();
