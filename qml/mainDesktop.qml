import QtQuick 2.8
import QtQuick.Window 2.2
import "Palette.js" as Palette

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
    readonly property real imagePtSize: imageDecodeUnit.unit
    property int screenSelect: 0

    // The window's overlays, for the pages.
    readonly property Item popup: overlays.banner
    readonly property Item phantomOnPopup: overlays.phantomConfirmation
    readonly property Item lockScreen: overlays.lock
    readonly property Item unlockArea: overlays.unlockSpot

    // A tab's page: the editing right follows, then the page shows.
    function selectPage(page) {
        overlays.followEditingRight(page)
        screenSelect = page
    }

    // The editing pages show only while the editing right is held.
    function pageShown(page) {
        return screenSelect === page && (page < 2 || permission.okPermission)
    }

    Rectangle {
        id: pageLayer
        anchors.fill: parent
        color: Palette.pageBack

        // The application area, below the tab row; each page fills it.
        Item {
            id: pageArea
            width: appWidth
            height: appHeight
            anchors.centerIn: parent
            anchors.verticalCenterOffset: headerHeight * 0.5

            PageLoader {
                source: "HomeScreen.qml"
                pageName: "homeScreen"
                visible: pageShown(0)
            }

            PageLoader {
                source: "MenuScreen.qml"
                pageName: "menuScreen"
                visible: pageShown(1)
            }

            PageLoader {
                source: "BrowseScreen.qml"
                pageName: "browseScreen"
                visible: pageShown(2)
            }

            PageLoader {
                source: "PlaylistScreen.qml"
                pageName: "playlistScreen"
                visible: pageShown(3)
            }

            PageLoader {
                source: "TimerEventScreen.qml"
                pageName: "timerEventScreen"
                visible: pageShown(4)
            }
        }

        NotAvailableNotice {
            visible: screenSelect > 1 && !permission.okPermission
        }

        // The grey band from the window's top down to the pages, behind the tabs.
        Rectangle {
            id: tabBar
            objectName: "tabBar"
            x: 0
            y: 0
            width: appWindow.width
            height: pageArea.y
            color: "#BBBBBB"

            DesktopTab {
                id: tabHomeButton
                objectName: "tabHome"
                anchors.bottom: parent.bottom
                // The first tab starts at the application area's left edge.
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.horizontalCenterOffset: (width - appWidth) * 0.5
                page: 0
                icon: "home"
                iconWidth: 24.901
                iconHeight: 21.491
                onClicked: selectPage(page)
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
                onClicked: selectPage(page)
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
                onClicked: selectPage(page)
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
                onClicked: selectPage(page)
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
                onClicked: selectPage(page)
            }
        }
    }

    ImageDecodeUnit {
        id: imageDecodeUnit
    }

    WindowOverlays {
        id: overlays
        anchors.fill: parent
        homePageShown: pageShown(0)
    }
}
