#include "HomeWindow.h"
#include "TestMain.h"

#include <QtTest>

// The medium, play-area and play-mode selectors of the Home page: what their
// buttons show, which entries their lists offer, when a list opens and
// closes, what an entry sends, and the lock key that the play-mode list
// covers.

namespace {

const QList<const char *> mediumEntries = {"currentMediaUSB", "currentMediaSD1", "currentMediaSD2", "currentMediaCD"};
const QList<const char *> areaEntries = {"playAreaAll", "playAreaFolder", "playAreaPlaylist"};
const QList<const char *> modeEntries = {"playModeContinue", "playModeSingle", "playModeProgram", "playModeRandom"};

const char *const lit = "button-D_ON_120x48_3.png";
const char *const unlit = "button-D_OFF_120x48_3.png";

} // namespace

class TestHomeSelectors : public QObject
{
    Q_OBJECT

    std::unique_ptr<HomeWindow> home;

    HomeWindow &h() { return *home; }

    QObject *selector(const char *name) { return h().item(name); }
    bool mediumOpen() { return selector("homeCurrentMedia")->property("currentMediaDropdownVisible").toBool(); }
    bool areaOpen() { return selector("homePlayArea")->property("playAreaDropdownVisible").toBool(); }
    bool modeOpen() { return selector("homePlayMode")->property("playModeDropdownVisible").toBool(); }
    // Which lists are open, as "medium area mode" with "-" for a closed one.
    QString openLists()
    {
        return QStringList{mediumOpen() ? "medium" : "-", areaOpen() ? "area" : "-", modeOpen() ? "mode" : "-"}.join(' ');
    }
    bool keyVisible() { return h().item("lockButton")->isVisible(); }

    QString buttonText(const char *button) { return textOf(h().item((QByteArray(button) + "Text").constData())); }
    QString buttonImage(const char *button)
    {
        return fileOf(h().item(button)->property("background").value<QObject *>());
    }

    // The entries that can be seen on the page, in list order.
    QString shownEntries(const QList<const char *> &entries)
    {
        QStringList names;
        for (const char *entry : entries)
            if (h().item(entry)->isVisible())
                names.append(textOf(h().item(entry)));
        return names.join(' ');
    }

    // Where an item stands on the page, in pt.
    QRectF placeOf(QQuickItem *item)
    {
        const QRectF rect = item->mapRectToItem(h().item("homeBack"), QRectF(0, 0, item->width(), item->height()));
        return QRectF(rect.topLeft() / h().pt(), rect.size() / h().pt());
    }

    // The selector lines among what the recorder heard; the other traffic
    // that a change of medium or status brings (menu re-reads, busy queries)
    // is not the selectors'.
    QByteArray selectorCommands()
    {
        QByteArray kept;
        for (const QByteArray &line : h().commands().split('\n')) {
            const QByteArray bare = line.trimmed();
            if (bare.startsWith("07F010") || bare.startsWith("07F011") || bare.startsWith("07F074F")
                || bare.startsWith("04D"))
                kept += bare + "\r\n";
        }
        return kept;
    }

    // A change of medium has the menu read its values again; their replies
    // count as lines read, so a fed line may still be on its way. Once the
    // application has been quiet for a while, everything has arrived.
    void settle()
    {
        h().sent();
        QTest::qWait(50);
    }

    void closeAll()
    {
        selector("homeCurrentMedia")->setProperty("currentMediaDropdownVisible", false);
        selector("homePlayArea")->setProperty("playAreaDropdownVisible", false);
        selector("homePlayMode")->setProperty("playModeDropdownVisible", false);
        h().item("lockButton")->setVisible(true);
    }

private slots:
    void initTestCase()
    {
        home = std::make_unique<HomeWindow>();
        QVERIFY(h().start());
    }

    void init()
    {
        // A case that failed half way may have left the menu undrawn.
        if (!h().window.backend().menu.drawingFinished)
            h().window.backend().menu.setDrawingFinished(true);
        QVERIFY(h().feed({"D010", "FF0100", "FF07CF00", "CE00", "FF6A8C00", "DD1200", "D60000"}));
        closeAll();
        h().sent();
    }

    void cleanup() { QVERIFY2(h().window.warnings().isEmpty(), qPrintable(h().window.warnings().join('\n'))); }

    // The buttons show what the recorder reports: the medium as a disc kind
    // with its finalize state, or as the pair of a backup or relay recording
    // in the record view.
    void buttonTexts()
    {
        struct Row {
            QList<QByteArray> lines;
            QString medium;
            QString area;
            QString mode;
        };
        const QList<Row> rows = {
            {{"FF0100", "FF07CF00", "CE00"}, "SD1", "ALL", "CONTINUE"},
            {{"FF0101", "FF07CF01", "CE01"}, "SD2", "FOLDER", "SINGLE"},
            {{"FF0110", "FF07CF02", "CE04"}, "USB", "PLAYLIST", "PROGRAM"},
            {{"CE05"}, "USB", "PLAYLIST", "PROGRAM"},
            {{"CE06"}, "USB", "PLAYLIST", "RANDOM"},
            // A mode the recorder does not name leaves the last one; an area it does not name shows nothing.
            {{"CE09", "FF07CF07"}, "USB", "", "RANDOM"},
            {{"FF0111", "D60000", "FF07CF00"}, "CD", "ALL", "RANDOM"},
            {{"D60100"}, "CD-DA", "ALL", "RANDOM"},
            {{"D60110"}, "Data CD", "ALL", "RANDOM"},
            {{"D60102", "FF6AE501"}, "CD-RW\nFinalized", "ALL", "RANDOM"},
            {{"FF6AE500"}, "CD-RW\nUnfinalized", "ALL", "RANDOM"},
            {{"D60111"}, "CD-R Data\nUnfinalized", "ALL", "RANDOM"},
            {{"D60199"}, "", "ALL", "RANDOM"},
            // Backup or relay recording: the pair, in the record view only.
            {{"FF0100", "FF6A8C03", "FF6A8B01"}, "SD1", "ALL", "RANDOM"},
            {{"D081"}, "SD1-USB", "ALL", "RANDOM"},
            {{"FF6A8B04"}, "USB-SD1", "ALL", "RANDOM"},
            {{"FF6A8C15"}, "USB-SD1", "ALL", "RANDOM"},
            {{"FF6A8C01"}, "SD1", "ALL", "RANDOM"},
            {{"FF6A8C05", "D010"}, "SD1", "ALL", "RANDOM"},
        };
        for (const Row &row : rows) {
            const QByteArray name = row.lines.join(' ');
            QVERIFY2(h().feed(row.lines), name);
            settle();
            QVERIFY2(buttonText("currentMedia") == row.medium, name + " medium: " + buttonText("currentMedia").toUtf8());
            QVERIFY2(buttonText("playArea") == row.area, name + " area: " + buttonText("playArea").toUtf8());
            QVERIFY2(buttonText("playMode") == row.mode, name + " mode: " + buttonText("playMode").toUtf8());
        }
        // The buttons' own text stays empty; the value stands in the text on them.
        QCOMPARE(textOf(h().item("currentMedia")), QString());
        // The record view hides the play-area and play-mode selectors.
        QVERIFY(h().feed({"D081"}));
        QVERIFY(h().item("currentMedia")->isVisible());
        QVERIFY(!h().item("playArea")->isVisible());
        QVERIFY(!h().item("playMode")->isVisible());
        h().sent();
    }

    // The three buttons stand side by side on the top row; each list hangs
    // below its button, one button high per entry, with the present value lit.
    void placesAndLitEntries()
    {
        struct Row {
            const char *button;
            qreal x;
            QList<const char *> entries;
            const char *present;
        };
        const QList<Row> rows = {
            {"currentMedia", 15, mediumEntries, "currentMediaSD1"},
            {"playArea", 147, areaEntries, "playAreaAll"},
            {"playMode", 279, modeEntries, "playModeContinue"},
        };
        for (const Row &row : rows) {
            QQuickItem *button = h().item(row.button);
            QCOMPARE(placeOf(button), QRectF(row.x, 25, 120, 48));
            QCOMPARE(buttonImage(row.button), QString(unlit));
            h().window.click(button);
            QVERIFY2(buttonImage(row.button) == lit, row.button);
            for (int k = 0; k < row.entries.size(); ++k) {
                QQuickItem *entry = h().item(row.entries[k]);
                QVERIFY2(entry->isVisible(), row.entries[k]);
                QCOMPARE(placeOf(entry), QRectF(row.x, 73 + 48 * k, 120, 48));
                QVERIFY2(fileOf(entry) == (entry == h().item(row.present) ? lit : unlit), row.entries[k]);
            }
            h().window.click(button);
            QVERIFY2(buttonImage(row.button) == unlit, row.button);
        }
        // An open list follows the reported value at once.
        h().window.click(h().item("playMode"));
        QVERIFY(h().feed({"CE06"}));
        QCOMPARE(fileOf(h().item("playModeRandom")), QString(lit));
        QCOMPARE(fileOf(h().item("playModeContinue")), QString(unlit));
        QVERIFY(modeOpen());
        QCOMPARE(h().commands(), QByteArray());
    }

    // The medium list offers the CD on the recorder with a disc drive; the
    // play-area list drops PLAYLIST on a CD, and FOLDER too on an audio CD
    // with tracks.
    void entriesByMedium()
    {
        struct Row {
            QList<QByteArray> lines;
            QString media;
            QString areas;
        };
        const QList<Row> rows = {
            {{"FF0100"}, "USB SD1 SD2 CD", "ALL FOLDER PLAYLIST"},
            {{"FF0101"}, "USB SD1 SD2 CD", "ALL FOLDER PLAYLIST"},
            {{"FF0110"}, "USB SD1 SD2 CD", "ALL FOLDER PLAYLIST"},
            {{"FF0111", "D60100", "DD1200"}, "USB SD1 SD2 CD", "ALL"},
            {{"D60000"}, "USB SD1 SD2 CD", "ALL"},
            {{"D60101"}, "USB SD1 SD2 CD", "ALL"},
            {{"D60110"}, "USB SD1 SD2 CD", "ALL FOLDER"},
            {{"D60111"}, "USB SD1 SD2 CD", "ALL FOLDER"},
            {{"D60112"}, "USB SD1 SD2 CD", "ALL FOLDER"},
            // A disc without tracks may hold folders whatever its kind.
            {{"D60100", "DD0000"}, "USB SD1 SD2 CD", "ALL FOLDER"},
            {{"D60102", "DD0100"}, "USB SD1 SD2 CD", "ALL"},
            {{"FF0110"}, "USB SD1 SD2 CD", "ALL FOLDER PLAYLIST"},
        };
        QCOMPARE(h().comm().model(), 1);
        for (const Row &row : rows) {
            const QByteArray name = row.lines.join(' ');
            QVERIFY2(h().feed(row.lines), name);
            settle();
            QVERIFY2(shownEntries(mediumEntries).isEmpty(), name);
            QVERIFY2(shownEntries(areaEntries).isEmpty(), name);
            h().window.click(h().item("currentMedia"));
            QVERIFY2(shownEntries(mediumEntries) == row.media, name + ": " + shownEntries(mediumEntries).toUtf8());
            h().window.click(h().item("playArea"));
            QVERIFY2(shownEntries(mediumEntries).isEmpty(), name);
            QVERIFY2(shownEntries(areaEntries) == row.areas, name + ": " + shownEntries(areaEntries).toUtf8());
            h().window.click(h().item("playArea"));
            QVERIFY2(shownEntries(areaEntries).isEmpty(), name);
        }
        // An open play-area list follows a change of medium at once.
        h().window.click(h().item("playArea"));
        QVERIFY(h().feed({"FF0111", "D60100", "DD1200"}));
        QCOMPARE(shownEntries(areaEntries), QString("ALL"));
        QVERIFY(h().feed({"FF0100"}));
        QCOMPARE(shownEntries(areaEntries), QString("ALL FOLDER PLAYLIST"));
        QCOMPARE(selectorCommands(), QByteArray());
    }

    void screenshots()
    {
        QVERIFY(h().feed({"FF0100", "D011", "D5000300", "DD1200", "FF6A81Evening session", "D80002001500",
                          remainingReply(3, 45), "8800021517", "FF07CF01", "CE06", "D010"}));
        h().window.click(h().item("currentMedia"));
        QTest::qWait(100);
        h().window.screenshot("selectors-medium");
        h().window.click(h().item("playArea"));
        QTest::qWait(100);
        h().window.screenshot("selectors-area");
        h().window.click(h().item("playMode"));
        QTest::qWait(100);
        h().window.screenshot("selectors-mode");
        h().window.click(h().item("playMode"));
        QVERIFY(h().feed({"FF0111", "D60102", "FF6AE501", "DD0000"}));
        h().window.click(h().item("playArea"));
        QTest::qWait(100);
        h().window.screenshot("selectors-cd-area");
        h().window.click(h().item("currentMedia"));
        QTest::qWait(100);
        h().window.screenshot("selectors-cd-medium");
        h().window.click(h().item("currentMedia"));
        QVERIFY(h().feed({"FF0100", "FF6A8C03", "FF6A8B01", "D081"}));
        QTest::qWait(100);
        h().window.screenshot("selectors-record-backup");
        QVERIFY(h().feed({"FF6A8C00", "D010"}));
        h().sent();
    }

    // The recorder without a disc drive has no CD entry.
    void noCdWithoutTheDrive()
    {
        HomeWindow other;
        other.recorder.modelAnswer = FakeRecorder::ModelAnswer::Model0;
        QVERIFY(other.start());
        QCOMPARE(other.comm().model(), 0);
        QVERIFY(other.feed({"D010", "FF0100"}));
        other.window.click(other.item("currentMedia"));
        QStringList shown;
        for (const char *entry : mediumEntries)
            if (other.item(entry)->isVisible())
                shown.append(textOf(other.item(entry)));
        QCOMPARE(shown.join(' '), QString("USB SD1 SD2"));
        QVERIFY2(other.window.warnings().isEmpty(), qPrintable(other.window.warnings().join('\n')));
    }

    // A list opens only in the play view while the recorder is idle or
    // stopped (status 0, 1, 16, 128); a click then closes it again.
    void listsOpenOnlyWhenAllowed()
    {
        struct Row {
            QList<QByteArray> lines;
            bool mediumOpens;
            bool othersShown;
            bool othersOpen;
        };
        const QList<Row> rows = {
            {{"D000"}, true, true, true},         {{"D001"}, true, true, true},
            {{"D010"}, true, true, true},         {{"D080"}, true, true, true},
            {{"D011"}, false, true, false},       {{"D012"}, false, true, false},
            {{"D0FF"}, false, true, false},       {{"D042"}, false, true, false},
            {{"D002"}, false, true, false},       {{"D081"}, false, false, false},
            {{"D082"}, false, false, false},      {{"D083"}, false, false, false},
            // Idle after recording keeps the record view: the medium list stays shut.
            {{"D081", "D000"}, false, false, false},
        };
        for (const Row &row : rows) {
            const QByteArray name = row.lines.join(' ');
            QVERIFY2(h().feed({"D010"}), name);
            QVERIFY2(h().feed(row.lines), name);
            h().window.click(h().item("currentMedia"));
            QVERIFY2(mediumOpen() == row.mediumOpens, name);
            closeAll();
            QVERIFY2(h().item("playArea")->isVisible() == row.othersShown, name);
            QVERIFY2(h().item("playMode")->isVisible() == row.othersShown, name);
            if (row.othersShown) {
                h().window.click(h().item("playArea"));
                QVERIFY2(areaOpen() == row.othersOpen, name);
                closeAll();
                h().window.click(h().item("playMode"));
                QVERIFY2(modeOpen() == row.othersOpen, name);
                closeAll();
            }
            if (row.mediumOpens) {
                h().window.click(h().item("currentMedia"));
                h().window.click(h().item("currentMedia"));
                QVERIFY2(!mediumOpen(), name);
            }
        }
        QVERIFY(h().feed({"D010"}));
        QCOMPARE(selectorCommands(), QByteArray());
    }

    // Until the menu is drawn the buttons do nothing.
    void buttonsWaitForTheMenu()
    {
        Menu &menu = h().window.backend().menu;
        h().window.click(h().item("playMode"));
        QVERIFY(modeOpen());
        menu.setDrawingFinished(false);
        QCOMPARE(openLists(), QString("- - -"));
        for (const char *button : {"currentMedia", "playArea", "playMode"}) {
            QVERIFY(!h().item(button)->isEnabled());
            h().window.click(h().item(button));
            QCOMPARE(openLists(), QString("- - -"));
            QCOMPARE(buttonImage(button), QString(unlit));
        }
        QVERIFY(keyVisible());
        menu.setDrawingFinished(true);
        h().window.click(h().item("playArea"));
        QVERIFY(areaOpen());
        h().sent();
    }

    // Opening one list closes the other two; the key shows unless the
    // play-mode list is open.
    void listsCloseOneAnother()
    {
        struct Row {
            const char *click;
            QString open;
            bool key;
        };
        const QList<Row> rows = {
            {"currentMedia", "medium - -", true}, {"playArea", "- area -", true},
            {"playMode", "- - mode", false},      {"currentMedia", "medium - -", true},
            {"playMode", "- - mode", false},      {"playArea", "- area -", true},
            {"playArea", "- - -", true},          {"playMode", "- - mode", false},
            {"playMode", "- - -", true},
        };
        for (const Row &row : rows) {
            h().window.click(h().item(row.click));
            QVERIFY2(openLists() == row.open, row.click);
            QVERIFY2(keyVisible() == row.key, row.click);
        }
        QCOMPARE(h().commands(), QByteArray());
    }

    // Each entry sends its line, unless it is the present value; either way
    // the list closes and the button keeps the reported value.
    void entriesSend()
    {
        struct Row {
            QByteArray present;
            const char *button;
            const char *entry;
            QByteArray line;
        };
        const QList<Row> rows = {
            {"FF0100", "currentMedia", "currentMediaUSB", "07F0110"},
            {"FF0100", "currentMedia", "currentMediaSD1", ""},
            {"FF0100", "currentMedia", "currentMediaSD2", "07F0101"},
            {"FF0100", "currentMedia", "currentMediaCD", "07F0111"},
            {"FF0110", "currentMedia", "currentMediaUSB", ""},
            {"FF0110", "currentMedia", "currentMediaSD1", "07F0100"},
            {"FF0101", "currentMedia", "currentMediaSD2", ""},
            {"FF0111", "currentMedia", "currentMediaCD", ""},
            {"FF0111", "currentMedia", "currentMediaSD2", "07F0101"},
            {"FF07CF00", "playArea", "playAreaAll", ""},
            {"FF07CF00", "playArea", "playAreaFolder", "07F074F01"},
            {"FF07CF00", "playArea", "playAreaPlaylist", "07F074F02"},
            {"FF07CF01", "playArea", "playAreaFolder", ""},
            {"FF07CF02", "playArea", "playAreaAll", "07F074F00"},
            {"FF07CF02", "playArea", "playAreaPlaylist", ""},
            {"CE00", "playMode", "playModeContinue", ""},
            {"CE00", "playMode", "playModeSingle", "04D01"},
            {"CE00", "playMode", "playModeProgram", "04D04"},
            {"CE00", "playMode", "playModeRandom", "04D06"},
            {"CE01", "playMode", "playModeSingle", ""},
            {"CE06", "playMode", "playModeContinue", "04D00"},
            {"CE05", "playMode", "playModeProgram", ""},
            {"CE06", "playMode", "playModeRandom", ""},
        };
        for (const Row &row : rows) {
            const QByteArray name = row.present + " " + row.entry;
            QVERIFY2(h().feed({"FF0100", row.present}), name);
            const QString before = buttonText(row.button);
            h().sent();
            h().window.click(h().item(row.button));
            QVERIFY2(h().item(row.entry)->isVisible(), name);
            h().window.click(h().item(row.entry));
            const QByteArray expected = row.line.isEmpty() ? QByteArray() : row.line + "\r\n";
            const QByteArray heard = h().commands();
            QVERIFY2(heard == expected, name + ": " + heard);
            QVERIFY2(openLists() == "- - -", name);
            QVERIFY2(buttonText(row.button) == before, name);
            QVERIFY2(keyVisible(), name);
        }
    }

    // A list kept open while busy stays open on a click on its button, and
    // its entries still send.
    void busyKeepsAnOpenList()
    {
        h().window.click(h().item("currentMedia"));
        QVERIFY(h().feed({"D0FF"}));
        h().window.click(h().item("currentMedia"));
        QVERIFY(mediumOpen());
        h().window.click(h().item("currentMediaUSB"));
        QCOMPARE(selectorCommands(), QByteArray("07F0110\r\n"));
        QVERIFY(!mediumOpen());
        h().window.click(h().item("currentMedia"));
        QVERIFY(!mediumOpen());
    }

    // The lock key lies over the lower entries of the play-mode list: it
    // hides while that list is open and shows again whenever it closes,
    // also when play begins while the list is open.
    void lockKeyAroundThePlayModeList()
    {
        QQuickItem *key = h().item("lockButton");
        QVERIFY(placeOf(key).intersects(placeOf(h().item("playModeProgram"))));
        struct Step {
            const char *name;
            QList<QByteArray> lines;
            const char *click;
            bool modeOpen;
            bool key;
        };
        const QList<Step> steps = {
            {"open", {}, "playMode", true, false},
            {"close", {}, "playMode", false, true},
            {"open again", {}, "playMode", true, false},
            {"choose", {}, "playModeSingle", false, true},
            {"open, busy", {"D0FF"}, nullptr, false, true},
            {"click while busy", {}, "playMode", false, true},
            {"stopped", {"D010"}, "playMode", true, false},
            {"busy with the list open", {"D0FF"}, "playMode", true, false},
            {"stopped, close", {"D010"}, "playMode", false, true},
            {"open, medium", {}, "playMode", true, false},
            {"medium opens", {}, "currentMedia", false, true},
            {"medium closes", {}, "currentMedia", false, true},
            {"open mode", {}, "playMode", true, false},
            {"area opens", {}, "playArea", false, true},
            {"area closes", {}, "playArea", false, true},
            // A recording hides the list with its selector, open; the key stays hidden.
            {"open before recording", {}, "playMode", true, false},
            {"record", {"D081"}, nullptr, true, false},
            {"record pause", {"D082"}, nullptr, true, false},
            {"stop shows it open", {"D010"}, nullptr, true, false},
            // Play closes the list and gives the key back.
            {"play", {"D011"}, nullptr, false, true},
            {"stop, open", {"D010"}, "playMode", true, false},
            {"play pause", {"D012"}, nullptr, false, true},
            {"stop, open once more", {"D010"}, "playMode", true, false},
            {"record, then play", {"D081", "D011"}, nullptr, false, true},
        };
        for (const Step &step : steps) {
            if (!step.lines.isEmpty())
                QVERIFY2(h().feed(step.lines), step.name);
            if (step.click)
                h().window.click(h().item(step.click));
            QVERIFY2(modeOpen() == step.modeOpen, step.name);
            QVERIFY2(keyVisible() == step.key, step.name);
        }
        // With the key back, the window can be locked.
        h().window.doubleClick(key);
        QVERIFY(h().item("lockScreen")->isVisible());
        h().window.doubleClick(h().item("unlockArea"));
        QVERIFY(!h().item("lockScreen")->isVisible());
        h().sent();
    }

    // The status handler closes all three lists at play and play pause, the
    // medium list alone at record and record pause, none otherwise.
    void statusHandlerClosesLists()
    {
        struct Row {
            QByteArray status;
            QString open;
            bool key;
        };
        const QList<Row> rows = {
            {"D011", "- - -", true},         {"D012", "- - -", true},         {"D081", "- area mode", false},
            {"D082", "- area mode", false},  {"D083", "- area mode", false},  {"D010", "medium area mode", false},
            {"D0FF", "medium area mode", false}, {"D001", "medium area mode", false},
            {"D042", "medium area mode", false},
        };
        for (const Row &row : rows) {
            QVERIFY2(h().feed({"D010", "D000"}), row.status);
            QVERIFY2(h().playOnly(), row.status);
            selector("homeCurrentMedia")->setProperty("currentMediaDropdownVisible", true);
            selector("homePlayArea")->setProperty("playAreaDropdownVisible", true);
            selector("homePlayMode")->setProperty("playModeDropdownVisible", true);
            h().item("lockButton")->setVisible(false);
            QVERIFY2(h().feed({row.status}), row.status);
            QVERIFY2(openLists() == row.open, row.status + ": " + openLists().toUtf8());
            QVERIFY2(keyVisible() == row.key, row.status);
            closeAll();
        }
        h().sent();
    }

    // A redraw of the menu ends the session the lists were opened in: each
    // list closes, the key comes back, and where the entries stood nothing
    // sends any more.
    void menuRedrawClosesLists()
    {
        Menu &menu = h().window.backend().menu;
        struct Row {
            const char *button;
            const char *entry;
        };
        const QList<Row> rows = {
            {"currentMedia", "currentMediaSD2"}, {"playArea", "playAreaFolder"}, {"playMode", "playModeRandom"}};
        for (const Row &row : rows) {
            h().window.click(h().item(row.button));
            QVERIFY2(h().item(row.entry)->isVisible(), row.button);
            const QPoint spot = h().item(row.entry)->mapToScene(QPointF(10, 10)).toPoint();
            QSignalSpy drawn(&menu, &Menu::drawingFinishedChanged);
            menu.requestMenuList();
            QVERIFY2(QTest::qWaitFor([&] { return drawn.count() >= 2 && menu.drawingFinished; }, 5000), row.button);
            QVERIFY2(openLists() == "- - -", row.button);
            QVERIFY2(keyVisible(), row.button);
            h().sent();
            QTest::mouseClick(h().window.window(), Qt::LeftButton, {}, spot);
            const QByteArray heard = h().commands();
            QVERIFY2(!heard.contains("07F01") && !heard.contains("07F074F") && !heard.contains("04D"), heard);
        }
    }

    // A lost link closes the lists before the recorder is reached again.
    void lostLinkClosesLists()
    {
        Communication &comm = h().comm();
        h().window.click(h().item("playMode"));
        QVERIFY(modeOpen());
        QVERIFY(!keyVisible());
        QSignalSpy login(&comm, &Communication::loginCompChanged);
        h().recorder.closeClient();
        QVERIFY(QTest::qWaitFor([&] { return login.count() >= 1; }, 3000));
        QCOMPARE(login.first().first().toBool(), false);
        QCOMPARE(openLists(), QString("- - -"));
        QVERIFY(keyVisible());
        // Logged in again, nothing is left open.
        QVERIFY(QTest::qWaitFor([&] { return comm.loginComp() && h().window.backend().menu.drawingFinished; }, 8000));
        TimerTicks::hold(comm.timeTimerId);
        QCOMPARE(openLists(), QString("- - -"));
        h().sent();
    }

    // Logging out closes every list.
    void logoutClosesLists()
    {
        selector("homeCurrentMedia")->setProperty("currentMediaDropdownVisible", true);
        selector("homePlayArea")->setProperty("playAreaDropdownVisible", true);
        selector("homePlayMode")->setProperty("playModeDropdownVisible", true);
        h().item("lockButton")->setVisible(false);
        h().comm().logoutRequest();
        QTRY_VERIFY(!h().comm().loginComp());
        QCOMPARE(openLists(), QString("- - -"));
        QVERIFY(keyVisible());
    }

    void cleanupTestCase() { home.reset(); }
};

HB740_TEST_MAIN(TestHomeSelectors)
#include "tst_homeselectors.moc"
