#pragma once

#include "DataSettings.h"

#include <QObject>
#include <QString>

class Browse;
class Mark;
class Menu;
class Permission;
class Playlist;
class Telnet;
class TimerEvent;

// The hub of the connection to one recorder: the session, the mirrored status
// and the recorder's commands.
class Communication : public QObject
{
    Q_OBJECT

public:
    explicit Communication(QObject *parent = nullptr);

    void setTelnet(Telnet *link);
    void setTimerEvent(TimerEvent *timerEvent);

    DataSettings dataSettings;
    Telnet *telnet = nullptr;
    Menu *menu = nullptr;
    Mark *mark = nullptr;
    Playlist *pl = nullptr;
    Browse *browse = nullptr;
    TimerEvent *tev = nullptr;
    Permission *permission = nullptr;

public slots:
    void finishedLogin(int model);
    void failedLogin();
    void recievedData(QString str);
    void startLevelMeter();
    void stopLevelMeter();

signals:
    void currentMediaChanged(QString currentMedia);
    void statusIconChanged(int statusIcon);
    void playAreaChanged(QString playArea);
    void playModeChanged(QString playMode);
    void popupReceived(int message);

private slots:
    void passwordFailed();
};
