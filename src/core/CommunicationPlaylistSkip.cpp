// Stopped in a playlist, the time skip steps to the neighbouring playlist:
// the names come from the recorder's FTP listing, and the chosen one is
// loaded over the control link.
#include "Communication.h"

#include "LineProtocol.h"
#include "Medium.h"
#include "Telnet.h"

#include <algorithm>

void Communication::setPlaylist(QString name)
{
    playlistNames.append(name);
}

void Communication::endPlaylist()
{
    std::sort(playlistNames.begin(), playlistNames.end());
    if (playlistNames.isEmpty())
        return;
    const int current = playlistNames.indexOf(m_playList);
    const int last = playlistNames.size() - 1;
    int chosen = 0;
    if (current >= 0 && playlistSkipBack)
        chosen = current == 0 ? last : current - 1;
    else if (current >= 0)
        chosen = current == last ? 0 : current + 1;

    const auto name = LineProtocol::encodeTextField(playlistNames.at(chosen));
    if (!name)
        return;
    // One line: the load command, the folder (none on the CD) and the name.
    QByteArray command("07F310000");
    const QLatin1String folder = Medium::playlistFolder(m_currentMedia);
    if (!folder.isEmpty())
        command.append(folder.data(), folder.size()).append('/');
    telnet->sendData(command.append(*name).append("\r\n").constData());
}

