import QtQuick 2.8

// A card's schedule strip: the date, the every-day badge or the seven
// weekday badges, after the strip's calendar glyph.
Image {
    id: schedule
    height: ptSize * 34
    fillMode: Image.PreserveAspectFit
    sourceSize.height: ptSize * 34
    source: "Resource/TimerEvent/Schedule_30x33_Schedule.svg"

    property string scheduleText: ""

    Loader {
        objectName: "scheduleContent"
        sourceComponent: scheduleText.charAt(0) === "2" ? dateComponent
                       : scheduleText.charAt(0) === "E" ? everydayComponent
                       : weekComponent
    }

    Component {
        id: dateComponent

        Text {
            objectName: "scheduleDate"
            x: ptSize * 37
            height: schedule.height
            verticalAlignment: Text.AlignVCenter
            color: "white"
            font.pixelSize: ptSize * 20
            textFormat: Text.PlainText
            // A day of every month shows "**" for its month.
            text: scheduleText.replace("/00/", "/**/")
        }
    }

    Component {
        id: everydayComponent

        Rectangle {
            objectName: "scheduleEveryDay"
            x: ptSize * 37
            y: ptSize * 5
            width: ptSize * 103
            height: ptSize * 24
            radius: ptSize * 4
            border.width: ptSize * 2
            border.color: "black"
            color: "white"

            Text {
                anchors.centerIn: parent
                color: "black"
                font.pixelSize: ptSize * 17
                textFormat: Text.PlainText
                text: "EVERY DAY"
            }
        }
    }

    Component {
        id: weekComponent

        Item {
            objectName: "scheduleWeek"

            Repeater {
                model: ["S", "M", "T", "W", "T", "F", "S"]

                TimerEventWeekIcon {
                    objectName: "weekBadge" + index
                    x: ptSize * (35 + 27 * index)
                    weekIconText: modelData
                    enable: scheduleText.charAt(index) !== "_"
                    onColor: index === 0 ? "#FC8F77" : index === 6 ? "#AEDEFF" : "white"
                    offColor: index === 0 ? "#895A58" : index === 6 ? "#648593" : "#999999"
                }
            }
        }
    }
}
