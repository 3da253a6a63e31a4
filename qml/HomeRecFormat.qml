import QtQuick 2.8

// The recording format, in the record view where the play area stands in
// the play view; the CD has texts of its own.
SizedImage {
    x: ptSize * 147
    y: ptSize * 25
    width: ptSize * 120
    height: ptSize * 48
    source: "Resource/button-D_OFF_120x48_3.png"

    Text {
        objectName: "recFormatText"
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: "#B4B4B4"
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
        textFormat: Text.PlainText
        text: comm.currentMedia === "CD" ? comm.recFormatCd : comm.recFormat
    }
}
