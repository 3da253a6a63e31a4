#include "TimerEventObject.h"

#include "LineProtocol.h"
#include "NumberFields.h"
#include "PropertyStore.h"

#include <QStringList>

TimerEventObject::TimerEventObject(QObject *parent)
    : QObject(parent)
{
}

TimerEventObject::TimerEventObject(const TimerEventValues &values, QObject *parent)
    : QObject(parent)
    , m(values)
{
}

TimerEventObject::~TimerEventObject() = default;

const QStringList &TimerEventObject::recordInputs()
{
    static const QStringList names{QStringLiteral("ANALOG(UNBAL.)"), QStringLiteral("ANALOG(BAL.)"),
                                   QStringLiteral("DIGITAL(COAX.)"), QStringLiteral("DIGITAL(XLR)"),
                                   QStringLiteral("DIGITAL(Dante)")};
    return names;
}

void TimerEventObject::setEnable(bool value) { storeProperty(this, m.enable, value, &TimerEventObject::enableChanged); }
void TimerEventObject::setEventType(int value)
{
    storeProperty(this, m.eventType, value, &TimerEventObject::eventTypeChanged);
}
void TimerEventObject::setOption(const QString &value)
{
    storeProperty(this, m.option, value, &TimerEventObject::optionChanged);
}
void TimerEventObject::setDate(const QString &value) { storeProperty(this, m.date, value, &TimerEventObject::dateChanged); }
void TimerEventObject::setTime(const QString &value) { storeProperty(this, m.time, value, &TimerEventObject::timeChanged); }
void TimerEventObject::setTimeMode(int value)
{
    storeProperty(this, m.timeMode, value, &TimerEventObject::timeModeChanged);
}
void TimerEventObject::setRepeatIntervalTime(const QString &value)
{
    storeProperty(this, m.repeatIntervalTime, value, &TimerEventObject::repeatIntervalTimeChanged);
}
void TimerEventObject::setRepeatEventCount(int value)
{
    storeProperty(this, m.repeatEventCount, value, &TimerEventObject::repeatEventCountChanged);
}

void TimerEventObject::assign(const TimerEventValues &values)
{
    const TimerEventValues copy = values; // `values` may be this object's own
    setEnable(copy.enable);
    setEventType(copy.eventType);
    setOption(copy.option);
    setDate(copy.date);
    setTime(copy.time);
    setTimeMode(copy.timeMode);
    setRepeatIntervalTime(copy.repeatIntervalTime);
    setRepeatEventCount(copy.repeatEventCount);
}

bool TimerEventValues::operator==(const TimerEventValues &other) const
{
    return enable == other.enable && eventType == other.eventType && option == other.option && date == other.date
           && time == other.time && timeMode == other.timeMode && repeatIntervalTime == other.repeatIntervalTime
           && repeatEventCount == other.repeatEventCount;
}

TimerEventValues TimerEventValues::decode(QStringView reply)
{
    using LineProtocol::field;
    const auto piece = [&](int offset) { return field(reply, offset, 2).toString(); };
    TimerEventValues v;
    v.enable = field(reply, 6, 2) != QLatin1String("00");
    v.eventType = readTwoDigits(reply, 8);
    const int flags = LineProtocol::toNumber(field(reply, 16, 2), 16) & 0xFF;
    if (flags & 0x80) {
        static const char letters[] = "SMTWTFS";
        for (int day = 0; day < 7; ++day)
            v.date.append(QLatin1Char((flags & (1 << day)) ? letters[day] : '_'));
    } else if (field(reply, 14, 2) == QLatin1String("00")) {
        v.date = QStringLiteral("EVERY DAY");
    } else {
        v.date = QStringLiteral("20") + piece(10) + QLatin1Char('/') + piece(12) + QLatin1Char('/') + piece(14);
    }
    v.time = piece(18) + QLatin1Char(':') + piece(20) + QLatin1Char(':') + piece(22);
    if (v.eventType == TimerEventObject::Record) {
        const int input = readTwoDigits(reply, 24);
        const QStringList &inputs = TimerEventObject::recordInputs();
        v.option = input < inputs.size() ? inputs.at(input) : QString();
    } else {
        v.option = field(reply, 34).toString();
    }
    v.timeMode = readTwoDigits(reply, 26);
    v.repeatIntervalTime = piece(28) + QLatin1Char(':') + piece(30);
    v.repeatEventCount = readTwoDigits(reply, 32);
    if (v.repeatEventCount == 0)
        v.repeatEventCount = 100;
    return v;
}
