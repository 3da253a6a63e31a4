import QtQuick 2.8

// A page of the window, made without holding up the first frame: it is
// incubated while the login page shows, and completed at once when a login
// starts, so that every page is there before a session begins.
Loader {
    anchors.fill: parent
    asynchronous: comm.loginState === 0
}
