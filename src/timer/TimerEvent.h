#pragma once

#include "TimerEventObject.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class Permission;
class Telnet;

// The recorder's timer-event list, read under a filter (all events, today's,
// one date's), the event being edited (`focus`) with an unedited copy, and
// the editing commands. Every command goes out only while the editing right
// is held.
class TimerEvent : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int filter READ getFilter WRITE setFilter NOTIFY filterChanged)
    Q_PROPERTY(QDate filterDate READ getFilterDate WRITE setFilterDate NOTIFY filterDateChanged)
    Q_PROPERTY(int focus READ getFocus WRITE setFocus NOTIFY focusChanged)
    Q_PROPERTY(bool mediaCD READ getMediaCD WRITE setMediaCD NOTIFY mediaCDChanged)
    Q_PROPERTY(bool disabledAreaAndMode READ getDisabledAreaAndMode WRITE setDisabledAreaAndMode NOTIFY
                   disabledAreaAndModeChanged)
    Q_PROPERTY(bool enableDante READ getEnableDante WRITE setEnableDante NOTIFY enableDanteChanged)

public:
    explicit TimerEvent(QObject *parent = nullptr);
    ~TimerEvent() override;

    // The Dante availability query, sent by the session at login.
    static constexpr const char *commandInit = "07F475600\r\n";
    // Event numbers the commands can carry.
    static constexpr int largestNumber = 9999;
    // Bytes of an option text a record carries.
    static constexpr int optionCap = 768;

    int getFilter() const { return filter; }
    void setFilter(int value);
    QDate getFilterDate() const { return filterDate; }
    void setFilterDate(const QDate &value);
    int getFocus() const { return focus; }
    void setFocus(int index);
    bool getMediaCD() const { return mediaCD; }
    void setMediaCD(bool value);
    bool getDisabledAreaAndMode() const { return disabledAreaAndMode; }
    void setDisabledAreaAndMode(bool value);
    bool getEnableDante() const { return enableDante; }
    void setEnableDante(bool value);

    void recievedCommandFF47(QString data);
    void clearList();
    void requestEventList();

    // Writes the 28 record characters from the enable field on (command
    // offset 11) for the event at list position `index`; false (nothing
    // written) when there is no such event.
    bool setTimerEventData(char *fields, int index) const;
    static void writeRecordFields(char *fields, const TimerEventValues &event);
    // The whole "07F4742" line of `event` as event `number`, with its enable
    // field inverted when `toggle`; nothing for a number out of range or an
    // option text that may not be sent.
    static std::optional<QByteArray> recordLine(const TimerEventValues &event, int number, bool toggle = false);
    // The option text as a record carries it: control characters removed,
    // cut to optionCap bytes on a character boundary; nothing for a path that
    // climbs out of a folder.
    static std::optional<QByteArray> encodeOption(const QString &option);

    // The events in the order read.
    const QList<QObject *> &events() const { return timerEventModel; }
    TimerEventObject *eventAt(int index) const;
    bool isRowIndex(int index) const { return index >= 0 && index < timerEventModel.size(); }
    // A single-event re-read is under way (its position asked, or its
    // record or the filter's restore awaited).
    bool reReadRunning() const { return awaitingPosition || refreshState != 0; }

    Q_INVOKABLE void startTimerEvent();
    Q_INVOKABLE void createNewEvent();
    Q_INVOKABLE void showAll();
    Q_INVOKABLE void showToday();
    Q_INVOKABLE void showDate(QDate date);
    Q_INVOKABLE void updateEvent();
    Q_INVOKABLE void cancelUpdate();
    Q_INVOKABLE void changeEnable(int number);
    Q_INVOKABLE void changeType(int eventType, int timeMode);
    Q_INVOKABLE void changeDate(QDate date, bool everyMonth);
    Q_INVOKABLE void changeWeek(QString week);
    Q_INVOKABLE void changeTime(int h, int m, int s);
    Q_INVOKABLE void changeRepeat(int c, int h, int m);
    Q_INVOKABLE void changeOption(QString option);
    Q_INVOKABLE void changeRecInput(QString recInput);
    Q_INVOKABLE void deleteItem(int number);
    Q_INVOKABLE QString getDateOfFocus();

    Telnet *telnet = nullptr;
    Permission *permission = nullptr;
    // Today's date for new events; tests set their own.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // How long a re-read waits for each of its replies before it gives up.
    int reReadTimeoutMs = 3000;

    int filter = 0;
    QDate filterDate;
    int focus = -1;
    bool mediaCD = true;
    bool disabledAreaAndMode = true;
    bool enableDante = false;

    TimerEventObject editBackup;
    int eventCount = 0;
    int readEventNo = 0;
    int refreshState = 0;
    int pendingFocus = -1;
    bool listBusy = false;
    bool autoCancel = true;
    bool areaIsAll = false;
    bool modeIsContinueOrSingle = false;
    int statusIcon = 0;

public slots:
    void showData();
    void onReadOnlyChanged(bool readOnly);
    void setCurrentMedia(QString media);
    void setPlayArea(QString area);
    void setPlayMode(QString mode);
    void setStatus(int i);
    // The editing right was granted or given back: whatever conversation was
    // under way is lost with it.
    void onPermissionChanged();

signals:
    void filterChanged();
    void filterDateChanged();
    void focusChanged();
    void mediaCDChanged();
    void disabledAreaAndModeChanged();
    void enableDanteChanged();
    void setNewFocus();

private:
    bool unavailable() const { return mediaCD || disabledAreaAndMode; }
    bool send(const QByteArray &command);
    // "07F47" + the two-character sub-command + the event number; false when
    // the number is out of range or the line did not go out.
    bool sendNumbered(const char *subCommand, int number);
    bool sendFilter();
    void updateDisabledAreaAndMode();
    void publishList();
    void dropFocus();
    // Runs `action` now, or once the running re-read has ended.
    bool deferWhileReReading(std::function<void()> action);

    void recievedCount(QStringView reply);
    void recievedEvent(QStringView reply);
    void recievedPosition(QStringView reply);
    void stopRead();
    void restoreFilter();
    void endReRead();
    // A reply of the re-read is awaited from now on, for reReadTimeoutMs.
    void awaitReReadReply();
    void abandonReRead();
    void resetReRead();
    void runAfterReRead();
    // Forgets every read and re-read under way, with what waited for them.
    void resetConversation();
    void saveRecord(const TimerEventValues &shown, int index);

    QList<QObject *> timerEventModel;
    // A list read awaits its "D7" replies, this number next.
    bool reading = false;
    int expectedNumber = 0;
    // The re-read's "07F4755" went out and its "D5" is awaited.
    bool awaitingPosition = false;
    // The re-read's "07F4757" went out and its "D7" is awaited.
    bool awaitingRecord = false;
    // The row the re-read is for.
    int reReadIndex = -1;
    // A list request came during a re-read.
    bool listQueued = false;
    // Save, toggle, create and delete asked for during a re-read.
    QList<std::function<void()>> afterReRead;
    QTimer reReadTimer;
};
