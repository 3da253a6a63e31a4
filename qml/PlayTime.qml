import QtQuick 2.8

// One time as hours:minutes:seconds, with an optional field of hundredths
// after the seconds. The fields are shown exactly as they are given.
Item {
    id: root

    property int fontPixelSize: 1
    property alias hourText: hour.text
    property alias minText: min.text
    property alias secText: sec.text
    property string flameText: "00"
    property alias flameFontPixelSize: flame.font.pixelSize
    property alias flameVisible: flame.visible

    // The hundredths stand outside the width, so that a right-anchored time
    // keeps its seconds in place.
    width: hour.contentWidth + coron1.contentWidth + min.contentWidth + coron2.contentWidth + sec.contentWidth

    Text {
        id: hour
        objectName: "hour"
        anchors.left: root.left
        anchors.top: root.top
        text: "00"
        textFormat: Text.PlainText
        font.pixelSize: root.fontPixelSize
    }

    Text {
        id: coron1
        anchors.left: hour.right
        anchors.top: root.top
        text: ":"
        textFormat: Text.PlainText
        font.pixelSize: root.fontPixelSize
    }

    Text {
        id: min
        objectName: "min"
        anchors.left: coron1.right
        anchors.top: root.top
        text: "00"
        textFormat: Text.PlainText
        font.pixelSize: root.fontPixelSize
    }

    Text {
        id: coron2
        anchors.left: min.right
        anchors.top: root.top
        text: ":"
        textFormat: Text.PlainText
        font.pixelSize: root.fontPixelSize
    }

    Text {
        id: sec
        objectName: "sec"
        anchors.left: coron2.right
        anchors.top: root.top
        text: "00"
        textFormat: Text.PlainText
        font.pixelSize: root.fontPixelSize
    }

    Text {
        id: flame
        objectName: "flame"
        anchors.left: sec.right
        anchors.leftMargin: ptSize * 10
        anchors.bottom: sec.bottom
        // Hidden, it keeps no text: new hundredths would lay it out and draw a frame for nothing.
        text: visible ? root.flameText : ""
        textFormat: Text.PlainText
        visible: false
    }
}
