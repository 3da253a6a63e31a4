import QtQuick 2.8
import QtQuick.Controls 2.1

// A field of the manual login page; its frame lights up while it has the focus.
TextField {
    id: manualField
    width: ptSize * 296
    height: ptSize * 50
    font.pixelSize: ptSize * 25
    background: SizedImage {
        anchors.fill: parent
        smooth: false
        source: manualField.focus ? "Resource/LogIn_add-pass_ON_296x50_3.png"
                                  : "Resource/LogIn_add-pass_OFF_296x50_3.png"
    }
}
