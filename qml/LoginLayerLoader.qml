import QtQuick 2.8

// A part of the login page that is hidden at start: made while the page shows
// rather than before its first frame, and completed at once when it is first
// needed.
Loader {
    asynchronous: true

    // The part, complete: finished now if it is still being made.
    function ready() {
        asynchronous = false
        return item
    }
}
