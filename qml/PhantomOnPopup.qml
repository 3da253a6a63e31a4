import QtQuick 2.8

// The confirmation before phantom power is switched on: it holds back one
// edit of the device menu until the operator confirms it.
Rectangle {
    id: phantomOnPopupRoot
    width: ptSize * 400
    height: ptSize * 80
    color: "#E8E8E8"
    radius: ptSize * 3
    opacity: 0

    property int page: 0
    property int item: 0
    property int subitem: 0
    property int value: 0

    function show(i, j, k, l) {
        popup.hide()
        page = i
        item = j
        subitem = k
        value = l
        fade.stop()
        fade.from = 0
        fade.to = 1
        fade.start()
        catcher.visible = true
        okButton.visible = true
        cancelButton.visible = true
    }

    function hide() {
        if (phantomOnPopupRoot.opacity === 0)
            return
        fade.from = 1
        fade.to = 0
        fade.start()
        catcher.visible = false
        okButton.visible = false
        cancelButton.visible = false
    }

    MouseArea {
        id: catcher
        objectName: "phantomCatcher"
        anchors.fill: parent
        visible: false
    }

    Text {
        x: ptSize * 11
        y: ptSize * 11
        font.pixelSize: ptSize * 18
        textFormat: Text.PlainText
        text: "Phantom power ON?"
    }

    TimerEventButtonRect {
        id: okButton
        objectName: "phantomOk"
        x: ptSize * 10
        y: ptSize * 40
        width: ptSize * 144
        height: ptSize * 30
        text: "OK"
        visible: false
        onClicked: {
            menu.changedSubitemObjectValue(page, item, subitem, value, 1)
            phantomOnPopupRoot.hide()
        }
    }

    TimerEventButtonRect {
        id: cancelButton
        objectName: "phantomCancel"
        x: ptSize * 246
        y: ptSize * 40
        width: ptSize * 144
        height: ptSize * 30
        text: "Cancel"
        visible: false
        onClicked: {
            menu.changedCommandMenuData()
            phantomOnPopupRoot.hide()
        }
    }

    PropertyAnimation {
        id: fade
        target: phantomOnPopupRoot
        property: "opacity"
        duration: 400
        easing.type: Easing.OutQuart
    }
}
