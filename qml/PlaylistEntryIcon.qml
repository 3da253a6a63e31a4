import QtQuick 2.8

// A folder and the number of entries of the current playlist.
Image {
    id: entryIcon
    sourceSize.height: ptSize * 18
    smooth: false
    source: "Resource/Playlist/icon_19x18_playfolder_White.svg"

    Text {
        objectName: "entryCountText"
        anchors.left: parent.right
        anchors.leftMargin: ptSize * 3
        anchors.bottom: parent.bottom
        color: "white"
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 16
        text: pl.allEntryNumber
    }
}
