import QtQuick 2.8
import QtQuick.Controls 2.1

// The recorder's play mode and the list to change it. The button shows what
// the recorder reports; a choice only asks the recorder. The page's lock key
// lies over the lower entries of this list, so it hides while the list is
// open and comes back when the list closes.
Item {
    id: homePlayModeRoot

    property bool playModeDropdownVisible: false

    function close() {
        playModeDropdownVisible = false
        lockButton.visible = true
    }

    function choose(entry, request) {
        if (comm.playMode !== entry.text)
            request()
        close()
    }

    HomeSelectorButton {
        id: playMode
        objectName: "playMode"
        x: ptSize * 279
        valueText: comm.playMode
        listOpen: playModeDropdownVisible
        onClicked: {
            if (statusLetsOpen)
                playModeDropdownVisible = !playModeDropdownVisible
            if (playModeDropdownVisible) {
                homePlayArea.playAreaDropdownVisible = false
                homeCurrentMedia.currentMediaDropdownVisible = false
                lockButton.visible = false
            } else {
                lockButton.visible = true
            }
        }
    }

    HomeSelectorEntry {
        id: playModeContinue
        objectName: "playModeContinue"
        above: playMode
        text: "CONTINUE"
        visible: playModeDropdownVisible
        lit: comm.playMode === text
        onChosen: choose(playModeContinue, comm.playModeContinueRequest)
    }

    HomeSelectorEntry {
        id: playModeSingle
        objectName: "playModeSingle"
        above: playModeContinue
        text: "SINGLE"
        visible: playModeDropdownVisible
        lit: comm.playMode === text
        onChosen: choose(playModeSingle, comm.playModeSingleRequest)
    }

    HomeSelectorEntry {
        id: playModeProgram
        objectName: "playModeProgram"
        above: playModeSingle
        text: "PROGRAM"
        visible: playModeDropdownVisible
        lit: comm.playMode === text
        onChosen: choose(playModeProgram, comm.playModeProgramRequest)
    }

    HomeSelectorEntry {
        id: playModeRandom
        objectName: "playModeRandom"
        above: playModeProgram
        text: "RANDOM"
        visible: playModeDropdownVisible
        lit: comm.playMode === text
        onChosen: choose(playModeRandom, comm.playModeRandomRequest)
    }

    HomeSelectorSessionWatch {
        onEnded: {
            if (playModeDropdownVisible)
                close()
        }
    }
}
