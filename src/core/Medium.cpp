#include "Medium.h"

namespace Medium {

namespace {

struct Entry
{
    const char *name;
    int code;
    const char *browseCode;
    const char *drive;
    const char *playlistFolder;
};

// In the order of the medium index.
constexpr Entry media[] = {
    {"SD1", 0, "00", "A:", "A:/_playlists"},
    {"SD2", 1, "01", "B:", "B:/_playlists"},
    {"USB", 10, "02", "C:", "C:/_playlists"},
    {"CD", 11, "FF", "", ""},
};

const Entry *find(QStringView name)
{
    for (const Entry &entry : media) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

} // namespace

int index(QStringView name)
{
    const Entry *entry = find(name);
    return entry ? int(entry - media) : -1;
}

QLatin1String nameOfCode(int code)
{
    for (const Entry &entry : media) {
        if (entry.code == code)
            return QLatin1String(entry.name);
    }
    return QLatin1String("");
}

QLatin1String browseCode(QStringView name)
{
    const Entry *entry = find(name);
    return QLatin1String(entry ? entry->browseCode : "FF");
}

QLatin1String drive(QStringView name)
{
    const Entry *entry = find(name);
    return QLatin1String(entry ? entry->drive : "");
}

QLatin1String playlistFolder(QStringView name)
{
    const Entry *entry = find(name);
    return QLatin1String(entry ? entry->playlistFolder : "");
}

} // namespace Medium
