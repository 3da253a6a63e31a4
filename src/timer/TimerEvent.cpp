#include "TimerEvent.h"

#include "NumberFields.h"
#include "ObjectListModel.h"
#include "Permission.h"
#include "PropertyStore.h"

namespace {
const QString modelName = QStringLiteral("timerEventModel");
}

TimerEvent::TimerEvent(QObject *parent)
    : QObject(parent)
{
    ObjectListModel::publish(modelName, timerEventModel);
    reReadTimer.setSingleShot(true);
    connect(&reReadTimer, &QTimer::timeout, this, &TimerEvent::abandonReRead);
}

TimerEvent::~TimerEvent()
{
    qDeleteAll(timerEventModel);
}

void TimerEvent::setFilter(int value) { storeProperty(this, filter, value, &TimerEvent::filterChanged); }
void TimerEvent::setFilterDate(const QDate &value)
{
    storeProperty(this, filterDate, value, &TimerEvent::filterDateChanged);
}
void TimerEvent::setMediaCD(bool value) { storeProperty(this, mediaCD, value, &TimerEvent::mediaCDChanged); }
void TimerEvent::setDisabledAreaAndMode(bool value)
{
    storeProperty(this, disabledAreaAndMode, value, &TimerEvent::disabledAreaAndModeChanged);
}
void TimerEvent::setEnableDante(bool value)
{
    storeProperty(this, enableDante, value, &TimerEvent::enableDanteChanged);
}

TimerEventObject *TimerEvent::eventAt(int index) const
{
    return isRowIndex(index) ? static_cast<TimerEventObject *>(timerEventModel.at(index)) : nullptr;
}

bool TimerEvent::send(const QByteArray &command)
{
    return permission && permission->sendIfPermitted(command);
}

bool TimerEvent::sendNumbered(const char *subCommand, int number)
{
    if (number < 0 || number > largestNumber)
        return false;
    char command[] = "07F47ssnnnn\r\n";
    command[5] = subCommand[0];
    command[6] = subCommand[1];
    putNumberField(command + 7, number);
    return send(command);
}

void TimerEvent::publishList()
{
    ObjectListModel::publish(modelName, timerEventModel);
}

void TimerEvent::showData() { requestEventList(); }

void TimerEvent::startTimerEvent() { requestEventList(); }

void TimerEvent::showAll()
{
    setFilter(0);
    requestEventList();
}

void TimerEvent::showToday()
{
    setFilter(1);
    requestEventList();
}

void TimerEvent::showDate(QDate date)
{
    setFilter(2);
    setFilterDate(date);
    requestEventList();
}

void TimerEvent::onReadOnlyChanged(bool readOnly)
{
    if (readOnly && focus != -1)
        dropFocus();
}

void TimerEvent::dropFocus()
{
    if (autoCancel)
        cancelUpdate();
    focus = -1;
    emit focusChanged();
}

void TimerEvent::setCurrentMedia(QString media)
{
    if (media == QLatin1String("CD") || media.isEmpty()) {
        setMediaCD(true);
        clearList();
    } else {
        setMediaCD(false);
    }
    // Whatever ran was about the old medium's list: its late replies are not
    // what the next read waits for.
    resetConversation();
    requestEventList();
}

void TimerEvent::setPlayArea(QString area)
{
    areaIsAll = area == QLatin1String("ALL");
    updateDisabledAreaAndMode();
}

void TimerEvent::setPlayMode(QString mode)
{
    modeIsContinueOrSingle = mode == QLatin1String("CONTINUE") || mode == QLatin1String("SINGLE");
    updateDisabledAreaAndMode();
}

void TimerEvent::updateDisabledAreaAndMode()
{
    setDisabledAreaAndMode(!(areaIsAll && modeIsContinueOrSingle));
}

void TimerEvent::setStatus(int i)
{
    const int previous = statusIcon;
    statusIcon = i;
    if (i != 0 && previous == 0)
        requestEventList();
}

void TimerEvent::onPermissionChanged()
{
    // The replies to what went out before are not coming, or no longer
    // match: the next request starts afresh. A grant finds nothing under
    // way (nothing goes out without the right), except what the window's
    // own handler of this signal asked for just before: that stays.
    if (permission && permission->okPermission)
        return;
    resetConversation();
}

void TimerEvent::resetConversation()
{
    listBusy = false;
    reading = false;
    resetReRead();
    listQueued = false;
    // A Save, switch or deletion that waited would name an event of a list
    // that is no longer the recorder's.
    afterReRead.clear();
}
