import QtQuick 2.8
import QtQuick.Controls 2.1
import "Palette.js" as Palette

// The login page's list of the machines that discovery found, with the
// refresh button below the last row and "Searching..." over it until the
// first results are listed. The page gives the rows.
Rectangle {
    id: machineList
    objectName: "loginnew"
    color: Palette.transparent

    // The machines as last published.
    property alias machines: loginListView.model
    property alias rowDelegate: loginListView.delegate
    property bool searching: false

    // A click below the rows, or the refresh button: no row is selected.
    signal deselected()

    ListView {
        id: loginListView
        objectName: "loginListView"
        anchors.fill: parent
        clip: true
        // Not there until discovery first publishes it.
        model: typeof loginModel !== "undefined" ? loginModel : null

        ScrollBar.vertical: ScrollBar {
            objectName: "loginScrollBar"
            anchors.top: loginListView.top
            anchors.bottom: loginListView.bottom
            anchors.right: loginListView.right
            visible: loginListView.contentHeight > loginListView.height
            contentItem: CommonScrollBarItem {
            }
        }

        footer: Rectangle {
            objectName: "loginFooter"
            width: loginListView.width
            height: ptSize * 180
            color: Palette.transparent

            MouseArea {
                anchors.fill: parent
                onClicked: machineList.deselected()
            }

            Button {
                id: loginrefresh
                objectName: "loginrefresh"
                x: (parent.width - width) * 0.5
                y: ptSize * 20
                width: ptSize * 125
                height: ptSize * 45
                visible: udpc.showRefresh
                background: Image {
                    id: reload_image
                    sourceSize.width: ptSize * 125
                    smooth: false
                    source: "Resource/login/icon_125x45_reload.svg"
                }
                onClicked: {
                    machineList.deselected()
                    udpc.refreshList()
                }
            }
        }
    }

    BusyOverlay {
        id: login_searching
        objectName: "login_searching"
        text: "Searching..."
        visible: machineList.searching
    }
}
