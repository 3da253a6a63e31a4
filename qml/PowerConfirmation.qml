import QtQuick 2.8

// Asks before a machine is switched on, switched off or restarted.
Rectangle {
    id: powerConfirmation
    objectName: "confirmPowerControl"
    color: "#80121212"

    property string nickname: ""
    // "turn on", "turn off" or "restart".
    property string action: ""

    signal confirmed()
    signal cancelled()

    MouseArea {
        anchors.fill: parent
    }

    LoginDialogBox {
        MouseArea {
            anchors.fill: parent
        }

        Text {
            objectName: "cpcNicknameText"
            x: (parent.width - width) / 2
            y: ptSize * 35
            width: ptSize * 300
            height: ptSize * 35
            text: powerConfirmation.nickname
            textFormat: Text.PlainText
            color: "black"
            font.pixelSize: ptSize * 24
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        Text {
            objectName: "cpcQuestion"
            x: (parent.width - width) / 2
            y: ptSize * 100
            width: ptSize * 240
            height: ptSize * 35
            text: "OK to " + powerConfirmation.action + "?"
            textFormat: Text.PlainText
            color: "black"
            font.pixelSize: ptSize * 20
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        LoginDialogButton {
            objectName: "cpcOk"
            x: (parent.width - width) / 2
            y: ptSize * 190
            label: "OK"
            onClicked: powerConfirmation.confirmed()
        }

        LoginDialogButton {
            objectName: "cpcCancel"
            x: (parent.width - width) / 2
            y: ptSize * 260
            label: "Cancel"
            onClicked: powerConfirmation.cancelled()
        }
    }
}
