import QtQuick 2.8
import QtQuick.Controls 2.1

// The password field of the login page's dialogs. Enter does nothing here.
TextField {
    width: ptSize * 180
    height: ptSize * 35
    font.pixelSize: ptSize * 15
    echoMode: TextInput.Password
    passwordMaskDelay: 5000

    background: Rectangle {
        anchors.fill: parent
        color: "#f7f7f7"
        radius: ptSize * 5
    }
}
