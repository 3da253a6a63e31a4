#include "Playlist.h"

#include "Permission.h"

Playlist::Playlist(QObject *parent)
    : QObject(parent)
{
}

void Playlist::recievedCommandFF31CB(QString data)
{
    // Entry assignment results are decoded with the playlist entries, which
    // are not part of this build yet.
    Q_UNUSED(data)
}

void Playlist::recievedCommandFF45(QString data)
{
    // As above: the playlist replies have no playlist list to fill yet.
    Q_UNUSED(data)
}

void Playlist::initAll()
{
    permission->sendIfPermitted(commandPlaylistInit);
    emit readyToRedraw();
}

void Playlist::setCurrentMedia(QString media)
{
    if (media == QLatin1String("SD1"))
        currentMedia = 0;
    else if (media == QLatin1String("SD2"))
        currentMedia = 1;
    else if (media == QLatin1String("USB"))
        currentMedia = 2;
    else
        currentMedia = 3;
}

void Playlist::onEndDeletePpl()
{
    if (!execCommand)
        return;
    execCommand = false;
    emit execCommandChanged();
}
