import QtQuick 2.8
import QtQuick.Window 2.15

// A part of the window that is hidden at start: made once the window has
// drawn its first frame rather than before it, and completed at once when it
// is first needed.
Loader {
    id: layer
    asynchronous: true
    active: false

    // The part, complete: made now if it is not there yet.
    function ready() {
        asynchronous = false
        active = true
        return item
    }

    Connections {
        target: layer.Window.window
        enabled: !layer.active
        function onFrameSwapped() {
            layer.active = true
        }
    }
}
