import QtQuick 2.8
import QtQuick.Controls 2.1

// A dimmed layer with a box asking for one line of text.
Rectangle {
    color: "#99000000"

    property alias title: title.text
    property alias field: field.text

    signal clickedOk(var inputText)
    signal clickedCancel()

    MouseArea {
        anchors.fill: parent
        onClicked: clickedCancel()
    }

    Rectangle {
        width: ptSize * 325
        height: ptSize * 200
        y: ptSize * 65
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#DBDBDB"
        radius: ptSize * 10
        border.width: ptSize * 3

        MouseArea {
            anchors.fill: parent
        }

        Text {
            id: title
            x: ptSize * 28
            y: ptSize * 12
            color: "#878787"
            font.pixelSize: ptSize * 20
            textFormat: Text.PlainText
        }

        TextField {
            id: field
            objectName: "inputField"
            x: ptSize * 28
            y: ptSize * 40
            width: ptSize * 269
            height: ptSize * 66
            font.pixelSize: ptSize * 18
            wrapMode: TextInput.WrapAnywhere
            selectByMouse: true
            background: Rectangle {
                radius: ptSize * 3
                border.width: 1
                border.color: field.focus ? "#0EC0DD" : "transparent"
            }
        }

        TimerEventButtonRect {
            objectName: "inputOk"
            x: ptSize * 42
            y: ptSize * 137
            text: "OK"
            visible: field.text !== ""
            onClicked: clickedOk(field.text)
        }

        TimerEventButtonRect {
            objectName: "inputCancel"
            x: ptSize * 183
            y: ptSize * 137
            text: "Cancel"
            onClicked: clickedCancel()
        }
    }
}
