#include "Playlist.h"

#include "Medium.h"
#include "Permission.h"
#include "PropertyStore.h"

Playlist::Playlist(QObject *parent)
    : QObject(parent)
{
    busyRetry.setSingleShot(true);
    busyRetry.setInterval(busyRetryMs);
    connect(&busyRetry, &QTimer::timeout, this, [this] { send(commandPlaylistInit); });
}

Playlist::~Playlist()
{
    qDeleteAll(pplList);
}

bool Playlist::send(const QByteArray &command)
{
    return permission->sendIfPermitted(command);
}

void Playlist::setExecCommand(bool value)
{
    storeProperty(this, execCommand, value, &Playlist::execCommandChanged);
}

void Playlist::setCurrentMedia(QString media)
{
    // The CD and no medium alike: index 3, which has no playlists.
    const int index = Medium::index(media);
    currentMediaIndex = index < 0 ? 3 : index;
}

void Playlist::onEndDeletePpl()
{
    setExecCommand(false);
}

void Playlist::linkLost()
{
    // Nothing that was running answers any more.
    busyRetry.stop();
    loadPending = false;
    setExecCommand(false);
}

void Playlist::initAll()
{
    // A new grant: no deletion of an earlier one is still ours to wait for.
    setExecCommand(false);
    send(commandPlaylistInit);
    emit readyToRedraw();
}

void Playlist::initPpl()
{
    send("07F4503\r\n07F4504\r\n");
}

void Playlist::initEntry()
{
    rereadEntries();
}

void Playlist::rereadEntries()
{
    for (QString &entry : entries)
        entry.clear();
    send("07F4510\r\n07F4512\r\n");
    entryCount = 0;
}

QString Playlist::getPplName(int i) const
{
    const PplItem *item = pplList.value(i);
    return item ? item->name : QString();
}

QString Playlist::getPplDateTime(int i) const
{
    const PplItem *item = pplList.value(i);
    return item ? item->dateTime : QString();
}

QString Playlist::getEntryName(int i) const
{
    return isEntry(i) ? entries[i] : QString();
}

void Playlist::clearEntryInfo()
{
    storeProperty(this, infoDataA, QString(), &Playlist::infoDataAChanged);
    storeProperty(this, infoDataB, QString(), &Playlist::infoDataBChanged);
    storeProperty(this, infoDateTime, QString(), &Playlist::infoDateTimeChanged);
    storeProperty(this, infoFolder, QString(), &Playlist::infoFolderChanged);
}
