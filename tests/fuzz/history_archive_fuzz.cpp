// The history decoder on damaged settings values: no crash, no allocation beyond the value's size,
// and whatever it accepts survives a round trip.
#include "search/HistoryArchive.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QStringList> entries = DecodeHistory(bytes);
    if (!entries)
        return 0;
    if (DecodeHistory(EncodeHistory(*entries)) != entries)
        std::abort();
    return 0;
}
