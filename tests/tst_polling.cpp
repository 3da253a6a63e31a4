#include "SessionFixture.h"
#include "TestMain.h"
#include "TimerTicks.h"

#include <QtTest>

namespace {
const QByteArray statusPoll = "050\r\n055\r\n05D\r\n";
const QByteArray idleQueries = "055\r\n07F01FF\r\n07F3105\r\n07F6A02\r\n";
const QByteArray refreshStart = "03F00\r\n050\r\n055\r\n05D\r\n";
}

// A logged-in session whose sleep check runs only when the test calls it,
// on a clock the test sets.
struct PollFixture : SessionFixture
{
    bool start()
    {
        backend.comm.sleepTimer.stop();
        backend.comm.clock = [this] { return now; };
        if (!logIn())
            return false;
        QTest::qWait(200);
        recorder.clearReceived();
        return true;
    }

    // Logged in with the menu drawn and the session announced, the time poll
    // held; what the login and the announcement sent is cleared.
    bool startPolling()
    {
        backend.menu.drawingFinished = true;
        if (!start() || !announced.wait(2000) || !runs(backend.comm.timeTimerId, 200))
            return false;
        hold(backend.comm.timeTimerId);
        settle();
        return true;
    }

    // Lets what was sent arrive, then forgets it.
    void settle()
    {
        sent();
        recorder.clearReceived();
    }

    QList<QAbstractEventDispatcher::TimerInfo> timers() { return TimerTicks::running(&backend.comm); }
    bool runs(int id, int intervalMs) { return TimerTicks::runs(&backend.comm, id, intervalMs); }
    void hold(int id) { TimerTicks::hold(id); }
    void tick(int id, int times = 1) { TimerTicks::tick(&backend.comm, id, times); }

    qint64 now = 1000000;
};

class TestPolling : public QObject
{
    Q_OBJECT

private slots:
    void sleepCheckWhileLoggedOutSendsNothing()
    {
        PollFixture f;
        f.backend.comm.sleepTimer.stop();
        f.backend.comm.clock = [&] { return f.now; };
        f.backend.comm.sleepCheck();
        f.now += 60000;
        f.backend.comm.sleepCheck();
        QVERIFY(f.recorder.listen());
        QCOMPARE(f.recorder.connectionCount(), 0);
    }

    void sleepCheck_data()
    {
        QTest::addColumn<qint64>("gap");
        QTest::addColumn<bool>("refresh");
        QTest::newRow("one second") << qint64(1000) << false;
        QTest::newRow("exactly five seconds") << qint64(5000) << false;
        QTest::newRow("just over five seconds: the computer slept") << qint64(5001) << true;
        QTest::newRow("an hour asleep") << qint64(3600000) << true;
    }
    void sleepCheck()
    {
        QFETCH(qint64, gap);
        QFETCH(bool, refresh);
        PollFixture f;
        QVERIFY(f.start());
        f.backend.comm.sleepCheck(); // the first call only sets the clock
        QCOMPARE(f.sent(), statusPoll);
        f.recorder.clearReceived();
        f.now += gap;
        f.backend.comm.sleepCheck();
        const QByteArray sent = f.sent();
        QVERIFY2(sent.startsWith(statusPoll), sent.constData());
        QCOMPARE(sent.contains(refreshStart), refresh);
    }

    // The idle poll runs while the status is 0, 16 or 255 and the time poll
    // from the announcement on; the end of the session stops both.
    void pollTimersStartAndStop()
    {
        PollFixture f;
        QVERIFY(f.start());
        Communication &comm = f.backend.comm;
        QVERIFY(f.timers().isEmpty());
        QCOMPARE(comm.timeTimerId, 0);

        comm.recievedData("D010");
        const int idle = comm.idleTimerId;
        QVERIFY(f.runs(idle, 500));
        comm.recievedData("D0FF"); // still idle: the same timer
        QCOMPARE(comm.idleTimerId, idle);
        QCOMPARE(f.timers().size(), 1);

        QVERIFY(f.announced.wait(2000));
        QVERIFY(f.runs(comm.timeTimerId, 200));
        QCOMPARE(f.timers().size(), 2);

        comm.recievedData("D011");
        QCOMPARE(comm.idleTimerId, 0);
        QVERIFY(f.runs(comm.timeTimerId, 200));
        QCOMPARE(f.timers().size(), 1);

        comm.recievedData("D000");
        QVERIFY(f.runs(comm.idleTimerId, 500));
        comm.logoutRequest();
        QCOMPARE(comm.idleTimerId, 0);
        QCOMPARE(comm.timeTimerId, 0);
        QVERIFY(f.timers().isEmpty());
    }

    void idleTimerFollowsTheStatus_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("idle");
        QTest::newRow("no transport state") << "D000" << true;
        QTest::newRow("stop") << "D010" << true;
        QTest::newRow("busy") << "D0FF" << true;
        QTest::newRow("play") << "D011" << false;
        QTest::newRow("play pause") << "D012" << false;
        QTest::newRow("record") << "D081" << false;
        QTest::newRow("record pause") << "D082" << false;
        QTest::newRow("the other record pause") << "D083" << false;
    }
    void idleTimerFollowsTheStatus()
    {
        QFETCH(QString, status);
        QFETCH(bool, idle);
        PollFixture f;
        QVERIFY(f.start());
        Communication &comm = f.backend.comm;
        // From no idle timer, and from a running one.
        comm.recievedData(status);
        QCOMPARE(f.runs(comm.idleTimerId, 500), idle);
        QCOMPARE(comm.idleTimerId != 0, idle);
        comm.recievedData("D010");
        comm.recievedData(status);
        QCOMPARE(f.runs(comm.idleTimerId, 500), idle);
        QCOMPARE(comm.idleTimerId != 0, idle);
        QCOMPARE(f.timers().size(), idle ? 1 : 0);
    }

    // Before the menu screen is built neither timer poll sends anything; the
    // sleep check does.
    void timerPollsWaitForTheMenu()
    {
        PollFixture f;
        QVERIFY(f.start());
        Communication &comm = f.backend.comm;
        comm.recievedData("D010"); // stopped: the idle poll runs
        QVERIFY(f.announced.wait(2000));
        QVERIFY(f.runs(comm.idleTimerId, 500));
        QVERIFY(f.runs(comm.timeTimerId, 200));
        f.hold(comm.idleTimerId);
        f.hold(comm.timeTimerId);
        f.settle();

        f.tick(comm.idleTimerId, 3);
        f.tick(comm.timeTimerId, 3);
        comm.sleepCheck();
        QCOMPARE(f.sent(), statusPoll);

        f.recorder.clearReceived();
        f.backend.menu.drawingFinished = true;
        f.tick(comm.idleTimerId);
        f.tick(comm.timeTimerId);
        QCOMPARE(f.sent(), idleQueries + "05800\r\n05801\r\n");
    }

    void idlePoll_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QByteArray>("tick");
        QTest::newRow("stopped") << "D010" << idleQueries;
        QTest::newRow("no transport state") << "D000" << idleQueries;
        QTest::newRow("busy asks the status too") << "D0FF" << QByteArray("050\r\n") + idleQueries;
    }
    void idlePoll()
    {
        QFETCH(QString, status);
        QFETCH(QByteArray, tick);
        PollFixture f;
        QVERIFY(f.startPolling());
        Communication &comm = f.backend.comm;
        comm.recievedData(status);
        const int idle = comm.idleTimerId;
        QVERIFY(f.runs(idle, 500));
        f.hold(idle);
        f.settle(); // the status reply's own follow-up

        f.tick(idle, 3);
        QCOMPARE(f.sent(), tick.repeated(3));

        comm.recievedData("D011"); // playing: the idle poll stops
        QCOMPARE(comm.idleTimerId, 0);
        f.settle();
        f.tick(idle); // a tick of the stopped timer
        QCOMPARE(f.sent(), QByteArray());
    }

    void timePoll_data()
    {
        QTest::addColumn<bool>("displayMode");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QByteArray>("tick");
        QTest::newRow("elapsed and remaining of the track") << false << "D011" << QByteArray("05800\r\n05801\r\n");
        QTest::newRow("the other display mode") << true << "D011" << QByteArray("05802\r\n05803\r\n");
        QTest::newRow("record pause: silent") << false << "D083" << QByteArray();
        QTest::newRow("the other record pause asks") << false << "D082" << QByteArray("05800\r\n05801\r\n");
        QTest::newRow("busy asks") << true << "D0FF" << QByteArray("05802\r\n05803\r\n");
    }
    void timePoll()
    {
        QFETCH(bool, displayMode);
        QFETCH(QString, status);
        QFETCH(QByteArray, tick);
        PollFixture f;
        QVERIFY(f.startPolling());
        Communication &comm = f.backend.comm;
        comm.recievedData(status);
        f.hold(comm.idleTimerId);
        comm.setDisplayMode(displayMode);
        f.settle();

        f.tick(comm.timeTimerId, 3);
        QCOMPARE(f.sent(), tick.repeated(3));
        // A timer that is neither poll's is ignored.
        f.tick(qMax(comm.timeTimerId, comm.idleTimerId) + 1);
        QCOMPARE(f.sent(), tick.repeated(3));
    }

    void displayModeSwitchesTheNextTick()
    {
        PollFixture f;
        QVERIFY(f.startPolling());
        Communication &comm = f.backend.comm;
        f.tick(comm.timeTimerId);
        comm.setDisplayMode(true);
        f.tick(comm.timeTimerId);
        comm.setDisplayMode(false);
        f.tick(comm.timeTimerId);
        QCOMPARE(f.sent(), QByteArray("05800\r\n05801\r\n07F6A63\r\n05802\r\n05803\r\n07F6A63\r\n05800\r\n05801\r\n"));
    }

    void displayModeChange()
    {
        PollFixture f;
        QVERIFY(f.start());
        QSignalSpy changed(&f.backend.comm, &Communication::displayModeChanged);
        f.backend.comm.setProperty("displayMode", true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.backend.comm.markRedrawState, 1);
        f.backend.comm.setProperty("displayMode", true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.sent(), QByteArray("07F6A63\r\n"));
    }

    void refreshRepeatsTheWholeRefresh()
    {
        PollFixture f;
        QVERIFY(f.start());
        f.backend.comm.rebuildHome();
        f.backend.comm.rebuildHome();
        const QByteArray sent = f.sent();
        QCOMPARE(sent.count(refreshStart), 2);
        QCOMPARE(sent.count("07F035D\r\n07F6A63\r\n"), 2);
    }
};

HB740_TEST_MAIN(TestPolling)
#include "tst_polling.moc"
