import QtQuick 2.8

// Chooses which events the list shows: all, today's or one date's.
Rectangle {
    objectName: "timerEventFilter"
    color: "#99000000"

    property int select: 0
    property alias date: calender.selectedDate

    MouseArea {
        objectName: "filterDimmer"
        anchors.fill: parent
        onClicked: timerEventFilterLoader.active = false
    }

    Image {
        objectName: "filterWindow"
        y: ptSize * 110
        anchors.horizontalCenter: parent.horizontalCenter
        sourceSize.height: ptSize * 400
        source: select === 0 ? "Resource/TimerEvent/filterWindow_all_325x400.svg"
              : select === 1 ? "Resource/TimerEvent/filterWindow_today_325x400.svg"
              : "Resource/TimerEvent/filterWindow_date_325x400.svg"

        MouseArea {
            anchors.fill: parent
        }

        Text {
            objectName: "showAllText"
            x: ptSize * 21.5
            y: ptSize * 21
            font.pixelSize: ptSize * 20
            font.weight: Font.Medium
            textFormat: Text.PlainText
            color: select === 0 ? "black" : "#878787"
            text: "Show all"
        }

        MouseArea {
            objectName: "showAllArea"
            x: ptSize * 20
            y: ptSize * 18
            width: ptSize * 282
            height: ptSize * 30
            onClicked: {
                select = 0
                calender.clearDate()
            }
        }

        Text {
            objectName: "showTodayText"
            x: ptSize * 21.5
            y: ptSize * 81
            font.pixelSize: ptSize * 20
            font.weight: Font.Medium
            textFormat: Text.PlainText
            color: select === 1 ? "black" : "#878787"
            text: "Show today"
        }

        MouseArea {
            objectName: "showTodayArea"
            x: ptSize * 20
            y: ptSize * 80
            width: ptSize * 282
            height: ptSize * 30
            onClicked: {
                select = 1
                calender.clearDate()
            }
        }

        TimerEventCalender {
            id: calender
            objectName: "filterCalender"
            x: ptSize * 21.5
            y: ptSize * 136
            onClicked: select = 2
        }

        TimerEventButtonRect {
            objectName: "filterOk"
            x: ptSize * 42
            y: ptSize * 343
            text: "OK"
            // A date filter needs a day picked.
            enabled: select !== 2 || calender.hasDate
            opacity: enabled ? 1 : 0.5
            onClicked: {
                if (select === 2) {
                    // A local midnight: the engine hands C++ its local day.
                    const d = calender.selectedDate
                    tev.showDate(new Date(d.getFullYear(), d.getMonth(), d.getDate()))
                } else if (select === 1) {
                    tev.showToday()
                } else {
                    tev.showAll()
                }
                timerEventFilterLoader.active = false
            }
        }

        TimerEventButtonRect {
            objectName: "filterCancel"
            x: ptSize * 183
            y: ptSize * 343
            text: "Cancel"
            onClicked: timerEventFilterLoader.active = false
        }
    }
}
