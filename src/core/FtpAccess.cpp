#include "FtpAccess.h"

#include "LineProtocol.h"
#include "Medium.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {

// The reply code of a line: three digits, or 0.
int replyCode(const QByteArray &line)
{
    if (line.size() < 3)
        return 0;
    for (int i = 0; i < 3; ++i) {
        if (line.at(i) < '0' || line.at(i) > '9')
            return 0;
    }
    return line.left(3).toInt();
}

// Splits complete lines off the front of `buffer`, without their CR LF.
template <typename Handler>
void takeLines(QByteArray &buffer, int maxLength, Handler handle)
{
    int start = 0;
    int lf;
    while ((lf = buffer.indexOf('\n', start)) >= 0) {
        QByteArray line = buffer.mid(start, lf - start);
        if (line.endsWith('\r'))
            line.chop(1);
        start = lf + 1;
        handle(line);
    }
    buffer.remove(0, start);
    if (buffer.size() > maxLength)
        buffer.clear();
}


} // namespace

FtpAccess::FtpAccess(QObject *parent)
    : QObject(parent)
{
    connect(&controlSocket, SIGNAL(connected()), this, SLOT(getFtp()));
    connect(&controlSocket, SIGNAL(disconnected()), this, SLOT(closeConnectionFtp()));
    connect(&controlSocket, SIGNAL(readyRead()), this, SLOT(getFtp()));
    connect(&controlSocket, SIGNAL(error(QAbstractSocket::SocketError)), this, SLOT(errorFtp()));
    connect(&dataSocket, SIGNAL(connected()), this, SLOT(getFtpData()));
    connect(&dataSocket, SIGNAL(disconnected()), this, SLOT(closeConnectionFtpData()));
    connect(&dataSocket, SIGNAL(readyRead()), this, SLOT(getFtpData()));
    connect(&dataSocket, SIGNAL(error(QAbstractSocket::SocketError)), this, SLOT(errorFtpData()));

    stallTimer.setSingleShot(true);
    connect(&stallTimer, &QTimer::timeout, this, &FtpAccess::fail);
    listingTimer.setSingleShot(true);
    connect(&listingTimer, &QTimer::timeout, this, &FtpAccess::fail);
}

FtpAccess::~FtpAccess()
{
    // The sockets signal from their own destruction; nothing here may hear it.
    controlSocket.disconnect(this);
    dataSocket.disconnect(this);
}

void FtpAccess::connectToServer(QString host, QString password, QString media, int model)
{
    // Every skip starts from closed connections.
    closeBoth();
    this->password = password;
    this->media = media;
    this->model = model;
    running = true;
    listingTimer.start(listingTimeoutMs);
    progress();
    controlSocket.connectToHost(QHostAddress(host), port, QIODevice::ReadWrite);
}

void FtpAccess::sendFtp(const char *str)
{
    controlSocket.write(str);
}

void FtpAccess::progress()
{
    stallTimer.start(stallTimeoutMs);
}

void FtpAccess::getFtp()
{
    if (!running)
        return;
    const QByteArray bytes = controlSocket.readAll();
    if (bytes.isEmpty())
        return;
    progress();
    controlBuffer += bytes;
    takeLines(controlBuffer, maxLineLength, [this](const QByteArray &line) {
        if (!running)
            return;
        const int code = replyCode(line);
        if (continuedCode != 0) {
            // Inside a multi-line reply only its last line ("ddd ") counts.
            if (code == continuedCode && (line.size() == 3 || line.at(3) == ' ')) {
                continuedCode = 0;
                handleReply(code, line);
            }
            return;
        }
        if (code == 0)
            return;
        if (line.size() > 3 && line.at(3) == '-') {
            continuedCode = code;
            return;
        }
        handleReply(code, line);
    });
}

void FtpAccess::handleReply(int code, const QByteArray &line)
{
    if (code >= 400) {
        fail(); // refused: nothing more can come of this dialogue
        return;
    }
    switch (code) {
    case 220:
        if (model == 0)
            sendFtp("USER HB-M740K\r\n");
        else if (model == 1)
            sendFtp("USER HB-MDX740K\r\n");
        else
            fail();
        break;
    case 331: {
        const auto encoded = LineProtocol::encodeTextField(password);
        if (!encoded) {
            fail();
            break;
        }
        sendFtp("PASS ");
        sendFtp(encoded->constData());
        sendFtp("\r\n");
        break;
    }
    case 230:
        if (const QLatin1String folder = Medium::playlistFolder(media); !folder.isEmpty())
            sendFtp(QByteArray("CWD ").append(folder.data(), folder.size()).append("\r\n").constData());
        else
            fail(); // no playlist folder on this medium
        break;
    case 250:
        sendFtp("PASV\r\n");
        break;
    case 227:
        connectData(line);
        break;
    case 226:
        transferComplete = true;
        finishIfComplete();
        break;
    default:
        break;
    }
}

void FtpAccess::connectData(const QByteArray &reply)
{
    static const QRegularExpression numbers(
        QStringLiteral("(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3})"));
    const QRegularExpressionMatch match = numbers.match(QString::fromLatin1(reply));
    const int high = match.hasMatch() ? match.captured(5).toInt() : 256;
    const int low = match.hasMatch() ? match.captured(6).toInt() : 256;
    if (high > 255 || low > 255) {
        fail();
        return;
    }
    // Only the port is taken: the data goes to the recorder we talk to.
    dataSocket.connectToHost(controlSocket.peerAddress(), quint16(high * 256 + low), QIODevice::ReadWrite);
    sendFtp("LIST\r\n");
}

void FtpAccess::getFtpData()
{
    if (!running)
        return;
    const QByteArray bytes = dataSocket.readAll();
    if (bytes.isEmpty())
        return;
    progress();
    dataBuffer += bytes;
    takeLines(dataBuffer, maxLineLength, [this](const QByteArray &line) { handleListingLine(line); });
}

void FtpAccess::handleListingLine(const QByteArray &bytes)
{
    if (namesPassed >= maxNames)
        return;
    QString line = QString::fromUtf8(bytes);
    line.remove(QChar(0));
    if (line.isEmpty() || !line.endsWith(QLatin1String(".ppl")) || line.startsWith(QLatin1Char('d')))
        return;
    // A Unix listing line: eight fields (mode, links, owner, group, size and
    // the three of the date), then the name, which may hold blanks.
    static const QRegularExpression unixLine(QStringLiteral("^(?:\\S+\\s+){8}(.+)$"));
    const QRegularExpressionMatch match = unixLine.match(line);
    ++namesPassed;
    emit receivedPlaylist(match.hasMatch() ? match.captured(1) : line.mid(line.lastIndexOf(QLatin1Char(' ')) + 1));
}

void FtpAccess::finishIfComplete()
{
    if (!running || !transferComplete || !dataEnded)
        return;
    closeBoth();
    emit endPlaylist();
}

void FtpAccess::errorFtp()
{
    // Once the listing is confirmed, a hang-up is no loss.
    if (running && !(transferComplete && controlSocket.error() == QAbstractSocket::RemoteHostClosedError))
        fail();
}

void FtpAccess::closeConnectionFtp()
{
    controlSocket.close();
    // The server hung up before the listing was confirmed.
    if (running && !transferComplete)
        fail();
}

void FtpAccess::errorFtpData()
{
    // The server closing the data connection is how a listing ends.
    if (dataSocket.error() == QAbstractSocket::RemoteHostClosedError)
        return;
    if (running)
        fail();
}

void FtpAccess::closeConnectionFtpData()
{
    if (!running)
        return;
    // A last line without its line end is still a line.
    if (!dataBuffer.isEmpty()) {
        dataBuffer += '\n';
        takeLines(dataBuffer, maxLineLength, [this](const QByteArray &line) { handleListingLine(line); });
    }
    dataSocket.close();
    dataEnded = true;
    finishIfComplete();
}

void FtpAccess::fail()
{
    closeBoth();
}

void FtpAccess::closeBoth()
{
    running = false;
    stallTimer.stop();
    listingTimer.stop();
    for (QTcpSocket *socket : {&controlSocket, &dataSocket}) {
        const QSignalBlocker quiet(socket);
        socket->abort();
    }
    controlBuffer.clear();
    dataBuffer.clear();
    continuedCode = 0;
    namesPassed = 0;
    dataEnded = false;
    transferComplete = false;
}
