#include "Playlist.h"

#include "Medium.h"
#include "Permission.h"
#include "PropertyStore.h"

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
    // The CD and no medium alike: index 3, which has no playlists.
    const int index = Medium::index(media);
    currentMedia = index < 0 ? 3 : index;
}

void Playlist::onEndDeletePpl()
{
    storeProperty(this, execCommand, false, &Playlist::execCommandChanged);
}
