import QtQuick 2.8
import QtQuick.Controls 2.1

// The MENU page: the recorder's whole device menu as one scrolling list of
// rows, page titles, items and subitems, built anew on every completed menu.
// Each row is registered with the menu model, which writes the recorder's
// values into it; the rows' edits go back to the model.
Item {
    id: menuScreen

    property real lineHeight: ptSize * 50
    // Where the builder stands: the row being created reads these.
    property int nowPageNumber: 0
    // -1: a page title row.
    property int nowItemNumber: 0
    // -1: an item header row, -2: the row of an item with a single subitem.
    property int nowSubitemNumber: 0
    property int allListNumber: 0
    property bool visibleComboBox: true

    // A menu completed while a build runs (a value request may let the event
    // loop run) waits for that build to end, then the rows are built afresh.
    property bool building: false
    property bool buildWanted: false

    function buildRows() {
        if (building) {
            buildWanted = true
            return
        }
        building = true
        do {
            buildWanted = false
            buildOnce()
        } while (buildWanted)
        building = false
        menu.drawingFinished = true
    }

    function appendRow(component) {
        rowModel.append({ "pageSource": component })
        allListNumber += 1
    }

    function buildOnce() {
        menuArea.visible = false
        rowModel.clear()
        allListNumber = 0
        nowPageNumber = 0
        nowItemNumber = 0
        nowSubitemNumber = 0
        visibleComboBox = true

        for (var i = 0; i < menu.getMaxPageNumber(); i++) {
            if (!menu.getPageVisible(i)) {
                nowPageNumber += 1
                continue
            }
            nowItemNumber = -1
            if (menu.getPageName(nowPageNumber) !== "")
                appendRow(pageComponent)
            for (var j = 0; j < menu.getMaxItemNumber(i); j++) {
                nowItemNumber += 1
                if (menu.getMaxSubitemNumber(i, j) === 1) {
                    nowSubitemNumber = -2
                    if (menu.getSubitemVisible(i, j, 0))
                        appendRow(menu.getSubitemType(i, j, 0) === 0 ? itemComponent : itemRangeComponent)
                    continue
                }
                nowSubitemNumber = -1
                if (menu.getItemVisible(i, j)) {
                    visibleComboBox = false
                    appendRow(itemComponent)
                    visibleComboBox = true
                }
                for (var k = 0; k < menu.getMaxSubitemNumber(i, j); k++) {
                    nowSubitemNumber += 1
                    if (menu.getSubitemVisible(i, j, k))
                        appendRow(menu.getSubitemType(i, j, k) === 0 ? subitemComponent : subitemRangeComponent)
                }
            }
            nowPageNumber += 1
        }
        menuArea.visible = true
    }

    function fillOptions(row, p, j, s) {
        for (var l = 0; l < menu.getMaxSubitemParameterNumber(p, j, s); l++)
            row.modelList.append({ "modelData": menu.getSubitemParameterName(p, j, s, l) })
    }

    // A choice row: its options, its read-only text and no option shown
    // until the recorder's value arrives.
    function setUpChoice(row, p, j, s) {
        fillOptions(row, p, j, s)
        row.readOnly = menu.getSubitemReadOnly(p, j, s)
        if (row.readOnly && menu.getMaxSubitemParameterNumber(p, j, s) > 0)
            row.readOnlyValue = menu.getSubitemParameterName(p, j, s, 0)
        row.comboBoxCurrentIndex = menu.getMaxSubitemParameterNumber(p, j, s)
        row.oldIndex = menu.getMaxSubitemParameterNumber(p, j, s)
        menu.subitemValueRequest(p, j, s)
        row.visibleComboBox = visibleComboBox
    }

    // Runs while the row's element is appended: the counters tell what it is.
    function setUpRow(row) {
        var p = nowPageNumber
        var j = nowItemNumber
        var s = nowSubitemNumber
        if (j === -1) {
            row.menuText = menu.getPageName(p)
            menu.setPageObject(p, row)
        } else if (s === -1) {
            row.menuText = menu.getItemName(p, j)
            menu.setItemObject(p, j, row)
            row.visibleComboBox = visibleComboBox
        } else if (s === -2) {
            row.menuText = menu.getItemName(p, j)
            menu.setItemObject(p, j, row)
            if (menu.getSubitemType(p, j, 0) === 0)
                setUpChoice(row, p, j, 0)
            else
                menu.subitemValueRequest(p, j, 0)
        } else {
            row.menuText = menu.getSubitemName(p, j, s)
            menu.setSubitemObject(p, j, s, row)
            if (menu.getSubitemType(p, j, s) === 0)
                setUpChoice(row, p, j, s)
            else
                menu.subitemValueRequest(p, j, s)
        }
        row.pageNumber = p
        row.itemNumber = j
        row.subitemNumber = s
        row.serialNumber = allListNumber
    }

    // An edit on a row goes to the model; the row of an item edits its only subitem.
    function forwardEdit(row, value) {
        menu.changedSubitemObjectValue(row.pageNumber, row.itemNumber, Math.max(row.subitemNumber, 0), value, 0)
    }

    // Milliseconds -1000 .. +1000 to the recorder's 0 .. 200, to the nearest step.
    function rangeValue(milliseconds) {
        return Math.round((milliseconds + 1000) / 10)
    }

    function refillOptions(row, label, p, j, s) {
        row.menuText = label
        row.modelList.clear()
        fillOptions(row, p, j, s)
    }

    // A plain connection, made after start-up's own to the same signal, so
    // that their commands go out before the rows ask for their values: the
    // handlers of a Connections would run before those.
    Component.onCompleted: menu.menuCompleted.connect(buildRows)
    Component.onDestruction: menu.menuCompleted.disconnect(buildRows)

    BackScreen {
        id: menuBack

        Text {
            id: menuTitle
            objectName: "menuTitle"
            x: 0
            y: ptSize * 20
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            color: "white"
            font.pixelSize: ptSize * (isAndroid ? 23 : 24)
            font.weight: Font.Medium
            textFormat: Text.PlainText
            text: "MENU"
        }

        Flickable {
            id: menuArea
            objectName: "menuArea"
            anchors.left: parent.left
            anchors.top: menuTitle.bottom
            anchors.topMargin: ptSize * (isDesktop ? 5 : 0)
            anchors.bottom: parent.bottom
            width: parent.width
            flickableDirection: Flickable.VerticalFlick
            clip: true
            contentHeight: allListNumber * lineHeight

            ScrollBar.vertical: ScrollBar {
                objectName: "menuScrollBar"
                // On the list's right edge, as high as the list: the list lays
                // it out itself, so that resizing the window loops no anchors.
                parent: menuArea
                // As wide as its handle: it covers no more of the rows than that.
                padding: 0
                contentItem: CommonScrollBarItem {}
            }

            Repeater {
                id: menuRepeater
                objectName: "menuRepeater"
                model: ListModel {
                    id: rowModel
                }
                delegate: Loader {
                    sourceComponent: pageSource
                    onLoaded: setUpRow(item)
                }
            }

            Component {
                id: pageComponent
                MenuPageObject {
                    objectName: "menuPageRow"
                    property int pageNumber: 0
                    property int itemNumber: 0
                    property int subitemNumber: 0
                    property int serialNumber: 0
                    y: serialNumber * lineHeight
                    width: menuArea.width
                    height: lineHeight
                }
            }

            Component {
                id: itemComponent
                MenuItemObject {
                    objectName: "menuItemRow"
                    property int pageNumber: 0
                    property int itemNumber: 0
                    property int subitemNumber: 0
                    property int serialNumber: 0
                    y: serialNumber * lineHeight
                    width: menuArea.width
                    height: lineHeight
                    subitem: false
                    onComboBoxSelected: forwardEdit(this, value)
                }
            }

            Component {
                id: subitemComponent
                MenuItemObject {
                    objectName: "menuSubitemRow"
                    property int pageNumber: 0
                    property int itemNumber: 0
                    property int subitemNumber: 0
                    property int serialNumber: 0
                    y: serialNumber * lineHeight
                    width: menuArea.width
                    height: lineHeight
                    subitem: true
                    onComboBoxSelected: forwardEdit(this, value)
                }
            }

            Component {
                id: subitemRangeComponent
                MenuItemRangeObject {
                    objectName: "menuRangeRow"
                    property int pageNumber: 0
                    property int itemNumber: 0
                    property int subitemNumber: 0
                    property int serialNumber: 0
                    y: serialNumber * lineHeight
                    width: menuArea.width
                    height: lineHeight
                    onRangeSelected: forwardEdit(this, rangeValue(value))
                }
            }

            // The range row of an item whose only subitem is a range.
            Component {
                id: itemRangeComponent
                MenuItemRangeObject {
                    objectName: "menuItemRangeRow"
                    property int pageNumber: 0
                    property int itemNumber: 0
                    property int subitemNumber: 0
                    property int serialNumber: 0
                    y: serialNumber * lineHeight
                    width: menuArea.width
                    height: lineHeight
                    subitem: false
                    onRangeSelected: forwardEdit(this, rangeValue(value))
                }
            }
        }

        Connections {
            target: menu
            function onInputLevelParameterChanged(page, item, subitem, obj) {
                refillOptions(obj, menu.getSubitemName(page, item, subitem), page, item, subitem)
            }
            function onItemParameterChanged(page, item, obj) {
                refillOptions(obj, menu.getItemName(page, item), page, item, 0)
            }
        }
    }
}
