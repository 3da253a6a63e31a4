#include "SessionFixture.h"
#include "TestMain.h"

#include <QtTest>

namespace {
const QByteArray loginCommands = QByteArray()
    + "03F00\r\n050\r\n055\r\n05D\r\n030FF\r\n036FF\r\n03AFF\r\n04E\r\n035FF\r\n07F6A0A\r\n"
    + "02DFF\r\n025FF\r\n03DFF\r\n07F6A0001\r\n07F01FF\r\n07F6A04\r\n07F6A05\r\n07F6A06\r\n07F6A0A\r\n"
    + "07F074FFF\r\n07F6A0C\r\n07F3105\r\n07F6A02\r\n07F6A0B\r\n07F0417FF\r\n07F6A07\r\n07F6A08\r\n07F6A0D\r\n"
    + "07F6A0E\r\n07F6A60\r\n07F12110000FF\r\n07F6A61\r\n031FF\r\n038FF\r\n07F6A01\r\n07F6A62\r\n"
    + "07F6A63\r\n056\r\n07F6A65\r\n"
    + "07F035D\r\n07F6A63\r\n" // the mark list
    + "07F6A7A10\r\n" // the menu
    + "07F6A7D\r\n07F6A7EFF\r\n" // the editing right
    + "07F475600\r\n"; // the timer events
}

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void freshAccountStartsEmpty()
    {
        Communication comm;
        QCOMPARE(comm.address(), QString(""));
        QCOMPARE(comm.password(), QString(""));
        QCOMPARE(comm.loginState(), 0);
        QCOMPARE(comm.model(), 255);
    }

    void successfulLogin()
    {
        SessionFixture f;
        f.recorder.modelAnswer = FakeRecorder::ModelAnswer::Model0;
        QSignalSpy addressSpy(&f.backend.comm, &Communication::addressChanged);
        QSignalSpy modelSpy(&f.backend.comm, &Communication::modelChanged);
        QElapsedTimer clock;
        clock.start();
        qint64 loggedInAt = -1;
        QObject::connect(&f.backend.comm, &Communication::loginStateChanged, [&](int state) {
            if (state == 2)
                loggedInAt = clock.elapsed();
        });
        QVERIFY(f.logIn());

        QCOMPARE(addressSpy.count(), 1);
        QCOMPARE(f.stateHistory(), QList<int>({1, 2}));
        QCOMPARE(modelSpy.count(), 1);
        QCOMPARE(f.backend.comm.model(), 0);
        QVERIFY(f.backend.comm.loginComp()); // already true, not yet announced
        QCOMPARE(f.announced.count(), 0);

        // The dialogue, then the login's commands in their order, without the
        // playlist query: the editing right is not held.
        QVERIFY(f.recorder.received().startsWith("\r\npass\r\n07F6A64\r\n" + loginCommands));

        QVERIFY(f.announced.wait(2000));
        QVERIFY2(clock.elapsed() - loggedInAt >= 700, qPrintable(QString::number(clock.elapsed() - loggedInAt)));
        QCOMPARE(f.announced.at(0).at(0).toBool(), true);
        QVERIFY(f.backend.comm.timeTimerId != 0);

        DataSettings settings;
        QCOMPARE(settings.loadSettingString("Login", "Address"), f.address());
        QCOMPARE(settings.loadSettingString("Login", "ps"), QString("pass"));
        Communication restarted;
        QCOMPARE(restarted.address(), f.address());
        QCOMPARE(restarted.password(), QString("pass"));
    }

    // A session that fails within the 800 ms is never announced.
    void announcementIsCancelledWhenTheSessionEnds()
    {
        SessionFixture f;
        QVERIFY(f.logIn());
        f.recorder.stopListening();
        f.recorder.closeClient();
        QVERIFY(QTest::qWaitFor([&] { return f.backend.comm.loginState() == 0; }, 3000));
        QTest::qWait(1000);
        QVERIFY(!f.backend.comm.loginComp());
        for (const QList<QVariant> &args : f.announced)
            QCOMPARE(args.at(0).toBool(), false);
        QCOMPARE(f.backend.comm.timeTimerId, 0);
    }

    void lostLinkReconnectsAtOnce()
    {
        SessionFixture f;
        QVERIFY(f.logIn());
        QVERIFY(f.announced.wait(2000));
        QSignalSpy status(&f.backend.comm, &Communication::statusIconChanged);
        QSignalSpy media(&f.backend.comm, &Communication::currentMediaChanged);
        f.recorder.clearReceived();
        f.recorder.closeClient();
        QVERIFY(QTest::qWaitFor([&] { return f.recorder.connectionCount() == 2 && f.backend.comm.loginState() == 2; }));
        QCOMPARE(f.stateHistory(), QList<int>({1, 2, 3, 2}));
        QCOMPARE(f.announced.at(1).at(0).toBool(), false);
        QCOMPARE(status.count(), 1);
        QCOMPARE(status.at(0).at(0).toInt(), 0);
        QCOMPARE(media.count(), 1);
        QCOMPARE(media.at(0).at(0).toString(), QString(""));
        QVERIFY(f.recorder.waitForRequest(TimerEvent::commandInit));
        QVERIFY(f.recorder.received().startsWith("\r\npass\r\n07F6A64\r\n" + loginCommands));
        QVERIFY(f.announced.wait(2000));
    }

    void lostLinkIsRetriedTwiceThenGivenUp()
    {
        SessionFixture f;
        QVERIFY(f.logIn());
        f.recorder.stopListening();
        f.recorder.closeClient();
        QVERIFY(QTest::qWaitFor([&] { return f.backend.comm.loginState() == 0; }, 3000));
        QCOMPARE(f.stateHistory(), QList<int>({1, 2, 3, 4, 0}));
        QTest::qWait(200);
        QCOMPARE(f.stateHistory().size(), 5);
    }

    // States 1, 3 and 4 wait for the full, the quick and the full connect
    // time-out (scaled down here), then the attempt is given up.
    void unreachableRecorderTimings()
    {
        SessionFixture f;
        QVERIFY(f.recorder.listenUnresponsive());
        f.backend.telnet.connectTimeoutMs = 1500;
        QList<qint64> times;
        QElapsedTimer clock;
        QObject::connect(&f.backend.comm, &Communication::loginStateChanged, [&] { times.append(clock.elapsed()); });
        clock.start();
        f.backend.comm.loginRequest(f.address(), "pass");
        QVERIFY(QTest::qWaitFor([&] { return f.backend.comm.loginState() == 0; }, 8000));
        QCOMPARE(f.stateHistory(), QList<int>({1, 3, 4, 0}));
        const qint64 first = times[1] - times[0];
        const qint64 quick = times[2] - times[1];
        const qint64 second = times[3] - times[2];
        const QString figures = QString("%1 %2 %3").arg(first).arg(quick).arg(second);
        QVERIFY2(first >= 1400 && first < 2500, qPrintable(figures));
        QVERIFY2(quick >= 450 && quick < 1200, qPrintable(figures));
        QVERIFY2(second >= 1400 && second < 2500, qPrintable(figures));
    }

    void refusedPasswordIsNotRetried()
    {
        DataSettings().saveSetting("Login", "ps", "");
        SessionFixture f;
        f.recorder.password = "other";
        f.backend.telnet.dialogueTimeoutMs = 300;
        QVERIFY(f.recorder.listen());
        f.backend.comm.loginRequest(f.address(), "pass");
        QVERIFY(f.popups.wait());
        QCOMPARE(f.popups.at(0).at(0).toInt(), 100);
        QCOMPARE(f.backend.comm.loginState(), 4);
        QVERIFY(QTest::qWaitFor([&] { return f.backend.comm.loginState() == 0; }, 3000));
        QTest::qWait(200);
        QCOMPARE(f.stateHistory(), QList<int>({1, 4, 0}));
        QCOMPARE(f.recorder.connectionCount(), 1);
        // A refused password is not stored.
        QCOMPARE(DataSettings().loadSettingString("Login", "ps"), QString(""));
    }

    void logout()
    {
        SessionFixture f;
        QVERIFY(f.logIn());
        QVERIFY(f.announced.wait(2000));
        QSignalSpy status(&f.backend.comm, &Communication::statusIconChanged);
        QSignalSpy media(&f.backend.comm, &Communication::currentMediaChanged);
        QSignalSpy cleared(&f.backend.mark, &Mark::markClear);
        f.backend.menu.setDrawingFinished(true);
        f.backend.comm.logoutRequest();
        QCOMPARE(f.stateHistory(), QList<int>({1, 2, 4, 0}));
        QCOMPARE(f.announced.last().at(0).toBool(), false);
        QCOMPARE(status.count(), 1);
        QCOMPARE(media.count(), 1);
        QCOMPARE(cleared.count(), 1);
        QVERIFY(!f.backend.menu.drawingFinished);
        QCOMPARE(f.backend.comm.timeTimerId, 0);
        QVERIFY(QTest::qWaitFor([&] { return !f.recorder.hasClient(); }));
        QTest::qWait(300);
        QCOMPARE(f.recorder.connectionCount(), 1);
        QCOMPARE(f.backend.comm.loginState(), 0);
    }

    // The track's length belongs to the session: once it ends, by a lost link
    // or a logout, the length is unknown (0) until the next time reply.
    void trackLengthIsUnknownAfterTheSession_data()
    {
        QTest::addColumn<bool>("logout");
        QTest::newRow("lost link") << false;
        QTest::newRow("logout") << true;
    }
    void trackLengthIsUnknownAfterTheSession()
    {
        QFETCH(bool, logout);
        SessionFixture f;
        Communication &comm = f.backend.comm;
        QCOMPARE(comm.trackTotalTimeFlame(), 0);
        QVERIFY(f.logIn());
        f.recorder.send("0D80105000000\r\n"); // 5 min remaining of nothing played
        QTRY_COMPARE(comm.trackTotalTimeFlame(), 30000);
        QSignalSpy total(&comm, &Communication::trackTotalTimeFlameChanged);
        if (logout)
            comm.logoutRequest();
        else
            f.recorder.closeClient();
        QTRY_COMPARE(total.count(), 1);
        QCOMPARE(total.at(0).at(0).toInt(), 0);
        QCOMPARE(comm.trackTotalTimeFlame(), 0);
        if (!logout)
            QVERIFY(QTest::qWaitFor([&] { return f.recorder.connectionCount() == 2 && comm.loginState() == 2; }));
        QCOMPARE(total.count(), 1);
    }

    // The right belongs to a session: a new one starts without it, so gated
    // commands wait for the new grant and the window's restart comes.
    void editingRightEndsWithTheSession()
    {
        SessionFixture f;
        QVERIFY(f.logIn());
        f.backend.permission.recievedCommandFF6AFE("11");
        QSignalSpy right(&f.backend.permission, &Permission::okPermissionChanged);
        f.recorder.closeClient();
        QVERIFY(QTest::qWaitFor([&] { return f.recorder.connectionCount() == 2 && f.backend.comm.loginState() == 2; }));
        QCOMPARE(right.count(), 1);
        QVERIFY(!f.backend.permission.okPermission);
        QVERIFY(f.recorder.waitForRequest(TimerEvent::commandInit));
        QVERIFY(!f.recorder.receivedSinceLink().contains("07F4500"));
    }

    // The other ways a session ends give the right up as well.
    void editingRightEndsWithLogoutAndSuspension_data()
    {
        QTest::addColumn<bool>("logout");
        QTest::newRow("logout") << true;
        QTest::newRow("resumed after a suspension") << false;
    }
    void editingRightEndsWithLogoutAndSuspension()
    {
        QFETCH(bool, logout);
        SessionFixture f;
        QVERIFY(f.logIn());
        f.backend.permission.recievedCommandFF6AFE("11");
        QSignalSpy right(&f.backend.permission, &Permission::okPermissionChanged);
        if (logout) {
            f.backend.comm.logoutRequest();
        } else {
            f.backend.comm.onApplicationStateChanged(Qt::ApplicationSuspended);
            QCOMPARE(right.count(), 0);
            f.backend.comm.onApplicationStateChanged(Qt::ApplicationActive);
        }
        QCOMPARE(right.count(), 1);
        QVERIFY(!f.backend.permission.okPermission);
    }

    void playlistQueryAtLoginWithTheRight()
    {
        SessionFixture f;
        QVERIFY(f.recorder.listen());
        // The right arrives while the dialogue runs.
        QObject::connect(&f.recorder, &FakeRecorder::stageReached, [&](FakeRecorder::Stage stage) {
            if (stage == FakeRecorder::Stage::LoggedIn)
                f.backend.permission.recievedCommandFF6AFE("11");
        });
        QVERIFY(f.logIn());
        const QByteArray sent = f.recorder.receivedSinceLink();
        QVERIFY(sent.contains("07F6A63\r\n07F4500\r\n07F6A7A10\r\n"));
    }

    void loginToAnotherRecorderReplacesTheSession()
    {
        SessionFixture f;
        QVERIFY(f.logIn());
        FakeRecorder other(nextRecorderAddress());
        other.password = "second";
        other.setReply("07F035D", {"0FF03DD0000"});
        QVERIFY(other.listen());
        f.backend.comm.loginRequest(other.address().toString(), "second");
        QVERIFY(QTest::qWaitFor([&] { return f.backend.comm.loginState() == 2 && other.hasClient(); }));
        QVERIFY(other.waitForRequest(TimerEvent::commandInit));
        QVERIFY(QTest::qWaitFor([&] { return !f.recorder.hasClient(); }));
        QCOMPARE(f.stateHistory(), QList<int>({1, 2, 1, 2}));
        QCOMPARE(f.backend.comm.address(), other.address().toString());
        QCOMPARE(other.received().left(19), QByteArray("\r\nsecond\r\n07F6A64\r\n"));
    }

    // A login to another recorder ends the standing session or attempt first:
    // the right held there must not let the playlist query reach the new
    // recorder before it granted anything.
    void loginToAnotherRecorderEndsTheEditingRight_data()
    {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QList<int>>("states");
        QTest::newRow("logged in") << true << QList<int>({1, 2, 1, 2});
        QTest::newRow("connecting") << false << QList<int>({1, 1, 2});
    }
    void loginToAnotherRecorderEndsTheEditingRight()
    {
        QFETCH(bool, loggedIn);
        QFETCH(QList<int>, states);
        SessionFixture f;
        if (loggedIn) {
            QVERIFY(f.logIn());
        } else {
            QVERIFY(f.recorder.listenUnresponsive());
            f.backend.comm.loginRequest(f.address(), "pass");
        }
        f.backend.permission.recievedCommandFF6AFE("11");
        QVERIFY(f.backend.permission.okPermission);
        FakeRecorder other(nextRecorderAddress());
        other.setReply("07F035D", {"0FF03DD0000"});
        QVERIFY(other.listen());
        QSignalSpy right(&f.backend.permission, &Permission::okPermissionChanged);
        QSignalSpy status(&f.backend.comm, &Communication::statusIconChanged);

        f.backend.comm.loginRequest(other.address().toString(), "pass");
        QCOMPARE(right.count(), 1);
        QVERIFY(!f.backend.permission.okPermission);
        // The rest of the old session ended with it.
        QCOMPARE(f.announced.last().at(0).toBool(), false);
        QCOMPARE(status.count(), 1);

        QVERIFY(QTest::qWaitFor([&] { return f.backend.comm.loginState() == 2 && other.hasClient(); }));
        QVERIFY(other.waitForRequest(TimerEvent::commandInit));
        QVERIFY2(!other.receivedSinceLink().contains(Playlist::commandPlaylistInit), other.receivedSinceLink());
        QCOMPARE(f.stateHistory(), states);
        QCOMPARE(right.count(), 1);
    }

    void suspendedApplicationReconnectsOnResume()
    {
        SessionFixture f;
        QVERIFY(f.logIn());
        f.backend.comm.onApplicationStateChanged(Qt::ApplicationSuspended);
        QVERIFY(QTest::qWaitFor([&] { return !f.recorder.hasClient(); }));
        QCOMPARE(f.backend.comm.loginState(), 2);
        f.backend.comm.onApplicationStateChanged(Qt::ApplicationActive);
        QVERIFY(QTest::qWaitFor([&] { return f.recorder.connectionCount() == 2 && f.backend.comm.loginState() == 2; }));
        QCOMPARE(f.stateHistory(), QList<int>({1, 2, 3, 2}));
    }
};

HB740_TEST_MAIN(TestSession)
#include "tst_session.moc"
