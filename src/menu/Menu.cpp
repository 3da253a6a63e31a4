#include "Menu.h"

#include "LineProtocol.h"
#include "PropertyStore.h"
#include "Telnet.h"

#include <QVariant>
#include <cstring>

// The tree, its getters and setters, and the reset. The getters serve QML
// bindings that may run before the indices they read exist: every one
// answers 0, "", false or null for a node that does not exist, and every
// setter ignores it.

Menu::Menu(QObject *parent)
    : QObject(parent)
{
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, &Menu::watchdogExpired);
}

void Menu::setDrawingFinished(bool value)
{
    // Only a whole tree is drawn: a build that a new download overtook
    // leaves the flag to the build that follows the download.
    if (value && awaitingCompletion)
        return;
    if (storeProperty(this, drawingFinished, value, &Menu::drawingFinishedChanged) && value)
        applyCurrentMedia();
}

MenuPage *Menu::pageAt(int i)
{
    return i >= 0 && i < pages.size() ? &pages[i] : nullptr;
}

MenuItem *Menu::itemAt(int i, int j)
{
    MenuPage *page = pageAt(i);
    return page && j >= 0 && j < page->items.size() ? &page->items[j] : nullptr;
}

MenuSubitem *Menu::subitemAt(int i, int j, int k)
{
    MenuItem *item = itemAt(i, j);
    return item && k >= 0 && k < item->subitems.size() ? &item->subitems[k] : nullptr;
}

MenuSubitem *Menu::subitemAt(const MenuPosition &position)
{
    return position.isSet() ? subitemAt(position.page, position.item, position.subitem) : nullptr;
}

const MenuPage *Menu::pageAt(int i) const
{
    return const_cast<Menu *>(this)->pageAt(i);
}

const MenuItem *Menu::itemAt(int i, int j) const
{
    return const_cast<Menu *>(this)->itemAt(i, j);
}

const MenuSubitem *Menu::subitemAt(int i, int j, int k) const
{
    return const_cast<Menu *>(this)->subitemAt(i, j, k);
}

QObject *Menu::valueRow(int page, int item, int subitem) const
{
    const MenuItem *node = itemAt(page, item);
    const MenuSubitem *sub = subitemAt(page, item, subitem);
    if (!node || !sub)
        return nullptr;
    return node->subitems.size() == 1 ? node->object.data() : sub->object.data();
}

QString Menu::getPageName(int i) const
{
    const MenuPage *page = pageAt(i);
    return page ? page->name : QString();
}

void Menu::setPageObject(int i, QObject *obj)
{
    if (MenuPage *page = pageAt(i))
        page->object = obj;
}

QObject *Menu::getPageObject(int i) const
{
    const MenuPage *page = pageAt(i);
    return page ? page->object.data() : nullptr;
}

int Menu::getMaxPageNumber() const
{
    return pages.size();
}

bool Menu::getPageVisible(int i) const
{
    const MenuPage *page = pageAt(i);
    return page && page->visible;
}

QString Menu::getItemName(int i, int j) const
{
    const MenuItem *item = itemAt(i, j);
    return item ? item->name : QString();
}

void Menu::setItemObject(int i, int j, QObject *obj)
{
    if (MenuItem *item = itemAt(i, j))
        item->object = obj;
}

QObject *Menu::getItemObject(int i, int j) const
{
    const MenuItem *item = itemAt(i, j);
    return item ? item->object.data() : nullptr;
}

int Menu::getMaxItemNumber(int i) const
{
    const MenuPage *page = pageAt(i);
    return page ? page->items.size() : 0;
}

bool Menu::getItemVisible(int i, int j) const
{
    const MenuItem *item = itemAt(i, j);
    return item && item->visible;
}

void Menu::setSubitemObject(int i, int j, int k, QObject *obj)
{
    if (MenuSubitem *subitem = subitemAt(i, j, k))
        subitem->object = obj;
}

QObject *Menu::getSubitemObject(int i, int j, int k) const
{
    const MenuSubitem *subitem = subitemAt(i, j, k);
    return subitem ? subitem->object.data() : nullptr;
}

QString Menu::getSubitemName(int i, int j, int k) const
{
    const MenuSubitem *subitem = subitemAt(i, j, k);
    return subitem ? subitem->name : QString();
}

int Menu::getMaxSubitemNumber(int i, int j) const
{
    const MenuItem *item = itemAt(i, j);
    return item ? item->subitems.size() : 0;
}

int Menu::getVisibleSubitemNumber(int i, int j) const
{
    const MenuItem *item = itemAt(i, j);
    if (!item)
        return 0;
    int visible = 0;
    for (const MenuSubitem &subitem : item->subitems)
        visible += subitem.visible ? 1 : 0;
    return visible;
}

int Menu::getSubitemType(int i, int j, int k) const
{
    const MenuSubitem *subitem = subitemAt(i, j, k);
    return subitem ? subitem->type : 0;
}

bool Menu::getSubitemReadOnly(int i, int j, int k) const
{
    const MenuSubitem *subitem = subitemAt(i, j, k);
    return subitem && subitem->readOnly;
}

bool Menu::getSubitemVisible(int i, int j, int k) const
{
    const MenuSubitem *subitem = subitemAt(i, j, k);
    return subitem && subitem->visible;
}

QString Menu::getSubitemParameterName(int i, int j, int k, int l) const
{
    const MenuSubitem *subitem = subitemAt(i, j, k);
    return subitem ? subitem->parameterNames.value(l) : QString();
}

int Menu::getMaxSubitemParameterNumber(int i, int j, int k) const
{
    const MenuSubitem *subitem = subitemAt(i, j, k);
    return subitem ? subitem->parameterNames.size() : 0;
}

void Menu::resetMenuData()
{
    clearTree();
    downloading = false;
    currentMedia.clear();
    currentMediaKnown = false;
    // Announced, so that the Home page's bindings do not keep a drawn menu.
    setDrawingFinished(false);
}

void Menu::requestMenuList()
{
    awaitingPageCount = true;
    armWatchdog();
    if (telnet)
        telnet->sendData(commandMenuList);
}

void Menu::clearTree()
{
    awaitingPageCount = false;
    watchdog.stop();
    watchdogRounds = 0;
    pages.clear();
    ++treeSerial;
    awaitingCompletion = true;
    resetPositions();
    endRereads();
}

void Menu::endRereads()
{
    // Re-reads belong to the tree they started on.
    inputLevelChangePending = false;
    inputLevelRebuilding = false;
    inputLevelRestartPending = false;
    cdRebuilding = false;
    stereoMonoRebuilding = false;
}

void Menu::resetPositions()
{
    for (MenuPosition *position :
         {&sd1Position, &sd2Position, &usbPosition, &capacityPosition, &availablePosition, &folderPosition,
          &inputSelectPosition, &inputGainLchPosition, &inputGainRchPosition, &phantomLchPosition,
          &phantomRchPosition, &levelLPosition, &levelRPosition, &playAreaPosition, &recFormatPosition,
          &stereoMonoPosition})
        *position = MenuPosition();
}

int Menu::formatRequest(char (&line)[32], const char *subCommand, std::initializer_list<int> numbers, int value)
{
    // "07F6A7A", the sub-command, "xy00" per node, the value pair-encoded.
    std::memcpy(line, "07F6A7A", 7);
    line[7] = subCommand[0];
    line[8] = subCommand[1];
    char *at = line + 9;
    for (const int number : numbers) {
        LineProtocol::DEC2(at, number);
        at[2] = '0';
        at[3] = '0';
        at += 4;
    }
    if (value >= 0) {
        LineProtocol::NUMBER4(at, value);
        at += 4;
    }
    std::memcpy(at, "\r\n", 3);
    return int(at + 2 - line);
}

void Menu::send(const char *subCommand, std::initializer_list<int> numbers, int value)
{
    if (!telnet)
        return;
    char line[32];
    formatRequest(line, subCommand, numbers, value);
    telnet->sendData(line);
}

void Menu::writeRow(QObject *row, const char *property, const QVariant &value)
{
    if (row)
        row->setProperty(property, value);
}
