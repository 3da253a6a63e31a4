import QtQuick 2.8

// The texts of the front display, in display coordinates: track numbers, the
// busy phase, pitch and key, the elapsed and remaining time and the title.
Item {
    id: displayTexts
    // True in the play view, false in the record view.
    property bool playView: true

    readonly property int labelWeight: isAndroid ? Font.Normal : Font.Medium

    function busyText(detail) {
        switch (detail) {
        case 1: return "Finalizing"
        case 2: return "Erasing"
        case 3: return "Burning"
        case 4: return "Ripping"
        }
        return ""
    }

    function keyText() {
        if (!comm.keyStatus)
            return "OFF"
        if (comm.keyData > 0)
            return "\u266F" + comm.keyData
        if (comm.keyData < 0)
            return "\u266D" + (-comm.keyData)
        return "0"
    }

    Text {
        objectName: "trackText"
        x: ptSize * 13
        y: ptSize * 38
        text: "TRACK " + comm.nowTrackNo + "/" + comm.allTrackNo
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 20
        font.weight: displayTexts.labelWeight
    }

    // Stands in the place of the status image, which is empty while busy.
    Text {
        objectName: "busyText"
        x: ptSize * 13
        y: ptSize * 63
        text: busyText(comm.statusDetail)
        visible: comm.statusIcon === 255
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 28
        font.weight: Font.DemiBold
    }

    Text {
        id: pitchText
        objectName: "pitchText"
        x: ptSize * 285
        y: ptSize * 65
        text: "PITCH:"
        visible: playView
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
    }
    Text {
        objectName: "pitchValue"
        anchors.right: displayTexts.right
        anchors.rightMargin: ptSize * 13
        y: ptSize * 65
        text: comm.pitchStatus ? comm.pitchData : "OFF"
        visible: playView
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
    }
    Text {
        objectName: "keyLabel"
        anchors.right: pitchText.right
        y: ptSize * 85
        text: "KEY:"
        visible: playView
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
    }
    Text {
        objectName: "keyValue"
        anchors.right: displayTexts.right
        anchors.rightMargin: ptSize * 13
        y: ptSize * 85
        text: keyText()
        visible: playView
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        font.weight: Font.Medium
    }

    PlayTime {
        objectName: "elapsedTime"
        x: ptSize * 13
        y: ptSize * 97
        fontPixelSize: ptSize * 50
        height: fontPixelSize
        flameFontPixelSize: ptSize * 34
        hourText: comm.playTimeHour
        minText: comm.playTimeMin
        secText: comm.playTimeSec
        flameText: comm.playTimeFlame
        // The hundredths show only in jog mode.
        flameVisible: comm.jogMode === true
    }

    TextScroll {
        objectName: "titleText"
        x: ptSize * 13
        y: ptSize * 150
        width: ptSize * 295
        height: contentHeight
        text: comm.title
        font.pixelSize: ptSize * 20
        font.family: multiFont.family
        font.weight: displayTexts.labelWeight
    }

    PlayTime {
        objectName: "remainingTime"
        anchors.right: displayTexts.right
        anchors.rightMargin: ptSize * 13
        y: ptSize * 187
        fontPixelSize: ptSize * 18
        height: fontPixelSize
        hourText: comm.remainingTimeHour
        minText: comm.remainingTimeMin
        secText: comm.remainingTimeSec
        flameText: comm.remainingTimeFlame
    }
}
