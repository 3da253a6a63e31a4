#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Telnet;

// The marks of the current take, as the recorder delivers them.
class Mark : public QObject
{
    Q_OBJECT

public:
    explicit Mark(QObject *parent = nullptr);

    static constexpr int retryIntervalMs = 250;
    // A recorder that never answers the count is asked for about five seconds.
    static constexpr int maxRetries = 20;
    static constexpr int maxMarks = 9999;

    // Asks for the mark count and the track top, and keeps asking every
    // 250 ms until the mark count arrives, at most `maxRetries` times.
    void requestMarkList();
    void clearMarks();
    void skipPrevious(int elapsed);
    void skipNext(int elapsed);
    void recievedCommandFF03(QString data);
    Q_INVOKABLE void redrawMark();

    QList<int> marks;
    const char *pollCommand;
    Telnet *telnet = nullptr;
    int markCount = 0;
    int timerId = 0;

signals:
    void markTimeReceived(int time);
    void markClear();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void stopRetry();
    int retriesLeft = 0;
    void requestMark(int number);
};
