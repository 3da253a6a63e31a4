import QtQuick 2.8

// The mono level meter: one bar driven by the L values.
SizedImage {
    x: ptSize * 17
    y: ptSize * 318
    width: ptSize * 380
    height: ptSize * 46
    source: "Resource/BarMeter_mono_380x46_3.png"

    LevelMeterBar {
        objectName: "monoLevelBar"
        y: 0
        scaleX: 7
        level: comm.levelMeterL
    }
    LevelMeterPeak {
        objectName: "monoLevelPeak"
        y: 0
        scaleX: 7
        peak: comm.levelMeterLPeak
    }
    Rectangle {
        objectName: "monoLevelOver"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.rightMargin: ptSize * 7
        width: ptSize * 25
        height: ptSize * 8
        color: "#E63228"
        visible: comm.levelMeterLOver
    }
}
