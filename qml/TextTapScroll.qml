import QtQuick 2.8

// A one-line text that scrolls once to its end when tapped (or held), then
// returns to its start.
MouseArea {
    id: textTapScrollRoot
    clip: true

    property real tempX: 0
    property bool pressAndHoldMode: false
    property alias font: textScroll.font
    property alias text: textScroll.text
    property alias color: textScroll.color
    property alias contentHeight: textScroll.contentHeight
    property alias verticalAlignment: textScroll.verticalAlignment

    function stopScroll() {
        textScrollToOn.stop()
        stopScrollTimer.stop()
        textScroll.x = 0
    }

    onClicked: {
        if (!pressAndHoldMode)
            textScroll.startScroll()
    }
    onPressAndHold: {
        if (pressAndHoldMode)
            textScroll.startScroll()
    }

    Text {
        id: textScroll
        objectName: "textScroll"
        x: 0
        width: parent.width
        height: parent.height
        textFormat: Text.PlainText

        function startScroll() {
            textScrollToOn.stop()
            stopScrollTimer.stop()
            textTapScrollRoot.tempX = textScroll.width - textScroll.contentWidth
            if (textTapScrollRoot.tempX < 0) {
                textScrollToOn.duration = textTapScrollRoot.tempX * -20
                textScroll.x = 0
                textScrollToOn.to = textTapScrollRoot.tempX
                textScrollToOn.start()
            } else {
                textScroll.x = 0
            }
        }

        PropertyAnimation {
            id: textScrollToOn
            target: textScroll
            property: "x"
            from: 0
            to: textTapScrollRoot.tempX
            duration: 0
            onStopped: stopScrollTimer.start()
        }

        Timer {
            id: stopScrollTimer
            interval: 3000
            onTriggered: textScroll.x = 0
        }
    }
}
