#pragma once

#include <string_view>
#include <vector>

// A pattern of Jet's LIKE: `*` any run of characters, `?` one character, `#` one digit,
// `[abc]`, `[!abc]` and `[a-z]` one character of (or not of) a set. Letters compare without
// regard to case, Czech letters included; a pattern without wildcards matches only equal text.
class JetLikePattern {
public:
    // False when the pattern is malformed (an unclosed `[`).
    bool compile(std::string_view utf8);
    bool matches(std::string_view utf8) const;

private:
    enum class Kind { Literal, AnyOne, Digit, AnyRun, Set };
    struct Element {
        Kind kind;
        char32_t ch = 0;
        bool negated = false;
        std::size_t firstRange = 0;
        std::size_t rangeCount = 0;
    };
    struct Range {
        char32_t from;
        char32_t to;
    };

    bool matchesOne(const Element& element, char32_t ch) const;

    std::vector<Element> m_elements;
    std::vector<Range> m_ranges;
};
