import QtQuick 2.8

// The sampling frequency of the recording, beside the recording format; the
// CD knows two frequencies, the other media three.
SizedImage {
    x: ptSize * 279
    y: ptSize * 25
    width: ptSize * 120
    height: ptSize * 48
    source: "Resource/button-D_OFF_120x48_3.png"

    Text {
        objectName: "recFsText"
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: "#B4B4B4"
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
        textFormat: Text.PlainText
        text: comm.currentMedia === "CD" ? (comm.recFsCd === 0 ? "44.1 kHz" : "48 kHz")
                                         : (comm.recFs === 0 ? "44.1 kHz" : comm.recFs === 1 ? "48 kHz" : "96 kHz")
    }
}
