import QtQuick 2.8

// One timer event as a card. The card of the event that `tev.focus` names
// is in edit mode: it grows, shows Delete, Save and Cancel, and its fields
// open the page's editors.
Item {
    id: timerEventDelegate
    objectName: "timerEventRow" + index

    readonly property bool edited: tev.focus === index
    readonly property bool enabledEvent: enable === true

    width: appWidth
    height: ptSize * (edited ? 200 : 158)

    Image {
        objectName: "cardImage"
        x: ptSize * 5
        height: ptSize * (edited ? 190 : 148)
        fillMode: Image.PreserveAspectFit
        sourceSize.height: height
        source: !edited ? "Resource/TimerEvent/area_404x148_RegularArea.svg"
              : enabledEvent ? "Resource/TimerEvent/area_404x190_OnArea.svg"
              : "Resource/TimerEvent/area_404x190_OffSelect.svg"
    }

    TimerEventScheduleStrip {
        id: schedule
        objectName: "schedule"
        x: ptSize * 15
        y: ptSize * 6
        scheduleText: date

        MouseArea {
            objectName: "scheduleArea"
            width: parent.width - ptSize * 10
            height: parent.height
            onClicked: timerEventScheduleLoader.active = true
        }
    }

    Image {
        objectName: "scheduleShade"
        x: ptSize * 15
        y: ptSize * 6
        height: ptSize * 34
        fillMode: Image.PreserveAspectFit
        sourceSize.height: ptSize * 34
        source: "Resource/TimerEvent/Schedule_30x33_Schedule_shade.svg"
        visible: !enable
    }

    Rectangle {
        objectName: "enableToggle"
        x: ptSize * 265
        y: ptSize * 5
        width: ptSize * 56
        height: ptSize * 28
        radius: ptSize * 5
        color: enabledEvent ? "#0EC0DD" : "#464646"
        border.width: 1
        border.color: "black"

        Text {
            objectName: "enableText"
            anchors.centerIn: parent
            font.pixelSize: ptSize * 13
            textFormat: Text.PlainText
            text: enabledEvent ? "ON" : "OFF"
        }

        MouseArea {
            objectName: "enableToggleArea"
            anchors.fill: parent
            onClicked: {
                if (!permission.isReadOnly)
                    tev.changeEnable(index)
            }
        }
    }

    Text {
        id: numberText
        objectName: "numberText"
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 24
        y: ptSize * 6
        color: enabledEvent ? "white" : "#787878"
        font.pixelSize: ptSize * 25
        textFormat: Text.PlainText
        text: index + 1

        Text {
            anchors.right: parent.left
            y: ptSize * 10
            color: numberText.color
            font.pixelSize: ptSize * 15
            textFormat: Text.PlainText
            text: "NO."
        }
    }

    TimerEventCardBoxes {
        anchors.fill: parent
        event: modelData
        rowIndex: index
    }

    Image {
        objectName: "deleteIcon"
        x: ptSize * 64
        y: ptSize * 152
        height: ptSize * 29
        fillMode: Image.PreserveAspectFit
        sourceSize.height: ptSize * 29
        source: "Resource/TimerEvent/icon_25x29_Delete.svg"
        visible: edited

        MouseArea {
            objectName: "deleteIconArea"
            anchors.fill: parent
            onClicked: {
                deleteCheck.number = index
                deleteCheck.visible = true
            }
        }
    }

    Rectangle {
        objectName: "saveButton"
        y: ptSize * 150
        width: ptSize * 100
        height: ptSize * 32
        radius: ptSize * 5
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#C8C8C8"
        border.width: 1
        border.color: "black"
        visible: edited

        Text {
            anchors.centerIn: parent
            font.pixelSize: ptSize * 20
            textFormat: Text.PlainText
            text: "Save"
        }

        MouseArea {
            objectName: "saveButtonArea"
            anchors.fill: parent
            onClicked: tev.updateEvent()
        }
    }

    Rectangle {
        objectName: "cancelButton"
        x: ptSize * 299
        y: ptSize * 150
        width: ptSize * 100
        height: ptSize * 32
        radius: ptSize * 5
        color: "#C8C8C8"
        border.width: 1
        border.color: "black"
        visible: edited

        Text {
            anchors.centerIn: parent
            font.pixelSize: ptSize * 20
            textFormat: Text.PlainText
            text: "Cancel"
        }

        MouseArea {
            objectName: "cancelButtonArea"
            anchors.fill: parent
            onClicked: tev.focus = -1
        }
    }

    Rectangle {
        objectName: "cardDimmer"
        x: ptSize * 9
        y: ptSize * 42
        width: ptSize * 391
        height: ptSize * 102
        color: "black"
        opacity: 0.5
        visible: !enable
    }

    MouseArea {
        objectName: "stripCatcher"
        x: ptSize * 5
        width: ptSize * 240
        height: ptSize * 40
        visible: !edited
        onClicked: {
            if (!permission.isReadOnly)
                tev.focus = index
        }
    }

    MouseArea {
        objectName: "bodyCatcher"
        x: ptSize * 5
        y: ptSize * 40
        width: ptSize * 404
        height: ptSize * 108
        visible: !edited
        onClicked: {
            if (!permission.isReadOnly)
                tev.focus = index
        }
    }
}
