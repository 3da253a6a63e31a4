import QtQuick 2.8

// The time, repeat and type boxes and the option field of a card; in edit
// mode each opens its editor on the page.
Item {
    id: boxes

    // The card's event and its place in the list.
    property QtObject event
    property int rowIndex: -1

    readonly property int eventType: event ? event.eventType : -1

    function optionShown() {
        const option = event ? event.option : ""
        return option.substring(option.lastIndexOf("\\") + 1)
    }

    function openOptionEditor() {
        const option = event.option
        if (eventType <= 1) {
            timerEventPlayTargetLoader.field = option.replace(/\\/g, "/")
            timerEventBrowseLoader.active = true
        } else if (eventType === 2) {
            timerEventRecInputLoader.recInput = option
            timerEventRecInputLoader.active = true
        } else if (eventType >= 4) {
            timerEventDlTargetLoader.field = option
            timerEventDlTargetLoader.active = true
        }
    }

    Rectangle {
        objectName: "timeBox"
        x: ptSize * 15
        y: ptSize * 46
        width: ptSize * 125
        height: ptSize * 54
        radius: ptSize * 5
        color: "#464646"
        border.width: 1
        border.color: "black"

        Image {
            x: ptSize * 7
            y: ptSize * 13.6
            smooth: false
            sourceSize.width: ptSize * 34.7
            source: "Resource/TimerEvent/icon_TimeDisplay.svg"
        }

        Text {
            objectName: "timeText"
            anchors.right: parent.right
            anchors.rightMargin: ptSize * 7
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 1.5
            color: "white"
            font.pixelSize: ptSize * 18
            textFormat: Text.PlainText
            text: event ? event.time : ""
        }

        MouseArea {
            objectName: "timeBoxArea"
            anchors.fill: parent
            onClicked: {
                const t = event.time
                timerEventTimeEditLoader.h = parseInt(t.substring(0, 2), 10)
                timerEventTimeEditLoader.m = parseInt(t.substring(3, 5), 10)
                timerEventTimeEditLoader.s = parseInt(t.substring(6, 8), 10)
                timerEventTimeEditLoader.active = true
            }
        }
    }

    Rectangle {
        objectName: "repeatBox"
        x: ptSize * 146
        y: ptSize * 46
        width: ptSize * 100
        height: ptSize * 54
        radius: ptSize * 5
        color: "#464646"
        border.width: 1
        border.color: "black"

        Image {
            x: ptSize * 7
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 27
            smooth: false
            sourceSize.height: ptSize * 10.2
            source: "Resource/TimerEvent/icon_RepeatTimes.svg"
        }

        Text {
            objectName: "repeatCountText"
            x: ptSize * 57
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 23
            color: "white"
            font.pixelSize: ptSize * 18
            textFormat: Text.PlainText
            text: event ? event.repeatEventCount : ""
        }

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 7
            smooth: false
            sourceSize.height: ptSize * 7
            source: "Resource/TimerEvent/icon_88x7_PlayRepeat.svg"
        }

        Text {
            objectName: "repeatIntervalText"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 1
            color: "white"
            font.pixelSize: ptSize * 18
            textFormat: Text.PlainText
            text: event ? event.repeatIntervalTime : ""
        }

        MouseArea {
            objectName: "repeatBoxArea"
            anchors.fill: parent
            onClicked: {
                const interval = event.repeatIntervalTime
                timerEventRepeatEditLoader.c = event.repeatEventCount
                timerEventRepeatEditLoader.h = parseInt(interval.substring(0, 2), 10)
                timerEventRepeatEditLoader.m = parseInt(interval.substring(3, 5), 10)
                timerEventRepeatEditLoader.active = true
            }
        }
    }

    Rectangle {
        objectName: "typeBox"
        x: ptSize * 252
        y: ptSize * 46
        width: ptSize * 147
        height: ptSize * 54
        radius: ptSize * 5
        color: "#464646"
        border.width: 1
        border.color: "black"

        Text {
            x: ptSize * 7
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 24
            color: "#B3B3B3"
            font.pixelSize: ptSize * 15
            textFormat: Text.PlainText
            text: "TYPE"
        }

        Image {
            objectName: "typeIcon"
            x: ptSize * 61
            anchors.bottom: parent.bottom
            anchors.bottomMargin: ptSize * 5.5
            smooth: false
            sourceSize.width: ptSize * 65.1
            source: eventType === 0 ? "Resource/TimerEvent/icon_65x31_Play.svg"
                  : eventType === 1 ? "Resource/TimerEvent/icon_65x31_PlayRepeat.svg"
                  : eventType === 2 ? "Resource/TimerEvent/icon_65x31_Rec.svg"
                  : eventType === 3 ? "Resource/TimerEvent/icon_65x31_Stop.svg"
                  : eventType === 4 ? "Resource/TimerEvent/icon_65x31_Download.svg"
                  : eventType === 5 ? "Resource/TimerEvent/icon_65x31_DeleteDownload.svg"
                  : ""
        }

        Text {
            objectName: "timeModeText"
            readonly property int size: isIos ? 12 : 11
            x: ptSize * 7
            y: ptSize * (50 - size)
            visible: eventType === 0
            color: "white"
            font.pixelSize: ptSize * size
            textFormat: Text.PlainText
            text: event && event.timeMode === 0 ? "START TIME" : "END TIME"
        }

        MouseArea {
            objectName: "typeBoxArea"
            anchors.fill: parent
            onClicked: {
                timerEventTypeLoader.eventType = event.eventType
                timerEventTypeLoader.timeMode = event.timeMode
                timerEventTypeLoader.active = true
            }
        }
    }

    SizedImage {
        objectName: "optionField"
        x: ptSize * 15
        y: ptSize * 106
        width: ptSize * 384
        height: ptSize * 37
        source: "Resource/TimerEvent/area_384x37_Unselectedt_3.png"

        MouseArea {
            objectName: "optionFieldArea"
            anchors.fill: parent
            onClicked: openOptionEditor()
        }

        TextTapScroll {
            objectName: "optionText"
            x: ptSize * 7
            width: ptSize * 370
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            color: "black"
            font.pixelSize: ptSize * 18
            pressAndHoldMode: true
            text: optionShown()
            onClicked: openOptionEditor()
        }
    }
}
