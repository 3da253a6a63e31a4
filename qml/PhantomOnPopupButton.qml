import QtQuick 2.8
import QtQuick.Controls 2.1

// A button of the phantom-power confirmation: an oval that lights while pressed.
Button {
    id: ovalButton
    width: ptSize * 144
    height: ptSize * 30

    contentItem: Text {
        text: ovalButton.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: ovalButton.down ? "white" : "black"
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
        textFormat: Text.PlainText
    }

    background: SizedImage {
        source: ovalButton.down ? "Resource/Oval_ON_144x30_3.png" : "Resource/Oval_OFF_144x30_3.png"
    }
}
