import QtQuick 2.8

// A choice row of the type and record-input editors, white while chosen.
MouseArea {
    property bool selected: false

    x: ptSize * 12.5
    width: ptSize * 300
    height: ptSize * 44

    Rectangle {
        anchors.fill: parent
        radius: ptSize * 2
        color: selected ? "white" : "transparent"
        border.color: "#C8C8C8"
        border.width: ptSize * 1
    }

    Rectangle {
        x: ptSize * 261
        y: ptSize * 12
        width: ptSize * 22
        height: ptSize * 22
        radius: ptSize * 3
        color: "transparent"
        border.color: "#878787"
        border.width: ptSize * 1
    }
}
