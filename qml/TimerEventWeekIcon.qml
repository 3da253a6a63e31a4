import QtQuick 2.8

// One weekday letter of a card's weekly schedule, lit when the day is set.
Rectangle {
    property bool enable: false
    property color onColor: "white"
    property color offColor: "#999999"
    property alias weekIconText: weekIcon.text

    width: ptSize * 24
    height: width
    y: ptSize * 5
    radius: ptSize * 4
    color: enable ? onColor : offColor
    border.width: ptSize * 2
    border.color: enable ? "black" : "#464646"

    Text {
        id: weekIcon
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: ptSize * 17
        textFormat: Text.PlainText
        color: enable ? "black" : "white"
    }
}
