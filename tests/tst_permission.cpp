#include "LinkFixture.h"
#include "Permission.h"
#include "TestMain.h"
#include "TimerTicks.h"

#include <QtTest>

// The editing right over a logged-in link to the scripted recorder.
struct PermissionFixture : LinkFixture
{
    PermissionFixture()
        : okChanged(&permission, &Permission::okPermissionChanged)
        , readOnlyChanged(&permission, &Permission::isReadOnlyChanged)
    {
        permission.telnet = telnet;
    }

    // Everything the recorder received after the login, once quiet for a while.
    QByteArray sent(int quietMs = 100) { return recorder.receivedOnceQuiet(quietMs); }

    Permission permission;
    QSignalSpy okChanged;
    QSignalSpy readOnlyChanged;
};

class TestPermission : public QObject
{
    Q_OBJECT

private slots:
    void newPermissionIsReadOnlyWithoutRight()
    {
        PermissionFixture f;
        QVERIFY(f.permission.property("isReadOnly").toBool());
        QVERIFY(!f.permission.property("okPermission").toBool());
        QCOMPARE(f.permission.timerId, 0);
        QCOMPARE(f.readOnlyChanged.count(), 0);
        QCOMPARE(QByteArray(Permission::commandPermissionList), QByteArray("07F6A7D\r\n07F6A7EFF\r\n"));
    }

    void requestTwiceSendsTwiceAndStartsOneTimer()
    {
        PermissionFixture f;
        QVERIFY(f.logIn());
        f.permission.requestPermission();
        const int timer = f.permission.timerId;
        QVERIFY(timer != 0);
        f.permission.requestPermission();
        QCOMPARE(f.permission.timerId, timer);
        QCOMPARE(f.sent(), QByteArray("07F6A7E11\r\n07F6A7E11\r\n"));
    }

    // While wanted, the request is repeated every 2500 ms, held or not.
    void requestRepeatsUntilReturned()
    {
        PermissionFixture f;
        QVERIFY(f.logIn());
        f.permission.recievedCommandFF6AFE("11");
        f.permission.requestPermission(); // held: nothing now, but the timer runs
        const int retry = f.permission.timerId;
        QVERIFY(TimerTicks::runs(&f.permission, retry, 2500));
        QCOMPARE(TimerTicks::running(&f.permission).size(), 1);
        TimerTicks::hold(retry);
        QCOMPARE(f.sent(), QByteArray());
        TimerTicks::tick(&f.permission, retry, 2);
        QCOMPARE(f.sent(), QByteArray("07F6A7E11\r\n07F6A7E11\r\n"));

        f.okChanged.clear();
        QByteArray atSignal;
        QObject::connect(&f.permission, &Permission::okPermissionChanged, [&] { atSignal = f.recorder.receivedSinceLink(); });
        f.permission.returnPermission();
        QCOMPARE(f.okChanged.count(), 1);
        QCOMPARE(f.permission.timerId, 0);
        QVERIFY(TimerTicks::running(&f.permission).isEmpty());
        TimerTicks::tick(&f.permission, retry);
        QCOMPARE(f.sent(), QByteArray("07F6A7E11\r\n07F6A7E11\r\n07F6A7E10\r\n"));
        QCOMPARE(atSignal, QByteArray("07F6A7E11\r\n07F6A7E11\r\n")); // signalled before the give-back went out
    }

    void returnWithoutRightSendsNothing()
    {
        PermissionFixture f;
        QVERIFY(f.logIn());
        f.permission.requestPermission();
        f.permission.returnPermission();
        QCOMPARE(f.permission.timerId, 0);
        QCOMPARE(f.okChanged.count(), 0);
        QCOMPARE(f.sent(), QByteArray("07F6A7E11\r\n"));
    }

    void editingRightReplies_data()
    {
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("changes");
        QTest::newRow("granted") << QStringList{"11"} << true << 1;
        QTest::newRow("granted twice signals once") << QStringList{"11", "11"} << true << 1;
        QTest::newRow("granted then taken") << QStringList{"11", "10"} << false << 2;
        QTest::newRow("not held stays quiet") << QStringList{"10"} << false << 0;
        QTest::newRow("no information") << QStringList{"11", "FF"} << true << 1;
        QTest::newRow("empty data") << QStringList{"11", ""} << true << 1;
        QTest::newRow("one character") << QStringList{"1"} << false << 0;
        QTest::newRow("longer data") << QStringList{"1100"} << true << 1;
    }
    void editingRightReplies()
    {
        QFETCH(QStringList, replies);
        QFETCH(bool, held);
        QFETCH(int, changes);
        PermissionFixture f;
        for (const QString &reply : replies)
            f.permission.recievedCommandFF6AFE(reply);
        QCOMPARE(bool(f.permission.okPermission), held);
        QCOMPARE(f.okChanged.count(), changes);
    }

    void readOnlyReplies_data()
    {
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QList<bool>>("emitted");
        QTest::newRow("not read-only") << QStringList{"00"} << QList<bool>{false};
        QTest::newRow("same again emits nothing") << QStringList{"00", "00"} << QList<bool>{false};
        QTest::newRow("read-only again") << QStringList{"00", "01"} << QList<bool>{false, true};
        QTest::newRow("still read-only") << QStringList{"01"} << QList<bool>{};
        QTest::newRow("empty means read-only") << QStringList{"00", ""} << QList<bool>{false, true};
        QTest::newRow("one zero means read-only") << QStringList{"0"} << QList<bool>{};
    }
    void readOnlyReplies()
    {
        QFETCH(QStringList, replies);
        QFETCH(QList<bool>, emitted);
        PermissionFixture f;
        for (const QString &reply : replies)
            f.permission.recievedCommandFF6AFD(reply);
        QList<bool> seen;
        for (const QList<QVariant> &args : f.readOnlyChanged)
            seen.append(args.at(0).toBool());
        QCOMPARE(seen, emitted);
        QCOMPARE(bool(f.permission.isReadOnly), emitted.isEmpty() ? true : emitted.last());
    }

    void gateSendsOnlyWhileHeld()
    {
        PermissionFixture f;
        QVERIFY(f.logIn());
        f.permission.sendIfPermitted("07F4500\r\n");
        QCOMPARE(f.sent(), QByteArray());
        f.permission.recievedCommandFF6AFE("11");
        f.permission.sendIfPermitted("07F6B05\r\n");
        f.permission.recievedCommandFF6AFE("10");
        f.permission.sendIfPermitted("07F4500\r\n");
        // Dropped commands are not kept for later.
        f.permission.recievedCommandFF6AFE("11");
        QCOMPARE(f.sent(), QByteArray("07F6B05\r\n"));
    }

    void returnPermissionDelay()
    {
        PermissionFixture f;
        QVERIFY(f.logIn());
        f.permission.requestPermission();
        f.permission.recievedCommandFF6AFE("11");
        // Still wanted: nothing happens.
        QVERIFY(QMetaObject::invokeMethod(&f.permission, "returnPermissionDelay"));
        QVERIFY(f.permission.okPermission);
        f.permission.returnPermission();
        f.permission.recievedCommandFF6AFE("11");
        f.okChanged.clear();
        QVERIFY(QMetaObject::invokeMethod(&f.permission, "returnPermissionDelay"));
        QVERIFY(!f.permission.okPermission);
        QCOMPARE(f.okChanged.count(), 1);
        QVERIFY(QMetaObject::invokeMethod(&f.permission, "returnPermissionDelay"));
        QCOMPARE(f.sent(), QByteArray("07F6A7E11\r\n07F6A7E10\r\n07F6A7E10\r\n07F6A7E10\r\n"));
    }
};

HB740_TEST_MAIN(TestPermission)
#include "tst_permission.moc"
