import QtQuick 2.8

// The bar beside one page of twelve entry rows, naming the page at both ends.
Rectangle {
    objectName: "entryPageBar"

    property int pageNumber: 0

    x: 0
    y: (pageNumber - 1) * ptSize * 564
    width: ptSize * 33
    height: ptSize * 561
    color: "#272727"

    Text {
        y: ptSize * 6
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#878787"
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 12
        font.weight: Font.Light
        text: "PAGE"
    }

    Text {
        objectName: "pageNumberText"
        y: ptSize * 21
        anchors.horizontalCenter: parent.horizontalCenter
        color: "white"
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 20
        font.weight: Font.Medium
        text: pageNumber
    }

    Text {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: ptSize * 19
        anchors.horizontalCenter: parent.horizontalCenter
        color: "white"
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 20
        font.weight: Font.Medium
        text: pageNumber
    }

    Text {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: ptSize * 3
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#878787"
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 12
        font.weight: Font.Light
        text: "PAGE"
    }
}
