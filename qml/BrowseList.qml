import QtQuick 2.8
import QtQuick.Controls 2.1

// The folder that the browser lists: a title bar with the folder's name, the
// up button and the current badge, and the folder's sub-folders and files.
// Mode 1 is the Browse page, 2 the playlist entry chooser, 3 the copy
// destination chooser (folders only), 4 the timer event's file chooser.
Item {
    id: browseList

    property int mode: 0
    property int footerSize: 0

    // While a folder is being listed the rows and the folder's name are not
    // yet those of the folder asked for: a file then cannot be chosen.
    readonly property bool folderKnown: !browse.listing
                                        && (browse.nowFolderNumber === 0
                                            || (browse.nowFolderNumber > 0 && browse.nowFolderName !== ""))

    signal clicked(int takeNumber, string name)

    Rectangle {
        id: nowFolderTitle
        objectName: "nowFolderTitle"
        height: ptSize * 59
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: mode === 1 ? 0 : ptSize * 14
        anchors.rightMargin: mode === 1 ? 0 : ptSize * 14
        color: "#89A3D4"

        Image {
            id: upIcon
            objectName: "upIcon"
            x: ptSize * 15
            y: ptSize * 9
            smooth: false
            sourceSize.width: ptSize * 44.1
            source: browse.nowFolderNumber === 0 ? "Resource/Browse/icon_44x44_up-G.svg"
                                                 : "Resource/Browse/icon_44x44_up-B.svg"

            MouseArea {
                objectName: "upButton"
                anchors.fill: parent
                visible: browse.nowFolderName !== ""
                onClicked: {
                    browse.upFolder()
                    folderName.stopScroll()
                }
            }
        }

        TextTapScroll {
            id: folderName
            objectName: "folderName"
            x: ptSize * 71
            anchors.bottom: parent.bottom
            height: ptSize * 27
            width: parent.width - ptSize * 71 - ptSize * 2
            font.pixelSize: ptSize * 20
            text: {
                if (browse.nowFolderNumber === 0)
                    return "ROOT"
                const name = browse.nowFolderName
                return name.substring(name.lastIndexOf("\\") + 1)
            }
        }

        Image {
            objectName: "currentBadge"
            x: ptSize * 71
            y: ptSize * 5
            smooth: false
            sourceSize.width: ptSize * 100
            source: "Resource/Browse/icon_100x24_current.svg"
            visible: browse.currentFolderNumber === browse.nowFolderNumber
        }
    }

    ListView {
        id: browseListView
        objectName: "browseListView"
        anchors.top: nowFolderTitle.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        clip: true
        model: browseModel
        footer: Item {
            height: footerSize
        }

        ScrollBar.vertical: ScrollBar {
            objectName: "browseScrollBar"
            parent: browseListView
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.right: parent.right
            anchors.rightMargin: (mode === 2 || mode === 4) ? ptSize * 3 : 0
            visible: browseListView.contentHeight > browseListView.height
            contentItem: CommonScrollBarItem {
            }
        }

        delegate: BrowseListRow {
            listMode: mode
        }
    }
}
