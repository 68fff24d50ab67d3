#include "document/LinkProtocol.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any URL the browser may hand over: the decision must be consistent and the parser must not
// read outside the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray url(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LinkDecision decision = decideLink(url);
    if (decision.intercept && !decision.note && decision.id == 0)
        std::abort();
    if (!decision.anchor.isEmpty() && !decision.anchor.startsWith(QLatin1Char('#')))
        std::abort();
    if (decision.date && !decision.date->isValid())
        std::abort();
    if (decision.date && !decision.hasDate)
        std::abort();
    documentIdFromLocation(QString::fromUtf8(url));
    return 0;
}
