#include "Menu.h"

#include "LineProtocol.h"
#include "ReplyFields.h"
#include "Telnet.h"

#include <QVariant>

// The download: each reply names the next requests, so the tree is read as a
// cascade. Replies may come twice (re-sent requests) or name nodes that do not
// exist; they are ignored, so that neither the tree nor the traffic grows.
// Every loop that sends looks its node up again after each send: a reply
// handled inside the send may have replaced the nodes.

using LineProtocol::field;
using ReplyFields::code;
using ReplyFields::codeOf;

namespace {

bool isHiddenPage(QStringView name)
{
    for (const char *hidden : {"PLAYLIST", "CD", "MARK LIST", "NETWORK 1", "NETWORK 2", "FTP CLIENT", "SNTP",
                               "SYSTEM 1", "SYSTEM 2"})
        if (name == QLatin1String(hidden))
            return true;
    return false;
}

// Pages whose names end in 1, 2, 3 ... show as one section under the title
// of the first.
QString pageTitle(QStringView name)
{
    if (name.isEmpty())
        return QString();
    const QChar last = name.back();
    if (last == QLatin1Char('1'))
        return name.chopped(qMin(2, int(name.size()))).toString();
    if (last.isDigit() && last.unicode() < 128)
        return QString();
    return name.toString();
}

// A number field of the reply: all its characters decimal digits, else -1.
// A garbled field names no node and no count, so its reply is dropped
// rather than read as 0, which would address node 0.
int digits(QStringView data, int position, int length)
{
    const QStringView text = field(data, position, length);
    if (text.size() != length)
        return -1;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// A pair-encoded number (low pair first), or -1.
int pairNumber(QStringView data, int position)
{
    const int low = digits(data, position, 2);
    const int high = digits(data, position + 2, 2);
    return low < 0 || high < 0 ? -1 : low + 100 * high;
}

} // namespace

void Menu::recievedCommandFF6AFA(QString data)
{
    if (!decodeReply(data))
        return;
    // Only a reply that was taken shows that the recorder still answers.
    watchdogRounds = 0;
    sinceMenuReply.restart();
}

bool Menu::decodeReply(QStringView data)
{
    // Node fields are four characters of which the first two count.
    const auto node = [&](int position) { return digits(data, position, 2); };
    switch (codeOf(data)) {
    case code('1', '0'): return data.size() >= 4 && receivedPageCount(node(2));
    case code('2', '0'): return data.size() >= 6 && receivedPageName(node(2), field(data, 6));
    case code('1', '1'): return data.size() >= 8 && receivedItemCount(node(2), node(6));
    case code('2', '1'): return data.size() >= 10 && receivedItemName(node(2), node(6), field(data, 10));
    case code('1', '3'): return data.size() >= 12 && receivedSubitemCount(node(2), node(6), node(10));
    case code('2', '3'):
        return data.size() >= 14 && receivedSubitemName(node(2), node(6), node(10), field(data, 14));
    case code('1', '4'): return data.size() >= 24 && receivedParameters(node(2), node(6), node(10), data);
    case code('2', '4'):
        return data.size() >= 18
               && receivedOptionName(node(2), node(6), node(10), pairNumber(data, 14), field(data, 18));
    case code('0', '1'):
        if (data.size() == 18 && pairNumber(data, 14) >= 0)
            setSubitemObjectValue(node(2), node(6), node(10), pairNumber(data, 14));
        return false;
    default: return false;
    }
}

bool Menu::receivedPageCount(int count)
{
    // The same count again while its download runs is a repeated reply.
    if (count < 0 || (downloading && count == pages.size()))
        return false;
    clearTree();
    downloading = true;
    setDrawingFinished(false);
    emit menuStarted();

    const quint64 serial = treeSerial;
    for (int i = 0; i < count && serial == treeSerial; ++i) {
        MenuPage page;
        page.number = i;
        pages.append(page);
        armWatchdog();
        send("20", {i});
    }
    // An empty tree is complete at once.
    if (count == 0)
        dispatchCompletion();
    return true;
}

bool Menu::receivedPageName(int page, QStringView name)
{
    MenuPage *node = pageAt(page);
    if (!node || node->named)
        return false;
    node->named = true;
    const QStringView trimmed = name.trimmed();
    if (isHiddenPage(trimmed)) {
        node->complete = true;
        dispatchCompletion();
        return true;
    }
    node->name = pageTitle(trimmed);
    node->visible = true;
    armWatchdog();
    send("11", {page});
    return true;
}

void Menu::reopenTree()
{
    // Nodes of a drawn tree are being replaced: its rows are stale until the
    // tree is complete and drawn again.
    if (downloading)
        return;
    downloading = true;
    awaitingCompletion = true;
    endRereads();
    setDrawingFinished(false);
}

bool Menu::receivedItemCount(int page, int count)
{
    MenuPage *node = pageAt(page);
    if (!node || count < 0 || !node->visible || (node->counted && node->items.size() == count))
        return false;
    if (node->counted) {
        // A different count: the page is read again.
        node->items.clear();
        ++treeSerial;
        reopenTree();
        node = pageAt(page);
    }
    node->counted = true;
    node->complete = false;
    if (count == 0) {
        node->complete = true;
        dispatchCompletion();
        return true;
    }
    const quint64 serial = treeSerial;
    for (int j = 0; j < count; ++j) {
        node = pageAt(page);
        if (!node || serial != treeSerial)
            break;
        MenuItem item;
        item.number = j;
        node->items.append(item);
        armWatchdog();
        send("21", {page, j});
    }
    return true;
}

bool Menu::receivedItemName(int page, int item, QStringView name)
{
    MenuItem *node = itemAt(page, item);
    if (!node || node->named)
        return false;
    node->named = true;
    node->name = name.trimmed().toString();
    if (node->name == QLatin1String("REMOTE POWER CONTROL")) {
        node->visible = false;
        checkMenuComplete(page, item);
        dispatchCompletion();
        return true;
    }
    armWatchdog();
    send("13", {page, item});
    return true;
}

bool Menu::receivedSubitemCount(int page, int item, int count)
{
    MenuItem *node = itemAt(page, item);
    if (!node || count < 0 || !node->named || !node->visible || (node->counted && node->subitems.size() == count))
        return false;
    if (node->counted) {
        node->subitems.clear();
        ++treeSerial;
        reopenTree();
        node = itemAt(page, item);
    }
    node->counted = true;
    node->complete = false;
    if (MenuPage *parent = pageAt(page))
        parent->complete = false;
    if (count == 0) {
        checkMenuComplete(page, item);
        dispatchCompletion();
        return true;
    }
    const quint64 serial = treeSerial;
    for (int k = 0; k < count; ++k) {
        node = itemAt(page, item);
        if (!node || serial != treeSerial)
            break;
        MenuSubitem subitem;
        subitem.number = k;
        node->subitems.append(subitem);
        armWatchdog();
        send("23", {page, item, k});
    }
    return true;
}

bool Menu::receivedSubitemName(int page, int item, int subitem, QStringView name)
{
    MenuSubitem *node = subitemAt(page, item, subitem);
    if (!node || node->named)
        return false;
    QString stored = name.trimmed().toString();
    recordPosition(page, item, subitem, stored);
    node->named = true;
    node->name = stored;
    querySubutemParameterNumberCommand(page, item, subitem);
    return true;
}

void Menu::querySubutemParameterNumberCommand(int page, int item, int subitem)
{
    if (!subitemAt(page, item, subitem))
        return;
    armWatchdog();
    send("14", {page, item, subitem});
}

bool Menu::receivedParameters(int page, int item, int subitem, QStringView data)
{
    MenuSubitem *node = subitemAt(page, item, subitem);
    if (!node || !node->named)
        return false;
    const int count = pairNumber(data, 14);
    const int type = digits(data, 18, 2);
    const int readOnlyFlag = digits(data, 20, 2);
    const int visibleFlag = digits(data, 22, 2);
    if (count < 0 || type < 0 || readOnlyFlag < 0 || visibleFlag < 0)
        return false;
    const bool readOnly = readOnlyFlag != 0;
    const bool visible = visibleFlag != 0;
    if (node->parametersRead && count == node->parameterCount && type == node->type && readOnly == node->readOnly
        && visible == node->visible)
        return false;
    node->parametersRead = true;
    node->parameterCount = count;
    node->type = type;
    node->readOnly = readOnly;
    node->visible = visible;
    if (type == 1 || !visible)
        node->complete = true;
    bool readList = false;
    if (type != 1) {
        node->parameterNames.clear();
        node->parameterNames.reserve(count);
        for (int i = 0; i < count; ++i)
            node->parameterNames.append(QString());
        node->nextOption = 0;
        if (count == 0)
            node->complete = true;
        readList = count > 0;
    }
    const bool complete = node->complete;
    if (readList) {
        // Option names of hidden subitems are read too.
        armWatchdog();
        send("24", {page, item, subitem}, 0);
    }
    if (complete) {
        checkMenuComplete(page, item);
        dispatchCompletion();
    }
    return true;
}

bool Menu::receivedOptionName(int page, int item, int subitem, int option, QStringView name)
{
    MenuSubitem *node = subitemAt(page, item, subitem);
    if (!node || option < 0)
        return false;
    if (option >= node->parameterNames.size()) {
        staleOptionName(page, item, subitem);
        return false;
    }
    // Any other index belongs to a reading that has moved on or ended.
    if (option != node->nextOption)
        return false;
    node->parameterNames[option] = name.trimmed().toString();
    node->nextOption = option + 1;
    if (option + 1 < node->parameterNames.size()) {
        armWatchdog();
        send("24", {page, item, subitem}, option + 1);
        return true;
    }
    if (node->complete) {
        // A list read again that needs no completion: the row shows its last name.
        writeRow(node->object, "readOnlyValue", node->parameterNames.at(option));
        return true;
    }
    node->complete = true;
    checkMenuComplete(page, item);
    dispatchCompletion();
    return true;
}

void Menu::staleOptionName(int page, int item, int subitem)
{
    // A LEVEL name outside its list while the LEVEL lists are read again: the
    // recorder changed them meanwhile, so they are read once more after this
    // reading ends. One such reply per chunk of data counts.
    if (!inputLevelRebuilding || !telnet || !telnet->received)
        return;
    if (!levelLPosition.is(page, item, subitem) && !levelRPosition.is(page, item, subitem))
        return;
    telnet->received = false;
    inputLevelChangePending = false;
    inputLevelRestartPending = true;
}
