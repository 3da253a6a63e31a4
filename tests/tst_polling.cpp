#include "SessionFixture.h"
#include "TestMain.h"

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

    void timerPollsWaitForTheMenu()
    {
        PollFixture f;
        QVERIFY(f.start());
        f.backend.comm.recievedData("D010"); // stopped: the idle poll runs
        QVERIFY(f.backend.comm.idleTimerId != 0);
        QVERIFY(f.announced.wait(2000));
        QVERIFY(f.backend.comm.timeTimerId != 0);
        QCOMPARE(f.sent(1200), QByteArray());
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
        f.backend.menu.drawingFinished = true;
        QVERIFY(f.start());
        f.backend.comm.recievedData(status);
        QVERIFY(f.announced.wait(2000));
        QTest::qWait(100);
        f.recorder.clearReceived();
        // Stop the time poll to see the idle poll alone.
        f.backend.comm.killTimer(f.backend.comm.timeTimerId);
        f.backend.comm.timeTimerId = 0;
        const QByteArray sent = f.recorder.receivedAfter(1150);
        QVERIFY2(sent == tick + tick || sent == tick + tick + tick, QByteArray(sent).replace("\r\n", " ").constData());

        f.backend.comm.recievedData("D011"); // playing: the idle poll stops
        QCOMPARE(f.backend.comm.idleTimerId, 0);
        QTest::qWait(100);
        f.recorder.clearReceived();
        QVERIFY(!f.recorder.receivedAfter(700).contains(idleQueries));
    }

    void timePoll_data()
    {
        QTest::addColumn<bool>("displayMode");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QByteArray>("tick");
        QTest::newRow("elapsed and remaining of the track") << false << "D011" << QByteArray("05800\r\n05801\r\n");
        QTest::newRow("the other display mode") << true << "D011" << QByteArray("05802\r\n05803\r\n");
        QTest::newRow("record pause: silent") << false << "D083" << QByteArray();
    }
    void timePoll()
    {
        QFETCH(bool, displayMode);
        QFETCH(QString, status);
        QFETCH(QByteArray, tick);
        PollFixture f;
        f.backend.menu.drawingFinished = true;
        QVERIFY(f.start());
        f.backend.comm.recievedData(status);
        f.backend.comm.setDisplayMode(displayMode);
        QVERIFY(f.announced.wait(2000));
        QTest::qWait(50);
        f.recorder.clearReceived();
        QTest::qWait(1000);
        QByteArray sent = f.recorder.receivedSinceLink();
        sent.replace("07F6A01\r\n07F6A02\r\n", ""); // the status reply's own follow-up
        if (tick.isEmpty()) {
            QCOMPARE(sent, QByteArray());
        } else {
            const int ticks = sent.count(tick.left(7));
            QVERIFY2(ticks >= 3 && ticks <= 6 && sent == tick.repeated(ticks), sent.constData());
        }
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
