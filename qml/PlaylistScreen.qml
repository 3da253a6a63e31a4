import QtQuick 2.8
import QtQuick.Controls 2.1

// The Playlist page: the playlists of the current medium, or the entries of
// the current playlist. Every row is built from what `pl` holds when it loads.
Item {
    id: playlistScreen

    property real lineHeight: ptSize * 47
    property bool pplView: true
    property int assignEntry: -1
    property bool plIsReadOnly: pl.execCommand

    // Reads the list of playlists anew.
    function displayed() {
        plInfoWindowLoader.active = false
        // A confirmation names a playlist of the list that is going.
        plDeleteWindowLoader.active = false
        playlistRepeater.model.clear()
        pplArea.opacity = 1
        pl.initPpl()
    }

    // Row `row` of the model holds `component`; a row is added only at the end.
    function setRow(row, component) {
        var model = playlistRepeater.model
        if (row < model.count) {
            if (model.get(row).pageSource !== component)
                model.set(row, {"pageSource": component})
        } else if (row === model.count) {
            model.append({"pageSource": component})
        }
    }

    Connections {
        target: pl
        function onReadyToRedraw() {
            displayed()
        }
        function onPplRecived(number) {
            pplView = true
            // Records can come out of order: the rows of announced playlists
            // still to come wait empty in their places.
            if (number < pl.allPplNumber) {
                while (playlistRepeater.model.count < number)
                    playlistRepeater.model.append({"pageSource": awaitedPplComponent})
            }
            setRow(number, pplComponent)
        }
        function onEntryListRecived() {
            pplView = false
            var max = pl.getMaxEntryNumber()
            var i = 0
            for (; i < max; i++)
                setRow(i, entryComponent)
            for (; i < max + 8; i++)
                setRow(i, entryPageComponent)
        }
    }

    Connections {
        target: permission
        function onIsReadOnlyChanged() {
            plInputWindowLoader.active = false
            playlistBrowseLoader.active = false
            plInfoWindowLoader.active = false
            plDeleteWindowLoader.active = false
            if (!pplView)
                displayed()
        }
    }

    Component {
        id: pplComponent
        PlaylistPplDelegete {
        }
    }

    Component {
        id: awaitedPplComponent
        Item {
        }
    }

    Component {
        id: entryComponent
        PlaylistEntryDelegete {
        }
    }

    Component {
        id: entryPageComponent
        PlaylistPageBar {
        }
    }

    BackScreen {
        Image {
            objectName: "plViewOnly"
            x: ptSize * 18
            y: ptSize * 4
            sourceSize.width: ptSize * 100
            smooth: false
            source: "Resource/icon_100x20_viewonly.svg"
            visible: permission.isReadOnly
        }

        Text {
            id: playlistTitle
            objectName: "playlistTitle"
            x: ptSize * 20
            y: ptSize * 30
            color: "white"
            textFormat: Text.PlainText
            font.pixelSize: ptSize * 25
            font.weight: Font.Medium
            text: pplView ? "PLAYLISTS" : "Entries in playlist"
        }

        MediaIcon {
            anchors.right: parent.right
            anchors.rightMargin: ptSize * 15
            y: ptSize * 24
        }

        PlaylistEntryIcon {
            objectName: "headerEntryIcon"
            x: ptSize * 279
            y: ptSize * 26
            visible: !pplView
        }

        Text {
            objectName: "headerDateTime"
            x: ptSize * 279
            y: ptSize * 46
            color: "white"
            textFormat: Text.PlainText
            font.pixelSize: ptSize * 16
            text: pl.currentPlaylistDateTime
            visible: !pplView
        }

        Flickable {
            id: pplArea
            objectName: "pplArea"
            y: ptSize * 65
            width: parent.width
            height: parent.height - y
            clip: true
            flickableDirection: Flickable.VerticalFlick
            contentWidth: width
            contentHeight: (playlistRepeater.count - (pplView ? 0 : 8)) * lineHeight + playlistFooter.height

            ScrollBar.vertical: ScrollBar {
                objectName: "pplScrollBar"
                anchors.right: parent.right
                visible: pplArea.contentHeight > pplArea.height
                contentItem: CommonScrollBarItem {
                }
            }

            Repeater {
                id: playlistRepeater
                objectName: "playlistRepeater"
                model: ListModel {
                }

                delegate: Loader {
                    sourceComponent: pageSource
                    onLoaded: {
                        if (pageSource === awaitedPplComponent)
                            return
                        if (pplView) {
                            item.pplNumber = index
                            item.pplName = pl.getPplName(index)
                            item.pplDateTime = pl.getPplDateTime(index)
                        } else if (index < 100) {
                            item.entryNumber = index
                            item.entryName = pl.getEntryName(index)
                        } else {
                            item.pageNumber = index - pl.getMaxEntryNumber() + 1
                        }
                    }
                }
            }
        }

        Rectangle {
            id: playlistFooter
            objectName: "playlistFooter"
            width: parent.width
            height: ptSize * 56
            anchors.bottom: parent.bottom
            color: "#E62F3E5B"
            border.width: 1

            MouseArea {
                anchors.fill: parent
            }

            Image {
                id: footerButton
                objectName: "footerButton"
                anchors.centerIn: parent
                sourceSize.width: ptSize * 56
                smooth: false
                source: pplView ? "Resource/Playlist/icon_56x40_AddPlaylist.svg"
                                : "Resource/Playlist/icon_56_return-PLAYLISTS.svg"
                readonly property bool blocked: (permission.isReadOnly || plIsReadOnly) && pplView
                opacity: blocked ? 0.3 : 1

                MouseArea {
                    objectName: "footerButtonArea"
                    anchors.fill: parent
                    enabled: !footerButton.blocked
                    onClicked: {
                        if (pplView) {
                            plInputWindowLoader.field = ""
                            plInputWindowLoader.mode = 1
                            plInputWindowLoader.active = true
                        } else {
                            displayed()
                        }
                    }
                }
            }
        }

        Loader {
            id: plInfoWindowLoader
            objectName: "plInfoWindowLoader"
            property int number
            x: ptSize * 45
            y: ptSize * 236
            width: ptSize * 325
            height: ptSize * 170
            active: false
            sourceComponent: PlaylistInfoWindow {
            }
        }

        Loader {
            id: playlistBrowseLoader
            objectName: "playlistBrowseLoader"
            x: pplArea.x
            y: pplArea.y
            width: pplArea.width
            height: pplArea.height
            active: false
            sourceComponent: BrowseWindow {
                mode: 2
                onClicked: {
                    // A file of a folder still being listed is not the one shown.
                    if (browse.listing)
                        return
                    pl.assignEntry(assignEntry, takeNumber)
                    playlistBrowseLoader.active = false
                    playlistRepeater.model.clear()
                }
                onClickedCancel: playlistBrowseLoader.active = false
            }
        }

        Loader {
            id: plInputWindowLoader
            objectName: "plInputWindowLoader"
            property string field
            property int mode
            property int pplNumber
            x: pplArea.x
            y: pplArea.y
            width: pplArea.width
            height: pplArea.height
            active: false
            sourceComponent: InputWindow {
                objectName: "plInputWindow"
                title: plInputWindowLoader.mode === 0 ? "Playlist name" : "New playlist name"
                field: plInputWindowLoader.field
                onClickedOk: {
                    if (plInputWindowLoader.mode === 0)
                        pl.saveAs(inputText)
                    else if (plInputWindowLoader.mode === 1)
                        pl.createPpl(inputText)
                    else
                        pl.renamePpl(plInputWindowLoader.pplNumber, inputText)
                    plInputWindowLoader.active = false
                }
                onClickedCancel: plInputWindowLoader.active = false
            }
        }

        Loader {
            id: plDeleteWindowLoader
            objectName: "plDeleteWindowLoader"
            property string name
            property string fullpath
            // The medium the path was built for.
            property string media
            x: pplArea.x
            y: pplArea.y
            width: pplArea.width
            height: pplArea.height
            active: false
            sourceComponent: DialogNoButton {
                objectName: "plDeleteWindow"
                text: "Delete selected playlist?\n" + plDeleteWindowLoader.name

                TimerEventButtonRect {
                    objectName: "plDeleteOk"
                    x: ptSize * 86
                    y: ptSize * 242
                    text: "OK"
                    onClicked: {
                        plDeleteWindowLoader.active = false
                        // Only as the row offered it: still editable, stopped, on the same medium.
                        if (permission.isReadOnly || plIsReadOnly || comm.statusIcon !== 16
                                || comm.currentMedia !== plDeleteWindowLoader.media)
                            return
                        pl.execCommand = true
                        browse.deleteFileFullPath(plDeleteWindowLoader.fullpath)
                    }
                }

                TimerEventButtonRect {
                    objectName: "plDeleteCancel"
                    x: ptSize * 228
                    y: ptSize * 242
                    text: "Cancel"
                    onClicked: plDeleteWindowLoader.active = false
                }
            }
        }

        DialogNoButton {
            id: browseDialog
            objectName: "plNotice"
            property bool rec: comm.statusIcon === 129 || comm.statusIcon === 130 || comm.statusIcon === 131
            property bool disabledAreaAndMode: comm.playArea !== "PLAYLIST"
                                               || (comm.playMode !== "CONTINUE" && comm.playMode !== "SINGLE")
            property bool cppString: browse.browseDialogString !== ""
            property bool cd: comm.currentMedia === "CD"
            visible: cppString || disabledAreaAndMode || cd || rec
            text: cd ? "Playlist screen is not available when current media is CD."
                : rec ? "Playlist screen is not available while recordings."
                : disabledAreaAndMode ? "Playlist screen is only available when PLAY AREA is PLAYLIST and PLAY MODE is CONTINUE or SINGLE."
                : cppString ? browse.browseDialogString
                : ""
        }
    }
}
