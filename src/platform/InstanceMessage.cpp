#include "platform/InstanceMessage.h"

#include <QStringDecoder>
#include <QtEndian>

namespace {
constexpr qsizetype kLengthBytes = 4;
const QLatin1String kOpenStart("[open(\"");
const QLatin1String kOpenEnd("\")]");
} // namespace

QByteArray frameInstanceMessage(QByteArrayView payload) {
    QByteArray framed(kLengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(payload.size()), framed.data());
    framed.append(payload);
    return framed;
}

void InstanceMessageDecoder::append(QByteArrayView bytes) {
    if (!m_bRefused)
        m_buffer.append(bytes);
}

InstanceMessageDecoder::Status InstanceMessageDecoder::next(QByteArray& message) {
    if (m_bRefused)
        return Status::Refused;
    if (m_buffer.size() < kLengthBytes)
        return Status::NeedMore;
    const quint32 length = qFromBigEndian<quint32>(m_buffer.constData());
    if (length > static_cast<quint32>(kMaxInstanceMessage)) {
        m_bRefused = true;
        m_buffer.clear();
        return Status::Refused;
    }
    if (m_buffer.size() < kLengthBytes + static_cast<qsizetype>(length))
        return Status::NeedMore;
    message = m_buffer.mid(kLengthBytes, length);
    m_buffer.remove(0, kLengthBytes + length);
    return Status::Message;
}

QString makeOpenCommand(const QString& link) {
    return kOpenStart + link + kOpenEnd;
}

std::optional<QString> parseOpenCommand(QByteArrayView message) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(message);
    if (decoder.hasError())
        return std::nullopt;
    if (text.size() < kOpenStart.size() + kOpenEnd.size() ||
        !text.startsWith(kOpenStart, Qt::CaseInsensitive) || !text.endsWith(kOpenEnd))
        return std::nullopt;
    const QString link =
        text.mid(kOpenStart.size(), text.size() - kOpenStart.size() - kOpenEnd.size());
    for (const QChar c : link)
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
    return link;
}
