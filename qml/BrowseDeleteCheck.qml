import QtQuick 2.8

// Asks before a folder or file is deleted; the menu that asked holds its number.
DialogNoButton {
    objectName: "deleteCheck"
    text: (browseMenuLoader.isFolder ? "Delete selected folder?\n" : "Delete selected file?\n") + browseMenuLoader.name

    TimerEventButtonRect {
        objectName: "deleteOk"
        x: ptSize * 86
        y: ptSize * 242
        text: "OK"
        onClicked: {
            // Editing may have been switched off since the question was asked.
            if (!browseReadOnly) {
                if (browseMenuLoader.isFolder)
                    browse.deleteFolder(browseMenuLoader.number)
                else
                    browse.deleteFile(browseMenuLoader.number)
            }
            deleteCheck.visible = false
        }
    }

    TimerEventButtonRect {
        objectName: "deleteCancel"
        x: ptSize * 228
        y: ptSize * 242
        text: "Cancel"
        onClicked: deleteCheck.visible = false
    }
}
