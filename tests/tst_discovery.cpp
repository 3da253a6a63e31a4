#include "DataSettings.h"
#include "FakeDiscovery.h"
#include "LinkFixture.h"
#include "RootContext.h"
#include "TestMain.h"
#include "UdpMachineList.h"
#include "UdpPowerControl.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>

namespace {
UdpMachineList *machineAt(UdpPowerControl &udpc, int index)
{
    return static_cast<UdpMachineList *>(udpc.loginModel.at(index));
}
} // namespace

// Discovery that pings one answerer on loopback and ticks only when the test
// says so.
struct DiscoveryFixture
{
    DiscoveryFixture()
        : answerer(nextRecorderAddress())
        , unknown(&udpc, &UdpPowerControl::changeToUnknownPowerState)
        , initCompleted(&udpc, &UdpPowerControl::initCompleted)
    {
        udpc.setDatasettings(&settings);
        udpc.visibleStateChanged(false);
        udpc.tickIntervalMs = 3600000;
        udpc.collectTargets = [this] { return QList<QHostAddress>{answerer.address()}; };
    }

    bool start()
    {
        if (!answerer.listen())
            return false;
        udpc.visibleStateChanged(true);
        return udpc.udpSocket != nullptr;
    }

    void cycle()
    {
        for (int i = 0; i < 3; ++i)
            udpc.tick();
    }

    bool waitForMachines(int count)
    {
        return QTest::qWaitFor([&] { return udpc.loginModel.size() >= count; }, 3000);
    }

    DataSettings settings;
    UdpPowerControl udpc;
    FakeDiscovery answerer;
    QSignalSpy unknown;
    QSignalSpy initCompleted;
};

class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void pingBytes()
    {
        DiscoveryFixture f;
        QVERIFY(f.start());
        QVERIFY(f.answerer.waitForPings(1));
        const quint16 port = f.udpc.udpSocket->localPort();
        const QByteArray body = "HB740PING\n" + QByteArray::number(port, 16) + "\n";
        QByteArray expected(4, '\0');
        expected[3] = char(body.size());
        QCOMPARE(f.answerer.pings().first(), expected + body);
        QCOMPARE(f.answerer.pings().first().size(), 15 + QByteArray::number(port, 16).size());
    }

    void broadcastTargets_data()
    {
        QTest::addColumn<QStringList>("broadcasts");
        QTest::addColumn<QStringList>("targets");
        QTest::newRow("local networks in order") << QStringList{"192.168.1.255", "10.0.255.255"}
                                                 << QStringList{"192.168.1.255", "10.0.255.255"};
        QTest::newRow("loopback is never a target") << QStringList{"127.255.255.255", "192.168.7.255"}
                                                    << QStringList{"192.168.7.255"};
        QTest::newRow("entries without a broadcast") << QStringList{"", "172.16.0.255"} << QStringList{"172.16.0.255"};
        QTest::newRow("IPv6 has no broadcast") << QStringList{"ff02::1"} << QStringList{};
        QTest::newRow("nothing") << QStringList{} << QStringList{};
    }
    void broadcastTargets()
    {
        QFETCH(QStringList, broadcasts);
        QFETCH(QStringList, targets);
        QList<QNetworkAddressEntry> entries;
        for (const QString &broadcast : broadcasts) {
            QNetworkAddressEntry entry;
            if (!broadcast.isEmpty())
                entry.setBroadcast(QHostAddress(broadcast));
            entries.append(entry);
        }
        QStringList found;
        for (const QHostAddress &target : UdpPowerControl::broadcastTargets(entries))
            found.append(target.toString());
        QCOMPARE(found, targets);
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("nickname");
        QTest::addColumn<QString>("cmedia");
        QTest::addColumn<int>("cmediaicon");
        QTest::addColumn<int>("powerstate");
        QTest::addColumn<int>("transporticon");

        const auto answer = [](const QByteArray &nick, const QByteArray &medium, const QByteArray &power,
                               const QByteArray &transport) {
            return FakeDiscovery::answer("00:11:22:33:44:55", nick, power, transport, medium);
        };
        QTest::newRow("well-formed") << answer("Studio", "SD1", "1", "1") << true << "Studio" << "SD1" << 2 << 1 << 2;
        QTest::newRow("six parts") << QByteArray("a\nb\nc\nd\ne\nf") << false << "" << "" << 0 << 0 << 0;
        QTest::newRow("trailing line feed makes seven") << QByteArray("a\nM\nN\nmac\nUSB\n1\n") << true << "N" << "USB"
                                                        << 1 << 1 << 1;
        QTest::newRow("bytes after NUL are ignored") << QByteArray("a\nM\nN\nmac\0\nUSB\n1\n0", 18) << false << ""
                                                     << "" << 0 << 0 << 0;
        QTest::newRow("long nickname") << answer("ABCDEFGHIJKLMNOPQRST", "SD1", "1", "0") << true
                                       << "ABCDEFGHIJKLMNOP" << "SD1" << 2 << 1 << 1;
        QTest::newRow("nickname never split inside a character")
            << answer("ABCDEFGHIJKLMNO\xf0\x9f\x8e\xa4Z", "SD1", "1", "0") << true << "ABCDEFGHIJKLMNO" << "SD1" << 2
            << 1 << 1;
        QTest::newRow("power 2 is off") << answer("N", "SD1", "2", "1") << true << "N" << "" << 0 << 0 << 0;
        QTest::newRow("power not a number is off") << answer("N", "SD1", "on", "1") << true << "N" << "" << 0 << 0 << 0;
        QTest::newRow("negative transport plays") << answer("N", "SD1", "1", "-3") << true << "N" << "SD1" << 2 << 1
                                                  << 2;
        QTest::newRow("transport 12 shows none") << answer("N", "SD1", "1", "12") << true << "N" << "SD1" << 2 << 1
                                                 << 0;
        QTest::newRow("transport 2 pauses") << answer("N", "SD1", "1", "2") << true << "N" << "SD1" << 2 << 1 << 4;
        QTest::newRow("transport 4 records") << answer("N", "SD1", "1", "4") << true << "N" << "SD1" << 2 << 1 << 3;
        QTest::newRow("transport 7 shows none") << answer("N", "SD1", "1", "7") << true << "N" << "SD1" << 2 << 1 << 0;
        QTest::newRow("transport not a number stops") << answer("N", "SD1", "1", "x") << true << "N" << "SD1" << 2
                                                      << 1 << 1;
        QTest::newRow("USB") << answer("N", "USB", "1", "0") << true << "N" << "USB" << 1 << 1 << 1;
        QTest::newRow("usb1") << answer("N", "usb1", "1", "0") << true << "N" << "usb1" << 0 << 1 << 1;
        QTest::newRow("SD2") << answer("N", "SD2", "1", "0") << true << "N" << "SD2" << 2 << 1 << 1;
        QTest::newRow("CD-DA becomes CD") << answer("N", "CD-DA", "1", "0") << true << "N" << "CD" << 3 << 1 << 1;
        QTest::newRow("xsd") << answer("N", "xsd", "1", "0") << true << "N" << "xsd" << 0 << 1 << 1;
        QTest::newRow("overlong") << answer(QByteArray(60000, 'n'), QByteArray(3000, 's'), "1", "0") << true
                                  << QString(16, 'n') << QString(3000, 's') << 0 << 1 << 1;
        QTest::newRow("empty") << QByteArray() << false << "" << "" << 0 << 0 << 0;
    }
    void answers()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, valid);
        QFETCH(QString, nickname);
        QFETCH(QString, cmedia);
        QFETCH(int, cmediaicon);
        QFETCH(int, powerstate);
        QFETCH(int, transporticon);
        QHostAddress sender("127.0.0.9");
        UdpMachineList machine(&datagram, &sender);
        QCOMPARE(machine.count, valid ? 0 : -1);
        QCOMPARE(machine.nickname, nickname);
        QCOMPARE(machine.cmedia, cmedia);
        QCOMPARE(machine.cmediaicon, cmediaicon);
        QCOMPARE(machine.powerstate, powerstate);
        QCOMPARE(machine.transporticon, transporticon);
        QCOMPARE(machine.ipaddr, valid ? QString("127.0.0.9") : QString());
    }

    void mergingByMacAddress()
    {
        DataSettings settings;
        UdpPowerControl udpc;
        udpc.setDatasettings(&settings);
        udpc.visibleStateChanged(false);
        settings.saveSetting("IPPass", "AA:AA", "stored");
        QList<QObject *> &list = udpc.loginModel;
        QHostAddress first("127.0.0.10");
        QHostAddress second("127.0.0.11");
        const auto add = [&](const QByteArray &datagram, QHostAddress &sender) {
            QByteArray copy = datagram;
            UdpMachineList::add(&list, &copy, &sender);
        };

        add(FakeDiscovery::answer("AA:AA", "One", "1", "1"), first);
        QCOMPARE(list.size(), 1);
        auto *machine = machineAt(udpc, 0);
        QCOMPARE(machine->ippass, QString("stored"));
        QCOMPARE(machine->adminpass, QString(""));
        machine->count = 2;
        machine->ippass = "typed";
        QSignalSpy nicknameSpy(machine, &UdpMachineList::nicknameChanged);

        add(FakeDiscovery::answer("AA:AA", "Renamed", "0", "1"), second);
        QCOMPARE(list.size(), 1);
        QCOMPARE(machine->nickname, QString("Renamed"));
        QCOMPARE(machine->ipaddr, QString("127.0.0.11"));
        QCOMPARE(machine->powerstate, 0);
        QCOMPARE(machine->count, 0);
        QCOMPARE(machine->ippass, QString("typed"));
        QCOMPARE(nicknameSpy.count(), 0); // shown when the list is next published

        add(FakeDiscovery::answer("BB:BB", "Two"), second);
        add(FakeDiscovery::answer("aa:aa", "Three"), second);
        add("not an answer", second);
        QCOMPARE(list.size(), 3);
        QCOMPARE(machineAt(udpc, 1)->macaddr, QString("BB:BB"));
        QCOMPARE(machineAt(udpc, 2)->macaddr, QString("aa:aa"));
    }

    void listIsCapped()
    {
        DataSettings settings;
        UdpPowerControl udpc;
        udpc.setDatasettings(&settings);
        udpc.visibleStateChanged(false);
        QHostAddress sender("127.0.0.12");
        for (int i = 0; i < UdpMachineList::maxMachines + 40; ++i) {
            QByteArray datagram = FakeDiscovery::answer("MAC-" + QByteArray::number(i));
            UdpMachineList::add(&udpc.loginModel, &datagram, &sender);
        }
        QCOMPARE(udpc.loginModel.size(), UdpMachineList::maxMachines);
        // Known machines still update.
        QByteArray again = FakeDiscovery::answer("MAC-0", "Again");
        UdpMachineList::add(&udpc.loginModel, &again, &sender);
        QCOMPARE(machineAt(udpc, 0)->nickname, QString("Again"));
    }

    void publishedAtTheThirdTick()
    {
        QQmlEngine engine;
        rootContext = engine.rootContext();
        DiscoveryFixture f;
        f.answerer.answers = {FakeDiscovery::answer("AA:01", "First")};
        QVERIFY(f.start());
        QVERIFY(f.waitForMachines(1));
        QSignalSpy refresh(&f.udpc, &UdpPowerControl::showRefreshChanged);
        f.udpc.tick();
        f.udpc.tick();
        QVERIFY(!engine.rootContext()->contextProperty("loginModel").isValid());
        QCOMPARE(f.initCompleted.count(), 0);
        f.udpc.tick();
        const QVariant model = engine.rootContext()->contextProperty("loginModel");
        QCOMPARE(model.value<QList<QObject *>>().size(), 1);
        QCOMPARE(f.initCompleted.count(), 1);
        QCOMPARE(refresh.count(), 1);
        QVERIFY(f.udpc.showRefresh);
        f.cycle();
        QCOMPARE(f.initCompleted.count(), 1);

        // A new start publishes again at its first cycle.
        f.udpc.visibleStateChanged(false);
        QCOMPARE(f.udpc.udpSocket, nullptr);
        f.udpc.visibleStateChanged(true);
        QVERIFY(!f.udpc.showRefresh);
        f.cycle();
        QCOMPARE(f.initCompleted.count(), 2);
        rootContext = nullptr;
    }

    void refreshListPublishesWithoutCompletingTheCycle()
    {
        QQmlEngine engine;
        rootContext = engine.rootContext();
        DiscoveryFixture f;
        QVERIFY(f.start());
        f.udpc.refreshList();
        QVERIFY(engine.rootContext()->contextProperty("loginModel").isValid());
        QCOMPARE(f.udpc.modelPublished, 0);
        f.cycle();
        QCOMPARE(f.initCompleted.count(), 1);
        rootContext = nullptr;
    }

    // A machine that falls silent is reported once, at the third cycle.
    void ageingAtTheThirdSilentCycle()
    {
        DiscoveryFixture f;
        f.answerer.answers = {FakeDiscovery::answer("AA:02", "Quiet")};
        QVERIFY(f.start());
        QVERIFY(f.waitForMachines(1));
        f.answerer.silent = true;
        f.cycle();
        f.cycle();
        QCOMPARE(f.unknown.count(), 0);
        QCOMPARE(machineAt(f.udpc, 0)->count, 2);
        f.cycle();
        QCOMPARE(f.unknown.count(), 1);
        QCOMPARE(f.unknown.at(0).at(0).toInt(), 0);
        f.cycle();
        f.cycle();
        QCOMPARE(f.unknown.count(), 1);

        // An answer brings the count back to 0, without a signal.
        QSignalSpy countSpy(machineAt(f.udpc, 0), &UdpMachineList::countChanged);
        f.answerer.silent = false;
        f.cycle();
        QVERIFY(QTest::qWaitFor([&] { return machineAt(f.udpc, 0)->count == 0; }));
        QCOMPARE(countSpy.count(), 0);
    }

    // A read that fails leaves its datagram pending: the loop stops rather
    // than trying it again and again, and the datagram is taken by the next
    // read that works.
    void failedReadStopsTheLoop()
    {
        DiscoveryFixture f;
        int reads = 0;
        bool failing = true;
        f.udpc.readDatagram = [&](QUdpSocket *socket, char *data, qint64 size, QHostAddress *sender) -> qint64 {
            ++reads;
            // A loop that went on would spin here for ever: let it out after a while.
            if (failing && reads < 100)
                return -1;
            return socket->readDatagram(data, size, sender);
        };
        f.answerer.answers = {FakeDiscovery::answer("AA:04", "Pending")};
        QVERIFY(f.start());
        QVERIFY(QTest::qWaitFor([&] { return reads > 0; }, 3000));
        QTest::qWait(50);
        QCOMPARE(reads, 1);
        QVERIFY(f.udpc.loginModel.isEmpty());
        QVERIFY(f.udpc.udpSocket->hasPendingDatagrams());

        failing = false;
        QVERIFY(QMetaObject::invokeMethod(&f.udpc, "processPendingDatagram"));
        QCOMPARE(reads, 2);
        QCOMPARE(f.udpc.loginModel.size(), 1);
        QCOMPARE(machineAt(f.udpc, 0)->nickname, QString("Pending"));
    }

    void pingEveryThirdTick()
    {
        DiscoveryFixture f;
        QVERIFY(f.start());
        QVERIFY(f.answerer.waitForPings(1));
        f.udpc.tick();
        f.udpc.tick();
        QTest::qWait(100);
        QCOMPARE(f.answerer.pings().size(), 1);
        f.udpc.tick();
        QVERIFY(f.answerer.waitForPings(2));
    }

    void startAndStop()
    {
        DataSettings settings;
        UdpPowerControl udpc;
        udpc.setDatasettings(&settings);
        // The page is shown at construction and the application is active.
        QVERIFY(udpc.udpSocket != nullptr);
        udpc.appStateChanged(false);
        QVERIFY(udpc.udpSocket != nullptr);
        QUdpSocket *socket = udpc.udpSocket;
        udpc.appStateChanged(true);
        QCOMPARE(udpc.udpSocket, socket); // no second socket
        udpc.visibleStateChanged(true);
        QCOMPARE(udpc.udpSocket, socket);
        udpc.visibleStateChanged(false);
        QCOMPARE(udpc.udpSocket, nullptr);
        QCOMPARE(udpc.timerId, 0);
        udpc.appStateChanged(false);
        udpc.visibleStateChanged(true);
        QCOMPARE(udpc.udpSocket, nullptr); // waits for the application
        udpc.appStateChanged(true);
        QVERIFY(udpc.udpSocket != nullptr);
    }

    void oddDatagramsAreHarmless()
    {
        DiscoveryFixture f;
        QVERIFY(f.start());
        QVERIFY(f.answerer.waitForPings(1));
        for (const QByteArray &odd : {QByteArray(), QByteArray(1, '\0'), QByteArray(65000, '\n'),
                                      QByteArray("\xff\xfe\xfd\n\n\n\n\n\n"), QByteArray(9000, 'x')})
            f.answerer.sendToLastPinger(odd);
        f.answerer.sendToLastPinger(FakeDiscovery::answer("AA:03", "After"));
        QVERIFY(f.waitForMachines(1));
        QTest::qWait(50);
        // 65000 line feeds make a valid answer with empty fields; the rest is ignored.
        QCOMPARE(f.udpc.loginModel.size(), 2);
        QCOMPARE(machineAt(f.udpc, 1)->nickname, QString("After"));
    }

    void applicationPasswordWithoutStartupStore()
    {
        DataSettings().saveSetting("AppPass", "AppPass", "secret");
        UdpPowerControl udpc; // no store handed over yet
        QCOMPARE(udpc.appPassword, QString("secret"));
        QCOMPARE(udpc.loadAppPass(), QString("secret"));
        udpc.saveAppPass("changed");
        QCOMPARE(udpc.appPassword, QString("secret"));
        QCOMPARE(udpc.loadAppPass(), QString("changed"));
        DataSettings().saveSetting("AppPass", "AppPass", "");
    }

    void notFoundLookup()
    {
        DiscoveryFixture f;
        QSignalSpy messages(&f.udpc, &UdpPowerControl::popupMessage);
        QCOMPARE(f.udpc.getNodeOfMachineList("nobody"), nullptr);
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.at(0).at(0).toString().startsWith("Error: not found. "));
    }
};

HB740_TEST_MAIN(TestDiscovery)
#include "tst_discovery.moc"
