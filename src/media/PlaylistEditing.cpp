#include "Playlist.h"

#include "FileNames.h"
#include "LineProtocol.h"
#include "NumberFields.h"
#include "Permission.h"
#include "PropertyStore.h"

// The commands that change the playlists and their entries, and their
// results. A named command is assembled whole and written in one call.

namespace {

// The name as the recorder may take it: without the characters that would
// end the line or change the path, in UTF-8, cut to `cap` bytes on a
// character boundary (no cap when negative). An empty name stays empty.
QByteArray playlistName(const QString &name, int cap)
{
    const QByteArray bytes = FileNames::sanitizeFileName(name).toUtf8();
    return cap < 0 ? bytes : LineProtocol::cutUtf8(bytes, cap);
}

constexpr int largestNumber = 9999;

} // namespace

std::optional<QByteArray> Playlist::newPlaylistName(const QString &name)
{
    // Dots and spaces alone would name the playlist folder or climb out of
    // it. An empty name adds no path to the command: it goes out as it is.
    const QByteArray bytes = playlistName(name, nameCap);
    if (!bytes.isEmpty() && FileNames::isDotsAndSpaces(bytes)) {
        emit execFailed();
        return std::nullopt;
    }
    return bytes;
}

void Playlist::createPpl(QString name)
{
    if (const std::optional<QByteArray> bytes = newPlaylistName(name))
        send("07F4540" + *bytes + "\r\n");
}

void Playlist::saveAs(QString name)
{
    if (const std::optional<QByteArray> bytes = newPlaylistName(name))
        send("07F4541" + *bytes + "\r\n");
}

void Playlist::renamePpl(int pplNumber, QString name)
{
    if (pplNumber < 1 || pplNumber > largestNumber)
        return;
    const std::optional<QByteArray> bytes = newPlaylistName(name);
    if (!bytes)
        return;
    char command[] = "07F4543xxxx";
    putNumberField(command + 7, pplNumber);
    send(QByteArray(command) + *bytes + "\r\n");
}

bool Playlist::loadPpl(QString name)
{
    static const char *const prefixes[] = {"07F310000A:/_playlists/", "07F310000B:/_playlists/",
                                           "07F310000C:/_playlists/"};
    if (currentMediaIndex < 0 || currentMediaIndex > 2)
        return false;
    // A listed playlist has a name: an empty one would load the folder.
    const QByteArray bytes = playlistName(name, -1);
    if (FileNames::isDotsAndSpaces(bytes)) {
        emit execFailed();
        return false;
    }
    if (!send(prefixes[currentMediaIndex] + bytes + "\r\n"))
        return false;
    loadPending = true;
    return true;
}

void Playlist::recievedLoadResult(QStringView status)
{
    if (!loadPending)
        return;
    loadPending = false;
    if (status == QLatin1String("00"))
        return;
    emit execFailed();
    // The page cleared its rows for the load: the list comes back.
    emit readyToRedraw();
}

void Playlist::assignEntry(int entry, int take)
{
    if (!isEntry(entry) || take < 0 || take > largestNumber)
        return;
    char command[] = "07F314B01xxxxyyyy\r\n";
    putNumberField(command + 9, entry);
    putNumberField(command + 13, take);
    send(command);
}

void Playlist::clearEntry(int entry)
{
    if (!isEntry(entry))
        return;
    char command[] = "07F314B00xxxx\r\n";
    putNumberField(command + 9, entry);
    send(command);
}

void Playlist::recievedResult(QStringView reply)
{
    const QStringView result = LineProtocol::field(reply, 2, 2);
    if (result == QLatin1String("11"))
        send(commandPlaylistInit);
    else if (result == QLatin1String("12"))
        emit execFailed();
}

void Playlist::recievedCommandFF31CB(QString data)
{
    const QStringView reply(data);
    const QStringView kind = LineProtocol::field(reply, 0, 2);
    if (kind != QLatin1String("00") && kind != QLatin1String("01"))
        return;
    const QStringView result = LineProtocol::field(reply, 6, 2);
    if (result == QLatin1String("11")) {
        rereadEntries();
    } else if (result == QLatin1String("12")) {
        emit execFailed();
        // The page emptied its rows for the edit: they come back unchanged.
        rereadEntries();
    }
}
