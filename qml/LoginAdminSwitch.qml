import QtQuick 2.8
import QtQuick.Controls 2.1
import "Palette.js" as Palette

// The bar at the foot of the login page. Outside admin mode a slide switch:
// the knob dragged to the left end unlocks "Admin mode". In admin mode the
// "Login screen" button that leaves it.
Rectangle {
    id: adminSwitch
    objectName: "grand_kirikae"
    color: "#88000000"

    property bool adminMode: false

    signal adminModeClicked()
    signal loginScreenClicked()

    // The knob back at the right end of its track; until the switch is made
    // it is there anyway.
    function resetKnob() {
        if (switchLayer.item)
            switchLayer.item.resetKnob()
    }

    // Hidden until discovery has published its first list, so made after
    // the first frame.
    LaterLoader {
        id: switchLayer
        x: (parent.width - width) / 2
        y: ptSize * 12
        visible: false
        sourceComponent: Component {
            Rectangle {
                id: container
                objectName: "container"
                width: ptSize * 324
                height: shuttle.height
                color: Palette.transparent

                function resetKnob() {
                    shuttle.x = Qt.binding(function() { return shuttle.parent.width - shuttle.width })
                }

                Rectangle {
                    id: modoru_groupe
                    objectName: "modoru_groupe"
                    anchors.fill: parent
                    color: Palette.transparent
                    visible: adminSwitch.adminMode

                    Button {
                        objectName: "loginScreenButton"
                        x: 3
                        y: x
                        width: parent.width - (x + 2)
                        height: parent.height - 2 * y
                        background: Rectangle {
                            anchors.fill: parent
                            color: "#878787"
                            radius: ptSize * 3
                            border.color: "black"
                            border.width: ptSize * 1
                        }
                        contentItem: Text {
                            text: "Login screen"
                            textFormat: Text.PlainText
                            color: "white"
                            font.pixelSize: ptSize * 18
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                        onClicked: adminSwitch.loginScreenClicked()
                    }
                }

                Rectangle {
                    id: nyokigroup
                    objectName: "nyokigroup"
                    anchors.fill: parent
                    color: Palette.transparent
                    visible: !adminSwitch.adminMode

                    Rectangle {
                        id: kazari
                        objectName: "kazari"
                        x: 3
                        y: x
                        width: parent.width - (x + 2)
                        height: parent.height - 2 * y
                        color: "#2f3e5b"
                        radius: 3
                        border.color: "black"
                        border.width: ptSize * 1

                        Button {
                            id: admin_button
                            objectName: "admin_button"
                            anchors.fill: parent
                            visible: shuttle.x < 2
                            background: Rectangle {
                                anchors.fill: parent
                                color: "#13337c"
                                radius: 3
                            }
                            contentItem: Text {
                                text: "Admin mode"
                                textFormat: Text.PlainText
                                color: "white"
                                font.pixelSize: ptSize * 18
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                            }
                            onClicked: adminSwitch.adminModeClicked()
                        }
                    }

                    Image {
                        id: shuttle
                        objectName: "shuttle"
                        x: parent.width - shuttle.width
                        y: 0
                        sourceSize.width: ptSize * 80
                        smooth: false
                        source: admin_button.visible ? "Resource/login/icon_80x52_lock_on.svg"
                                                     : "Resource/login/icon_80x52_lock_off.svg"

                        MouseArea {
                            id: shuttle_drag
                            objectName: "shuttle_drag"
                            anchors.fill: parent
                            drag.target: shuttle
                            drag.axis: Drag.XAxis
                            drag.minimumX: 0
                            drag.maximumX: container.width - shuttle.width
                        }
                    }
                }
            }
        }
    }

    // Usable once discovery has published its first list.
    Connections {
        target: udpc
        function onInitCompleted() {
            switchLayer.ready()
            switchLayer.visible = true
        }
    }
}
