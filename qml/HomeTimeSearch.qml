import QtQuick 2.8
import QtQuick.Controls 2.1

// The time search: a track and a time in it, sent with OK. A click outside
// the panel closes the window without sending.
MouseArea {
    id: timeSearchRoot
    objectName: "timeSearchWindow"
    anchors.fill: parent

    onClicked: timeSearchWindowLoader.active = false

    SizedImage {
        id: timeSearchPanel
        objectName: "timeSearchPanel"
        x: 0
        y: ptSize * 307
        width: ptSize * 414
        height: ptSize * 116
        source: "Resource/TimeSarch_back_3.png"

        // Presses between the fields keep the window open.
        MouseArea {
            anchors.fill: parent
        }

        TimeSearchField {
            id: timeSearchTrack
            objectName: "timeSearchTrack"
            x: ptSize * 52
            y: ptSize * 52
            width: ptSize * 76
            height: ptSize * 50
            lowest: 1
            highest: 999
            maximumLength: 3
            next: timeSearchHour
        }

        SizedImage {
            objectName: "timeSearchTrackFrame"
            x: ptSize * 50
            y: ptSize * 55
            width: ptSize * 80
            height: ptSize * 42
            source: "Resource/TimeSarch_track_3.png"
            visible: timeSearchTrack.focus
        }

        TimeSearchField {
            id: timeSearchHour
            objectName: "timeSearchHour"
            x: ptSize * 160
            y: timeSearchTrack.y
            width: ptSize * 60
            height: ptSize * 50
            next: timeSearchMin
        }

        TimeSearchField {
            id: timeSearchMin
            objectName: "timeSearchMin"
            x: ptSize * 223
            y: timeSearchTrack.y
            width: ptSize * 60
            height: ptSize * 50
            highest: 59
            next: timeSearchSec
        }

        TimeSearchField {
            id: timeSearchSec
            objectName: "timeSearchSec"
            x: ptSize * 285
            y: timeSearchTrack.y
            width: ptSize * 60
            height: ptSize * 50
            highest: 59
            next: timeSearchFlame
        }

        TimeSearchField {
            id: timeSearchFlame
            objectName: "timeSearchFlame"
            x: ptSize * 329
            y: timeSearchTrack.y
            width: ptSize * 60
            height: ptSize * 50
            font.pixelSize: ptSize * 25
            next: timeSearchTrack
        }

        SizedImage {
            objectName: "timeSearchTimeFrame"
            x: ptSize * 156
            y: ptSize * 55
            width: ptSize * 234
            height: ptSize * 42
            source: "Resource/TimeSarch_time_3.png"
            visible: timeSearchHour.focus || timeSearchMin.focus || timeSearchSec.focus || timeSearchFlame.focus
        }

        Button {
            id: timeSearchOk
            objectName: "timeSearchOk"
            x: ptSize * 278
            y: ptSize * 10
            width: ptSize * 110
            height: ptSize * 30
            background: SizedImage {
                source: timeSearchOk.down ? "Resource/set_button-ON_110x30_3.png" : "Resource/set_button-OFF_110x30_3.png"
            }
            contentItem: Text {
                text: "OK"
                color: timeSearchOk.down ? "white" : "black"
                textFormat: Text.PlainText
                font.weight: Font.Medium
                font.pixelSize: ptSize * 18
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            // The command checks the numbers; the window passes them as typed.
            onClicked: {
                comm.timeSearchRequest(timeSearchTrack.text, timeSearchHour.text, timeSearchMin.text,
                                       timeSearchSec.text, timeSearchFlame.text)
                timeSearchWindowLoader.active = false
            }
        }
    }
}
