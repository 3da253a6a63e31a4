import QtQuick 2.8
import QtQuick.Controls 2.1

// The button of a Home page selector: it shows the recorder's present value
// and is lit while held down or while its list is open. It works only once
// the recorder's menu has been drawn.
Button {
    id: selectorButton

    property string valueText
    property bool listOpen: false
    // The recorder takes a change of these settings only while it is stopped
    // or idle; otherwise a list does not open.
    readonly property bool statusLetsOpen: [0, 1, 16, 128].indexOf(comm.statusIcon) !== -1

    width: ptSize * 120
    height: ptSize * 48
    y: ptSize * 25
    enabled: menu.drawingFinished

    background: SizedImage {
        source: selectorButton.down || selectorButton.listOpen ? "Resource/button-D_ON_120x48_3.png"
                                                               : "Resource/button-D_OFF_120x48_3.png"
    }

    HomeSelectorText {
        objectName: selectorButton.objectName + "Text"
        text: selectorButton.valueText
    }
}
