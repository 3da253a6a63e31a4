import QtQuick 2.8

// An image that acts as a button; dimmed and inert while not enabled.
Image {
    id: imageButton

    property bool active: true
    signal clicked()

    smooth: false
    opacity: active ? 1 : 0.5

    MouseArea {
        objectName: imageButton.objectName + "Area"
        anchors.fill: parent
        enabled: imageButton.active
        onClicked: imageButton.clicked()
    }
}
