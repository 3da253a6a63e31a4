import QtQuick 2.8

// Pitch: on/off, the amount in tenths from -16.0 to +16.0.
SettingAmountBlock {
    id: pitchBlock

    rowY: 85
    label: "PITCH"
    valueText: comm.pitchData
    lit: comm.pitchStatus
    lowerImage: "button-C_minus"
    upperImage: "button-C_plus"
    switchButton.objectName: "pitchButton"
    lowerButton.objectName: "pitchMinus"
    upperButton.objectName: "pitchPlus"
    valueItem.objectName: "settingPitchValue"
    slider.objectName: "pitchSlider"
    slider.from: -16
    slider.to: 16
    slider.stepSize: 0.1

    Component.onCompleted: slider.begin(Number(comm.pitchData))

    onSwitchClicked: comm.pitchRequest()

    Connections {
        target: pitchBlock.slider
        function onSend(value) { comm.pitchDataSetRequest(value) }
    }

    // Every pitch report, changed or not, puts the slider back on it.
    Connections {
        target: comm
        function onPitchDataChanged() { pitchBlock.slider.follow(Number(comm.pitchData)) }
    }
}
