#pragma once

#include <QLatin1String>
#include <QStringView>

// Decoders of the fields of the recorder's reply lines: pure functions on the
// reply text that return plain values and never allocate, so that a line
// whose values are unchanged costs nothing.
namespace ReplyFields {

// The transport states of the status reply.
namespace Status {
constexpr int none = 0x00;
constexpr int stop = 0x10;
constexpr int play = 0x11;
constexpr int playPause = 0x12;
constexpr int record = 0x81;
constexpr int recordPause = 0x82;
constexpr int recordPause2 = 0x83;
constexpr int busy = 0xFF;
} // namespace Status

constexpr int hundredthsPerHour = 360000;
constexpr int hundredthsPerMinute = 6000;

// A reply or group code as one number, so that dispatch is a switch.
constexpr quint32 code(char16_t first, char16_t second)
{
    return (quint32(first) << 16) | second;
}

// The code in the first two characters; a shorter text has none.
quint32 codeOf(QStringView text);

// A two-character flag: anything but exactly "00" is true.
bool flag(QStringView data, int position);

// A number at `position`; a field that is not a number reads as 0.
int decimal(QStringView data, int position, int length = 2);
int hexadecimal(QStringView data, int position, int length = 2);

// A number in decimal after `prefix`, padded on the left with "0" to two
// digits, written into `buffer`.
QLatin1String twoDigits(int value, char (&buffer)[16], const char *prefix = "");

bool isRecording(int status);

// The three low digits of the pair-encoded number at `position` (the digit
// at position + 3, then the low pair), copied into `buffer`.
QStringView threeLowDigits(QStringView data, int position, QChar (&buffer)[3]);

// The CD type of the whole data of the CD type reply; empty when unknown.
QLatin1String cdType(QStringView data);

// The backup or relay media pair of its number; empty when unknown.
QLatin1String backupRelayPair(int pair);

// The play area of its number; empty when unknown.
QLatin1String playArea(int area);

// The play mode of its digit; empty for the digits that name none.
QLatin1String playMode(int digit);

// What the recording format reply sets.
struct RecordFormat
{
    QLatin1String format;
    QLatin1String formatCd;
    bool backupRelay;
    int fs;
    int fsCd; // -1: left as it is
};

RecordFormat recordFormat(int value);

} // namespace ReplyFields
