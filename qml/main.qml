import QtQuick 2.8
import QtQuick.Controls 2.1
import QtQuick.Window 2.2
import "Palette.js" as Palette

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
    readonly property real imagePtSize: imageDecodeUnit.unit
    // No tab row above the pages here.
    readonly property real headerHeight: 0

    // The window's overlays, for the pages.
    readonly property Item popup: overlays.banner
    readonly property Item phantomOnPopup: overlays.phantomConfirmation
    readonly property Item lockScreen: overlays.lock
    readonly property Item unlockArea: overlays.unlockSpot

    Rectangle {
        anchors.fill: parent
        color: Palette.pageBack

        SwipeView {
            id: swipeView
            objectName: "swipeView"
            anchors.fill: parent
            currentIndex: pageIndicator.currentIndex
            onCurrentIndexChanged: overlays.followEditingRight(currentIndex)

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
                NotAvailableNotice {
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

    ImageDecodeUnit {
        id: imageDecodeUnit
    }

    WindowOverlays {
        id: overlays
        anchors.fill: parent
        homePageShown: swipeView.currentIndex === 0
    }
}
