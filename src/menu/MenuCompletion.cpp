// When the tree is whole: the completion check, the dispatch by what was
// being read, and the watchdog that asks again for replies that never came.
#include "Menu.h"

#include "Telnet.h"

bool Menu::checkMenuComplete(int page, int item)
{
    MenuPage *pageNode = pageAt(page);
    MenuItem *itemNode = itemAt(page, item);
    if (!pageNode || !itemNode)
        return false;
    for (const MenuSubitem &subitem : qAsConst(itemNode->subitems))
        if (!subitem.complete)
            return false;
    itemNode->complete = true;
    for (const MenuItem &other : qAsConst(pageNode->items))
        if (!other.complete)
            return false;
    pageNode->complete = true;
    return treeComplete();
}

bool Menu::treeComplete() const
{
    for (const MenuPage &page : pages)
        if (!page.complete)
            return false;
    return true;
}

void Menu::dispatchCompletion()
{
    if (!downloading) {
        finishRereads();
        return;
    }
    if (!treeComplete())
        return;
    downloading = false;
    awaitingCompletion = false;
    watchdog.stop();
    watchdogRounds = 0;
    emit menuCompleted();
}

void Menu::armWatchdog()
{
    sinceMenuReply.restart();
    if (!watchdog.isActive())
        watchdog.start(watchdogMs);
}

void Menu::watchdogExpired()
{
    const qint64 quiet = sinceMenuReply.elapsed();
    if (quiet < watchdogMs) {
        watchdog.start(int(watchdogMs - quiet));
        return;
    }
    if (watchdogRounds >= maxWatchdogRounds)
        return;
    const QList<QByteArray> requests = outstandingRequests();
    if (requests.isEmpty() || !telnet)
        return;
    ++watchdogRounds;
    sinceMenuReply.restart();
    watchdog.start(watchdogMs);
    for (const QByteArray &request : requests)
        telnet->sendData(request.constData());
}

QList<QByteArray> Menu::outstandingRequests() const
{
    if (awaitingPageCount)
        return {QByteArray(commandMenuList)};
    QList<QByteArray> requests;
    char line[32];
    const auto add = [&](const char *subCommand, std::initializer_list<int> numbers, int value = -1) {
        requests.append(QByteArray(line, formatRequest(line, subCommand, numbers, value)));
    };
    for (int i = 0; i < pages.size(); ++i) {
        const MenuPage &page = pages.at(i);
        if (!page.named) {
            add("20", {i});
            continue;
        }
        if (!page.visible)
            continue;
        if (!page.counted) {
            add("11", {i});
            continue;
        }
        for (int j = 0; j < page.items.size(); ++j) {
            const MenuItem &item = page.items.at(j);
            if (!item.named) {
                add("21", {i, j});
                continue;
            }
            if (!item.visible)
                continue;
            if (!item.counted) {
                add("13", {i, j});
                continue;
            }
            for (int k = 0; k < item.subitems.size(); ++k) {
                const MenuSubitem &subitem = item.subitems.at(k);
                if (!subitem.named)
                    add("23", {i, j, k});
                else if (!subitem.parametersRead)
                    add("14", {i, j, k});
                else if (subitem.type != 1 && subitem.nextOption < subitem.parameterNames.size())
                    add("24", {i, j, k}, subitem.nextOption);
            }
        }
    }
    return requests;
}
