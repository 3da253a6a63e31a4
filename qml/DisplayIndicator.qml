import QtQuick 2.8

// A lamp of the front display: an image that shows while its condition holds.
SizedImage {
    mipmap: true
}
