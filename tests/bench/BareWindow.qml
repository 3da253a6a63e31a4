import QtQuick 2.8
import QtQuick.Controls 2.1

ApplicationWindow {
    title: "BARE WINDOW"
    width: 450
    height: 815
    visible: true

    Label {
        anchors.centerIn: parent
        text: "BARE WINDOW"
    }
}
