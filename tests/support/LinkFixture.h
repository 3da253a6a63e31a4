#pragma once

#include "FakeRecorder.h"
#include "Telnet.h"

#include <QSignalSpy>
#include <QTest>

// A fresh loopback address for every fixture, so that no two recorders of a
// test run ever share one: the process id picks the second and third parts
// (tests run in parallel), a counter the last.
inline QString nextRecorderAddress()
{
    static int host = 0;
    const qint64 pid = QCoreApplication::applicationPid();
    const int subnet = int(pid % 250) + 1;
    const int block = int(pid / 250 % 250) + 1;
    host = host % 250 + 1;
    return QStringLiteral("127.%1.%2.%3").arg(subnet).arg(block).arg(host + 1);
}

// A scripted recorder and a control link to it, with spies on the link's signals.
struct LinkFixture
{
    explicit LinkFixture(Telnet *link = nullptr)
        : recorder(nextRecorderAddress())
        , telnet(link ? link : &ownTelnet)
        , connected(telnet, &Telnet::connectedToServer)
        , failed(telnet, &Telnet::errorConnectedToServer)
        , lines(telnet, &Telnet::readyRead)
        , passwordFailed(telnet, &Telnet::passwordFailed)
    {
    }

    QString address() const { return recorder.address().toString(); }

    void connect(const QString &password = QStringLiteral("pass"), bool quick = false)
    {
        telnet->connectToServer(address(), password, quick);
    }

    // Listens and logs in; true once the link reported the login.
    bool logIn()
    {
        if (!recorder.listen())
            return false;
        connect();
        return connected.wait(3000) || !connected.isEmpty();
    }

    QStringList receivedLines() const
    {
        QStringList result;
        for (const QList<QVariant> &args : lines)
            result.append(args.at(0).toString());
        return result;
    }

    FakeRecorder recorder;
    Telnet ownTelnet;
    Telnet *telnet;
    QSignalSpy connected;
    QSignalSpy failed;
    QSignalSpy lines;
    QSignalSpy passwordFailed;
};
