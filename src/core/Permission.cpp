#include "Permission.h"

#include "PropertyStore.h"
#include "Telnet.h"

#include <QTimerEvent>

namespace {
const char requestRight[] = "07F6A7E11\r\n";
const char giveBackRight[] = "07F6A7E10\r\n";
} // namespace

Permission::Permission(QObject *parent)
    : QObject(parent)
{
}

void Permission::requestPermission()
{
    if (!okPermission)
        telnet->sendData(requestRight);
    if (timerId == 0)
        timerId = startTimer(requestIntervalMs, Qt::CoarseTimer);
}

void Permission::returnPermission()
{
    if (okPermission) {
        setOkPermission(false);
        telnet->sendData(giveBackRight);
    }
    if (timerId != 0) {
        killTimer(timerId);
        timerId = 0;
    }
}

void Permission::returnPermissionDelay()
{
    if (timerId != 0)
        return;
    setOkPermission(false);
    telnet->sendData(giveBackRight);
}

void Permission::timerEvent(QTimerEvent *event)
{
    // Asked again on every tick, held or not, until the right is given back.
    if (event->timerId() == timerId)
        telnet->sendData(requestRight);
}

void Permission::recievedCommandFF6AFD(QString data)
{
    storeProperty(this, isReadOnly, qint32(!data.startsWith(QLatin1String("00"))), &Permission::isReadOnlyChanged);
}

void Permission::recievedCommandFF6AFE(QString data)
{
    if (data.startsWith(QLatin1String("10")))
        setOkPermission(false);
    else if (data.startsWith(QLatin1String("11")))
        setOkPermission(true);
}

void Permission::sessionEnded()
{
    setOkPermission(false);
}

bool Permission::sendIfPermitted(const char *command)
{
    if (!okPermission)
        return false;
    telnet->sendData(command);
    return true;
}

bool Permission::sendIfPermitted(const QByteArray &command)
{
    return sendIfPermitted(command.constData());
}

void Permission::setOkPermission(bool value)
{
    storeProperty(this, okPermission, qint32(value), &Permission::okPermissionChanged);
}
