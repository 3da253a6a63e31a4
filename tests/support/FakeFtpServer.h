#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// The recorder's FTP server on a loopback address, port 21, with a passive
// data connection, playing a scripted dialogue. It keeps every byte received
// on the control connection.
class FakeFtpServer : public QObject
{
    Q_OBJECT

public:
    // How the listing ends.
    enum class ListingEnd {
        CloseThenConfirm, // data closed, then "226"
        ConfirmThenClose, // "226", then data closed
        AbortMidway,      // part of the listing, data aborted, "426"
        NoConfirm,        // data closed, no reply on the control connection
    };

    explicit FakeFtpServer(const QString &address, QObject *parent = nullptr);
    ~FakeFtpServer() override;

    bool listen();

    QByteArray greeting = "220 Recorder FTP server ready\r\n";
    // The reply to each command verb; "PASV" defaults to the passive reply
    // naming the data port (see pasvReply).
    QHash<QByteArray, QByteArray> replies{
        {"USER", "331 Password required\r\n"},
        {"PASS", "230 Logged in\r\n"},
        {"CWD", "250 Directory changed\r\n"},
    };
    // The passive reply; "%1" is replaced by the six numbers h1,...,p2 of
    // `pasvHost` and the data port.
    QByteArray pasvReply = "227 Entering Passive Mode (%1).\r\n";
    // The host named in the passive reply; the data port always listens on
    // the server's own address.
    QByteArray pasvHost;
    QByteArray listing;
    // Offsets at which the listing is cut into separate sends.
    QList<int> listingCuts;
    ListingEnd listingEnd = ListingEnd::CloseThenConfirm;
    // Commands after which the server says nothing more.
    QList<QByteArray> silentAfter;
    // When set, the listing never ends: while the data connection stands,
    // for at most streamLimitMs, the server sends streamBatch lines every
    // streamIntervalMs, "%1" in streamLine replaced by a running number.
    QByteArray streamLine;
    int streamBatch = 50;
    int streamIntervalMs = 10;
    int streamLimitMs = 5000;

    QByteArray received() const { return allReceived; }
    QList<QByteArray> commands() const { return commandLines; }
    int controlConnections() const { return controls; }
    int streamedLines() const { return streamed; }
    bool isStreaming() const { return streamTimer.isActive(); }
    bool hasControlClient() const;
    bool waitForCommand(const QByteArray &verb, int timeoutMs = 3000);
    bool waitForControlClosed(int timeoutMs = 3000);

private:
    void onControlConnection();
    void onControlData();
    void onDataConnection();
    void handleCommand(const QByteArray &line);
    void sendListing();
    void streamMore();
    void reply(const QByteArray &text);

    QHostAddress host;
    QTcpServer controlServer;
    QTcpServer dataServer;
    QPointer<QTcpSocket> control;
    QPointer<QTcpSocket> data;
    QByteArray pending;
    QByteArray allReceived;
    QList<QByteArray> commandLines;
    bool listRequested = false;
    bool silent = false;
    int controls = 0;
    QTimer streamTimer;
    QElapsedTimer streamClock;
    int streamed = 0;
};
