import QtQuick 2.8

// A line of black text above a field of the login page's dialogs.
Text {
    width: ptSize * 180
    height: ptSize * 20
    textFormat: Text.PlainText
    color: "black"
    font.pixelSize: ptSize * 18
}
