import QtQuick 2.8
import QtQuick.Controls 2.1
import QtQuick.Window 2.2
import "PopupTexts.js" as PopupTexts

// The mobile window: the five pages side by side in a swipe view, the editing
// pages loaded while near, the login page, the banner and the lock over them.
Window {
    id: appWindow
    objectName: "appWindow"
    title: "QUOVAL HB740 CONTROL"
    width: 463
    height: 800
    minimumWidth: 0
    minimumHeight: 0
    visible: true

    property real appHeight: width * 2148 > height * 1242 ? height : width * 2148 / 1242
    property real appWidth: appHeight * 1242 / 2148
    property real ptSize: appHeight / 716
    property int oldMessage: 0

    function execPopup(message) {
        if (popup.popupEnabled === true && message === oldMessage && message !== 100)
            return
        popup.show(PopupTexts.popupText(message))
        oldMessage = message
    }

    Rectangle {
        anchors.fill: parent
        color: "black"

        SwipeView {
            id: swipeView
            objectName: "swipeView"
            anchors.fill: parent
            currentIndex: pageIndicator.currentIndex
            onCurrentIndexChanged: {
                if (currentIndex > 1)
                    permission.requestPermission()
                else
                    permission.returnPermission()
            }

            Loader {
                objectName: "homePage"
                active: SwipeView.isCurrentItem || SwipeView.isPreviousItem
                sourceComponent: Component {
                    HomeScreen {
                    }
                }
            }

            MenuScreen {
                objectName: "menuPage"
            }

            Loader {
                objectName: "browsePage"
                active: SwipeView.isCurrentItem || SwipeView.isNextItem || SwipeView.isPreviousItem
                sourceComponent: permission.okPermission ? browseScreenComponent : ngPermissionComponent
            }

            Loader {
                objectName: "playlistPage"
                active: SwipeView.isCurrentItem || SwipeView.isNextItem || SwipeView.isPreviousItem
                sourceComponent: permission.okPermission ? playlistScreenComponent : ngPermissionComponent
            }

            Loader {
                objectName: "timerEventPage"
                active: SwipeView.isCurrentItem || SwipeView.isNextItem
                sourceComponent: permission.okPermission ? timerEventScreenComponent : ngPermissionComponent
            }

            Component {
                id: browseScreenComponent
                BrowseScreen {
                    objectName: "browseScreen"
                }
            }
            Component {
                id: playlistScreenComponent
                PlaylistScreen {
                    objectName: "playlistScreen"
                }
            }
            Component {
                id: timerEventScreenComponent
                TimerEventScreen {
                    objectName: "timerEventScreen"
                }
            }
            Component {
                id: ngPermissionComponent
                DialogNoButton {
                    objectName: "notAvailableNotice"
                    text: "Not available.\nAnother HB740 Control app is currently accessing the Browse, Playlists or Timer Event Pages."
                }
            }
        }

        PageIndicator {
            id: pageIndicator
            objectName: "pageIndicator"
            anchors.top: parent.top
            anchors.horizontalCenter: parent.horizontalCenter
            count: swipeView.count
            currentIndex: swipeView.currentIndex
            interactive: true

            delegate: Item {
                width: ptSize * 12
                height: width
                opacity: index === pageIndicator.currentIndex ? 1 : pressed ? 0.9 : 0.6

                Behavior on opacity {
                    OpacityAnimator {
                        duration: 200
                    }
                }

                Rectangle {
                    anchors.centerIn: parent
                    implicitWidth: ptSize * (index === pageIndicator.currentIndex ? 12 : 8)
                    implicitHeight: implicitWidth
                    radius: width / 2
                    color: index === pageIndicator.currentIndex ? "white" : "#909090"
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
            if (swipeView.currentIndex !== 0)
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
