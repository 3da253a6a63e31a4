import QtQuick 2.8

// A page of the window, made without holding up the first frame: its
// document is read and its items made while the login page shows, and
// completed at once when a login starts, so that every page is there before a
// session begins.
Loader {
    // The page's name, for finding it.
    property string pageName

    anchors.fill: parent
    asynchronous: comm.loginState === 0
    onLoaded: item.objectName = pageName
}
