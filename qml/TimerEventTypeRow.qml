import QtQuick 2.8

// An event type to choose: its icon and its name.
TimerEventRow {
    property alias title: title.text
    property alias icon: icon.source

    Image {
        id: icon
        x: ptSize * 22
        y: ptSize * 9
        smooth: false
        sourceSize.width: ptSize * 62
    }

    Text {
        id: title
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 47
        y: ptSize * 16
        font.pixelSize: ptSize * 15
        font.weight: Font.Medium
        textFormat: Text.PlainText
        color: selected ? "black" : "#878787"
    }
}
