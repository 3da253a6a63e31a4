#include "FakeDiscovery.h"

#include <QTest>

FakeDiscovery::FakeDiscovery(const QString &address, QObject *parent)
    : QObject(parent)
    , host(address)
{
    connect(&socket, &QUdpSocket::readyRead, this, &FakeDiscovery::readPending);
}

bool FakeDiscovery::listen(bool everyAddress)
{
    return socket.bind(everyAddress ? QHostAddress(QHostAddress::AnyIPv4) : host, 59806);
}

QByteArray FakeDiscovery::answer(const QByteArray &mac, const QByteArray &nickname, const QByteArray &power,
                                 const QByteArray &transport, const QByteArray &medium, const QByteArray &model)
{
    return "HB740\n" + model + '\n' + nickname + '\n' + mac + '\n' + medium + '\n' + power + '\n' + transport;
}

void FakeDiscovery::sendToLastPinger(const QByteArray &datagram)
{
    if (lastPort != 0)
        socket.writeDatagram(datagram, lastSender, lastPort);
}

bool FakeDiscovery::waitForPings(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return received.size() >= count; }, timeoutMs);
}

void FakeDiscovery::readPending()
{
    while (socket.hasPendingDatagrams()) {
        QByteArray datagram(int(socket.pendingDatagramSize()), '\0');
        QHostAddress sender;
        quint16 port = 0;
        const qint64 size = socket.readDatagram(datagram.data(), datagram.size(), &sender, &port);
        if (size < 0)
            break;
        datagram.resize(int(size));
        received.append(datagram);
        lastSender = sender;
        lastPort = port;
        emit pinged();
        if (!silent) {
            for (const QByteArray &reply : qAsConst(answers))
                socket.writeDatagram(reply, sender, port);
        }
    }
}
