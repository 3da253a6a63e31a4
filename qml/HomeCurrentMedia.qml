import QtQuick 2.8
import QtQuick.Controls 2.1

// The recorder's current medium and the list to change it. The button shows
// what the recorder reports; a choice only asks the recorder.
Item {
    id: homeCurrentMediaRoot

    property bool currentMediaDropdownVisible: false

    // Recording to two media shows the pair; a disc shows its kind, and a
    // recordable disc whether it is finalized.
    function mediumText() {
        if (comm.backupRelay && !playOnly)
            return comm.currentMediaBackupRelay
        if (comm.currentMedia === "CD") {
            if (comm.cdType.indexOf("R") === -1)
                return comm.cdType
            return comm.cdType + "\n" + comm.finalizedCd
        }
        return comm.currentMedia
    }

    function choose(entry, request) {
        if (comm.currentMedia !== entry.text)
            request()
        currentMediaDropdownVisible = false
    }

    HomeSelectorButton {
        id: currentMedia
        objectName: "currentMedia"
        x: ptSize * 15
        valueText: homeCurrentMediaRoot.mediumText()
        listOpen: currentMediaDropdownVisible
        onClicked: {
            if (playOnly && statusLetsOpen)
                currentMediaDropdownVisible = !currentMediaDropdownVisible
            if (currentMediaDropdownVisible) {
                homePlayArea.playAreaDropdownVisible = false
                homePlayMode.playModeDropdownVisible = false
                lockButton.visible = true
            }
        }
    }

    HomeSelectorEntry {
        id: currentMediaUSB
        objectName: "currentMediaUSB"
        above: currentMedia
        text: "USB"
        visible: currentMediaDropdownVisible
        lit: comm.currentMedia === text
        onChosen: choose(currentMediaUSB, comm.currentMediaUSBRequest)
    }

    HomeSelectorEntry {
        id: currentMediaSD1
        objectName: "currentMediaSD1"
        above: currentMediaUSB
        text: "SD1"
        visible: currentMediaDropdownVisible
        lit: comm.currentMedia === text
        onChosen: choose(currentMediaSD1, comm.currentMediaSD1Request)
    }

    HomeSelectorEntry {
        id: currentMediaSD2
        objectName: "currentMediaSD2"
        above: currentMediaSD1
        text: "SD2"
        visible: currentMediaDropdownVisible
        lit: comm.currentMedia === text
        onChosen: choose(currentMediaSD2, comm.currentMediaSD2Request)
    }

    // Only the recorder with a disc drive has a CD.
    HomeSelectorEntry {
        id: currentMediaCD
        objectName: "currentMediaCD"
        above: currentMediaSD2
        text: "CD"
        visible: currentMediaDropdownVisible && comm.model === 1
        lit: comm.currentMedia === text
        onChosen: choose(currentMediaCD, comm.currentMediaCDRequest)
    }

    HomeSelectorSessionWatch {
        onEnded: currentMediaDropdownVisible = false
    }
}
