import QtQuick 2.8
import "Palette.js" as Palette

// The light box of the login page's dialogs, centred across the page.
Rectangle {
    x: (parent.width - width) / 2
    y: ptSize * 120
    width: ptSize * 325
    height: ptSize * 325
    color: Palette.dialogBox
    radius: ptSize * 10
    border.color: "black"
    border.width: ptSize * 3
}
