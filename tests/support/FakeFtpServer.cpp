#include "FakeFtpServer.h"

#include <QTest>

FakeFtpServer::FakeFtpServer(const QString &address, QObject *parent)
    : QObject(parent)
    , host(address)
{
    connect(&controlServer, &QTcpServer::newConnection, this, &FakeFtpServer::onControlConnection);
    connect(&dataServer, &QTcpServer::newConnection, this, &FakeFtpServer::onDataConnection);
    connect(&streamTimer, &QTimer::timeout, this, &FakeFtpServer::streamMore);
}

FakeFtpServer::~FakeFtpServer()
{
    for (QTcpSocket *socket : {control.data(), data.data()}) {
        if (socket) {
            socket->disconnect(this);
            socket->abort();
        }
    }
}

bool FakeFtpServer::listen()
{
    if (!controlServer.listen(host, 21) || !dataServer.listen(host, 0))
        return false;
    if (pasvHost.isEmpty())
        pasvHost = host.toString().replace('.', ',').toLatin1();
    return true;
}

bool FakeFtpServer::hasControlClient() const
{
    return control && control->state() == QAbstractSocket::ConnectedState;
}

bool FakeFtpServer::waitForCommand(const QByteArray &verb, int timeoutMs)
{
    return QTest::qWaitFor([&] {
        for (const QByteArray &line : commandLines)
            if (line.startsWith(verb))
                return true;
        return false;
    }, timeoutMs);
}

bool FakeFtpServer::waitForControlClosed(int timeoutMs)
{
    return QTest::qWaitFor([&] { return controls > 0 && !hasControlClient(); }, timeoutMs);
}

void FakeFtpServer::onControlConnection()
{
    QTcpSocket *next = controlServer.nextPendingConnection();
    if (control) {
        control->disconnect(this);
        control->abort();
        control->deleteLater();
    }
    control = next;
    ++controls;
    pending.clear();
    listRequested = false;
    silent = false;
    connect(next, &QTcpSocket::readyRead, this, &FakeFtpServer::onControlData);
    connect(next, &QTcpSocket::disconnected, next, &QObject::deleteLater);
    reply(greeting);
}

void FakeFtpServer::onControlData()
{
    const QByteArray bytes = control->readAll();
    allReceived += bytes;
    pending += bytes;
    int end;
    while (control && (end = pending.indexOf("\r\n")) >= 0) {
        const QByteArray line = pending.left(end);
        pending.remove(0, end + 2);
        commandLines.append(line);
        handleCommand(line);
    }
}

void FakeFtpServer::handleCommand(const QByteArray &line)
{
    if (silent)
        return;
    const QByteArray verb = line.left(line.indexOf(' ') < 0 ? line.size() : line.indexOf(' '));
    if (verb == "PASV" && !replies.contains("PASV")) {
        const quint16 port = dataServer.serverPort();
        const QByteArray numbers = pasvHost + ',' + QByteArray::number(port / 256) + ',' + QByteArray::number(port % 256);
        reply(QByteArray(pasvReply).replace("%1", numbers));
    } else if (verb == "LIST") {
        reply("150 Here comes the listing\r\n");
        listRequested = true;
        if (data)
            sendListing();
    } else {
        reply(replies.value(verb, "502 Not implemented\r\n"));
    }
    if (silentAfter.contains(verb))
        silent = true;
}

void FakeFtpServer::onDataConnection()
{
    data = dataServer.nextPendingConnection();
    connect(data, &QTcpSocket::disconnected, data, &QObject::deleteLater);
    if (listRequested)
        sendListing();
}

void FakeFtpServer::sendListing()
{
    listRequested = false;
    if (!streamLine.isEmpty()) {
        streamClock.start();
        streamTimer.start(streamIntervalMs);
        return;
    }
    QPointer<QTcpSocket> socket = data;
    int from = 0;
    const bool abort = listingEnd == ListingEnd::AbortMidway;
    const QList<int> cuts = abort ? QList<int>{listing.size() / 2} : listingCuts;
    for (int cut : cuts) {
        if (!socket)
            return;
        socket->write(listing.mid(from, cut - from));
        socket->flush();
        from = cut;
        QTest::qWait(30);
    }
    if (!socket)
        return;
    if (abort) {
        socket->abort();
        reply("426 Connection closed; transfer aborted\r\n");
        return;
    }
    socket->write(listing.mid(from));
    socket->flush();
    QTest::qWait(30);
    if (listingEnd == ListingEnd::ConfirmThenClose) {
        reply("226 Transfer complete\r\n");
        QTest::qWait(30);
    }
    if (socket)
        socket->disconnectFromHost();
    if (listingEnd == ListingEnd::CloseThenConfirm) {
        QTest::qWait(30);
        reply("226 Transfer complete\r\n");
    }
}

void FakeFtpServer::streamMore()
{
    // Stops once the client has hung up, or at the test's own bound.
    if (!data || data->state() != QAbstractSocket::ConnectedState || streamClock.elapsed() > streamLimitMs) {
        streamTimer.stop();
        return;
    }
    QByteArray lines;
    for (int i = 0; i < streamBatch; ++i)
        lines += QByteArray(streamLine).replace("%1", QByteArray::number(streamed++));
    data->write(lines);
    data->flush();
}

void FakeFtpServer::reply(const QByteArray &text)
{
    if (control && !text.isEmpty()) {
        control->write(text);
        control->flush();
    }
}
