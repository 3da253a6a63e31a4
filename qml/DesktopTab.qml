import QtQuick 2.8

// One picture tab of the desktop window's tab row; black while its page shows.
Rectangle {
    id: tab
    width: ptSize * 80
    height: headerHeight

    property int page: 0
    property string icon: ""
    property real iconWidth: 0
    property real iconHeight: 0
    readonly property bool selected: screenSelect === page
    signal clicked()

    color: selected ? "black" : "#7F7F7F"
    border.width: ptSize * 1
    border.color: selected ? "black" : "#4A4A4A"

    Image {
        anchors.centerIn: parent
        sourceSize.width: ptSize * tab.iconWidth
        sourceSize.height: ptSize * tab.iconHeight
        smooth: false
        source: "Resource/tab/" + tab.icon + (tab.selected ? "_white.svg" : ".svg")
    }

    MouseArea {
        anchors.fill: parent
        onClicked: tab.clicked()
    }
}
