import QtQuick 2.8
import "Palette.js" as Palette

// A shade over the login page with one line of text ("Searching...",
// "Connecting..."); it takes every click so nothing below can be used.
Rectangle {
    anchors.fill: parent
    color: Palette.busyShade

    property alias text: busyText.text
    // Where the text sits, from the overlay's top.
    property real textY: ptSize * 133

    Text {
        id: busyText
        x: 0
        y: textY
        width: parent.width
        height: ptSize * 77
        textFormat: Text.PlainText
        color: "white"
        font.pixelSize: ptSize * 30
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    MouseArea {
        anchors.fill: parent
    }
}
