import QtQuick 2.8
import QtQuick.Window 2.2
import "PopupTexts.js" as PopupTexts

// The desktop window: the application area with its tab row, the five pages,
// the login page over them, the message banner and the input lock.
Window {
    id: appWindow
    objectName: "appWindow"
    title: "QUOVAL HB740 CONTROL"
    width: 450
    height: 815
    minimumWidth: 348
    minimumHeight: 631
    visible: true

    // The area keeps the aspect 1242:2148 and, with the tab row, fits the window.
    property real appHeight: width * 2148 > (height / 1.04888) * 1242 ? height / 1.04888 : width * 2148 / 1242
    property real appWidth: appHeight * 1242 / 2148
    property real ptSize: appHeight / 716
    property real headerHeight: ptSize * 35
    property int screenSelect: 0
    property int oldMessage: 0

    function execPopup(message) {
        if (popup.popupEnabled === true && message === oldMessage && message !== 100)
            return
        popup.show(PopupTexts.popupText(message))
        oldMessage = message
    }

    Rectangle {
        id: pageLayer
        anchors.fill: parent
        color: "black"

        HomeScreen {
            id: homeScreen
            objectName: "homeScreen"
            width: appWidth
            height: appHeight
            anchors.centerIn: parent
            anchors.verticalCenterOffset: headerHeight * 0.5
            visible: screenSelect === 0
        }

        MenuScreen {
            id: menuScreen
            objectName: "menuScreen"
            width: appWidth
            height: appHeight
            anchors.centerIn: parent
            anchors.verticalCenterOffset: headerHeight * 0.5
            visible: screenSelect === 1
        }

        BrowseScreen {
            id: browseScreen
            objectName: "browseScreen"
            width: appWidth
            height: appHeight
            anchors.centerIn: parent
            anchors.verticalCenterOffset: headerHeight * 0.5
            visible: screenSelect === 2 && permission.okPermission
        }

        PlaylistScreen {
            id: playlistScreen
            objectName: "playlistScreen"
            width: appWidth
            height: appHeight
            anchors.centerIn: parent
            anchors.verticalCenterOffset: headerHeight * 0.5
            visible: screenSelect === 3 && permission.okPermission
        }

        TimerEventScreen {
            id: timerEventScreen
            objectName: "timerEventScreen"
            width: appWidth
            height: appHeight
            anchors.centerIn: parent
            anchors.verticalCenterOffset: headerHeight * 0.5
            visible: screenSelect === 4 && permission.okPermission
        }

        DialogNoButton {
            objectName: "notAvailableNotice"
            text: "Not available.\nAnother HB740 Control app is currently accessing the Browse, Playlists or Timer Event Pages."
            visible: screenSelect > 1 && !permission.okPermission
        }

        // The grey band from the window's top down to the pages, behind the tabs.
        Rectangle {
            id: tabBar
            objectName: "tabBar"
            x: 0
            y: 0
            width: appWindow.width
            height: homeScreen.y
            color: "#BBBBBB"

            DesktopTab {
                id: tabHomeButton
                objectName: "tabHome"
                anchors.bottom: parent.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.horizontalCenterOffset: (width - appWidth) * 0.5
                page: 0
                icon: "home"
                iconWidth: 24.901
                iconHeight: 21.491
                onClicked: {
                    permission.returnPermission()
                    screenSelect = 0
                }
            }

            DesktopTab {
                id: tabMenuButton
                objectName: "tabMenu"
                anchors.bottom: parent.bottom
                anchors.left: tabHomeButton.right
                anchors.leftMargin: ptSize * 3.5
                page: 1
                icon: "menu"
                iconWidth: 44.691
                iconHeight: 20.125
                onClicked: {
                    permission.returnPermission()
                    screenSelect = 1
                }
            }

            DesktopTab {
                id: tabBrowseButton
                objectName: "tabBrowse"
                anchors.bottom: parent.bottom
                anchors.left: tabMenuButton.right
                anchors.leftMargin: ptSize * 3.5
                page: 2
                icon: "browse"
                iconWidth: 32.667
                iconHeight: 22.168
                onClicked: {
                    permission.requestPermission()
                    screenSelect = 2
                }
            }

            DesktopTab {
                id: tabPlaylistButton
                objectName: "tabPlaylist"
                anchors.bottom: parent.bottom
                anchors.left: tabBrowseButton.right
                anchors.leftMargin: ptSize * 3.5
                page: 3
                icon: "playlist"
                iconWidth: 44.351
                iconHeight: 26.507
                onClicked: {
                    permission.requestPermission()
                    screenSelect = 3
                }
            }

            DesktopTab {
                objectName: "tabTimerEvent"
                anchors.bottom: parent.bottom
                anchors.left: tabPlaylistButton.right
                anchors.leftMargin: ptSize * 3.5
                page: 4
                icon: "timerevent"
                iconWidth: 44.627
                iconHeight: 26.632
                onClicked: {
                    permission.requestPermission()
                    screenSelect = 4
                }
            }
        }
    }

    PhantomOnPopup {
        id: phantomOnPopup
        objectName: "phantomOnPopup"
        y: ptSize * 10
        anchors.horizontalCenter: parent.horizontalCenter

        Connections {
            target: menu
            function onPhantomOnPopup(page, item, subitem, value) {
                phantomOnPopup.show(page, item, subitem, value)
            }
        }
    }

    MouseArea {
        id: lockScreen
        objectName: "lockScreen"
        anchors.fill: parent
        visible: false
        onPressed: {
            if (homeScreen.visible === false)
                lockScreen.visible = false
        }

        Connections {
            target: comm
            function onLoginCompChanged(loginComp) {
                lockScreen.visible = false
            }
        }

        MouseArea {
            id: unlockArea
            objectName: "unlockArea"
            onDoubleClicked: lockScreen.visible = false
        }
    }

    DialogNoButton {
        id: browseDialog
        objectName: "browseDialog"
        text: browse.dialogString
        visible: browse.dialogString.length !== 0
    }

    LoginScreen {
        id: loginScreen
        objectName: "loginScreen"
        anchors.fill: parent
        visible: !comm.loginComp
    }

    PopupMessage {
        id: popup
        objectName: "popup"
        y: ptSize * 10
        anchors.horizontalCenter: parent.horizontalCenter

        Connections {
            target: comm
            function onPopupReceived(message) {
                execPopup(message)
            }
        }
        Connections {
            target: pl
            function onExecFailed() {
                execPopup(200)
            }
        }
        Connections {
            target: browse
            function onExecFailed() {
                execPopup(200)
            }
        }
    }

    // Every grant of the editing right refreshes the three editing pages.
    Connections {
        target: permission
        function onOkPermissionChanged() {
            if (permission.okPermission === true) {
                browse.restartBrowse()
                tev.startTimerEvent()
                pl.initAll()
            }
        }
    }
}
