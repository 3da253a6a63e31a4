import QtQuick 2.8

// The HOME tab: the Home main page and, scrolled down to, the information panel.
Item {
    id: homeScreenRoot

    Flickable {
        id: mainFlick
        objectName: "mainFlick"
        anchors.fill: parent
        flickableDirection: Flickable.VerticalFlick
        clip: true
        contentHeight: homeScreenRoot.height + homeInformation.height

        HomeMain {
            id: homeMain
            objectName: "homeMain"
            width: homeScreenRoot.width
            height: homeScreenRoot.height
        }

        HomeInformation {
            id: homeInformation
            objectName: "homeInformation"
            anchors.top: homeMain.bottom
            anchors.horizontalCenter: parent.horizontalCenter
        }
    }

    PropertyAnimation {
        id: mainFlickToDown
        target: mainFlick
        property: "contentY"
        to: mainFlick.contentHeight - mainFlick.height
        duration: 200
        easing.type: Easing.OutCubic
    }

    PropertyAnimation {
        id: mainFlickToUp
        target: mainFlick
        property: "contentY"
        to: 0
        duration: 200
        easing.type: Easing.OutCubic
    }
}
