#include "document/ComparisonPage.h"

#include "document/ValidOnDay.h"
#include "document/WordDiff.h"

#include <QRegularExpression>

namespace {
constexpr int kLabelWords = 8;

QByteArray escaped(const QString& text) {
    return text.toHtmlEscaped().toUtf8();
}

QByteArray sectionHtml(const SectionDelta& delta) {
    switch (delta.kind()) {
    case SectionDelta::Kind::Removed:
        return delta.m_before->m_obsah;
    case SectionDelta::Kind::Changed:
        return markWordChanges(delta.m_before->m_obsah, delta.m_after->m_obsah);
    default:
        return delta.m_after->m_obsah;
    }
}
} // namespace

QString sectionLabel(const QByteArray& html) {
    static const QRegularExpression heading(QStringLiteral("<h([1-6])\\b[^>]*>(.*?)</h\\1\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = heading.match(QString::fromUtf8(html));
    if (match.hasMatch()) {
        const QString text = plainWords(match.captured(2).toUtf8());
        if (!text.isEmpty())
            return text;
    }
    const QStringList words = plainWords(html).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString label = words.mid(0, kLabelWords).join(QLatin1Char(' '));
    if (words.size() > kLabelWords)
        label += QStringLiteral(" …");
    return label;
}

QByteArray comparisonBody(const std::vector<SectionDelta>& deltas, const QDate& before,
                          const QDate& after, const ComparisonTexts& texts) {
    QByteArray list;
    QByteArray body;
    int changes = 0;
    for (const SectionDelta& delta : deltas) {
        const SectionDelta::Kind kind = delta.kind();
        if (kind == SectionDelta::Kind::Same) {
            body += delta.m_after->m_obsah;
            continue;
        }
        ++changes;
        const QByteArray anchor = "tv-zmena-" + QByteArray::number(changes);
        const char* cssClass = kind == SectionDelta::Kind::Added     ? "tv-pridano"
                               : kind == SectionDelta::Kind::Removed ? "tv-odebrano"
                                                                     : "tv-zmeneno";
        const QString& kindText = kind == SectionDelta::Kind::Added     ? texts.added
                                  : kind == SectionDelta::Kind::Removed ? texts.removed
                                                                        : texts.changed;
        const QByteArray& labelSource =
            delta.m_after ? delta.m_after->m_obsah : delta.m_before->m_obsah;
        list += "<li><a href=\"#" + anchor + "\">" + escaped(sectionLabel(labelSource)) + "</a> (" +
                escaped(kindText) + ")</li>\n";
        body += "<div class=\"" + QByteArray(cssClass) + "\" id=\"" + anchor + "\">" +
                sectionHtml(delta) + "</div>\n";
    }
    QByteArray page = "<div class=\"tv-porovnani\">\n<p class=\"tv-porovnani-nadpis\">" +
                      escaped(QString(texts.heading)
                                  .replace(QStringLiteral("%1"), czechDay(before))
                                  .replace(QStringLiteral("%2"), czechDay(after))) +
                      "</p>\n";
    page += changes == 0 ? "<p>" + escaped(texts.noChange) + "</p>\n" : "<ul>\n" + list + "</ul>\n";
    page += "</div>\n";
    return page + body;
}
