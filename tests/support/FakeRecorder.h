#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

// A recorder on a loopback address, port 23, that plays the recorder's side of
// the control link from a script: the login dialogue, the model answer and a
// table of replies. It keeps every byte it receives so that a test can assert
// on exactly what the application sent.
class FakeRecorder : public QObject
{
    Q_OBJECT

public:
    enum class ModelAnswer { Model0, Model1, Refuse, Bad, Silent };
    // Where a connection stands in the dialogue, as seen by the recorder.
    enum class Stage { Connected, Prompted, LoggedIn, Linked };

    explicit FakeRecorder(const QString &address, QObject *parent = nullptr);
    ~FakeRecorder() override;

    // Starts accepting connections on address:23.
    bool listen();
    bool isListening() const { return server.isListening(); }
    // Refuses further connections (the port is closed).
    void stopListening();
    // Keeps the port open but never completes a TCP handshake: a client stays
    // in the connecting state until it gives up.
    bool listenUnresponsive();

    QByteArray password = "pass";
    ModelAnswer modelAnswer = ModelAnswer::Model1;
    // Accepts the connection, then never says a word.
    bool silent = false;
    // Prompts "Enter Password" again after "Password Failed".
    bool promptAgainAfterFailure = false;
    // Closes the connection when it reaches this stage (-1: never).
    int closeAtStage = -1;

    // Answers the request line (without its CR LF) with these lines; each is
    // sent with CR LF appended, all in one chunk.
    void setReply(const QByteArray &request, const QList<QByteArray> &lines);
    void clearReplies();
    // Answers a request that the table does not hold (the lines as for
    // setReply); none when empty. A menu fixture plays the recorder's menu
    // this way.
    std::function<QList<QByteArray>(const QByteArray &request)> responder;

    // Sends raw bytes to the connected client, as they are.
    void send(const QByteArray &bytes);
    // Sends the bytes cut at the given offsets, one chunk at a time with a
    // flush and a short pause in between, so the client reads them apart.
    void sendInChunks(const QByteArray &bytes, const QList<int> &cuts);

    void closeClient();
    bool hasClient() const;
    Stage stage() const { return currentStage; }

    // Every byte received, over all connections.
    QByteArray received() const { return allReceived; }
    // Bytes received since the current connection's login was completed.
    QByteArray receivedSinceLink() const { return sinceLink; }
    void clearReceived();
    // The request lines received after the login, in order.
    QList<QByteArray> requests() const { return requestLines; }

    int connectionCount() const { return connections; }
    QHostAddress address() const { return host; }

    // What the recorder received since the login, once nothing more has come
    // for `quietMs` (waiting at most `timeoutMs` for that quiet).
    QByteArray receivedOnceQuiet(int quietMs = 100, int timeoutMs = 5000);
    // What the recorder received since the login once `ms` have passed: for
    // counting what a running poll sends in that time.
    QByteArray receivedAfter(int ms);

    // Waits (running the event loop) until `pattern` appears in receivedSinceLink().
    bool waitForRequest(const QByteArray &pattern, int timeoutMs = 3000);
    bool waitForStage(Stage stage, int timeoutMs = 3000);
    bool waitForConnections(int count, int timeoutMs = 3000);

signals:
    void stageReached(FakeRecorder::Stage stage);
    void requestReceived(const QByteArray &line);
    void clientDisconnected();

private:
    void onNewConnection();
    void onReadyRead();
    void handleLine(const QByteArray &line);
    void reach(Stage stage);
    void sendLine(const QByteArray &line);

    QHostAddress host;
    QTcpServer server;
    QPointer<QTcpSocket> client;
    QByteArray pending;
    Stage currentStage = Stage::Connected;
    QHash<QByteArray, QList<QByteArray>> replies;
    QByteArray allReceived;
    QByteArray sinceLink;
    QList<QByteArray> requestLines;
    int connections = 0;
    int unresponsiveFd = -1;
    QList<int> backlogFillers;
};
