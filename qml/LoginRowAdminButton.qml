import QtQuick 2.8

// A small button of a machine row in admin mode (ON/OFF, Restart); it takes
// clicks only while its row is selected, otherwise they reach the card.
Rectangle {
    id: adminButton
    height: ptSize * 28
    radius: ptSize * 3

    property alias label: buttonText.text
    property alias labelColor: buttonText.color
    property alias areaName: buttonArea.objectName
    property alias clickable: buttonArea.visible

    signal clicked()

    Text {
        id: buttonText
        anchors.fill: parent
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 13
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    MouseArea {
        id: buttonArea
        anchors.fill: parent
        onClicked: adminButton.clicked()
    }
}
