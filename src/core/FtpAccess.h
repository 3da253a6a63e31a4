#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

// Lists the playlist files of one medium over the recorder's FTP server:
// logs in, changes to the medium's playlist folder and lists it in passive
// mode, delivering every ".ppl" name. Nothing is downloaded.
class FtpAccess : public QObject
{
    Q_OBJECT

public:
    explicit FtpAccess(QObject *parent = nullptr);
    ~FtpAccess() override;

    void connectToServer(QString host, QString password, QString media, int model);

    static constexpr quint16 port = 21;
    // The dialogue is given up after this long without a reply or data.
    int stallTimeoutMs = 15000;
    // ... and after this long in all, however steadily data comes. A listing
    // cut short could pick the wrong neighbour, so it loads nothing.
    int listingTimeoutMs = 30000;
    // Names passed on per listing, the first ones; a playlist folder holds
    // far fewer, and the collected list must stay bounded.
    static constexpr int maxNames = 1000;
    // A listing line that never ends is dropped once it holds this many bytes.
    static constexpr int maxLineLength = 64 * 1024;

signals:
    void receivedPlaylist(QString name);
    void endPlaylist();

public slots:
    void sendFtp(const char *str);

private slots:
    void getFtp();
    void errorFtp();
    void closeConnectionFtp();
    void getFtpData();
    void errorFtpData();
    void closeConnectionFtpData();

private:
    void handleReply(int code, const QByteArray &line);
    void handleListingLine(const QByteArray &line);
    void connectData(const QByteArray &reply);
    void finishIfComplete();
    void fail();
    void closeBoth();
    void progress();

    QTcpSocket controlSocket;
    QTcpSocket dataSocket;
    QString password;
    QString media;
    int model = 0;

    QTimer stallTimer;
    QTimer listingTimer;
    QByteArray controlBuffer;
    QByteArray dataBuffer;
    // The code of a multi-line reply under way, 0 when none.
    int continuedCode = 0;
    int namesPassed = 0;
    bool dataEnded = false;
    bool transferComplete = false;
    bool running = false;
};
