#pragma once

#include <string>
#include <string_view>

// Splits UTF-8 text into words the way the full-text index does: runs of letters, digits and
// private-use characters, each in lower case. Invalid UTF-8 bytes separate words. For every
// word `onWord(word, begin, end)` is called with the byte offsets of the word in `text`; a false
// return stops the walk.
template <typename Emit> void forEachWord(std::string_view text, Emit&& onWord);

// The decoded code point at `at` and the byte after it; an invalid sequence gives U+FFFD and
// one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& at);
void appendUtf8(std::string& out, char32_t c);
bool isWordChar(char32_t c);
char32_t lowerChar(char32_t c);

template <typename Emit> void forEachWord(std::string_view text, Emit&& onWord) {
    std::string word;
    std::size_t begin = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = at;
        const auto byte = static_cast<unsigned char>(text[at]);
        // Most of a Czech text is ASCII: its letters are handled here, without decoding.
        if (byte < 0x80) {
            ++at;
            const unsigned char lower = byte | 0x20;
            if ((byte >= '0' && byte <= '9') || (lower >= 'a' && lower <= 'z')) {
                if (word.empty())
                    begin = start;
                word += char(byte >= 'A' && byte <= 'Z' ? lower : byte);
                continue;
            }
        } else if (const char32_t c = decodeUtf8(text, at); isWordChar(c)) {
            if (word.empty())
                begin = start;
            appendUtf8(word, lowerChar(c));
            continue;
        }
        if (!word.empty()) {
            if (!onWord(word, begin, start))
                return;
            word.clear();
        }
    }
    if (!word.empty())
        onWord(word, begin, text.size());
}
