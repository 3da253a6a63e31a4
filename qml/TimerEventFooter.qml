import QtQuick 2.8

// The bar over the list's lower end: add an event; its second view, reached
// by the arrow or a drag, deletes all events. Shaded and deaf while the
// view is read-only.
Rectangle {
    id: timerEventFooter
    color: "#E62F3E5B"
    height: ptSize * 66 + 2
    border.width: 1
    border.color: "black"

    Flickable {
        id: timerEventFooterFlickable
        objectName: "timerEventFooterFlickable"
        anchors.fill: parent
        clip: true
        flickableDirection: Flickable.HorizontalFlick
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: deleteAllTimerEvent.x + deleteAllTimerEvent.width + ptSize * 59
        contentHeight: height

        Image {
            objectName: "addEvent"
            x: ptSize * 179.5
            anchors.verticalCenter: parent.verticalCenter
            smooth: false
            sourceSize.height: ptSize * 41
            source: "Resource/TimerEvent/icon_55x41_AddFile.svg"

            MouseArea {
                objectName: "addEventArea"
                anchors.fill: parent
                onClicked: tev.createNewEvent()
            }
        }

        SizedImage {
            id: pageArrow
            objectName: "footerArrow"
            x: ptSize * 380
            anchors.verticalCenter: parent.verticalCenter
            width: ptSize * 10
            height: ptSize * 10
            source: "Resource/page_10x10_3.png"
            rotation: timerEventFooterFlickable.atXBeginning ? 270 : 90

            MouseArea {
                objectName: "footerArrowArea"
                width: ptSize * 40
                height: ptSize * 40
                anchors.centerIn: parent
                onClicked: {
                    if (timerEventFooterFlickable.atXBeginning)
                        timerEventFooterFlickableToDown.start()
                    else
                        timerEventFooterFlickableToUp.start()
                }
            }
        }

        Image {
            id: deleteAllTimerEvent
            objectName: "deleteAllTimerEvent"
            x: ptSize * 420
            anchors.verticalCenter: parent.verticalCenter
            smooth: false
            sourceSize.height: ptSize * 41
            source: "Resource/TimerEvent/icon_55x41_AllDelete.svg"

            MouseArea {
                objectName: "deleteAllArea"
                anchors.fill: parent
                onClicked: {
                    deleteCheck.number = -1
                    deleteCheck.visible = true
                }
            }
        }
    }

    PropertyAnimation {
        id: timerEventFooterFlickableToDown
        target: timerEventFooterFlickable
        property: "contentX"
        to: timerEventFooterFlickable.contentWidth - timerEventFooterFlickable.width
        duration: 200
        easing.type: Easing.OutCubic
    }

    PropertyAnimation {
        id: timerEventFooterFlickableToUp
        target: timerEventFooterFlickable
        property: "contentX"
        to: 0
        duration: 200
        easing.type: Easing.OutCubic
    }

    Rectangle {
        objectName: "footerShade"
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        visible: permission.isReadOnly

        MouseArea {
            anchors.fill: parent
        }
    }
}
