#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;
class QTextCodec;

// The control link to one recorder: a TCP client on port 23 that runs the
// recorder's login dialogue, asks its model, writes command lines and cuts the
// incoming byte stream into reply lines.
class Telnet : public QObject
{
    Q_OBJECT

public:
    explicit Telnet(QObject *parent = nullptr);
    ~Telnet() override;

    void connectToServer(QString address, QString password, bool quick);

    // A reply line that never ends is dropped once it holds this many bytes.
    static constexpr int maxLineLength = 64 * 1024;
    static constexpr quint16 port = 23;

    // Time-outs of the connection and, once connected, of the login dialogue.
    int connectTimeoutMs = 10000;
    int quickConnectTimeoutMs = 500;
    int dialogueTimeoutMs = 10000;

    // Handles one chunk of bytes as it came from the recorder.
    void receiveChunk(QByteArray chunk);

    bool received = false;
    bool skipModelQuery = false;

signals:
    void connectedToServer(int model);
    void errorConnectedToServer();
    void readyRead(QString line);
    void passwordFailed();

public slots:
    void sendData(const char *str);
    void sendDataNoLog(const char *str);
    void close();

private slots:
    void loginToServer();
    void getData();
    void checkTimeout();
    void closeConnection();
    void error();
    void dialogueTimedOut();

private:
    // What the start of `text` is in the login dialogue; `more` when the
    // text may still continue in a later read.
    enum class Dialogue { None, NeedMore, PasswordPrompt, LoginSuccessful, PasswordFailed, Model0, Model1, ModelFailed };
    Dialogue recognise(const QByteArray &text, bool more) const;
    void answer(Dialogue step);
    void continueDialogue(const QByteArray &chunk);
    void write(const char *str);
    void splitLines(const QByteArray &chunk);
    void emitLine(QByteArray &line);
    void endConnection();
    void reportFailure();
    void finishLogin(int model);

    QTcpSocket *socket;
    QByteArray passwordLine;
    int sendCount = 0;
    QByteArray lineBuffer;
    // A line past maxLineLength was dropped; its rest is skipped up to its end.
    bool skippingOverlongLine = false;
    // The decoded line, reused so that a line costs no allocation.
    QString lineText;
    QTimer connectTimer;
    bool awaitingModel = false;

public:
    QTextCodec *codec;

private:
    QTimer dialogueTimer;
    // Bumped whenever a connection ends or starts, so that a failure report
    // queued for an earlier connection is dropped.
    quint64 connectionSerial = 0;
    bool passwordSent = false;
    // From the connection until the link is up, the dialogue's lines are
    // looked at line by line, whatever the reads cut them into.
    bool inDialogue = false;
    // The start of a dialogue line that may still become a prompt or an
    // answer; never longer than the longest of them.
    QByteArray dialogueText;
    // The current line was passed on as reply text; its rest follows it.
    bool passingLineOn = false;
    bool linked = false;
    bool pausing = false;
};
