#include "Menu.h"

#include <QVariant>
#include <optional>

// Values reported by the recorder, the operator's edits with the phantom-power
// rule, the re-reads of option lists that other settings change, and the
// marking of the current medium. A position that no name recorded, and a
// row that is not registered, take part in none of them.

namespace {

// The option a choice row shows; nothing when it shows none (a fresh row
// holds the option count) or is not registered.
std::optional<int> shownOption(QObject *row, int optionCount)
{
    if (!row)
        return std::nullopt;
    bool isNumber = false;
    const int index = row->property("comboBoxCurrentIndex").toInt(&isNumber);
    if (!isNumber || index < 0 || index >= optionCount)
        return std::nullopt;
    return index;
}

bool equals(std::optional<int> shown, int value)
{
    return shown && *shown == value;
}

bool nonZero(std::optional<int> shown)
{
    return shown && *shown != 0;
}

} // namespace

void Menu::subitemValueRequest(int pageNum, int itemNum, int subitemNum)
{
    if (subitemAt(pageNum, itemNum, subitemNum))
        send("01", {pageNum, itemNum, subitemNum});
}

void Menu::changedCommandMenuData()
{
    // The bounds are read again on every pass: a reply handled inside a send
    // may have changed the tree.
    for (int i = 0; i < pages.size(); ++i) {
        for (int j = 0; j < getMaxItemNumber(i); ++j) {
            for (int k = 0; k < getMaxSubitemNumber(i, j); ++k) {
                const MenuSubitem *subitem = subitemAt(i, j, k);
                if (subitem && subitem->visible && (subitem->type == 0 || subitem->type == 1))
                    subitemValueRequest(i, j, k);
            }
        }
    }
}

void Menu::setSubitemObjectValue(int page, int item, int subitem, int value)
{
    const MenuItem *itemNode = itemAt(page, item);
    const MenuSubitem *node = subitemAt(page, item, subitem);
    if (!node)
        return;
    // An item with one subitem shows its value on the item's row.
    const bool single = itemNode->subitems.size() == 1;
    const QPointer<QObject> row = single ? itemNode->object : node->object;
    if (node->type != 0) {
        // A range, on a subitem's row or alone on its item's row.
        const int milliseconds = value * 10 - 1000;
        writeRow(row, "oldIndex", milliseconds);
        writeRow(row, "rangeData", milliseconds);
        return;
    }
    if (single) {
        if (inputSelectPosition.is(page, item, subitem))
            levelTest(page, item, subitem, row, value);
        writeRow(row, "comboBoxCurrentIndex", value);
        writeRow(row, "oldIndex", value);
        return;
    }
    if (inputGainLchPosition.is(page, item, subitem) || inputGainRchPosition.is(page, item, subitem))
        levelTest(page, item, subitem, row, value);
    writeRow(row, "oldIndex", value);
    writeRow(row, "comboBoxCurrentIndex", value);
}

void Menu::levelTest(int page, int item, int subitem, QObject *row, int value)
{
    // Not for the first value after the rows were built: they hold the
    // option count until then.
    const MenuSubitem *node = subitemAt(page, item, subitem);
    if (!row || !node)
        return;
    bool isNumber = false;
    const int shown = row->property("comboBoxCurrentIndex").toInt(&isNumber);
    if (!isNumber || shown == node->parameterNames.size() || (shown == value && !inputLevelChangePending))
        return;
    rebuildInputLevelParameter();
    inputLevelChangePending = false;
}

bool Menu::phantomHoldsBack(int page, int item, int subitem, int value) const
{
    const auto shown = [this](const MenuPosition &position) -> std::optional<int> {
        if (!position.isSet())
            return std::nullopt;
        const MenuSubitem *node = subitemAt(position.page, position.item, position.subitem);
        if (!node)
            return std::nullopt;
        return shownOption(valueRow(position.page, position.item, position.subitem), node->parameterNames.size());
    };
    const std::optional<int> select = shown(inputSelectPosition);
    const std::optional<int> gainL = shown(inputGainLchPosition);
    const std::optional<int> gainR = shown(inputGainRchPosition);
    const std::optional<int> phantomL = shown(phantomLchPosition);
    const std::optional<int> phantomR = shown(phantomRchPosition);

    // Held back when the edit would leave a channel on input 1 with a gain
    // and phantom power at once.
    if (inputSelectPosition.is(page, item, subitem))
        return value == 1 && ((nonZero(gainL) && equals(phantomL, 1)) || (nonZero(gainR) && equals(phantomR, 1)));
    if (inputGainLchPosition.is(page, item, subitem))
        return value != 0 && equals(select, 1) && equals(phantomL, 1);
    if (inputGainRchPosition.is(page, item, subitem))
        return value != 0 && equals(select, 1) && equals(phantomR, 1);
    if (phantomLchPosition.is(page, item, subitem))
        return value == 1 && equals(select, 1) && nonZero(gainL);
    if (phantomRchPosition.is(page, item, subitem))
        return value == 1 && equals(select, 1) && nonZero(gainR);
    return false;
}

bool Menu::takeHeldEdit(int page, int item, int subitem, int value)
{
    // Another tree's indices may name another node: the edit went with its tree.
    const bool held = heldEdit.waiting && heldEdit.tree == treeSerial && heldEdit.page == page
                      && heldEdit.item == item && heldEdit.subitem == subitem && heldEdit.value == value;
    if (held)
        heldEdit.waiting = false;
    return held;
}

void Menu::changedSubitemObjectValue(int pageNum, int itemNum, int subitemNum, int value, int type)
{
    // Rows of a tree that is gone or not yet drawn edit nothing; a value
    // must fit its four digits.
    if (!drawingFinished || !subitemAt(pageNum, itemNum, subitemNum) || value < 0 || value > 9999)
        return;
    if (type != 0) {
        // A confirmation sends only the edit held back, while its tree stands.
        if (!takeHeldEdit(pageNum, itemNum, subitemNum, value))
            return;
    } else if (phantomHoldsBack(pageNum, itemNum, subitemNum, value)) {
        heldEdit = {pageNum, itemNum, subitemNum, value, treeSerial, true};
        emit phantomOnPopup(pageNum, itemNum, subitemNum, value);
        return;
    }
    if (inputSelectPosition.is(pageNum, itemNum, subitemNum) || inputGainLchPosition.is(pageNum, itemNum, subitemNum)
        || inputGainRchPosition.is(pageNum, itemNum, subitemNum)) {
        // While the LEVEL lists are read again the row goes back to the
        // recorder's value instead.
        if (inputLevelRebuilding) {
            subitemValueRequest(pageNum, itemNum, subitemNum);
            return;
        }
        inputLevelChangePending = true;
    }
    send("03", {pageNum, itemNum, subitemNum}, value);
}

void Menu::startListReread(const MenuPosition &position)
{
    MenuSubitem *node = subitemAt(position);
    if (!node)
        return;
    node->parameterCount = 0;
    node->parameterNames.clear();
    node->parametersRead = false;
    node->nextOption = 0;
    node->complete = false;
    itemAt(position.page, position.item)->complete = false;
    pageAt(position.page)->complete = false;
}

void Menu::rebuildInputLevelParameter()
{
    if (!drawingFinished)
        return;
    if (inputLevelRebuilding) {
        inputLevelRestartPending = true;
        return;
    }
    const bool right = !(levelRPosition.is(levelLPosition.page, levelLPosition.item, levelLPosition.subitem));
    if (!subitemAt(levelLPosition) && !(right && subitemAt(levelRPosition)))
        return;
    inputLevelRebuilding = true;
    startListReread(levelLPosition);
    if (right)
        startListReread(levelRPosition);
    const QPointer<QObject> leftRow = getSubitemObject(levelLPosition.page, levelLPosition.item, levelLPosition.subitem);
    const QPointer<QObject> rightRow =
        right ? getSubitemObject(levelRPosition.page, levelRPosition.item, levelRPosition.subitem) : nullptr;
    writeRow(leftRow, "visibleComboBox", false);
    writeRow(rightRow, "visibleComboBox", false);
    if (levelLPosition.isSet())
        querySubutemParameterNumberCommand(levelLPosition.page, levelLPosition.item, levelLPosition.subitem);
    if (right && levelRPosition.isSet())
        querySubutemParameterNumberCommand(levelRPosition.page, levelRPosition.item, levelRPosition.subitem);
}

void Menu::rebuildParameterForCd()
{
    if (cdRebuilding || !drawingFinished || (!subitemAt(playAreaPosition) && !subitemAt(recFormatPosition)))
        return;
    cdRebuilding = true;
    for (const MenuPosition *position : {&playAreaPosition, &recFormatPosition}) {
        if (!subitemAt(*position))
            continue;
        startListReread(*position);
        writeRow(getItemObject(position->page, position->item), "visibleComboBox", false);
    }
    for (const MenuPosition *position : {&playAreaPosition, &recFormatPosition})
        if (position->isSet())
            querySubutemParameterNumberCommand(position->page, position->item, position->subitem);
}

void Menu::rebuildParameterForStereoMono()
{
    if (stereoMonoRebuilding || !drawingFinished || !subitemAt(stereoMonoPosition))
        return;
    stereoMonoRebuilding = true;
    startListReread(stereoMonoPosition);
    writeRow(getItemObject(stereoMonoPosition.page, stereoMonoPosition.item), "visibleComboBox", false);
    querySubutemParameterNumberCommand(stereoMonoPosition.page, stereoMonoPosition.item, stereoMonoPosition.subitem);
}

bool Menu::listsComplete(std::initializer_list<const MenuPosition *> positions)
{
    for (const MenuPosition *position : positions) {
        const MenuSubitem *node = subitemAt(*position);
        if (node && !node->complete)
            return false;
    }
    return true;
}

void Menu::finishRereads()
{
    // Each re-read ends on its own lists: the others may still be running.
    if (inputLevelRebuilding && listsComplete({&levelLPosition, &levelRPosition}))
        finishInputLevelReread();
    const bool cd = cdRebuilding && listsComplete({&playAreaPosition, &recFormatPosition});
    const bool stereoMono = stereoMonoRebuilding && listsComplete({&stereoMonoPosition});
    if (cd || stereoMono)
        finishItemRereads(cd, stereoMono);
}

void Menu::finishInputLevelReread()
{
    // Cleared first: the value requests below may let a reply in that ends
    // another reading and comes back here.
    inputLevelRebuilding = false;
    const MenuPosition left = levelLPosition;
    const MenuPosition right = levelRPosition;
    const QPointer<QObject> leftRow = getSubitemObject(left.page, left.item, left.subitem);
    const QPointer<QObject> rightRow = getSubitemObject(right.page, right.item, right.subitem);
    if (leftRow)
        emit inputLevelParameterChanged(left.page, left.item, left.subitem, leftRow);
    if (rightRow)
        emit inputLevelParameterChanged(right.page, right.item, right.subitem, rightRow);
    subitemValueRequest(left.page, left.item, left.subitem);
    subitemValueRequest(right.page, right.item, right.subitem);
    writeRow(leftRow, "visibleComboBox", true);
    writeRow(rightRow, "visibleComboBox", true);
    if (inputLevelRestartPending) {
        inputLevelRestartPending = false;
        rebuildInputLevelParameter();
    }
}

void Menu::finishItemRereads(bool cd, bool stereoMono)
{
    if (cd)
        cdRebuilding = false;
    if (stereoMono)
        stereoMonoRebuilding = false;
    // The CD re-read shows the STEREO/MONO row afresh too, unless that list
    // is itself still being read.
    const MenuPosition *positions[3];
    int count = 0;
    if (cd) {
        positions[count++] = &playAreaPosition;
        positions[count++] = &recFormatPosition;
    }
    if (stereoMono || !stereoMonoRebuilding)
        positions[count++] = &stereoMonoPosition;
    MenuPosition places[3];
    QPointer<QObject> rows[3];
    for (int i = 0; i < count; ++i) {
        places[i] = *positions[i];
        rows[i] = subitemAt(places[i]) ? getItemObject(places[i].page, places[i].item) : nullptr;
    }
    for (int i = 0; i < count; ++i)
        if (rows[i])
            emit itemParameterChanged(places[i].page, places[i].item, rows[i]);
    for (int i = 0; i < count; ++i)
        subitemValueRequest(places[i].page, places[i].item, places[i].subitem);
    for (int i = 0; i < count; ++i)
        writeRow(rows[i], "visibleComboBox", true);
}

void Menu::setMenuCurrentMedia(QString currentMedia)
{
    this->currentMedia = currentMedia;
    currentMediaKnown = true;
    if (drawingFinished)
        applyCurrentMedia();
}

void Menu::applyCurrentMedia()
{
    if (!currentMediaKnown)
        return;
    const struct
    {
        const MenuPosition *position;
        const char *label;
    } labels[] = {{&sd1Position, "SD1"}, {&sd2Position, "SD2"}, {&usbPosition, "USB"}};
    for (const auto &label : labels) {
        const MenuSubitem *node = subitemAt(*label.position);
        if (!node)
            continue;
        const QLatin1String name(label.label);
        writeRow(node->object, "menuText", currentMedia == name ? name + QLatin1String("(CURRENT)") : QString(name));
    }
    // Their names are the recorder's texts for the medium: read them again.
    for (const MenuPosition *position : {&capacityPosition, &availablePosition, &folderPosition}) {
        MenuSubitem *node = subitemAt(*position);
        if (!node)
            continue;
        node->nextOption = 0;
        armWatchdog();
        send("24", {position->page, position->item, position->subitem}, 0);
    }
}
