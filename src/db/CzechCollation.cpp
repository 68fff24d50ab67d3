#include "db/CzechCollation.h"

#include <QVarLengthArray>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <unicode/ucol.h>
#include <unicode/ustring.h>

namespace {
UCollator* czechCollator() {
    static UCollator* collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* created = ucol_open("cs", &status);
        if (U_FAILURE(status))
            return static_cast<UCollator*>(nullptr);
        return created;
    }();
    return collator;
}

// How many leading bytes the two texts share, compared eight at a time.
std::size_t commonPrefix(std::string_view left, std::string_view right) {
    const std::size_t length = std::min(left.size(), right.size());
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        std::memcpy(&a, left.data() + i, 8);
        std::memcpy(&b, right.data() + i, 8);
        if (a != b) {
            const std::uint64_t difference = a ^ b;
            const int bit = std::endian::native == std::endian::little
                                ? std::countr_zero(difference)
                                : std::countl_zero(difference);
            return i + static_cast<std::size_t>(bit / 8);
        }
    }
    while (i < length && left[i] == right[i])
        ++i;
    return i;
}
} // namespace

namespace {
// The order of the groups of printable ASCII characters: space, punctuation and symbols first,
// then digits, then letters; 0 for every other byte.
int asciiGroup(char c) {
    if (c >= '0' && c <= '9')
        return 2;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return 3;
    return c >= ' ' && c <= '~' ? 1 : 0;
}
} // namespace

int compareCzech(std::string_view left, std::string_view right) {
    // Where two texts first differ in printable ASCII characters of different groups, or in two
    // digits, that pair decides: no contraction takes a digit or a punctuation mark, the groups
    // follow each other in this order, and the first primary difference outweighs all later
    // ones. Lists sorted by regulation number compare this way almost every time, without the
    // collator.
    const std::size_t common = commonPrefix(left, right);
    if (common < left.size() && common < right.size()) {
        const char l = left[common];
        const char r = right[common];
        const int leftGroup = asciiGroup(l);
        const int rightGroup = asciiGroup(r);
        if (leftGroup != 0 && rightGroup != 0 && leftGroup != rightGroup)
            return leftGroup < rightGroup ? -1 : 1;
        if (leftGroup == 2 && rightGroup == 2)
            return l < r ? -1 : 1;
    }
    if (UCollator* collator = czechCollator()) {
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult result =
            ucol_strcollUTF8(collator, left.data(), static_cast<int32_t>(left.size()), right.data(),
                             static_cast<int32_t>(right.size()), &status);
        if (U_SUCCESS(status) && result != UCOL_EQUAL)
            return result == UCOL_LESS ? -1 : 1;
    }
    const int bytes = left.compare(right);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

QByteArray czechSortKey(std::string_view text) {
    // The collation key ends with a zero byte and holds no other; the text's own bytes follow it
    // as the tie-break that compareCzech applies to texts the collation ranks equal.
    QByteArray key;
    UCollator* collator = czechCollator();
    QVarLengthArray<UChar, 256> utf16(static_cast<qsizetype>(text.size()) + 1);
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8Lenient(utf16.data(), static_cast<int32_t>(utf16.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), &status);
    if (collator && U_SUCCESS(status)) {
        uint8_t buffer[512];
        int32_t size = ucol_getSortKey(collator, utf16.data(), length, buffer, sizeof buffer);
        if (size > 0 && size <= static_cast<int32_t>(sizeof buffer)) {
            key.reserve(size + static_cast<qsizetype>(text.size()));
            key.append(reinterpret_cast<const char*>(buffer), size);
        } else if (size > 0) {
            key.resize(size);
            ucol_getSortKey(collator, utf16.data(), length, reinterpret_cast<uint8_t*>(key.data()),
                            size);
        }
    }
    if (key.isEmpty() || key.back() != '\0')
        key.append('\0');
    key.append(text.data(), static_cast<qsizetype>(text.size()));
    return key;
}
