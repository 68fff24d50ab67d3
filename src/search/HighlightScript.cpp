#include "search/HighlightScript.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
const char* const kScript = R"JS((function (words, anchorName) {
  var list = words.filter(function (w) { return w.length > 0; });
  if (!list.length || !document.body) return false;
  list.sort(function (a, b) { return b.length - a.length; });
  var pattern = list.map(function (w) {
    return w.replace(/[.*+?^${}()|[\]\\\/]/g, '\\$&').replace(/\s+/g, '\\s+');
  }).join('|');
  var re = new RegExp(pattern, 'giu');
  var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT, {
    acceptNode: function (node) {
      var parent = node.parentNode ? node.parentNode.nodeName : '';
      return parent === 'SCRIPT' || parent === 'STYLE' ? NodeFilter.FILTER_REJECT
                                                       : NodeFilter.FILTER_ACCEPT;
    }
  });
  var nodes = [];
  while (walker.nextNode()) nodes.push(walker.currentNode);
  var first = null;
  nodes.forEach(function (node) {
    var text = node.data, last = 0, found, fragment = null;
    re.lastIndex = 0;
    while ((found = re.exec(text)) !== null) {
      if (!found[0].length) { re.lastIndex++; continue; }
      fragment = fragment || document.createDocumentFragment();
      fragment.appendChild(document.createTextNode(text.slice(last, found.index)));
      if (!first) {
        first = document.createElement('a');
        first.name = anchorName;
        fragment.appendChild(first);
      }
      var mark = document.createElement('span');
      mark.className = 'tavlinNalez';
      mark.style.backgroundColor = '#ffff00';
      mark.textContent = found[0];
      fragment.appendChild(mark);
      last = found.index + found[0].length;
    }
    if (fragment) {
      fragment.appendChild(document.createTextNode(text.slice(last)));
      node.parentNode.replaceChild(fragment, node);
    }
  });
  if (first) first.scrollIntoView();
  return first !== null;
}))JS";
} // namespace

QString highlightScript(const QStringList& words) {
    // JSON is a valid JavaScript literal; '<' is escaped so the text can also sit in a <script>.
    QString arguments = QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(words)).toJson(QJsonDocument::Compact));
    arguments.replace(QLatin1Char('<'), QLatin1String("\\u003c"));
    return QString::fromUtf8(kScript) + QLatin1Char('(') + arguments + QStringLiteral(", '") +
           QLatin1String(kFirstHitAnchor) + QStringLiteral("');");
}
