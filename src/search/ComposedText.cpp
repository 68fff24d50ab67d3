#include "search/ComposedText.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace {
const icu::Normalizer2* nfc() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
    return U_SUCCESS(status) ? normalizer : nullptr;
}
} // namespace

std::string composedUtf8(std::string text) {
    const icu::Normalizer2* normalizer = nfc();
    UErrorCode status = U_ZERO_ERROR;
    if (!normalizer || normalizer->isNormalizedUTF8(text, status) || U_FAILURE(status))
        return text;
    std::string result;
    icu::StringByteSink<std::string> sink(&result, int32_t(text.size()));
    normalizer->normalizeUTF8(0, text, sink, nullptr, status);
    return U_SUCCESS(status) ? result : text;
}

QString composed(const QString& text) {
    const icu::Normalizer2* normalizer = nfc();
    // Read in place, not copied.
    const icu::UnicodeString view(false, reinterpret_cast<const UChar*>(text.utf16()),
                                  int32_t(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    if (!normalizer || normalizer->isNormalized(view, status) || U_FAILURE(status))
        return text;
    const icu::UnicodeString result = normalizer->normalize(view, status);
    if (U_FAILURE(status))
        return text;
    return QString(reinterpret_cast<const QChar*>(result.getBuffer()), result.length());
}
