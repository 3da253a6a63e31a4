import QtQuick 2.8
import QtQuick.Controls 2.1

// A button of the Home page drawn by a pair of images, the pressed one while
// `pressedLook` holds, with its label centred on it.
Button {
    id: labelButton

    property url onImage
    property url offImage
    property bool pressedLook: down
    property color labelColor: "black"

    background: SizedImage {
        source: labelButton.pressedLook ? labelButton.onImage : labelButton.offImage
    }

    contentItem: Text {
        text: labelButton.text
        color: labelButton.labelColor
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
    }
}
