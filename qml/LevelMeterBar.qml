import QtQuick 2.8

// A level bar lighting the first `level` segments of the 58 of the scale that
// starts at `scaleX` pt in the meter. The recorder's values reach 254; the bar
// stops at the scale's end and never covers what lies beyond it.
Item {
    property int level: 0
    property real scaleX: 0

    readonly property int lit: Math.max(0, Math.min(level, 58))

    x: ptSize * scaleX
    width: ptSize * lit * 333 / 58
    height: ptSize * 8
    clip: true
    visible: lit !== 0

    LevelMeterGradient {
        x: 0
        y: 0
    }
}
