import QtQuick 2.8
import QtQuick.Controls 2.1

// The grey button of the login page's dialogs: a label on a bordered plate.
Button {
    id: dialogButton
    width: ptSize * 180
    height: ptSize * 35

    property string label: ""

    background: Rectangle {
        anchors.fill: parent
        color: "#878787"
        radius: ptSize * 5
        border.color: "black"
        border.width: ptSize * 1

        Text {
            anchors.fill: parent
            text: dialogButton.label
            textFormat: Text.PlainText
            color: "black"
            font.pixelSize: ptSize * 20
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
