import QtQuick 2.8

// A button of the folder and file menus: an icon with its label below.
MouseArea {
    id: menuButton

    property alias source: icon.source
    property alias label: label.text

    width: ptSize * 47
    height: ptSize * 48
    opacity: enabled ? 1 : 0.5

    Image {
        id: icon
        anchors.top: parent.top
        smooth: false
        sourceSize.width: ptSize * 47
    }

    Text {
        id: label
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        font.pixelSize: ptSize * 13
        textFormat: Text.PlainText
    }
}
