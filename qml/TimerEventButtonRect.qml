import QtQuick 2.8

// The plain grey push button with a label.
MouseArea {
    width: ptSize * 100
    height: ptSize * 44

    property alias text: buttonText.text

    Rectangle {
        anchors.fill: parent
        color: "#C8C8C8"
        radius: ptSize * 5

        Text {
            id: buttonText
            anchors.centerIn: parent
            font.pixelSize: ptSize * 20
            textFormat: Text.PlainText
        }
    }
}
