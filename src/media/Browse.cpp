#include "Browse.h"

#include "Medium.h"
#include "NumberFields.h"
#include "ObjectListModel.h"
#include "Permission.h"
#include "PropertyStore.h"

namespace {
const QString modelName = QStringLiteral("browseModel");
}

Browse::Browse(QObject *parent)
    : QObject(parent)
{
    connect(&nowFolder, &BrowseObject::nameChanged, this, &Browse::nowFolderNameChanged);
    connect(&nowFolder, &BrowseObject::numberChanged, this, &Browse::nowFolderNumberChanged);
    connect(&currentFolder, &BrowseObject::nameChanged, this, &Browse::currentFolderNameChanged);
    connect(&currentFolder, &BrowseObject::numberChanged, this, &Browse::currentFolderNumberChanged);
    ObjectListModel::publish(modelName, browseModel);
}

Browse::~Browse()
{
    qDeleteAll(browseModel);
}

void Browse::setDialogString(const QString &value)
{
    storeProperty(this, dialogString, value, &Browse::dialogStringChanged);
}

void Browse::setBrowseDialogString(const QString &value)
{
    storeProperty(this, browseDialogString, value, &Browse::browseDialogStringChanged);
}

void Browse::setCurrentFileNumber(int value)
{
    storeProperty(this, currentFileNumber, value, &Browse::currentFileNumberChanged);
}

void Browse::setListingShown(bool value)
{
    storeProperty(this, listingShown, value, &Browse::listingChanged);
}

void Browse::send(const QByteArray &command)
{
    permission->sendIfPermitted(command);
}

QByteArray Browse::numbered(const char *subCommand, int number) const
{
    char command[] = "07F6Bssmmnnnn";
    command[5] = subCommand[0];
    command[6] = subCommand[1];
    command[7] = mediaCode.at(0).toLatin1();
    command[8] = mediaCode.at(1).toLatin1();
    putNumberField(command + 9, number);
    return QByteArray(command);
}

bool Browse::sendNumbered(const char *subCommand, int number)
{
    if (!hasMedium() || !isNumber(number))
        return false;
    return permission->sendIfPermitted(numbered(subCommand, number) + "\r\n");
}

bool Browse::requestCurrentFolder()
{
    if (statusIcon == 0 || !hasMedium())
        return false;
    // The recorder's "80" starts the listing; until its list is published
    // the page must not act on the rows or the folder's name.
    const bool sent = permission->sendIfPermitted("07F6B00\r\n");
    if (sent)
        setListingShown(true);
    send(commandBrowseInit);
    return sent;
}

void Browse::startBrowse()
{
    requestCurrentFolder();
}

void Browse::restartBrowse()
{
    currentFolder.setNumber(-1);
    requestCurrentFolder();
}

void Browse::openFolder(int number)
{
    if (!isNumber(number))
        return;
    // The listing of the folder left behind ends here: its later replies
    // belong to no folder shown.
    endListing(false);
    clearNowFolderList();
    nowFolder.setName(QString());
    nowFolder.setNumber(number);
    if (!requestCurrentFolder())
        setListingShown(false);
}

void Browse::goToCurrentFolder()
{
    openFolder(currentFolder.number());
}

void Browse::upFolder()
{
    if (!hasMedium())
        return;
    const QString name = nowFolder.name();
    const int cut = name.lastIndexOf(QLatin1Char('\\'));
    const QString parent = cut < 0 ? QString() : name.left(cut);
    QByteArray command = "07F6B02" + mediaCode.toLatin1() + '\\' + parent.toUtf8() + "\r\n";
    endListing();
    clearNowFolderList();
    if (permission->sendIfPermitted(command))
        setListingShown(true);
}

void Browse::setToCurrentFolder()
{
    // Only the root goes by the empty name; another folder without its name
    // is one whose listing has not named it yet.
    if (nowFolder.name().isEmpty() && nowFolder.number() != 0)
        return;
    send("07F6B01\\" + nowFolder.name().toUtf8() + "\r\n");
    requestCurrentFolder();
}

void Browse::setCurrentMediaNumber(QString NewMedia)
{
    if (NewMedia != mediaName)
        nowFolder.resetObject();
    mediaName = NewMedia;
    mediaCode = Medium::browseCode(NewMedia);
    if (!hasMedium())
        clearNowFolderList();
    endListing();
    busy = 0;
    // Whatever ran on the other medium is over.
    setDialogString(QString());
    setCurrentFileNumber(-1);
    if (statusIcon == 0)
        setBrowseDialogString(mediaName + QStringLiteral(" is not available"));
    currentFolder.setNumber(-1);
    requestCurrentFolder();
}

void Browse::setStatus(int newStatus)
{
    statusIcon = newStatus;
    if (newStatus != 0) {
        setBrowseDialogString(QString());
        if (restartPending) {
            restartPending = false;
            reloadNowFolder();
        }
        return;
    }
    endListing();
    if (busy == 0) {
        clearNowFolderList();
        setBrowseDialogString(mediaName + QStringLiteral(" is not available"));
    }
}

void Browse::reloadNowFolder()
{
    if (statusIcon == 0) {
        restartPending = true;
        return;
    }
    busy = 0;
    if (nowFolder.number() == -1) {
        setDialogString(QString());
        currentFolder.setNumber(-1);
        requestCurrentFolder();
    } else {
        openFolder(nowFolder.number());
        setDialogString(QString());
    }
}

void Browse::clearNowFolderList()
{
    ObjectListModel::replace(modelName, browseModel, {});
}

void Browse::publishList()
{
    ObjectListModel::publish(modelName, browseModel);
}

void Browse::endListing(bool settled)
{
    listing = false;
    step = Step::None;
    expectedNumber = -1;
    if (settled)
        setListingShown(false);
}

void Browse::resetBrowseData()
{
    setCurrentFileNumber(-1);
    setDialogString(QString());
    currentFolder.resetObject();
    nowFolder.resetObject();
    endListing();
    statusIcon = 0;
    busy = 0;
}
