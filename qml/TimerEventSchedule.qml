import QtQuick 2.8

// Sets when the edited event fires: every day, on days of the week, or on
// one date, optionally on that day of every month.
Rectangle {
    id: scheduleRoot
    objectName: "timerEventSchedule"
    color: "#99000000"

    property int select: 0
    property bool sun: false
    property bool mon: false
    property bool tue: false
    property bool wed: false
    property bool thu: false
    property bool fri: false
    property bool sat: false
    property alias date: calender.selectedDate
    property alias everyMonth: calender.everyMonth

    readonly property string pattern: (sun ? "S" : "_") + (mon ? "M" : "_") + (tue ? "T" : "_")
                                      + (wed ? "W" : "_") + (thu ? "T" : "_") + (fri ? "F" : "_")
                                      + (sat ? "S" : "_")
    // An event that never runs, or a date mode without a day, is not taken.
    readonly property bool acceptable: select === 2 ? calender.hasDate
                                     : select === 1 ? pattern !== "_______"
                                     : true

    function tapWeekday(name) {
        if (select !== 1)
            select = 1
        else
            scheduleRoot[name] = !scheduleRoot[name]
        calender.clearDate()
    }

    MouseArea {
        objectName: "scheduleDimmer"
        anchors.fill: parent
        onClicked: timerEventScheduleLoader.active = false
    }

    Image {
        objectName: "schedulePanel"
        y: ptSize * 110
        anchors.horizontalCenter: parent.horizontalCenter
        sourceSize.height: ptSize * 420
        source: select === 0 ? "Resource/TimerEvent/Schedule_everyday_325x420.svg"
              : select === 1 ? "Resource/TimerEvent/Schedule_week_325x420.svg"
              : "Resource/TimerEvent/Schedule_day_325x420.svg"

        MouseArea {
            anchors.fill: parent
        }

        Text {
            objectName: "everyDayText"
            x: ptSize * 21.5
            y: ptSize * 16
            font.pixelSize: ptSize * 20
            font.weight: Font.Medium
            textFormat: Text.PlainText
            color: select === 0 ? "black" : "#878787"
            text: "Every day"
        }

        MouseArea {
            objectName: "everyDayArea"
            x: ptSize * 20
            y: ptSize * 18
            width: ptSize * 282
            height: ptSize * 30
            onClicked: {
                select = 0
                calender.clearDate()
            }
        }

        Repeater {
            model: [["Sun", "sun"], ["Mon", "mon"], ["Tue", "tue"], ["Wed", "wed"],
                    ["Thu", "thu"], ["Fri", "fri"], ["Sat", "sat"]]

            TimerEventScheduleWeekIcon {
                objectName: "weekButton" + modelData[0]
                x: ptSize * (21.5 + 40.833 * index)
                weekIconText: modelData[0]
                enable: scheduleRoot[modelData[1]]
                onColor: index === 0 ? "#FC8F77" : index === 6 ? "#AEDEFF" : "white"
                offColor: index === 0 ? "#895A58" : index === 6 ? "#648593" : "#999999"

                MouseArea {
                    anchors.fill: parent
                    onClicked: tapWeekday(modelData[1])
                }
            }
        }

        Rectangle {
            objectName: "everyMonthBox"
            readonly property bool lit: select === 2 && everyMonth
            x: ptSize * 203.5
            y: ptSize * 127
            width: ptSize * 100
            height: ptSize * 24
            radius: ptSize * 3
            color: lit ? "#AEDEFF" : "#C8C8C8"
            border.color: "black"
            border.width: lit ? ptSize * 1 : 0

            Text {
                anchors.centerIn: parent
                font.pixelSize: ptSize * 15
                font.weight: Font.Medium
                textFormat: Text.PlainText
                color: parent.lit ? "black" : "white"
                text: "Every month"
            }

            MouseArea {
                objectName: "everyMonthArea"
                anchors.fill: parent
                onClicked: {
                    select = 2
                    everyMonth = !everyMonth
                }
            }
        }

        TimerEventCalender {
            id: calender
            objectName: "scheduleCalender"
            x: ptSize * 21.5
            y: ptSize * 156
            onClicked: select = 2
        }

        TimerEventButtonRect {
            objectName: "scheduleOk"
            x: ptSize * 42
            y: ptSize * 363
            text: "OK"
            enabled: acceptable
            opacity: enabled ? 1 : 0.5
            onClicked: {
                if (!acceptable)
                    return
                if (select === 2) {
                    // A local midnight: the engine hands C++ its local day.
                    const d = calender.selectedDate
                    tev.changeDate(new Date(d.getFullYear(), d.getMonth(), d.getDate()), everyMonth)
                } else if (select === 1) {
                    tev.changeWeek(pattern)
                } else {
                    tev.changeWeek("EVERY DAY")
                }
                timerEventScheduleLoader.active = false
            }
        }

        TimerEventButtonRect {
            objectName: "scheduleCancel"
            x: ptSize * 183
            y: ptSize * 363
            text: "Cancel"
            onClicked: {
                calender.clearDate()
                timerEventScheduleLoader.active = false
            }
        }
    }
}
