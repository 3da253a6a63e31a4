import QtQuick 2.8
import QtQuick.Controls 2.1

// A slider of the settings window. It stands on the recorder's last reported
// value and announces, through `send`, every other value it is moved to,
// rounded to its step and kept within its range.
Slider {
    id: stepSlider

    // True: the next change of the value is not sent, and clears the flag.
    property bool flag: false
    property bool lit: false
    // Where the recorder's last report puts the slider.
    property real lastReport: 0

    signal send(real value)

    snapMode: Slider.SnapAlways

    // A value on the step and within the range; anything else counts as 0.
    function snapped(value) {
        if (!isFinite(value))
            value = 0
        const factor = Math.round(1 / stepSize)
        const rounded = Math.round(value * factor) / factor
        return Math.max(from, Math.min(to, rounded))
    }

    // The minus and plus buttons: one step, none beyond the ends.
    function stepBy(steps) {
        value = snapped(value + steps * stepSize)
    }

    // The window opens on the recorder's last report, sending nothing.
    function begin(reported) {
        lastReport = snapped(reported)
        value = lastReport
    }

    // A report puts the slider back on the recorder's value. Where the knob
    // would not be redrawn on its own, it is forced through 0 and 1 first,
    // without sending.
    function follow(reported) {
        lastReport = snapped(reported)
        if (isWindows) {
            handle.visible = false
            flag = true
            value = 0
            flag = true
            value = 1
        }
        value = lastReport
        handle.visible = true
    }

    onValueChanged: {
        if (flag) {
            flag = false
            return
        }
        const target = snapped(value)
        // The recorder's own value is never sent back, even one from beyond the
        // range that the slider can only show at its end.
        if (target === lastReport)
            return
        send(target)
    }

    background: Item {
    }

    handle: SizedImage {
        objectName: "knob"
        x: stepSlider.leftPadding + (stepSlider.availableWidth - width) * stepSlider.visualPosition
        y: stepSlider.topPadding + stepSlider.availableHeight / 2 - height / 2
        width: ptSize * 30
        height: ptSize * 30
        source: stepSlider.lit ? "Resource/Knob_ON_30x30_3.png" : "Resource/Knob_OFF_30x30_3.png"
    }
}
