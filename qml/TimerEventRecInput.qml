import QtQuick 2.8

// Chooses the input a recording event records from. The rows tell the
// inputs apart by their ninth character.
Rectangle {
    objectName: "timerEventRecInput"
    color: "#99000000"

    readonly property string key: timerEventRecInputLoader.recInput.charAt(8)

    MouseArea {
        objectName: "recInputDimmer"
        anchors.fill: parent
        onClicked: timerEventRecInputLoader.active = false
    }

    Rectangle {
        objectName: "recInputPanel"
        width: ptSize * 325
        height: ptSize * 376
        y: ptSize * 64
        anchors.horizontalCenter: parent.horizontalCenter
        radius: ptSize * 10
        color: "#DBDBDB"
        border.width: ptSize * 3

        MouseArea {
            anchors.fill: parent
        }

        Repeater {
            model: [["ANALOG(UNBAL.)", "N"], ["ANALOG(BAL.)", "A"], ["DIGITAL(COAX.)", "C"],
                    ["DIGITAL(XLR)", "X"], ["DIGITAL(Dante)", "D"]]

            TimerEventRow {
                objectName: "recInputRow" + index
                y: ptSize * (13 + 54 * index)
                selected: key === modelData[1]
                visible: index !== 4 || tev.enableDante || selected
                onClicked: timerEventRecInputLoader.recInput = modelData[0]

                Text {
                    x: ptSize * 22
                    y: ptSize * 16
                    font.pixelSize: ptSize * 15
                    font.weight: Font.Medium
                    textFormat: Text.PlainText
                    color: parent.selected ? "black" : "#878787"
                    text: modelData[0]
                }
            }
        }

        Image {
            objectName: "recInputCheck"
            x: ptSize * 278
            y: ptSize * (key === "A" ? 77 : key === "C" ? 131 : key === "X" ? 185 : key === "D" ? 239 : 23)
            smooth: false
            sourceSize.height: ptSize * 21
            source: "Resource/TimerEvent/check_20x21.svg"
        }

        TimerEventButtonRect {
            objectName: "recInputOk"
            x: ptSize * 42
            y: ptSize * 318
            text: "OK"
            onClicked: {
                tev.changeRecInput(timerEventRecInputLoader.recInput)
                timerEventRecInputLoader.active = false
            }
        }

        TimerEventButtonRect {
            objectName: "recInputCancel"
            x: ptSize * 183
            y: ptSize * 318
            text: "Cancel"
            onClicked: timerEventRecInputLoader.active = false
        }
    }
}
