#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QUdpSocket>

// A recorder's discovery answerer on a loopback address, UDP port 59806: it
// keeps every ping it receives and answers each one with scripted datagrams,
// sent from its own address to the pinging socket.
class FakeDiscovery : public QObject
{
    Q_OBJECT

public:
    explicit FakeDiscovery(const QString &address, QObject *parent = nullptr);

    // Binds the answerer's own address, or every address, so that broadcast
    // pings reach it too (the standalone recorder in a network of its own).
    bool listen(bool everyAddress = false);

    // The datagrams sent back for each ping, in order; none while silent.
    QList<QByteArray> answers;
    bool silent = false;

    // A well-formed answer: model, nickname, MAC address, medium, power and
    // transport state after the unexamined first part.
    static QByteArray answer(const QByteArray &mac, const QByteArray &nickname = "Recorder",
                             const QByteArray &power = "1", const QByteArray &transport = "0",
                             const QByteArray &medium = "SD1", const QByteArray &model = "HB-MDX740K");

    QHostAddress address() const { return host; }
    QList<QByteArray> pings() const { return received; }
    // Sends one datagram to the port of the last ping.
    void sendToLastPinger(const QByteArray &datagram);
    bool waitForPings(int count, int timeoutMs = 3000);

signals:
    void pinged();

private:
    void readPending();

    QHostAddress host;
    QUdpSocket socket;
    QList<QByteArray> received;
    QHostAddress lastSender;
    quint16 lastPort = 0;
};
