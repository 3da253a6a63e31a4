#include "TimerEvent.h"

#include "LineProtocol.h"
#include "NumberFields.h"

#include <QRegularExpression>
#include <cstring>

// The record layout of "07F4742": event number, then two-character fields
// from enable to repeat count, then the option text.

namespace {

// Two digits of `text` at `position`; a character that is missing or not a
// digit is written as "0", so the line stays the recorder's digits.
void putDigitsOf(char *place, const QString &text, int position)
{
    for (int i = 0; i < 2; ++i) {
        const int at = position + i;
        const QChar c = at < text.size() ? text.at(at) : QChar();
        place[i] = c.unicode() >= '0' && c.unicode() <= '9' ? char(c.unicode()) : '0';
    }
}

} // namespace

void TimerEvent::writeRecordFields(char *fields, const TimerEventValues &event)
{
    putTwoDigits(fields, event.enable ? 1 : 0);
    putTwoDigits(fields + 2, event.eventType);
    char *date = fields + 4;
    const QString &text = event.date;
    if (text == QLatin1String("EVERY DAY")) {
        std::memcpy(date, "00000000", 8);
    } else if (text.startsWith(QLatin1Char('_')) || text.startsWith(QLatin1Char('S'))) {
        int flags = 0x80;
        for (int day = 0; day < 7 && day < text.size(); ++day) {
            if (text.at(day) != QLatin1Char('_'))
                flags |= 1 << day;
        }
        static const char hex[] = "0123456789abcdef";
        std::memcpy(date, "000000", 6);
        date[6] = hex[flags >> 4];
        date[7] = hex[flags & 0xF];
    } else {
        putDigitsOf(date, text, 2);
        putDigitsOf(date + 2, text, 5);
        putDigitsOf(date + 4, text, 8);
        std::memcpy(date + 6, "00", 2);
    }
    putDigitsOf(fields + 12, event.time, 0);
    putDigitsOf(fields + 14, event.time, 3);
    putDigitsOf(fields + 16, event.time, 6);
    int input = 0;
    if (event.eventType == TimerEventObject::Record)
        input = qMax(0, int(TimerEventObject::recordInputs().indexOf(event.option)));
    putTwoDigits(fields + 18, input);
    putTwoDigits(fields + 20, event.timeMode);
    putDigitsOf(fields + 22, event.repeatIntervalTime, 0);
    putDigitsOf(fields + 24, event.repeatIntervalTime, 3);
    putTwoDigits(fields + 26, event.repeatEventCount == 100 ? 0 : event.repeatEventCount);
}

bool TimerEvent::setTimerEventData(char *fields, int index) const
{
    const TimerEventObject *event = eventAt(index);
    if (!event)
        return false;
    writeRecordFields(fields, event->values());
    return true;
}

std::optional<QByteArray> TimerEvent::encodeOption(const QString &option)
{
    QString kept;
    kept.reserve(option.size());
    for (const QChar c : option) {
        // CR, LF and NUL would end the line early; no other control
        // character belongs in a path or a target either.
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            continue;
        kept.append(c);
    }
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    for (const QStringRef &segment : kept.splitRef(separators)) {
        if (segment == QLatin1String(".."))
            return std::nullopt;
    }
    return LineProtocol::cutUtf8(kept.toUtf8(), optionCap);
}

std::optional<QByteArray> TimerEvent::recordLine(const TimerEventValues &event, int number, bool toggle)
{
    if (number < 1 || number > largestNumber)
        return std::nullopt;
    char command[] = "07F4742xxxxeeaayymmddwwhhmmssrrpphhmmrr";
    putNumberField(command + 7, number);
    writeRecordFields(command + 11, event);
    if (toggle)
        command[12] = command[12] == '0' ? '1' : '0';
    QByteArray line(command);
    // RECORD and STOP carry no option text.
    if (command[14] != '2' && command[14] != '3') {
        const std::optional<QByteArray> option = encodeOption(event.option);
        if (!option)
            return std::nullopt;
        line += *option;
    }
    return line + "\r\n";
}
