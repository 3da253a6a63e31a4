import QtQuick 2.8

// The held peak: segment `peak` (from 1) of the 58 of the scale that starts
// at `scaleX` pt in the meter, in the scale's colour there. A peak past the
// scale holds its last segment.
Item {
    id: peakBox

    property int peak: 0
    property real scaleX: 0

    readonly property int segment: Math.max(0, Math.min(peak, 58))

    x: ((segment - 1) * 333 / 58 + scaleX) * ptSize
    width: ptSize * 333 / 58
    height: ptSize * 8
    clip: true
    visible: segment !== 0

    LevelMeterGradient {
        x: ptSize * peakBox.scaleX - peakBox.x
        y: 0
    }
}
