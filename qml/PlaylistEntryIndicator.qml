import QtQuick 2.8

// An entry's 1-based number in a frame, with one segment of the frame lit at
// the entry's place among the twelve of its page: clockwise from the top left.
Rectangle {
    color: "transparent"
    border.color: "#3C3C3C"
    border.width: indicatorWidth

    property int indicatorWidth: ptSize * 5
    property int indicatorNumber
    property int pos: indicatorNumber % 12
    property bool isShapeRed: Math.floor(indicatorNumber * 0.5) % 6 === 2 || Math.floor(indicatorNumber * 0.5) % 6 === 5

    Rectangle {
        objectName: "indicatorSegment"
        visible: indicatorNumber < 96
        color: isShapeRed ? "#C24C37" : "#65A6DE"
        width: isShapeRed ? indicatorWidth : parent.width * 0.25
        height: isShapeRed ? parent.height * 0.5 - indicatorWidth : indicatorWidth
        x: (pos === 1 || pos === 8) ? parent.width * 0.25
         : (pos === 2 || pos === 7) ? parent.width * 0.5
         : (pos === 3 || pos === 6) ? parent.width * 0.25 * 3
         : (pos === 4 || pos === 5) ? parent.width - indicatorWidth
         : 0
        y: pos <= 3 ? 0
         : (pos === 4 || pos === 11) ? indicatorWidth
         : (pos === 5 || pos === 10) ? parent.height * 0.5
         : parent.height - indicatorWidth
    }

    Text {
        objectName: "indicatorText"
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: "white"
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 24
        font.weight: Font.Medium
        text: indicatorNumber + 1
    }
}
