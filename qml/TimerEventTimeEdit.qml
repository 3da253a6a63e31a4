import QtQuick 2.8
import QtQuick.Controls 2.1

// Sets the start time of the edited event with three wheels.
Rectangle {
    objectName: "timeEdit"
    color: "#99000000"

    property alias h: hourTumbler.currentIndex
    property alias m: minutesTumbler.currentIndex
    property alias s: secTumbler.currentIndex

    MouseArea {
        objectName: "timeEditDimmer"
        anchors.fill: parent
        onClicked: timerEventTimeEditLoader.active = false
    }

    Rectangle {
        objectName: "timeEditPanel"
        width: ptSize * 325
        height: ptSize * 315
        y: ptSize * 110
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#DBDBDB"
        radius: ptSize * 10
        border.width: ptSize * 3

        MouseArea {
            anchors.fill: parent
        }

        Rectangle {
            width: ptSize * 268
            height: ptSize * 32
            y: ptSize * 113
            radius: ptSize * 3
            anchors.horizontalCenter: parent.horizontalCenter
            color: "#F7F7F7"
        }

        TimerEventTumbler {
            id: hourTumbler
            objectName: "hourTumbler"
            y: ptSize * 49
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.horizontalCenterOffset: ptSize * -87
            model: 24

            Text {
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: ptSize * 20
                font.pixelSize: ptSize * 20
                textFormat: Text.PlainText
                text: "h"
            }
        }

        TimerEventTumbler {
            id: minutesTumbler
            objectName: "minutesTumbler"
            y: ptSize * 49
            anchors.horizontalCenter: parent.horizontalCenter
            model: 60

            Text {
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: ptSize * 23
                font.pixelSize: ptSize * 20
                textFormat: Text.PlainText
                text: "m"
            }
        }

        TimerEventTumbler {
            id: secTumbler
            objectName: "secTumbler"
            y: ptSize * 49
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.horizontalCenterOffset: ptSize * 80
            model: 60

            Text {
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: ptSize * 20
                font.pixelSize: ptSize * 20
                textFormat: Text.PlainText
                text: "s"
            }
        }

        TimerEventButtonRect {
            objectName: "timeEditOk"
            x: ptSize * 42
            y: ptSize * 259
            text: "OK"
            onClicked: {
                tev.changeTime(hourTumbler.currentIndex, minutesTumbler.currentIndex, secTumbler.currentIndex)
                timerEventTimeEditLoader.active = false
            }
        }

        TimerEventButtonRect {
            objectName: "timeEditCancel"
            x: ptSize * 183
            y: ptSize * 259
            text: "Cancel"
            onClicked: timerEventTimeEditLoader.active = false
        }
    }
}
