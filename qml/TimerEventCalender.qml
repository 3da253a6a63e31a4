import QtQuick 2.8
import Qt.labs.calendar 1.0

// A month calendar from January 2000 to December 2099 that picks one day.
// A chosen date in 1999 or before is the no-date marker.
Item {
    id: timerEventCalenderRoot

    property date selectedDate
    property bool everyMonth: false

    // Shown month, for whoever needs to know it (the grid's own).
    readonly property int shownYear: grid.year
    readonly property int shownMonth: grid.month
    readonly property bool hasDate: !isNaN(selectedDate.getTime()) && selectedDate.getFullYear() > 1999

    signal clicked()

    function clearDate() {
        selectedDate = getInvalidDate()
    }

    function stepBack() {
        if (grid.month === Calendar.January) {
            if (grid.year !== 2000) {
                grid.year = grid.year - 1
                grid.month = Calendar.December
            }
        } else {
            grid.month = grid.month - 1
        }
    }

    function stepForward() {
        if (grid.month === Calendar.December) {
            if (grid.year !== 2099) {
                grid.year = grid.year + 1
                grid.month = Calendar.January
            }
        } else {
            grid.month = grid.month + 1
        }
    }

    Rectangle {
        id: timerEventCalender
        objectName: "calenderFrame"
        width: ptSize * 282
        height: ptSize * 182
        color: "transparent"
        clip: true
        border.color: "#B4B4B4"

        Text {
            objectName: "calenderTitle"
            width: parent.width
            height: ptSize * 28
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: ptSize * 16
            textFormat: Text.PlainText
            color: hasDate ? "black" : "#878787"
            text: grid.year + "/" + (grid.month + 1)
        }

        Image {
            id: leftMark
            objectName: "leftMark"
            x: ptSize * 54
            y: ptSize * 4.5
            sourceSize.height: ptSize * 19
            source: hasDate ? "Resource/TimerEvent/left-B_11x19.svg" : "Resource/TimerEvent/left_11x19.svg"
        }

        MouseArea {
            objectName: "leftMarkArea"
            width: ptSize * 33
            anchors.top: parent.top
            anchors.bottom: weekRect.top
            anchors.horizontalCenter: leftMark.horizontalCenter
            onClicked: stepBack()
        }

        Image {
            id: rightMark
            objectName: "rightMark"
            x: ptSize * 217
            y: ptSize * 4.5
            sourceSize.height: ptSize * 19
            source: hasDate ? "Resource/TimerEvent/right-B_11x19.svg" : "Resource/TimerEvent/right_11x19.svg"
        }

        MouseArea {
            objectName: "rightMarkArea"
            width: ptSize * 33
            anchors.top: parent.top
            anchors.bottom: weekRect.top
            anchors.horizontalCenter: rightMark.horizontalCenter
            onClicked: stepForward()
        }

        Rectangle {
            id: weekRect
            y: ptSize * 28
            width: parent.width
            height: ptSize * 16
            color: "transparent"
            border.color: "#B4B4B4"

            DayOfWeekRow {
                id: week
                anchors.fill: parent
                locale: grid.locale
                spacing: 0
                padding: 0
                delegate: Text {
                    text: model.narrowName
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    textFormat: Text.PlainText
                    font.pixelSize: ptSize * 13
                    color: model.day === 0 ? "#A05562" : model.day === 6 ? "#529BB5" : "#878787"
                }
            }
        }

        MonthGrid {
            id: grid
            objectName: "calenderGrid"
            x: 0
            y: ptSize * 44 - 1
            width: parent.width - 1
            height: ptSize * 23 * 6
            spacing: 0
            padding: 0
            locale: Qt.locale("en_US")

            delegate: Item {
                objectName: "dayCell"
                readonly property bool inMonth: model.month === grid.month
                readonly property bool chosenDay: hasDate && model.year === selectedDate.getFullYear()
                                                  && model.month === selectedDate.getMonth()
                                                  && model.day === selectedDate.getDate()
                readonly property bool lit: hasDate && model.year === selectedDate.getFullYear()
                                            && (everyMonth || model.month === selectedDate.getMonth())
                                            && model.day === selectedDate.getDate()
                readonly property int dayNumber: model.day
                height: ptSize * 23
                width: parent ? parent.width / 7 : 0

                Rectangle {
                    id: suiheisen
                    width: parent.width
                    height: 1
                    color: "#B4B4B4"
                }

                Rectangle {
                    id: suityokusen
                    width: 1
                    height: parent.height
                    color: "#B4B4B4"
                }

                Rectangle {
                    objectName: "dayHighlight"
                    x: 1
                    y: 1
                    width: parent.width - 1
                    height: parent.height - 1
                    radius: ptSize * 3
                    antialiasing: false
                    visible: inMonth
                    color: lit ? "#64A5DD" : "transparent"

                    Text {
                        objectName: "dayText"
                        anchors.fill: parent
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        textFormat: Text.PlainText
                        font.pixelSize: ptSize * 13
                        color: chosenDay ? "white" : "#878787"
                        text: model.day

                        MouseArea {
                            objectName: "dayArea"
                            anchors.fill: parent
                            onClicked: {
                                // The grid's date object is the day's UTC midnight,
                                // another day west of Greenwich: take its numbers.
                                selectedDate = new Date(model.year, model.month, model.day)
                                timerEventCalenderRoot.clicked()
                            }
                        }
                    }
                }
            }
        }
    }
}
