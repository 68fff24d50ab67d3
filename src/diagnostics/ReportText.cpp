#include "diagnostics/ReportText.h"

#include <cerrno>
#include <unistd.h>

std::size_t textLength(const char* s) {
    std::size_t n = 0;
    while (s[n] != '\0')
        ++n;
    return n;
}

void copyText(char* target, std::size_t size, const char* source) {
    if (size == 0)
        return;
    std::size_t i = 0;
    for (; i + 1 < size && source[i] != '\0'; ++i)
        target[i] = source[i];
    target[i] = '\0';
}

ReportText& ReportText::text(const char* s, std::size_t length) {
    for (std::size_t i = 0; i < length && m_length < kCapacity; ++i)
        m_buffer[m_length++] = s[i];
    return *this;
}

ReportText& ReportText::text(const char* s) {
    return text(s, textLength(s));
}

ReportText& ReportText::repeat(char c, int count) {
    for (int i = 0; i < count; ++i)
        text(&c, 1);
    return *this;
}

ReportText& ReportText::hex(std::uint64_t value, int digits) {
    char reversed[16];
    int n = 0;
    do {
        reversed[n++] = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    repeat('0', digits - n);
    while (n > 0)
        text(&reversed[--n], 1);
    return *this;
}

ReportText& ReportText::dec(std::int64_t value, int width) {
    char reversed[21];
    int n = 0;
    const bool bNegative = value < 0;
    // Digits of the magnitude, taken from the negative side so that the smallest value fits.
    std::int64_t rest = bNegative ? value : -value;
    do {
        reversed[n++] = static_cast<char>('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (bNegative)
        reversed[n++] = '-';
    repeat(' ', width - n);
    while (n > 0)
        text(&reversed[--n], 1);
    return *this;
}

bool ReportText::writeTo(int fd) {
    std::size_t written = 0;
    while (written < m_length) {
        const ssize_t n = ::write(fd, m_buffer + written, m_length - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_length = 0;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    m_length = 0;
    return true;
}
