import QtQuick 2.8

// The value written on a selector button or list entry.
Text {
    anchors.fill: parent
    color: "#B4B4B4"
    textFormat: Text.PlainText
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    font.pixelSize: ptSize * 16
    font.weight: Font.Medium
}
