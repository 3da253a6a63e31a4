import QtQuick 2.8

// The information panel below the Home main page: the recorder's input
// settings, the folder or playlist it plays, the version, the recorder's
// address and nickname, and Logout.
Rectangle {
    color: "black"
    clip: true
    width: appWidth
    height: ptSize * 309

    readonly property bool showsPlaylist: comm.playArea === "PLAYLIST"

    function inputImage(input) {
        switch (input) {
        case 0: return "Resource/info_A-UNBALANCE_3.png"
        case 1: return "Resource/info_A-BALANCE_3.png"
        case 2: return "Resource/info_D-COAXIAL_3.png"
        case 3: return "Resource/info_D-XLR_3.png"
        case 4: return "Resource/info_XC-NT4_3.png"
        }
        return ""
    }

    function inputWidth(input) {
        switch (input) {
        case 0: return 167
        case 1: return 147
        case 2: return 139
        case 3: return 106
        }
        return 126
    }

    SizedImage {
        id: homeInfoTitle
        objectName: "homeInfoTitle"
        anchors.horizontalCenter: parent.horizontalCenter
        y: ptSize * 10
        width: ptSize * 384
        height: ptSize * 46
        source: "Resource/info_title_384x46_3.png"
    }

    SizedImage {
        id: homeInfoMain
        objectName: "homeInfoMain"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: homeInfoTitle.bottom
        width: ptSize * 384
        height: ptSize * 220
        source: "Resource/info_bar_384_3.png"

        InfoImage {
            id: infoStereo
            objectName: "infoStereo"
            x: ptSize * 150
            y: ptSize * 4
            width: comm.monoMix ? ptSize * 68 : ptSize * 77
            source: comm.monoMix ? "Resource/info_MONO_3.png" : "Resource/info_STEREO_3.png"
            label: "STEREO/MONO"
        }

        InfoImage {
            id: infoInput
            objectName: "infoInput"
            x: infoStereo.x
            y: infoStereo.y + infoStereo.height + ptSize * 6
            width: ptSize * inputWidth(comm.inputSelect)
            source: inputImage(comm.inputSelect)
            label: "INPUT SELECT"

            InfoLabel {
                objectName: "infoUnlocked"
                anchors.left: infoInput.right
                anchors.leftMargin: ptSize * 6
                height: infoInput.height
                text: "Unlocked"
                font.pixelSize: ptSize * 14
                visible: !comm.digitalInLock
            }
        }

        InfoImage {
            id: infoPhantom
            objectName: "infoPhantom"
            x: infoStereo.x
            y: infoInput.y + infoInput.height + ptSize * 6
            width: ptSize * 45
            source: comm.micPhantom === false ? "Resource/info_OFF_3.png" : "Resource/info_ON_3.png"
            label: "MIC PHANTOM"
        }

        InfoImage {
            id: infoTimer
            objectName: "infoTimer"
            x: infoStereo.x
            y: infoPhantom.y + infoPhantom.height + ptSize * 6
            width: ptSize * 45
            source: comm.timerEvent === false ? "Resource/info_OFF_3.png" : "Resource/info_ON_3.png"
            label: "TIMER EVENT"
        }

        InfoLabel {
            id: infoArea
            objectName: "infoArea"
            anchors.right: infoTimer.left
            anchors.rightMargin: ptSize * 12
            y: ptSize * 116
            height: infoTimer.height
            text: showsPlaylist ? "PLAYLIST" : "FOLDER"
        }
        TextScroll {
            objectName: "infoAreaName"
            x: infoTimer.x
            y: infoArea.y
            width: ptSize * 210
            height: infoTimer.height
            text: showsPlaylist ? comm.playList : comm.folder
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: ptSize * 15
            font.weight: Font.Medium
            font.family: multiFont.family
        }

        InfoTextLine {
            id: infoVer
            objectName: "infoVer"
            y: ptSize * 144
            height: infoTimer.height
            valueX: infoTimer.x
            label: "VERSION"
            value: ver.getVersion()
        }

        InfoTextLine {
            id: infoIp
            objectName: "infoIp"
            y: ptSize * 172
            height: infoTimer.height
            valueX: infoTimer.x
            label: "IP ADDRESS"
            value: comm.address
        }

        InfoTextLine {
            id: infoNick
            objectName: "infoNick"
            y: ptSize * 200
            height: infoTimer.height
            valueX: infoTimer.x
            label: "NICKNAME"
            value: udpc.loginedNickname
        }

        // Shown once the recorder's menu has been read and drawn.
        Rectangle {
            objectName: "logoutButton"
            x: ptSize * 305
            y: ptSize * 179
            width: ptSize * 65
            height: ptSize * 35
            radius: ptSize * 5
            color: "#FC8F77"
            visible: menu.drawingFinished

            InfoLabel {
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                text: "Logout"
            }

            MouseArea {
                anchors.fill: parent
                onClicked: comm.logoutRequest()
            }
        }
    }

    SizedImage {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: homeInfoMain.bottom
        width: ptSize * 384
        height: ptSize * 15
        source: "Resource/info_under.png"
    }
}
