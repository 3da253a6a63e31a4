import QtQuick 2.8

// The top row of the settings window: FLASH LOAD and the A-B repeat button,
// whose text and action follow the recorder's repeat state.
Item {
    id: abRow

    SettingImageButton {
        objectName: "flashLoadButton"
        x: ptSize * 26
        y: ptSize * 20
        width: ptSize * 144
        height: ptSize * 30
        text: "FLASH LOAD"
        lit: comm.flashLoad
        labelColor: comm.flashLoad ? "white" : "black"
        onImage: "Resource/Oval_ON_144x30_3.png"
        offImage: "Resource/Oval_OFF_144x30_3.png"
        onClicked: comm.flashLoadRequest()
    }

    // 0 no repeat, 1 repeat, 2 point A set and B awaited, 3 A-B repeat.
    SettingImageButton {
        id: abRepeatButton
        objectName: "abRepeatButton"
        x: ptSize * 244
        y: ptSize * 20
        width: ptSize * 144
        height: ptSize * 30
        text: comm.repeat === 0 || comm.repeat === 1 ? "Set A" : comm.repeat === 2 ? "Set B" : "A-B Repeat ON"
        lit: comm.repeat === 3
        labelColor: lit ? "white" : "black"
        onImage: "Resource/Oval_ON_144x30_3.png"
        offImage: "Resource/Oval_OFF_144x30_3.png"
        onClicked: {
            if (comm.repeat === 0 || comm.repeat === 1)
                comm.setARequest()
            else if (comm.repeat === 2)
                comm.setBRequest()
            else
                comm.abOffRequest()
        }
    }

    // Point A taken: a lit "Set B" flashes over the button and fades.
    SizedImage {
        id: abRepeatFlash
        objectName: "abRepeatFlash"
        x: abRepeatButton.x
        y: abRepeatButton.y
        width: abRepeatButton.width
        height: abRepeatButton.height
        source: "Resource/Oval_ON_144x30_3.png"
        opacity: 0

        Text {
            anchors.fill: parent
            text: "Set B"
            color: "white"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            textFormat: Text.PlainText
            font.pixelSize: ptSize * 16
            font.weight: Font.Medium
        }
    }

    PropertyAnimation {
        id: abRepeatAnimation
        objectName: "abRepeatAnimation"
        target: abRepeatFlash
        property: "opacity"
        from: 1.0
        to: 0.0
        duration: 400
        easing.type: Easing.InQuad
    }

    Connections {
        target: comm
        function onRepeatChanged(rep) {
            if (rep === 2)
                abRepeatAnimation.start()
        }
    }
}
