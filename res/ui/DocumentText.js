// The plain text of a document as find counts it, and the selection of a range of it. The text
// is the document's text nodes in order (scripts and styles left out); where a block or a line
// break separates two of them a line break stands between, which belongs to no node.
function tavlinTextSegments(doc) {
    var inline = /^(A|ABBR|B|BDI|BDO|BIG|CITE|CODE|DFN|EM|FONT|I|KBD|LABEL|MARK|Q|S|SAMP|SMALL|SPAN|STRIKE|STRONG|SUB|SUP|TT|U|VAR)$/;
    var segments = [], text = '', pending = false;
    if (!doc || !doc.body)
        return null;
    var walker = doc.createTreeWalker(doc.body, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT, {
        acceptNode: function (node) {
            var name = node.nodeName;
            return name === 'SCRIPT' || name === 'STYLE' || name === 'NOSCRIPT'
                ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT;
        }
    });
    while (walker.nextNode()) {
        var node = walker.currentNode;
        if (node.nodeType === 1) {
            if (!inline.test(node.nodeName))
                pending = true;
            continue;
        }
        if (!node.data.length)
            continue;
        if (pending && text.length)
            text += '\n';
        pending = false;
        segments.push({node: node, start: text.length});
        text += node.data;
    }
    return {text: text, segments: segments};
}

// The node and offset of a text offset: inside the segment that holds it, or at the start of the
// next one when it falls on a separator; `atEnd` takes the end of a segment instead.
function tavlinTextPoint(segments, offset, atEnd) {
    for (var i = 0; i < segments.length; ++i) {
        var s = segments[i], length = s.node.data.length;
        if (atEnd ? offset <= s.start + length : offset < s.start + length)
            return {node: s.node, offset: Math.max(0, Math.min(length, offset - s.start))};
    }
    var last = segments[segments.length - 1];
    return last ? {node: last.node, offset: last.node.data.length} : null;
}

function tavlinSelectText(doc, start, length) {
    var text = tavlinTextSegments(doc);
    if (!text)
        return false;
    var from = tavlinTextPoint(text.segments, start, false);
    var to = tavlinTextPoint(text.segments, start + length, true);
    if (!from || !to)
        return false;
    var range = doc.createRange();
    range.setStart(from.node, from.offset);
    range.setEnd(to.node, to.offset);
    var selection = doc.getSelection();
    selection.removeAllRanges();
    selection.addRange(range);
    // The hit at the top of the frame.
    var win = doc.defaultView, rect = range.getBoundingClientRect();
    if (win)
        win.scrollTo(win.scrollX, win.scrollY + rect.top);
    return true;
}

// Marks every occurrence ([[start, length], ...]) in a second colour, after taking away the marks
// of an earlier find. The text stays as find counts it: a mark is an inline element.
function tavlinMarkAll(doc, ranges) {
    if (!doc || !doc.body)
        return 0;
    var old = doc.querySelectorAll('mark.tv-vyskyt');
    for (var i = 0; i < old.length; ++i) {
        var parent = old[i].parentNode;
        while (old[i].firstChild)
            parent.insertBefore(old[i].firstChild, old[i]);
        parent.removeChild(old[i]);
        parent.normalize();
    }
    var text = tavlinTextSegments(doc);
    if (!text)
        return 0;
    // The pieces of each range inside single text nodes, marked from the last one backwards so
    // that splitting a node leaves the offsets of the pieces before it as they were.
    var pieces = [];
    for (var r = 0; r < ranges.length; ++r) {
        var start = ranges[r][0], end = start + ranges[r][1];
        for (var s = 0; s < text.segments.length; ++s) {
            var seg = text.segments[s], from = Math.max(start, seg.start),
                to = Math.min(end, seg.start + seg.node.data.length);
            if (from < to)
                pieces.push({index: s, from: from - seg.start, to: to - seg.start});
        }
    }
    pieces.sort(function (a, b) { return b.index - a.index || b.from - a.from; });
    var limit = {};
    for (var p = 0; p < pieces.length; ++p) {
        var piece = pieces[p], node = text.segments[piece.index].node;
        // Overlapping occurrences: the later one is marked, the earlier only up to it.
        var to = Math.min(piece.to, limit[piece.index] === undefined ? piece.to : limit[piece.index]);
        if (piece.from >= to)
            continue;
        limit[piece.index] = piece.from;
        node.splitText(to);
        var middle = node.splitText(piece.from);
        var mark = doc.createElement('mark');
        mark.className = 'tv-vyskyt';
        mark.setAttribute('style', 'background: #bcd9f5; color: inherit;');
        middle.parentNode.insertBefore(mark, middle);
        mark.appendChild(middle);
    }
    return doc.querySelectorAll('mark.tv-vyskyt').length;
}
