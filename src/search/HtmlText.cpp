#include "search/HtmlText.h"

#include <QHash>

namespace {
const QHash<QString, char32_t>& namedEntities() {
    static const QHash<QString, char32_t> entities = {
        {QStringLiteral("amp"), U'&'},    {QStringLiteral("lt"), U'<'},
        {QStringLiteral("gt"), U'>'},     {QStringLiteral("quot"), U'"'},
        {QStringLiteral("apos"), U'\''},  {QStringLiteral("nbsp"), U'\u00a0'},
        {QStringLiteral("sect"), U'§'},   {QStringLiteral("ndash"), U'–'},
        {QStringLiteral("mdash"), U'—'},  {QStringLiteral("hellip"), U'…'},
        {QStringLiteral("bdquo"), U'„'},  {QStringLiteral("ldquo"), U'“'},
        {QStringLiteral("rdquo"), U'”'},  {QStringLiteral("sbquo"), U'‚'},
        {QStringLiteral("lsquo"), U'‘'},  {QStringLiteral("rsquo"), U'’'},
        {QStringLiteral("laquo"), U'«'},  {QStringLiteral("raquo"), U'»'},
        {QStringLiteral("copy"), U'©'},   {QStringLiteral("deg"), U'°'},
        {QStringLiteral("times"), U'×'},  {QStringLiteral("shy"), U'\u00ad'},
        {QStringLiteral("aacute"), U'á'}, {QStringLiteral("Aacute"), U'Á'},
        {QStringLiteral("eacute"), U'é'}, {QStringLiteral("Eacute"), U'É'},
        {QStringLiteral("iacute"), U'í'}, {QStringLiteral("Iacute"), U'Í'},
        {QStringLiteral("oacute"), U'ó'}, {QStringLiteral("Oacute"), U'Ó'},
        {QStringLiteral("uacute"), U'ú'}, {QStringLiteral("Uacute"), U'Ú'},
        {QStringLiteral("yacute"), U'ý'}, {QStringLiteral("Yacute"), U'Ý'},
        {QStringLiteral("ecaron"), U'ě'}, {QStringLiteral("Ecaron"), U'Ě'},
        {QStringLiteral("scaron"), U'š'}, {QStringLiteral("Scaron"), U'Š'},
        {QStringLiteral("ccaron"), U'č'}, {QStringLiteral("Ccaron"), U'Č'},
        {QStringLiteral("rcaron"), U'ř'}, {QStringLiteral("Rcaron"), U'Ř'},
        {QStringLiteral("zcaron"), U'ž'}, {QStringLiteral("Zcaron"), U'Ž'},
        {QStringLiteral("ncaron"), U'ň'}, {QStringLiteral("Ncaron"), U'Ň'},
        {QStringLiteral("dcaron"), U'ď'}, {QStringLiteral("Dcaron"), U'Ď'},
        {QStringLiteral("tcaron"), U'ť'}, {QStringLiteral("Tcaron"), U'Ť'},
        {QStringLiteral("uring"), U'ů'},  {QStringLiteral("Uring"), U'Ů'},
        {QStringLiteral("ouml"), U'ö'},   {QStringLiteral("uuml"), U'ü'},
        {QStringLiteral("auml"), U'ä'},   {QStringLiteral("euro"), U'€'},
    };
    return entities;
}

bool isInlineTag(QStringView name) {
    static const char* const inlineTags[] = {"a",    "b",   "i",      "u",    "em",    "strong",
                                             "span", "sup", "sub",    "font", "small", "big",
                                             "abbr", "s",   "strike", "tt",   "code",  "mark"};
    for (const char* tag : inlineTags) {
        if (name.compare(QLatin1String(tag), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void appendCodePoint(QString& out, char32_t point) {
    // Invalid and control references become a space rather than text that was never there.
    if (point == 0 || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF) || point < 0x20)
        point = U' ';
    out += QString::fromUcs4(&point, 1);
}

// Decodes the reference starting at `at` ('&'); returns the index after it, or `at` + 1 with a
// literal '&' appended when it is not a reference.
qsizetype decodeReference(const QString& html, qsizetype at, QString& out) {
    const qsizetype semicolon = html.indexOf(QLatin1Char(';'), at + 1);
    if (semicolon < 0 || semicolon - at > 12) {
        out += QLatin1Char('&');
        return at + 1;
    }
    const QStringView name = QStringView(html).mid(at + 1, semicolon - at - 1);
    if (name.startsWith(QLatin1Char('#')) && name.size() > 1) {
        bool ok = false;
        const bool hex = name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X');
        const uint value = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (ok) {
            appendCodePoint(out, value);
            return semicolon + 1;
        }
    } else if (const auto found = namedEntities().constFind(name.toString());
               found != namedEntities().cend()) {
        appendCodePoint(out, found.value());
        return semicolon + 1;
    }
    out += QLatin1Char('&');
    return at + 1;
}
} // namespace

QString htmlToText(const QString& html) {
    QString out;
    out.reserve(html.size());
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('&')) {
            i = decodeReference(html, i, out);
            continue;
        }
        if (c != QLatin1Char('<')) {
            out += c;
            ++i;
            continue;
        }
        if (html.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
            i = end < 0 ? n : end + 3;
            out += QLatin1Char(' ');
            continue;
        }
        const QChar next = i + 1 < n ? html.at(i + 1) : QChar();
        const qsizetype close = html.indexOf(QLatin1Char('>'), i + 1);
        if (close < 0 ||
            !(next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!'))) {
            // A '<' that opens no tag is text.
            out += c;
            ++i;
            continue;
        }
        qsizetype nameStart = i + 1;
        if (nameStart < close && html.at(nameStart) == QLatin1Char('/'))
            ++nameStart;
        qsizetype nameEnd = nameStart;
        while (nameEnd < close && html.at(nameEnd).isLetterOrNumber())
            ++nameEnd;
        const QStringView name = QStringView(html).mid(nameStart, nameEnd - nameStart);
        const bool opening = nameStart == i + 1;
        i = close + 1;
        if (opening && (name.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0 ||
                        name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0)) {
            const QString endTag = QStringLiteral("</") + name.toString();
            const qsizetype end = html.indexOf(endTag, i, Qt::CaseInsensitive);
            const qsizetype endClose = end < 0 ? -1 : html.indexOf(QLatin1Char('>'), end);
            i = endClose < 0 ? n : endClose + 1;
        }
        if (!isInlineTag(name))
            out += QLatin1Char(' ');
    }
    return out;
}
