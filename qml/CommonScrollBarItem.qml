import QtQuick 2.8

// The handle of the lists' vertical scroll bars.
Rectangle {
    implicitWidth: ptSize * 20
    radius: width * 0.5
    color: "#B329ABE2"
    border.color: "#464646"
    border.width: 1
    opacity: parent.pressed ? 0.9 : 0.7
}
