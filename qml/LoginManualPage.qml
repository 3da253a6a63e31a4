import QtQuick 2.8
import QtQuick.Controls 2.1
import "Palette.js" as Palette

// The login page's other page: log in to a typed address with its password,
// without discovery.
Rectangle {
    id: manualPage
    objectName: "loginold"
    color: Palette.pageBack

    // Every change of page publishes the list again; being hidden as it is
    // created is no change of page.
    Connections {
        id: pageChange
        target: manualPage
        enabled: false
        function onVisibleChanged() {
            udpc.refreshList()
        }
    }
    Component.onCompleted: pageChange.enabled = true

    Item {
        id: loginWindow
        y: 0
        width: appWidth
        height: appHeight
        anchors.horizontalCenter: parent.horizontalCenter

        Text {
            y: ptSize * 145.5
            anchors.horizontalCenter: parent.horizontalCenter
            text: "IP Address"
            textFormat: Text.PlainText
            color: Palette.label
            font.pixelSize: ptSize * 22
            font.weight: Font.Light
        }

        LoginManualField {
            id: address
            objectName: "address"
            y: ptSize * 170
            anchors.horizontalCenter: parent.horizontalCenter
            selectByMouse: true
            text: comm.address
            onAccepted: password.focus = true
        }

        Text {
            y: ptSize * 235.5
            anchors.horizontalCenter: parent.horizontalCenter
            text: "IP Password"
            textFormat: Text.PlainText
            color: Palette.label
            font.pixelSize: ptSize * 22
            font.weight: Font.Light
        }

        LoginManualField {
            id: password
            objectName: "password"
            y: ptSize * 260
            anchors.horizontalCenter: parent.horizontalCenter
            echoMode: TextInput.Password
            passwordMaskDelay: 5000
            text: comm.password
            // Also while an attempt runs: the link drops that attempt and
            // starts over with what is typed now.
            onAccepted: {
                comm.loginRequest(address.text, password.text)
                udpc.loginedNickname = ""
            }
        }

        Button {
            id: loginButton
            objectName: "loginButton"
            y: ptSize * 343
            width: ptSize * 296
            height: ptSize * 50
            anchors.horizontalCenter: parent.horizontalCenter
            enabled: comm.loginState === 0
            contentItem: Text {
                objectName: "loginButtonText"
                text: comm.loginState === 0 ? "Login" : "Connecting"
                textFormat: Text.PlainText
                color: comm.loginState === 0 ? "#2D52A8" : "#D14413"
                font.pixelSize: ptSize * 25
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
            background: SizedImage {
                anchors.fill: parent
                smooth: false
                source: comm.loginState === 0 ? "Resource/LogIn_296x50_3.png"
                                              : "Resource/LogIn_connect_296x50_3.png"
            }
            onClicked: {
                popup.hide()
                comm.loginRequest(address.text, password.text)
                udpc.loginedNickname = ""
            }
        }
    }
}
