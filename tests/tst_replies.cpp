#include "Backend.h"
#include "LinkFixture.h"
#include "ReplyTable.h"
#include "TestMain.h"

#include <QtTest>

// Reply lines fed to Communication: what they store, what they signal (of
// Communication, Mark and Permission) and what they send back to the
// recorder, as ReplyTable rows. Tables over the link also give how many Home
// refreshes the bytes hold.
//
// Actions of the rows: "@permit" grants the editing right, "@busy" starts a
// file operation, "@displayMode=true|false" assigns the display mode and
// "@mark=N" puts a mark at N hundredths into the mark list.

namespace {

// The first batch of a Home refresh, and the mark list request that ends it.
const QByteArray refreshStart =
    "03F00\r\n050\r\n055\r\n05D\r\n030FF\r\n036FF\r\n03AFF\r\n04E\r\n035FF\r\n07F6A0A\r\n";
const QByteArray markRequest = "07F035D\r\n07F6A63\r\n";
const QByteArray titleQueries = "07F6A01\r\n07F6A02\r\n";
const QByteArray browseInit = "07F6B05\r\n";
const QByteArray playlistInit = "07F4500\r\n";

// All ten backend objects, the scripted recorder, and a reply table on
// Communication with spies on every signal of the objects that replies act on.
struct Session
{
    Session()
    {
        table.watchSignals(&comm);
        table.watchSignals(&backend.mark, QStringLiteral("mark."));
        table.watchSignals(&backend.permission, QStringLiteral("permission."));
        table.watchProperties(&comm);
        table.watchProperties(&backend.permission);
        table.addValue(QStringLiteral("idleTimer"), [this] {
            return comm.idleTimerId != 0 ? QStringLiteral("running") : QStringLiteral("stopped");
        });
        table.addValue(QStringLiteral("markRedrawState"), [this] { return QString::number(comm.markRedrawState); });
        table.addValue(QStringLiteral("lastElapsed"), [this] { return QString::number(comm.lastElapsed); });
        table.addValue(QStringLiteral("marks"), [this] {
            QStringList times;
            for (const int time : qAsConst(backend.mark.marks))
                times.append(QString::number(time));
            return times.join(QLatin1Char(','));
        });
        table.addAction(QStringLiteral("permit"),
                        [this](const QString &) { backend.permission.recievedCommandFF6AFE(QStringLiteral("11")); });
        table.addAction(QStringLiteral("busy"), [this](const QString &) { backend.browse.busy = 1; });
        table.addAction(QStringLiteral("displayMode"),
                        [this](const QString &mode) { comm.setDisplayMode(mode == QLatin1String("true")); });
        table.addAction(QStringLiteral("mark"), [this](const QString &time) { backend.mark.marks.append(time.toInt()); });
        // The mark list request is answered with "no marks", so that it is not repeated.
        link.recorder.setReply("07F035D", {"0FF03DD0000"});
    }

    // Links the Telnet to the recorder. Communication's own login handling
    // (refresh, polls, status checks) is left out, so that the recorder
    // receives nothing but what the replies under test send.
    bool linkUp()
    {
        if (!QObject::disconnect(&backend.telnet, SIGNAL(connectedToServer(int)), &backend.comm,
                                 SLOT(finishedLogin(int))))
            return false;
        return link.logIn();
    }

    // What the recorder received since the link, once quiet.
    QByteArray sent() { return link.recorder.receivedOnceQuiet(); }

    Backend backend;
    Communication &comm = backend.comm;
    LinkFixture link{&backend.telnet};
    ReplyTable table{[this](const QString &line) { comm.recievedData(line); }};
};

// The columns of ReplyTable; tables over the link also give how many Home
// refreshes the bytes hold.
void addReplyColumns(bool linked)
{
    ReplyTable::addColumns(linked);
    if (linked)
        QTest::addColumn<int>("refreshes");
}

void modelRow(const char *name, const QStringList &setup, const QStringList &lines, const QStringList &state,
              const QStringList &emitted)
{
    QTest::newRow(name) << setup << lines << state << emitted;
}

void linkRow(const char *name, const QStringList &setup, const QStringList &lines, const QStringList &state,
             const QStringList &emitted, const QByteArray &sent = QByteArray(), int refreshes = 0)
{
    QTest::newRow(name) << setup << lines << state << emitted << sent << refreshes;
}

// Runs one row of a table made by addReplyColumns.
void runReplies(bool linked)
{
    Session s;
    if (linked)
        QVERIFY(s.linkUp());
    s.table.run(linked ? &s.link.recorder : nullptr);
    if (!linked || QTest::currentTestFailed())
        return;
    QFETCH(int, refreshes);
    if (refreshes == 0) {
        ReplyTable::compareSent(s.link.recorder);
        return;
    }
    QFETCH(QByteArray, sent);
    const QByteArray received = s.sent();
    QCOMPARE(received.count(refreshStart), refreshes);
    QVERIFY2(received.startsWith(refreshStart), received.constData());
    QVERIFY2(received.endsWith(sent), received.constData());
}

// The signals of D0 with status 0: every time text "00", both numbers 0,
// each signalled whether it changed or not, and the marks cleared.
QStringList timesReset()
{
    QStringList result;
    for (const char *name : {"playTimeHour", "playTimeMin", "playTimeSec", "playTimeFlame", "remainingTimeHour",
                             "remainingTimeMin", "remainingTimeSec", "remainingTimeFlame"})
        result.append(QLatin1String(name) + QLatin1String("Changed(\"00\")"));
    result << "trackTotalTimeFlameChanged(0)"
           << "trackElapsedTimeFlameChanged(0)"
           << "mark.markClear()";
    return result;
}

const QStringList timesResetState = {"playTimeHour=00",      "playTimeMin=00",      "playTimeSec=00",
                                     "playTimeFlame=00",     "remainingTimeHour=00", "remainingTimeMin=00",
                                     "remainingTimeSec=00",  "remainingTimeFlame=00", "trackTotalTimeFlame=0",
                                     "trackElapsedTimeFlame=0"};

QString meter(const char *levels, const char *flags)
{
    return QLatin1String("FF6A89") + QLatin1String(levels) + QLatin1String(flags);
}

} // namespace

class TestReplies : public QObject
{
    Q_OBJECT

private slots:
    // ---- Dispatch ----

    void linesThatChangeNothing_data()
    {
        addReplyColumns(true);
        const auto ignored = [](const char *name, const QStringList &lines) { linkRow(name, {}, lines, {}, {}); };
        ignored("empty line", {""});
        ignored("one character", {"D"});
        ignored("lower-case code", {"d011", "Ff6A8501", "fF0110"});
        ignored("leading 0 still there", {"0D011"});
        ignored("first character beyond Latin-1", {QString(QChar(0x0144)) + "011"});
        ignored("second character beyond Latin-1", {"D" + QString(QChar(0x0130)) + "11"});
        ignored("code pairs E0 and 9A", {"E000", "9A01"});
        ignored("flash load acknowledgement 97", {"9710", "97"});
        ignored("answers without a handler",
                {"9000", "9201", "9300", "9401", "9600", "9D00", "AA00", "AB00", "AC00", "B700", "BF00", "CD00"});
        ignored("pitch shorter than four characters", {"A5251", "A5"});
        ignored("key shorter than two characters", {"AD1", "AD"});
        ignored("play mode shorter than two characters", {"CE0", "CE"});
        ignored("pushed time shorter than eight characters", {"880102030", "8801", "88"});
        ignored("track count shorter than four characters", {"DD120", "DD1", "DD"});
        ignored("play modes 2, 3, 7, 8, 9", {"CE02", "CE03", "CE07", "CE08", "CE09"});
        ignored("level meter of 15 characters", {"FF6A8902030405010"});
        ignored("extended groups without a handler", {"FF0200", "FF0500", "FF7000", "FF9999", "FF0", "FF"});
        ignored("lower-case group", {"FF6a8501", "ff0110"});
        ignored("6A sub-codes without a handler", {"FF6A8001", "FF6A8301", "FF6AE401", "FF6A0501", "FF6A"});
        ignored("sub-codes outside a group's list",
                {"FF049910", "FF04", "FF07CE01", "FF07", "FF129000000001", "FF318100", "FF31"});
        ignored("group 72 other than 8101", {"FF72810200", "FF728100", "FF720101", "FF72"});
        ignored("notices without an action",
                {"F601", "F699", "F6", "FF6AF600", "FF6AF603", "FF6AF650", "FF6AF651", "FF6AF699", "FF6AF6"});
        ignored("playlist skip not done", {"FF318001", "FF3180"});
    }
    void linesThatChangeNothing() { runReplies(true); }

    // A reply that comes over the link reaches its handler without the
    // leading "0" and the CR, and its follow-up goes back over the same link.
    void repliesArriveOverTheLink()
    {
        Session s;
        QVERIFY(s.linkUp());
        s.link.recorder.send("0D011\r\n0FF6A8482\r\n0A52511\r\n");
        QTRY_COMPARE(s.comm.pitchData(), QString("-12.5"));
        QCOMPARE(s.comm.statusIcon(), 17);
        QCOMPARE(s.comm.inputSelect(), 2);
        QCOMPARE(s.comm.digitalInLock(), false);
        QCOMPARE(s.sent(), titleQueries);
    }

    // ---- Top-level replies ----

    void booleanReplies_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("everyReply");
        QTest::newRow("95 jog mode") << "95" << "jogMode" << false;
        QTest::newRow("B0 auto cue") << "B0" << "autoCue" << false;
        QTest::newRow("B1 auto track") << "B1" << "autoTrack" << false;
        QTest::newRow("B8 sync record") << "B8" << "syncRec" << false;
        QTest::newRow("B5 pitch status") << "B5" << "pitchStatus" << true;
        QTest::newRow("B6 auto ready") << "B6" << "autoReady" << true;
        QTest::newRow("BA incremental play") << "BA" << "incPlay" << true;
        QTest::newRow("BD key status") << "BD" << "keyStatus" << true;
    }
    void booleanReplies()
    {
        QFETCH(QString, code);
        QFETCH(QString, property);
        QFETCH(bool, everyReply);
        // True unless the first two characters are exactly "00", also when shorter.
        const QList<std::pair<QString, bool>> steps = {{"01", true}, {"01", true}, {"00", false}, {"00", false},
                                                       {"0", true},  {"", true},   {"0001", false}, {"FF", true}};
        Session s;
        const QMap<QString, QString> before = s.table.snapshot();
        QStringList expected;
        bool stored = false;
        for (const auto &step : steps) {
            s.comm.recievedData(code + step.first);
            QCOMPARE(s.comm.property(property.toLatin1().constData()).toBool(), step.second);
            if (everyReply || step.second != stored)
                expected.append(QStringLiteral("%1Changed(%2)").arg(property, step.second ? "true" : "false"));
            stored = step.second;
            QCOMPARE(s.table.emissions.all().join(" | "), expected.join(" | "));
        }
        // No other value moved.
        const QMap<QString, QString> after = s.table.snapshot();
        QStringList moved;
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (it.key() != property && it.value() != before.value(it.key()))
                moved.append(it.key());
        }
        QCOMPARE(moved.join(' '), QString());
    }

    void pushedTime_data()
    {
        addReplyColumns(false);
        modelRow("nothing remaining of a track of unknown length", {}, {"8800000000"},
                 {"trackElapsedTimeFlame=0", "trackTotalTimeFlame=0", "remainingTimeHour=-00", "remainingTimeMin=00",
                  "remainingTimeSec=00", "remainingTimeFlame=00"},
                 {"trackElapsedTimeFlameChanged(0)"});
        // A remaining reply of 5:30.00 sets the total to 33000.
        modelRow("remaining from the total of a remaining reply", {"D80105003000"}, {"8800013015"},
                 {"playTimeHour=00", "playTimeMin=01", "playTimeSec=30", "playTimeFlame=15", "trackElapsedTimeFlame=9015",
                  "trackTotalTimeFlame=33000", "remainingTimeHour=-00", "remainingTimeMin=03", "remainingTimeSec=59",
                  "remainingTimeFlame=85"},
                 {"playTimeMinChanged(\"01\")", "playTimeSecChanged(\"30\")", "playTimeFlameChanged(\"15\")",
                  "trackElapsedTimeFlameChanged(9015)", "remainingTimeMinChanged(\"03\")",
                  "remainingTimeSecChanged(\"59\")", "remainingTimeFlameChanged(\"85\")"});
        // 2:10:00.00 remaining, one hour played.
        modelRow("hours remaining", {"D80130010000"}, {"8801000000"},
                 {"playTimeHour=01", "trackElapsedTimeFlame=360000", "remainingTimeHour=-01", "remainingTimeMin=10",
                  "remainingTimeSec=00", "remainingTimeFlame=00"},
                 {"playTimeHourChanged(\"01\")", "trackElapsedTimeFlameChanged(360000)",
                  "remainingTimeHourChanged(\"-01\")"});
        modelRow("elapsed beyond the total leaves zero", {"D80105003000"}, {"8800100000"},
                 {"playTimeMin=10", "trackElapsedTimeFlame=60000", "trackTotalTimeFlame=33000", "remainingTimeHour=-00",
                  "remainingTimeMin=00", "remainingTimeSec=00", "remainingTimeFlame=00"},
                 {"playTimeMinChanged(\"10\")", "trackElapsedTimeFlameChanged(60000)", "remainingTimeMinChanged(\"00\")",
                  "remainingTimeSecChanged(\"00\")"});
        modelRow("half a second beyond the total leaves zero", {"D80105003000"}, {"8800053050"},
                 {"trackElapsedTimeFlame=33050", "remainingTimeHour=-00", "remainingTimeMin=00", "remainingTimeSec=00",
                  "remainingTimeFlame=00"},
                 {"playTimeMinChanged(\"05\")", "playTimeSecChanged(\"30\")", "playTimeFlameChanged(\"50\")",
                  "trackElapsedTimeFlameChanged(33050)", "remainingTimeMinChanged(\"00\")",
                  "remainingTimeSecChanged(\"00\")"});
        modelRow("hour text regains its minus after status 00", {"D000"}, {"8800000000"},
                 {"remainingTimeHour=-00", "trackElapsedTimeFlame=0"},
                 {"trackElapsedTimeFlameChanged(0)", "remainingTimeHourChanged(\"-00\")"});
        modelRow("same time twice: texts once, elapsed number twice", {}, {"8800013015", "8800013015"},
                 {"playTimeMin=01", "trackElapsedTimeFlame=9015", "remainingTimeHour=-00", "remainingTimeFlame=00"},
                 {"playTimeMinChanged(\"01\")", "playTimeSecChanged(\"30\")", "playTimeFlameChanged(\"15\")",
                  "trackElapsedTimeFlameChanged(9015)", "trackElapsedTimeFlameChanged(9015)"});
    }
    void pushedTime() { runReplies(false); }

    void pitchKeyAndPlayMode_data()
    {
        addReplyColumns(false);
        const auto pitch = [](const char *name, const QStringList &lines, const QString &value, int times) {
            QStringList emitted;
            for (int i = 0; i < times; ++i)
                emitted.append("pitchDataChanged(\"" + value + "\")");
            modelRow(name, {}, lines, {"pitchData=" + value}, emitted);
        };
        pitch("pitch 2511", {"A52511"}, "-12.5", 1);
        pitch("pitch 2510 drops the tens digit 0", {"A52510"}, "-2.5", 1);
        pitch("pitch 5000", {"A55000"}, "+5.0", 1);
        pitch("any sign but 0 is minus", {"A55090"}, "-5.0", 1);
        pitch("longer pitch reads its four characters", {"A5250199"}, "+12.5", 1);
        pitch("pitch signalled on every reply", {"A55000", "A55000"}, "+5.0", 2);
        pitch("short pitch keeps the last one", {"A55000", "A5500"}, "+5.0", 1);

        modelRow("key plus", {}, {"AD03"}, {"keyData=3"}, {"keyDataChanged(3)"});
        modelRow("key minus", {}, {"AD17"}, {"keyData=-7"}, {"keyDataChanged(-7)"});
        modelRow("key on change only", {}, {"AD13", "AD13", "AD23"}, {"keyData=-3"}, {"keyDataChanged(-3)"});
        modelRow("key zero either sign", {}, {"AD00", "AD10"}, {"keyData=0"}, {});
        modelRow("short key keeps the last one", {}, {"AD03", "AD1"}, {"keyData=3"}, {"keyDataChanged(3)"});
        modelRow("key digit not a number reads 0", {}, {"AD03", "AD0X"}, {"keyData=0"},
                 {"keyDataChanged(3)", "keyDataChanged(0)"});

        modelRow("play mode 00 twice signals twice", {}, {"CE00", "CE00"}, {"playMode=CONTINUE"},
                 {"playModeChanged(\"CONTINUE\")", "playModeChanged(\"CONTINUE\")"});
        modelRow("play mode single", {}, {"CE01"}, {"playMode=SINGLE"}, {"playModeChanged(\"SINGLE\")"});
        modelRow("play modes 4 and 5 program", {}, {"CE04", "CE05"}, {"playMode=PROGRAM"},
                 {"playModeChanged(\"PROGRAM\")", "playModeChanged(\"PROGRAM\")"});
        modelRow("play mode random", {}, {"CE06"}, {"playMode=RANDOM"}, {"playModeChanged(\"RANDOM\")"});
        modelRow("play mode 03 leaves it", {}, {"CE01", "CE03", "CE02", "CE07", "CE08", "CE09"}, {"playMode=SINGLE"},
                 {"playModeChanged(\"SINGLE\")"});
        modelRow("play mode not a digit continues", {}, {"CE01", "CE0x"}, {"playMode=CONTINUE"},
                 {"playModeChanged(\"SINGLE\")", "playModeChanged(\"CONTINUE\")"});
        modelRow("play mode reads position 1 only", {}, {"CE16"}, {"playMode=RANDOM"}, {"playModeChanged(\"RANDOM\")"});
        modelRow("short play mode keeps the last one", {}, {"CE01", "CE0"}, {"playMode=SINGLE"},
                 {"playModeChanged(\"SINGLE\")"});
    }
    void pitchKeyAndPlayMode() { runReplies(false); }

    void status_data()
    {
        addReplyColumns(true);
        linkRow("play", {}, {"D011"}, {"statusIcon=17", "idleTimer=stopped"}, {"statusIconChanged(17)"}, titleQueries);
        linkRow("same status again asks again, emits nothing", {"D011"}, {"D011"}, {"statusIcon=17"}, {},
                titleQueries);
        linkRow("play pause", {}, {"D012"}, {"statusIcon=18"}, {"statusIconChanged(18)"}, titleQueries);
        linkRow("play stops the idle poll", {"D010"}, {"D011"}, {"statusIcon=17", "idleTimer=stopped"},
                {"statusIconChanged(17)"}, titleQueries);
        linkRow("busy", {}, {"D0FF"}, {"statusIcon=255", "idleTimer=running"}, {"statusIconChanged(255)"},
                "015FF\r\n07F6A66\r\n");
        linkRow("busy keeps the jog mode", {"9501"}, {"D0FF"}, {"statusIcon=255", "jogMode=true", "idleTimer=running"},
                {"statusIconChanged(255)"}, "015FF\r\n07F6A66\r\n");
        linkRow("stop after busy clears the jog mode", {"D0FF", "9501"}, {"D010"},
                {"statusIcon=16", "jogMode=false", "idleTimer=running"},
                {"statusIconChanged(16)", "jogModeChanged(false)"});
        linkRow("stop", {}, {"D010"}, {"statusIcon=16", "idleTimer=running"}, {"statusIconChanged(16)"});
        linkRow("play clears the jog mode", {"9501"}, {"D011"}, {"statusIcon=17", "jogMode=false"},
                {"statusIconChanged(17)", "jogModeChanged(false)"}, titleQueries);
        linkRow("record clears the marks", {"@mark=7005"}, {"D081"}, {"statusIcon=129", "marks=", "idleTimer=stopped"},
                {"statusIconChanged(129)", "mark.markClear()"}, titleQueries);
        linkRow("record pause 82", {"@mark=7005"}, {"D082"}, {"statusIcon=130", "marks="},
                {"statusIconChanged(130)", "mark.markClear()"}, titleQueries);
        linkRow("record pause 83", {"@mark=7005"}, {"D083"}, {"statusIcon=131", "marks="},
                {"statusIconChanged(131)", "mark.markClear()"}, titleQueries);
        linkRow("recording again clears again", {"D081"}, {"D081"}, {"statusIcon=129"}, {"mark.markClear()"},
                titleQueries);
        linkRow("no transport state resets the times", {"@mark=7005"}, {"D000"},
                QStringList{"statusIcon=0", "idleTimer=running", "marks="} + timesResetState, timesReset());
        linkRow("no transport state after play", {"D011", "8801020304"}, {"D000"},
                QStringList{"statusIcon=0", "idleTimer=running"} + timesResetState,
                QStringList{"statusIconChanged(0)"} + timesReset());
        linkRow("status not hexadecimal reads as 0", {"D011"}, {"D0ZZ"},
                QStringList{"statusIcon=0", "idleTimer=running"} + timesResetState,
                QStringList{"statusIconChanged(0)"} + timesReset());
        linkRow("empty status reads as 0", {"D011"}, {"D0"},
                QStringList{"statusIcon=0", "idleTimer=running"} + timesResetState,
                QStringList{"statusIconChanged(0)"} + timesReset());
        linkRow("other status is stored and stops the idle poll", {"D010", "@mark=7005"}, {"D020"},
                {"statusIcon=32", "idleTimer=stopped", "marks=7005"}, {"statusIconChanged(32)"});
    }
    void status() { runReplies(true); }

    // The idle poll timer is started once and kept while the status allows it.
    void idleTimerStartsOnce()
    {
        Session s;
        s.comm.recievedData("D010");
        const int timer = s.comm.idleTimerId;
        QVERIFY(timer != 0);
        for (const char *line : {"D000", "D0FF", "D010"}) {
            s.comm.recievedData(line);
            QCOMPARE(s.comm.idleTimerId, timer);
        }
        s.comm.recievedData("D011");
        QCOMPARE(s.comm.idleTimerId, 0);
        s.comm.recievedData("D012");
        QCOMPARE(s.comm.idleTimerId, 0);
        s.comm.recievedData("D0FF");
        QVERIFY(s.comm.idleTimerId != 0);
    }

    void tracks_data()
    {
        addReplyColumns(true);
        const QByteArray times = "05800\r\n05801\r\n07F6A01\r\n";
        linkRow("track number", {}, {"D5001200"}, {"nowTrackNo=012"}, {"nowTrackNoChanged(\"012\")"}, times);
        linkRow("track number ignores positions 0-1", {}, {"D5991200"}, {"nowTrackNo=012"},
                {"nowTrackNoChanged(\"012\")"}, times);
        linkRow("track number keeps three low digits", {}, {"D5001234"}, {"nowTrackNo=412"},
                {"nowTrackNoChanged(\"412\")"}, times);
        linkRow("same track asks nothing", {"D5001200"}, {"D5001200"}, {"nowTrackNo=012"}, {});
        linkRow("no track at start", {}, {"D5000000"}, {"nowTrackNo=000"}, {});
        linkRow("display mode asks for the other times", {"@displayMode=true"}, {"D5001200"}, {"nowTrackNo=012"},
                {"nowTrackNoChanged(\"012\")"}, "05802\r\n05803\r\n07F6A01\r\n");
        linkRow("with the editing right the browse query follows", {"@permit"}, {"D5001200"}, {"nowTrackNo=012"},
                {"nowTrackNoChanged(\"012\")"}, times + browseInit);

        linkRow("track count", {}, {"DD1000"}, {"allTrackNo=010"}, {"allTrackNoChanged(\"010\")"});
        linkRow("track count keeps three low digits", {}, {"DD3412"}, {"allTrackNo=234"},
                {"allTrackNoChanged(\"234\")"});
        linkRow("same track count once", {}, {"DD1000", "DD1000"}, {"allTrackNo=010"}, {"allTrackNoChanged(\"010\")"});
        linkRow("no tracks at start", {}, {"DD0000"}, {"allTrackNo=000"}, {});
    }
    void tracks() { runReplies(true); }

    void cdType_data()
    {
        addReplyColumns(false);
        const auto type = [](const char *line, const QString &text) {
            modelRow(line, {}, {line}, {"cdType=" + text}, {"cdTypeChanged(\"" + text + "\")"});
        };
        type("D60000", "CD");
        type("D600", "CD");
        type("D60012", "CD");
        type("D60100", "CD-DA");
        type("D60101", "CD-R");
        type("D60102", "CD-RW");
        type("D60110", "Data CD");
        type("D60111", "CD-R Data");
        type("D60112", "CD-RW Data");
        modelRow("longer data is no type", {"D60100"}, {"D601000"}, {"cdType="}, {"cdTypeChanged(\"\")"});
        modelRow("unknown data is no type", {"D60100"}, {"D60103"}, {"cdType="}, {"cdTypeChanged(\"\")"});
        modelRow("same type once", {}, {"D60101", "D60101"}, {"cdType=CD-R"}, {"cdTypeChanged(\"CD-R\")"});
    }
    void cdType() { runReplies(false); }

    void times_data()
    {
        addReplyColumns(false);
        // Kind, minutes low pair, minutes high pair, seconds, frames.
        modelRow("elapsed", {}, {"D80030000510"},
                 {"playTimeHour=00", "playTimeMin=30", "playTimeSec=05", "playTimeFlame=10", "lastElapsed=180510",
                  "trackElapsedTimeFlame=0", "trackTotalTimeFlame=0"},
                 {"playTimeMinChanged(\"30\")", "playTimeSecChanged(\"05\")", "playTimeFlameChanged(\"10\")"});
        modelRow("elapsed kind 2 in hours", {}, {"D80215020000"},
                 {"playTimeHour=03", "playTimeMin=35", "lastElapsed=1290000"},
                 {"playTimeHourChanged(\"03\")", "playTimeMinChanged(\"35\")"});
        modelRow("kind not a number is elapsed", {}, {"D8XX01000000"}, {"playTimeMin=01", "lastElapsed=6000"},
                 {"playTimeMinChanged(\"01\")"});
        modelRow("remaining", {}, {"D80105000000"},
                 {"remainingTimeHour=-00", "remainingTimeMin=05", "trackTotalTimeFlame=30000", "trackElapsedTimeFlame=0"},
                 {"remainingTimeMinChanged(\"05\")", "trackTotalTimeFlameChanged(30000)"});
        modelRow("remaining adds the last elapsed", {}, {"D80030000510", "D80105000000"},
                 {"lastElapsed=180510", "trackTotalTimeFlame=210510", "trackElapsedTimeFlame=180510"},
                 {"playTimeMinChanged(\"30\")", "playTimeSecChanged(\"05\")", "playTimeFlameChanged(\"10\")",
                  "remainingTimeMinChanged(\"05\")", "trackTotalTimeFlameChanged(210510)",
                  "trackElapsedTimeFlameChanged(180510)"});
        modelRow("remaining kind 3 of 159 minutes", {}, {"D80359010000"},
                 {"remainingTimeHour=-02", "remainingTimeMin=39", "remainingTimeSec=00", "remainingTimeFlame=00",
                  "trackTotalTimeFlame=954000"},
                 {"remainingTimeHourChanged(\"-02\")", "remainingTimeMinChanged(\"39\")",
                  "trackTotalTimeFlameChanged(954000)"});
        modelRow("other kinds are remaining", {}, {"D80901000000"}, {"remainingTimeMin=01", "trackTotalTimeFlame=6000"},
                 {"remainingTimeMinChanged(\"01\")", "trackTotalTimeFlameChanged(6000)"});
        modelRow("seconds and frames as received", {}, {"D80100001234"},
                 {"remainingTimeSec=12", "remainingTimeFlame=34", "trackTotalTimeFlame=1234"},
                 {"remainingTimeSecChanged(\"12\")", "remainingTimeFlameChanged(\"34\")",
                  "trackTotalTimeFlameChanged(1234)"});
        const QStringList outOfRange = {"remainingTimeHourChanged(\"-99\")", "remainingTimeMinChanged(\"59\")",
                                        "remainingTimeSecChanged(\"59\")", "remainingTimeFlameChanged(\"99\")"};
        const QStringList outOfRangeState = {"remainingTimeHour=-99", "remainingTimeMin=59", "remainingTimeSec=59",
                                             "remainingTimeFlame=99"};
        modelRow("minutes -- out of range", {}, {"D80100--0000"},
                 outOfRangeState + QStringList{"trackTotalTimeFlame=35999999"},
                 outOfRange + QStringList{"trackTotalTimeFlameChanged(35999999)"});
        modelRow("6000 minutes out of range", {}, {"D80100600000"},
                 outOfRangeState + QStringList{"trackTotalTimeFlame=35999999"},
                 outOfRange + QStringList{"trackTotalTimeFlameChanged(35999999)"});
        modelRow("out of range adds to the last elapsed", {"D80030000510"}, {"D80100--1234"},
                 outOfRangeState + QStringList{"trackTotalTimeFlame=36180509", "trackElapsedTimeFlame=180510"},
                 outOfRange
                     + QStringList{"trackTotalTimeFlameChanged(36180509)", "trackElapsedTimeFlameChanged(180510)"});
        modelRow("elapsed out of range", {}, {"D80000--0000"},
                 {"playTimeHour=99", "playTimeMin=59", "playTimeSec=59", "playTimeFlame=99", "lastElapsed=35999999"},
                 {"playTimeHourChanged(\"99\")", "playTimeMinChanged(\"59\")", "playTimeSecChanged(\"59\")",
                  "playTimeFlameChanged(\"99\")"});
        modelRow("5999 minutes still in range", {}, {"D80199590000"},
                 {"remainingTimeHour=-99", "remainingTimeMin=59", "remainingTimeSec=00", "trackTotalTimeFlame=35994000"},
                 {"remainingTimeHourChanged(\"-99\")", "remainingTimeMinChanged(\"59\")",
                  "trackTotalTimeFlameChanged(35994000)"});
        modelRow("total 0 stored as 1", {"D000"}, {"D80100000000"},
                 {"trackTotalTimeFlame=1", "remainingTimeHour=-00", "trackElapsedTimeFlame=0"},
                 {"remainingTimeHourChanged(\"-00\")", "trackTotalTimeFlameChanged(1)"});
        modelRow("unknown total at start, then 0 stored as 1", {}, {"D80100000000"}, {"trackTotalTimeFlame=1"},
                 {"trackTotalTimeFlameChanged(1)"});
        modelRow("same remaining twice", {}, {"D80105000000", "D80105000000"}, {"trackTotalTimeFlame=30000"},
                 {"remainingTimeMinChanged(\"05\")", "trackTotalTimeFlameChanged(30000)"});
    }
    void times() { runReplies(false); }

    // The marks are drawn again once the display mode changed, the track top
    // came back and then the total time changed.
    void markRedraw_data()
    {
        addReplyColumns(true);
        const QString mark = "@mark=7005";
        const QString trackTop = "FF6AE30000012C";
        const QStringList armed = {mark, "@displayMode=true", trackTop};
        const QStringList redrawn = {"mark.markClear()", "mark.markTimeReceived(7005)"};
        linkRow("display mode asks for the track top", {mark}, {"@displayMode=true"},
                {"displayMode=true", "markRedrawState=1"}, {"displayModeChanged(true)"}, "07F6A63\r\n");
        linkRow("same display mode does nothing", {mark, "@displayMode=true"}, {"@displayMode=true"},
                {"displayMode=true", "markRedrawState=1"}, {});
        linkRow("track top reply advances", {mark, "@displayMode=true"}, {trackTop},
                {"currentTrackTop=300", "markRedrawState=2"}, {"currentTrackTopChanged(300)"});
        linkRow("unchanged track top advances too", {mark, "@displayMode=true"}, {"FF6AE300000000"},
                {"currentTrackTop=0", "markRedrawState=2"}, {});
        linkRow("changed total redraws the marks", armed, {"D80105000000"},
                {"markRedrawState=0", "trackTotalTimeFlame=30000", "marks=7005"},
                QStringList{"remainingTimeMinChanged(\"05\")", "trackTotalTimeFlameChanged(30000)"} + redrawn);
        linkRow("redrawn once", armed, {"D80105000000", "D80106000000"}, {"markRedrawState=0"},
                QStringList{"remainingTimeMinChanged(\"05\")", "remainingTimeMinChanged(\"06\")",
                            "trackTotalTimeFlameChanged(30000)", "trackTotalTimeFlameChanged(36000)"}
                    + redrawn);
        linkRow("unchanged total waits", QStringList{"D80105000000"} + armed, {"D80105000000"},
                {"markRedrawState=2", "trackTotalTimeFlame=30000"}, {});
        linkRow("elapsed reply waits", armed, {"D80001000000"}, {"markRedrawState=2", "lastElapsed=6000"},
                {"playTimeMinChanged(\"01\")"});
        linkRow("no redraw before the track top", {mark, "@displayMode=true"}, {"D80105000000"}, {"markRedrawState=1"},
                {"remainingTimeMinChanged(\"05\")", "trackTotalTimeFlameChanged(30000)"});
        linkRow("track top alone does not arm", {mark}, {trackTop, "D80105000000"}, {"markRedrawState=0"},
                {"currentTrackTopChanged(300)", "remainingTimeMinChanged(\"05\")", "trackTotalTimeFlameChanged(30000)"});
        linkRow("another display change starts over", armed, {"@displayMode=false", "D80105000000"},
                {"displayMode=false", "markRedrawState=1"},
                {"displayModeChanged(false)", "remainingTimeMinChanged(\"05\")", "trackTotalTimeFlameChanged(30000)"},
                "07F6A63\r\n");
    }
    void markRedraw() { runReplies(true); }

    // ---- Notices and refreshes ----

    void notices_data()
    {
        addReplyColumns(true);
        const QStringList browsable = {"@permit", "FF0100", "D011"};
        linkRow("F6 00 refreshes", {}, {"F600"}, {}, {}, {}, 1);
        linkRow("F6 00 waits for a file operation", {"@busy"}, {"F600"}, {}, {});
        linkRow("F6 03 refreshes during a file operation", {"@busy"}, {"F603"}, {}, {}, {}, 1);
        linkRow("6A F6 01 asks for the input", {}, {"FF6AF601"}, {}, {}, "07F6A04\r\n");
        linkRow("6A F6 02 starts browsing", browsable, {"FF6AF602"}, {}, {}, "07F6B00\r\n" + browseInit);
        linkRow("6A F6 02 without the editing right", {"FF0100", "D011"}, {"FF6AF602"}, {}, {});
        linkRow("6A F6 02 without a medium to browse", {"@permit", "D011"}, {"FF6AF602"}, {}, {});
        linkRow("6A F6 02 without a transport state", {"@permit", "FF0100"}, {"FF6AF602"}, {}, {});
        linkRow("6A F6 10 refreshes", {}, {"FF6AF610"}, {}, {}, {}, 1);
        linkRow("6A F6 40 refreshes", {}, {"FF6AF640"}, {}, {}, {}, 1);
        linkRow("6A F6 70 refreshes", {}, {"FF6AF670"}, {}, {}, {}, 1);
        linkRow("6A F6 20 asks for the marks", {}, {"FF6AF620"}, {}, {}, markRequest);
        linkRow("6A F6 20 asks for the marks while recording", {"D081"}, {"FF6AF620"}, {}, {}, markRequest);
        linkRow("playlist skip done refreshes", {}, {"FF318000"}, {}, {}, {}, 1);
        linkRow("playlist skip done with the editing right", {"@permit"}, {"FF318000"}, {}, {}, playlistInit, 1);
    }
    void notices() { runReplies(true); }

    void titleAndFolder_data()
    {
        addReplyColumns(true);
        const QString title = "FF6A81Take 1";
        const QStringList changed = {"titleChanged(\"Take 1\")"};
        linkRow("new title without a track", {}, {title}, {"title=Take 1"}, changed);
        linkRow("new title stopped with a track", {"D5000100"}, {title}, {"title=Take 1"}, changed, markRequest);
        linkRow("new title playing with a track", {"D5000100", "D011"}, {title}, {"title=Take 1"}, changed, markRequest);
        linkRow("new title while recording", {"D5000100", "D081"}, {title}, {"title=Take 1"}, changed);
        linkRow("new title in record pause 82", {"D5000100", "D082"}, {title}, {"title=Take 1"}, changed);
        linkRow("new title in record pause 83", {"D5000100", "D083"}, {title}, {"title=Take 1"}, changed);
        linkRow("same title", {"D5000100", title}, {title}, {"title=Take 1"}, {});
        linkRow("empty title at start", {}, {"FF6A81"}, {"title="}, {});
        linkRow("new folder refreshes", {}, {"FF6A82Folder 2"}, {"folder=Folder 2"},
                {"folderChanged(\"Folder 2\")"}, {}, 1);
        linkRow("same folder", {"FF6A82Folder 2"}, {"FF6A82Folder 2"}, {"folder=Folder 2"}, {});
    }
    void titleAndFolder() { runReplies(true); }

    // ---- Extended replies ----

    void mediumAreaAndPlaylist_data()
    {
        addReplyColumns(true);
        const QByteArray both = browseInit + playlistInit;
        linkRow("medium USB", {}, {"FF0110"}, {"currentMedia=USB"}, {"currentMediaChanged(\"USB\")"});
        linkRow("medium with the editing right", {"@permit"}, {"FF0110"}, {"currentMedia=USB"},
                {"currentMediaChanged(\"USB\")"}, both);
        linkRow("same medium", {"@permit", "FF0110"}, {"FF0110"}, {"currentMedia=USB"}, {});
        linkRow("medium SD1", {}, {"FF0100"}, {"currentMedia=SD1"}, {"currentMediaChanged(\"SD1\")"});
        linkRow("medium SD2", {}, {"FF0101"}, {"currentMedia=SD2"}, {"currentMediaChanged(\"SD2\")"});
        linkRow("medium CD", {}, {"FF0111"}, {"currentMedia=CD"}, {"currentMediaChanged(\"CD\")"});
        linkRow("unknown medium is none", {"@permit", "FF0110"}, {"FF0199"}, {"currentMedia="},
                {"currentMediaChanged(\"\")"}, both);
        linkRow("medium not a number reads SD1", {}, {"FF01XX"}, {"currentMedia=SD1"}, {"currentMediaChanged(\"SD1\")"});
        linkRow("medium missing reads SD1", {}, {"FF01"}, {"currentMedia=SD1"}, {"currentMediaChanged(\"SD1\")"});

        linkRow("flash load", {}, {"FF049710"}, {"flashLoad=true"}, {"flashLoadChanged(true)"});
        linkRow("flash load only on exactly 10", {"FF049710"}, {"FF049711"}, {"flashLoad=false"},
                {"flashLoadChanged(false)"});
        linkRow("flash load notice asks again", {}, {"FF04F8"}, {}, {}, "07F0417FF\r\n");

        linkRow("play area all", {}, {"FF07CF00"}, {"playArea=ALL"}, {"playAreaChanged(\"ALL\")"});
        linkRow("play area with the editing right", {"@permit"}, {"FF07CF01"}, {"playArea=FOLDER"},
                {"playAreaChanged(\"FOLDER\")"}, browseInit);
        linkRow("play area playlist", {}, {"FF07CF02"}, {"playArea=PLAYLIST"}, {"playAreaChanged(\"PLAYLIST\")"});
        linkRow("unknown play area is none", {"@permit", "FF07CF01"}, {"FF07CF05"}, {"playArea="},
                {"playAreaChanged(\"\")"}, browseInit);
        linkRow("same play area", {"@permit", "FF07CF01"}, {"FF07CF01"}, {"playArea=FOLDER"}, {});
        linkRow("play area not a number reads all", {}, {"FF07CFXX"}, {"playArea=ALL"}, {"playAreaChanged(\"ALL\")"});

        linkRow("rate converter on", {}, {"FF1291000001"}, {"src=true"}, {"srcChanged(true)"});
        linkRow("rate converter reads positions 8-9 only", {}, {"FF1291FFFF00"}, {"src=false"}, {});
        linkRow("rate converter off", {"FF1291000001"}, {"FF1291010100"}, {"src=false"}, {"srcChanged(false)"});

        const QByteArray statusQueries = "050\r\n055\r\n05D\r\n";
        linkRow("playlist", {}, {"FF31850102"}, {"playList=0102"}, {"playListChanged(\"0102\")"}, statusQueries);
        linkRow("playlist with the editing right", {"@permit"}, {"FF31850102"}, {"playList=0102"},
                {"playListChanged(\"0102\")"}, statusQueries + playlistInit);
        linkRow("same playlist", {"FF31850102"}, {"FF31850102"}, {"playList=0102"}, {});
        linkRow("empty playlist at start", {}, {"FF3185"}, {"playList="}, {});
    }
    void mediumAreaAndPlaylist() { runReplies(true); }

    void recorderSettings_data()
    {
        addReplyColumns(false);
        modelRow("input 02", {}, {"FF6A8402"}, {"inputSelect=2", "digitalInLock=true"}, {"inputSelectChanged(2)"});
        modelRow("input 82 not locked", {}, {"FF6A8482"}, {"inputSelect=2", "digitalInLock=false"},
                 {"inputSelectChanged(2)", "digitalInLockChanged(false)"});
        modelRow("input 80 not locked", {}, {"FF6A8480"}, {"inputSelect=0", "digitalInLock=false"},
                 {"digitalInLockChanged(false)"});
        modelRow("input locked again", {}, {"FF6A8482", "FF6A8402"}, {"inputSelect=2", "digitalInLock=true"},
                 {"inputSelectChanged(2)", "digitalInLockChanged(false)", "digitalInLockChanged(true)"});
        modelRow("input option card", {}, {"FF6A8404"}, {"inputSelect=4"}, {"inputSelectChanged(4)"});

        const auto flagOn = [](const char *name, const char *line, const QString &property) {
            modelRow(name, {}, {line}, {property + "=true"}, {property + "Changed(true)"});
        };
        flagOn("phantom power", "FF6A8501", "micPhantom");
        flagOn("timer event", "FF6A8601", "timerEvent");
        flagOn("upload", "FF6A8701", "upload");
        flagOn("download", "FF6A8801", "download");
        flagOn("automatic gain", "FF6A8D01", "agc");
        flagOn("low cut", "FF6AE001", "lowCut");
        flagOn("auto mark", "FF6AE101", "autoMark");
        flagOn("any number but 0 is on", "FF6A8510", "micPhantom");
        modelRow("0 is off", {"FF6A8501"}, {"FF6A8500"}, {"micPhantom=false"}, {"micPhantomChanged(false)"});
        modelRow("not a number is off", {"FF6A8501"}, {"FF6A85XX"}, {"micPhantom=false"}, {"micPhantomChanged(false)"});
        modelRow("missing is off", {"FF6A8501"}, {"FF6A85"}, {"micPhantom=false"}, {"micPhantomChanged(false)"});
        modelRow("flag on change only", {}, {"FF6AE001", "FF6AE002"}, {"lowCut=true"}, {"lowCutChanged(true)"});

        modelRow("repeat", {}, {"FF6A8A03", "FF6A8A03"}, {"repeat=3"}, {"repeatChanged(3)"});
        modelRow("dynamics", {}, {"FF6A8E02"}, {"dynamics=2"}, {"dynamicsChanged(2)"});
        const char *pairs[] = {"SD1-SD2", "SD1-USB", "SD2-SD1", "SD2-USB", "USB-SD1", "USB-SD2"};
        for (int i = 0; i < 6; ++i) {
            const QString pair = QLatin1String(pairs[i]);
            QTest::newRow(qPrintable("backup pair " + pair))
                << QStringList() << QStringList{QStringLiteral("FF6A8B%1").arg(i, 2, 10, QLatin1Char('0'))}
                << QStringList{"currentMediaBackupRelay=" + pair}
                << QStringList{"currentMediaBackupRelayChanged(\"" + pair + "\")"};
        }
        modelRow("backup pair reads the whole rest", {}, {"FF6A8B0005"}, {"currentMediaBackupRelay=USB-SD2"},
                 {"currentMediaBackupRelayChanged(\"USB-SD2\")"});
        modelRow("unknown backup pair is none", {"FF6A8B02"}, {"FF6A8B06"}, {"currentMediaBackupRelay="},
                 {"currentMediaBackupRelayChanged(\"\")"});
        modelRow("backup pair not a number reads SD1-SD2", {}, {"FF6A8BXX"}, {"currentMediaBackupRelay=SD1-SD2"},
                 {"currentMediaBackupRelayChanged(\"SD1-SD2\")"});
        modelRow("mono mix on 00", {}, {"FF6AE200"}, {"monoMix=true"}, {"monoMixChanged(true)"});
        modelRow("mono mix off otherwise", {"FF6AE200"}, {"FF6AE201"}, {"monoMix=false"}, {"monoMixChanged(false)"});
        modelRow("track top in hexadecimal", {}, {"FF6AE300057E40"}, {"currentTrackTop=360000"},
                 {"currentTrackTopChanged(360000)"});
        modelRow("unfinalized", {}, {"FF6AE500"}, {"finalizedCd=Unfinalized"}, {"finalizedCdChanged(\"Unfinalized\")"});
        modelRow("finalized", {}, {"FF6AE501"}, {"finalizedCd=Finalized"}, {"finalizedCdChanged(\"Finalized\")"});
        modelRow("finalized unless exactly 00", {}, {"FF6AE5"}, {"finalizedCd=Finalized"},
                 {"finalizedCdChanged(\"Finalized\")"});
        modelRow("busy detail", {}, {"FF6AE603"}, {"statusDetail=3"}, {"statusDetailChanged(3)"});
        modelRow("busy detail reads the whole rest", {}, {"FF6AE612"}, {"statusDetail=12"}, {"statusDetailChanged(12)"});

        modelRow("read-only reply reaches the editing right", {}, {"FF6AFD00"}, {"isReadOnly=false"},
                 {"permission.isReadOnlyChanged(false)"});
        modelRow("editing right granted", {}, {"FF6AFE11"}, {"okPermission=true"}, {"permission.okPermissionChanged()"});
        modelRow("editing right taken", {"@permit"}, {"FF6AFE10"}, {"okPermission=false"},
                 {"permission.okPermissionChanged()"});
        modelRow("pop-up 1", {}, {"FF6AFAF001"}, {}, {"popupReceived(1)"});
        modelRow("pop-up 3", {}, {"FF6AFAF003"}, {}, {"popupReceived(3)"});
        modelRow("pop-up without a number", {}, {"FF6AFAF0", "FF6AFAF0XX"}, {}, {"popupReceived(0)", "popupReceived(0)"});
        modelRow("menu reply is no pop-up", {}, {"FF6AFA1001", "FF6AFAf001"}, {}, {});
    }
    void recorderSettings() { runReplies(false); }

    void levelMeter_data()
    {
        addReplyColumns(false);
        modelRow("levels are steps minus one", {}, {meter("000110FF", "0000")},
                 {"levelMeterL=0", "levelMeterR=0", "levelMeterLPeak=15", "levelMeterRPeak=254", "levelMeterLOver=false",
                  "levelMeterROver=false"},
                 {"levelMeterLPeakChanged(15)", "levelMeterRPeakChanged(254)"});
        modelRow("four levels in order", {}, {meter("02030405", "0000")},
                 {"levelMeterL=1", "levelMeterR=2", "levelMeterLPeak=3", "levelMeterRPeak=4"},
                 {"levelMeterLChanged(1)", "levelMeterRChanged(2)", "levelMeterLPeakChanged(3)",
                  "levelMeterRPeakChanged(4)"});
        modelRow("left over", {}, {meter("00000000", "0100")}, {"levelMeterLOver=true", "levelMeterROver=false"},
                 {"levelMeterLOverChanged(true)"});
        modelRow("right over", {}, {meter("00000000", "0001")}, {"levelMeterLOver=false", "levelMeterROver=true"},
                 {"levelMeterROverChanged(true)"});
        modelRow("over flags read the second character of each pair", {}, {meter("00000000", "1010")},
                 {"levelMeterLOver=false", "levelMeterROver=false"}, {});
        modelRow("any character but 0 is over", {}, {meter("00000000", "0X0Y")},
                 {"levelMeterLOver=true", "levelMeterROver=true"},
                 {"levelMeterLOverChanged(true)", "levelMeterROverChanged(true)"});
        modelRow("over ends", {}, {meter("00000000", "0101"), meter("00000000", "0000")},
                 {"levelMeterLOver=false", "levelMeterROver=false"},
                 {"levelMeterLOverChanged(true)", "levelMeterLOverChanged(false)", "levelMeterROverChanged(true)",
                  "levelMeterROverChanged(false)"});
        modelRow("levels on change only", {}, {meter("02030405", "0000"), meter("02030405", "0000")},
                 {"levelMeterL=1"},
                 {"levelMeterLChanged(1)", "levelMeterRChanged(2)", "levelMeterLPeakChanged(3)",
                  "levelMeterRPeakChanged(4)"});
        modelRow("longer reply", {}, {meter("02030405", "000199")}, {"levelMeterL=1", "levelMeterROver=true"},
                 {"levelMeterLChanged(1)", "levelMeterRChanged(2)", "levelMeterLPeakChanged(3)",
                  "levelMeterRPeakChanged(4)", "levelMeterROverChanged(true)"});
        modelRow("short reply keeps the last reading", {meter("02030405", "0101")}, {meter("00000000", "010")},
                 {"levelMeterL=1", "levelMeterR=2", "levelMeterLPeak=3", "levelMeterRPeak=4", "levelMeterLOver=true",
                  "levelMeterROver=true"},
                 {});
    }
    void levelMeter() { runReplies(false); }

    void recordingFormat_data()
    {
        addReplyColumns(false);
        // At start: no format, no CD format, backup or relay true, both rates 0.
        const auto format = [](const char *code, const QString &text, const QString &cd, bool backup, int fs, int fsCd) {
            QStringList emitted;
            if (!text.isEmpty())
                emitted << "recFormatChanged(\"" + text + "\")";
            if (!cd.isEmpty())
                emitted << "recFormatCdChanged(\"" + cd + "\")";
            if (!backup)
                emitted << "backupRelayChanged(false)";
            if (fs != 0)
                emitted << QStringLiteral("recFsChanged(%1)").arg(fs);
            if (fsCd != 0)
                emitted << QStringLiteral("recFsCdChanged(%1)").arg(fsCd);
            QTest::newRow(code) << QStringList() << QStringList{QLatin1String("FF6A8C") + QLatin1String(code)}
                                << QStringList{"recFormat=" + text, "recFormatCd=" + cd,
                                               QStringLiteral("backupRelay=%1").arg(backup ? "true" : "false"),
                                               QStringLiteral("recFs=%1").arg(fs), QStringLiteral("recFsCd=%1").arg(fsCd)}
                                << emitted;
        };
        format("00", "Wav", "CD-DA", false, 0, 0);
        format("01", "Mp3", "Mp3", false, 0, 0);
        format("02", "Wav16+Mp3", "Mp3", false, 0, 1);
        format("03", "Wav(Backup)", "", true, 0, 0);
        format("04", "Mp3(Backup)", "", true, 0, 0);
        format("05", "Wav(Relay)", "", true, 0, 0);
        format("06", "Mp3(Relay)", "", true, 0, 0);
        format("07", "Wav16+Mp3\n(Relay)", "", true, 0, 0);
        format("08", "Wav", "CD-DA", false, 1, 0);
        format("09", "Mp3", "Mp3", false, 1, 0);
        format("10", "Wav16+Mp3", "Mp3", false, 1, 1);
        format("11", "Wav(Backup)", "", true, 1, 0);
        format("15", "Wav16+Mp3\n(Relay)", "", true, 1, 0);
        format("16", "Wav", "", false, 2, 0);
        format("17", "", "", false, 1, 0);
        format("99", "", "", false, 1, 0);
        format("XX", "Wav", "CD-DA", false, 0, 0);
        modelRow("backup format keeps the CD rate", {"FF6A8C02"}, {"FF6A8C03"}, {"recFsCd=1"},
                 {"recFormatChanged(\"Wav(Backup)\")", "recFormatCdChanged(\"\")", "backupRelayChanged(true)"});
        modelRow("96 kHz keeps the CD rate", {"FF6A8C10"}, {"FF6A8C16"},
                 {"recFormat=Wav", "recFormatCd=", "recFs=2", "recFsCd=1"},
                 {"recFormatChanged(\"Wav\")", "recFormatCdChanged(\"\")", "recFsChanged(2)"});
        modelRow("CD-DA sets the CD rate back", {"FF6A8C02"}, {"FF6A8C00"}, {"recFsCd=0"},
                 {"recFormatChanged(\"Wav\")", "recFormatCdChanged(\"CD-DA\")", "recFsCdChanged(0)"});
        modelRow("same format once", {}, {"FF6A8C01", "FF6A8C01"}, {"recFormat=Mp3"},
                 {"recFormatChanged(\"Mp3\")", "recFormatCdChanged(\"Mp3\")", "backupRelayChanged(false)"});
    }
    void recordingFormat() { runReplies(false); }

    void recordAnswer_data()
    {
        addReplyColumns(true);
        const QByteArray meterOn = "07F6A3F01\r\n";
        linkRow("ready to record", {}, {"FF72810100"}, {}, {}, "01301\r\n" + meterOn);
        linkRow("not ready", {}, {"FF72810101"}, {}, {}, "01300\r\n" + meterOn);
        linkRow("no data", {}, {"FF728101"}, {}, {}, "01300\r\n" + meterOn);
        linkRow("longer data", {}, {"FF7281010000"}, {}, {}, "01301\r\n" + meterOn);
    }
    void recordAnswer() { runReplies(true); }

    // Reply families that other classes decode reach them.
    void forwarding_data()
    {
        addReplyColumns(true);
        linkRow("mark count 0 empties the marks", {"@mark=7005"}, {"FF03DD0000"}, {"marks="}, {"mark.markClear()"});
        linkRow("mark count asks for the first mark", {}, {"FF03DD0200"}, {"marks="}, {"mark.markClear()"},
                "07F03580100\r\n");
        linkRow("mark time", {}, {"FF03D8010000011005"}, {"marks=7005"}, {"mark.markTimeReceived(7005)"});
        linkRow("media browser reply", {}, {"FF6B0500", "FF6B"}, {}, {});
        linkRow("playlist reply", {}, {"FF450001", "FF45"}, {}, {});
        linkRow("playlist entry reply", {}, {"FF31CB0102", "FF31CB"}, {}, {});
        linkRow("timer event reply", {}, {"FF4756000102", "FF47"}, {}, {});
        // A page count of 1 starts the menu download: level meters off, the first page's name asked for.
        linkRow("menu reply", {}, {"FF6AFA1001", "FF6AFA"}, {}, {}, "07F6A3F00\r\n07F6A7A200000\r\n");
    }
    void forwarding() { runReplies(true); }
};

HB740_TEST_MAIN(TestReplies)
#include "tst_replies.moc"
