#include "search/HtmlText.h"

#include "morphology/WordTokens.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace {
using Entity = std::pair<std::string_view, char32_t>;

const auto& namedEntities() {
    static const std::array<Entity, 56> entities{{
        {"amp", U'&'},    {"lt", U'<'},        {"gt", U'>'},     {"quot", U'"'},
        {"apos", U'\''},  {"nbsp", U'\u00a0'}, {"sect", U'§'},   {"ndash", U'–'},
        {"mdash", U'—'},  {"hellip", U'…'},    {"bdquo", U'„'},  {"ldquo", U'“'},
        {"rdquo", U'”'},  {"sbquo", U'‚'},     {"lsquo", U'‘'},  {"rsquo", U'’'},
        {"laquo", U'«'},  {"raquo", U'»'},     {"copy", U'©'},   {"deg", U'°'},
        {"times", U'×'},  {"shy", U'\u00ad'},  {"aacute", U'á'}, {"Aacute", U'Á'},
        {"eacute", U'é'}, {"Eacute", U'É'},    {"iacute", U'í'}, {"Iacute", U'Í'},
        {"oacute", U'ó'}, {"Oacute", U'Ó'},    {"uacute", U'ú'}, {"Uacute", U'Ú'},
        {"yacute", U'ý'}, {"Yacute", U'Ý'},    {"ecaron", U'ě'}, {"Ecaron", U'Ě'},
        {"scaron", U'š'}, {"Scaron", U'Š'},    {"ccaron", U'č'}, {"Ccaron", U'Č'},
        {"rcaron", U'ř'}, {"Rcaron", U'Ř'},    {"zcaron", U'ž'}, {"Zcaron", U'Ž'},
        {"ncaron", U'ň'}, {"Ncaron", U'Ň'},    {"dcaron", U'ď'}, {"Dcaron", U'Ď'},
        {"tcaron", U'ť'}, {"Tcaron", U'Ť'},    {"uring", U'ů'},  {"Uring", U'Ů'},
        {"ouml", U'ö'},   {"uuml", U'ü'},      {"auml", U'ä'},   {"euro", U'€'},
    }};
    return entities;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerChar(static_cast<unsigned char>(x)) ==
                      lowerChar(static_cast<unsigned char>(y));
           });
}

// The first `needle` (ASCII) in `text` from `from` on, in any letter case; npos when none.
std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from) {
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at) {
        if (equalsIgnoringCase(text.substr(at, needle.size()), needle))
            return at;
    }
    return std::string_view::npos;
}

bool isInlineTag(std::string_view name) {
    static const char* const inlineTags[] = {"a",    "b",   "i",      "u",    "em",    "strong",
                                             "span", "sup", "sub",    "font", "small", "big",
                                             "abbr", "s",   "strike", "tt",   "code",  "mark"};
    return std::any_of(std::begin(inlineTags), std::end(inlineTags),
                       [name](const char* tag) { return equalsIgnoringCase(name, tag); });
}

void appendCodePoint(std::string& out, std::uint64_t point) {
    // Invalid and control references become a space rather than text that was never there.
    if (point == 0 || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF) || point < 0x20)
        point = U' ';
    appendUtf8(out, char32_t(point));
}

// The value of a numeric reference's digits; false when they are none or not all digits.
bool referenceNumber(std::string_view digits, int base, std::uint64_t& value) {
    if (digits.empty())
        return false;
    value = 0;
    for (const char c : digits) {
        const char lower = char(c | 0x20);
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && lower >= 'a' && lower <= 'f')
            digit = lower - 'a' + 10;
        if (digit < 0)
            return false;
        value = value * std::uint64_t(base) + std::uint64_t(digit);
    }
    return value <= 0xFFFFFFFFu;
}

// Decodes the reference starting at `at` ('&'); returns the index after it, or `at` + 1 with a
// literal '&' appended when it is not a reference.
std::size_t decodeReference(std::string_view html, std::size_t at, std::string& out) {
    const std::size_t semicolon = html.find(';', at + 1);
    if (semicolon == std::string_view::npos || semicolon - at > 12) {
        out += '&';
        return at + 1;
    }
    const std::string_view name = html.substr(at + 1, semicolon - at - 1);
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        std::uint64_t value = 0;
        if (referenceNumber(name.substr(hex ? 2 : 1), hex ? 16 : 10, value)) {
            appendCodePoint(out, value);
            return semicolon + 1;
        }
    } else {
        const auto& entities = namedEntities();
        const auto found = std::find_if(entities.begin(), entities.end(),
                                        [name](const Entity& e) { return e.first == name; });
        if (found != entities.end()) {
            appendCodePoint(out, found->second);
            return semicolon + 1;
        }
    }
    out += '&';
    return at + 1;
}

// The code point at `at`, or none past the end.
char32_t codePointAt(std::string_view text, std::size_t at) {
    return at < text.size() ? decodeUtf8(text, at) : 0;
}
} // namespace

std::string htmlToTextUtf8(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    const std::size_t n = html.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = html[i];
        if (c == '&') {
            i = decodeReference(html, i, out);
            continue;
        }
        if (c != '<') {
            // Copied up to the next markup in one piece.
            const std::size_t next = std::min(html.find_first_of("&<", i), n);
            out.append(html.substr(i, next - i));
            i = next;
            continue;
        }
        if (html.substr(i, 4) == "<!--") {
            const std::size_t end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? n : end + 3;
            out += ' ';
            continue;
        }
        const char32_t next = codePointAt(html, i + 1);
        const std::size_t close = html.find('>', i + 1);
        if (close == std::string_view::npos ||
            !(QChar::isLetter(next) || next == U'/' || next == U'!')) {
            // A '<' that opens no tag is text.
            out += c;
            ++i;
            continue;
        }
        std::size_t nameStart = i + 1;
        if (nameStart < close && html[nameStart] == '/')
            ++nameStart;
        std::size_t nameEnd = nameStart;
        while (nameEnd < close) {
            std::size_t after = nameEnd;
            if (!QChar::isLetterOrNumber(decodeUtf8(html, after)))
                break;
            nameEnd = std::min(after, close);
        }
        const std::string_view name = html.substr(nameStart, nameEnd - nameStart);
        const bool opening = nameStart == i + 1;
        i = close + 1;
        if (opening && (equalsIgnoringCase(name, "script") || equalsIgnoringCase(name, "style"))) {
            const std::size_t end = findIgnoringCase(html, std::string("</").append(name), i);
            const std::size_t endClose = end == std::string_view::npos ? end : html.find('>', end);
            i = endClose == std::string_view::npos ? n : endClose + 1;
        }
        if (!isInlineTag(name))
            out += ' ';
    }
    return out;
}

QString htmlToText(const QString& html) {
    const QByteArray utf8 = html.toUtf8();
    return QString::fromStdString(htmlToTextUtf8(std::string_view(utf8.constData(), utf8.size())));
}
