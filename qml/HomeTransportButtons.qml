import QtQuick 2.8
import QtQuick.Controls 2.1

// The transport block of the Home page, in page coordinates. The upper row's
// lamps follow the recorder's status, never the press; the lower row lights
// while pressed. Every button only asks comm, which decides what to send.
Item {
    TransportButton {
        id: stopButton
        objectName: "stopButton"
        x: ptSize * 26
        y: ptSize * 387
        width: ptSize * 71
        height: width
        lit: comm.statusIcon === 16
        onImage: "Resource/button-A_STOP-ON_71x71_3.png"
        offImage: "Resource/button-A_STOP-OFF_71x71_3.png"
        onClicked: comm.stopRequest()
    }

    TransportButton {
        id: playButton
        objectName: "playButton"
        x: ptSize * 123
        y: stopButton.y
        width: stopButton.width
        height: width
        lit: comm.statusIcon === 17 || comm.statusIcon === 129
        onImage: "Resource/button-A_PLAY-ON_71x71_3.png"
        offImage: "Resource/button-A_PLAY-OFF_71x71_3.png"
        onClicked: comm.playRequest()
    }

    TransportButton {
        id: pauseButton
        objectName: "pauseButton"
        x: ptSize * 220
        y: stopButton.y
        width: stopButton.width
        height: width
        lit: comm.statusIcon === 18 || comm.statusIcon === 130
        onImage: "Resource/button-A_PAUSE-ON_71x71_3.png"
        offImage: "Resource/button-A_PAUSE-OFF_71x71_3.png"
        onClicked: comm.pauseRequest()
    }

    TransportButton {
        id: recButton
        objectName: "recButton"
        x: ptSize * 317
        y: stopButton.y
        width: stopButton.width
        height: width
        lit: comm.statusIcon === 129 || comm.statusIcon === 130 || comm.statusIcon === 131
        onImage: "Resource/button-A_REC-ON_71x71_3.png"
        offImage: "Resource/button-A_REC-OFF_71x71_3.png"
        onClicked: comm.recRequest()
    }

    TransportButton {
        id: trackSkipPreviousButton
        objectName: "trackSkipPreviousButton"
        x: stopButton.x
        y: ptSize * 493
        width: stopButton.width
        height: ptSize * 44
        onImage: "Resource/button-B_skip-L_ON_71x44_3.png"
        offImage: "Resource/button-B_skip-L_OFF_71x44_3.png"
        onClicked: comm.trackSkipPreviousRequest()
    }

    // A click skips back in time; a hold searches back until its release.
    TransportButton {
        id: reverseButton
        objectName: "reverseButton"

        // True from a press until it turns into a hold: each release is judged
        // by its own press, never by the one before.
        property bool reverseClick: false

        x: playButton.x
        y: trackSkipPreviousButton.y
        width: trackSkipPreviousButton.width
        height: trackSkipPreviousButton.height
        onImage: "Resource/button-B_REW_ON_71x44_3.png"
        offImage: "Resource/button-B_REW_OFF_71x44_3.png"

        function endPress() {
            if (reverseClick)
                return
            reverseClick = true
            comm.cancelReverseRequest()
        }

        onPressed: reverseClick = true
        onPressAndHold: {
            comm.reverseRequest()
            reverseClick = false
        }
        // A held press ends the search however it ends: released on the
        // button or dragged off it.
        onReleased: endPress()
        onCanceled: endPress()
        onClicked: comm.timeSkipPreviousRequest()
    }

    // A click skips forward in time; a hold searches forward until its release.
    TransportButton {
        id: forwardButton
        objectName: "forwardButton"

        // As reverseClick, for this button.
        property bool forwardClick: false

        x: pauseButton.x
        y: trackSkipPreviousButton.y
        width: trackSkipPreviousButton.width
        height: trackSkipPreviousButton.height
        onImage: "Resource/button-B_FF_ON_71x44_3.png"
        offImage: "Resource/button-B_FF_OFF_71x44_3.png"

        function endPress() {
            if (forwardClick)
                return
            forwardClick = true
            comm.cancelForwardRequest()
        }

        onPressed: forwardClick = true
        onPressAndHold: {
            comm.forwardRequest()
            forwardClick = false
        }
        onReleased: endPress()
        onCanceled: endPress()
        onClicked: comm.timeSkipNextRequest()
    }

    TransportButton {
        id: trackSkipNextButton
        objectName: "trackSkipNextButton"
        x: recButton.x
        y: trackSkipPreviousButton.y
        width: trackSkipPreviousButton.width
        height: trackSkipPreviousButton.height
        onImage: "Resource/button-B_skip-R_ON_71x44_3.png"
        offImage: "Resource/button-B_skip-R_OFF_71x44_3.png"
        onClicked: comm.trackSkipNextRequest()
    }
}
