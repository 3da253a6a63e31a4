#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

// The eight values of one timer event, in the text forms the pages show.
struct TimerEventValues
{
    bool enable = false;
    int eventType = 0;
    QString option;
    QString date;
    QString time;
    int timeMode = 0;
    QString repeatIntervalTime;
    int repeatEventCount = 0;

    // The values of a "D7" reply (the text after "FF47", "D7" included).
    static TimerEventValues decode(QStringView reply);

    bool operator==(const TimerEventValues &other) const;
    bool operator!=(const TimerEventValues &other) const { return !(*this == other); }
};

// One timer event of the recorder: a row of the timer-event list.
class TimerEventObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enable READ getEnable WRITE setEnable NOTIFY enableChanged)
    Q_PROPERTY(int eventType READ getEventType WRITE setEventType NOTIFY eventTypeChanged)
    Q_PROPERTY(QString option READ getOption WRITE setOption NOTIFY optionChanged)
    Q_PROPERTY(QString date READ getDate WRITE setDate NOTIFY dateChanged)
    Q_PROPERTY(QString time READ getTime WRITE setTime NOTIFY timeChanged)
    Q_PROPERTY(int timeMode READ getTimeMode WRITE setTimeMode NOTIFY timeModeChanged)
    Q_PROPERTY(QString repeatIntervalTime READ getRepeatIntervalTime WRITE setRepeatIntervalTime NOTIFY
                   repeatIntervalTimeChanged)
    Q_PROPERTY(int repeatEventCount READ getRepeatEventCount WRITE setRepeatEventCount NOTIFY repeatEventCountChanged)

public:
    enum Type { Play = 0, RepeatPlay = 1, Record = 2, Stop = 3, Download = 4, DeleteAndDownload = 5 };

    explicit TimerEventObject(QObject *parent = nullptr);
    explicit TimerEventObject(const TimerEventValues &values, QObject *parent = nullptr);
    ~TimerEventObject() override;

    // The record inputs by name, in the order of their codes "00" to "04".
    static const QStringList &recordInputs();

    bool getEnable() const { return m.enable; }
    int getEventType() const { return m.eventType; }
    QString getOption() const { return m.option; }
    QString getDate() const { return m.date; }
    QString getTime() const { return m.time; }
    int getTimeMode() const { return m.timeMode; }
    QString getRepeatIntervalTime() const { return m.repeatIntervalTime; }
    int getRepeatEventCount() const { return m.repeatEventCount; }

    void setEnable(bool value);
    void setEventType(int value);
    void setOption(const QString &value);
    void setDate(const QString &value);
    void setTime(const QString &value);
    void setTimeMode(int value);
    void setRepeatIntervalTime(const QString &value);
    void setRepeatEventCount(int value);

    const TimerEventValues &values() const { return m; }
    // Takes every value through its setter, so only changed ones signal.
    void assign(const TimerEventValues &values);

signals:
    void enableChanged();
    void eventTypeChanged();
    void optionChanged();
    void dateChanged();
    void timeChanged();
    void timeModeChanged();
    void repeatIntervalTimeChanged();
    void repeatEventCountChanged();

private:
    TimerEventValues m;
};
