import QtQuick 2.8
import QtQuick.Controls 2.1

// The upper page of the Home screen: the recorder's front display and the
// controls around it. It shows the play view after stop, play and play pause
// and the record view after record and record pause.
Item {
    id: homeMainRoot

    // True: the play view; false: the record view. Only the status handler writes it.
    property bool playOnly: true

    BackScreen {
        id: homeBack
        objectName: "homeBack"

        SizedImage {
            id: display
            objectName: "display"
            x: ptSize * 9
            y: ptSize * 83
            width: ptSize * 396
            height: ptSize * 212
            source: "Resource/display_396x212_3.png"

            HomeIndicators {
                anchors.fill: parent
                playView: playOnly
            }

            HomeDisplayTexts {
                anchors.fill: parent
                playView: playOnly
            }

            SizedImage {
                id: statusIcon
                objectName: "statusIcon"
                x: ptSize * 11
                y: ptSize * 67
                width: ptSize * 78
                height: ptSize * 32
                fillMode: Image.PreserveAspectFit
                source: ""

                // Follows the recorder's transport state from its first change on.
                Connections {
                    target: comm
                    function onStatusIconChanged() {
                        const status = comm.statusIcon
                        if (status === 16) {
                            statusIcon.source = "Resource/Transport_STOP_3.png"
                            playOnly = true
                        } else if (status === 17 || status === 18) {
                            statusIcon.source = status === 17 ? "Resource/Transport_PLAY_3.png"
                                                              : "Resource/Transport_PLAYPAUSE_3.png"
                            playOnly = true
                            // The play-mode list hides the lock key; the key
                            // comes back with the list closing.
                            if (homePlayMode.playModeDropdownVisible)
                                lockButton.visible = true
                            homePlayMode.playModeDropdownVisible = false
                            homePlayArea.playAreaDropdownVisible = false
                            homeCurrentMedia.currentMediaDropdownVisible = false
                        } else if (status === 129 || status === 130 || status === 131) {
                            statusIcon.source = status === 129 ? "Resource/Transport_REC_3.png"
                                                               : "Resource/Transport_RECPAUSE_3.png"
                            playOnly = false
                            homeCurrentMedia.currentMediaDropdownVisible = false
                            homeSettingWindowLoader.active = false
                        } else {
                            statusIcon.source = ""
                        }
                    }
                }
            }

            HomeTimeBar {
            }
        }

        HomeCurrentMedia {
            id: homeCurrentMedia
            objectName: "homeCurrentMedia"
        }

        HomePlayArea {
            id: homePlayArea
            objectName: "homePlayArea"
            visible: playOnly
        }

        HomePlayMode {
            id: homePlayMode
            objectName: "homePlayMode"
            visible: playOnly
        }

        HomeRecFormat {
            objectName: "homeRecFormat"
            visible: !playOnly
        }

        HomeRecFs {
            objectName: "homeRecFs"
            visible: !playOnly
        }

        HomeLevelMeter {
            visible: !homeLevelMeterMono.visible
        }

        HomeLevelMeterMono {
            id: homeLevelMeterMono
            objectName: "homeLevelMeterMono"
            visible: !playOnly && comm.monoMix
        }

        HomeTransportButtons {
            objectName: "homeTransportButtons"
        }

        HomeLabelButton {
            id: markButton
            objectName: "markButton"
            x: ptSize * 26
            y: ptSize * 562
            width: ptSize * 168
            height: ptSize * 44
            text: "MARK"
            onImage: "Resource/buton_MARK_ON_168x44_3.png"
            offImage: "Resource/buton_MARK_OFF_168x44_3.png"
            visible: comm.currentMedia !== "CD"
            // A mark belongs to the moment of the press.
            onPressed: comm.markRequest()
        }

        HomeLabelButton {
            id: displayButton
            objectName: "displayButton"
            anchors.right: parent.right
            anchors.rightMargin: ptSize * 26
            anchors.bottom: markButton.bottom
            width: ptSize * 132
            height: ptSize * 31
            text: "DISPLAY"
            labelColor: "white"
            onImage: "Resource/Oval_ON_132x31_3.png"
            offImage: "Resource/Oval_OFF_132x31_3.png"
            onClicked: comm.displayMode = !comm.displayMode
        }

        HomeLabelButton {
            id: timeSearchButton
            objectName: "timeSearchButton"
            x: displayButton.x
            anchors.top: displayButton.top
            anchors.topMargin: ptSize * 61
            width: ptSize * 132
            height: ptSize * 31
            text: "TIME SEARCH"
            labelColor: playOnly ? "white" : "gray"
            onImage: "Resource/Oval_ON_132x31_3.png"
            offImage: "Resource/Oval_OFF_132x31_3.png"
            pressedLook: down && playOnly
            onClicked: {
                if (playOnly)
                    timeSearchWindowLoader.active = !timeSearchWindowLoader.active
            }
        }

        // The time-search window; every opening starts afresh.
        Loader {
            id: timeSearchWindowLoader
            objectName: "timeSearchWindowLoader"
            anchors.fill: parent
            sourceComponent: Component { HomeTimeSearch {} }
            active: false
        }

        SizedImage {
            id: pageArrow
            objectName: "pageArrow"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            width: ptSize * 10
            height: width
            source: "Resource/page_10x10_3.png"
            // Down to the information panel, up back to the display.
            rotation: mainFlick.atYBeginning ? 0 : 180

            MouseArea {
                objectName: "pageArrowArea"
                anchors.centerIn: parent
                width: ptSize * 40
                height: width
                onClicked: {
                    if (mainFlick.atYBeginning)
                        mainFlickToDown.start()
                    else
                        mainFlickToUp.start()
                }
            }
        }

        // The settings window; every opening starts afresh.
        Loader {
            id: homeSettingWindowLoader
            objectName: "homeSettingWindowLoader"
            anchors.fill: parent
            sourceComponent: Component { HomeSettingWindow {} }
            active: false
        }

        // Above the settings window, so that it also closes it.
        Button {
            id: settingButton
            objectName: "settingButton"
            x: ptSize * 26
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 15
            width: ptSize * 48
            height: ptSize * 48
            enabled: playOnly
            opacity: enabled ? 1 : 0.5
            background: SizedImage {
                source: homeSettingWindowLoader.active ? "Resource/Gear_ON_48x48_3.png" : "Resource/Gear_OFF_48x48_3.png"
            }
            onClicked: homeSettingWindowLoader.active = !homeSettingWindowLoader.active
        }
    }

    // The lock key, above everything on the page. Its centre stays in place
    // while it grows under a press on the locked window.
    Button {
        id: lockButton
        objectName: "lockButton"
        width: lockScreen.pressed ? ptSize * 70 : ptSize * 66
        height: width
        x: homeMainRoot.width * 0.5 + ptSize * 152 - width * 0.5
        y: homeMainRoot.height * 0.5 - ptSize * 131 - height * 0.5
        background: SizedImage {
            source: lockScreen.visible ? "Resource/KEY-ON_66x66_3.png" : "Resource/KEY-OFF_66x66_3.png"
        }
        onDoubleClicked: {
            lockScreen.visible = true
            unlockArea.visible = true
        }

        // The window's unlock area lies over the key wherever the key goes:
        // with the window's size, the page's scrolling and the key's growth.
        Component.onCompleted: {
            if (isDesktop) {
                unlockArea.x = Qt.binding(function() {
                    return (appWindow.width - appWidth) * 0.5 + lockButton.x
                })
                unlockArea.y = Qt.binding(function() {
                    return (appWindow.height - appHeight - headerHeight) * 0.5
                           + (lockButton.y - mainFlick.contentY) + headerHeight
                })
            } else {
                unlockArea.x = Qt.binding(function() { return lockButton.x })
                unlockArea.y = Qt.binding(function() { return lockButton.y - mainFlick.contentY })
            }
            unlockArea.width = Qt.binding(function() { return lockButton.width })
            unlockArea.height = Qt.binding(function() { return lockButton.height })
        }
    }
}
