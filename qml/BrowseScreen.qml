import QtQuick 2.8

// The BROWSE page: the folder the browser lists, with the recorder's file
// and folder operations in per-row menus and a footer, a name input, a
// delete confirmation, a copy chooser and a not-available notice.
Item {
    id: browsePage

    readonly property bool browseSelectOnly: permission.isReadOnly
                                             || (comm.statusIcon !== 16 && comm.statusIcon !== 17)
                                             || comm.playMode === "RANDOM" || comm.playMode === "PROGRAM"
                                             || (comm.playArea === "PLAYLIST" && comm.playMode === "SINGLE")
    readonly property bool browseReadOnly: permission.isReadOnly || comm.statusIcon !== 16
                                           || comm.playMode !== "CONTINUE"

    // The list as last published; a new one means the rows moved under the
    // numbers a pop-up holds.
    readonly property var shownRows: browseModel

    // What a pop-up holds (a number, a name, a folder) belongs to the list,
    // the medium and the rights it was opened with: each of these changing
    // closes it, so that no action lands on another file.
    function closeHeldPopups() {
        browseMenuLoader.active = false
        browseInputWindowLoader.active = false
        deleteCheck.visible = false
    }

    function openRename() {
        browseInputWindowLoader.isCreate = false
        browseInputWindowLoader.isFolder = browseMenuLoader.isFolder
        browseInputWindowLoader.field = browseMenuLoader.name
        browseInputWindowLoader.active = true
        browseMenuLoader.active = false
    }

    function openDeleteCheck() {
        deleteCheck.visible = true
        browseMenuLoader.active = false
    }

    function openCopyChooser() {
        browseFolderBrowseLoader.folder = browse.nowFolderName
        browseMenuLoader.active = false
        browseFolderBrowseLoader.active = true
    }

    function drive() {
        return comm.currentMedia === "SD1" ? "A:" : comm.currentMedia === "SD2" ? "B:" : "C:"
    }

    function pathOf(folder, name) {
        return folder !== "" ? drive() + "\\" + folder + "\\" + name : drive() + "\\" + name
    }

    onShownRowsChanged: closeHeldPopups()

    BackScreen {
        id: browseBack
        objectName: "browseBack"

        Image {
            objectName: "viewOnlyBadge"
            x: ptSize * 18
            y: ptSize * 4
            smooth: false
            sourceSize.width: ptSize * 100
            source: "Resource/icon_100x20_viewonly.svg"
            visible: browseSelectOnly
        }

        Text {
            id: browseTitle
            objectName: "browseTitle"
            x: ptSize * 20
            y: ptSize * 30
            color: "white"
            textFormat: Text.PlainText
            font.pixelSize: ptSize * 25
            font.weight: Font.Medium
            horizontalAlignment: Text.AlignHCenter
            text: "BROWSE"
        }

        MediaIcon {
            anchors.right: parent.right
            anchors.rightMargin: ptSize * 15
            y: ptSize * 24
        }

        BrowseList {
            id: browseList
            objectName: "browsePageList"
            mode: 1
            footerSize: browseFooter.height
            anchors.top: browseTitle.bottom
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
        }

        BrowseImageButton {
            objectName: "setToCurrent"
            anchors.right: browseList.right
            anchors.rightMargin: ptSize * 20
            anchors.top: browseList.top
            anchors.topMargin: ptSize * 5
            sourceSize.width: ptSize * 135
            source: "Resource/Browse/icon_135x26_Set-to-C.svg"
            visible: browse.currentFolderNumber !== browse.nowFolderNumber && !permission.isReadOnly
                     && comm.statusIcon == 16
            // A folder still being listed has no name yet to set.
            active: browseList.folderKnown
            onClicked: browse.setToCurrentFolder()
        }

        BrowseFooter {
            id: browseFooter
            objectName: "browseFooter"
            width: parent.width
            anchors.bottom: parent.bottom
            editable: !browseReadOnly
            onCreateFolderClicked: {
                browseInputWindowLoader.isCreate = true
                browseInputWindowLoader.isFolder = true
                browseInputWindowLoader.field = ""
                browseInputWindowLoader.active = true
            }
        }

        BrowseNameInput {
            id: browseInputWindowLoader
            anchors.fill: browseList
        }

        Loader {
            id: browseMenuLoader
            objectName: "browseMenuLoader"
            anchors.fill: browseList
            active: false

            property int number: 0
            property int listViewIndex: 0
            property string name: ""
            property bool isFolder: false

            sourceComponent: isFolder ? brFolderMenuComponent : brMenuComponent
        }

        Component {
            id: brFolderMenuComponent
            BrowseFolderMenu {
            }
        }

        Component {
            id: brMenuComponent
            BrowseFileMenu {
            }
        }

        BrowseDeleteCheck {
            id: deleteCheck
            visible: false
        }

        Loader {
            id: browseFolderBrowseLoader
            objectName: "browseFolderBrowseLoader"
            anchors.fill: browseList
            active: false

            property string folder: ""

            sourceComponent: BrowseWindow {
                mode: 3
                color: "#000000"
                onClickedFolder: {
                    // Copying is editing; a listing under way has no folder yet.
                    if (!browseReadOnly && !browse.listing)
                        browse.copyFile(pathOf(browseFolderBrowseLoader.folder, browseMenuLoader.name),
                                        pathOf(browse.nowFolderName, browseMenuLoader.name))
                    browseFolderBrowseLoader.active = false
                }
                onClickedCancel: browseFolderBrowseLoader.active = false
            }
        }

        Connections {
            target: permission
            function onIsReadOnlyChanged(readOnly) {
                browseFolderBrowseLoader.active = false
                browseMenuLoader.active = false
                browseInputWindowLoader.active = false
                deleteCheck.visible = false
            }
        }

        // The copy source and every held number belong to the medium left.
        Connections {
            target: comm
            function onCurrentMediaChanged() {
                browseFolderBrowseLoader.active = false
                closeHeldPopups()
            }
        }

        BrowseNotAvailable {
            id: browseDialog
        }
    }
}
