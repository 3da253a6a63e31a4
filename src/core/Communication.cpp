#include "Communication.h"

#include "Permission.h"
#include "PropertyStore.h"
#include "Telnet.h"
#include "TimerEvent.h"

#include <QDateTime>

Communication::Communication(QObject *parent)
    : QObject(parent)
    , clock(&QDateTime::currentMSecsSinceEpoch)
{
    m_address = dataSettings.loadSettingString(QStringLiteral("Login"), QStringLiteral("Address"));
    m_password = dataSettings.loadSettingString(QStringLiteral("Login"), QStringLiteral("ps"));

    connect(&ftpAccess, SIGNAL(receivedPlaylist(QString)), this, SLOT(setPlaylist(QString)));
    connect(&ftpAccess, SIGNAL(endPlaylist()), this, SLOT(endPlaylist()));

    announceTimer.setSingleShot(true);
    announceTimer.setInterval(announceDelayMs);
    connect(&announceTimer, SIGNAL(timeout()), this, SLOT(changeLoginComp()));

    sleepTimer.setInterval(sleepCheckMs);
    connect(&sleepTimer, SIGNAL(timeout()), this, SLOT(sleepCheck()));
    sleepTimer.start();
}

void Communication::setTelnet(Telnet *link)
{
    telnet = link;
    connect(telnet, SIGNAL(connectedToServer(int)), this, SLOT(finishedLogin(int)));
    connect(telnet, SIGNAL(errorConnectedToServer()), this, SLOT(failedLogin()));
    connect(telnet, SIGNAL(readyRead(QString)), this, SLOT(recievedData(QString)));
    connect(telnet, SIGNAL(passwordFailed()), this, SLOT(passwordFailed()));
}

void Communication::setTimerEvent(TimerEvent *timerEvent)
{
    tev = timerEvent;
    connect(this, SIGNAL(currentMediaChanged(QString)), tev, SLOT(setCurrentMedia(QString)));
    connect(this, SIGNAL(playAreaChanged(QString)), tev, SLOT(setPlayArea(QString)));
    connect(this, SIGNAL(playModeChanged(QString)), tev, SLOT(setPlayMode(QString)));
    connect(this, SIGNAL(statusIconChanged(int)), tev, SLOT(setStatus(int)));
}

void Communication::setDisplayMode(bool mode)
{
    if (mode == m_displayMode)
        return;
    m_displayMode = mode;
    markRedrawState = MarkRedrawDisplayChanged;
    telnet->sendData("07F6A63\r\n");
    emit displayModeChanged(mode);
}

void Communication::setLoginState(int state)
{
    storeAndSignal(this, m_loginState, state, &Communication::loginStateChanged);
}

void Communication::sendIfPermitted(const char *command)
{
    permission->sendIfPermitted(command);
}
