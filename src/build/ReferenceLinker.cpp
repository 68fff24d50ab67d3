#include "build/ReferenceLinker.h"

#include "build/LawSplitter.h"

#include <QRegularExpression>

namespace {
// A paragraph reference with its subsection, letter and point, then more paragraph numbers.
const QRegularExpression& paragraphReference() {
    static const QString more = QStringLiteral("(?:,\\s|\\sa\\s|\\saž\\s|\\snebo\\s)");
    static const QString tail =
        QStringLiteral("(?:\\sodst\\.\\s\\d{1,3}[a-z]?(?:%1\\d{1,3}[a-z]?)*)?"
                       "(?:\\spísm\\.\\s[a-z]{1,2}\\)(?:%1[a-z]{1,2}\\))*)?"
                       "(?:\\sbod[u]?\\s\\d{1,3}(?:%1\\d{1,3})*)?")
            .arg(more);
    static const QRegularExpression reference(
        QStringLiteral("§\\s(\\d{1,4}[a-z]{0,3})(%1)((?:%2\\d{1,4}[a-z]{0,3}\\b(?:%1))*)")
            .arg(tail, more),
        QRegularExpression::UseUnicodePropertiesOption);
    return reference;
}

const QRegularExpression& furtherNumber() {
    static const QRegularExpression number(QStringLiteral("(\\d{1,4}[a-z]{0,3})\\b"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    return number;
}

const QRegularExpression& lawNumber() {
    static const QRegularExpression law(QStringLiteral("č\\.\\s?(\\d{1,4}/\\d{4})\\sSb\\."),
                                        QRegularExpression::UseUnicodePropertiesOption);
    return law;
}

// The words before "č." that belong to the link: "zákona", "nařízení vlády", "zákona ČNR".
const QRegularExpression& lawWordsBefore() {
    static const QRegularExpression words(
        QStringLiteral(
            "(?:\\b(?:[Zz]ákon[a-zěůy]{0,3}|[Vv]yhlášk[a-zěuyo]{0,2}|[Nn]ařízení[m]?(?:\\svlády)?|"
            "[Ss]dělení[m]?|[Úú]stavní[a-zh]{0,3}\\szákon[a-zěůy]{0,3})(?:\\s[A-ZČŘŠ]{2,5})?\\s)$"),
        QRegularExpression::UseUnicodePropertiesOption);
    return words;
}

// What follows a paragraph reference that points into another law: "zákona č. 1/2000 Sb.".
const QRegularExpression& otherLawAfter() {
    static const QRegularExpression after(
        QStringLiteral(
            "^\\s(?:zákona|zákonem|zákonu|vyhlášky|nařízení(?:\\svlády)?)(?:\\s[A-ZČŘŠ]{2,5})?"
            "\\sč\\.\\s?(\\d{1,4}/\\d{4})\\sSb\\."),
        QRegularExpression::UseUnicodePropertiesOption);
    return after;
}

// What follows a paragraph reference that names another law without its number.
const QRegularExpression& namedLawAfter() {
    static const QRegularExpression after(
        QStringLiteral("^\\s(?:zákona|zákoníku|zákonem|zákonu|vyhlášky|nařízení|předpisu|"
                       "směrnice|úmluvy|smlouvy|řádu|\\w+(?:ého|ího|ých))\\b"),
        QRegularExpression::UseUnicodePropertiesOption);
    return after;
}

QString anchorElement(int document, const QString& anchor, const QString& text) {
    return QStringLiteral("<a href=\"") + documentLink(document, anchor) + QStringLiteral("\">") +
           text + QStringLiteral("</a>");
}

class Linker {
public:
    Linker(int self, const ReferenceTargets& targets) : m_self(self), m_targets(targets) {}

    QString linkText(const QString& text) const {
        QString out;
        qsizetype at = 0;
        while (at < text.size()) {
            const QRegularExpressionMatch paragraph = paragraphReference().match(text, at);
            const QRegularExpressionMatch law = lawNumber().match(text, at);
            const qsizetype p = paragraph.hasMatch() ? paragraph.capturedStart() : text.size();
            const qsizetype l = law.hasMatch() ? law.capturedStart() : text.size();
            if (p == text.size() && l == text.size())
                break;
            if (p <= l) {
                out += QStringView(text).mid(at, p - at);
                out += linkParagraphs(text, paragraph);
                at = paragraph.capturedEnd();
            } else {
                qsizetype start = l;
                const QRegularExpressionMatch words = lawWordsBefore().match(
                    text.mid(std::max(at, l - 40), l - std::max(at, l - 40)));
                if (words.hasMatch())
                    start = l - words.capturedLength();
                out += QStringView(text).mid(at, start - at);
                const QString shown = text.mid(start, law.capturedEnd() - start);
                const int document = m_targets.documentOf(law.captured(1) + QStringLiteral(" Sb."));
                out += document != 0 && document != m_self
                           ? anchorElement(document, QString(), shown)
                           : shown;
                at = law.capturedEnd();
            }
        }
        out += QStringView(text).mid(at);
        return out;
    }

private:
    // The document the paragraphs belong to: this law, another one named by its number, or none.
    int targetOf(const QString& text, qsizetype end) const {
        // "§ 7 a § 23 zákona č. …": the law named after the last reference of a chain.
        static const QRegularExpression chained(
            QStringLiteral("(?:,\\s|\\sa\\s|\\snebo\\s|\\saž\\s)"),
            QRegularExpression::UseUnicodePropertiesOption);
        for (int links = 0; links < 50; ++links) {
            const QRegularExpressionMatch connector =
                chained.match(text, end, QRegularExpression::NormalMatch,
                              QRegularExpression::AnchorAtOffsetMatchOption);
            if (!connector.hasMatch())
                break;
            const QRegularExpressionMatch next = paragraphReference().match(
                text, connector.capturedEnd(), QRegularExpression::NormalMatch,
                QRegularExpression::AnchorAtOffsetMatchOption);
            if (!next.hasMatch())
                break;
            end = next.capturedEnd();
        }
        const QString after = text.mid(end, 80);
        const QRegularExpressionMatch other = otherLawAfter().match(after);
        if (other.hasMatch())
            return m_targets.documentOf(other.captured(1) + QStringLiteral(" Sb."));
        if (namedLawAfter().match(after).hasMatch())
            return 0;
        return m_self;
    }

    QString link(int document, const QString& number, const QString& shown) const {
        const QString anchor = paragraphAnchor(number);
        if (document == 0 || !m_targets.hasAnchor(document, anchor))
            return shown;
        return anchorElement(document, anchor, shown);
    }

    QString linkParagraphs(const QString& text, const QRegularExpressionMatch& match) const {
        const int document = targetOf(text, match.capturedEnd());
        QString out =
            link(document, match.captured(1),
                 text.mid(match.capturedStart(), match.capturedEnd(2) - match.capturedStart()));
        // The further numbers of "§ 6 a 7": each linked by itself, the words between as text.
        const QString rest = match.captured(3);
        qsizetype at = 0;
        while (at < rest.size()) {
            const QRegularExpressionMatch number = furtherNumber().match(rest, at);
            if (!number.hasMatch())
                break;
            out += QStringView(rest).mid(at, number.capturedStart() - at);
            out += link(document, number.captured(1), number.captured(0));
            at = number.capturedEnd();
        }
        return out + rest.mid(at);
    }

    int m_self;
    const ReferenceTargets& m_targets;
};

// Whether a tag ("h3", "/a", "a href=…") opens or closes a heading or a link.
bool isHeadingOrLink(QStringView tag) {
    if (tag.startsWith(QLatin1Char('/')))
        tag = tag.mid(1);
    qsizetype length = 0;
    while (length < tag.size() && tag[length].isLetterOrNumber())
        ++length;
    const QStringView name = tag.left(length);
    return name == QLatin1String("a") ||
           (name.size() == 2 && name[0] == QLatin1Char('h') && name[1] >= QLatin1Char('1') &&
            name[1] <= QLatin1Char('6'));
}
} // namespace

QString documentLink(int document, const QString& anchor) {
    return QStringLiteral("javascript:sestavDoc('%1%2')")
        .arg(document)
        .arg(anchor.isEmpty() ? QString() : QLatin1Char('#') + anchor);
}

QString linkReferences(const QString& html, int self, const ReferenceTargets& targets) {
    const Linker linker(self, targets);
    QString out;
    out.reserve(html.size() + html.size() / 4);
    int skipDepth = 0; // inside a heading or a link
    qsizetype at = 0;
    while (at < html.size()) {
        const qsizetype open = html.indexOf(QLatin1Char('<'), at);
        const qsizetype textEnd = open < 0 ? html.size() : open;
        const QString text = html.mid(at, textEnd - at);
        out += skipDepth > 0 ? text : linker.linkText(text);
        if (open < 0)
            break;
        const qsizetype close = html.indexOf(QLatin1Char('>'), open);
        const qsizetype tagEnd = close < 0 ? html.size() : close + 1;
        const QStringView tag = QStringView(html).mid(open + 1, tagEnd - open - 1);
        if (isHeadingOrLink(tag)) {
            if (!tag.startsWith(QLatin1Char('/')))
                ++skipDepth;
            else if (skipDepth > 0)
                --skipDepth;
        }
        out += QStringView(html).mid(open, tagEnd - open);
        at = tagEnd;
    }
    return out;
}
