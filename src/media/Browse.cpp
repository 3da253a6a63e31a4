#include "Browse.h"

#include "Medium.h"
#include "ObjectListModel.h"
#include "Permission.h"
#include "PropertyStore.h"

Browse::Browse(QObject *parent)
    : QObject(parent)
{
    ObjectListModel::publish(QStringLiteral("browseModel"), browseModel);
}

void Browse::setDialogString(const QString &value)
{
    storeProperty(this, dialogString, value, &Browse::dialogStringChanged);
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
    mediaCode = Medium::browseCode(NewMedia);
    startBrowse();
}

void Browse::setStatus(int newStatus)
{
    statusIcon = newStatus;
}
