#include "Backend.h"
#include "FakePlaylists.h"
#include "EditingLink.h"
#include "Playlist.h"
#include "TestMain.h"

#include <QtTest>
#include <functional>

namespace {

// The pair-encoded number as a reply carries it.
QString n4(int n)
{
    return QString::fromLatin1(FakePlaylists::number4(n));
}

} // namespace

// The playlists on a link to a scripted recorder with the editing right held.
// With `withPlaylists` the recorder plays the example playlists; without it a
// test plays the replies itself.
struct PlaylistFixture : EditingLink
{
    explicit PlaylistFixture(bool withPlaylists)
        : fake(FakePlaylists::example())
    {
        pl.telnet = link.telnet;
        pl.permission = &permission;
        if (withPlaylists)
            fake.attach(link.recorder);
        QObject::connect(link.telnet, &Telnet::readyRead, [this](const QString &line) {
            if (line.startsWith(QLatin1String("FF45")))
                pl.recievedCommandFF45(line.mid(4));
            else if (line.startsWith(QLatin1String("FF31CB")))
                pl.recievedCommandFF31CB(line.mid(6));
            else if (line.startsWith(QLatin1String("FF3180")))
                pl.recievedLoadResult(QStringView(line).mid(6, 2));
        });
    }

    bool start(const QString &medium = QStringLiteral("SD1"))
    {
        if (!logInWithRight())
            return false;
        pl.setCurrentMedia(medium);
        sent();
        return true;
    }

    void play(const QStringList &replies)
    {
        for (const QString &reply : replies)
            pl.recievedCommandFF45(reply);
    }

    QStringList playlists() const
    {
        QStringList all;
        for (int i = 0; i < pl.pplList.size(); ++i)
            all.append(pl.getPplName(i) + '|' + pl.getPplDateTime(i));
        return all;
    }
    QStringList filledEntries() const
    {
        QStringList all;
        for (int i = 0; i < pl.getMaxEntryNumber(); ++i)
            if (!pl.getEntryName(i).isEmpty())
                all.append(QString::number(i) + ' ' + pl.getEntryName(i));
        return all;
    }

    Playlist pl;
    FakePlaylists fake;
};

using Call = std::function<void(Playlist &)>;
Q_DECLARE_METATYPE(Call)

class TestPlaylist : public QObject
{
    Q_OBJECT

private slots:
    // After a grant: the status query, the page's request for the list, the
    // entry count and the records, byte for byte; the list by number.
    void listAfterGrant()
    {
        PlaylistFixture f(true);
        QVERIFY(f.start());
        QSignalSpy redraw(&f.pl, &Playlist::readyToRedraw);
        QSignalSpy received(&f.pl, &Playlist::pplRecived);
        QSignalSpy current(&f.pl, &Playlist::currentPlaylistChanged);
        f.pl.initAll();
        QCOMPARE(redraw.count(), 1);
        QCOMPARE(f.sent(), QByteArray("07F4500\r\n"));
        QCOMPARE(redraw.count(), 2); // the status answer: code 0
        f.pl.initPpl();
        QCOMPARE(f.sent(), linesOf({"07F4503", "07F4504", "07F4510", "07F450501000300"}));
        QCOMPARE(f.pl.currentPlaylist, 0);
        QCOMPARE(current.count(), 1);
        QCOMPARE(f.pl.allPplNumber, 3);
        QCOMPARE(f.pl.allEntryNumber, 3);
        QCOMPARE(f.playlists(), QStringList({"Morning|2026/12/01 08:30", "Evening|2026/12/02 19:00",
                                             "Archive|2026/11/20 12:00"}));
        QCOMPARE(f.pl.currentPlaylistDateTime, QString("2026/12/01 08:30"));
        QList<int> numbers;
        for (const auto &args : received)
            numbers.append(args.at(0).toInt());
        QCOMPARE(numbers, QList<int>({0, 1, 2}));

        // Another medium without playlists: the list empties, nothing more is asked.
        f.fake.currentDrive = "B";
        f.pl.initPpl();
        QCOMPARE(f.sent(), linesOf({"07F4503", "07F4504", "07F4510"}));
        QCOMPARE(f.pl.currentPlaylist, -1);
        QCOMPARE(f.playlists(), QStringList());
        QCOMPARE(f.pl.getPplName(0), QString());
    }

    // The entries of the current playlist, one request per occupied group of
    // eight; the page hears once that they are complete.
    void entriesByGroup_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QByteArray>("requests");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("complete");
        QTest::newRow("groups 0 and 1")
            << 0 << linesOf({"07F4510", "07F4512", "07F451100000700", "07F451108001500"})
            << QStringList{"0 TAKE_001.wav", "1 Overture.wav", "9 Finale.wav"} << 1;
        QTest::newRow("empty playlist") << 1 << linesOf({"07F4510", "07F4512"}) << QStringList() << 1;
        QTest::newRow("the last group asks to 99 only")
            << 2 << linesOf({"07F4510", "07F4512", "07F451196009900"}) << QStringList{"97 Encore.wav"} << 1;
    }
    void entriesByGroup()
    {
        QFETCH(int, current);
        QFETCH(QByteArray, requests);
        QFETCH(QStringList, entries);
        QFETCH(int, complete);
        PlaylistFixture f(true);
        QVERIFY(f.start());
        f.fake.media["A"].current = current;
        // Stale slots from another playlist go.
        f.pl.entries[50] = "stale";
        QSignalSpy done(&f.pl, &Playlist::entryListRecived);
        f.pl.initEntry();
        QCOMPARE(f.sent(), requests);
        QCOMPARE(f.filledEntries(), entries);
        QCOMPARE(done.count(), complete);
        QCOMPARE(f.pl.entryCount, entries.size());
    }

    // One entry's details: slashes become spaces, backslashes slashes.
    void entryDetails()
    {
        PlaylistFixture f(true);
        QVERIFY(f.start());
        f.pl.getEntryInfo(1);
        QCOMPARE(f.sent(), QByteArray("07F45130100\r\n"));
        QCOMPARE(f.pl.infoDataA, QString("96kHz 24bit"));
        QCOMPARE(f.pl.infoDataB, QString("Stereo"));
        QCOMPARE(f.pl.infoDateTime, QString("2026/12/01 08:10"));
        QCOMPARE(f.pl.infoFolder, QString("/Concert"));
        QSignalSpy a(&f.pl, &Playlist::infoDataAChanged);
        QSignalSpy folder(&f.pl, &Playlist::infoFolderChanged);
        f.pl.clearEntryInfo();
        f.pl.clearEntryInfo();
        QCOMPARE(a.count(), 1);
        QCOMPARE(folder.count(), 1);
        QCOMPARE(f.pl.infoDateTime, QString());
        // Fewer fields than four: the missing ones are empty.
        f.play({"930000only"});
        QCOMPARE(f.pl.infoDataA, QString("only"));
        QCOMPARE(f.pl.infoFolder, QString());
        // Out of the slots: nothing asked.
        f.pl.getEntryInfo(100);
        f.pl.getEntryInfo(-1);
        QCOMPARE(f.sent(50), QByteArray());
    }

    // Replies played directly: the state and signals each leaves, and what it sends.
    void replies_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("playlists");
        QTest::addColumn<QStringList>("received");
        QTest::addColumn<QString>("state");
        const QString d1 = "2026/12/01 08:30";
        const QString d2 = "2026/12/02 19:00";
        QTest::newRow("84 none") << QStringList{"840200", "850100" + d1 + "x"} << QStringList{"840000"} << QByteArray()
                                 << QStringList() << QStringList() << "count 0";
        QTest::newRow("84 three") << QStringList() << QStringList{"840300"} << linesOf({"07F450501000300"})
                                  << QStringList() << QStringList() << "count 3";
        QTest::newRow("85 current record")
            << QStringList{"830200"} << QStringList{"850200" + d1 + "abc"} << QByteArray()
            << QStringList{"|", "abc|" + d1} << QStringList{"1"} << "current 1 " + d1;
        QTest::newRow("85 other record") << QStringList{"830100"} << QStringList{"850200" + d1 + "abc"} << QByteArray()
                                         << QStringList{"|", "abc|" + d1} << QStringList{"1"} << "current 0 ";
        QTest::newRow("85 out of order, by number")
            << QStringList{"840300"} << QStringList{"850300" + d2 + "c", "850100" + d1 + "a", "850200" + d1 + "b"}
            << QByteArray() << QStringList{"a|" + d1, "b|" + d1, "c|" + d2} << QStringList{"2", "0", "1"}
            << "count 3";
        QTest::newRow("85 repeated replaces")
            << QStringList{"840200"} << QStringList{"850100" + d1 + "a", "850100" + d2 + "again"} << QByteArray()
            << QStringList{"again|" + d2} << QStringList{"0", "0"} << "count 2";
        QTest::newRow("85 numbered 0 ignored") << QStringList{"840100"} << QStringList{"850000" + d1 + "zero"}
                                               << QByteArray() << QStringList() << QStringList() << "count 1";
        QTest::newRow("85 too short ignored") << QStringList{"840100"} << QStringList{"8501002026/12"} << QByteArray()
                                              << QStringList() << QStringList() << "count 1";
        QTest::newRow("81 asks the next") << QStringList{"840300"} << QStringList{"810100abc"}
                                          << linesOf({"07F45010200"}) << QStringList{"abc|"} << QStringList{"0"}
                                          << "count 3";
        QTest::newRow("81 last asks nothing") << QStringList{"840100"} << QStringList{"810100abc"} << QByteArray()
                                              << QStringList{"abc|"} << QStringList{"0"} << "count 1";
        QTest::newRow("81 numbered 0 ignored") << QStringList{"840300"} << QStringList{"810000abc"} << QByteArray()
                                               << QStringList() << QStringList() << "count 3";
        QTest::newRow("83 none") << QStringList{"830200"} << QStringList{"830000"} << linesOf({"07F4510"})
                                 << QStringList() << QStringList() << "current -1 ";
        QTest::newRow("83 not a number") << QStringList{"830200"} << QStringList{"83xx00"} << linesOf({"07F4510"})
                                         << QStringList() << QStringList() << "current -1 ";
        QTest::newRow("unknown code") << QStringList() << QStringList{"8F0100", "8", ""} << QByteArray()
                                      << QStringList() << QStringList() << "count 0";
    }
    void replies()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, replies);
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, playlists);
        QFETCH(QStringList, received);
        QFETCH(QString, state);
        PlaylistFixture f(false);
        QVERIFY(f.start());
        f.play(before);
        f.sent();
        QSignalSpy spy(&f.pl, &Playlist::pplRecived);
        f.play(replies);
        QCOMPARE(f.sent(), sent);
        QCOMPARE(f.playlists(), playlists);
        QStringList numbers;
        for (const auto &args : spy)
            numbers.append(QString::number(args.at(0).toInt()));
        QCOMPARE(numbers, received);
        const QString shown = state.startsWith("count")
                                  ? "count " + QString::number(f.pl.allPplNumber)
                                  : "current " + QString::number(f.pl.currentPlaylist) + ' ' + f.pl.currentPlaylistDateTime;
        QCOMPARE(shown, state);
    }

    // Entry texts and the occupancy map.
    void entryReplies_data()
    {
        QTest::addColumn<int>("announced");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("counted");
        QTest::addColumn<int>("complete");
        QTest::newRow("tab empties") << 2 << QStringList{"910500x", "910500\t"} << QByteArray() << QStringList() << 1 << 0;
        QTest::newRow("no text") << 2 << QStringList{"910500"} << QByteArray() << QStringList() << 0 << 0;
        QTest::newRow("the last completes") << 1 << QStringList{"910500x"} << QByteArray() << QStringList{"5 x"} << 1
                                            << 1;
        QTest::newRow("none announced completes at once") << 0 << QStringList{"910500x"} << QByteArray()
                                                          << QStringList{"5 x"} << 1 << 1;
        QTest::newRow("slot 100 ignored") << 2 << QStringList{"910001x", "919999y"} << QByteArray() << QStringList()
                                          << 0 << 0;
        QTest::newRow("map empty") << 1 << QStringList{"92" + QString(26, '0')} << QByteArray() << QStringList() << 0
                                   << 1;
        QTest::newRow("map group 0") << 1 << QStringList{"9201" + QString(24, '0')} << linesOf({"07F451100000700"})
                                     << QStringList() << 0 << 0;
        QTest::newRow("map group 12") << 1 << QStringList{"92" + QString(24, '0') + "10"}
                                      << linesOf({"07F451196009900"}) << QStringList() << 0 << 0;
        QTest::newRow("map cut short") << 1 << QStringList{"920001"} << linesOf({"07F451108001500"}) << QStringList()
                                       << 0 << 0;
    }
    void entryReplies()
    {
        QFETCH(int, announced);
        QFETCH(QStringList, replies);
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, entries);
        QFETCH(int, counted);
        QFETCH(int, complete);
        PlaylistFixture f(false);
        QVERIFY(f.start());
        f.play({"90" + n4(announced)});
        QCOMPARE(f.pl.allEntryNumber, announced);
        QSignalSpy done(&f.pl, &Playlist::entryListRecived);
        f.play(replies);
        QCOMPARE(f.sent(), sent);
        QCOMPARE(f.filledEntries(), entries);
        QCOMPARE(f.pl.entryCount, counted);
        QCOMPARE(done.count(), complete);
    }

    // Every editing command: the line that goes out, or nothing.
    void commands_data()
    {
        QTest::addColumn<QString>("medium");
        QTest::addColumn<Call>("call");
        QTest::addColumn<QByteArray>("sent");
        const QString a117(117, 'a');
        const QString threeByte = QString(40, QChar(0x3042)); // 120 bytes
        const QString twoByte = QString(59, QChar(0xE9));      // 118 bytes
        QString fourByte;
        for (int i = 0; i < 30; ++i)
            fourByte += QString::fromUcs4(U"\U0001F3B5"); // 120 bytes
        const auto row = [](const char *name, const QString &medium, Call call, const QByteArray &sent) {
            QTest::newRow(name) << medium << call << sent;
        };
        row("create 117 bytes", "SD1", [=](Playlist &p) { p.createPpl(a117); }, "07F4540" + a117.toUtf8() + "\r\n");
        row("create 118 bytes cut to 117", "SD1", [=](Playlist &p) { p.createPpl(a117 + "b"); },
            "07F4540" + a117.toUtf8() + "\r\n");
        row("three-byte characters", "SD1", [=](Playlist &p) { p.createPpl(threeByte); },
            "07F4540" + threeByte.left(39).toUtf8() + "\r\n");
        row("two-byte characters", "SD1", [=](Playlist &p) { p.saveAs(twoByte); },
            "07F4541" + twoByte.left(58).toUtf8() + "\r\n");
        row("four-byte characters", "SD1", [=](Playlist &p) { p.renamePpl(1, fourByte); },
            "07F45430100" + fourByte.left(58).toUtf8() + "\r\n");
        row("save as empty", "SD1", [](Playlist &p) { p.saveAs(""); }, "07F4541\r\n");
        row("line breaks removed", "SD1", [](Playlist &p) { p.createPpl("a\r\n07F6B24000100\r\nb"); },
            "07F4540a07F6B24000100b\r\n");
        row("path characters removed", "SD1", [](Playlist &p) { p.saveAs("..\\x/y:z"); }, "07F4541..xyz\r\n");
        row("nothing left", "SD1", [](Playlist &p) { p.createPpl("\r\n"); }, "07F4540\r\n");
        row("rename 3", "SD1", [](Playlist &p) { p.renamePpl(3, "n"); }, "07F45430300n\r\n");
        row("rename 12", "SD1", [](Playlist &p) { p.renamePpl(12, "n"); }, "07F45431200n\r\n");
        row("rename 0", "SD1", [](Playlist &p) { p.renamePpl(0, "n"); }, "");
        row("load SD1", "SD1", [](Playlist &p) { p.loadPpl("x"); }, "07F310000A:/_playlists/x\r\n");
        row("load SD2 uncut", "SD2", [=](Playlist &p) { p.loadPpl(a117 + "bc"); },
            "07F310000B:/_playlists/" + a117.toUtf8() + "bc\r\n");
        row("load USB", "USB", [](Playlist &p) { p.loadPpl("x"); }, "07F310000C:/_playlists/x\r\n");
        row("load cleaned", "USB", [](Playlist &p) { p.loadPpl("../a\\b:c\nd"); }, "07F310000C:/_playlists/..abcd\r\n");
        row("load CD", "CD", [](Playlist &p) { QVERIFY(!p.loadPpl("x")); }, "");
        row("load none", "", [](Playlist &p) { QVERIFY(!p.loadPpl("x")); }, "");
        row("assign 5 12", "SD1", [](Playlist &p) { p.assignEntry(5, 12); }, "07F314B0105001200\r\n");
        row("assign 99", "SD1", [](Playlist &p) { p.assignEntry(99, 1); }, "07F314B0199000100\r\n");
        row("assign 100", "SD1", [](Playlist &p) { p.assignEntry(100, 1); }, "");
        row("assign -1", "SD1", [](Playlist &p) { p.assignEntry(-1, 1); }, "");
        row("assign take -1", "SD1", [](Playlist &p) { p.assignEntry(0, -1); }, "");
        row("clear 5", "SD1", [](Playlist &p) { p.clearEntry(5); }, "07F314B000500\r\n");
        row("clear 99", "SD1", [](Playlist &p) { p.clearEntry(99); }, "07F314B009900\r\n");
        row("clear 100", "SD1", [](Playlist &p) { p.clearEntry(100); }, "");
        row("entry info 12", "SD1", [](Playlist &p) { p.getEntryInfo(12); }, "07F45131200\r\n");
        row("init entry", "SD1", [](Playlist &p) { p.initEntry(); }, "07F4510\r\n07F4512\r\n");
        row("init playlists", "SD1", [](Playlist &p) { p.initPpl(); }, "07F4503\r\n07F4504\r\n");
    }
    void commands()
    {
        QFETCH(QString, medium);
        QFETCH(Call, call);
        QFETCH(QByteArray, sent);
        PlaylistFixture f(false);
        QVERIFY(f.start(medium));
        call(f.pl);
        QCOMPARE(f.sent(), sent);
        // Without the right nothing goes out.
        f.permission.recievedCommandFF6AFE(QStringLiteral("10"));
        call(f.pl);
        QCOMPARE(f.sent(50), QByteArray());
    }

    // Dots and spaces alone name the playlist folder or its parent: such a
    // name is refused and reported, whatever the cleaning or the cut left.
    void folderNamesAreRefused_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QByteArray>("sent");
        const auto row = [](const char *name, Call call, const QByteArray &sent) {
            QTest::newRow(name) << call << sent;
        };
        row("create ..", [](Playlist &p) { p.createPpl(".."); }, "");
        row("save as .", [](Playlist &p) { p.saveAs("."); }, "");
        row("rename to dots and spaces", [](Playlist &p) { p.renamePpl(2, " . "); }, "");
        row("create, cleaned to ..", [](Playlist &p) { p.createPpl("./."); }, "");
        row("create, cut to dots", [](Playlist &p) { p.createPpl(QString(117, '.') + "a"); }, "");
        row("load ..", [](Playlist &p) { QVERIFY(!p.loadPpl("..")); }, "");
        row("load, cleaned to ..", [](Playlist &p) { QVERIFY(!p.loadPpl(".\\.")); }, "");
        row("load without a name", [](Playlist &p) { QVERIFY(!p.loadPpl("")); }, "");
        row("create with dots in the name", [](Playlist &p) { p.createPpl("..a"); }, "07F4540..a\r\n");
        row("load with dots in the name", [](Playlist &p) { QVERIFY(p.loadPpl("a..b")); },
            "07F310000A:/_playlists/a..b\r\n");
    }
    void folderNamesAreRefused()
    {
        QFETCH(Call, call);
        QFETCH(QByteArray, sent);
        PlaylistFixture f(false);
        QVERIFY(f.start());
        QSignalSpy failed(&f.pl, &Playlist::execFailed);
        call(f.pl);
        QCOMPARE(f.sent(), sent);
        QCOMPARE(failed.count(), sent.isEmpty() ? 1 : 0);
    }

    // Every command that carries a name goes out in one write, so that
    // nothing another sender writes meanwhile lands inside its line.
    void commandsGoOutWhole_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QByteArray>("line");
        const auto row = [](const char *name, Call call, const QByteArray &line) {
            QTest::newRow(name) << call << line;
        };
        row("create", [](Playlist &p) { p.createPpl("Night"); }, "07F4540Night\r\n");
        row("save as", [](Playlist &p) { p.saveAs("Night"); }, "07F4541Night\r\n");
        row("rename", [](Playlist &p) { p.renamePpl(2, "Night"); }, "07F45430200Night\r\n");
        row("load", [](Playlist &p) { QVERIFY(p.loadPpl("Evening")); }, "07F310000A:/_playlists/Evening\r\n");
    }
    void commandsGoOutWhole()
    {
        QFETCH(Call, call);
        QFETCH(QByteArray, line);
        PlaylistFixture f(false);
        QVERIFY(f.start());
        QVERIFY(f.interruptSecondWrite("050\r\n"));
        call(f.pl);
        const QByteArray sent = f.sent();
        QVERIFY2(sent.startsWith(line), sent.constData());
        QVERIFY2(sent.contains("050\r\n"), sent.constData());
    }

    // Results of the commands: what goes out, the failure signal, the entries.
    void results_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("redraws");
        QTest::addColumn<bool>("entriesKept");
        const QByteArray reread = linesOf({"07F4510", "07F4512"});
        QTest::newRow("assign done") << "31CB" << "01050011" << reread << 0 << 0 << false;
        QTest::newRow("clear done") << "31CB" << "00050011" << reread << 0 << 0 << false;
        QTest::newRow("edit failed reads again") << "31CB" << "00050012" << reread << 1 << 0 << false;
        QTest::newRow("edit other kind") << "31CB" << "02050012" << QByteArray() << 0 << 0 << true;
        QTest::newRow("edit started") << "31CB" << "01050000" << QByteArray() << 0 << 0 << true;
        QTest::newRow("edit short") << "31CB" << "0105" << QByteArray() << 0 << 0 << true;
        QTest::newRow("create done") << "45" << "C011" << linesOf({"07F4500"}) << 0 << 0 << true;
        QTest::newRow("save as done") << "45" << "C111" << linesOf({"07F4500"}) << 0 << 0 << true;
        QTest::newRow("rename failed") << "45" << "C312" << QByteArray() << 1 << 0 << true;
        QTest::newRow("create started") << "45" << "C000" << QByteArray() << 0 << 0 << true;
        QTest::newRow("status 1 redraws") << "45" << "800100" << QByteArray() << 0 << 1 << true;
        QTest::newRow("status 1000 nothing") << "45" << "800010" << QByteArray() << 0 << 0 << true;
        QTest::newRow("status 5000 reads entries") << "45" << "800050" << reread << 0 << 0 << false;
        QTest::newRow("load failed reads again") << "load" << "12" << QByteArray() << 1 << 1 << true;
        QTest::newRow("load done") << "load" << "00" << QByteArray() << 0 << 0 << true;
        QTest::newRow("load result of a skip") << "skip" << "12" << QByteArray() << 0 << 0 << true;
    }
    void results()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reply);
        QFETCH(QByteArray, sent);
        QFETCH(int, failures);
        QFETCH(int, redraws);
        QFETCH(bool, entriesKept);
        PlaylistFixture f(false);
        QVERIFY(f.start());
        f.pl.entries[5] = "x";
        f.pl.entryCount = 1;
        if (kind == "load") {
            QVERIFY(f.pl.loadPpl("x"));
            f.sent();
        }
        QSignalSpy failed(&f.pl, &Playlist::execFailed);
        QSignalSpy redraw(&f.pl, &Playlist::readyToRedraw);
        if (kind == "31CB")
            f.pl.recievedCommandFF31CB(reply);
        else if (kind == "45")
            f.pl.recievedCommandFF45(reply);
        else
            f.pl.recievedLoadResult(reply);
        QCOMPARE(f.sent(), sent);
        QCOMPARE(failed.count(), failures);
        QCOMPARE(redraw.count(), redraws);
        QCOMPARE(f.pl.getEntryName(5), entriesKept ? QString("x") : QString());
        QCOMPARE(f.pl.entryCount, entriesKept ? 1 : 0);
    }

    // The deletion's busy flag: raised by the page only, cleared by the
    // recorder's status, the browser's result, a grant and the end of the link.
    void execCommandClears_data()
    {
        QTest::addColumn<Call>("clear");
        QTest::addColumn<int>("changes");
        QTest::newRow("status 4000") << Call([](Playlist &p) { p.recievedCommandFF45("800040"); }) << 1;
        QTest::newRow("status 5000") << Call([](Playlist &p) { p.recievedCommandFF45("800050"); }) << 1;
        QTest::newRow("status 1 keeps") << Call([](Playlist &p) { p.recievedCommandFF45("800100"); }) << 0;
        QTest::newRow("browser's failure") << Call([](Playlist &p) { p.onEndDeletePpl(); }) << 1;
        QTest::newRow("grant") << Call([](Playlist &p) { p.initAll(); }) << 1;
        QTest::newRow("link lost") << Call([](Playlist &p) { p.linkLost(); }) << 1;
    }
    void execCommandClears()
    {
        QFETCH(Call, clear);
        QFETCH(int, changes);
        PlaylistFixture f(false);
        QVERIFY(f.start());
        QSignalSpy changed(&f.pl, &Playlist::execCommandChanged);
        f.pl.setExecCommand(true);
        f.pl.setExecCommand(true);
        QCOMPARE(changed.count(), 1);
        changed.clear();
        clear(f.pl);
        QCOMPARE(changed.count(), changes);
        QCOMPARE(f.pl.execCommand, changes == 0);
        // Cleared again: nothing more.
        f.pl.onEndDeletePpl();
        QCOMPARE(changed.count(), changes == 0 ? 1 : changes);
    }

    // Wired in the application: the browser's results and the end of the session.
    void execCommandInTheApplication()
    {
        Backend b;
        b.permission.recievedCommandFF6AFE(QStringLiteral("11"));
        b.pl.setExecCommand(true);
        emit b.browse.playlistDeleted();
        QCOMPARE(b.pl.execCommand, false);
        b.pl.setExecCommand(true);
        b.permission.sessionEnded();
        QCOMPARE(b.pl.execCommand, false);
    }

    // A busy recorder is asked again after a pause, once per answer, and only
    // while the right is held.
    void busyAskedAgainLater()
    {
        PlaylistFixture f(true);
        QVERIFY(f.start());
        f.fake.statusQueue = {4000, 4000};
        QSignalSpy redraw(&f.pl, &Playlist::readyToRedraw);
        f.pl.initAll();
        QTRY_COMPARE(f.fake.statusQueries, 1);
        QTest::qWait(300);
        QCOMPARE(f.fake.statusQueries, 1);
        QTRY_COMPARE_WITH_TIMEOUT(f.fake.statusQueries, 3, 2000);
        QTRY_COMPARE(redraw.count(), 2);
        QTest::qWait(700);
        QCOMPARE(f.fake.statusQueries, 3);

        // The right given back while waiting: not asked.
        f.fake.statusQueue = {4000};
        f.pl.initAll();
        QTRY_COMPARE(f.fake.statusQueries, 4);
        f.permission.recievedCommandFF6AFE(QStringLiteral("10"));
        QTest::qWait(800);
        QCOMPARE(f.fake.statusQueries, 4);
    }

    // The editing commands against the scripted recorder: the replies bring
    // the list and the entries back with the change.
    void editingConversation()
    {
        PlaylistFixture f(true);
        QVERIFY(f.start());
        QSignalSpy redraw(&f.pl, &Playlist::readyToRedraw);
        QSignalSpy failed(&f.pl, &Playlist::execFailed);
        QSignalSpy done(&f.pl, &Playlist::entryListRecived);
        f.pl.createPpl("Night");
        QCOMPARE(f.sent(), linesOf({"07F4540Night", "07F4500"}));
        QCOMPARE(redraw.count(), 1);
        f.pl.initPpl();
        f.sent();
        QCOMPARE(f.pl.getPplName(3), QString("Night"));

        f.pl.initEntry();
        f.sent();
        done.clear();
        f.pl.assignEntry(2, 2);
        QCOMPARE(f.sent(), linesOf({"07F314B0102000200", "07F4510", "07F4512", "07F451100000700", "07F451108001500"}));
        QCOMPARE(f.pl.getEntryName(2), QString("TAKE_002.mp3"));
        QCOMPARE(done.count(), 1);

        f.fake.editResult = "12";
        f.pl.clearEntry(2);
        QCOMPARE(f.sent(), linesOf({"07F314B000200", "07F4510", "07F4512", "07F451100000700", "07F451108001500"}));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(f.pl.getEntryName(2), QString("TAKE_002.mp3"));

        f.fake.loadResult = "12";
        redraw.clear();
        QVERIFY(f.pl.loadPpl("Evening"));
        QCOMPARE(f.sent(), linesOf({"07F310000A:/_playlists/Evening"}));
        QCOMPARE(failed.count(), 2);
        QCOMPARE(redraw.count(), 1);
    }
};

HB740_TEST_MAIN(TestPlaylist)
#include "tst_playlist.moc"
