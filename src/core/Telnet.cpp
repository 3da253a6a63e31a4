#include "Telnet.h"

#include "LineProtocol.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTextCodec>

namespace {
// Writes in a row, without a byte from the recorder, before a short pause.
constexpr int burstLength = 11;
} // namespace

Telnet::Telnet(QObject *parent)
    : QObject(parent)
    , socket(new QTcpSocket)
    , codec(QTextCodec::codecForName("UTF-8"))
{
    connect(socket, SIGNAL(connected()), this, SLOT(loginToServer()));
    connect(socket, SIGNAL(disconnected()), this, SLOT(closeConnection()));
    connect(socket, SIGNAL(readyRead()), this, SLOT(getData()));
    connect(socket, SIGNAL(error(QAbstractSocket::SocketError)), this, SLOT(error()));
    connect(&connectTimer, SIGNAL(timeout()), this, SLOT(checkTimeout()));

    dialogueTimer.setSingleShot(true);
    // Room for a usual line, kept across lines so that framing does not allocate.
    lineBuffer.reserve(256);
    connect(&dialogueTimer, &QTimer::timeout, this, &Telnet::dialogueTimedOut);
}

Telnet::~Telnet()
{
    // The socket signals from its own destruction; nothing here may hear it.
    socket->disconnect(this);
    socket->abort();
    delete socket;
}

void Telnet::connectToServer(QString address, QString password, bool quick)
{
    // Drop whatever the previous attempt or session left behind, silently.
    endConnection();

    if (!LineProtocol::isLineSafe(password)) {
        // The password would break the line framing: never send it.
        reportFailure();
        return;
    }

    passwordLine = codec->fromUnicode(password) + "\r\n";
    sendCount = 0;
    connectTimer.start(quick ? quickConnectTimeoutMs : connectTimeoutMs);
    // Only numeric addresses are accepted; a name is never looked up.
    const QHostAddress host(address);
    if (host.isNull()) {
        connectTimer.stop();
        reportFailure();
        return;
    }
    socket->connectToHost(host, port, QIODevice::ReadWrite);
}

void Telnet::sendData(const char *str)
{
    // Until the dialogue is complete a command could be taken for the
    // password or the model answer: writes are dropped.
    if (linked)
        write(str);
}

void Telnet::sendDataNoLog(const char *str)
{
    sendData(str);
}

void Telnet::close()
{
    endConnection();
}

void Telnet::write(const char *str)
{
    if (sendCount >= burstLength && !pausing) {
        pausing = true;
        QEventLoop pause;
        QTimer::singleShot(1, &pause, &QEventLoop::quit);
        pause.exec();
        pausing = false;
        sendCount = 0;
    }
    if (socket->isOpen())
        socket->write(str);
    ++sendCount;
}

void Telnet::checkTimeout()
{
    if (socket->state() != QAbstractSocket::ConnectingState
        && socket->state() != QAbstractSocket::HostLookupState)
        return;
    endConnection();
    reportFailure();
}

void Telnet::closeConnection()
{
    socket->close();
}

void Telnet::error()
{
    endConnection();
    reportFailure();
}

void Telnet::endConnection()
{
    ++connectionSerial;
    connectTimer.stop();
    dialogueTimer.stop();
    sendCount = 0;
    awaitingModel = false;
    passwordSent = false;
    inDialogue = false;
    dialogueText.clear();
    passingLineOn = false;
    linked = false;
    lineBuffer.resize(0);
    skippingOverlongLine = false;
    lineText.resize(0);
    const QSignalBlocker quiet(socket);
    socket->abort();
    socket->close();
}

void Telnet::reportFailure()
{
    // Reported from the event loop, outside the socket's own signal: a new
    // connection started by a receiver right inside that signal can hang.
    const quint64 serial = connectionSerial;
    QTimer::singleShot(0, this, [this, serial] {
        if (serial == connectionSerial)
            emit errorConnectedToServer();
    });
}
