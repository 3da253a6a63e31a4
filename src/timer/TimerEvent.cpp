#include "TimerEvent.h"

#include "ObjectListModel.h"

TimerEvent::TimerEvent(QObject *parent)
    : QObject(parent)
{
    ObjectListModel::publish(QStringLiteral("timerEventModel"), timerEventModel);
}

// There is no timer-event list in this build yet: the list requests and
// replies below have nothing to fill.

void TimerEvent::recievedCommandFF47(QString data)
{
    Q_UNUSED(data)
}

void TimerEvent::startTimerEvent() {}

void TimerEvent::showData() {}

void TimerEvent::onReadOnlyChanged(bool readOnly)
{
    Q_UNUSED(readOnly)
}

void TimerEvent::setCurrentMedia(QString media)
{
    Q_UNUSED(media)
}

void TimerEvent::setPlayArea(QString area)
{
    Q_UNUSED(area)
}

void TimerEvent::setPlayMode(QString mode)
{
    Q_UNUSED(mode)
}

void TimerEvent::setStatus(int i)
{
    statusIcon = i;
}
