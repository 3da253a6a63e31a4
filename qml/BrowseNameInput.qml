import QtQuick 2.8

// The name input of the Browse page: a new folder's name, or the new name
// of the folder or file whose menu was open.
Loader {
    id: browseInputWindowLoader
    objectName: "browseInputWindowLoader"
    active: false

    property string field: ""
    property bool isCreate: true
    property bool isFolder: true

    sourceComponent: InputWindow {
        objectName: "browseInputWindow"
        title: browseInputWindowLoader.isCreate ? "New folder name"
                                                : browseInputWindowLoader.isFolder ? "Rename folder" : "Rename file"
        field: browseInputWindowLoader.field
        onClickedOk: {
            // Editing may have been switched off since the input opened.
            if (!browseReadOnly) {
                if (browseInputWindowLoader.isCreate) {
                    if (browseInputWindowLoader.isFolder)
                        browse.createFolder(inputText)
                } else if (browseInputWindowLoader.isFolder) {
                    browse.renameFolder(browseMenuLoader.number, inputText)
                } else {
                    browse.renameFile(browseMenuLoader.number, inputText, browseInputWindowLoader.field)
                }
            }
            browseInputWindowLoader.active = false
        }
        onClickedCancel: browseInputWindowLoader.active = false
    }
}
