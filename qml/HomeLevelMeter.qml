import QtQuick 2.8

// The stereo level meter: the L bar on top, the R bar at the bottom, each
// with its held peak and its over marker.
SizedImage {
    id: levelMeter
    objectName: "levelMeter"
    x: ptSize * 17
    y: ptSize * 318
    width: ptSize * 380
    height: ptSize * 46
    source: "Resource/BarMeter_380x46_3.png"
    mipmap: true

    LevelMeterBar {
        objectName: "levelBarL"
        y: 0
        scaleX: 14
        level: comm.levelMeterL
    }
    LevelMeterBar {
        objectName: "levelBarR"
        anchors.bottom: parent.bottom
        scaleX: 14
        level: comm.levelMeterR
    }
    LevelMeterPeak {
        objectName: "levelPeakL"
        y: 0
        scaleX: 14
        peak: comm.levelMeterLPeak
    }
    LevelMeterPeak {
        objectName: "levelPeakR"
        anchors.bottom: parent.bottom
        scaleX: 14
        peak: comm.levelMeterRPeak
    }
    Rectangle {
        objectName: "levelOverL"
        anchors.top: parent.top
        anchors.right: parent.right
        width: ptSize * 25
        height: ptSize * 8
        color: "#E63228"
        visible: comm.levelMeterLOver
    }
    Rectangle {
        objectName: "levelOverR"
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        width: ptSize * 25
        height: ptSize * 8
        color: "#E63228"
        visible: comm.levelMeterROver
    }
}
