import QtQuick 2.8
import "Palette.js" as Palette

// The title row of a page of the device menu.
Item {
    id: menuPageRoot

    property alias menuText: pageText.text

    SizedImage {
        anchors.fill: parent
        source: "Resource/set_title.png"
    }

    Rectangle {
        x: 0
        y: 0
        width: parent.width
        height: 1
        color: Palette.menuLine
    }

    Text {
        id: pageText
        objectName: "menuPageText"
        x: ptSize * 10
        y: 0
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        color: "white"
        font.pixelSize: ptSize * (isAndroid ? 20 : 22)
        font.weight: Font.Medium
        textFormat: Text.PlainText
    }
}
