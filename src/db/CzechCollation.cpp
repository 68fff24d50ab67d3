#include "db/CzechCollation.h"

#include <QVarLengthArray>
#include <algorithm>
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
} // namespace

int compareCzech(std::string_view left, std::string_view right) {
    // Where two texts first differ in an ASCII digit against another digit or an ASCII letter,
    // that pair decides: no contraction takes a digit, digits come before letters, and the first
    // primary difference outweighs all later ones. Lists sorted by regulation number compare this
    // way almost every time, without the collator.
    const auto [l, r] = std::mismatch(left.begin(), left.end(), right.begin(), right.end());
    if (l != left.end() && r != right.end()) {
        const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
        const auto isLetter = [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        };
        if (isDigit(*l) && (isDigit(*r) || isLetter(*r)))
            return *l < *r ? -1 : 1;
        if (isDigit(*r) && isLetter(*l))
            return 1;
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
