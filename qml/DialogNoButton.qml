import QtQuick 2.8

// A dimmed layer with a notice in a grey box; it takes every click.
Rectangle {
    anchors.fill: parent
    color: "#99000000"

    property alias text: showText.text

    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        width: ptSize * 325
        height: ptSize * 170
        y: ptSize * 129
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#DBDBDB"
        radius: ptSize * 10
        border.width: ptSize * 3

        Text {
            id: showText
            objectName: "dialogText"
            anchors.fill: parent
            anchors.topMargin: ptSize * 13
            anchors.bottomMargin: ptSize * 13
            anchors.leftMargin: ptSize * 20
            anchors.rightMargin: ptSize * 20
            font.pixelSize: ptSize * 20
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            lineHeightMode: Text.FixedHeight
            lineHeight: ptSize * 30
        }
    }
}
