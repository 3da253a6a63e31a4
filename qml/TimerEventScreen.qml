import QtQuick 2.8
import QtQuick.Controls 2.1

// The TIMER EVENT page: the recorder's timer events as cards, the list
// filter, adding and deleting events, and the editors a card opens.
Item {
    // The calendar's no-date marker.
    function getInvalidDate() {
        return new Date(Date.UTC(1999, 0, 1))
    }

    // A date that came from C++ is that day's UTC midnight, which west of
    // Greenwich is the day before: read it by its UTC numbers.
    function localDateOf(cppDate) {
        if (!cppDate || isNaN(cppDate.getTime()))
            return getInvalidDate()
        return new Date(cppDate.getUTCFullYear(), cppDate.getUTCMonth(), cppDate.getUTCDate())
    }

    function twoDigits(n) {
        return (n < 10 ? "0" : "") + n
    }

    function filterLabel() {
        if (tev.filter === 0)
            return "All"
        if (tev.filter === 1)
            return "Today"
        const d = tev.filterDate
        if (!d || isNaN(d.getTime()))
            return ""
        return d.getUTCFullYear() + "/" + twoDigits(d.getUTCMonth() + 1) + "/" + twoDigits(d.getUTCDate())
    }

    // The list as published; a new one makes a pending confirmation stale.
    property var eventList: timerEventModel
    onEventListChanged: deleteCheck.visible = false

    BackScreen {
        id: timerEventScreen

        Image {
            objectName: "timerEventViewOnlyBadge"
            x: ptSize * 18
            y: ptSize * 4
            smooth: false
            sourceSize.width: ptSize * 100
            source: "Resource/icon_100x20_viewonly.svg"
            visible: permission.isReadOnly
        }

        Text {
            id: timerEventTitle
            objectName: "timerEventTitle"
            x: ptSize * 20
            y: ptSize * 30
            color: "white"
            font.pixelSize: ptSize * 25
            font.weight: Font.Medium
            textFormat: Text.PlainText
            text: "TIMER EVENT"
        }

        MediaIcon {
            anchors.left: timerEventTitle.right
            anchors.leftMargin: ptSize * 7
            anchors.verticalCenter: timerEventTitle.verticalCenter
        }

        Rectangle {
            objectName: "filterButton"
            y: ptSize * 25
            width: ptSize * 131
            height: ptSize * 33
            radius: ptSize * 5
            anchors.right: parent.right
            anchors.rightMargin: ptSize * 5
            color: "#464646"

            Image {
                id: searchIcon
                x: ptSize * 7
                anchors.verticalCenter: parent.verticalCenter
                smooth: false
                sourceSize.height: ptSize * 15
                source: "Resource/TimerEvent/icon_15x15_Search.svg"
            }

            Text {
                objectName: "filterLabel"
                height: parent.height
                anchors.right: parent.right
                anchors.rightMargin: ptSize * 15
                verticalAlignment: Text.AlignVCenter
                color: "white"
                font.pixelSize: ptSize * 18
                textFormat: Text.PlainText
                text: filterLabel()
            }

            MouseArea {
                objectName: "filterButtonArea"
                anchors.fill: parent
                onClicked: timerEventFilterLoader.active = !timerEventFilterLoader.active
            }
        }

        ListView {
            id: timerEventListView
            objectName: "timerEventListView"
            y: ptSize * 65
            width: parent.width
            height: parent.height - y
            clip: true
            flickableDirection: Flickable.VerticalFlick
            model: timerEventModel
            delegate: TimerEventDelegate {
            }
            footer: Item {
                height: timerEventFooter.height
            }

            ScrollBar.vertical: ScrollBar {
                parent: timerEventListView
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                anchors.right: parent.right
                visible: timerEventListView.contentHeight > timerEventListView.height
                contentItem: CommonScrollBarItem {
                }
            }

            // Shows the focused row 2 pt below the list's top, or the list's end.
            function scrollToFocus() {
                timerEventListView.forceLayout()
                const y = 158 * ptSize * tev.focus - 2 * ptSize
                if (y > timerEventListView.contentHeight - timerEventListView.height)
                    timerEventListView.positionViewAtEnd()
                else
                    timerEventListView.contentY = y
            }

            Connections {
                target: tev
                function onSetNewFocus() {
                    timerEventListView.scrollToFocus()
                    // The rows made for the new list settle their heights
                    // afterwards, which moves the end: position once more.
                    Qt.callLater(timerEventListView.scrollToFocus)
                }
            }
        }

        TimerEventFooter {
            id: timerEventFooter
            objectName: "timerEventFooter"
            width: parent.width
            anchors.bottom: parent.bottom
        }

        Loader {
            id: timerEventBrowseLoader
            objectName: "timerEventBrowseLoader"
            anchors.fill: popupArea
            active: false
            sourceComponent: BrowseWindow {
                mode: 4
                onClicked: {
                    // Rows of a folder still being listed are not its files.
                    if (browse.listing)
                        return
                    if (browse.nowFolderName === "")
                        tev.changeOption("\\" + name)
                    else
                        tev.changeOption("\\" + browse.nowFolderName + "\\" + name)
                    timerEventBrowseLoader.active = false
                }
                onClickedCancel: timerEventBrowseLoader.active = false
                onClickedInput: {
                    timerEventBrowseLoader.active = false
                    timerEventPlayTargetLoader.active = true
                }
            }
        }

        Loader {
            id: timerEventFilterLoader
            objectName: "timerEventFilterLoader"
            anchors.fill: popupArea
            active: false
            sourceComponent: TimerEventFilter {
            }
            onLoaded: {
                timerEventScheduleLoader.active = false
                item.select = tev.filter
                item.date = tev.filter === 2 ? localDateOf(tev.filterDate) : getInvalidDate()
            }
        }

        Loader {
            id: timerEventScheduleLoader
            objectName: "timerEventScheduleLoader"
            anchors.fill: popupArea
            active: false
            sourceComponent: TimerEventSchedule {
            }
            onLoaded: {
                let d = String(tev.getDateOfFocus())
                if (d.charAt(0) === "E") {
                    item.select = 0
                } else if (d.charAt(0) === "S" || d.charAt(0) === "_") {
                    item.sun = d.charAt(0) !== "_"
                    item.mon = d.charAt(1) !== "_"
                    item.tue = d.charAt(2) !== "_"
                    item.wed = d.charAt(3) !== "_"
                    item.thu = d.charAt(4) !== "_"
                    item.fri = d.charAt(5) !== "_"
                    item.sat = d.charAt(6) !== "_"
                    item.select = 1
                } else {
                    if (d.charAt(5) === "0" && d.charAt(6) === "0") {
                        item.everyMonth = true
                        d = d.substring(0, 6) + "1" + d.substring(7)
                    } else {
                        item.everyMonth = false
                    }
                    item.date = Date.fromLocaleDateString(Qt.locale("en_US"), d, "yyyy/MM/dd")
                    item.select = 2
                }
            }
        }

        Loader {
            id: timerEventTimeEditLoader
            objectName: "timerEventTimeEditLoader"
            property int h: 0
            property int m: 0
            property int s: 0
            anchors.fill: popupArea
            active: false
            sourceComponent: TimerEventTimeEdit {
                h: timerEventTimeEditLoader.h
                m: timerEventTimeEditLoader.m
                s: timerEventTimeEditLoader.s
            }
        }

        Loader {
            id: timerEventRepeatEditLoader
            objectName: "timerEventRepeatEditLoader"
            property int c: 0
            property int h: 0
            property int m: 0
            anchors.fill: popupArea
            active: false
            sourceComponent: TimerEventRepeatEdit {
                c: timerEventRepeatEditLoader.c - 1
                h: timerEventRepeatEditLoader.h
                m: timerEventRepeatEditLoader.m
            }
        }

        Loader {
            id: timerEventTypeLoader
            objectName: "timerEventTypeLoader"
            property int eventType: 0
            property int originalEventType: 0
            property int timeMode: 0
            anchors.fill: popupArea
            active: false
            sourceComponent: TimerEventType {
            }
            onLoaded: originalEventType = eventType
        }

        Loader {
            id: timerEventRecInputLoader
            objectName: "timerEventRecInputLoader"
            property string recInput: ""
            anchors.fill: popupArea
            active: false
            sourceComponent: TimerEventRecInput {
            }
        }

        Loader {
            id: timerEventDlTargetLoader
            objectName: "timerEventDlTargetLoader"
            property string field
            anchors.fill: popupArea
            active: false
            sourceComponent: InputWindow {
                title: "Download target"
                field: timerEventDlTargetLoader.field
                onClickedOk: {
                    tev.changeOption(inputText)
                    timerEventDlTargetLoader.active = false
                }
                onClickedCancel: timerEventDlTargetLoader.active = false
            }
        }

        Loader {
            id: timerEventPlayTargetLoader
            objectName: "timerEventPlayTargetLoader"
            property string field
            anchors.fill: popupArea
            active: false
            sourceComponent: InputWindow {
                title: "Playback file"
                field: timerEventPlayTargetLoader.field
                onClickedOk: {
                    tev.changeOption(String(inputText).replace(/\\/g, "").replace(/\//g, "\\"))
                    timerEventPlayTargetLoader.active = false
                }
                onClickedCancel: timerEventPlayTargetLoader.active = false
            }
        }

        // Where the pop-ups lie: below the header, over the list and the footer.
        Item {
            id: popupArea
            y: timerEventListView.y
            width: parent.width
            height: parent.height - y
        }

        DialogNoButton {
            id: deleteCheck
            objectName: "timerEventDeleteCheck"
            property int number: 0
            // The event asked about, to tell at OK that it is still there.
            property var target: null
            visible: false
            text: number < 0 ? "Delete all events?" : "Delete selected event?"
            onVisibleChanged: {
                if (visible)
                    target = number >= 0 ? timerEventModel[number] : null
            }

            TimerEventButtonRect {
                objectName: "deleteOk"
                x: ptSize * 86
                y: ptSize * 242
                text: "OK"
                onClicked: {
                    const n = deleteCheck.number
                    const stillThere = n < 0 || (deleteCheck.target !== null && deleteCheck.target !== undefined
                                                 && timerEventModel[n] === deleteCheck.target)
                    deleteCheck.visible = false
                    if (!permission.isReadOnly && stillThere)
                        tev.deleteItem(n)
                }
            }

            TimerEventButtonRect {
                objectName: "deleteCancel"
                x: ptSize * 228
                y: ptSize * 242
                text: "Cancel"
                onClicked: deleteCheck.visible = false
            }
        }

        DialogNoButton {
            id: browseDialog
            objectName: "timerEventNotice"
            property bool disabledAreaAndMode: tev.disabledAreaAndMode
            property bool cppString: browse.browseDialogString !== ""
            property bool cd: tev.mediaCD
            readonly property bool shown: disabledAreaAndMode || cppString || cd
            visible: shown
            text: disabledAreaAndMode ? "TIMER EVENT is only available when PLAY AREA is ALL and PLAY MODE is CONTINUE or SINGLE."
                : cd ? "TIMER EVENT cannot be used while current media is CD."
                : cppString ? browse.browseDialogString
                : ""
            onShownChanged: {
                if (!shown)
                    tev.startTimerEvent()
            }
        }
    }

    Connections {
        target: permission
        function onIsReadOnlyChanged() {
            timerEventDlTargetLoader.active = false
            timerEventPlayTargetLoader.active = false
            timerEventRecInputLoader.active = false
            timerEventTypeLoader.active = false
            timerEventRepeatEditLoader.active = false
            timerEventTimeEditLoader.active = false
            timerEventScheduleLoader.active = false
            timerEventBrowseLoader.active = false
            // A confirmation asked before the change is not the operator's answer now.
            deleteCheck.visible = false
        }
    }
}
