import QtQuick 2.8

// The login page's frame only; the machine list and the logins come with the
// page itself.
Item {
    Rectangle {
        anchors.fill: parent
        color: "black"
    }

    MouseArea {
        anchors.fill: parent
    }
}
