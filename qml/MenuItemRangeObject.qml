import QtQuick 2.8
import QtQuick.Controls 2.1
import "Palette.js" as Palette

// A row of the device menu for a ranged value in milliseconds (-1000 to
// +1000 in steps of 10): the value on a button that opens a panel with a
// slider, "-", "+" and OK. Each new slider value is announced at once.
Item {
    id: rangeRoot

    // The value last reported by the recorder or last announced here, in
    // milliseconds; the slider always stands on it, at its end for a
    // report beyond its range.
    property int oldIndex: -1
    property bool subitem: true
    // The recorder's value in milliseconds; the texts show only this.
    property real rangeData: 0
    property alias menuText: itemText.text

    signal rangeSelected(int value)

    readonly property int step: 10

    onRangeDataChanged: rangeSlideBar.value = rangeData
    // The recorder's value written back after a refused edit may equal the
    // last report, so that rangeData does not change: the slider goes back
    // to it all the same.
    onOldIndexChanged: {
        if (rangeSlideBar.value != sliderPlace(oldIndex))
            rangeSlideBar.value = sliderPlace(oldIndex)
    }

    // Where the slider shows a value: a report beyond the slider's range
    // stands at its end.
    function sliderPlace(value) {
        return Math.max(rangeSlideBar.from, Math.min(rangeSlideBar.to, value))
    }

    function valueText(value) {
        return (value > 0 ? "+" : "") + Math.round(value) + " msec"
    }

    Rectangle {
        x: subitem ? ptSize * 20 : 0
        y: 0
        width: parent.width - x
        height: 1
        color: Palette.menuLine
    }

    Text {
        id: itemText
        objectName: "rangeItemText"
        x: ptSize * (subitem ? 25 : 8)
        y: 0
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        color: "white"
        font.pixelSize: ptSize * (isAndroid ? 17 : 16)
        font.weight: Font.Medium
        textFormat: Text.PlainText
    }

    Rectangle {
        id: rangeButton
        objectName: "rangeButton"
        anchors.right: parent.right
        y: ptSize * 3
        width: ptSize * 206
        height: parent.height - ptSize * 6
        color: Palette.menuField

        Text {
            id: rangeButtonText
            objectName: "rangeButtonText"
            anchors.fill: parent
            anchors.leftMargin: ptSize * (isIos || isAndroid ? 15 : 10)
            verticalAlignment: Text.AlignVCenter
            color: "white"
            font.pixelSize: itemText.font.pixelSize
            font.weight: Font.Medium
            textFormat: Text.PlainText
            text: valueText(rangeData)
        }

        MouseArea {
            anchors.fill: parent
            onClicked: rangeSlideBar.forceActiveFocus()
        }
    }

    // Opened over the row and the rows above it while the slider has the focus.
    SizedImage {
        id: rangeBar
        objectName: "rangeBar"
        x: ptSize * 1
        anchors.bottom: parent.bottom
        width: ptSize * 412
        height: ptSize * 130
        // Decoded only while open: the menu holds a panel in every range row.
        source: visible ? "Resource/set_DELAY_back_412x130_3.png" : ""
        visible: rangeSlideBar.activeFocus

        // Presses on the panel's empty parts go nowhere else.
        MouseArea {
            anchors.fill: parent
        }

        Text {
            anchors.right: parent.horizontalCenter
            anchors.rightMargin: ptSize * 10
            y: ptSize * 6
            text: itemText.text
            font.pixelSize: ptSize * (isAndroid ? 16 : 17)
            font.weight: Font.Medium
            textFormat: Text.PlainText
        }

        Text {
            id: rangeSettingData
            objectName: "rangeSettingData"
            anchors.left: parent.horizontalCenter
            anchors.leftMargin: ptSize * 10
            y: ptSize * 6
            text: rangeButtonText.text
            font.pixelSize: ptSize * (isAndroid ? 16 : 17)
            font.weight: Font.Medium
            textFormat: Text.PlainText
        }

        Button {
            id: rangeMinusButton
            objectName: "rangeMinusButton"
            x: ptSize * 23
            y: ptSize * 37
            width: ptSize * 58
            height: ptSize * 30
            focusPolicy: Qt.NoFocus
            background: SizedImage {
                source: "Resource/button-C_minusON_58x30_3.png"
            }
            onClicked: rangeSlideBar.value = rangeSlideBar.value - step
        }

        SizedImage {
            id: rangeOkButton
            objectName: "rangeOkButton"
            anchors.horizontalCenter: parent.horizontalCenter
            y: ptSize * 37
            width: ptSize * 110
            height: ptSize * 30
            source: rangeOkButtonMouseArea.pressed ? "Resource/set_button-ON_110x30_3.png"
                                                   : "Resource/set_button-OFF_110x30_3.png"

            Text {
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: "OK"
                color: rangeOkButtonMouseArea.pressed ? "white" : "black"
                font.pixelSize: ptSize * 18
                font.weight: Font.Medium
                textFormat: Text.PlainText
            }

            MouseArea {
                id: rangeOkButtonMouseArea
                anchors.fill: parent
                onClicked: rangeSlideBar.focus = false
            }
        }

        Button {
            id: rangePlusButton
            objectName: "rangePlusButton"
            x: ptSize * 333
            y: ptSize * 37
            width: ptSize * 58
            height: ptSize * 30
            focusPolicy: Qt.NoFocus
            background: SizedImage {
                source: "Resource/button-C_plusON_58x30_3.png"
            }
            onClicked: rangeSlideBar.value = rangeSlideBar.value + step
        }

        Slider {
            id: rangeSlideBar
            objectName: "rangeSlideBar"
            anchors.horizontalCenter: parent.horizontalCenter
            y: ptSize * 77
            width: ptSize * 400
            height: ptSize * 30
            from: -1000
            to: 1000
            stepSize: step
            snapMode: Slider.SnapAlways
            value: rangeData
            background: Item {}
            handle: SizedImage {
                x: rangeSlideBar.leftPadding + rangeSlideBar.visualPosition * (rangeSlideBar.availableWidth - width)
                y: rangeSlideBar.topPadding + rangeSlideBar.availableHeight / 2 - height / 2
                width: ptSize * 30
                height: ptSize * 30
                source: "Resource/Knob_ON_30x30_3.png"
            }

            // A value set from code is not snapped to the step: it goes to
            // the nearest step first, so that the recorder gets a whole value.
            onValueChanged: {
                var snapped = Math.round(value / step) * step
                if (value != snapped) {
                    value = snapped
                    return
                }
                // The slider standing for the value last reported or
                // announced: nobody moved it, so nothing is announced.
                if (sliderPlace(oldIndex) != value) {
                    rangeSelected(value)
                    oldIndex = value
                }
            }
        }
    }

    Connections {
        target: comm
        function onLoginCompChanged(loginComp) {
            if (loginComp === false)
                rangeSlideBar.focus = false
        }
    }
}
