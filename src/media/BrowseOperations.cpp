#include "Browse.h"

#include "FileNames.h"
#include "LineProtocol.h"
#include "NumberFields.h"
#include "Permission.h"

// The recorder's operations on the listed folder. Each command is assembled
// whole and written in one call, so that the editing right is checked once
// for all of it and no piece of a line waits on the link for another write.

namespace {

bool endsWithExtension(const QString &name, const char *extension)
{
    return name.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

} // namespace

void Browse::sendOperation(const QByteArray &command)
{
    if (permission->sendIfPermitted(command))
        busy = 1;
}

void Browse::refuse(bool playlistFile)
{
    emit execFailed();
    if (playlistFile)
        emit endDeletePpl();
}

void Browse::createFolder(QString name)
{
    if (!hasMedium() || !isNumber(nowFolder.number()))
        return;
    const auto bytes = FileNames::encodeName(name, FileNames::folderNameCap);
    if (!bytes)
        return refuse();
    sendOperation(numbered("15", nowFolder.number()) + *bytes + "\r\n");
}

void Browse::renameFolder(int number, QString name)
{
    if (!hasMedium() || !isNumber(number))
        return;
    const auto bytes = FileNames::encodeName(name, FileNames::folderNameCap);
    if (!bytes)
        return refuse();
    sendOperation(numbered("13", number) + *bytes + "\r\n");
}

void Browse::deleteFolder(int number)
{
    if (!hasMedium() || !isNumber(number))
        return;
    sendOperation(numbered("14", number) + "\r\n");
}

void Browse::sortByTime()
{
    if (!hasMedium() || !isNumber(nowFolder.number()))
        return;
    char command[] = "07F6B0300nnnn\r\n";
    putNumberField(command + 9, nowFolder.number());
    sendOperation(command);
}

void Browse::sortByName()
{
    if (!hasMedium() || !isNumber(nowFolder.number()))
        return;
    char command[] = "07F6B0301nnnn\r\n";
    putNumberField(command + 9, nowFolder.number());
    sendOperation(command);
}

void Browse::selectFile(int number)
{
    if (!isNumber(number))
        return;
    char command[] = "07F6B27nnnn\r\n";
    putNumberField(command + 7, number);
    send(command);
}

void Browse::renameFile(int number, QString newName, QString orgName)
{
    if (endsWithExtension(newName, ".mp3") || endsWithExtension(newName, ".wav"))
        newName.chop(4);
    const auto bytes = FileNames::encodeName(newName, FileNames::fileNameCap);
    if (!bytes)
        return refuse();
    // The file keeps the kind it is.
    const char *extension = endsWithExtension(orgName, ".mp3") ? ".mp3"
                            : endsWithExtension(orgName, ".wav") ? ".wav" : "";
    if (!hasMedium() || !isNumber(number))
        return;
    sendOperation(numbered("23", number) + *bytes + extension + "\r\n");
}

void Browse::deleteFile(int number)
{
    if (!hasMedium() || !isNumber(number))
        return;
    sendOperation(numbered("24", number) + "\r\n");
}

void Browse::deleteFileFullPath(QString file)
{
    const auto path = FileNames::encodePath(file);
    if (!path)
        return refuse(true);
    sendOperation("07F6B26" + *path + "\r\n");
}

void Browse::copyFile(QString file, QString folder)
{
    const auto source = FileNames::encodePath(file);
    const auto destination = FileNames::encodePath(folder);
    // A copy onto itself would only lose the file.
    if (!source || !destination || QString::fromUtf8(*source).compare(QString::fromUtf8(*destination), Qt::CaseInsensitive) == 0)
        return refuse();
    sendOperation("07F6B0400" + *source + "\r\n07F6B0415" + *destination + "\r\n");
}

void Browse::undo()
{
    send("07F6B25\r\n");
}

void Browse::queryInfo(int number)
{
    if (!hasMedium() || !isNumber(number))
        return;
    send(numbered("22", number) + "\r\n");
}

QString Browse::getInfo(int index)
{
    if (index < 0 || index >= browseModel.size())
        return QString();
    return static_cast<BrowseObject *>(browseModel.at(index))->info();
}

void Browse::recievedInfo(QStringView reply)
{
    const int file = readNumberField(reply, 4);
    for (QObject *object : qAsConst(browseModel)) {
        auto *entry = static_cast<BrowseObject *>(object);
        if (entry->type() == BrowseObject::File && entry->number() == file) {
            entry->setInfo(LineProtocol::field(reply, 10).toString().replace(QLatin1Char('\t'), QLatin1Char('\n')));
            emit infoChanged();
            return;
        }
    }
}

void Browse::recievedOperation(QStringView reply, const QString &progress, bool playlistFile)
{
    const QStringView status = LineProtocol::field(reply, 2, 2);
    if (status == QLatin1String("00")) {
        setDialogString(progress);
    } else if (status == QLatin1String("11")) {
        busy = 2;
        setDialogString(QString());
        reloadNowFolder();
        if (playlistFile)
            emit playlistDeleted();
    } else if (status == QLatin1String("12")) {
        setDialogString(QString());
        // The operation is over: nothing holds back the refresh or the notice.
        busy = 0;
        refuse(playlistFile);
    }
}
