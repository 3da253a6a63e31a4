import QtQuick 2.8
import QtQuick.Window 2.2
import QtQml 2.14

// An image decoded at the size it is drawn, in the screen's device pixels,
// not at the size of its file: the raster images are drawn at three times
// the size they are shown at. It must be sized from outside (width and
// height, anchors, or the control it is the background of), as its implicit
// size is the decoded one.
Image {
    id: sizedImage

    // Qt renders a scalable image at its source size times the ratio itself.
    readonly property real decodeScale: /\.svgz?$/i.test(source) ? 1 : Screen.devicePixelRatio

    // A control sizes its background without holding the size: the image
    // would take its implicit size, the decoded one, as soon as it changes.
    anchors.fill: parent && parent.background === sizedImage ? parent : undefined

    // While the window is being resized the decode stays as it was, drawn
    // scaled, and follows once the new size has settled (imagePtSize); an
    // image made meanwhile is decoded for the size as it was. Until it has a
    // size (a control sizes its background after creating it) a token
    // decode, as an empty source size would decode it whole.
    property bool created: false
    Component.onCompleted: created = true
    Binding on sourceSize {
        when: imagePtSize === ptSize || !sizedImage.created
        restoreMode: Binding.RestoreNone
        value: {
            const scale = sizedImage.decodeScale * (ptSize > 0 ? imagePtSize / ptSize : 1)
            return sizedImage.width > 0 && sizedImage.height > 0
                    ? Qt.size(Math.ceil(sizedImage.width * scale - 0.001), Math.ceil(sizedImage.height * scale - 0.001))
                    : Qt.size(16, 16)
        }
    }
}
