import QtQuick 2.8
import QtQuick.Controls 2.1

// One amount of the settings window (pitch or key), on the panel's
// coordinates from `rowY` down: the step buttons at both ends, the on/off
// switch in the middle between its name and its value, the slider below.
Item {
    id: amountBlock

    property real rowY: 0
    property alias label: amountLabel.text
    property alias valueText: amountValue.text
    property alias valueItem: amountValue
    property bool lit: false
    // The step buttons' image names without "ON_58x30_3.png" / "OFF_...".
    property string lowerImage
    property string upperImage
    property alias slider: amountSlider
    property alias switchButton: amountSwitch
    property alias lowerButton: lowerStep
    property alias upperButton: upperStep

    signal switchClicked()

    function stepImage(name, on) {
        return "Resource/" + name + (on ? "ON" : "OFF") + "_58x30_3.png"
    }

    SettingImageButton {
        id: lowerStep
        x: ptSize * 26
        y: ptSize * amountBlock.rowY
        width: ptSize * 58
        height: ptSize * 30
        lit: amountBlock.lit
        onImage: stepImage(amountBlock.lowerImage, true)
        offImage: stepImage(amountBlock.lowerImage, false)
        onClicked: amountSlider.stepBy(-1)
    }

    SettingImageButton {
        id: amountSwitch
        anchors.horizontalCenter: parent.horizontalCenter
        y: ptSize * amountBlock.rowY
        width: ptSize * 58
        height: ptSize * 30
        lit: amountBlock.lit
        smooth: true
        onImage: "Resource/button-C_ON_58x30_3.png"
        offImage: "Resource/button-C_OFF_58x30_3.png"
        onClicked: amountBlock.switchClicked()
    }

    Text {
        id: amountLabel
        anchors.right: amountSwitch.left
        anchors.rightMargin: ptSize * 6
        y: ptSize * (amountBlock.rowY + 7)
        color: "white"
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
    }

    Text {
        id: amountValue
        anchors.left: amountSwitch.right
        anchors.leftMargin: ptSize * 6
        y: ptSize * (amountBlock.rowY + 7)
        color: amountBlock.lit ? "#00A0E6" : "white"
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
    }

    SettingImageButton {
        id: upperStep
        x: ptSize * 330
        y: ptSize * amountBlock.rowY
        width: ptSize * 58
        height: ptSize * 30
        lit: amountBlock.lit
        onImage: stepImage(amountBlock.upperImage, true)
        offImage: stepImage(amountBlock.upperImage, false)
        onClicked: amountSlider.stepBy(1)
    }

    SettingStepSlider {
        id: amountSlider
        x: ptSize * 20
        y: ptSize * (amountBlock.rowY + 39)
        width: ptSize * 373
        height: ptSize * 30
        lit: amountBlock.lit
    }
}
