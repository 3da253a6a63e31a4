import QtQuick 2.8

// One playlist of the medium. The current playlist's row saves it under a new
// name and opens its entries; another row loads, deletes or renames its playlist.
Rectangle {
    id: pplObject
    objectName: "pplRow"

    property int pplNumber
    property string pplName
    property bool pplReadOnly: permission.isReadOnly || comm.statusIcon !== 16 || plIsReadOnly
    property alias pplDateTime: pplDateTime.text
    readonly property bool isCurrent: pplNumber === pl.currentPlaylist
    // Playlist files can be deleted only where the medium has a drive.
    readonly property bool canDelete: comm.currentMedia === "SD1" || comm.currentMedia === "SD2"
                                      || comm.currentMedia === "USB"

    x: ptSize * 5
    y: pplNumber * lineHeight
    width: ptSize * 404
    height: ptSize * 44
    radius: ptSize * 5
    color: isCurrent ? "#89A3D4" : (pplNumber % 2 === 0 ? "#272727" : "black")

    TextTapScroll {
        objectName: "pplNameText"
        x: ptSize * 10
        y: ptSize * 2
        width: ptSize * 214
        height: ptSize * 19
        color: "white"
        font.pixelSize: ptSize * 16
        text: pplName
    }

    Image {
        id: firstButton
        objectName: "pplFirstButton"
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 15
        anchors.verticalCenter: parent.verticalCenter
        sourceSize.height: ptSize * 30
        smooth: false
        source: isCurrent ? "Resource/Playlist/icon_47x30_SaveAs.svg" : "Resource/Playlist/icon_47x30_Load.svg"
        opacity: pplReadOnly ? 0.5 : 1

        MouseArea {
            objectName: "pplFirstArea"
            anchors.fill: parent
            enabled: !pplReadOnly
            onClicked: {
                if (isCurrent) {
                    plInputWindowLoader.field = ""
                    plInputWindowLoader.mode = 0
                    plInputWindowLoader.active = true
                } else if (pl.loadPpl(pplName)) {
                    // The list comes back once the recorder has loaded it.
                    playlistRepeater.model.clear()
                    pplView = true
                }
            }
        }
    }

    Image {
        id: secondButton
        objectName: "pplSecondButton"
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 65
        anchors.verticalCenter: parent.verticalCenter
        sourceSize.height: ptSize * 30
        smooth: false
        source: isCurrent ? "Resource/Playlist/icon_47x30_Edit.svg" : "Resource/Playlist/icon_47x30_Delete.svg"
        opacity: isCurrent ? (permission.isReadOnly ? 0.5 : 1) : ((pplReadOnly || !canDelete) ? 0.5 : 1)

        MouseArea {
            objectName: "pplSecondArea"
            anchors.fill: parent
            enabled: secondButton.opacity === 1
            onClicked: {
                if (isCurrent) {
                    playlistRepeater.model.clear()
                    pl.initEntry()
                    pplView = false
                    return
                }
                if (!canDelete)
                    return
                var drive = comm.currentMedia === "SD1" ? "A" : (comm.currentMedia === "SD2" ? "B" : "C")
                plDeleteWindowLoader.name = pplName
                plDeleteWindowLoader.fullpath = drive + ":\\_playlists\\" + pplName
                plDeleteWindowLoader.media = comm.currentMedia
                plDeleteWindowLoader.active = true
            }
        }
    }

    Image {
        objectName: "pplThirdButton"
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 115
        anchors.verticalCenter: parent.verticalCenter
        sourceSize.height: ptSize * (isCurrent ? 18 : 30)
        smooth: false
        source: isCurrent ? "Resource/Playlist/icon_57x18_current.svg" : "Resource/Playlist/icon_47x30_Rename.svg"
        opacity: pplReadOnly && !isCurrent ? 0.5 : 1

        MouseArea {
            objectName: "pplThirdArea"
            anchors.fill: parent
            enabled: !pplReadOnly
            onClicked: {
                if (isCurrent)
                    return
                plInputWindowLoader.field = pplName
                plInputWindowLoader.mode = 2
                plInputWindowLoader.pplNumber = pplNumber + 1
                plInputWindowLoader.active = true
            }
        }
    }

    Text {
        id: pplDateTime
        objectName: "pplDateTimeText"
        y: ptSize * 25
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 180
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        color: isCurrent ? "white" : "#878787"
    }

    PlaylistEntryIcon {
        objectName: "pplEntryIcon"
        x: ptSize * 10
        y: ptSize * 24
        visible: isCurrent
    }
}
