import QtQuick 2.8

// Key: on/off, the amount in whole steps from -6 to +6.
SettingAmountBlock {
    id: keyBlock

    rowY: 190
    label: "KEY"
    valueText: comm.keyData > 0 ? "\u266F" + comm.keyData
                                : comm.keyData < 0 ? "\u266D" + (-comm.keyData) : "0"
    lit: comm.keyStatus
    lowerImage: "button-C_flat"
    upperImage: "button-C_sharp"
    switchButton.objectName: "keyButton"
    lowerButton.objectName: "keyFlat"
    upperButton.objectName: "keySharp"
    valueItem.objectName: "settingKeyValue"
    slider.objectName: "keySlider"
    slider.from: -6
    slider.to: 6
    slider.stepSize: 1

    Component.onCompleted: slider.begin(comm.keyData)

    onSwitchClicked: comm.keyRequest()

    Connections {
        target: keyBlock.slider
        function onSend(value) { comm.keyDataSetRequest(value) }
    }

    // A key report comes only when the amount changes.
    Connections {
        target: comm
        function onKeyDataChanged() { keyBlock.slider.follow(comm.keyData) }
    }
}
