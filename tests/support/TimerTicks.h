#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimerEvent>

// The timers of QObject::startTimer, ticked by the test instead of the clock.
namespace TimerTicks {

// The timers that run on `object` itself.
inline QList<QAbstractEventDispatcher::TimerInfo> running(QObject *object)
{
    return QAbstractEventDispatcher::instance()->registeredTimers(object);
}

// True when the coarse timer `id` runs on `object` with this interval.
inline bool runs(QObject *object, int id, int intervalMs)
{
    for (const QAbstractEventDispatcher::TimerInfo &timer : running(object))
        if (timer.timerId == id)
            return id != 0 && timer.interval == intervalMs && timer.timerType == Qt::CoarseTimer;
    return false;
}

// Takes a timer off the event loop, so that only the test's ticks run; its
// object keeps the id and kills it as usual.
inline void hold(int id)
{
    QAbstractEventDispatcher::instance()->unregisterTimer(id);
}

inline void tick(QObject *object, int id, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QTimerEvent event(id);
        QCoreApplication::sendEvent(object, &event);
    }
}

} // namespace TimerTicks
