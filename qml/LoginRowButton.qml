import QtQuick 2.8
import QtQuick.Controls 2.1
import "Palette.js" as Palette

// The grey box of a machine row with a button in it (Login, Save); the
// button shows only while the row can use it.
Rectangle {
    id: buttonBox
    width: ptSize * 66
    height: ptSize * 35
    radius: ptSize * 5
    color: Palette.box

    property alias label: buttonText.text
    property alias buttonName: button.objectName
    property alias buttonVisible: button.visible
    property alias plateName: plate.objectName
    property alias plateColor: plate.color
    property real plateBorderWidth: 0

    signal clicked()

    Button {
        id: button
        anchors.fill: parent
        background: Rectangle {
            id: plate
            anchors.fill: parent
            radius: ptSize * 5
            color: Palette.accent
            border.color: Palette.accent
            border.width: buttonBox.plateBorderWidth

            Text {
                id: buttonText
                anchors.fill: parent
                textFormat: Text.PlainText
                font.pixelSize: ptSize * 14
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
        onClicked: buttonBox.clicked()
    }
}
