import QtQuick 2.8

// The confirmation before phantom power is switched on: it holds back one
// edit of the device menu until the operator confirms it. Any way it goes
// away other than OK counts as Cancel, so that the edited row goes back to
// the recorder's value; at the end of the session it just goes, since its
// edit and rows went with the session.
Rectangle {
    id: popupMessage
    width: ptSize * 400
    height: ptSize * 80
    color: "#E8E8E8"
    radius: ptSize * 3
    opacity: 0

    property int page: 0
    property int item: 0
    property int subitem: 0
    property int value: 0
    // Waiting for an answer: the buttons and the click catcher show.
    property bool answerable: false

    function show(i, j, k, l) {
        buttons.ready()
        popup.hide()
        // Only the last edit can be confirmed: a row whose edit waited goes
        // back to the recorder's value, unless it is the row edited again.
        if (answerable && (i !== page || j !== item || k !== subitem))
            menu.subitemValueRequest(page, item, subitem)
        page = i
        item = j
        subitem = k
        value = l
        // From wherever a running fade has got to: a fade-out must not go on
        // to hide a box whose buttons are live.
        popupAnimation.stop()
        popupAnimation.from = popupMessage.opacity
        popupAnimation.to = 1
        popupAnimation.start()
        answerable = true
    }

    function hide() {
        close(true)
    }

    function close(putRowBack) {
        const waiting = answerable
        // Just shown, the box is still transparent but already waits for an answer.
        if (popupMessage.opacity === 0 && !waiting)
            return
        answerable = false
        if (waiting && putRowBack)
            menu.changedCommandMenuData()
        if (popupAnimation.running && popupAnimation.to === 0)
            return
        popupAnimation.stop()
        popupAnimation.from = popupMessage.opacity
        popupAnimation.to = 0
        popupAnimation.start()
    }

    // Takes every press on the box while it can be answered.
    MouseArea {
        id: popupMouseArea
        objectName: "phantomCatcher"
        anchors.fill: parent
        visible: popupMessage.answerable
    }

    Text {
        id: popupMessageText
        objectName: "phantomText"
        x: ptSize * 11
        y: ptSize * 11
        color: "black"
        font.pixelSize: ptSize * 18
        wrapMode: Text.WordWrap
        textFormat: Text.PlainText
        text: "Phantom power ON?"
    }

    // Hidden until the box is first shown, so made after the first frame.
    LaterLoader {
        id: buttons
        anchors.fill: parent
        sourceComponent: Component {
            Item {
                PhantomOnPopupButton {
                    id: okButton
                    objectName: "phantomOk"
                    x: ptSize * 10
                    y: ptSize * 40
                    text: "OK"
                    visible: popupMessage.answerable
                    onClicked: {
                        menu.changedSubitemObjectValue(popupMessage.page, popupMessage.item, popupMessage.subitem,
                                                      popupMessage.value, 1)
                        popupMessage.close(false)
                    }
                }

                PhantomOnPopupButton {
                    id: cancelButton
                    objectName: "phantomCancel"
                    anchors.right: parent.right
                    anchors.rightMargin: ptSize * 10
                    y: ptSize * 40
                    text: "Cancel"
                    visible: popupMessage.answerable
                    onClicked: popupMessage.close(true)
                }
            }
        }
    }

    Connections {
        target: comm
        function onLoginCompChanged(loginComp) {
            if (loginComp === false)
                popupMessage.close(false)
        }
    }

    PropertyAnimation {
        id: popupAnimation
        target: popupMessage
        property: "opacity"
        duration: 400
        easing.type: Easing.OutQuart
    }
}
