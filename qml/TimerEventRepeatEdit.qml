import QtQuick 2.8
import QtQuick.Controls 2.1

// Sets the repeat count (1 to 100) and the repeat interval of the edited event.
Rectangle {
    objectName: "repeatEdit"
    color: "#99000000"

    property alias c: countTumbler.currentIndex
    property alias h: hourTumbler.currentIndex
    property alias m: minutesTumbler.currentIndex

    MouseArea {
        objectName: "repeatEditDimmer"
        anchors.fill: parent
        onClicked: timerEventRepeatEditLoader.active = false
    }

    Rectangle {
        objectName: "repeatEditPanel"
        width: ptSize * 325
        height: ptSize * 485
        y: ptSize * 64
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#DBDBDB"
        radius: ptSize * 10
        border.width: ptSize * 3

        MouseArea {
            anchors.fill: parent
        }

        Text {
            x: ptSize * 28
            y: ptSize * 12
            color: "#878787"
            font.pixelSize: ptSize * 20
            textFormat: Text.PlainText
            text: "Repeat event count"
        }

        Rectangle {
            width: ptSize * 200
            height: ptSize * 32
            y: ptSize * 100
            radius: ptSize * 3
            anchors.horizontalCenter: parent.horizontalCenter
            color: "#F7F7F7"
        }

        Image {
            y: ptSize * 110
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.horizontalCenterOffset: ptSize * -45
            smooth: false
            sourceSize.width: ptSize * 48
            source: "Resource/TimerEvent/icon_48x14_RepeatCount.svg"
        }

        TimerEventTumbler {
            id: countTumbler
            objectName: "countTumbler"
            x: ptSize * 177
            y: ptSize * 36
            model: 100
        }

        Rectangle {
            x: ptSize * 28
            y: ptSize * 201
            width: ptSize * 269
            height: ptSize * 2
            color: "#878787"
        }

        Text {
            x: ptSize * 28
            y: ptSize * 213
            color: "#878787"
            font.pixelSize: ptSize * 20
            textFormat: Text.PlainText
            text: "Repeat interval time"
        }

        Rectangle {
            width: ptSize * 200
            height: ptSize * 32
            y: ptSize * 301
            radius: ptSize * 3
            anchors.horizontalCenter: parent.horizontalCenter
            color: "#F7F7F7"
        }

        TimerEventTumbler {
            id: hourTumbler
            objectName: "intervalHourTumbler"
            y: ptSize * 236
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.horizontalCenterOffset: ptSize * -45
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
            objectName: "intervalMinutesTumbler"
            x: ptSize * 177
            y: ptSize * 236
            model: 60

            Text {
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: ptSize * 23
                font.pixelSize: ptSize * 20
                textFormat: Text.PlainText
                text: "m"
            }
        }

        TimerEventButtonRect {
            objectName: "repeatEditOk"
            x: ptSize * 42
            y: ptSize * 427
            text: "OK"
            onClicked: {
                tev.changeRepeat(countTumbler.currentIndex + 1, hourTumbler.currentIndex, minutesTumbler.currentIndex)
                timerEventRepeatEditLoader.active = false
            }
        }

        TimerEventButtonRect {
            objectName: "repeatEditCancel"
            x: ptSize * 183
            y: ptSize * 427
            text: "Cancel"
            onClicked: timerEventRepeatEditLoader.active = false
        }
    }
}
