import QtQuick 2.8

// A value of the information panel shown as an image, its label to its left.
SizedImage {
    id: infoImage
    property alias label: infoImageLabel.text

    height: ptSize * 22

    InfoLabel {
        id: infoImageLabel
        anchors.right: infoImage.left
        anchors.rightMargin: ptSize * 12
        height: infoImage.height
    }
}
