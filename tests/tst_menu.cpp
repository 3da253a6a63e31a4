#include "Backend.h"
#include "FakeMenu.h"
#include "LinkFixture.h"
#include "MenuLines.h"
#include "TestMain.h"

#include <QRegularExpression>
#include <QtTest>

using namespace MenuLines;

namespace {

// Positions of FakeMenu::example(), as the download records them.
struct Node
{
    int page;
    int item;
    int subitem;
};
constexpr Node inputSelect{0, 0, 0};
constexpr Node gainL{0, 1, 0};
constexpr Node gainR{0, 1, 1};
constexpr Node phantomL{0, 2, 0};
constexpr Node phantomR{0, 2, 1};
constexpr Node levelL{0, 3, 0};
constexpr Node levelR{0, 3, 1};
constexpr Node stereoMono{1, 0, 0};
constexpr Node playArea{4, 0, 0};
constexpr Node recFormat{4, 1, 0};

QByteArray request(const char *subCommand, Node n, int v = -1)
{
    return MenuLines::request(subCommand, {n.page, n.item, n.subitem}, v);
}

QString valueReply(Node n, int v)
{
    return "FF6AFA" + value(n.page, n.item, n.subitem, v);
}

// The example menu with one more subitem: a range inside an item of several,
// whose row is a range row of its own.
FakeMenu exampleWithRange()
{
    FakeMenu fake = FakeMenu::example();
    FakeMenu::Subitem delay;
    delay.name = "DELAY";
    delay.type = 1;
    delay.value = 100;
    fake.pages[4].items[3].subitems.append(delay);
    return fake;
}
constexpr Node delay{4, 3, 2};

} // namespace

// All backend objects on a link to the scripted recorder, which plays a
// device menu; the session's own login traffic is left out, so that the
// recorder receives only what the menu sends. `start` downloads the menu and
// builds rows as the menu screen does: a choice row showing no option yet
// for every visible choice, a plain row for every header and range.
struct MenuSession
{
    explicit MenuSession(FakeMenu menu = exampleWithRange())
        : fake(std::move(menu))
        , completed(&backend.menu, &Menu::menuCompleted)
        , levelChanged(&backend.menu, &Menu::inputLevelParameterChanged)
        , itemChanged(&backend.menu, &Menu::itemParameterChanged)
        , phantom(&backend.menu, &Menu::phantomOnPopup)
    {
        fake.attach(link.recorder);
        link.recorder.setReply("07F035D", {"0FF03DD0000"});
    }

    bool start(bool draw = true)
    {
        if (!QObject::disconnect(&backend.telnet, SIGNAL(connectedToServer(int)), &backend.comm,
                                 SLOT(finishedLogin(int))))
            return false;
        if (!link.logIn())
            return false;
        backend.telnet.sendData(Menu::commandMenuList);
        if (!completed.wait(3000))
            return false;
        buildRows();
        if (draw)
            menu.setDrawingFinished(true);
        take();
        clearSpies();
        return true;
    }

    void buildRows()
    {
        for (int i = 0; i < menu.getMaxPageNumber(); ++i) {
            if (!menu.getPageVisible(i))
                continue;
            for (int j = 0; j < menu.getMaxItemNumber(i); ++j) {
                const QString itemName = QStringLiteral("r%1.%2").arg(i).arg(j);
                if (menu.getMaxSubitemNumber(i, j) == 1) {
                    if (menu.getSubitemVisible(i, j, 0))
                        menu.setItemObject(i, j, rows.choiceRow(itemName, menu.getMaxSubitemParameterNumber(i, j, 0)));
                    continue;
                }
                if (menu.getItemVisible(i, j))
                    menu.setItemObject(i, j, rows.row(itemName));
                for (int k = 0; k < menu.getMaxSubitemNumber(i, j); ++k) {
                    if (!menu.getSubitemVisible(i, j, k))
                        continue;
                    const QString name = itemName + QStringLiteral(".%1").arg(k);
                    menu.setSubitemObject(i, j, k,
                                          menu.getSubitemType(i, j, k) == 0
                                              ? rows.choiceRow(name, menu.getMaxSubitemParameterNumber(i, j, k))
                                              : rows.row(name));
                }
            }
        }
        rows.writes.clear();
    }

    QObject *row(Node n) const
    {
        return menu.valueRow(n.page, n.item, n.subitem);
    }

    void show(Node n, int index)
    {
        row(n)->setProperty("comboBoxCurrentIndex", index);
    }

    void edit(Node n, int v, int type = 0)
    {
        menu.changedSubitemObjectValue(n.page, n.item, n.subitem, v, type);
    }

    void reply(const QString &line)
    {
        backend.comm.recievedData(line);
    }

    // The menu's lines the recorder received since the last call, once quiet.
    QByteArray take(int quietMs = 60)
    {
        const QByteArray sent = link.recorder.receivedOnceQuiet(quietMs);
        link.recorder.clearReceived();
        return sent;
    }

    // Only the menu's own lines of what was received.
    QByteArray takeMenuLines()
    {
        QByteArray lines;
        for (const QByteArray &line : take().split('\n'))
            if (line.startsWith("07F6A7A"))
                lines += line + "\n";
        return lines;
    }

    void clearSpies()
    {
        completed.clear();
        levelChanged.clear();
        itemChanged.clear();
        phantom.clear();
        rows.writes.clear();
    }

    // The recorder stops answering: the test feeds the replies.
    void silence() { link.recorder.responder = nullptr; }
    // Answers `requests` now, and every later request as the menu would.
    void answer(const QList<QByteArray> &requests)
    {
        fake.attach(link.recorder);
        for (const QByteArray &line : requests)
            for (const QByteArray &answerLine : fake.answer(line.trimmed()))
                link.recorder.send(answerLine + "\r\n");
    }

    Backend backend;
    Menu &menu = backend.menu;
    LinkFixture link{&backend.telnet};
    FakeMenu fake;
    MenuRowLog rows;
    QSignalSpy completed;
    QSignalSpy levelChanged;
    QSignalSpy itemChanged;
    QSignalSpy phantom;
};

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    // The screen's bindings may read nodes that do not exist (yet or any
    // more): every getter answers its empty value and every setter is ignored.
    void indicesThatNameNoNode()
    {
        MenuSession s;
        QVERIFY(s.start());
        Menu &m = s.menu;
        QObject stranger;
        for (const int i : {-1, 5, 2}) { // page 2 is hidden: it has no items
            QCOMPARE(m.getMaxItemNumber(i), 0);
            QCOMPARE(m.getItemName(i, 0), QString());
            QVERIFY(!m.getItemVisible(i, 0));
            QCOMPARE(m.getItemObject(i, 0), nullptr);
            QCOMPARE(m.getMaxSubitemNumber(i, 0), 0);
            QCOMPARE(m.getVisibleSubitemNumber(i, 0), 0);
            m.setItemObject(i, 0, &stranger);
            m.setSubitemObject(i, 0, 0, &stranger);
        }
        QCOMPARE(m.getPageName(-1), QString());
        QCOMPARE(m.getPageName(5), QString());
        QVERIFY(!m.getPageVisible(5));
        QCOMPARE(m.getPageObject(-1), nullptr);
        m.setPageObject(5, &stranger);
        m.setPageObject(-1, &stranger);
        for (const Node n : {Node{0, 4, 0}, Node{0, 0, 1}, Node{0, -1, 0}, Node{0, 0, -1}, Node{9, 9, 9}}) {
            QCOMPARE(m.getSubitemName(n.page, n.item, n.subitem), QString());
            QCOMPARE(m.getSubitemObject(n.page, n.item, n.subitem), nullptr);
            QCOMPARE(m.getSubitemType(n.page, n.item, n.subitem), 0);
            QVERIFY(!m.getSubitemReadOnly(n.page, n.item, n.subitem));
            QVERIFY(!m.getSubitemVisible(n.page, n.item, n.subitem));
            QCOMPARE(m.getMaxSubitemParameterNumber(n.page, n.item, n.subitem), 0);
            QCOMPARE(m.getSubitemParameterName(n.page, n.item, n.subitem, 0), QString());
            m.setSubitemObject(n.page, n.item, n.subitem, &stranger);
            m.subitemValueRequest(n.page, n.item, n.subitem);
            m.changedSubitemObjectValue(n.page, n.item, n.subitem, 1, 1);
        }
        QCOMPARE(m.getSubitemParameterName(0, 0, 0, 3), QString());
        QCOMPARE(m.getSubitemParameterName(0, 0, 0, -1), QString());
        QCOMPARE(m.getSubitemParameterName(0, 0, 0, 2), QString("DIGITAL"));
        QCOMPARE(m.getMaxSubitemParameterNumber(4, 2, 0), 0); // a range
        QCOMPARE(m.getVisibleSubitemNumber(4, 3), 2);         // one of three hidden
        QCOMPARE(s.take(), QByteArray());
        for (const MenuPage &page : m.pages) {
            QVERIFY(page.object != &stranger);
            for (const MenuItem &item : page.items) {
                QVERIFY(item.object != &stranger);
                for (const MenuSubitem &subitem : item.subitems)
                    QVERIFY(subitem.object != &stranger);
            }
        }
    }

    void drawingFinishedSignalsOnlyChanges()
    {
        Menu menu;
        QSignalSpy changed(&menu, &Menu::drawingFinishedChanged);
        QCOMPARE(menu.getMaxPageNumber(), 0);
        menu.setDrawingFinished(false);
        QCOMPARE(changed.count(), 0);
        menu.setDrawingFinished(true);
        menu.setDrawingFinished(true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.takeFirst().at(0).toBool(), true);
        menu.setProperty("drawingFinished", false);
        QCOMPARE(changed.count(), 1);
    }

    // A logout empties the tree and announces that the menu is no longer
    // drawn; the old rows stay on screen, but edits and value reports for
    // them reach nothing.
    void logoutLeavesNothingToEdit()
    {
        MenuSession s;
        QVERIFY(s.start());
        QSignalSpy changed(&s.menu, &Menu::drawingFinishedChanged);
        s.backend.comm.logoutRequest();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toBool(), false);
        QCOMPARE(s.menu.getMaxPageNumber(), 0);
        QVERIFY(!s.menu.inputSelectPosition.isSet());
        QVERIFY(!s.menu.sd1Position.isSet());
        s.edit(gainL, 1);
        s.edit(gainL, 1, 1);
        s.menu.subitemValueRequest(0, 0, 0);
        s.menu.changedCommandMenuData();
        s.menu.recievedCommandFF6AFA(value(0, 0, 0, 2));
        s.menu.rebuildParameterForCd();
        s.menu.setMenuCurrentMedia("SD1");
        QCOMPARE(s.rows.writes, QStringList());
        QCOMPARE(s.link.recorder.receivedOnceQuiet(60), QByteArray());
    }

    // Value reports reach the row that shows the subitem, in the order the
    // rows need: a range row hears its old value first, so that its slider
    // announces nothing.
    void valuesReachTheirRows_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("single-subitem item") << valueReply(stereoMono, 1)
                                             << QStringList{"r1.0.comboBoxCurrentIndex=1", "r1.0.oldIndex=1"};
        QTest::newRow("choice subitem") << valueReply({3, 0, 1}, 1)
                                        << QStringList{"r3.0.1.oldIndex=1", "r3.0.1.comboBoxCurrentIndex=1"};
        QTest::newRow("range 0") << valueReply(delay, 0)
                                 << QStringList{"r4.3.2.oldIndex=-1000", "r4.3.2.rangeData=-1000"};
        QTest::newRow("range 100") << valueReply(delay, 100) << QStringList{"r4.3.2.oldIndex=0", "r4.3.2.rangeData=0"};
        QTest::newRow("range 150") << valueReply(delay, 150)
                                   << QStringList{"r4.3.2.oldIndex=500", "r4.3.2.rangeData=500"};
        QTest::newRow("range 200") << valueReply(delay, 200)
                                   << QStringList{"r4.3.2.oldIndex=1000", "r4.3.2.rangeData=1000"};
        QTest::newRow("hidden subitem: no row") << valueReply({4, 3, 0}, 1) << QStringList{};
        QTest::newRow("no such subitem") << valueReply({4, 3, 7}, 1) << QStringList{};
        QTest::newRow("no such page") << valueReply({9, 0, 0}, 1) << QStringList{};
        QTest::newRow("17 characters") << valueReply(stereoMono, 1).chopped(1) << QStringList{};
        QTest::newRow("19 characters") << valueReply(stereoMono, 1) + "0" << QStringList{};
    }
    void valuesReachTheirRows()
    {
        QFETCH(QString, reply);
        QFETCH(QStringList, writes);
        MenuSession s;
        QVERIFY(s.start());
        s.reply(reply);
        QCOMPARE(s.rows.writes, writes);
        QCOMPARE(s.take(), QByteArray());
    }

    // The screen destroys its rows at every rebuild: a row that is gone is
    // not written, even when a report for it arrives before it is replaced.
    void destroyedRowsAreNotWritten()
    {
        MenuSession s;
        QVERIFY(s.start());
        delete s.row(stereoMono);
        delete s.menu.getSubitemObject(delay.page, delay.item, delay.subitem);
        QCOMPARE(s.row(stereoMono), nullptr);
        s.reply(valueReply(stereoMono, 1));
        s.reply(valueReply(delay, 150));
        s.edit(stereoMono, 1); // the phantom rule reads no row here
        QCOMPARE(s.rows.writes, QStringList());
        QCOMPARE(s.take(), request("03", stereoMono, 1));
    }

    void edits_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("subitem");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("sent");
        const auto row = [](const char *name, Node n, int v, const QByteArray &sent) {
            QTest::newRow(name) << n.page << n.item << n.subitem << v << sent;
        };
        row("choice", stereoMono, 1, request("03", stereoMono, 1));
        row("range +500 ms", delay, 150, "07F6A7A03040003000200" "5001\r\n");
        row("largest value", delay, 9999, request("03", delay, 9999));
        row("value beyond four digits", delay, 10000, "");
        row("negative value", delay, -1, "");
        row("no such subitem", {4, 3, 3}, 1, "");
        row("no such item", {4, 9, 0}, 1, "");
        row("hidden page", {2, 0, 0}, 1, "");
    }
    void edits()
    {
        QFETCH(int, page);
        QFETCH(int, item);
        QFETCH(int, subitem);
        QFETCH(int, value);
        QFETCH(QByteArray, sent);
        MenuSession s;
        QVERIFY(s.start());
        s.menu.changedSubitemObjectValue(page, item, subitem, value, 0);
        QCOMPARE(s.take(), sent);
        QCOMPARE(s.phantom.count(), 0);
    }

    // Rows are drawn but the flag is not yet set, or a new download has
    // begun: no edit goes out.
    void editsWaitForTheDrawnMenu()
    {
        MenuSession s;
        QVERIFY(s.start(false));
        s.edit(stereoMono, 1);
        s.edit(stereoMono, 1, 1);
        QCOMPARE(s.take(), QByteArray());
        s.menu.setDrawingFinished(true);
        s.edit(stereoMono, 1);
        QCOMPARE(s.take(), request("03", stereoMono, 1));
    }

    // Rows built while a new download runs, or after the tree was emptied,
    // stand for no tree: the menu is drawn only once its tree is whole.
    void drawnOnlyWhenWhole_data()
    {
        QTest::addColumn<QString>("reply"); // none: the session ends
        QTest::newRow("page count") << "FF6AFA" + pageCount(5);
        QTest::newRow("another item count") << "FF6AFA" + itemCount(0, 3);
        QTest::newRow("another subitem count") << "FF6AFA" + subitemCount(0, 1, 1);
        QTest::newRow("session ended") << QString();
    }
    void drawnOnlyWhenWhole()
    {
        QFETCH(QString, reply);
        MenuSession s;
        QVERIFY(s.start());
        s.silence();
        if (reply.isEmpty())
            s.menu.resetMenuData();
        else
            s.reply(reply);
        s.menu.setDrawingFinished(true);
        QVERIFY(!s.menu.drawingFinished);
        // The tree whole again: the rows built for it are drawn.
        const QList<QByteArray> asked = s.take().split('\n');
        s.answer(asked);
        if (reply.isEmpty())
            s.backend.telnet.sendData(Menu::commandMenuList);
        QVERIFY(s.completed.wait(3000));
        s.buildRows();
        s.menu.setDrawingFinished(true);
        QVERIFY(s.menu.drawingFinished);
    }

    // Phantom power is held back when an edit would leave a channel on
    // input 1 with a gain and phantom power at once. -1: the row shows no
    // option (as built, or not registered).
    void phantomRule_data()
    {
        QTest::addColumn<QList<int>>("shown"); // input select, gain L, gain R, phantom L, phantom R
        QTest::addColumn<int>("edited");       // index into the same five
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("held");
        const auto row = [](const char *name, QList<int> shown, int edited, int v, bool held) {
            QTest::newRow(name) << shown << edited << v << held;
        };
        row("select 1 with gain L and phantom L", {0, 2, 0, 1, 0}, 0, 1, true);
        row("select 1 with gain R and phantom R", {0, 0, 1, 0, 1}, 0, 1, true);
        row("select 1, phantoms off", {0, 2, 2, 0, 0}, 0, 1, false);
        row("select 1, gains 0", {0, 0, 0, 1, 1}, 0, 1, false);
        row("select 2 with gain and phantom", {0, 2, 2, 1, 1}, 0, 2, false);
        row("select 1, gain L unknown", {0, -1, 0, 1, 0}, 0, 1, false);
        row("gain L on select 1 with phantom L", {1, 0, 0, 1, 0}, 1, 2, true);
        row("gain L to 0", {1, 1, 0, 1, 0}, 1, 0, false);
        row("gain L, phantom L off", {1, 0, 0, 0, 1}, 1, 2, false);
        row("gain L, select unknown", {-1, 0, 0, 1, 0}, 1, 2, false);
        row("gain R on select 1 with phantom R", {1, 0, 0, 0, 1}, 2, 1, true);
        row("gain R, select 0", {0, 0, 0, 0, 1}, 2, 1, false);
        row("phantom L on with select 1 and gain L", {1, 1, 0, 0, 0}, 3, 1, true);
        row("phantom L on, gain L 0", {1, 0, 2, 0, 0}, 3, 1, false);
        row("phantom L on, gain L unknown", {1, -1, 0, 0, 0}, 3, 1, false);
        row("phantom R on with select 1 and gain R", {1, 0, 2, 0, 0}, 4, 1, true);
        row("phantom R off", {1, 2, 2, 1, 1}, 4, 0, false);
        row("phantom R on, select unknown", {-1, 2, 2, 0, 0}, 4, 1, false);
    }
    void phantomRule()
    {
        QFETCH(QList<int>, shown);
        QFETCH(int, edited);
        QFETCH(int, value);
        QFETCH(bool, held);
        const Node nodes[] = {inputSelect, gainL, gainR, phantomL, phantomR};
        MenuSession s;
        QVERIFY(s.start());
        for (int i = 0; i < 5; ++i)
            if (shown.at(i) >= 0)
                s.show(nodes[i], shown.at(i));
        const Node n = nodes[edited];
        s.edit(n, value);
        QCOMPARE(s.phantom.count(), held ? 1 : 0);
        if (held)
            QCOMPARE(s.phantom.at(0), (QList<QVariant>{n.page, n.item, n.subitem, value}));
        QCOMPARE(s.take(), held ? QByteArray() : request("03", n, value));
        // Confirmed by the operator, it goes out; a confirmation of an edit
        // that was not held back sends nothing.
        s.edit(n, value, 1);
        QCOMPARE(s.take(), held ? request("03", n, value) : QByteArray());
        QCOMPARE(s.phantom.count(), held ? 1 : 0);
    }

    // The operator's confirmation sends the edit held back last, once, and
    // only while the tree it was made on stands: another tree's indices may
    // name another node.
    void confirmingTheHeldEdit_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("confirmed"); // 0: INPUT GAIN Lch, 1: PHANTOM(+48V)Rch
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("sent");
        QTest::newRow("at once") << "" << 0 << 2 << true;
        QTest::newRow("another value") << "" << 0 << 1 << false;
        QTest::newRow("another node") << "" << 1 << 1 << false;
        QTest::newRow("confirmed before") << "confirm" << 0 << 2 << false;
        QTest::newRow("a later edit held back") << "hold" << 0 << 2 << false;
        QTest::newRow("the later edit") << "hold" << 1 << 1 << true;
        QTest::newRow("session ended, menu read anew") << "reset" << 0 << 2 << false;
        QTest::newRow("menu read again") << "download" << 0 << 2 << false;
        QTest::newRow("its page's items replaced") << "items" << 0 << 2 << false;
    }
    void confirmingTheHeldEdit()
    {
        QFETCH(QString, meanwhile);
        QFETCH(int, confirmed);
        QFETCH(int, value);
        QFETCH(bool, sent);
        MenuSession s;
        QVERIFY(s.start());
        const auto showInputs = [&] {
            s.show(inputSelect, 1);
            s.show(phantomL, 1);
            s.show(gainR, 2);
        };
        showInputs();
        s.edit(gainL, 2);
        QCOMPARE(s.phantom.count(), 1);
        if (meanwhile == "confirm") {
            s.edit(gainL, 2, 1);
            QCOMPARE(s.take(), request("03", gainL, 2));
        } else if (meanwhile == "hold") {
            s.edit(phantomR, 1);
            QCOMPARE(s.phantom.count(), 2);
        } else if (meanwhile == "reset" || meanwhile == "download" || meanwhile == "items") {
            if (meanwhile == "reset")
                s.menu.resetMenuData();
            if (meanwhile == "items")
                s.reply("FF6AFA" + itemCount(0, 3));
            else
                s.backend.telnet.sendData(Menu::commandMenuList);
            QVERIFY(s.completed.wait(3000));
            s.buildRows();
            s.menu.setDrawingFinished(true);
            QVERIFY(s.menu.drawingFinished);
            QVERIFY(s.menu.subitemAt(gainL.page, gainL.item, gainL.subitem));
            showInputs();
            s.take();
        }
        QCOMPARE(s.take(), QByteArray());
        const Node n = confirmed == 0 ? gainL : phantomR;
        s.edit(n, value, 1);
        QCOMPARE(s.take(), sent ? request("03", n, value) : QByteArray());
    }

    // A menu without the named subitems: nothing it holds is taken for
    // them, and row (0,0,0) is an ordinary row.
    void unsetPositionsActOnNothing()
    {
        FakeMenu plain;
        FakeMenu::Subitem only;
        only.name = "MODE";
        only.options = {"A", "B", "C"};
        plain.pages = {{"P", {{"MODE", {only}}}}};
        MenuSession s(plain);
        QVERIFY(s.start());
        s.show({0, 0, 0}, 1);
        s.rows.writes.clear();
        s.edit({0, 0, 0}, 1);
        QCOMPARE(s.phantom.count(), 0);
        QCOMPARE(s.take(), MenuLines::request("03", {0, 0, 0}, 1));
        s.reply(valueReply({0, 0, 0}, 2)); // no LEVEL re-read
        s.menu.rebuildInputLevelParameter();
        s.menu.rebuildParameterForCd();
        s.menu.rebuildParameterForStereoMono();
        s.menu.setMenuCurrentMedia("SD1");
        QCOMPARE(s.rows.writes, QStringList({"r0.0.comboBoxCurrentIndex=2", "r0.0.oldIndex=2"}));
        QCOMPARE(s.take(), QByteArray());
        QVERIFY(!s.menu.inputLevelRebuilding && !s.menu.cdRebuilding && !s.menu.stereoMonoRebuilding);
        QCOMPARE(s.menu.getMaxSubitemParameterNumber(0, 0, 0), 3);
    }

    // A value of INPUT SELECT or a gain that differs from what the row shows
    // re-reads both LEVEL lists; the re-read ends on its own rows, without a
    // rebuild of the menu.
    void levelReread()
    {
        MenuSession s;
        QVERIFY(s.start());
        s.reply(valueReply(inputSelect, 1)); // first value after the build
        s.reply(valueReply(gainR, 2));
        QCOMPARE(s.take(), QByteArray());
        s.reply(valueReply(inputSelect, 2));
        QCOMPARE(s.take(), request("14", levelL) + request("14", levelR) + request("24", levelL, 0)
                               + request("24", levelR, 0) + request("24", levelL, 1) + request("24", levelR, 1)
                               + request("01", levelL) + request("01", levelR));
        QCOMPARE(s.rows.writes,
                 QStringList({"r0.0.comboBoxCurrentIndex=1", "r0.0.oldIndex=1", "r0.1.1.oldIndex=2",
                              "r0.1.1.comboBoxCurrentIndex=2", "r0.3.0.visibleComboBox=false",
                              "r0.3.1.visibleComboBox=false", "r0.0.comboBoxCurrentIndex=2", "r0.0.oldIndex=2",
                              "r0.3.0.visibleComboBox=true", "r0.3.1.visibleComboBox=true", "r0.3.0.oldIndex=0",
                              "r0.3.0.comboBoxCurrentIndex=0", "r0.3.1.oldIndex=1", "r0.3.1.comboBoxCurrentIndex=1"}));
        QCOMPARE(s.levelChanged.count(), 2);
        QCOMPARE(s.levelChanged.at(0).mid(0, 3), (QList<QVariant>{0, 3, 0}));
        QCOMPARE(s.levelChanged.at(1).mid(0, 3), (QList<QVariant>{0, 3, 1}));
        QCOMPARE(s.levelChanged.at(1).at(3).value<QObject *>(), s.menu.getSubitemObject(0, 3, 1));
        QCOMPARE(s.completed.count(), 0);
        QVERIFY(!s.menu.inputLevelRebuilding);
        QCOMPARE(s.menu.getSubitemParameterName(0, 3, 1, 1), QString("0dB"));

        // An edit of a gain that goes out makes its next report re-read the lists.
        s.show(gainL, 0);
        s.edit(gainL, 0);
        QCOMPARE(s.take(), request("03", gainL, 0));
        s.reply(valueReply(gainL, 0));
        QVERIFY(s.take().startsWith(request("14", levelL)));
    }

    // While the LEVEL lists are read again, edits of INPUT SELECT and the
    // gains ask for the recorder's value instead; starts asked for meanwhile,
    // and option names outside the lists, lead to one more reading after
    // this one, never to more.
    void levelRereadRunning()
    {
        MenuSession s;
        QVERIFY(s.start());
        s.silence();
        s.show(inputSelect, 0);
        s.reply(valueReply(inputSelect, 2));
        QCOMPARE(s.take(), request("14", levelL) + request("14", levelR));
        QVERIFY(s.menu.inputLevelRebuilding);

        s.edit(gainR, 1);
        QCOMPARE(s.take(), request("01", gainR));
        s.reply(valueReply(inputSelect, 0));
        s.menu.rebuildInputLevelParameter();
        s.link.recorder.send("0FF6AFA" + option(0, 3, 0, 4, "OLD").toLatin1() + "\r\n");
        s.link.recorder.send("0FF6AFA" + option(0, 3, 1, 0, "OLD").toLatin1() + "\r\n");
        QCOMPARE(s.take(), QByteArray());
        QCOMPARE(s.menu.getMaxSubitemParameterNumber(0, 3, 0), 0);

        s.answer({request("14", levelL), request("14", levelR)});
        const QByteArray sent = s.take(150);
        QCOMPARE(sent.count(request("14", levelL)), 1);
        QCOMPARE(sent.count(request("01", levelL)), 2);
        QCOMPARE(s.levelChanged.count(), 4);
        QCOMPARE(s.completed.count(), 0);
        QVERIFY(!s.menu.inputLevelRebuilding);
        QCOMPARE(s.menu.getSubitemParameterName(0, 3, 0, 0), QString("-10dB"));
    }

    // LEVEL (L) and LEVEL (R) on different pages: the re-read ends only when
    // both lists are whole, even when one reply is lost on the way.
    void levelRereadWaitsForBothLists()
    {
        FakeMenu fake = FakeMenu::example();
        FakeMenu::Subitem right = fake.pages[0].items[3].subitems.takeLast();
        FakeMenu::Subitem trim;
        trim.name = "TRIM";
        trim.options = {"A", "B"};
        fake.pages[0].items[3].subitems.append(trim);
        fake.pages[3].items[1].subitems.append(right);
        MenuSession s(fake);
        QVERIFY(s.start());
        s.menu.watchdogMs = 150;
        s.fake.loseOnce = {request("14", {3, 1, 3}).trimmed()};
        s.show(inputSelect, 0);
        s.reply(valueReply(inputSelect, 2));
        QVERIFY(!s.menu.pages.at(3).complete);
        QVERIFY(!s.menu.pages.at(3).items.at(1).complete);
        QTRY_COMPARE(s.menu.getMaxSubitemParameterNumber(0, 3, 0), 2);
        QTest::qWait(50);
        QCOMPARE(s.levelChanged.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(s.levelChanged.count(), 2, 2000);
        QCOMPARE(s.levelChanged.at(0).mid(0, 3), (QList<QVariant>{0, 3, 0}));
        QCOMPARE(s.levelChanged.at(1).mid(0, 3), (QList<QVariant>{3, 1, 3}));
        QCOMPARE(s.menu.getSubitemParameterName(3, 1, 3, 1), QString("0dB"));
        QVERIFY(!s.menu.inputLevelRebuilding);
        QCOMPARE(s.completed.count(), 0);
    }

    // Notice 50 re-reads the PLAY AREA and REC FORMAT lists; it ends on its
    // rows, with the STEREO/MONO row shown afresh, whichever list is last.
    void cdReread_data()
    {
        QTest::addColumn<QByteArray>("lost");
        QTest::newRow("REC FORMAT last") << QByteArray();
        QTest::newRow("PLAY AREA last") << request("14", playArea).trimmed();
    }
    void cdReread()
    {
        QFETCH(QByteArray, lost);
        MenuSession s;
        QVERIFY(s.start());
        s.menu.watchdogMs = 150;
        if (!lost.isEmpty())
            s.fake.loseOnce = {lost};
        // Hidden, so that showing it again is seen.
        s.row(stereoMono)->setProperty("visibleComboBox", false);
        s.rows.writes.clear();
        s.reply("FF6AF650");
        s.reply("FF6AF650");
        QTRY_COMPARE_WITH_TIMEOUT(s.itemChanged.count(), 3, 2000);
        const QByteArray sent = s.take();
        QVERIFY2(sent.endsWith(request("01", playArea) + request("01", recFormat) + request("01", stereoMono)),
                 sent.constData());
        QCOMPARE(sent.count(request("14", recFormat)), 1);
        QCOMPARE(s.itemChanged.at(0), (QList<QVariant>{4, 0, QVariant::fromValue(s.row(playArea))}));
        QCOMPARE(s.itemChanged.at(1).mid(0, 2), (QList<QVariant>{4, 1}));
        QCOMPARE(s.itemChanged.at(2).mid(0, 2), (QList<QVariant>{1, 0}));
        QCOMPARE(s.rows.writes.filter("visibleComboBox"),
                 QStringList({"r4.0.visibleComboBox=false", "r4.1.visibleComboBox=false", "r4.0.visibleComboBox=true",
                              "r4.1.visibleComboBox=true", "r1.0.visibleComboBox=true"}));
        QCOMPARE(s.completed.count(), 0);
        QVERIFY(!s.menu.cdRebuilding);

        // Nothing stays blocked: the next notice reads the lists again.
        s.reply("FF6AF650");
        QTRY_COMPARE(s.itemChanged.count(), 6);
    }

    // Notice 51 re-reads the STEREO/MONO list and ends on its row alone; a
    // second notice afterwards is not refused.
    void stereoMonoReread()
    {
        MenuSession s;
        QVERIFY(s.start());
        for (int round = 1; round <= 2; ++round) {
            s.reply("FF6AF651");
            QTRY_COMPARE(s.itemChanged.count(), round);
            QCOMPARE(s.take(), request("14", stereoMono) + request("24", stereoMono, 0) + request("24", stereoMono, 1)
                                   + request("01", stereoMono));
            QCOMPARE(s.itemChanged.last(), (QList<QVariant>{1, 0, QVariant::fromValue(s.row(stereoMono))}));
            QCOMPARE(s.completed.count(), 0);
            QVERIFY(!s.menu.stereoMonoRebuilding);
        }
    }

    // A refusal and notice 40 ask for every visible value again, in the
    // tree's order; a medium change first marks the medium rows and reads
    // the medium's texts again.
    void valuesAskedAgain_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("last");
        QTest::addColumn<QStringList>("writes");
        const QByteArray mediaTexts = request("24", {3, 1, 0}, 0) + request("24", {3, 1, 1}, 0)
                                      + request("24", {3, 1, 2}, 0);
        const QStringList texts = {"r3.1.0.readOnlyValue=32GB", "r3.1.1.readOnlyValue=30GB",
                                   "r3.1.2.readOnlyValue=ROOT"};
        const QStringList plain = {"r3.0.0.menuText=SD1", "r3.0.1.menuText=SD2", "r3.0.2.menuText=USB"};
        QTest::newRow("refusal") << "FF6AFAF001" << QByteArray() << QByteArray() << QStringList();
        // The Home refresh that follows marks the (unknown) medium.
        QTest::newRow("notice 40") << "FF6AF640" << QByteArray() << mediaTexts << plain + texts;
        QTest::newRow("medium SD2") << "FF0101" << mediaTexts << QByteArray()
                                    << QStringList{"r3.0.0.menuText=SD1", "r3.0.1.menuText=SD2(CURRENT)",
                                                   "r3.0.2.menuText=USB"} + texts;
        QTest::newRow("medium CD") << "FF0111" << mediaTexts << QByteArray() << plain + texts;
    }
    void valuesAskedAgain()
    {
        QFETCH(QString, reply);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, last);
        QFETCH(QStringList, writes);
        MenuSession s;
        QVERIFY(s.start());
        s.reply(reply);
        QByteArray values;
        for (const Node n : {Node{0, 0, 0}, Node{0, 1, 0}, Node{0, 1, 1}, Node{0, 2, 0}, Node{0, 2, 1}, Node{0, 3, 0},
                             Node{0, 3, 1}, Node{1, 0, 0}, Node{3, 0, 0}, Node{3, 0, 1}, Node{3, 0, 2},
                             Node{3, 1, 0}, Node{3, 1, 1}, Node{3, 1, 2}, Node{4, 0, 0}, Node{4, 1, 0}, Node{4, 2, 0},
                             Node{4, 3, 1}, Node{4, 3, 2}})
            values += request("01", n);
        QCOMPARE(s.takeMenuLines(), first + values + last);
        QCOMPARE(s.rows.writes.filter(QRegularExpression("menuText|readOnlyValue")), writes);
        QCOMPARE(s.completed.count(), 0);
    }

    // The medium reported before the menu is drawn is marked once it is.
    void mediumMarkedOnceDrawn()
    {
        MenuSession s;
        QVERIFY(s.start(false));
        s.menu.setMenuCurrentMedia("USB");
        QCOMPARE(s.take(), QByteArray());
        QCOMPARE(s.rows.writes, QStringList());
        s.menu.setDrawingFinished(true);
        QCOMPARE(s.rows.writes.mid(0, 3),
                 QStringList({"r3.0.0.menuText=SD1", "r3.0.1.menuText=SD2", "r3.0.2.menuText=USB(CURRENT)"}));
        QCOMPARE(s.take(), request("24", {3, 1, 0}, 0) + request("24", {3, 1, 1}, 0) + request("24", {3, 1, 2}, 0));
    }
};

HB740_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
