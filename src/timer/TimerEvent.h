#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Permission;
class Telnet;

// The recorder's timer-event list. The list, its record layout, filters and
// editing come with the timer-event page; this class holds what the session
// and the windows already rely on.
class TimerEvent : public QObject
{
    Q_OBJECT

public:
    explicit TimerEvent(QObject *parent = nullptr);

    static constexpr const char *commandInit = "07F475600\r\n";

    void recievedCommandFF47(QString data);
    Q_INVOKABLE void startTimerEvent();

    Telnet *telnet = nullptr;
    Permission *permission = nullptr;

public slots:
    void showData();
    void onReadOnlyChanged(bool readOnly);
    void setCurrentMedia(QString media);
    void setPlayArea(QString area);
    void setPlayMode(QString mode);
    void setStatus(int i);

private:
    QList<QObject *> timerEventModel;
    int statusIcon = 0;
};
