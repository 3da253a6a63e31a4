#include "ReplyFields.h"

#include "LineProtocol.h"

#include <QtGlobal>

using LineProtocol::field;
using LineProtocol::toNumber;

namespace ReplyFields {

quint32 codeOf(QStringView text)
{
    if (text.size() < 2)
        return 0;
    return code(text[0].unicode(), text[1].unicode());
}

bool flag(QStringView data, int position)
{
    return field(data, position, 2) != QLatin1String("00");
}

int decimal(QStringView data, int position, int length)
{
    return toNumber(field(data, position, length));
}

int hexadecimal(QStringView data, int position, int length)
{
    return toNumber(field(data, position, length), 16);
}

QLatin1String twoDigits(int value, char (&buffer)[16], const char *prefix)
{
    const int length = qsnprintf(buffer, sizeof buffer, "%s%02d", prefix, value);
    return QLatin1String(buffer, length);
}

bool isRecording(int status)
{
    return status == Status::record || status == Status::recordPause || status == Status::recordPause2;
}

QStringView threeLowDigits(QStringView data, int position, QChar (&buffer)[3])
{
    int length = 0;
    for (const QStringView part : {field(data, position + 3, 1), field(data, position, 2)})
        for (const QChar c : part)
            buffer[length++] = c;
    return QStringView(buffer, length);
}

QLatin1String cdType(QStringView data)
{
    static const struct
    {
        const char *data;
        const char *type;
    } types[] = {{"0100", "CD-DA"}, {"0101", "CD-R"}, {"0102", "CD-RW"},
                 {"0110", "Data CD"}, {"0111", "CD-R Data"}, {"0112", "CD-RW Data"}};
    if (data.startsWith(QLatin1String("00")))
        return QLatin1String("CD");
    for (const auto &entry : types) {
        if (data == QLatin1String(entry.data))
            return QLatin1String(entry.type);
    }
    return QLatin1String("");
}

QLatin1String backupRelayPair(int pair)
{
    static const char *const pairs[] = {"SD1-SD2", "SD1-USB", "SD2-SD1", "SD2-USB", "USB-SD1", "USB-SD2"};
    return QLatin1String(pair >= 0 && pair <= 5 ? pairs[pair] : "");
}

QLatin1String playArea(int area)
{
    static const char *const areas[] = {"ALL", "FOLDER", "PLAYLIST"};
    return QLatin1String(area >= 0 && area <= 2 ? areas[area] : "");
}

QLatin1String playMode(int digit)
{
    switch (digit) {
    case 0: return QLatin1String("CONTINUE");
    case 1: return QLatin1String("SINGLE");
    case 4:
    case 5: return QLatin1String("PROGRAM");
    case 6: return QLatin1String("RANDOM");
    default: return QLatin1String("");
    }
}

RecordFormat recordFormat(int value)
{
    static const RecordFormat formats[] = {
        {QLatin1String("Wav"), QLatin1String("CD-DA"), false, 0, 0},
        {QLatin1String("Mp3"), QLatin1String("Mp3"), false, 0, 0},
        {QLatin1String("Wav16+Mp3"), QLatin1String("Mp3"), false, 0, 1},
        {QLatin1String("Wav(Backup)"), QLatin1String(""), true, 0, -1},
        {QLatin1String("Mp3(Backup)"), QLatin1String(""), true, 0, -1},
        {QLatin1String("Wav(Relay)"), QLatin1String(""), true, 0, -1},
        {QLatin1String("Mp3(Relay)"), QLatin1String(""), true, 0, -1},
        {QLatin1String("Wav16+Mp3\n(Relay)"), QLatin1String(""), true, 0, -1},
    };
    // 16 is the high rate; from 8 on the same formats at the middle rate.
    if (value == 16)
        return {QLatin1String("Wav"), QLatin1String(""), false, 2, -1};
    const int rate = value >= 8 ? 1 : 0;
    const int index = value >= 8 ? value - 8 : value;
    if (index < 0 || index >= 8)
        return {QLatin1String(""), QLatin1String(""), false, rate, -1};
    RecordFormat format = formats[index];
    format.fs = rate;
    return format;
}

} // namespace ReplyFields
