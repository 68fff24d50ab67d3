#include "navigation/PackedTexts.h"

#include <QStringEncoder>

void PackedTexts::append(QByteArrayView utf8) {
    m_text.append(utf8);
    m_ends.append(m_text.size());
}

void PackedTexts::append(QStringView text) {
    // Encoded straight into the buffer, without a temporary byte array per row.
    QStringEncoder encoder(QStringEncoder::Utf8);
    const qsizetype start = m_text.size();
    m_text.resize(start + encoder.requiredSpace(text.size()));
    char* end = encoder.appendToBuffer(m_text.data() + start, text);
    m_text.resize(end - m_text.constData());
    m_ends.append(m_text.size());
}

void PackedTexts::append(const PackedTexts& other) {
    const qsizetype offset = m_text.size();
    m_text.append(other.m_text);
    m_ends.reserve(m_ends.size() + other.m_ends.size());
    for (const qsizetype end : other.m_ends)
        m_ends.append(offset + end);
}

void PackedTexts::clear() {
    m_text.clear();
    m_ends.clear();
}

QByteArrayView PackedTexts::utf8At(qsizetype row) const {
    const qsizetype start = row == 0 ? 0 : m_ends.at(row - 1);
    return QByteArrayView(m_text.constData() + start, m_ends.at(row) - start);
}

QString PackedTexts::value(qsizetype row) const {
    if (row < 0 || row >= m_ends.size())
        return {};
    return QString::fromUtf8(utf8At(row));
}
