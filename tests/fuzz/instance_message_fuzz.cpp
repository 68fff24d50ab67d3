#include "platform/InstanceMessage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Bytes a local process may send to the running reader, in pieces of any size: messages never
// exceed the limit, a refused stream stays refused, and an accepted command gives back a link
// that makes the same command again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const qsizetype chunk = 1 + data[0] % 64;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1,
                               static_cast<qsizetype>(size - 1));
    InstanceMessageDecoder decoder;
    bool bRefused = false;
    for (qsizetype at = 0; at < bytes.size(); at += chunk) {
        decoder.append(bytes.sliced(at, qMin(chunk, bytes.size() - at)));
        QByteArray message;
        InstanceMessageDecoder::Status status;
        while ((status = decoder.next(message)) == InstanceMessageDecoder::Status::Message) {
            if (bRefused || message.size() > kMaxInstanceMessage)
                std::abort();
            if (const std::optional<QString> link = parseOpenCommand(message))
                if (makeOpenCommand(*link).toUtf8() != message &&
                    parseOpenCommand(makeOpenCommand(*link).toUtf8()) != link)
                    std::abort();
        }
        if (status == InstanceMessageDecoder::Status::Refused)
            bRefused = true;
        else if (bRefused)
            std::abort();
    }
    parseOpenCommand(bytes);
    return 0;
}
