import QtQuick 2.8
import QtQuick.Controls 2.1

// The recorder's play area and the list to change it. The button shows what
// the recorder reports; a choice only asks the recorder.
Item {
    id: homePlayAreaRoot

    property bool playAreaDropdownVisible: false

    function choose(entry, request) {
        if (comm.playArea !== entry.text)
            request()
        playAreaDropdownVisible = false
    }

    HomeSelectorButton {
        id: playArea
        objectName: "playArea"
        x: ptSize * 147
        valueText: comm.playArea
        listOpen: playAreaDropdownVisible
        onClicked: {
            if (statusLetsOpen)
                playAreaDropdownVisible = !playAreaDropdownVisible
            if (playAreaDropdownVisible) {
                homeCurrentMedia.currentMediaDropdownVisible = false
                homePlayMode.playModeDropdownVisible = false
                lockButton.visible = true
            }
        }
    }

    HomeSelectorEntry {
        id: playAreaAll
        objectName: "playAreaAll"
        above: playArea
        text: "ALL"
        visible: playAreaDropdownVisible
        lit: comm.playArea === text
        onChosen: choose(playAreaAll, comm.playAreaAllRequest)
    }

    // An audio CD has no folders, unless it holds no tracks or is a data disc.
    HomeSelectorEntry {
        id: playAreaFolder
        objectName: "playAreaFolder"
        above: playAreaAll
        text: "FOLDER"
        visible: playAreaDropdownVisible
                 && (comm.currentMedia !== "CD" || comm.cdType.indexOf("Data") !== -1 || comm.allTrackNo === "000")
        lit: comm.playArea === text
        onChosen: choose(playAreaFolder, comm.playAreaFolderRequest)
    }

    // Playlists live on the card and USB media only.
    HomeSelectorEntry {
        id: playAreaPlaylist
        objectName: "playAreaPlaylist"
        above: playAreaFolder
        text: "PLAYLIST"
        visible: playAreaDropdownVisible && comm.currentMedia !== "CD"
        lit: comm.playArea === text
        onChosen: choose(playAreaPlaylist, comm.playAreaPlaylistRequest)
    }

    HomeSelectorSessionWatch {
        onEnded: playAreaDropdownVisible = false
    }
}
