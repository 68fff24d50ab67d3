#pragma once

#include <cstddef>
#include <cstdint>

// One piece of a crash report, built in a fixed buffer without the heap or stdio, so that it can
// be used inside a signal handler; what does not fit is cut.
class ReportText {
public:
    static constexpr std::size_t kCapacity = 1024;

    ReportText& text(const char* s);
    ReportText& text(const char* s, std::size_t length);
    ReportText& repeat(char c, int count);
    // Upper-case hexadecimal, at least `digits` digits with leading zeros.
    ReportText& hex(std::uint64_t value, int digits);
    // Decimal, right-aligned in `width` places.
    ReportText& dec(std::int64_t value, int width = 0);

    // Writes the piece to `fd` and empties the buffer; false when the write failed.
    bool writeTo(int fd);

    const char* data() const { return m_buffer; }
    std::size_t size() const { return m_length; }

private:
    char m_buffer[kCapacity];
    std::size_t m_length = 0;
};

// Length of a zero-terminated text (strlen is not on the list of calls safe in a handler).
std::size_t textLength(const char* s);
// Copies at most `size` - 1 bytes of `source` into `target` and terminates it.
void copyText(char* target, std::size_t size, const char* source);
