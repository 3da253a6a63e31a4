import QtQuick 2.8
import QtQuick.Controls 2.1
import "Palette.js" as Palette

// A row of the device menu with a list of options: the row of an item with a
// single subitem, of a subitem (indented), or the header of an item with none
// or several (list hidden), whose guide line runs down its subitems' rows.
// The menu model writes the recorder's values into it by property name.
Item {
    id: menuItemRoot

    // The option last shown from the recorder or last chosen here: choosing
    // it again sends nothing.
    property int oldIndex: -1
    property bool subitem: false
    property bool readOnly: false
    property string readOnlyValue: ""
    property alias menuText: itemText.text
    property alias modelList: comboBox.model
    property alias visibleComboBox: comboBox.visible
    property alias comboBoxCurrentIndex: comboBox.currentIndex

    signal comboBoxSelected(int value)

    readonly property real indent: subitem ? ptSize * 20 : 0

    Rectangle {
        x: menuItemRoot.indent
        y: 0
        width: parent.width - x
        height: 1
        color: Palette.menuLine
    }

    Rectangle {
        objectName: "menuFocusPlate"
        x: menuItemRoot.indent
        y: ptSize * 3
        width: ptSize * 220 - x
        height: parent.height - ptSize * 6
        color: Palette.menuFocus
        visible: comboBox.activeFocus
    }

    Text {
        id: itemText
        objectName: "menuItemText"
        x: ptSize * (subitem ? 25 : 8)
        y: 0
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        color: comboBox.activeFocus ? "black" : "white"
        font.pixelSize: ptSize * (isAndroid ? 17 : 16)
        font.weight: Font.Medium
        textFormat: Text.PlainText
    }

    ComboBox {
        id: comboBox
        objectName: "menuComboBox"
        anchors.right: parent.right
        y: ptSize * 3
        width: ptSize * 206
        height: parent.height - ptSize * 6
        enabled: !readOnly
        font.pixelSize: itemText.font.pixelSize
        font.weight: Font.Medium
        textRole: "modelData"
        model: ListModel {}

        // Only the operator's own choice reaches here, never a value set from outside.
        onActivated: {
            if (oldIndex != currentIndex) {
                comboBoxSelected(currentIndex)
                oldIndex = currentIndex
            }
        }

        contentItem: Text {
            leftPadding: ptSize * (isIos || isAndroid ? 15 : 10)
            text: comboBox.displayText
            font: comboBox.font
            color: comboBox.activeFocus ? "black" : "white"
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            textFormat: Text.PlainText
        }

        background: Rectangle {
            color: comboBox.activeFocus ? "white" : Palette.menuField
        }

        indicator: Item {}

        delegate: ItemDelegate {
            width: comboBox.width
            height: comboBox.height * 0.92
            highlighted: comboBox.highlightedIndex === index
            contentItem: Text {
                text: modelData
                font: comboBox.font
                verticalAlignment: Text.AlignVCenter
                textFormat: Text.PlainText
            }
            background: Rectangle {
                color: highlighted ? Palette.menuEntryHighlighted : Palette.menuEntry
            }
        }
    }

    Rectangle {
        objectName: "menuReadOnlyPlate"
        anchors.right: comboBox.right
        y: comboBox.y
        width: comboBox.width
        height: comboBox.height
        color: Palette.menuField
        visible: readOnly

        Text {
            objectName: "menuReadOnlyText"
            anchors.fill: parent
            anchors.leftMargin: ptSize * (isIos || isAndroid ? 15 : 10)
            color: "white"
            font: comboBox.font
            verticalAlignment: Text.AlignVCenter
            text: readOnlyValue
            textFormat: Text.PlainText
        }
    }

    // Runs down the rows of the item's visible subitems; the numbers are the
    // ones the screen gives the row, absent on a row made elsewhere.
    Rectangle {
        objectName: "menuGuideLine"
        x: ptSize * 10
        y: ptSize * 42
        width: ptSize * 2
        color: "white"
        visible: !subitem
        height: {
            var page = menuItemRoot.pageNumber
            var item = menuItemRoot.itemNumber
            if (page === undefined || item === undefined)
                return 0
            if (menu.getMaxSubitemNumber(page, item) === 1)
                return 0
            return ptSize * 50 * menu.getVisibleSubitemNumber(page, item)
        }
    }

    Connections {
        target: comm
        function onLoginCompChanged(loginComp) {
            if (loginComp === false)
                comboBox.focus = false
        }
    }
}
