import QtQuick 2.8

// A weekday button of the schedule editor, lit while the day is ticked.
Rectangle {
    property color offColor: "#999999"
    property color onColor: "white"
    property bool enable: false
    property alias weekIconText: weekIcon.text

    y: ptSize * 69
    width: ptSize * 37
    height: ptSize * 38
    radius: ptSize * 3
    color: enable ? onColor : offColor
    border.width: ptSize * 1
    border.color: enable ? "black" : (select === 1 ? "#F7F7F7" : "#DBDBDB")

    Text {
        id: weekIcon
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: ptSize * 15
        textFormat: Text.PlainText
        color: enable ? "black" : "white"
    }
}
