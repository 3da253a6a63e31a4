import QtQuick 2.8
import QtQuick.Window 2.2

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

    // Until it has a size (a control sizes its background after creating
    // it) a token decode, as an empty source size would decode it whole.
    sourceSize: width > 0 && height > 0 ? Qt.size(Math.ceil(width * decodeScale - 0.001), Math.ceil(height * decodeScale - 0.001))
                                        : Qt.size(16, 16)
}
