#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The messages between a starting reader and the one already running: each is a 4-byte
// big-endian length followed by that many bytes of UTF-8. The starting reader sends the shell's
// open command `[open("tavlin:…")]`; the running one answers "OK" or "REFUSED".

// The longest message accepted; a link is far shorter.
constexpr qsizetype kMaxInstanceMessage = 16 * 1024;

// The message with its length in front.
QByteArray frameInstanceMessage(QByteArrayView payload);

// Splits received bytes into messages. A length above kMaxInstanceMessage refuses the whole
// conversation: nothing after it is read.
class InstanceMessageDecoder {
public:
    enum class Status { NeedMore, Message, Refused };

    void append(QByteArrayView bytes);
    // The next complete message into `message`; NeedMore until one has arrived whole.
    Status next(QByteArray& message);
    bool isRefused() const { return m_bRefused; }

private:
    QByteArray m_buffer;
    bool m_bRefused = false;
};

// The shell's open command for a link.
QString makeOpenCommand(const QString& link);
// The link of an open command: the text between `[open("` and the closing `")]`; nothing for any
// other text, for text with control characters and for bytes that are not UTF-8.
std::optional<QString> parseOpenCommand(QByteArrayView message);
