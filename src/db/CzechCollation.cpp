#include "db/CzechCollation.h"

#include <unicode/ucol.h>

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
