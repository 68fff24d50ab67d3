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
