#include "FuzzSession.h"

#include <QByteArray>
#include <QDate>
#include <QMetaObject>
#include <QVariant>
#include <iterator>

namespace {

using Operation = void (*)(FuzzSession &, std::uint8_t);

// A list row, or -1 (none) for 0.
int row(std::uint8_t argument)
{
    return int(argument) - 1;
}

// The login dialogue as a recorder plays it, of the model the argument picks.
void logIn(Telnet &telnet, std::uint8_t argument)
{
    QMetaObject::invokeMethod(&telnet, "loginToServer");
    telnet.receiveChunk("Enter Password\r\n");
    telnet.receiveChunk("Login Successful\r\n");
    telnet.receiveChunk(argument & 1 ? "0FF6AE401\r\n" : "0FF6AE400\r\n");
}

// An edit on the menu screen: the argument's low four bits pick a subitem in
// the order the screen lists them, its high four bits the value.
void editMenu(Menu &menu, std::uint8_t argument)
{
    int count = 0;
    for (int page = 0; page < menu.getMaxPageNumber(); ++page)
        for (int item = 0; item < menu.getMaxItemNumber(page); ++item)
            count += menu.getMaxSubitemNumber(page, item);
    if (count == 0)
        return;
    int wanted = (argument & 0x0F) % count;
    for (int page = 0; page < menu.getMaxPageNumber(); ++page) {
        for (int item = 0; item < menu.getMaxItemNumber(page); ++item) {
            const int subitems = menu.getMaxSubitemNumber(page, item);
            if (wanted < subitems) {
                // The rows hand every edit on as a choice.
                menu.changedSubitemObjectValue(page, item, wanted, argument >> 4, 0);
                return;
            }
            wanted -= subitems;
        }
    }
}

// One change to the timer event being edited, as its editors make them.
void editTimerEvent(TimerEvent &tev, std::uint8_t argument)
{
    const int variant = argument / 7;
    switch (argument % 7) {
    case 0: tev.changeType(variant & 3, (variant >> 2) & 1); break;
    case 1: tev.changeDate(QDate(2024, 5, 17).addDays(variant), variant & 1); break;
    case 2: tev.changeWeek(variant & 1 ? QStringLiteral("_M_W___") : QStringLiteral("SMTWTFS")); break;
    case 3: tev.changeTime(variant % 24, variant * 2 % 60, variant * 3 % 60); break;
    case 4: tev.changeRepeat(variant * 4, variant % 24, variant % 60); break;
    case 5:
        tev.changeOption(variant & 1 ? QStringLiteral("A:/Concert/Aria.wav") : QStringLiteral("B:/Take 1.mp3"));
        break;
    default: tev.changeRecInput(variant & 1 ? QStringLiteral("DIGITAL(XLR)") : QString()); break;
    }
}

// Each action calls the backends as the window's screens do. New ones go at
// the end, so that the seeds keep naming the actions they were made for.
const Operation operations[] = {
    // 0-3: the link and the session.
    [](FuzzSession &s, std::uint8_t a) { logIn(s.backend.telnet, a); },
    [](FuzzSession &s, std::uint8_t) { s.backend.comm.logoutRequest(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.telnet.close(); },
    [](FuzzSession &s, std::uint8_t a) {
        s.backend.comm.onApplicationStateChanged(a & 1 ? Qt::ApplicationSuspended : Qt::ApplicationActive);
    },
    // 4-5: the editing right, asked for on the editing pages and given back elsewhere.
    [](FuzzSession &s, std::uint8_t) { s.backend.permission.requestPermission(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.permission.returnPermission(); },
    // 6-10: Home.
    [](FuzzSession &s, std::uint8_t a) { s.backend.comm.setDisplayMode(a & 1); },
    [](FuzzSession &s, std::uint8_t) { s.backend.comm.markRequest(); },
    [](FuzzSession &s, std::uint8_t a) {
        a & 1 ? s.backend.comm.trackSkipPreviousRequest() : s.backend.comm.trackSkipNextRequest();
    },
    [](FuzzSession &s, std::uint8_t a) {
        a & 1 ? s.backend.comm.timeSkipPreviousRequest() : s.backend.comm.timeSkipNextRequest();
    },
    [](FuzzSession &s, std::uint8_t a) {
        switch (a % 3) {
        case 0: s.backend.comm.reverseRequest(); break;
        case 1: s.backend.comm.forwardRequest(); break;
        default: s.backend.comm.cancelReverseRequest(); break;
        }
    },
    // 11-17: the menu.
    [](FuzzSession &s, std::uint8_t) { s.backend.menu.requestMenuList(); },
    [](FuzzSession &s, std::uint8_t) { s.drawMenu(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.menu.changedCommandMenuData(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.menu.rebuildParameterForCd(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.menu.rebuildParameterForStereoMono(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.menu.rebuildInputLevelParameter(); },
    [](FuzzSession &s, std::uint8_t a) { editMenu(s.backend.menu, a); },
    // 18-28: timer events.
    [](FuzzSession &s, std::uint8_t) { s.backend.tev.startTimerEvent(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.tev.showAll(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.tev.showToday(); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.tev.showDate(QDate(2024, 5, 17).addDays(a)); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.tev.setFocus(row(a)); },
    [](FuzzSession &s, std::uint8_t a) { editTimerEvent(s.backend.tev, a); },
    [](FuzzSession &s, std::uint8_t) { s.backend.tev.updateEvent(); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.tev.changeEnable(row(a)); },
    [](FuzzSession &s, std::uint8_t) { s.backend.tev.createNewEvent(); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.tev.deleteItem(row(a)); },
    [](FuzzSession &s, std::uint8_t) { s.backend.tev.cancelUpdate(); },
    // 29-38: playlists.
    [](FuzzSession &s, std::uint8_t) { s.backend.pl.initAll(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.pl.initPpl(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.pl.initEntry(); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.pl.assignEntry(a % Playlist::maxEntries, a); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.pl.clearEntry(a % Playlist::maxEntries); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.pl.loadPpl(s.backend.pl.getPplName(a)); },
    [](FuzzSession &s, std::uint8_t a) {
        a & 1 ? s.backend.pl.createPpl(QStringLiteral("List 2")) : s.backend.pl.saveAs(QStringLiteral("List 3"));
    },
    [](FuzzSession &s, std::uint8_t a) { s.backend.pl.renamePpl(a, QStringLiteral("Renamed")); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.pl.getEntryInfo(a % Playlist::maxEntries); },
    [](FuzzSession &s, std::uint8_t a) {
        // The playlist page deletes a playlist through the browser.
        s.backend.pl.setExecCommand(true);
        s.backend.browse.deleteFileFullPath(QStringLiteral("A:\\_playlists\\") + s.backend.pl.getPplName(a));
    },
    // 39-51: the media browser.
    [](FuzzSession &s, std::uint8_t) { s.backend.browse.restartBrowse(); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.browse.openFolder(a); },
    [](FuzzSession &s, std::uint8_t) { s.backend.browse.upFolder(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.browse.goToCurrentFolder(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.browse.setToCurrentFolder(); },
    [](FuzzSession &s, std::uint8_t a) { a & 1 ? s.backend.browse.sortByName() : s.backend.browse.sortByTime(); },
    [](FuzzSession &s, std::uint8_t) { s.backend.browse.createFolder(QStringLiteral("Encore")); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.browse.renameFolder(a, QStringLiteral("Concert 2")); },
    [](FuzzSession &s, std::uint8_t a) { s.backend.browse.deleteFolder(a); },
    [](FuzzSession &s, std::uint8_t a) {
        s.backend.browse.selectFile(a);
        s.backend.browse.queryInfo(a);
    },
    [](FuzzSession &s, std::uint8_t a) {
        s.backend.browse.renameFile(a, QStringLiteral("Finale"), QStringLiteral("Aria.wav"));
    },
    [](FuzzSession &s, std::uint8_t a) { s.backend.browse.deleteFile(a); },
    [](FuzzSession &s, std::uint8_t a) {
        a & 1 ? s.backend.browse.undo()
              : s.backend.browse.copyFile(QStringLiteral("A:\\Concert\\Aria.wav"), QStringLiteral("B:\\Encore"));
    },
    // 52: the menu again.
    [](FuzzSession &s, std::uint8_t a) { s.answerPhantom(a & 1); },
};

} // namespace

FuzzSession::FuzzSession()
{
    // Driven by the input alone, never by the clock.
    backend.comm.sleepTimer.stop();
    backend.tev.today = [] { return QDate(2024, 5, 17); };

    // Made after start-up's own connections, as the window's are.
    QObject::connect(&backend.menu, &Menu::menuCompleted, &rows, [this] { drawMenu(); });
    // The phantom-power confirmation: a new one puts the row of the one it
    // replaces back; it goes without a word with the session.
    QObject::connect(&backend.menu, &Menu::phantomOnPopup, &rows, [this](int page, int item, int subitem, int value) {
        if (held.waiting && (page != held.page || item != held.item || subitem != held.subitem))
            backend.menu.subitemValueRequest(held.page, held.item, held.subitem);
        held = {page, item, subitem, value, true};
    });
    QObject::connect(&backend.comm, &Communication::loginCompChanged, &rows, [this](bool loggedIn) {
        if (!loggedIn)
            held.waiting = false;
    });
    QObject::connect(&backend.permission, &Permission::okPermissionChanged, &rows, [this] {
        if (!backend.permission.okPermission)
            return;
        backend.browse.restartBrowse();
        backend.tev.startTimerEvent();
        backend.pl.initAll();
    });
}

void FuzzSession::run(std::uint8_t operation, std::uint8_t argument)
{
    operations[operation % std::size(operations)](*this, argument);
}

void FuzzSession::answerPhantom(bool ok)
{
    if (!held.waiting)
        return;
    held.waiting = false;
    if (ok)
        backend.menu.changedSubitemObjectValue(held.page, held.item, held.subitem, held.value, 1);
    else
        backend.menu.changedCommandMenuData();
}

void FuzzSession::drawMenu()
{
    if (drawing) {
        drawAgain = true;
        return;
    }
    drawing = true;
    do {
        drawAgain = false;
        // The screen builds its rows anew every time.
        const QObjectList old = rows.children();
        qDeleteAll(old);
        drawRows();
    } while (drawAgain);
    drawing = false;
    backend.menu.setDrawingFinished(true);
}

void FuzzSession::drawRows()
{
    Menu &menu = backend.menu;
    // A row for a node that is shown; a choice shows no option until the
    // recorder's value arrives. Every row asks for its value.
    const auto addRow = [&](int page, int item, int subitem) {
        auto *row = new QObject(&rows);
        if (menu.getSubitemType(page, item, subitem) == 0) {
            const int options = menu.getMaxSubitemParameterNumber(page, item, subitem);
            row->setProperty("comboBoxCurrentIndex", options);
            row->setProperty("oldIndex", options);
        }
        menu.subitemValueRequest(page, item, subitem);
        return row;
    };
    // Each bound is read again after a call that sends: a reply handled
    // inside the send may have replaced the tree.
    for (int page = 0; page < menu.getMaxPageNumber(); ++page) {
        if (!menu.getPageVisible(page))
            continue;
        if (!menu.getPageName(page).isEmpty())
            menu.setPageObject(page, new QObject(&rows));
        for (int item = 0; item < menu.getMaxItemNumber(page); ++item) {
            if (menu.getMaxSubitemNumber(page, item) == 1) {
                // An item with one subitem shows it on the item's own row.
                if (menu.getSubitemVisible(page, item, 0))
                    menu.setItemObject(page, item, addRow(page, item, 0));
                continue;
            }
            if (menu.getItemVisible(page, item))
                menu.setItemObject(page, item, new QObject(&rows));
            for (int subitem = 0; subitem < menu.getMaxSubitemNumber(page, item); ++subitem) {
                if (menu.getSubitemVisible(page, item, subitem))
                    menu.setSubitemObject(page, item, subitem, addRow(page, item, subitem));
            }
        }
    }
}
