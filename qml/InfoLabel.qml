import QtQuick 2.8

// A label or value line of the Home page's information panel.
Text {
    textFormat: Text.PlainText
    verticalAlignment: Text.AlignVCenter
    font.pixelSize: ptSize * 15
    font.weight: Font.Medium
}
