#pragma once

#include <QLatin1String>
#include <QStringView>

// The recorder's media and their names in the protocol: the medium names that
// the pages show ("SD1", "SD2", "USB", "CD"), the two-digit codes of the
// medium commands and replies, the medium codes of the browse commands, the
// drive letters of paths on the recorder and the folder of its playlists.
namespace Medium {

// 0 SD1, 1 SD2, 2 USB, 3 CD; -1 for any other text (no medium).
int index(QStringView name);

// The name of the medium with the code of the medium commands and replies
// (0 SD1, 1 SD2, 10 USB, 11 CD); empty for any other code.
QLatin1String nameOfCode(int code);

// The medium code of the folder and file commands: "00" SD1, "01" SD2,
// "02" USB, "FF" for a medium that cannot be browsed.
QLatin1String browseCode(QStringView name);

// The drive of paths on the medium ("A:" SD1, "B:" SD2, "C:" USB); empty
// for the CD and for no medium.
QLatin1String drive(QStringView name);

// The folder that holds the medium's playlists ("A:/_playlists" on SD1);
// empty where there is no drive.
QLatin1String playlistFolder(QStringView name);

} // namespace Medium
