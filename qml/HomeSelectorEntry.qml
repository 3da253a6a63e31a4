import QtQuick 2.8

// One entry of a selector's list: an image with its text and a click area,
// lit when it is the recorder's present value. It sits right below the
// item above it (the button or the previous entry) and takes its size.
SizedImage {
    id: entry

    property Item above
    property alias text: entryText.text
    property bool lit: false

    signal chosen()

    anchors.top: above ? above.bottom : undefined
    anchors.left: above ? above.left : undefined
    width: above ? above.width : 0
    height: above ? above.height : 0
    source: lit ? "Resource/button-D_ON_120x48_3.png" : "Resource/button-D_OFF_120x48_3.png"

    HomeSelectorText {
        id: entryText
    }

    MouseArea {
        anchors.fill: parent
        onClicked: entry.chosen()
    }
}
