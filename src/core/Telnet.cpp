#include "Telnet.h"

#include "LineProtocol.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTextCodec>
#include <cstring>

namespace {
const char modelQuery[] = "07F6A64\r\n";
const char modelAnswer[] = "0FF6AE4";
const char modelRefusal[] = "0F2\r\n";
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

void Telnet::loginToServer()
{
    connectTimer.stop();
    inDialogue = true;
    dialogueTimer.start(dialogueTimeoutMs);
    write("\r\n");
    sendCount = 0;
}

void Telnet::getData()
{
    receiveChunk(socket->readAll());
}

void Telnet::receiveChunk(QByteArray chunk)
{
    if (chunk.contains('\0'))
        chunk.replace('\0', QByteArray());
    sendCount = 0;
    received = true;

    if (inDialogue) {
        continueDialogue(chunk);
        return;
    }
    // Outside the dialogue a prompt or an answer is recognised only at the
    // start of a read, and the whole read is taken for it.
    const Dialogue step = recognise(chunk, false);
    if (step != Dialogue::None)
        answer(step);
    else
        splitLines(chunk);
}

Telnet::Dialogue Telnet::recognise(const QByteArray &text, bool more) const
{
    bool startOfOne = false;
    const auto startsWith = [&](const char *token) {
        if (text.startsWith(token))
            return true;
        const int length = int(qstrlen(token));
        if (more && text.size() < length && std::memcmp(token, text.constData(), size_t(text.size())) == 0)
            startOfOne = true;
        return false;
    };
    if (startsWith("Enter Password"))
        return Dialogue::PasswordPrompt;
    if (startsWith("Login Successful"))
        return Dialogue::LoginSuccessful;
    if (startsWith("Password Failed"))
        return Dialogue::PasswordFailed;
    if (awaitingModel) {
        if (startsWith(modelAnswer)) {
            // The two characters after the code tell the model; a line that
            // ends before them is no answer.
            const int digits = int(sizeof modelAnswer) - 1;
            if (more && text.size() < digits + 2 && text.indexOf('\n') < 0)
                return Dialogue::NeedMore;
            if (text.size() >= digits + 2 && text.at(digits) == '0') {
                if (text.at(digits + 1) == '1')
                    return Dialogue::Model1;
                if (text.at(digits + 1) == '0')
                    return Dialogue::Model0;
            }
            return Dialogue::ModelFailed;
        }
        if (startsWith(modelRefusal))
            return Dialogue::ModelFailed;
    }
    return startOfOne ? Dialogue::NeedMore : Dialogue::None;
}

void Telnet::answer(Dialogue step)
{
    switch (step) {
    case Dialogue::PasswordPrompt:
        // Answered once per connection: a recorder that prompts again after a
        // refused password would otherwise be fed the same password forever.
        if (!passwordSent) {
            passwordSent = true;
            write(passwordLine.constData());
        }
        return;
    case Dialogue::LoginSuccessful:
        if (skipModelQuery) {
            skipModelQuery = false;
            finishLogin(0);
        } else {
            write(modelQuery);
            awaitingModel = true;
        }
        return;
    case Dialogue::PasswordFailed:
        emit passwordFailed();
        return;
    case Dialogue::Model0:
    case Dialogue::Model1:
        awaitingModel = false;
        finishLogin(step == Dialogue::Model1 ? 1 : 0);
        return;
    case Dialogue::ModelFailed:
        awaitingModel = false;
        endConnection();
        reportFailure();
        return;
    case Dialogue::None:
    case Dialogue::NeedMore:
        return;
    }
}

void Telnet::continueDialogue(const QByteArray &chunk)
{
    const QByteArray text = dialogueText + chunk;
    dialogueText.clear();
    const quint64 serial = connectionSerial;
    int start = 0;
    while (start < text.size()) {
        const int lf = text.indexOf('\n', start);
        const int end = lf < 0 ? text.size() : lf + 1;
        if (!passingLineOn) {
            const Dialogue step = recognise(QByteArray::fromRawData(text.constData() + start, text.size() - start), true);
            if (step == Dialogue::NeedMore) {
                // Too short to tell yet: kept for the next read.
                dialogueText = text.mid(start);
                return;
            }
            if (step != Dialogue::None) {
                // Nothing after a prompt or an answer in the same read is used.
                answer(step);
                return;
            }
        }
        // Any other line is reply text, framed as once the link is up.
        passingLineOn = lf < 0;
        splitLines(QByteArray::fromRawData(text.constData() + start, end - start));
        if (serial != connectionSerial)
            return; // a receiver of the line ended the connection
        start = end;
    }
}

void Telnet::splitLines(const QByteArray &chunk)
{
    int start = 0;
    for (;;) {
        const int lf = chunk.indexOf('\n', start);
        const int end = lf < 0 ? chunk.size() : lf;
        const int pieceLength = end - start;

        if (lineBuffer.isEmpty()) {
            if (pieceLength > 0 && chunk.at(start) == '0')
                lineBuffer.append(chunk.constData() + start, pieceLength);
        } else {
            lineBuffer.append(chunk.constData() + start, pieceLength);
        }

        if (!lineBuffer.isEmpty()) {
            if (lineBuffer.endsWith('\r'))
                emitLine(lineBuffer);
            else if (lineBuffer.size() > maxLineLength)
                lineBuffer.resize(0); // a line that never ends is dropped
        }

        if (lf < 0)
            break;
        start = lf + 1;
    }
}

void Telnet::emitLine(QByteArray &line)
{
    // Decoded only once whole, so that a character cut between two chunks
    // arrives intact. The leading "0" and every CR are not part of the reply.
    const char *bytes = line.constData() + 1;
    const int size = line.size() - 1;
    bool ascii = true;
    int length = 0;
    lineText.resize(size);
    QChar *out = lineText.data();
    for (int i = 0; i < size; ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80) {
            ascii = false;
            break;
        }
        if (byte != '\r')
            out[length++] = QLatin1Char(char(byte));
    }
    if (ascii) {
        lineText.resize(length);
    } else {
        line.replace('\r', QByteArray());
        lineText = QString::fromUtf8(line.constData() + 1, line.size() - 1);
    }
    line.resize(0);
    emit readyRead(lineText);
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

void Telnet::dialogueTimedOut()
{
    endConnection();
    reportFailure();
}

void Telnet::finishLogin(int model)
{
    dialogueTimer.stop();
    inDialogue = false;
    dialogueText.clear();
    linked = true;
    emit connectedToServer(model);
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
