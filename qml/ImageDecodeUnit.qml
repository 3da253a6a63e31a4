import QtQuick 2.8

// The size unit the images are decoded at (SizedImage): it catches up with
// the window's ptSize only once a resize has settled, so that dragging the
// window's edge does not decode every image again at every step.
Timer {
    property real unit: ptSize
    readonly property real followed: ptSize

    interval: 250
    onFollowedChanged: restart()
    onTriggered: unit = ptSize
    // From here on it moves only through the timer.
    Component.onCompleted: unit = ptSize
}
