import QtQuick 2.8

// A light-grey banner that fades in with a message and fades out when clicked.
Rectangle {
    id: popupMessage
    width: ptSize * 400
    height: ptSize * 40
    color: "#E8E8E8"
    radius: ptSize * 3
    opacity: 0

    property alias popupEnabled: popupMouseArea.visible

    function show(message) {
        phantomOnPopup.hide()
        popupAnimation.stop()
        popupMessageText.text = message
        popupAnimation.from = 0
        popupAnimation.to = 1
        popupAnimation.start()
        popupMouseArea.visible = true
    }

    function hide() {
        if (popupMessage.opacity === 0)
            return
        popupAnimation.from = 1
        popupAnimation.to = 0
        popupAnimation.start()
        popupMouseArea.visible = false
    }

    MouseArea {
        id: popupMouseArea
        objectName: "popupMouseArea"
        anchors.fill: parent
        visible: false
        onClicked: popupMessage.hide()
    }

    Text {
        id: popupMessageText
        objectName: "popupMessageText"
        anchors.centerIn: parent
        color: "black"
        font.pixelSize: ptSize * 18
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        // Messages carry nicknames from the network: never read them as markup.
        textFormat: Text.PlainText
    }

    PropertyAnimation {
        id: popupAnimation
        target: popupMessage
        property: "opacity"
        duration: 400
        easing.type: Easing.OutQuart
    }
}
