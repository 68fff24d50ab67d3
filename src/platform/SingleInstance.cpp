#include "platform/SingleInstance.h"

#include "platform/InstanceMessage.h"
#include "platform/PrivateTempFolder.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace {
const QByteArray kAccepted = QByteArrayLiteral("OK");
const QByteArray kRefused = QByteArrayLiteral("REFUSED");

bool answersAt(const QString& socketPath) {
    QLocalSocket probe;
    probe.connectToServer(socketPath);
    const bool bLive = probe.waitForConnected(1000);
    probe.abort();
    return bLive;
}
} // namespace

QString instanceSocketPath() {
    const QString folder = privateTempFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/QRMTAVLIN");
}

HandOverResult handOverToRunningInstance(const QString& socketPath, const QString& link,
                                         int timeoutMs) {
    if (socketPath.isEmpty())
        return HandOverResult::NoInstance;
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return HandOverResult::NoInstance;
    socket.write(frameInstanceMessage(makeOpenCommand(link).toUtf8()));
    if (!socket.waitForBytesWritten(timeoutMs))
        return HandOverResult::NoInstance;
    InstanceMessageDecoder decoder;
    QByteArray answer;
    while (decoder.next(answer) == InstanceMessageDecoder::Status::NeedMore) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            // Closed without an answer: the reader went away. Silent: it is busy and has the
            // message in its socket.
            return socket.state() == QLocalSocket::ConnectedState ? HandOverResult::Delivered
                                                                  : HandOverResult::NoInstance;
        }
        decoder.append(socket.readAll());
    }
    socket.disconnectFromServer();
    return answer == kAccepted ? HandOverResult::Delivered : HandOverResult::Refused;
}

struct InstanceServer::Conversation {
    InstanceMessageDecoder decoder;
    int nMessages = 0;
    bool bDelivered = false;
    bool bRefused = false;
};

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString& socketPath) {
    if (socketPath.isEmpty() || isListening())
        return false;
    if (QFileInfo::exists(socketPath)) {
        if (answersAt(socketPath))
            return false;
        // Left by a reader that crashed: nobody answers there any more.
        QLocalServer::removeServer(socketPath);
    }
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath)) {
        delete server;
        return false;
    }
    m_pServer = server;
    connect(m_pServer, &QLocalServer::newConnection, this, &InstanceServer::onNewConnection);
    return true;
}

bool InstanceServer::isListening() const {
    return m_pServer && m_pServer->isListening();
}

void InstanceServer::onNewConnection() {
    while (QLocalSocket* socket = m_pServer->nextPendingConnection())
        serve(socket);
}

void InstanceServer::serve(QLocalSocket* socket) {
    auto conversation = std::make_shared<Conversation>();
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->start(kIdleTimeoutMs);
    connect(idle, &QTimer::timeout, socket, &QLocalSocket::abort);
    const auto read = [this, socket, conversation, idle] {
        idle->start(kIdleTimeoutMs);
        readMessages(socket, *conversation);
    };
    connect(socket, &QLocalSocket::readyRead, socket, read);
    connect(socket, &QLocalSocket::disconnected, this, [this, socket, conversation] {
        if (conversation->bDelivered)
            QTimer::singleShot(0, this, [this] { emit conversationEnded(); });
        socket->deleteLater();
    });
    if (socket->bytesAvailable() > 0)
        QTimer::singleShot(0, socket, read);
}

void InstanceServer::readMessages(QLocalSocket* socket, Conversation& conversation) {
    while (socket->bytesAvailable() > 0 && !conversation.bRefused) {
        conversation.decoder.append(socket->read(kMaxInstanceMessage));
        QByteArray message;
        InstanceMessageDecoder::Status status;
        while ((status = conversation.decoder.next(message)) ==
               InstanceMessageDecoder::Status::Message) {
            const std::optional<QString> link = parseOpenCommand(message);
            if (!link || ++conversation.nMessages > kMaxMessagesPerConversation) {
                status = InstanceMessageDecoder::Status::Refused;
                break;
            }
            socket->write(frameInstanceMessage(kAccepted));
            conversation.bDelivered = true;
            // Served from the event loop, so that a message box the link may bring up does not
            // run inside this socket's notification.
            QTimer::singleShot(0, this, [this, url = *link] { emit openRequested(url); });
        }
        if (status == InstanceMessageDecoder::Status::Refused) {
            // Not ours, too long or too many: answer once and hang up without reading the rest.
            conversation.bRefused = true;
            socket->write(frameInstanceMessage(kRefused));
            socket->disconnectFromServer();
        }
    }
}
