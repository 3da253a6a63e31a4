import QtQuick 2.8

// One entry slot of the current playlist: its place, its take, and a button
// that assigns a take to an empty slot or empties a filled one.
Rectangle {
    id: entryObject
    objectName: "entryRow"

    property int entryNumber: 0
    property string entryName: ""
    readonly property bool infoShown: plInfoWindowLoader.number === entryNumber && plInfoWindowLoader.active === true

    x: ptSize * 38
    y: entryNumber * lineHeight
    height: ptSize * 44
    width: pplArea.width - x
    color: entryNumber % 2 === 0 ? "#272727" : "black"

    PlaylistEntryIndicator {
        objectName: "entryIndicator"
        width: ptSize * 55
        height: parent.height
        indicatorNumber: entryNumber
    }

    TextTapScroll {
        objectName: "entryNameText"
        x: ptSize * 63
        y: ptSize * 3
        width: parent.width - x
        height: ptSize * 17
        color: "white"
        font.pixelSize: ptSize * 15
        text: entryName + "     "
    }

    MouseArea {
        id: entryButtonMouseArea
        objectName: "entryButtonArea"
        x: ptSize * 291
        y: ptSize * 10
        width: entryButton.sourceSize.width
        height: parent.height - y
        onClicked: {
            if (entryName === "") {
                playlistBrowseLoader.active = true
                assignEntry = entryNumber
            } else {
                playlistRepeater.model.clear()
                pl.clearEntry(entryNumber)
                plInfoWindowLoader.active = false
            }
        }

        Image {
            id: entryButton
            objectName: "entryButton"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 2
            sourceSize.width: ptSize * 70
            smooth: false
            source: entryName === "" ? "Resource/Playlist/icon_70x20_assign.svg" : "Resource/Playlist/icon_70x20_clear.svg"
        }
    }

    MouseArea {
        objectName: "entryInfoButton"
        x: ptSize * 265
        y: ptSize * 10
        width: ptSize * 20
        height: parent.height - y
        visible: entryName !== ""

        Image {
            objectName: "entryInfoImage"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 2
            sourceSize.width: ptSize * 20
            source: infoShown ? "Resource/Playlist/icon_20x20_info_white.svg" : "Resource/Playlist/icon_20x20_info_black.svg"

            MouseArea {
                objectName: "entryInfoArea"
                anchors.fill: parent
                onClicked: {
                    if (infoShown) {
                        plInfoWindowLoader.active = false
                        return
                    }
                    pl.clearEntryInfo()
                    plInfoWindowLoader.number = entryNumber
                    plInfoWindowLoader.active = true
                    pl.getEntryInfo(entryNumber)
                }
            }
        }
    }
}
