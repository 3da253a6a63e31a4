import QtQuick 2.8

// The settings window: flash load, A-B repeat, pitch and key. It keeps no
// setting of its own: every control asks the recorder, and what it shows is
// the recorder's last report. A click outside the panel closes it.
MouseArea {
    id: settingRoot
    objectName: "settingWindow"
    width: appWindow.width
    height: appWindow.height
    anchors.centerIn: parent

    onClicked: homeSettingWindowLoader.active = false

    SizedImage {
        id: settingPanel
        objectName: "settingPanel"
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: ptSize * 412
        height: ptSize * 332
        source: "Resource/set_back_412x332_3.png"

        // Clicks between the controls keep the window open.
        MouseArea {
            anchors.fill: parent
        }

        SettingAbRow {
            anchors.fill: parent
        }

        SettingPitchBlock {
            anchors.fill: parent
        }

        SettingKeyBlock {
            anchors.fill: parent
        }
    }
}
