#include "TimerEvent.h"

#include "LineProtocol.h"
#include "NumberFields.h"
#include "ObjectListModel.h"
#include "Permission.h"

#include <cstring>

// The list conversation: "07F475D" + filter asks for the count ("DD"), then
// "07F4757" + number reads one event after the other ("D7"). Focusing a row
// under a filter re-reads that one event from the unfiltered list ("07F4755"
// asks its number, "D5"), then restores the filter on the recorder.

namespace {
const QString modelName = QStringLiteral("timerEventModel");
}

bool TimerEvent::sendFilter()
{
    char command[] = "07F475Dyymmdd\r\n";
    if (filter == 2) {
        if (filterDate.isValid()) {
            putTwoDigits(command + 7, filterDate.year() % 100);
            putTwoDigits(command + 9, filterDate.month());
            putTwoDigits(command + 11, filterDate.day());
        } else {
            std::memcpy(command + 7, "000000", 6);
        }
    } else {
        std::memcpy(command + 7, filter == 1 ? "DD0000" : "AA0000", 6);
    }
    return send(command);
}

void TimerEvent::requestEventList()
{
    if (unavailable() || statusIcon == 0) {
        clearList();
        return;
    }
    // The recorder's list is the unfiltered one until the re-read has
    // restored the filter: a count asked now would be taken for the re-read's.
    if (reReadRunning()) {
        listQueued = true;
        return;
    }
    if (listBusy)
        return;
    // Busy before the send: the count may arrive inside it (flow control
    // runs the event loop), and must find the request under way.
    listBusy = true;
    if (!sendFilter() || !permission->okPermission) {
        listBusy = false;
        reading = false;
    }
}

void TimerEvent::clearList()
{
    // The rows go once the views have let go of them.
    ObjectListModel::replace(modelName, timerEventModel, {});
    autoCancel = false;
    if (focus != -1) {
        focus = -1;
        emit focusChanged();
    }
    autoCancel = true;
    publishList();
}

void TimerEvent::setFocus(int index)
{
    if (index == focus)
        return;
    // A stale position names no row: nothing changes.
    if (index != -1 && !isRowIndex(index))
        return;
    if (focus != -1 && autoCancel)
        cancelUpdate();
    if (index != -1)
        editBackup.assign(eventAt(index)->values());
    focus = index;
    emit focusChanged();
    // A list read under way replaces every row, this one too, once its count
    // comes: a re-read started now would only take that read's replies.
    if (index != -1 && filter != 0 && !reReadRunning() && !listBusy) {
        // Waiting before the send, as the answer may arrive inside it.
        awaitingPosition = true;
        reReadIndex = index;
        awaitReReadReply();
        if (!sendNumbered("55", index + 1))
            resetReRead();
    }
}

QString TimerEvent::getDateOfFocus()
{
    const TimerEventObject *event = eventAt(focus);
    return event ? event->getDate() : QString();
}

void TimerEvent::recievedCommandFF47(QString data)
{
    const QStringView reply(data);
    const QStringView subCode = LineProtocol::field(reply, 0, 2);
    if (subCode.size() < 2)
        return;
    const auto is = [&](const char *code) { return subCode == QLatin1String(code); };
    if (is("C0") || is("C2"))
        pendingFocus = readNumberField(reply, 2) - 1;
    else if (is("D5"))
        recievedPosition(reply);
    else if (is("D6"))
        setEnableDante(LineProtocol::field(reply, 5) == QLatin1String("1"));
    else if (is("D7"))
        recievedEvent(reply);
    else if (is("DD"))
        recievedCount(reply);
    else if (is("F6"))
        requestEventList();
}

void TimerEvent::recievedPosition(QStringView reply)
{
    if (!awaitingPosition)
        return;
    awaitingPosition = false;
    readEventNo = readNumberField(reply, 2);
    refreshState = 1;
    awaitReReadReply();
    if (!send("07F475DAA0000\r\n"))
        endReRead();
}

void TimerEvent::recievedCount(QStringView reply)
{
    if (refreshState == 1) {
        if (awaitingRecord)
            return;
        eventCount = readNumberField(reply, 8);
        if (readEventNo >= 1 && readEventNo <= eventCount) {
            awaitingRecord = true;
            awaitReReadReply();
            if (!sendNumbered("57", readEventNo))
                endReRead();
        } else {
            // The event is not in the list: nothing to read, only the
            // filter to restore.
            restoreFilter();
        }
        return;
    }
    if (refreshState == 2) {
        eventCount = readNumberField(reply, 8);
        endReRead();
        return;
    }
    // A count nobody asked for, or a second one during a read.
    if (!listBusy || reading)
        return;
    eventCount = readNumberField(reply, 8);
    clearList();
    if (eventCount == 0) {
        listBusy = false;
        return;
    }
    reading = true;
    expectedNumber = 1;
    if (!sendNumbered("57", expectedNumber))
        stopRead();
}

void TimerEvent::recievedEvent(QStringView reply)
{
    const int number = readNumberField(reply, 2);
    if (refreshState == 1) {
        if (!awaitingRecord || number != readEventNo)
            return;
        awaitingRecord = false;
        // The row is updated only while it is still the one being edited,
        // and only while the operator has changed nothing on it: unsaved
        // changes stay on screen, for Save to send.
        TimerEventObject *row = focus == reReadIndex ? eventAt(focus) : nullptr;
        if (row && row->values() == editBackup.values())
            row->assign(TimerEventValues::decode(reply));
        restoreFilter();
        return;
    }
    if (refreshState != 0 || !reading)
        return;
    if (number != expectedNumber || number > eventCount) {
        stopRead();
        return;
    }
    timerEventModel.append(new TimerEventObject(TimerEventValues::decode(reply)));
    if (number == eventCount) {
        reading = false;
        listBusy = false;
        publishList();
        if (pendingFocus != -1) {
            const int position = pendingFocus;
            pendingFocus = -1;
            if (isRowIndex(position)) {
                setFocus(position);
                emit setNewFocus();
            }
        }
        return;
    }
    expectedNumber = number + 1;
    if (!sendNumbered("57", expectedNumber))
        stopRead();
}

void TimerEvent::stopRead()
{
    // A read that cannot go on ends empty, so the next request starts afresh.
    reading = false;
    listBusy = false;
    clearList();
}

void TimerEvent::restoreFilter()
{
    refreshState = 2;
    awaitReReadReply();
    if (!sendFilter())
        endReRead();
}

void TimerEvent::awaitReReadReply()
{
    reReadTimer.start(reReadTimeoutMs);
}

void TimerEvent::resetReRead()
{
    reReadTimer.stop();
    refreshState = 0;
    awaitingPosition = false;
    awaitingRecord = false;
    reReadIndex = -1;
}

void TimerEvent::endReRead()
{
    resetReRead();
    listBusy = false;
    runAfterReRead();
    if (listQueued) {
        listQueued = false;
        requestEventList();
    }
}

void TimerEvent::abandonReRead()
{
    // A reply of the re-read never came, and the recorder's list may still
    // be the unfiltered one: a fresh list request puts the filter back
    // before anything that names an event by its number goes out.
    resetReRead();
    listQueued = false;
    requestEventList();
    runAfterReRead();
}

void TimerEvent::runAfterReRead()
{
    const QList<std::function<void()>> actions = std::exchange(afterReRead, {});
    for (const auto &action : actions)
        action();
}
