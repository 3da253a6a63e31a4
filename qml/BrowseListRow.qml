import QtQuick 2.8

// One folder or file of the listed folder. A click opens a folder; on a
// file it opens the Browse page's file menu (mode 1) or chooses the file.
Rectangle {
    id: row
    objectName: "browseRow"

    property int listMode: 0
    readonly property bool isFolder: modelData.type === 0
    readonly property bool hidden: !isFolder && listMode === 3

    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    radius: ptSize * 5
    width: ptSize * (listMode === 1 ? 404 : 340)
    height: hidden ? 0 : ptSize * 44
    visible: !hidden
    color: index % 2 === 0 ? "#272727" : "black"

    MouseArea {
        id: rowArea
        objectName: "rowArea"
        anchors.fill: parent

        function execEvent() {
            if (isFolder) {
                folderName.stopScroll()
                browse.openFolder(modelData.number)
                return
            }
            // Rows left from the folder before, or a folder whose name is
            // not known yet, offer nothing to act on.
            if (!browseList.folderKnown)
                return
            if (listMode === 1) {
                browse.queryInfo(modelData.number)
                browseMenuLoader.name = modelData.name
                browseMenuLoader.number = modelData.number
                browseMenuLoader.isFolder = false
                browseMenuLoader.listViewIndex = index
                browseMenuLoader.active = true
            } else {
                browseList.clicked(modelData.number, modelData.name)
            }
        }

        onClicked: execEvent()

        Image {
            id: icon
            objectName: "rowIcon"
            smooth: false
            sourceSize.height: ptSize * 44
            source: isFolder ? (modelData.number === browse.currentFolderNumber
                                ? "Resource/Browse/icon_52x44_CurrentFolder.svg"
                                : "Resource/Browse/icon_52x44_Folder.svg")
                             : (listMode === 1 && modelData.number === browse.currentFileNumber
                                ? "Resource/Browse/icon_52x44_FileCheck.svg"
                                : "Resource/Browse/icon_52x44_File.svg")
        }

        TextTapScroll {
            objectName: "rowName"
            anchors.left: icon.right
            anchors.leftMargin: ptSize * (listMode === 1 ? 18 : 15)
            height: ptSize * 44
            width: ptSize * (listMode === 1 && !isFolder ? 315 : 271)
            font.pixelSize: ptSize * 18
            color: "white"
            verticalAlignment: Text.AlignVCenter
            pressAndHoldMode: true
            text: modelData.name
            onClicked: parent.execEvent()
        }
    }

    Image {
        objectName: "rowMenu"
        smooth: false
        sourceSize.width: ptSize * 36
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 20
        anchors.verticalCenter: parent.verticalCenter
        source: "Resource/Browse/icon_36x36_Menu.svg"
        visible: isFolder && listMode === 1

        MouseArea {
            objectName: "rowMenuArea"
            anchors.fill: parent
            onClicked: {
                browseMenuLoader.name = modelData.name
                browseMenuLoader.number = modelData.number
                browseMenuLoader.isFolder = true
                browseMenuLoader.active = true
            }
        }
    }
}
