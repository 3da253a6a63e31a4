import QtQuick 2.8

// Over the editing pages while another controller holds the editing right.
DialogNoButton {
    objectName: "notAvailableNotice"
    text: "Not available.\nAnother HB740 Control app is currently accessing the Browse, Playlists or Timer Event Pages."
}
