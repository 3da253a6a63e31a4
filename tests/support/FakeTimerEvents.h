#pragma once

#include <QByteArray>
#include <QList>

class FakeRecorder;

// The timer events of a scripted recorder. Each event is held as its record
// (the 28 characters from the enable field to the repeat count, then the
// option text). The recorder answers the list, filter, re-read, write,
// toggle, create and delete commands ("07F47" + sub-command) against its
// current list: all events, or those of one date under a filter.
class FakeTimerEvents
{
public:
    QList<QByteArray> events;
    // The day "today" is for the "DD0000" filter, as "yymmdd".
    QByteArray today = "240517";
    // The filter the recorder's list stands under: "AA0000", "DD0000" or a "yymmdd".
    QByteArray currentFilter = "AA0000";
    // Announce a changed list with "F6" after writing, creating and deleting.
    bool announceChanges = true;
    bool dante = false;

    QList<QByteArray> answer(const QByteArray &request);
    void attach(FakeRecorder &recorder);

    // A record: enable, type, "yymmdd", weekly flags, "hhmmss", then input,
    // time mode, "hhmm" and count, then the option.
    static QByteArray record(const char *enable, const char *type, const char *date, const char *flags,
                             const char *time, const QByteArray &option = {});

    // Three events: PLAY on 2024/05/17 10:00, RECORD every day 06:30,
    // STOP on 2024/06/01 12:00.
    static FakeTimerEvents example();

    // Positions (0-based, into `events`) of the current list.
    QList<int> currentList() const;

private:
    bool matches(const QByteArray &event, const QByteArray &day) const;
};
