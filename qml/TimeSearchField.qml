import QtQuick 2.8
import QtQuick.Controls 2.1

// One number of the time search: digits only, white on the panel's black box.
// Enter with an acceptable number hands the focus to the next field.
TextField {
    id: field

    property int lowest: 0
    property int highest: 99
    property Item next

    font.pixelSize: ptSize * 30
    color: "white"
    horizontalAlignment: TextInput.AlignHCenter
    verticalAlignment: TextInput.AlignVCenter
    inputMethodHints: Qt.ImhDigitsOnly
    maximumLength: 2
    validator: IntValidator {
        bottom: field.lowest
        top: field.highest
    }
    background: Item {
    }

    onAccepted: {
        if (next)
            next.focus = true
    }
}
