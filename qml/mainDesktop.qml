import QtQuick 2.8
import QtQuick.Window 2.2

Window {
    id: appWindow
    title: "QUOVAL HB740 CONTROL"
    width: 450
    height: 815
    minimumWidth: 348
    minimumHeight: 631
    visible: true

    Rectangle {
        anchors.fill: parent
        color: "black"
    }
}
