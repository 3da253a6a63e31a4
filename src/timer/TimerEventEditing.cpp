#include "TimerEvent.h"

#include "Permission.h"

// Editing: the change methods alter the focused row in place; Save sends its
// whole record, Cancel restores the copy taken when it was focused. Toggling,
// creating and deleting are single commands.

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

bool TimerEvent::deferWhileReReading(std::function<void()> action)
{
    // The recorder's list is the unfiltered one during a re-read: an event
    // number sent now would address another event.
    if (!reReadRunning())
        return false;
    afterReRead.append(std::move(action));
    return true;
}

void TimerEvent::changeType(int eventType, int timeMode)
{
    if (TimerEventObject *event = eventAt(focus)) {
        event->setEventType(eventType);
        event->setTimeMode(timeMode);
    }
}

void TimerEvent::changeDate(QDate date, bool everyMonth)
{
    TimerEventObject *event = eventAt(focus);
    if (!event)
        return;
    QString text = date.toString(QStringLiteral("yyyy/MM/dd"));
    if (everyMonth && text.size() == 10)
        text.replace(5, 2, QStringLiteral("00"));
    event->setDate(text);
}

void TimerEvent::changeWeek(QString week)
{
    if (TimerEventObject *event = eventAt(focus))
        event->setDate(week);
}

void TimerEvent::changeTime(int h, int m, int s)
{
    if (TimerEventObject *event = eventAt(focus))
        event->setTime(twoDigits(h) + QLatin1Char(':') + twoDigits(m) + QLatin1Char(':') + twoDigits(s));
}

void TimerEvent::changeRepeat(int c, int h, int m)
{
    if (TimerEventObject *event = eventAt(focus)) {
        event->setRepeatEventCount(c);
        event->setRepeatIntervalTime(twoDigits(h) + QLatin1Char(':') + twoDigits(m));
    }
}

void TimerEvent::changeOption(QString option)
{
    if (TimerEventObject *event = eventAt(focus))
        event->setOption(option);
}

void TimerEvent::changeRecInput(QString recInput)
{
    if (TimerEventObject *event = eventAt(focus))
        event->setOption(recInput.isEmpty() ? TimerEventObject::recordInputs().first() : recInput);
}

void TimerEvent::updateEvent()
{
    if (unavailable()) {
        clearList();
        return;
    }
    const TimerEventObject *event = eventAt(focus);
    if (!event)
        return;
    saveRecord(event->values(), focus);
}

void TimerEvent::saveRecord(const TimerEventValues &shown, int index)
{
    if (unavailable()) {
        clearList();
        return;
    }
    // Pressed during a re-read, Save still sends what was on screen then.
    if (deferWhileReReading([this, shown, index] { saveRecord(shown, index); }))
        return;
    const std::optional<QByteArray> line = recordLine(shown, index + 1);
    if (!line || !send(*line))
        return;
    // What went out is now the saved state: Cancel and a focus change
    // restore it, not the values from before.
    if (index == focus)
        editBackup.assign(shown);
}

void TimerEvent::cancelUpdate()
{
    if (TimerEventObject *event = eventAt(focus))
        event->assign(editBackup.values());
}

void TimerEvent::changeEnable(int number)
{
    if (unavailable()) {
        clearList();
        return;
    }
    if (deferWhileReReading([this, number] { changeEnable(number); }))
        return;
    const TimerEventObject *event = eventAt(number);
    if (!event)
        return;
    // The row being edited may hold unsaved changes: the switch sends the
    // saved record with only its enable field turned over.
    const TimerEventValues &saved = number == focus ? editBackup.values() : event->values();
    const std::optional<QByteArray> line = recordLine(saved, number + 1, true);
    if (!line)
        return;
    send(*line);
    requestEventList();
}

void TimerEvent::createNewEvent()
{
    if (unavailable()) {
        clearList();
        return;
    }
    // The recorder's answer names the new event's position in its current
    // list, which during a re-read is the unfiltered one.
    if (deferWhileReReading([this] { createNewEvent(); }))
        return;
    QByteArray line("07F47400100");
    line += today().toString(QStringLiteral("yyMMdd")).toUtf8();
    line += "000000000100000001\r\n";
    send(line);
}

void TimerEvent::deleteItem(int number)
{
    if (unavailable()) {
        clearList();
        return;
    }
    // -1 is the page's "delete all events"; any other number names a row.
    if (number != -1 && !isRowIndex(number))
        return;
    if (deferWhileReReading([this, number] { deleteItem(number); }))
        return;
    if (focus != -1)
        dropFocus();
    sendNumbered("44", number + 1);
}
