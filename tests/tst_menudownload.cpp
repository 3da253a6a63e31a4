#include "FakeMenu.h"
#include "LinkFixture.h"
#include "Menu.h"
#include "MenuLines.h"
#include "ReplyTable.h"
#include "SessionFixture.h"
#include "TestMain.h"
#include "TimerTicks.h"

#include <QtTest>
#include <algorithm>

using namespace MenuLines;

namespace {

// A download cut short: page 0 read down to the first option name of its
// first subitem, page 1 named but not counted.
const QStringList partialReplies = {
    pageCount(2),          pageName(0, "AUDIO"),         pageName(1, "MORE"),       itemCount(0, 1),
    itemName(0, 0, "GAIN"), subitemCount(0, 0, 2),       subitemName(0, 0, 0, "A"), subitemName(0, 0, 1, "B"),
    parameters(0, 0, 0, 2, 0),
};

// The rest of it, and what that rest asks for.
const QStringList finishReplies = {
    option(0, 0, 0, 0, "A0"),  option(0, 0, 0, 1, "A1"), parameters(0, 0, 1, 0, 1),   itemCount(1, 1),
    itemName(1, 0, "X"),       subitemCount(1, 0, 1),     subitemName(1, 0, 0, "Y"), parameters(1, 0, 0, 1, 0),
    option(1, 0, 0, 0, "Y0"),
};
const QByteArray finishRequests = request("24", {0, 0, 0}, 1) + request("21", {1, 0}) + request("13", {1, 0})
                                  + request("23", {1, 0, 0}) + request("14", {1, 0, 0})
                                  + request("24", {1, 0, 0}, 0);
const QString completeTree = "AUDIOvc{GAINvc[Avc t0(A0,A1); Bvc t1()]} | MOREvc{Xvc[Yvc t0(Y0)]}";

} // namespace

// A Menu on a link to the scripted recorder, which answers nothing: the test
// feeds the replies and reads the requests.
struct MenuFixture
{
    MenuFixture()
    {
        menu.telnet = link.telnet;
        // Menu replies that the recorder sends reach the menu as Communication hands them on.
        QObject::connect(link.telnet, &Telnet::readyRead, &menu, [this](const QString &line) {
            if (line.startsWith(QLatin1String("FF6AFA")))
                menu.recievedCommandFF6AFA(line.mid(6));
        });
        table.watchSignals(&menu);
        table.watchProperties(&menu);
        table.addValue(QStringLiteral("tree"), [this] { return dump(menu); });
        table.addValue(QStringLiteral("downloading"), [this] { return QString::number(menu.downloading); });
        table.addAction(QStringLiteral("partial"), [this](const QString &) { feed(partialReplies); });
        table.addAction(QStringLiteral("finish"), [this](const QString &) { feed(finishReplies); });
    }

    void feed(const QStringList &replies)
    {
        for (const QString &reply : replies)
            menu.recievedCommandFF6AFA(reply);
    }

    // What the recorder received since the last call.
    QByteArray take(int quietMs = 30)
    {
        const QByteArray sent = link.recorder.receivedOnceQuiet(quietMs);
        link.recorder.clearReceived();
        return sent;
    }

    LinkFixture link;
    Menu menu;
    ReplyTable table{[this](const QString &line) { menu.recievedCommandFF6AFA(line); }};
};

class TestMenuDownload : public QObject
{
    Q_OBJECT

private slots:
    // Each reply asks exactly the next questions: hidden pages and items are
    // never asked about, range subitems have no options to read, and the
    // last option name completes the tree.
    void cascade()
    {
        MenuFixture f;
        QVERIFY(f.link.logIn());
        QSignalSpy started(&f.menu, &Menu::menuStarted);
        QSignalSpy completed(&f.menu, &Menu::menuCompleted);
        const QList<QPair<QString, QByteArray>> steps = {
            {pageCount(3), request("20", {0}) + request("20", {1}) + request("20", {2})},
            {pageName(0, "INPUT 1"), request("11", {0})},
            {pageName(1, "SYSTEM 1"), ""},
            {pageName(2, " OUTPUT 2 "), request("11", {2})},
            {itemCount(0, 2), request("21", {0, 0}) + request("21", {0, 1})},
            {itemName(0, 0, "INPUT SELECT"), request("13", {0, 0})},
            {itemName(0, 1, "REMOTE POWER CONTROL"), ""},
            {itemCount(2, 1), request("21", {2, 0})},
            {itemName(2, 0, "DELAY"), request("13", {2, 0})},
            {subitemCount(0, 0, 1), request("23", {0, 0, 0})},
            {subitemName(0, 0, 0, "INPUT SELECT"), request("14", {0, 0, 0})},
            {subitemCount(2, 0, 3), request("23", {2, 0, 0}) + request("23", {2, 0, 1}) + request("23", {2, 0, 2})},
            {subitemName(2, 0, 0, "OUT LEVEL(L)"), request("14", {2, 0, 0})},
            {subitemName(2, 0, 1, "DELAY TIME"), request("14", {2, 0, 1})},
            {subitemName(2, 0, 2, "SERVICE"), request("14", {2, 0, 2})},
            {parameters(0, 0, 0, 2, 0), request("24", {0, 0, 0}, 0)},
            {parameters(2, 0, 0, 3, 0), request("24", {2, 0, 0}, 0)},
            {parameters(2, 0, 1, 0, 1), ""},
            // Hidden, yet its options are read.
            {parameters(2, 0, 2, 1, 0, true, false), request("24", {2, 0, 2}, 0)},
            {option(0, 0, 0, 0, "ANALOG"), request("24", {0, 0, 0}, 1)},
            {option(0, 0, 0, 1, " DIGITAL "), ""},
            {option(2, 0, 0, 0, "-10dB"), request("24", {2, 0, 0}, 1)},
            {option(2, 0, 0, 1, "+4dB"), request("24", {2, 0, 0}, 2)},
            {option(2, 0, 2, 0, "X"), ""},
        };
        for (const auto &step : steps) {
            f.menu.recievedCommandFF6AFA(step.first);
            QCOMPARE(f.take(), step.second);
            QCOMPARE(completed.count(), 0);
        }
        QCOMPARE(started.count(), 1);
        f.menu.recievedCommandFF6AFA(option(2, 0, 0, 2, "0dB"));
        QCOMPARE(completed.count(), 1);
        QCOMPARE(f.take(), QByteArray());
        QCOMPARE(started.count(), 1);

        QCOMPARE(dump(f.menu), QString("INPUTvc{INPUT SELECTvc[INPUT SELECTvc t0(ANALOG,DIGITAL)] "
                                       "REMOTE POWER CONTROL-c[]} | -c{} | vc{DELAYvc[LEVEL (L)vc t0(-10dB,+4dB,0dB); "
                                       "DELAY TIMEvc t1(); SERVICE-cr t0(X)]}"));
        QCOMPARE(f.menu.getVisibleSubitemNumber(2, 0), 2);
        QCOMPARE(f.menu.getMaxSubitemParameterNumber(2, 0, 1), 0);
        QVERIFY(f.menu.inputSelectPosition.is(0, 0, 0));
        QVERIFY(f.menu.levelLPosition.is(2, 0, 0));
        QVERIFY(!f.menu.levelRPosition.isSet());
    }

    void pageTitles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("title");
        QTest::newRow("ends in a blank and 1") << "INPUT 1" << true << "INPUT";
        QTest::newRow("ends in 1 without a blank") << "PAGE1" << true << "PAG";
        QTest::newRow("just 1") << "1" << true << "";
        QTest::newRow("ends in 0") << "LIST 0" << true << "";
        QTest::newRow("ends in 3") << "OUTPUT 3" << true << "";
        QTest::newRow("ends in 9") << "X9" << true << "";
        QTest::newRow("ends in a letter") << "AUDIO" << true << "AUDIO";
        QTest::newRow("blanks around are dropped") << "  AUDIO  " << true << "AUDIO";
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("hidden SYSTEM 1") << "SYSTEM 1" << false << "";
        QTest::newRow("hidden CD with blanks") << " CD " << false << "";
        QTest::newRow("hidden MARK LIST") << "MARK LIST" << false << "";
        QTest::newRow("hidden FTP CLIENT") << "FTP CLIENT" << false << "";
        QTest::newRow("hidden names are case-sensitive") << "cd" << true << "cd";
    }
    void pageTitles()
    {
        QFETCH(QString, name);
        QFETCH(bool, visible);
        QFETCH(QString, title);
        MenuFixture f;
        QVERIFY(f.link.logIn());
        f.feed({pageCount(2), pageName(1, "OTHER")});
        f.take();
        f.menu.recievedCommandFF6AFA(pageName(0, name));
        QCOMPARE(f.menu.getPageVisible(0), visible);
        QCOMPARE(f.menu.getPageName(0), title);
        QCOMPARE(f.take(), visible ? request("11", {0}) : QByteArray());
    }

    // The first rule a name matches records its position; a later name that
    // matches the same rule moves it.
    void positions_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("subitem");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *name, const char *item, const char *subitem, const char *position,
                            const char *stored) {
            QTest::newRow(name) << item << subitem << position << stored;
        };
        row("SD1", "MEDIA", "SD1 CARD", "sd1Position", "SD1 CARD");
        row("SD2", "MEDIA", "SD2", "sd2Position", "SD2");
        row("USB", "MEDIA", "USB", "usbPosition", "USB");
        row("capacity", "MEDIA", "CAPACITY", "capacityPosition", "CAPACITY");
        row("available", "MEDIA", "AVAILABLE", "availablePosition", "AVAILABLE");
        row("folder", "MEDIA", "FOLDER", "folderPosition", "FOLDER");
        row("input select by its item", "INPUT SELECT", "ANY", "inputSelectPosition", "ANY");
        row("gain L", "GAIN", "INPUT GAIN Lch", "inputGainLchPosition", "INPUT GAIN Lch");
        row("gain R", "GAIN", "INPUT GAIN Rch", "inputGainRchPosition", "INPUT GAIN Rch");
        row("phantom L", "PHANTOM", "PHANTOM(+48V)Lch", "phantomLchPosition", "PHANTOM(+48V)Lch");
        row("phantom R", "PHANTOM", "PHANTOM(+48V)Rch", "phantomRchPosition", "PHANTOM(+48V)Rch");
        row("level L renamed", "OUT", "LINE LEVEL(L) dB", "levelLPosition", "LEVEL (L)");
        row("level R with a blank", "OUT", "LEVEL (R)", "levelRPosition", "LEVEL (R)");
        row("play area by its item", "PLAY AREA", "X", "playAreaPosition", "X");
        row("rec format by its item", "REC FORMAT", "X", "recFormatPosition", "X");
        row("stereo/mono by its item", "STEREO/MONO", "X", "stereoMonoPosition", "X");
        row("an earlier rule wins", "PLAY AREA", "SD1", "sd1Position", "SD1");
        row("names begin case-sensitively", "MEDIA", "sd1", "", "sd1");
    }
    void positions()
    {
        QFETCH(QString, item);
        QFETCH(QString, subitem);
        QFETCH(QString, position);
        QFETCH(QString, stored);
        MenuFixture f;
        f.feed({pageCount(1), pageName(0, "P"), itemCount(0, 2), itemName(0, 0, "OTHER"), itemName(0, 1, item),
                subitemCount(0, 1, 2), subitemName(0, 1, 1, subitem)});
        QCOMPARE(f.menu.getSubitemName(0, 1, 1), stored);
        const QMap<QString, const MenuPosition *> all = {
            {"sd1Position", &f.menu.sd1Position},
            {"sd2Position", &f.menu.sd2Position},
            {"usbPosition", &f.menu.usbPosition},
            {"capacityPosition", &f.menu.capacityPosition},
            {"availablePosition", &f.menu.availablePosition},
            {"folderPosition", &f.menu.folderPosition},
            {"inputSelectPosition", &f.menu.inputSelectPosition},
            {"inputGainLchPosition", &f.menu.inputGainLchPosition},
            {"inputGainRchPosition", &f.menu.inputGainRchPosition},
            {"phantomLchPosition", &f.menu.phantomLchPosition},
            {"phantomRchPosition", &f.menu.phantomRchPosition},
            {"levelLPosition", &f.menu.levelLPosition},
            {"levelRPosition", &f.menu.levelRPosition},
            {"playAreaPosition", &f.menu.playAreaPosition},
            {"recFormatPosition", &f.menu.recFormatPosition},
            {"stereoMonoPosition", &f.menu.stereoMonoPosition},
        };
        const bool byItem = position == "inputSelectPosition" || position == "playAreaPosition"
                            || position == "recFormatPosition" || position == "stereoMonoPosition";
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            if (it.key() != position) {
                QVERIFY2(!it.value()->isSet(), qPrintable(it.key()));
                continue;
            }
            QVERIFY2(it.value()->is(0, 1, byItem ? 0 : 1), qPrintable(it.key()));
        }
        // A second match moves it.
        if (!position.isEmpty() && !byItem) {
            f.menu.recievedCommandFF6AFA(subitemName(0, 1, 0, subitem));
            QVERIFY(all.value(position)->is(0, 1, 0));
        }
    }

    // Replies that name no node, repeat what is known, come too short or
    // garbled, or belong to a reading that has moved on change nothing and
    // send nothing; the download then ends as it would have.
    void badReplies_data()
    {
        ReplyTable::addColumns(true);
        const auto ignored = [](const char *name, const QStringList &lines) {
            QTest::newRow(name) << QStringList{"@partial"} << (lines + QStringList{"@finish"})
                                << QStringList{"tree=" + completeTree, "downloading=0"}
                                << QStringList{"menuCompleted()"} << finishRequests;
        };
        ignored("page name of a missing page", {pageName(2, "X"), pageName(99, "X")});
        ignored("item count of a missing page", {itemCount(7, 2)});
        ignored("item name of a missing item", {itemName(0, 1, "X"), itemName(5, 0, "X")});
        ignored("subitem count of a missing item", {subitemCount(0, 4, 2), subitemCount(3, 0, 2)});
        ignored("subitem name of a missing subitem", {subitemName(0, 0, 2, "X"), subitemName(0, 9, 0, "X")});
        ignored("parameters of a missing subitem", {parameters(0, 0, 5, 2, 0), parameters(4, 0, 0, 2, 0)});
        ignored("option name of a missing subitem", {option(0, 0, 7, 0, "X"), option(3, 0, 0, 0, "X")});
        ignored("value of a missing subitem", {value(9, 9, 9, 1), value(0, 0, 3, 1)});
        ignored("repeated names and counts",
                {pageCount(2), pageName(0, "AUDIO"), pageName(1, "MORE"), itemCount(0, 1), itemName(0, 0, "GAIN"),
                 subitemCount(0, 0, 2), subitemName(0, 0, 1, "B"), parameters(0, 0, 0, 2, 0)});
        ignored("a renaming reply for a named node", {pageName(0, "CD"), itemName(0, 0, "REMOTE POWER CONTROL")});
        ignored("option names outside the list or not the next one",
                {option(0, 0, 0, 2, "X"), option(0, 0, 0, 9999, "X"), option(0, 0, 0, 1, "X")});
        ignored("short lines", {"", "1", "10", "100", "2000", "110000", "2100000", "13000000000", "2300000000000",
                                "14000000000002000000", "24000000000000000", "0100000000000001",
                                "01000000000000010", "0100000000000000010"});
        ignored("garbled lines", {"ZZ", QString(QChar(0)) + "1", "10X2", "11XX000100", "11000X0100",
                                  "1400000000000002000X0001", "24000000000000X0Z1",
                                  "010000000000000X01", "23O000000000Q", QString(500, QChar('1'))});
        ignored("other sub-codes", {"F001", "0200000000", "1500000000", "9999"});

        // A repeated reply must not start a second chain of requests.
        QTest::newRow("a repeated option name asks for the next one once")
            << QStringList{"@partial"} << QStringList{option(0, 0, 0, 0, "A0"), option(0, 0, 0, 0, "A0")}
            << QStringList{"tree=AUDIOv-{GAINv-[Av- t0(A0,); B-- t0()]} | MOREv-{}"} << QStringList{}
            << request("24", {0, 0, 0}, 1);

        // A different count is news: the node is read again.
        QTest::newRow("a different page count starts a new download")
            << QStringList{"@partial"} << QStringList{pageCount(1)} << QStringList{"tree=--{}"}
            << QStringList{"menuStarted()"} << request("20", {0});
        QTest::newRow("a different item count replaces the items")
            << QStringList{"@partial"} << QStringList{itemCount(0, 2)}
            << QStringList{"tree=AUDIOv-{v-[] v-[]} | MOREv-{}"} << QStringList{}
            << request("21", {0, 0}) + request("21", {0, 1});
        QTest::newRow("a different subitem count replaces the subitems")
            << QStringList{"@partial"} << QStringList{subitemCount(0, 0, 1)}
            << QStringList{"tree=AUDIOv-{GAINv-[-- t0()]} | MOREv-{}"} << QStringList{} << request("23", {0, 0, 0});

        // A count of 0 completes its node, and with it the tree.
        const auto completes = [](const char *name, const QStringList &setup, const QString &line, const QString &tree,
                                  const QStringList &emitted) {
            QTest::newRow(name) << setup << QStringList{line} << QStringList{"tree=" + tree, "downloading=0"}
                                << emitted << QByteArray();
        };
        completes("no pages", {}, pageCount(0), "", {"menuStarted()", "menuCompleted()"});
        completes("a page without items", {pageCount(1), pageName(0, "A")}, itemCount(0, 0), "Avc{}",
                  {"menuCompleted()"});
        completes("an item without subitems", {pageCount(1), pageName(0, "A"), itemCount(0, 1), itemName(0, 0, "I")},
                  subitemCount(0, 0, 0), "Avc{Ivc[]}", {"menuCompleted()"});
        completes("a choice without options",
                  {pageCount(1), pageName(0, "A"), itemCount(0, 1), itemName(0, 0, "I"), subitemCount(0, 0, 1),
                   subitemName(0, 0, 0, "S")},
                  parameters(0, 0, 0, 0, 0), "Avc{Ivc[Svc t0()]}", {"menuCompleted()"});
        completes("only hidden pages", {pageCount(2), pageName(0, "CD")}, pageName(1, "SNTP"), "-c{} | -c{}",
                  {"menuCompleted()"});
        completes("only a hidden item", {pageCount(1), pageName(0, "A"), itemCount(0, 1)},
                  itemName(0, 0, "REMOTE POWER CONTROL"), "Avc{REMOTE POWER CONTROL-c[]}", {"menuCompleted()"});
    }
    void badReplies()
    {
        MenuFixture f;
        QVERIFY(f.link.logIn());
        f.table.run(&f.link.recorder);
        if (!QTest::currentTestFailed())
            ReplyTable::compareSent(f.link.recorder);
    }

    // A lost reply: once no menu reply has come for the watchdog's time,
    // the unanswered requests go out again, a bounded number of times; the
    // tree is announced only once it is whole.
    void watchdogResendsWhatIsUnanswered()
    {
        MenuFixture f;
        QVERIFY(f.link.logIn());
        f.menu.watchdogMs = 150;
        QSignalSpy completed(&f.menu, &Menu::menuCompleted);
        f.feed({pageCount(3), pageName(0, "A"), pageName(2, "C"), itemCount(2, 1)});
        QCOMPARE(f.take(), request("20", {0}) + request("20", {1}) + request("20", {2}) + request("11", {0})
                               + request("11", {2}) + request("21", {2, 0}));
        // In the tree's order.
        const QByteArray unanswered = request("11", {0}) + request("20", {1}) + request("21", {2, 0});
        QVERIFY(f.link.recorder.waitForRequest("07F6A7A210200", 1000));
        QCOMPARE(f.take(20), unanswered);

        // Answering some of them is progress: only the rest goes out again.
        f.feed({pageName(1, "SNTP"), itemCount(0, 0)});
        QVERIFY(f.link.recorder.waitForRequest("07F6A7A210200", 1000));
        QCOMPARE(f.take(20), request("21", {2, 0}));
        QCOMPARE(completed.count(), 0);

        // Silence: the rounds end.
        QTest::qWait(150 * (Menu::maxWatchdogRounds + 2));
        QCOMPARE(f.link.recorder.receivedSinceLink().count("07F6A7A210200"), Menu::maxWatchdogRounds - 1);
        f.take();
        QCOMPARE(completed.count(), 0);

        f.feed({itemName(2, 0, "REMOTE POWER CONTROL")});
        QCOMPARE(completed.count(), 1);
        QVERIFY(!f.menu.watchdog.isActive());
        QTest::qWait(300);
        QCOMPARE(f.take(), QByteArray());
    }

    // A whole download after a login, the recorder playing its menu: every
    // request once (hidden pages and items never asked about), the level
    // meters off for its length, one start and one completion. The Home
    // polls stay silent until the menu is drawn. Lost replies are asked for
    // again and the download still ends.
    void wholeDownloadAfterLogin_data()
    {
        QTest::addColumn<QList<QByteArray>>("lost");
        QTest::newRow("every reply arrives") << QList<QByteArray>();
        QTest::newRow("replies lost on every level")
            << QList<QByteArray>{"07F6A7A200300", "07F6A7A110000", "07F6A7A2104000300", "07F6A7A1300000200",
                                 "07F6A7A23030001000100", "07F6A7A14000003000100", "07F6A7A240000000000000100"};
    }
    void wholeDownloadAfterLogin()
    {
        QFETCH(QList<QByteArray>, lost);
        SessionFixture f;
        FakeMenu fake = FakeMenu::example();
        fake.loseOnce = lost;
        fake.attach(f.recorder);
        Communication &comm = f.backend.comm;
        Menu &menu = f.backend.menu;
        comm.sleepTimer.stop();
        menu.watchdogMs = 200;
        QSignalSpy started(&menu, &Menu::menuStarted);
        QSignalSpy completed(&menu, &Menu::menuCompleted);
        QVERIFY(f.logIn());
        QVERIFY(completed.count() == 1 || completed.wait(5000));
        comm.recievedData(QStringLiteral("D010")); // stopped: the idle poll runs
        QVERIFY(f.announced.count() == 1 || f.announced.wait(2000));
        TimerTicks::hold(comm.idleTimerId);
        TimerTicks::hold(comm.timeTimerId);
        const QByteArray all = f.sent(300);
        QVERIFY(fake.loseOnce.isEmpty());
        QCOMPARE(started.count(), 1);
        QCOMPARE(completed.count(), 1);

        QList<QByteArray> menuRequests;
        for (const QByteArray &line : f.recorder.requests())
            if (line.startsWith("07F6A7A"))
                menuRequests.append(line);
        QList<QByteArray> expected = fake.downloadRequests() + lost;
        QCOMPARE(menuRequests.first(), QByteArray("07F6A7A10"));
        std::sort(menuRequests.begin(), menuRequests.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(menuRequests, expected);

        QCOMPARE(all.count("07F6A3F00"), 1);
        QCOMPARE(all.count("07F6A3F01"), 1);
        QVERIFY(all.indexOf("07F6A3F00") < all.indexOf("07F6A7A20"));
        QVERIFY(all.indexOf("07F6A3F01") > all.lastIndexOf("07F6A7A"));

        f.recorder.clearReceived();
        TimerTicks::tick(&comm, comm.idleTimerId, 2);
        TimerTicks::tick(&comm, comm.timeTimerId, 2);
        QCOMPARE(f.sent(), QByteArray());
        menu.setDrawingFinished(true);
        TimerTicks::tick(&comm, comm.idleTimerId);
        TimerTicks::tick(&comm, comm.timeTimerId);
        // First the medium's texts, read once the menu is drawn.
        QCOMPARE(f.sent(), request("24", {3, 1, 0}, 0) + request("24", {3, 1, 1}, 0) + request("24", {3, 1, 2}, 0)
                               + "055\r\n07F01FF\r\n07F3105\r\n07F6A02\r\n05800\r\n05801\r\n");
        QCOMPARE(menu.getSubitemParameterName(3, 1, 2, 0), QString("ROOT"));
    }

    // A reply handled inside a send (the link's short pause) may replace the
    // very nodes whose requests are being sent: the loop stops there and
    // the tree stays consistent.
    void replyInsideASendReplacesTheNodes()
    {
        MenuFixture f;
        QVERIFY(f.link.logIn());
        f.link.recorder.setReply("07F6A7A200500", {"0FF6AFA" + pageCount(2).toLatin1()});
        f.menu.recievedCommandFF6AFA(pageCount(40));
        QTRY_COMPARE(f.menu.getMaxPageNumber(), 2);
        QTest::qWait(100);
        QCOMPARE(f.menu.getMaxPageNumber(), 2);
        QCOMPARE(f.menu.pages.at(1).number, 1);
    }
};

HB740_TEST_MAIN(TestMenuDownload)
#include "tst_menudownload.moc"
