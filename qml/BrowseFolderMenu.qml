import QtQuick 2.8

// The menu of a folder row: rename or delete the folder. It reaches the
// page's loaders by their ids.
Rectangle {
    objectName: "browseFolderMenu"
    color: "#99000000"

    MouseArea {
        objectName: "folderMenuCover"
        anchors.fill: parent
        onClicked: browseMenuLoader.active = false
    }

    Rectangle {
        width: ptSize * 325
        height: ptSize * 170
        y: ptSize * 120
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#DCDCDC"
        radius: ptSize * 10
        border.color: "black"
        border.width: ptSize * 3

        MouseArea {
            objectName: "folderMenuPanel"
            anchors.fill: parent
        }

        TextTapScroll {
            objectName: "folderMenuName"
            x: ptSize * 20
            y: ptSize * 10
            width: ptSize * 285
            height: ptSize * 29
            font.pixelSize: ptSize * 18
            verticalAlignment: Text.AlignVCenter
            text: browseMenuLoader.name
        }

        Rectangle {
            x: ptSize * 20
            y: ptSize * 39
            width: ptSize * 285
            height: ptSize * 2
            color: "#878787"
        }

        BrowseMenuButton {
            objectName: "folderMenuRename"
            x: ptSize * 93
            y: ptSize * 71
            source: "Resource/Browse/icon_47x30_rename-B.svg"
            label: "Rename"
            enabled: !browseReadOnly
            onClicked: browsePage.openRename()
        }

        BrowseMenuButton {
            objectName: "folderMenuDelete"
            x: ptSize * 185
            y: ptSize * 71
            source: "Resource/Browse/icon_47x30_Delete-B.svg"
            label: "Delete"
            enabled: !browseReadOnly
            onClicked: browsePage.openDeleteCheck()
        }

        Image {
            x: ptSize * 285
            y: ptSize * 136
            smooth: false
            sourceSize.width: ptSize * 20
            source: "Resource/Playlist/icon_20x20_close.svg"
        }

        MouseArea {
            objectName: "folderMenuClose"
            x: ptSize * 275
            y: ptSize * 126
            width: ptSize * 40
            height: ptSize * 40
            onClicked: browseMenuLoader.active = false
        }
    }
}
