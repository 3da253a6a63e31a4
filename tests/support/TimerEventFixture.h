#pragma once

#include "EditingLink.h"
#include "FakeTimerEvents.h"
#include "TimerEvent.h"

#include <memory>

// A timer-event row as a line of text, for comparing rows and lists.
inline QString describeEvent(const QObject *row)
{
    const auto *e = static_cast<const TimerEventObject *>(row);
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
        .arg(e->getEnable() ? "on" : "off")
        .arg(e->getEventType())
        .arg(e->getDate(), e->getTime())
        .arg(e->getTimeMode())
        .arg(e->getRepeatIntervalTime())
        .arg(e->getRepeatEventCount())
        .arg(e->getOption());
}

inline QStringList describeEvents(const QList<QObject *> &rows)
{
    QStringList all;
    for (const QObject *row : rows)
        all.append(describeEvent(row));
    return all;
}

// The timer events on a link to a scripted recorder, with the editing right
// held, SD1 current, play area ALL and play mode CONTINUE, "today" 17 May
// 2024, and a QML engine whose root context receives the published list.
// With `withEvents` the recorder plays the example events; without it a test
// plays the replies itself.
struct TimerEventFixture : EditingLink
{
    explicit TimerEventFixture(bool withEvents)
        : events(FakeTimerEvents::example())
    {
        tev = std::make_unique<TimerEvent>();
        tev->telnet = link.telnet;
        tev->permission = &permission;
        tev->today = [] { return QDate(2024, 5, 17); };
        QObject::connect(&permission, &Permission::okPermissionChanged, tev.get(), &TimerEvent::onPermissionChanged);
        watcher = filledCounter(QStringLiteral("timerEventModel"));
        if (withEvents)
            events.attach(link.recorder);
        QObject::connect(link.telnet, &Telnet::readyRead, [this](const QString &line) {
            if (line.startsWith(QLatin1String("FF47")))
                tev->recievedCommandFF47(line.mid(4));
        });
    }

    ~TimerEventFixture()
    {
        watcher.reset();
        tev.reset();
    }

    // Logs in, takes the right and reports a playable state: the list is
    // asked for once the status is known.
    bool start()
    {
        if (!logInWithRight())
            return false;
        tev->setPlayArea(QStringLiteral("ALL"));
        tev->setPlayMode(QStringLiteral("CONTINUE"));
        tev->setCurrentMedia(QStringLiteral("SD1"));
        tev->setStatus(16);
        return true;
    }

    // Plays replies (the text after "FF47") to the backend directly.
    void play(const QStringList &replies)
    {
        for (const QString &reply : replies)
            tev->recievedCommandFF47(reply);
    }

    QList<QObject *> published() const { return publishedList(QStringLiteral("timerEventModel")); }
    QStringList rows() const { return describeEvents(tev->events()); }
    int filledPublications() const { return watcher->property("filled").toInt(); }

    FakeTimerEvents events;
    std::unique_ptr<TimerEvent> tev;
    std::unique_ptr<QObject> watcher;
};
