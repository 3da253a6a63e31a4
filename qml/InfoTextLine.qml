import QtQuick 2.8

// A line of the information panel whose value is a text: the label ends
// 12 pt before the values' column, the value starts on it.
Item {
    property alias label: lineLabel.text
    property alias value: lineValue.text
    property real valueX: 0

    InfoLabel {
        id: lineLabel
        x: valueX - ptSize * 12 - width
        height: parent.height
    }

    InfoLabel {
        id: lineValue
        objectName: parent.objectName + "Data"
        x: valueX
        height: parent.height
    }
}
