#pragma once

#include <QString>
#include <functional>

// What the linker needs to know of the collection: the document holding a law by its number
// ("586/1992 Sb."), 0 when none, and whether a document has an anchor ("par38h").
struct ReferenceTargets {
    std::function<int(const QString& norma)> documentOf;
    std::function<bool(int document, const QString& anchor)> hasAnchor;
};

// Turns the cross-references in the text of a section of document `self` into links:
// "§ 38", "§ 38 odst. 2 písm. a)", "§ 6 a 7" to that paragraph of the same law, "§ 24 zákona
// č. 586/1992 Sb." to the paragraph of that law, and "zákona č. 586/1992 Sb." to the law.
// A reference whose target the collection does not hold, or one naming a law only by its title
// ("§ 230 zákoníku práce"), stays text. Only text outside tags, headings and links is changed;
// the HTML is our own.
QString linkReferences(const QString& html, int self, const ReferenceTargets& targets);

// The link to a document and anchor as the reader's pages spell it.
QString documentLink(int document, const QString& anchor);
