import QtQuick 2.8

// The black frame of a page: the application area, centred on its parent.
Rectangle {
    width: appWindow.appWidth
    height: appWindow.appHeight
    anchors.centerIn: parent
    color: "black"
}
