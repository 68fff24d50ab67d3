#include "search/HistoryArchive.h"

#include <cstdint>

namespace {
void appendLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool read(int size, std::uint32_t& value) {
        if (remaining() < size)
            return false;
        value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint32_t(std::uint8_t(m_bytes.at(m_pos + i))) << (8 * i);
        m_pos += size;
        return true;
    }
    qsizetype remaining() const { return m_bytes.size() - m_pos; }
    QByteArray take(qsizetype size) {
        const QByteArray part = m_bytes.mid(m_pos, size);
        m_pos += size;
        return part;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};
} // namespace

QByteArray EncodeHistory(const QStringList& entries) {
    QByteArray out;
    const auto count = std::uint32_t(entries.size());
    if (count < 0xFFFF) {
        appendLittleEndian(out, count, 2);
    } else {
        appendLittleEndian(out, 0xFFFF, 2);
        appendLittleEndian(out, count, 4);
    }
    for (const QString& entry : entries) {
        const QByteArray text = entry.toUtf8();
        const auto length = std::uint32_t(text.size());
        if (length < 0xFF) {
            appendLittleEndian(out, length, 1);
        } else if (length < 0xFFFE) {
            appendLittleEndian(out, 0xFF, 1);
            appendLittleEndian(out, length, 2);
        } else {
            appendLittleEndian(out, 0xFF, 1);
            appendLittleEndian(out, 0xFFFF, 2);
            appendLittleEndian(out, length, 4);
        }
        out += text;
    }
    return out;
}

std::optional<QStringList> DecodeHistory(const QByteArray& bytes) {
    Reader reader(bytes);
    std::uint32_t count = 0;
    if (!reader.read(2, count))
        return std::nullopt;
    if (count == 0xFFFF && !reader.read(4, count))
        return std::nullopt;
    // Every entry takes at least its one-byte length, so a larger count cannot be true.
    if (count > std::uint32_t(reader.remaining()))
        return std::nullopt;
    QStringList entries;
    entries.reserve(qsizetype(count));
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t length = 0;
        if (!reader.read(1, length))
            return std::nullopt;
        if (length == 0xFF) {
            if (!reader.read(2, length))
                return std::nullopt;
            if (length == 0xFFFF && !reader.read(4, length))
                return std::nullopt;
        }
        if (length > std::uint32_t(reader.remaining()))
            return std::nullopt;
        entries << QString::fromUtf8(reader.take(qsizetype(length)));
    }
    if (reader.remaining() != 0)
        return std::nullopt;
    return entries;
}
