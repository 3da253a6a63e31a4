#include "Playlist.h"

#include "LineProtocol.h"
#include "NumberFields.h"
#include "Permission.h"
#include "PropertyStore.h"

// The reading conversation: the medium's playlists, the current playlist's
// entries and one entry's details. Every field is read only when the reply
// is long enough to hold it.

namespace {

// Playlist records carry a 16-character date-time before the name.
constexpr int dateTimeLength = 16;
constexpr int occupancyGroups = 13;
// The status codes of the status reply that the program acts on.
constexpr int lastRedrawCode = 999;
constexpr int busyCode = 4000;
constexpr int entriesChangedCode = 5000;

} // namespace

void Playlist::recievedCommandFF45(QString data)
{
    const QStringView reply(data);
    if (reply.size() < 2)
        return;
    const QStringView code = reply.left(2);
    const auto is = [&](const char *known) { return code == QLatin1String(known); };
    if (is("80")) {
        if (reply.size() >= 6)
            recievedStatus(readNumberField(reply, 2));
    } else if (is("81")) {
        recievedName(reply);
    } else if (is("83")) {
        recievedCurrent(reply);
    } else if (is("84")) {
        recievedCount(reply);
    } else if (is("85")) {
        recievedRecord(reply);
    } else if (is("90")) {
        if (reply.size() >= 6)
            storeProperty(this, allEntryNumber, readNumberField(reply, 2), &Playlist::allEntryNumberChanged);
    } else if (is("91")) {
        recievedEntry(reply);
    } else if (is("92")) {
        recievedOccupancy(reply);
    } else if (is("93")) {
        recievedEntryInfo(reply);
    } else if (is("C0") || is("C1") || is("C3")) {
        recievedResult(reply);
    }
}

void Playlist::recievedStatus(int code)
{
    if (code <= lastRedrawCode) {
        emit readyToRedraw();
    } else if (code == busyCode) {
        setExecCommand(false);
        // Busy: asked again after a pause, not at once for as long as it lasts.
        if (!busyRetry.isActive())
            busyRetry.start();
    } else if (code == entriesChangedCode) {
        setExecCommand(false);
        rereadEntries();
    }
}

void Playlist::clearPplList()
{
    qDeleteAll(pplList);
    pplList.clear();
}

void Playlist::storePpl(int number, const QString &name, const QString &dateTime)
{
    while (pplList.size() < number)
        pplList.append(nullptr);
    PplItem *&item = pplList[number - 1];
    if (!item)
        item = new PplItem;
    item->name = name;
    item->dateTime = dateTime;
}

void Playlist::recievedName(QStringView reply)
{
    if (reply.size() < 6)
        return;
    const int number = readNumberField(reply, 2);
    // Playlists count from 1.
    if (number < 1)
        return;
    storePpl(number, LineProtocol::field(reply, 6).toString(), QString());
    emit pplRecived(number - 1);
    if (number < allPplNumber) {
        char command[] = "07F4501xyza\r\n";
        putNumberField(command + 7, number + 1);
        send(command);
    }
}

void Playlist::recievedCurrent(QStringView reply)
{
    if (reply.size() < 6)
        return;
    storeProperty(this, currentPlaylist, readNumberField(reply, 2) - 1, &Playlist::currentPlaylistChanged);
    send("07F4510\r\n");
}

void Playlist::recievedCount(QStringView reply)
{
    if (reply.size() < 6)
        return;
    const int count = readNumberField(reply, 2);
    clearPplList();
    storeProperty(this, allPplNumber, count, &Playlist::allPplNumberChanged);
    if (count != 0) {
        char command[] = "07F45050100xxxx\r\n";
        putNumberField(command + 11, count);
        send(command);
    }
}

void Playlist::recievedRecord(QStringView reply)
{
    if (reply.size() < 6 + dateTimeLength)
        return;
    const int number = readNumberField(reply, 2);
    if (number < 1)
        return;
    const QString dateTime = reply.mid(6, dateTimeLength).toString();
    storePpl(number, LineProtocol::field(reply, 6 + dateTimeLength).toString(), dateTime);
    if (currentPlaylist == number - 1)
        storeProperty(this, currentPlaylistDateTime, dateTime, &Playlist::currentPlaylistDateTimeChanged);
    emit pplRecived(number - 1);
}

void Playlist::recievedEntry(QStringView reply)
{
    if (reply.size() < 6)
        return;
    if (allEntryNumber == 0)
        emit entryListRecived();
    const int entry = readNumberField(reply, 2);
    // Only the slots the playlist has.
    if (!isEntry(entry))
        return;
    const QStringView text = LineProtocol::field(reply, 6);
    entries[entry] = text == QLatin1String("\t") ? QString() : text.toString();
    if (text.isEmpty() || text == QLatin1String("\t"))
        return;
    ++entryCount;
    if (entryCount == allEntryNumber)
        emit entryListRecived();
}

void Playlist::recievedOccupancy(QStringView reply)
{
    bool any = false;
    for (int group = 0; group < occupancyGroups; ++group) {
        // A map cut short: the groups it lacks are empty.
        const QStringView pair = LineProtocol::field(reply, 2 + 2 * group, 2);
        if (pair.size() < 2 || pair == QLatin1String("00"))
            continue;
        any = true;
        char command[] = "07F4511xyzaxyza\r\n";
        putNumberField(command + 7, 8 * group);
        putNumberField(command + 11, qMin(8 * group + 7, maxEntries - 1));
        send(command);
    }
    if (!any)
        emit entryListRecived();
}

void Playlist::getEntryInfo(int i)
{
    if (!isEntry(i))
        return;
    char command[] = "07F4513xxxx\r\n";
    putNumberField(command + 7, i);
    send(command);
}

void Playlist::recievedEntryInfo(QStringView reply)
{
    if (reply.size() < 6)
        return;
    const QStringList fields = LineProtocol::field(reply, 6).toString().split(QLatin1Char('\t'));
    const auto part = [&](int i) { return i < fields.size() ? fields.at(i) : QString(); };
    storeProperty(this, infoDataA, part(0).replace(QLatin1Char('/'), QLatin1Char(' ')), &Playlist::infoDataAChanged);
    storeProperty(this, infoDataB, part(1).replace(QLatin1Char('/'), QLatin1Char(' ')), &Playlist::infoDataBChanged);
    storeProperty(this, infoDateTime, part(2), &Playlist::infoDateTimeChanged);
    storeProperty(this, infoFolder, part(3).replace(QLatin1Char('\\'), QLatin1Char('/')), &Playlist::infoFolderChanged);
}
