import QtQuick 2.8
import QtQuick.Controls 2.1
import "Palette.js" as Palette

// The grey box of a machine row with a password field in it; the field
// shows only while the row can use it.
Rectangle {
    id: passwordBox
    width: ptSize * 134
    height: ptSize * 34
    radius: ptSize * 5
    color: Palette.box

    property alias text: passwordField.text
    property alias fieldName: passwordField.objectName
    property alias fieldVisible: passwordField.visible

    signal accepted()

    TextField {
        id: passwordField
        anchors.fill: parent
        color: "black"
        font.pixelSize: ptSize * 18
        echoMode: TextInput.Password
        passwordMaskDelay: 5000
        background: Rectangle {
            anchors.fill: parent
            color: Palette.field
            radius: ptSize * 5
        }
        onAccepted: passwordBox.accepted()
    }
}
