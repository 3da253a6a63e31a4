import QtQuick 2.8

// Chooses what the edited event does. The choice lives on the loader; OK
// writes it into the event and resets the option where its meaning changes.
Rectangle {
    objectName: "timerEventType"
    color: "#99000000"

    readonly property int chosenType: timerEventTypeLoader.eventType
    readonly property int chosenMode: timerEventTypeLoader.timeMode

    function choose(eventType, timeMode) {
        timerEventTypeLoader.eventType = eventType
        timerEventTypeLoader.timeMode = timeMode
    }

    MouseArea {
        objectName: "typeDimmer"
        anchors.fill: parent
        onClicked: timerEventTypeLoader.active = false
    }

    Rectangle {
        objectName: "typePanel"
        width: ptSize * 325
        height: ptSize * 485
        y: ptSize * 64
        anchors.horizontalCenter: parent.horizontalCenter
        radius: ptSize * 10
        color: "#DBDBDB"
        border.width: ptSize * 3

        MouseArea {
            anchors.fill: parent
        }

        Repeater {
            model: [
                {"title": "PLAY", "icon": "Play_Black", "extra": "START TIME", "type": 0, "mode": 0},
                {"title": "PLAY", "icon": "Play_Black", "extra": "END TIME", "type": 0, "mode": 1},
                {"title": "REPEAT PLAY", "icon": "RepeatPlay_Black", "extra": "", "type": 1, "mode": 0},
                {"title": "RECORD", "icon": "RECORD", "extra": "", "type": 2, "mode": 0},
                {"title": "STOP", "icon": "STOP_Black", "extra": "", "type": 3, "mode": 0},
                {"title": "DOWNLOAD", "icon": "Download_Black", "extra": "", "type": 4, "mode": 0},
                {"title": "DELETE & DOWNLOAD", "icon": "Delete-Download_Black", "extra": "", "type": 5, "mode": 0}
            ]

            TimerEventTypeRow {
                objectName: "typeRow" + index
                y: ptSize * (13 + 54 * index)
                title: modelData.title
                icon: "Resource/TimerEvent/icon_62x28_" + modelData.icon + ".svg"
                selected: chosenType === modelData.type && (modelData.type !== 0 || chosenMode === modelData.mode)
                onClicked: choose(modelData.type, modelData.mode)

                Text {
                    x: ptSize * 57
                    y: ptSize * 16
                    visible: modelData.extra !== ""
                    font.pixelSize: ptSize * 15
                    font.bold: true
                    textFormat: Text.PlainText
                    color: "black"
                    text: modelData.extra
                }
            }
        }

        Image {
            objectName: "typeCheck"
            x: ptSize * 278
            y: ptSize * ((chosenType === 0 ? chosenMode : chosenType + 1) * 54 + 23)
            smooth: false
            sourceSize.height: ptSize * 21
            source: "Resource/TimerEvent/check_20x21.svg"
        }

        TimerEventButtonRect {
            objectName: "typeOk"
            x: ptSize * 42
            y: ptSize * 427
            text: "OK"
            onClicked: {
                const t = timerEventTypeLoader.eventType
                const o = timerEventTypeLoader.originalEventType
                tev.changeType(t, timerEventTypeLoader.timeMode)
                if (t <= 1 && o >= 2)
                    tev.changeOption("")
                else if (t === 2 && o !== 2)
                    tev.changeRecInput("")
                else if (t === 3)
                    tev.changeOption("")
                else if ((t === 4 || t === 5) && o < 4)
                    tev.changeOption("")
                timerEventTypeLoader.active = false
            }
        }

        TimerEventButtonRect {
            objectName: "typeCancel"
            x: ptSize * 183
            y: ptSize * 427
            text: "Cancel"
            onClicked: timerEventTypeLoader.active = false
        }
    }
}
