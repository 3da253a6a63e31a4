import QtQuick 2.8

// The menu of a file row: its information, and select, rename, copy or
// delete the file. It reaches the page's loaders by their ids.
Rectangle {
    objectName: "browseFileMenu"
    color: "#99000000"

    // Select needs no stopped transport: a file can be chosen while playing.
    readonly property bool selectable: !permission.isReadOnly
                                       && (comm.playArea === "ALL"
                                           || (comm.playArea === "FOLDER"
                                               && browse.currentFolderNumber === browse.nowFolderNumber))
                                       && (comm.playMode === "CONTINUE" || comm.playMode === "SINGLE")

    MouseArea {
        objectName: "fileMenuCover"
        anchors.fill: parent
        onClicked: browseMenuLoader.active = false
    }

    Image {
        width: ptSize * 325
        y: ptSize * 120
        anchors.horizontalCenter: parent.horizontalCenter
        smooth: false
        sourceSize.width: ptSize * 325
        source: "Resource/Browse/browse_back_325x230.svg"

        MouseArea {
            objectName: "fileMenuPanel"
            anchors.fill: parent
        }

        TextTapScroll {
            objectName: "fileMenuName"
            x: ptSize * 22
            y: ptSize * 10
            width: ptSize * 281
            height: ptSize * 29
            font.pixelSize: ptSize * 18
            verticalAlignment: Text.AlignVCenter
            text: browseMenuLoader.name
        }

        Text {
            id: fileInfo
            objectName: "fileInfo"
            x: ptSize * 22
            y: ptSize * 47
            font.pixelSize: ptSize * 13
            textFormat: Text.PlainText
            lineHeightMode: Text.FixedHeight
            lineHeight: ptSize * 17
            text: browse.getInfo(browseMenuLoader.listViewIndex)

            // The information arrives after the menu opened.
            Connections {
                target: browse
                function onInfoChanged() {
                    fileInfo.text = browse.getInfo(browseMenuLoader.listViewIndex)
                }
            }
        }

        BrowseMenuButton {
            id: select
            objectName: "fileMenuSelect"
            x: ptSize * 29.5
            y: ptSize * 123
            source: "Resource/Browse/icon_47x30_select-B.svg"
            label: "Select"
            enabled: selectable
            onClicked: {
                // The state may have changed since the menu was drawn.
                if (selectable)
                    browse.selectFile(browseMenuLoader.number)
                browseMenuLoader.active = false
            }
        }

        BrowseMenuButton {
            objectName: "fileMenuRename"
            x: ptSize * 102.5
            y: select.y
            source: "Resource/Browse/icon_47x30_rename-B.svg"
            label: "Rename"
            enabled: !browseReadOnly
            onClicked: browsePage.openRename()
        }

        BrowseMenuButton {
            objectName: "fileMenuCopy"
            x: ptSize * 175.5
            y: select.y
            source: "Resource/Browse/icon_47x30_copy.svg"
            label: "Copy"
            enabled: !browseReadOnly
            onClicked: browsePage.openCopyChooser()
        }

        BrowseMenuButton {
            objectName: "fileMenuDelete"
            x: ptSize * 248.5
            y: select.y
            source: "Resource/Browse/icon_47x30_Delete-B.svg"
            label: "Delete"
            enabled: !browseReadOnly
            onClicked: browsePage.openDeleteCheck()
        }

        Image {
            x: ptSize * 285
            y: ptSize * 196
            smooth: false
            sourceSize.width: ptSize * 20
            source: "Resource/Playlist/icon_20x20_close.svg"
        }

        MouseArea {
            objectName: "fileMenuClose"
            x: ptSize * 275
            y: ptSize * 186
            width: ptSize * 40
            height: ptSize * 40
            onClicked: browseMenuLoader.active = false
        }
    }
}
