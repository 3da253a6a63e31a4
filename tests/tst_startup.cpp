#include "Backend.h"
#include "LinkFixture.h"
#include "TestMain.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void pointersAreHandedOver()
    {
        Backend b;
        QCOMPARE(b.permission.telnet, &b.telnet);
        QCOMPARE(b.menu.telnet, &b.telnet);
        QCOMPARE(b.mark.telnet, &b.telnet);
        for (auto pair : {std::make_pair(b.tev.telnet, b.tev.permission), std::make_pair(b.pl.telnet, b.pl.permission),
                          std::make_pair(b.browse.telnet, b.browse.permission)}) {
            QCOMPARE(pair.first, &b.telnet);
            QCOMPARE(pair.second, &b.permission);
        }
        QCOMPARE(b.comm.telnet, &b.telnet);
        QCOMPARE(b.comm.menu, &b.menu);
        QCOMPARE(b.comm.mark, &b.mark);
        QCOMPARE(b.comm.pl, &b.pl);
        QCOMPARE(b.comm.browse, &b.browse);
        QCOMPARE(b.comm.tev, &b.tev);
        QCOMPARE(b.comm.permission, &b.permission);
        QCOMPARE(b.udpc.dataSettings, &b.comm.dataSettings);
        QCOMPARE(gudp, &b.udpc);
        for (QObject *object : std::initializer_list<QObject *>{&b.udpc, &b.ver, &b.telnet, &b.permission, &b.menu, &b.tev,
                                                                &b.pl, &b.browse, &b.mark, &b.comm})
            QCOMPARE(object->parent(), nullptr);
    }

    void contextPropertiesAndPlatformFlags()
    {
        QQmlEngine engine;
        Backend b;
        b.publish(engine.rootContext());
        const QList<std::pair<const char *, QObject *>> objects = {
            {"comm", &b.comm}, {"menu", &b.menu}, {"tev", &b.tev}, {"pl", &b.pl}, {"browse", &b.browse},
            {"mark", &b.mark}, {"ver", &b.ver}, {"permission", &b.permission}, {"udpc", &b.udpc}};
        for (const auto &entry : objects)
            QCOMPARE(engine.rootContext()->contextProperty(entry.first).value<QObject *>(), entry.second);
        const QList<std::pair<const char *, bool>> flags = {
            {"isAndroid", false}, {"isIos", false}, {"isWindows", false}, {"isMac", true}, {"isDesktop", true}};
        for (const auto &flag : flags) {
            const QVariant value = engine.rootContext()->contextProperty(flag.first);
            QCOMPARE(value.userType(), int(QMetaType::Bool));
            QCOMPARE(value.toBool(), flag.second);
        }
    }

    // menuCompleted starts the level meter, then browsing, then the timer
    // events, in the order start-up connected them.
    void menuCompletedReachesItsReceiversInOrder()
    {
        Backend b;
        LinkFixture link(&b.telnet);
        link.recorder.setReply("07F035D", {"0FF03DD0000"}); // no marks: the mark poll ends
        QVERIFY(link.logIn());
        QVERIFY(link.recorder.waitForRequest(TimerEvent::commandInit));
        QTest::qWait(300);
        b.permission.recievedCommandFF6AFE("11");
        b.browse.setCurrentMediaNumber("SD1");
        QCOMPARE(b.browse.mediaCode, QString("00"));
        b.browse.setStatus(17);
        link.recorder.clearReceived();
        emit b.menu.menuCompleted();
        QVERIFY(link.recorder.waitForRequest("07F6B05\r\n"));
        // The session's own once-a-second status poll may come in between.
        const QByteArray sent = link.recorder.receivedSinceLink();
        const int meter = sent.indexOf("07F6A3F01\r\n");
        const int browse = sent.indexOf("07F6B00\r\n07F6B05\r\n");
        QVERIFY2(meter >= 0 && browse > meter, sent.constData());

        link.recorder.clearReceived();
        emit b.menu.menuStarted();
        QVERIFY(link.recorder.waitForRequest("07F6A3F00\r\n"));
    }

    void mediumAndStatusReachBrowse()
    {
        Backend b;
        emit b.comm.currentMediaChanged("USB");
        QCOMPARE(b.browse.mediaCode, QString("02"));
        emit b.comm.statusIconChanged(16);
        QCOMPARE(b.browse.statusIcon, 16);
        emit b.comm.currentMediaChanged("CD");
        QCOMPARE(b.browse.mediaCode, QString("FF"));
    }

    void deletedPlaylistEndsThePlaylistOperation()
    {
        Backend b;
        QSignalSpy spy(&b.pl, &Playlist::execCommandChanged);
        emit b.browse.endDeletePpl();
        QCOMPARE(spy.count(), 0); // no operation was running
    }
};

HB740_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
