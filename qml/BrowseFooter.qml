import QtQuick 2.8

// The Browse page's bottom bar: new folder, back to the current folder,
// sorting and undo.
Rectangle {
    color: "#E62F3E5B"
    border.color: "black"
    border.width: 1
    height: ptSize * 66 + 2

    // Editing is possible only while the recorder is stopped in CONTINUE.
    property bool editable: false

    signal createFolderClicked()

    // The bar takes the clicks that miss its buttons.
    MouseArea {
        anchors.fill: parent
    }

    BrowseImageButton {
        objectName: "footerCreateFolder"
        x: ptSize * 20
        anchors.verticalCenter: parent.verticalCenter
        sourceSize.width: ptSize * 44
        source: "Resource/Browse/icon_44x44_CreateFolder.svg"
        active: editable
        onClicked: createFolderClicked()
    }

    BrowseImageButton {
        objectName: "footerGotoCurrent"
        x: ptSize * 102.5
        anchors.verticalCenter: parent.verticalCenter
        sourceSize.width: ptSize * 44
        source: "Resource/Browse/icon_44x44_GotoCurrent.svg"
        onClicked: browse.goToCurrentFolder()
    }

    BrowseImageButton {
        objectName: "footerSortTime"
        x: ptSize * 185
        anchors.verticalCenter: parent.verticalCenter
        sourceSize.width: ptSize * 44
        source: "Resource/Browse/icon_44x44_sort-by-Time.svg"
        active: editable
        onClicked: browse.sortByTime()
    }

    BrowseImageButton {
        objectName: "footerSortName"
        x: ptSize * 267.5
        anchors.verticalCenter: parent.verticalCenter
        sourceSize.width: ptSize * 44
        source: "Resource/Browse/icon_44x44_sort-by-Name.svg"
        active: editable
        onClicked: browse.sortByName()
    }

    BrowseImageButton {
        objectName: "footerUndo"
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 20
        anchors.verticalCenter: parent.verticalCenter
        sourceSize.width: ptSize * 44
        source: "Resource/Browse/icon_44x44_undo.svg"
        active: editable
        onClicked: browse.undo()
    }
}
