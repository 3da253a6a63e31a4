#include "Mark.h"

#include "LineProtocol.h"
#include "Telnet.h"

#include <QTimerEvent>

Mark::Mark(QObject *parent)
    : QObject(parent)
    , pollCommand("07F035D\r\n07F6A63\r\n")
{
}

void Mark::requestMarkList()
{
    // Armed before the send: a count reply handled while the send pauses
    // stops it, and no retry follows.
    stopRetry();
    retriesLeft = maxRetries;
    timerId = startTimer(retryIntervalMs, Qt::CoarseTimer);
    telnet->sendData(pollCommand);
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
    using LineProtocol::field;
    const QStringView reply(data);
    const auto number = [&](int position) { return LineProtocol::toNumber(field(reply, position, 2)); };
    const QStringView subCode = field(reply, 0, 2);
    if (subCode == QLatin1String("DD")) {
        marks.clear();
        emit markClear();
        stopRetry();
        markCount = LineProtocol::readNUMBER4(field(reply, 2, 4));
        if (markCount != 0)
            requestMark(1);
    } else if (subCode == QLatin1String("D8")) {
        const int mark = LineProtocol::readNUMBER4(field(reply, 2, 4));
        const int time = number(6) * 360000 + number(8) * 6000 + number(10) * 100 + number(12);
        // A time already listed ends the reading: it comes from a repeated poll.
        // No take holds more marks than a count can tell.
        if (marks.contains(time) || marks.size() >= maxMarks)
            return;
        marks.append(time);
        emit markTimeReceived(time);
        if (mark >= 0 && mark < markCount)
            requestMark(mark + 1);
    }
}

void Mark::requestMark(int number)
{
    char command[] = "07F0358xxxx\r\n";
    LineProtocol::NUMBER4(command + 7, number);
    telnet->sendData(command);
}

void Mark::redrawMark()
{
    emit markClear();
    for (const int time : qAsConst(marks))
        emit markTimeReceived(time);
}

void Mark::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != timerId || timerId == 0)
        return;
    telnet->sendData(pollCommand);
    if (--retriesLeft <= 0)
        stopRetry();
}

void Mark::stopRetry()
{
    if (timerId != 0) {
        killTimer(timerId);
        timerId = 0;
    }
}
