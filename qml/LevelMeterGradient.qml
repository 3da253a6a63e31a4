import QtQuick 2.8

// The colours of the meter's scale, green at its start to yellow at its end;
// the bars and peaks clip it, so each segment keeps its colour.
Rectangle {
    width: ptSize * 333
    height: width
    rotation: 270
    gradient: Gradient {
        GradientStop { position: 0.2; color: "#64AA69" }
        GradientStop { position: 0.98; color: "#FFE15A" }
    }
}
