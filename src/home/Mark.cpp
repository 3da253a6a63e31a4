#include "Mark.h"

#include "Telnet.h"

#include <QTimerEvent>

Mark::Mark(QObject *parent)
    : QObject(parent)
    , pollCommand("07F035D\r\n07F6A63\r\n")
{
}

void Mark::requestMarkList()
{
    telnet->sendData(pollCommand);
    stopRetry();
    timerId = startTimer(retryIntervalMs, Qt::CoarseTimer);
}

void Mark::clearMarks()
{
    marks.clear();
    emit markClear();
    stopRetry();
}

void Mark::skipPrevious(int elapsed)
{
    // A mark more than one second behind the position is a target; otherwise
    // the skip goes to the previous track.
    for (const int time : qAsConst(marks)) {
        if (time + 100 < elapsed) {
            telnet->sendData("07F031A01\r\n");
            return;
        }
    }
    telnet->sendData("01A01\r\n055\r\n");
}

void Mark::skipNext(int elapsed)
{
    for (const int time : qAsConst(marks)) {
        if (time > elapsed) {
            telnet->sendData("07F031A00\r\n");
            return;
        }
    }
    telnet->sendData("01A00\r\n055\r\n");
}

void Mark::recievedCommandFF03(QString data)
{
    // The mark-list replies are decoded by the Home page's mark list, which
    // is not part of this build yet: they are ignored until then.
    Q_UNUSED(data)
}

void Mark::redrawMark()
{
    emit markClear();
    for (const int time : qAsConst(marks))
        emit markTimeReceived(time);
}

void Mark::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == timerId && timerId != 0)
        telnet->sendData(pollCommand);
}

void Mark::stopRetry()
{
    if (timerId != 0) {
        killTimer(timerId);
        timerId = 0;
    }
}
