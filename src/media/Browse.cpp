#include "Browse.h"

#include "Permission.h"
#include "RootContext.h"

#include <QQmlContext>
#include <QVariant>

Browse::Browse(QObject *parent)
    : QObject(parent)
{
    if (rootContext)
        rootContext->setContextProperty(QStringLiteral("browseModel"), QVariant::fromValue(browseModel));
}

void Browse::setDialogString(const QString &value)
{
    if (value == dialogString)
        return;
    dialogString = value;
    emit dialogStringChanged();
}

void Browse::recievedCommandFF6B(QString data)
{
    // The folder listing and the file operations that these replies report
    // are not part of this build yet.
    Q_UNUSED(data)
}

void Browse::resetBrowseData()
{
    dialogString.clear();
    statusIcon = 0;
    busy = 0;
}

void Browse::restartBrowse()
{
    startBrowse();
}

void Browse::startBrowse()
{
    if (statusIcon == 0 || mediaCode.startsWith(QLatin1Char('F')) || !permission->okPermission)
        return;
    permission->sendIfPermitted("07F6B00\r\n");
    permission->sendIfPermitted(commandBrowseInit);
}

void Browse::setCurrentMediaNumber(QString NewMedia)
{
    if (NewMedia == QLatin1String("SD1"))
        mediaCode = QStringLiteral("00");
    else if (NewMedia == QLatin1String("SD2"))
        mediaCode = QStringLiteral("01");
    else if (NewMedia == QLatin1String("USB"))
        mediaCode = QStringLiteral("02");
    else
        mediaCode = QStringLiteral("FF");
    startBrowse();
}

void Browse::setStatus(int newStatus)
{
    statusIcon = newStatus;
}
