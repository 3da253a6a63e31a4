import QtQuick 2.8

// The lamps of the front display, in display coordinates: the play view's two
// rows, and the record view's two rows with phantom power and timer event on
// a third. Later lamps of a row take their height and line from its first.
Item {
    // True in the play view, false in the record view.
    property bool playView: true

    // Play view, first row.
    DisplayIndicator {
        id: flashLoadDisp
        objectName: "flashLoadDisp"
        source: "Resource/display_FLASHLOAD_3.png"
        x: ptSize * 7
        y: ptSize * 10
        width: ptSize * 97
        height: ptSize * 21
        visible: comm.flashLoad && playView
    }
    DisplayIndicator {
        objectName: "autoReadyDisp"
        source: "Resource/display_AUTOREADY_3.png"
        x: ptSize * 108
        y: flashLoadDisp.y
        width: ptSize * 100
        height: flashLoadDisp.height
        visible: comm.autoReady && playView
    }
    DisplayIndicator {
        objectName: "autoCueDisp"
        source: "Resource/display_AUTOCUE_3.png"
        x: ptSize * 212
        y: flashLoadDisp.y
        width: ptSize * 93
        height: flashLoadDisp.height
        visible: comm.autoCue && playView
    }
    DisplayIndicator {
        objectName: "incPlayDisp"
        source: "Resource/display_INCPLAY_3.png"
        x: ptSize * 309
        y: flashLoadDisp.y
        width: ptSize * 80
        height: flashLoadDisp.height
        visible: comm.incPlay && playView
    }

    // Record view, first row.
    DisplayIndicator {
        id: limiterDisp
        objectName: "limiterDisp"
        source: comm.dynamics === 1 ? "Resource/display-REC_LIMITER_3.png"
              : comm.dynamics === 2 ? "Resource/display_CNP-SOFT_3.png"
              : comm.dynamics === 3 ? "Resource/display_CNP-HARD_3.png" : ""
        x: ptSize * 7
        y: ptSize * 10
        width: ptSize * 69
        height: ptSize * 21
        visible: !playView
    }
    DisplayIndicator {
        objectName: "agcDisp"
        source: "Resource/display-REC_AGC_3.png"
        x: ptSize * 81
        y: limiterDisp.y
        width: ptSize * 43
        height: limiterDisp.height
        visible: comm.agc && !playView
    }
    DisplayIndicator {
        objectName: "srcDisp"
        source: "Resource/display-REC_SRC_3.png"
        x: ptSize * 129
        y: limiterDisp.y
        width: ptSize * 43
        height: limiterDisp.height
        visible: comm.src && !playView
    }
    DisplayIndicator {
        objectName: "autoTrackDisp"
        source: "Resource/display-REC_AUTO-TRACK_3.png"
        x: ptSize * 177
        y: limiterDisp.y
        width: ptSize * 107
        height: limiterDisp.height
        visible: comm.autoTrack && !playView
    }
    DisplayIndicator {
        objectName: "autoMarkDisp"
        source: "Resource/display-REC_AUTO-MARK_3.png"
        x: ptSize * 289
        y: limiterDisp.y
        width: ptSize * 101
        height: limiterDisp.height
        visible: comm.autoMark && !playView && comm.currentMedia !== "CD"
    }

    // Play view, second row; the transfer lamps blink together.
    DisplayIndicator {
        id: downloadDisp
        objectName: "downloadDisp"
        source: "Resource/display_Download_3.png"
        x: ptSize * 245
        y: ptSize * 37
        width: ptSize * 28
        height: ptSize * 21
        visible: comm.download && playView
        opacity: 0.0

        // The blink runs while a transfer lamp shows: a hidden lamp has
        // nothing to draw.
        readonly property bool blinking: downloadDisp.visible || uploadDisp.visible
        onBlinkingChanged: {
            if (blinking && !iconBlinkToOn.running && !iconBlinkToOff.running)
                iconBlinkToOn.start()
        }
        Component.onCompleted: {
            if (blinking)
                iconBlinkToOn.start()
        }

        PropertyAnimation {
            id: iconBlinkToOn
            target: downloadDisp
            property: "opacity"
            to: 1.0
            duration: 500
            alwaysRunToEnd: true
            onStopped: {
                if (downloadDisp.blinking)
                    iconBlinkToOff.start()
            }
        }
        PropertyAnimation {
            id: iconBlinkToOff
            target: downloadDisp
            property: "opacity"
            to: 0.0
            duration: 300
            alwaysRunToEnd: true
            onStopped: {
                if (downloadDisp.blinking)
                    iconBlinkToOn.start()
            }
        }
    }
    DisplayIndicator {
        id: uploadDisp
        objectName: "uploadDisp"
        source: "Resource/display_Upload_3.png"
        x: ptSize * 277
        y: downloadDisp.y
        width: ptSize * 28
        height: downloadDisp.height
        visible: comm.upload && playView
        opacity: downloadDisp.opacity
    }
    DisplayIndicator {
        objectName: "repeatDisp"
        source: comm.repeat === 1 ? "Resource/display_repeat_3.png"
              : comm.repeat === 3 ? "Resource/display_A-Brepeat_3.png" : ""
        x: ptSize * 309
        y: downloadDisp.y
        width: ptSize * 80
        height: downloadDisp.height
        visible: playView
    }

    // Record view, second row.
    DisplayIndicator {
        id: syncRecDisp
        objectName: "syncRecDisp"
        source: "Resource/display-REC_SYNC-REC_3.png"
        x: ptSize * 225
        y: ptSize * 37
        width: ptSize * 83
        height: ptSize * 21
        visible: comm.syncRec && !playView
    }
    DisplayIndicator {
        objectName: "lowCutDisp"
        source: "Resource/display-REC_LOW-CUT_3.png"
        x: ptSize * 313
        y: syncRecDisp.y
        width: ptSize * 76
        height: syncRecDisp.height
        visible: comm.lowCut && !playView
    }

    // In both views: on the second row in the play view, on a third in the record view.
    DisplayIndicator {
        id: phantomDisp
        objectName: "phantomDisp"
        source: "Resource/display_48V_3.png"
        x: playView ? ptSize * 180 : ptSize * 327
        y: playView ? downloadDisp.y : ptSize * 64
        width: ptSize * 36
        height: ptSize * 21
        visible: comm.micPhantom
    }
    DisplayIndicator {
        objectName: "timerEventDisp"
        source: "Resource/display_timer_black_3.png"
        x: playView ? ptSize * 220 : ptSize * 368
        y: phantomDisp.y
        width: ptSize * 21
        height: width
        visible: comm.timerEvent && comm.currentMedia !== "CD"
    }
}
