import QtQuick 2.8
import QtQuick.Controls 2.1

// A button of the settings window drawn by one of two images chosen by the
// recorder's state, not by the press: the look changes only on its report.
Button {
    id: imageButton

    property bool lit: false
    property url onImage
    property url offImage
    property bool smooth: false
    property color labelColor: "black"

    background: SizedImage {
        source: imageButton.lit ? imageButton.onImage : imageButton.offImage
        mipmap: imageButton.smooth
    }

    contentItem: Text {
        text: imageButton.text
        color: imageButton.labelColor
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
    }
}
