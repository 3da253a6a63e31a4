import QtQuick 2.8

// Covers the Browse page while the medium cannot be browsed: a CD, a
// recording, or the browser's own not-available text.
DialogNoButton {
    objectName: "browseNotice"

    property bool rec: comm.statusIcon === 129 || comm.statusIcon === 130 || comm.statusIcon === 131
    property bool cd: comm.currentMedia === "CD"
    property bool cppString: browse.browseDialogString !== ""

    visible: cd || rec || cppString
    text: cd ? "BROWSE screen is not available when current media is CD."
             : rec ? "BROWSE screen is not available while recordings."
                   : cppString ? browse.browseDialogString : ""

    // The browser's text clears once the medium is back: list it again.
    onCppStringChanged: {
        if (!cppString)
            browse.restartBrowse()
    }
}
