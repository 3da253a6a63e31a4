import QtQuick 2.8

// A one-line text that scrolls back and forth while it is wider than its box.
Item {
    id: textScrollRoot
    clip: true

    property real tempX: 0
    property alias font: textScroll.font
    property alias text: textScroll.text
    property alias contentHeight: textScroll.contentHeight
    property alias verticalAlignment: textScroll.verticalAlignment

    Component.onCompleted: textScroll.startScroll()

    Text {
        id: textScroll
        objectName: "textScroll"
        x: 0
        y: 0
        width: parent.width
        height: parent.height
        textFormat: Text.PlainText
        // A text that grows while the marquee rests is measured again at once.
        onTextChanged: startScroll()

        function startScroll() {
            textScrollToOn.stop()
            stopScrollTimer.stop()
            intervalScrollTimer.stop()
            textScrollRoot.tempX = textScroll.width - textScroll.contentWidth
            if (textScrollRoot.tempX < 0) {
                textScrollToOn.duration = textScrollRoot.tempX * -20
                textScroll.x = 0
                intervalScrollTimer.start()
                textScrollToOn.to = textScrollRoot.tempX
            } else {
                textScroll.x = 0
            }
        }

        PropertyAnimation {
            id: textScrollToOn
            target: textScroll
            property: "x"
            from: 0
            to: textScrollRoot.tempX
            duration: 0
            onStopped: stopScrollTimer.start()
        }

        Connections {
            target: comm
            function onTitleChanged() {
                textScroll.startScroll()
            }
        }

        Timer {
            id: stopScrollTimer
            interval: 3000
            onTriggered: {
                textScroll.x = 0
                textScroll.startScroll()
            }
        }

        Timer {
            id: intervalScrollTimer
            interval: 3000
            onTriggered: textScrollToOn.start()
        }
    }
}
