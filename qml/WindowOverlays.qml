import QtQuick 2.8
import "PopupTexts.js" as PopupTexts

// What both application windows lay over their pages, in this stacking order:
// the phantom-power confirmation, the input lock, the notice of a running
// browse operation, the login page and the message banner. Also the rules of
// the editing right that both windows follow.
Item {
    id: overlays

    // While the Home page is the page shown a press on the lock does not lift it.
    property bool homePageShown: true
    // The last pop-up code shown.
    property int oldMessage: 0

    // For the pages, which reach these through the window.
    readonly property Item banner: popup
    readonly property Item phantomConfirmation: phantomOnPopup
    readonly property Item lock: lockScreen
    readonly property Item unlockSpot: unlockArea

    // The editing pages (2 to 4) ask for the editing right, Home and Menu give it back.
    function followEditingRight(page) {
        if (page > 1)
            permission.requestPermission()
        else
            permission.returnPermission()
    }

    function execPopup(message) {
        if (popup.popupEnabled === true && message === oldMessage && message !== 100)
            return
        popup.show(PopupTexts.popupText(message))
        oldMessage = message
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
            if (!overlays.homePageShown)
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
