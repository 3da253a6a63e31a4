import QtQuick 2.8
import QtQuick.Window 2.2

// The position bar of the current track on the display, with an arrow over
// the bar at every mark of the take. It places itself on the display.
Item {
    id: homeTimeBarRoot

    // Where on the bar a time of the track lies, from 0 (start) to 1 (end);
    // -1 while the track's length is not known.
    function fractionOf(time, total) {
        if (!(total > 0))
            return -1
        return Math.max(0, Math.min(1, time / total))
    }

    Rectangle {
        id: timeBar
        objectName: "timeBar"
        x: ptSize * 13
        y: ptSize * 197
        width: ptSize * 270
        height: ptSize * 5
        color: "transparent"
        border.width: ptSize
        border.color: "black"

        // The elapsed part; the elapsed time can pass the total between two
        // replies, so the fill never leaves the bar. It ends on a whole device
        // pixel, so that a time that moves it by less draws no frame.
        Rectangle {
            objectName: "timeBarFill"
            height: ptSize * 5
            color: "black"
            width: {
                const fraction = fractionOf(comm.trackElapsedTimeFlame, comm.trackTotalTimeFlame)
                if (fraction < 0)
                    return 0
                const scale = Screen.devicePixelRatio
                const pixels = Math.round(timeBar.width * fraction * scale)
                return pixels >= Math.round(timeBar.width * scale) ? timeBar.width : pixels / scale
            }
        }

        Repeater {
            id: markRepeater
            objectName: "markRepeater"
            model: ListModel {}
            delegate: Loader {
                sourceComponent: markArrowComponent
                onLoaded: item.place(model.markTime)
            }
        }
    }

    Component {
        id: markArrowComponent

        SizedImage {
            objectName: "markArrow"
            property int markTime: 0
            // With the track's offset shown (the mode as it was when the mark
            // came) the place is taken once, from the first known length;
            // otherwise it follows the length.
            property bool withOffset: false
            property int offset: 0
            property real fixedFraction: -1
            readonly property real fraction: withOffset ? fixedFraction
                                                         : fractionOf(markTime, comm.trackTotalTimeFlame)

            function fixPlace() {
                if (fixedFraction < 0)
                    fixedFraction = fractionOf(markTime + offset, comm.trackTotalTimeFlame)
            }

            source: "Resource/MARK_S_3.png"
            width: ptSize * 12
            height: ptSize * 13
            y: -ptSize * 13
            // Centred on its place; kept out of view until the place is known.
            x: timeBar.width * Math.max(0, fraction) - ptSize * 6
            visible: fraction >= 0

            function place(time) {
                markTime = time
                withOffset = comm.displayMode === true
                if (withOffset) {
                    offset = comm.currentTrackTop
                    fixPlace()
                }
            }

            Connections {
                target: withOffset && fixedFraction < 0 ? comm : null
                function onTrackTotalTimeFlameChanged() {
                    fixPlace()
                }
            }
        }
    }

    Connections {
        target: mark
        function onMarkTimeReceived(time) {
            markRepeater.model.append({ "markTime": time })
        }
        function onMarkClear() {
            markRepeater.model.clear()
        }
    }
}
