#include "platform/InstanceMessage.h"
#include "platform/SingleInstance.h"
#include "support/TestSupport.h"
#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtEndian>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// The server side needs an event loop of the test's own.
void ensureApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "core_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

QByteArray decodeAll(InstanceMessageDecoder& decoder, InstanceMessageDecoder::Status& last) {
    QByteArray all;
    QByteArray message;
    while ((last = decoder.next(message)) == InstanceMessageDecoder::Status::Message)
        all += message + '|';
    return all;
}

// A raw AF_UNIX connect, as a process of any user can try it; 0 or the errno.
int connectRaw(const QByteArray& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const int result = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    const int error = result == 0 ? 0 : errno;
    close(fd);
    return error;
}

class InstanceChannel : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        QObject::connect(&m_server, &InstanceServer::openRequested,
                         [this](const QString& link) { m_links << link; });
        QObject::connect(&m_server, &InstanceServer::conversationEnded, [this] { ++m_nEnded; });
    }

    // Runs the hand-over on a thread of its own while this one serves.
    HandOverResult handOver(const QString& link) {
        auto result = std::async(std::launch::async, [this, link] {
            return handOverToRunningInstance(m_strPath, link, 3000);
        });
        waitUntil(
            [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        return result.get();
    }

    // Sends raw bytes from a thread and returns what came back until the server hung up.
    QByteArray sendRaw(const QByteArray& bytes) {
        auto answer = std::async(std::launch::async, [this, bytes] {
            QLocalSocket socket;
            socket.connectToServer(m_strPath);
            if (!socket.waitForConnected(3000))
                return QByteArray("not connected");
            socket.write(bytes);
            socket.waitForBytesWritten(3000);
            QByteArray received;
            while (socket.waitForReadyRead(1500))
                received += socket.readAll();
            return received;
        });
        waitUntil(
            [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        return answer.get();
    }

    QTemporaryDir m_dir;
    QString m_strPath = m_dir.filePath("QRMTAVLIN");
    InstanceServer m_server;
    QStringList m_links;
    int m_nEnded = 0;
};
} // namespace

TEST(InstanceMessage, FramesSurviveAnySplitAndOversizedLengthsRefuseTheRest) {
    const QByteArray stream =
        frameInstanceMessage("first") + frameInstanceMessage("") + frameInstanceMessage("třetí");
    for (qsizetype chunk : {1, 3, 4, 5, 1000}) {
        InstanceMessageDecoder decoder;
        QByteArray all;
        InstanceMessageDecoder::Status last{};
        for (qsizetype at = 0; at < stream.size(); at += chunk) {
            decoder.append(stream.mid(at, chunk));
            all += decodeAll(decoder, last);
        }
        EXPECT_EQ(all, "first||třetí|") << chunk;
        EXPECT_EQ(last, InstanceMessageDecoder::Status::NeedMore);
    }

    InstanceMessageDecoder decoder;
    QByteArray header(4, '\0');
    qToBigEndian(static_cast<quint32>(kMaxInstanceMessage + 1), header.data());
    decoder.append(frameInstanceMessage("ok") + header + frameInstanceMessage("after"));
    InstanceMessageDecoder::Status last{};
    EXPECT_EQ(decodeAll(decoder, last), "ok|");
    EXPECT_EQ(last, InstanceMessageDecoder::Status::Refused);
    decoder.append(frameInstanceMessage("later"));
    EXPECT_EQ(decodeAll(decoder, last), "");

    InstanceMessageDecoder largest;
    largest.append(frameInstanceMessage(QByteArray(kMaxInstanceMessage, 'x')));
    QByteArray message;
    EXPECT_EQ(largest.next(message), InstanceMessageDecoder::Status::Message);
    EXPECT_EQ(message.size(), kMaxInstanceMessage);
}

TEST(InstanceMessage, OpenCommandCarriesTheLinkVerbatim) {
    EXPECT_EQ(makeOpenCommand("tavlin:DP"), "[open(\"tavlin:DP\")]");
    EXPECT_EQ(parseOpenCommand("[open(\"tavlin:DP\")]"), "tavlin:DP");
    EXPECT_EQ(parseOpenCommand("[OPEN(\"TAVLIN:%20x\")]"), "TAVLIN:%20x");
    EXPECT_EQ(parseOpenCommand("[open(\"\")]"), "");
    EXPECT_EQ(parseOpenCommand("[open(\"a\"b\")]"), "a\"b");
    EXPECT_EQ(parseOpenCommand(makeOpenCommand("tavlin:Zákon").toUtf8()), "tavlin:Zákon");
    EXPECT_EQ(parseOpenCommand("[open(\")]"), std::nullopt);
    EXPECT_EQ(parseOpenCommand("[print(\"tavlin:DP\")]"), std::nullopt);
    EXPECT_EQ(parseOpenCommand("[open(\"tavlin:DP\")] "), std::nullopt);
    EXPECT_EQ(parseOpenCommand("[open(\"tavlin:\nDP\")]"), std::nullopt);
    EXPECT_EQ(parseOpenCommand(QByteArray("[open(\"tavlin:\0\")]", 18)), std::nullopt);
    EXPECT_EQ(parseOpenCommand("[open(\"tavlin:\xC3\")]"), std::nullopt);
}

TEST_F(InstanceChannel, LinkIsHandedOverAndTheConversationEnds) {
    EXPECT_EQ(handOver("tavlin:DP"), HandOverResult::NoInstance);
    ASSERT_TRUE(m_server.listen(m_strPath));
    EXPECT_EQ(handOver("TAVLIN:DP"), HandOverResult::Delivered);
    ASSERT_TRUE(waitUntil([this] { return m_nEnded == 1; }));
    EXPECT_EQ(m_links, QStringList{"TAVLIN:DP"});

    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(m_strPath).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0077, 0u) << std::oct << info.st_mode;
}

TEST_F(InstanceChannel, LiveServerKeepsItsSocketAndAStaleOneIsReplaced) {
    ASSERT_TRUE(m_server.listen(m_strPath));
    InstanceServer second;
    EXPECT_FALSE(second.listen(m_strPath));
    EXPECT_EQ(handOver("tavlin:A"), HandOverResult::Delivered);
    ASSERT_TRUE(waitUntil([this] { return m_links.size() == 1; }));

    // A socket file nobody listens on any more, as a crashed reader leaves it.
    const QString stale = m_dir.filePath("stale");
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(stale).constData(), sizeof address.sun_path);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    ASSERT_TRUE(QFile::exists(stale));
    EXPECT_EQ(handOverToRunningInstance(stale, "tavlin:B", 3000), HandOverResult::NoInstance);
    InstanceServer recovered;
    EXPECT_TRUE(recovered.listen(stale));
    EXPECT_EQ(connectRaw(QFile::encodeName(stale)), 0);
}

TEST_F(InstanceChannel, MalformedAndOversizedMessagesAreRefusedWithoutHarm) {
    ASSERT_TRUE(m_server.listen(m_strPath));
    EXPECT_EQ(sendRaw(frameInstanceMessage("[close()]") +
                      frameInstanceMessage(makeOpenCommand("tavlin:never").toUtf8())),
              frameInstanceMessage("REFUSED"));
    EXPECT_EQ(sendRaw(frameInstanceMessage("\xFF\xFE")), frameInstanceMessage("REFUSED"));
    QByteArray flood;
    for (int i = 0; i <= InstanceServer::kMaxMessagesPerConversation; ++i)
        flood += frameInstanceMessage(makeOpenCommand("tavlin:ZHR").toUtf8());
    QByteArray answers;
    for (int i = 0; i < InstanceServer::kMaxMessagesPerConversation; ++i)
        answers += frameInstanceMessage("OK");
    EXPECT_EQ(sendRaw(flood), answers + frameInstanceMessage("REFUSED"));
    ASSERT_TRUE(waitUntil([this] { return m_nEnded == 1; }));
    EXPECT_EQ(m_links.size(), InstanceServer::kMaxMessagesPerConversation);
    m_links.clear();
    QByteArray header(4, '\0');
    qToBigEndian(quint32{0xFFFFFFF0}, header.data());
    EXPECT_EQ(sendRaw(header + QByteArray(1000, 'x')), frameInstanceMessage("REFUSED"));
    // Half a message: nothing is opened.
    EXPECT_EQ(sendRaw(QByteArray("\0\0", 2)), "");
    EXPECT_TRUE(m_links.isEmpty());
    EXPECT_EQ(m_nEnded, 1);

    EXPECT_EQ(handOver("tavlin:DP"), HandOverResult::Delivered);
    ASSERT_TRUE(waitUntil([this] { return m_links.size() == 1; }));
    EXPECT_EQ(m_links.first(), "tavlin:DP");
}

TEST_F(InstanceChannel, AnotherUserCannotConnect) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    // The folder open to all, so that only the socket's own rights keep others out.
    ASSERT_EQ(chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    ASSERT_TRUE(m_server.listen(m_strPath));
    const QByteArray path = QFile::encodeName(m_strPath);
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        _exit(connectRaw(path) == EACCES ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(connectRaw(path), 0);
}
