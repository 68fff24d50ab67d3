#include "db/JetLike.h"

#include <QChar>
#include <QVarLengthArray>

namespace {
// Decodes one UTF-8 character at `pos` and advances; malformed bytes stand for themselves.
char32_t nextChar(std::string_view text, std::size_t& pos) {
    const auto byte = static_cast<unsigned char>(text[pos++]);
    if (byte < 0x80)
        return byte;
    int extra = 0;
    char32_t ch = 0;
    if ((byte & 0xE0) == 0xC0) {
        extra = 1;
        ch = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
        extra = 2;
        ch = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
        extra = 3;
        ch = byte & 0x07;
    } else {
        return byte;
    }
    const std::size_t start = pos;
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            pos = start;
            return byte;
        }
        ch = (ch << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return ch;
}

char32_t folded(char32_t ch) {
    if (ch < 0x80)
        return (ch >= 'A' && ch <= 'Z') ? ch + ('a' - 'A') : ch;
    return QChar::toCaseFolded(ch);
}
} // namespace

bool JetLikePattern::compile(std::string_view utf8) {
    m_elements.clear();
    m_ranges.clear();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t ch = nextChar(utf8, pos);
        switch (ch) {
        case '*':
            // Consecutive runs are one run; keeping them apart only slows the match.
            if (m_elements.empty() || m_elements.back().kind != Kind::AnyRun)
                m_elements.push_back({Kind::AnyRun});
            break;
        case '?':
            m_elements.push_back({Kind::AnyOne});
            break;
        case '#':
            m_elements.push_back({Kind::Digit});
            break;
        case '[': {
            Element set{Kind::Set};
            set.firstRange = m_ranges.size();
            if (pos < utf8.size() && utf8[pos] == '!') {
                set.negated = true;
                ++pos;
            }
            bool closed = false;
            while (pos < utf8.size()) {
                const char32_t from = nextChar(utf8, pos);
                if (from == ']') {
                    closed = true;
                    break;
                }
                char32_t to = from;
                if (pos + 1 < utf8.size() && utf8[pos] == '-' && utf8[pos + 1] != ']') {
                    ++pos;
                    to = nextChar(utf8, pos);
                }
                char32_t low = folded(from);
                char32_t high = folded(to);
                if (high < low)
                    std::swap(low, high);
                m_ranges.push_back({low, high});
            }
            if (!closed)
                return false;
            set.rangeCount = m_ranges.size() - set.firstRange;
            m_elements.push_back(set);
            break;
        }
        default:
            m_elements.push_back({Kind::Literal, folded(ch)});
        }
    }
    return true;
}

bool JetLikePattern::matchesOne(const Element& element, char32_t ch) const {
    switch (element.kind) {
    case Kind::Literal:
        return element.ch == ch;
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return ch >= '0' && ch <= '9';
    case Kind::Set: {
        bool inside = false;
        for (std::size_t i = 0; i < element.rangeCount && !inside; ++i) {
            const Range& range = m_ranges[element.firstRange + i];
            inside = ch >= range.from && ch <= range.to;
        }
        return inside != element.negated;
    }
    case Kind::AnyRun:
        break;
    }
    return false;
}

bool JetLikePattern::matches(std::string_view utf8) const {
    QVarLengthArray<char32_t, 256> text;
    for (std::size_t pos = 0; pos < utf8.size();)
        text.append(folded(nextChar(utf8, pos)));

    // Every element but a run takes one character, so on a mismatch it is enough to let the
    // last run seen swallow one more character and try again from there.
    const std::size_t count = m_elements.size();
    std::size_t p = 0;
    qsizetype t = 0;
    std::size_t starElement = count;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < count && m_elements[p].kind == Kind::AnyRun) {
            starElement = p++;
            starText = t;
        } else if (p < count && matchesOne(m_elements[p], text[t])) {
            ++p;
            ++t;
        } else if (starElement < count) {
            p = starElement + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < count && m_elements[p].kind == Kind::AnyRun)
        ++p;
    return p == count;
}
