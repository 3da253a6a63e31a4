import QtQuick 2.8

// The folder and file chooser: a folder list in a panel over a dimmed page,
// with a footer of buttons. Its user closes it on every signal it handles.
Rectangle {
    id: browseWindow
    objectName: "browseWindow"
    color: "#99000000"

    property alias mode: browseListWindow.mode

    signal clicked(int takeNumber, string name)
    signal clickedFolder()
    signal clickedCancel()
    signal clickedInput()

    MouseArea {
        objectName: "chooserSurround"
        anchors.fill: parent
        onClicked: clickedCancel()
    }

    Rectangle {
        id: chooserPanel
        objectName: "chooserPanel"
        width: ptSize * 368
        height: ptSize * 643
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        color: "black"
        radius: ptSize * 14
        border.color: "#707070"
        border.width: ptSize * 4

        MouseArea {
            anchors.fill: parent
        }

        BrowseList {
            id: browseListWindow
            objectName: "chooserList"
            anchors.fill: parent
            anchors.topMargin: ptSize * 19
            anchors.bottomMargin: ptSize * 4
            footerSize: windowFooter.height
            onClicked: browseWindow.clicked(takeNumber, name)
        }

        Image {
            id: windowFooter
            objectName: "chooserFooter"
            sourceSize.width: ptSize * 360.1
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 4
            source: "Resource/Browse/area_360x55_cancel.svg"

            MouseArea {
                anchors.fill: parent
                onClicked: clickedCancel()
            }

            Text {
                objectName: "chooserPaste"
                width: ptSize * 80
                height: ptSize * 50
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: ptSize * -90
                color: "white"
                font.pixelSize: ptSize * 20
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                textFormat: Text.PlainText
                text: "Paste"
                visible: mode === 3
                // The destination is the folder listed: only once it is known.
                opacity: browseListWindow.folderKnown ? 1 : 0.5

                MouseArea {
                    objectName: "chooserPasteArea"
                    anchors.fill: parent
                    enabled: browseListWindow.folderKnown
                    onClicked: clickedFolder()
                }
            }

            Image {
                objectName: "chooserInput"
                smooth: false
                sourceSize.width: ptSize * 47
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: ptSize * -90
                source: "Resource/Browse/icon_47x30_rename-W.svg"
                visible: mode === 4

                MouseArea {
                    objectName: "chooserInputArea"
                    anchors.fill: parent
                    onClicked: clickedInput()
                }
            }

            Text {
                objectName: "chooserCancel"
                width: ptSize * 80
                height: ptSize * 50
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: ptSize * ((mode === 3 || mode === 4) ? 90 : 0)
                color: "white"
                font.pixelSize: ptSize * 20
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                textFormat: Text.PlainText
                text: "Cancel"

                MouseArea {
                    objectName: "chooserCancelArea"
                    anchors.fill: parent
                    onClicked: clickedCancel()
                }
            }
        }
    }
}
