#include "FakeRecorder.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr quint16 controlPort = 23;
}

FakeRecorder::FakeRecorder(const QString &address, QObject *parent)
    : QObject(parent)
    , host(address)
{
    connect(&server, &QTcpServer::newConnection, this, &FakeRecorder::onNewConnection);
}

FakeRecorder::~FakeRecorder()
{
    if (client) {
        client->disconnect(this);
        client->abort();
    }
    for (int fd : qAsConst(backlogFillers))
        ::close(fd);
    if (unresponsiveFd >= 0)
        ::close(unresponsiveFd);
}

bool FakeRecorder::listen()
{
    server.setMaxPendingConnections(1);
    return server.listen(host, controlPort);
}

void FakeRecorder::stopListening()
{
    server.close();
}

bool FakeRecorder::listenUnresponsive()
{
    // A listening socket with a backlog of one that is never accepted, filled
    // by two connections of our own: the kernel then drops every further SYN.
    unresponsiveFd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (unresponsiveFd < 0)
        return false;
    const int yes = 1;
    ::setsockopt(unresponsiveFd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(controlPort);
    addr.sin_addr.s_addr = htonl(host.toIPv4Address());
    if (::bind(unresponsiveFd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0
        || ::listen(unresponsiveFd, 0) != 0)
        return false;
    for (int i = 0; i < 2; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
        backlogFillers.append(fd);
    }
    QTest::qWait(100);
    return true;
}

void FakeRecorder::setReply(const QByteArray &request, const QList<QByteArray> &lines)
{
    replies.insert(request, lines);
}

void FakeRecorder::clearReplies()
{
    replies.clear();
}

void FakeRecorder::send(const QByteArray &bytes)
{
    if (!client)
        return;
    client->write(bytes);
    client->flush();
}

void FakeRecorder::sendInChunks(const QByteArray &bytes, const QList<int> &cuts)
{
    int from = 0;
    for (int cut : cuts) {
        send(bytes.mid(from, cut - from));
        from = cut;
        QTest::qWait(30);
    }
    send(bytes.mid(from));
}

void FakeRecorder::closeClient()
{
    if (client)
        client->close();
}

bool FakeRecorder::hasClient() const
{
    return client && client->state() == QAbstractSocket::ConnectedState;
}

void FakeRecorder::clearReceived()
{
    allReceived.clear();
    sinceLink.clear();
    requestLines.clear();
}

QByteArray FakeRecorder::receivedOnceQuiet(int quietMs, int timeoutMs)
{
    QElapsedTimer total;
    total.start();
    int seen = -1;
    QElapsedTimer quiet;
    while (total.elapsed() < timeoutMs) {
        if (allReceived.size() != seen) {
            seen = allReceived.size();
            quiet.start();
        } else if (quiet.elapsed() >= quietMs) {
            break;
        }
        QTest::qWait(10);
    }
    return sinceLink;
}

QByteArray FakeRecorder::receivedAfter(int ms)
{
    QTest::qWait(ms);
    return sinceLink;
}

bool FakeRecorder::waitForRequest(const QByteArray &pattern, int timeoutMs)
{
    return QTest::qWaitFor([&] { return sinceLink.contains(pattern); }, timeoutMs);
}

bool FakeRecorder::waitForStage(Stage stage, int timeoutMs)
{
    return QTest::qWaitFor([&] { return hasClient() && currentStage == stage; }, timeoutMs);
}

bool FakeRecorder::waitForConnections(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return connections >= count; }, timeoutMs);
}

void FakeRecorder::onNewConnection()
{
    QTcpSocket *next = server.nextPendingConnection();
    if (!next)
        return;
    if (client) {
        // One client at a time, as on the recorder: the newest one wins.
        client->disconnect(this);
        client->abort();
        client->deleteLater();
    }
    client = next;
    ++connections;
    pending.clear();
    sinceLink.clear();
    connect(next, &QTcpSocket::readyRead, this, &FakeRecorder::onReadyRead);
    connect(next, &QTcpSocket::disconnected, this, [this, next] {
        if (client == next)
            emit clientDisconnected();
        next->deleteLater();
    });
    reach(Stage::Connected);
}

void FakeRecorder::onReadyRead()
{
    const QByteArray bytes = client->readAll();
    allReceived += bytes;
    if (currentStage == Stage::Linked)
        sinceLink += bytes;
    if (silent)
        return;
    pending += bytes;
    int end;
    while (client && (end = pending.indexOf("\r\n")) >= 0) {
        const QByteArray line = pending.left(end);
        pending.remove(0, end + 2);
        handleLine(line);
    }
}

void FakeRecorder::handleLine(const QByteArray &line)
{
    switch (currentStage) {
    case Stage::Connected:
        // Whatever the client says first wakes the prompt.
        sendLine("Enter Password");
        reach(Stage::Prompted);
        return;
    case Stage::Prompted:
        if (line == password) {
            sendLine("Login Successful");
            reach(Stage::LoggedIn);
        } else {
            sendLine("Password Failed");
            if (promptAgainAfterFailure)
                sendLine("Enter Password");
        }
        return;
    case Stage::LoggedIn:
        if (line != "07F6A64") {
            // A client that skips the model query goes straight to commands.
            reach(Stage::Linked);
            sinceLink = line + "\r\n" + pending;
            handleLine(line);
            return;
        }
        switch (modelAnswer) {
        case ModelAnswer::Model0: sendLine("0FF6AE400"); break;
        case ModelAnswer::Model1: sendLine("0FF6AE401"); break;
        case ModelAnswer::Refuse: sendLine("0F2"); return;
        case ModelAnswer::Bad: sendLine("0FF6AE4X7"); return;
        case ModelAnswer::Silent: return;
        }
        reach(Stage::Linked);
        return;
    case Stage::Linked:
        requestLines.append(line);
        emit requestReceived(line);
        const auto reply = replies.constFind(line);
        const QList<QByteArray> lines = reply != replies.constEnd() ? *reply
                                        : responder                ? responder(line)
                                                                   : QList<QByteArray>();
        if (!lines.isEmpty()) {
            QByteArray chunk;
            for (const QByteArray &replyLine : lines)
                chunk += replyLine + "\r\n";
            send(chunk);
        }
        return;
    }
}

void FakeRecorder::reach(Stage stage)
{
    currentStage = stage;
    emit stageReached(stage);
    if (closeAtStage == int(stage))
        closeClient();
}

void FakeRecorder::sendLine(const QByteArray &line)
{
    send(line + "\r\n");
}
