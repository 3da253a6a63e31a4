import QtQuick 2.8

// The current medium of the recorder: an icon and its name.
Item {
    width: icon.width + text.width
    height: icon.height

    Image {
        id: icon
        objectName: "mediaIconImage"
        sourceSize.height: ptSize * (comm.currentMedia === "CD" ? 19 : 20)
        smooth: false
        source: comm.currentMedia === "USB" ? "Resource/TimerEvent/icon_16x20_USB.svg"
              : (comm.currentMedia === "SD1" || comm.currentMedia === "SD2") ? "Resource/TimerEvent/icon_16x20_SD.svg"
              : "Resource/TimerEvent/icon_19x19_CD.svg"

        Text {
            id: text
            objectName: "mediaIconText"
            anchors.left: parent.right
            anchors.leftMargin: ptSize * 2
            anchors.bottom: parent.bottom
            color: "#666666"
            font.pixelSize: ptSize * 16
            font.weight: Font.Medium
            textFormat: Text.PlainText
            text: comm.currentMedia
        }
    }
}
