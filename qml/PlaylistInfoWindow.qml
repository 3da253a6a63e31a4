import QtQuick 2.8

// The details of one entry of the current playlist, as the recorder reports them.
Rectangle {
    id: infoWindow
    objectName: "plInfoWindow"
    width: ptSize * 325
    height: ptSize * 170
    color: "#DCDCDC"
    radius: ptSize * 10
    border.color: "black"
    border.width: ptSize * 3

    MouseArea {
        anchors.fill: parent
    }

    Text {
        objectName: "infoFolderText"
        x: ptSize * 20
        y: ptSize * 19
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 14
        text: comm.currentMedia + " ROOT" + pl.infoFolder
    }

    Rectangle {
        id: upperLine
        x: ptSize * 20
        y: ptSize * 39
        width: ptSize * 285
        height: ptSize * 2
        color: "#878787"
    }

    Rectangle {
        id: infoNo
        anchors.top: upperLine.bottom
        anchors.left: upperLine.left
        width: ptSize * 63
        height: ptSize * 25
        color: "black"

        Text {
            id: noText
            x: ptSize * 4
            y: ptSize * 8
            color: "white"
            textFormat: Text.PlainText
            font.pixelSize: ptSize * 13
            text: "No."
        }

        Text {
            objectName: "infoNumberText"
            anchors.left: noText.right
            anchors.bottom: noText.bottom
            anchors.bottomMargin: ptSize * 2
            color: "white"
            textFormat: Text.PlainText
            font.pixelSize: ptSize * 21
            text: plInfoWindowLoader.number + 1
        }
    }

    TextTapScroll {
        objectName: "infoEntryName"
        y: ptSize * 71
        anchors.left: upperLine.left
        width: ptSize * 285
        height: ptSize * 21
        font.pixelSize: ptSize * 18
        text: pl.getEntryName(plInfoWindowLoader.number)
    }

    Text {
        objectName: "infoDataAText"
        x: ptSize * 20
        y: ptSize * 121
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 14
        text: pl.infoDataA
    }

    Image {
        x: ptSize * 285
        y: ptSize * 115
        sourceSize.width: ptSize * 20
        source: "Resource/Playlist/icon_20x20_close.svg"
    }

    MouseArea {
        objectName: "infoCloseArea"
        x: ptSize * 275
        y: ptSize * 105
        width: ptSize * 40
        height: ptSize * 40
        onClicked: plInfoWindowLoader.active = false
    }

    Rectangle {
        x: ptSize * 20
        y: ptSize * 138
        width: ptSize * 285
        height: ptSize * 2
        color: "#878787"
    }

    Text {
        objectName: "infoDataBText"
        x: ptSize * 20
        y: ptSize * 143
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 14
        text: pl.infoDataB
    }

    Text {
        objectName: "infoDateTimeText"
        y: ptSize * 143
        anchors.right: upperLine.right
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 14
        text: pl.infoDateTime
    }
}
