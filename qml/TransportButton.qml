import QtQuick 2.8
import QtQuick.Controls 2.1

// A transport key: an image button, the lit image while `lit` holds.
Button {
    id: transportButton

    property url onImage
    property url offImage
    property bool lit: down

    background: SizedImage {
        source: transportButton.lit ? transportButton.onImage : transportButton.offImage
    }
}
