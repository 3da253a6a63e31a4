#include "Communication.h"

#include "Telnet.h"
#include "TimerEvent.h"

Communication::Communication(QObject *parent)
    : QObject(parent)
{
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

// The session, its polls and the reply decoding follow with the session work.
void Communication::finishedLogin(int model)
{
    Q_UNUSED(model)
}

void Communication::failedLogin() {}

void Communication::recievedData(QString str)
{
    Q_UNUSED(str)
}

void Communication::passwordFailed() {}

void Communication::startLevelMeter()
{
    telnet->sendData("07F6A3F01\r\n");
}

void Communication::stopLevelMeter()
{
    telnet->sendData("07F6A3F00\r\n");
}
