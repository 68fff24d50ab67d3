#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One reader per user: the first one listens on a local socket of the user's own; a later start
// with a link hands the link over and ends.

// The socket of this user's running reader, named after the shell's DDE service; empty when the
// user has no private folder for it.
QString instanceSocketPath();

enum class HandOverResult { Delivered, NoInstance, Refused };

// Sends the shell's open command for `link` to the reader listening at `socketPath` and waits
// for its answer. A reader that accepted the connection but is too busy to answer in time has
// the link all the same: that counts as delivered.
HandOverResult handOverToRunningInstance(const QString& socketPath, const QString& link,
                                         int timeoutMs = 5000);

// The running reader's end: accepts open commands from later starts of the same user. A message
// that is no open command, too long or one too many ends its conversation with a refusal.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Listens at `socketPath`, accessible to this user only. A socket left behind by a reader
    // that is gone is replaced; false when a live reader answers there or listening fails.
    bool listen(const QString& socketPath);
    bool isListening() const;

    // How long a conversation may stay silent before it is dropped.
    static constexpr int kIdleTimeoutMs = 10000;
    // The links one conversation may carry; a start hands over one.
    static constexpr int kMaxMessagesPerConversation = 16;

signals:
    // A link of an accepted open command.
    void openRequested(const QString& link);
    // A conversation that delivered at least one link has ended.
    void conversationEnded();

private:
    struct Conversation;
    void onNewConnection();
    void serve(QLocalSocket* socket);
    void readMessages(QLocalSocket* socket, Conversation& conversation);

    QLocalServer* m_pServer = nullptr;
};
