#include "DataSettings.h"
#include "FakeDiscovery.h"
#include "FakeRecorder.h"
#include "LinkFixture.h"
#include "TestMain.h"
#include "UdpMachineList.h"
#include "UdpPowerControl.h"

#include <QtTest>

namespace {

enum Operation { AdminCheck = 1, TurnOn, TurnOff, Restart, CheckAndLogin };

// How the recorder's side of the private link behaves in a case.
enum Setup { Normal, NotListening, Unresponsive, SilentLink, WrongPassword, ModelRefused, ModelSilent,
             CloseAtPrompt, CloseWhenLinked };

const QString nick = QStringLiteral("Studio 1");

QString nextMac()
{
    static int serial = 0;
    ++serial;
    return QStringLiteral("00:1B:2C:3D:%1:%2")
        .arg(serial / 256, 2, 16, QLatin1Char('0'))
        .arg(serial % 256, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString phase(int value)
{
    return QStringLiteral("phase %1").arg(value);
}

// A message as the log shows it: its text followed by the target's nickname.
QString message(const QString &text, const QString &nickname = nick)
{
    return QStringLiteral("message ") + text + nickname;
}

QStringList phases(std::initializer_list<int> values)
{
    QStringList result;
    for (int value : values)
        result.append(phase(value));
    return result;
}

QList<QByteArray> lines(const QStringList &texts)
{
    QList<QByteArray> result;
    for (const QString &text : texts)
        result.append(text.toLatin1());
    return result;
}

QByteArray powerCommand(int op)
{
    return op == TurnOn ? "07500" : op == TurnOff ? "07511" : "07580";
}

void start(UdpPowerControl &udp, int op, const QString &mac)
{
    switch (op) {
    case AdminCheck: udp.checkAdminPass(mac); break;
    case TurnOn: udp.turnOnMachine(mac); break;
    case TurnOff: udp.turnOffMachine(mac); break;
    case Restart: udp.restartMachine(mac); break;
    case CheckAndLogin: udp.checkAndLogin(mac); break;
    }
}

void savePassword(UdpPowerControl &udp, bool ip, const QString &mac, const QString &password)
{
    if (ip)
        udp.saveIPPass(mac, password);
    else
        udp.saveAdminPass(mac, password);
}

QString loadPassword(UdpPowerControl &udp, bool ip, const QString &mac)
{
    return ip ? udp.loadIPPass(mac) : udp.loadAdminPass(mac);
}

QString passwordOf(const UdpMachineList *machine, bool ip)
{
    return ip ? machine->ippass : machine->adminpass;
}

} // namespace

// The power control with its discovery pointed at one loopback address, where
// a discovery answerer and a recorder stand in for a machine (listed second,
// after a decoy). Ticks come only from the test. Every phase change, message,
// unknown-state report and login request goes to `events`, in order.
struct PowerFixture
{
    explicit PowerFixture(const QString &machineMac = nextMac())
        : address(nextRecorderAddress())
        , mac(machineMac)
        , decoyMac(nextMac())
        , discovery(address)
        , recorder(address)
    {
        udp.setDatasettings(&settings);
        udp.visibleStateChanged(false);
        udp.collectTargets = [this] { return QList<QHostAddress>{QHostAddress(address)}; };
        udp.tickIntervalMs = 3600 * 1000;
        udp.phaseTimeoutMs = 400;
        clock.start();
        QObject::connect(&udp, &UdpPowerControl::telnetPhaseChanged, [this] { note(phase(udp.telnetPhase)); });
        QObject::connect(&udp, &UdpPowerControl::popupMessage, [this](const QString &text) { note("message " + text); });
        QObject::connect(&udp, &UdpPowerControl::changeToUnknownPowerState,
                         [this](int index) { note(QStringLiteral("unknown %1").arg(index)); });
        QObject::connect(&udp, &UdpPowerControl::loginRequest, [this](const QString &ip, const QString &pass) {
            note(QStringLiteral("login %1 %2 at phase %3 connecting %4")
                     .arg(ip, pass)
                     .arg(udp.telnetPhase)
                     .arg(udp.telnetConnecting));
        });
    }

    void note(const QString &event)
    {
        events.append(event);
        times.append(clock.elapsed());
    }

    UdpMachineList *find(const QString &which) const
    {
        for (QObject *object : udp.loginModel) {
            auto *machine = static_cast<UdpMachineList *>(object);
            if (machine->macaddr == which)
                return machine;
        }
        return nullptr;
    }
    UdpMachineList *machine() const { return find(mac); }
    int index() const { return udp.loginModel.indexOf(machine()); }

    // The answers to every ping from now on.
    void answer(const QByteArray &power, const QString &nickname = nick)
    {
        discovery.answers = {FakeDiscovery::answer(decoyMac.toLatin1(), "Decoy"),
                             FakeDiscovery::answer(mac.toLatin1(), nickname.toUtf8(), power)};
    }

    // Starts discovery and waits until both machines are listed.
    bool list(const QByteArray &power = "1")
    {
        answer(power);
        if (!discovery.listen())
            return false;
        udp.visibleStateChanged(true);
        return QTest::qWaitFor([this] { return machine() && find(decoyMac); }, 3000);
    }

    // Listed, with its passwords stored, the recorder set up and the log empty.
    bool ready(const QByteArray &power = "1", const QString &ippass = "pass", const QString &adminpass = "admin",
               int setup = Normal)
    {
        if (!list(power))
            return false;
        udp.saveIPPass(mac, ippass);
        udp.saveAdminPass(mac, adminpass);
        switch (setup) {
        case NotListening: break;
        case Unresponsive:
            if (!recorder.listenUnresponsive())
                return false;
            break;
        case SilentLink: recorder.silent = true; break;
        case WrongPassword: recorder.password = "other"; break;
        case ModelRefused: recorder.modelAnswer = FakeRecorder::ModelAnswer::Refuse; break;
        case ModelSilent: recorder.modelAnswer = FakeRecorder::ModelAnswer::Silent; break;
        case CloseAtPrompt: recorder.closeAtStage = int(FakeRecorder::Stage::Prompted); break;
        case CloseWhenLinked: recorder.closeAtStage = int(FakeRecorder::Stage::Linked); break;
        default: break;
        }
        if (setup != NotListening && setup != Unresponsive && !recorder.listen())
            return false;
        events.clear();
        times.clear();
        return true;
    }

    void replyToAdmin(const QStringList &reply, const QString &adminpass = "admin")
    {
        if (!reply.isEmpty())
            recorder.setReply("07F1141" + adminpass.toLatin1(), lines(reply));
    }

    bool finished(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([this] { return udp.telnetPhase == 0; }, timeoutMs);
    }

    qint64 timeOf(const QString &event) const { return times.value(events.indexOf(event), -1); }

    QString address;
    QString mac;
    QString decoyMac;
    QStringList events;
    QList<qint64> times;
    QElapsedTimer clock;
    FakeDiscovery discovery;
    FakeRecorder recorder;
    DataSettings settings;
    UdpPowerControl udp;
};

class TestPower : public QObject
{
    Q_OBJECT

private slots:
    // ---- Starting an operation ----

    void startingAnOperation_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("countRaise");
        QTest::addColumn<bool>("resetsConnecting");
        QTest::addColumn<bool>("skipModelQuery");
        QTest::newRow("turn on") << int(TurnOn) << 5 << true << true;
        QTest::newRow("turn off") << int(TurnOff) << 5 << true << false;
        QTest::newRow("restart") << int(Restart) << 5 << true << false;
        QTest::newRow("admin check") << int(AdminCheck) << 0 << false << true;
        QTest::newRow("check and login") << int(CheckAndLogin) << 0 << true << true;
    }
    void startingAnOperation()
    {
        QFETCH(int, op);
        QFETCH(int, countRaise);
        QFETCH(bool, resetsConnecting);
        QFETCH(bool, skipModelQuery);
        PowerFixture f;
        QVERIFY(f.ready());
        f.discovery.silent = true;
        f.udp.tick(); // opTicks and telnetConnecting move on
        QCOMPARE(f.udp.opTicks, 1);
        const int connecting = f.udp.telnetConnecting;
        UdpMachineList *machine = f.machine();
        const int count = machine->count;
        QSignalSpy countSpy(machine, &UdpMachineList::countChanged);
        f.udp.telnet.skipModelQuery = !skipModelQuery;
        const int pings = f.discovery.pings().size();

        start(f.udp, op, f.mac);

        QCOMPARE(f.events, phases({1}));
        QCOMPARE(f.udp.telnetPhase, 1);
        QCOMPARE(f.udp.pendingOp, op);
        QCOMPARE(f.udp.targetMachine, machine);
        QCOMPARE(f.udp.opTicks, 0);
        QCOMPARE(f.udp.telnetConnecting, resetsConnecting ? 0 : connecting);
        QCOMPARE(f.udp.telnet.skipModelQuery, skipModelQuery);
        QCOMPARE(machine->count, count + countRaise);
        QCOMPARE(countSpy.count(), 0);
        // The ping goes out at once, not at the next tick.
        QVERIFY(f.discovery.waitForPings(pings + 1, 2000));
    }

    // A MAC address that is not listed (letter case counts) starts nothing and
    // leaves the running operation as it was.
    void unlistedMachine_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<bool>("running");
        QTest::newRow("turn on during a turn off") << int(TurnOn) << true;
        QTest::newRow("turn off during a turn off") << int(TurnOff) << true;
        QTest::newRow("restart during a turn off") << int(Restart) << true;
        QTest::newRow("admin check during a turn off") << int(AdminCheck) << true;
        QTest::newRow("check and login during a turn off") << int(CheckAndLogin) << true;
        QTest::newRow("turn on, nothing running") << int(TurnOn) << false;
        QTest::newRow("check and login, nothing running") << int(CheckAndLogin) << false;
    }
    void unlistedMachine()
    {
        QFETCH(int, op);
        QFETCH(bool, running);
        PowerFixture f;
        QVERIFY(f.ready());
        f.discovery.silent = true;
        if (running)
            f.udp.turnOffMachine(f.mac);
        UdpMachineList *target = f.udp.targetMachine;
        const int pendingOp = f.udp.pendingOp;
        const int connecting = f.udp.telnetConnecting;
        const bool skipModelQuery = f.udp.telnet.skipModelQuery;
        const int count = f.machine()->count;
        f.events.clear();

        start(f.udp, op, f.mac.toLower());

        QCOMPARE(f.events.size(), 1);
        QVERIFY2(f.events.at(0).startsWith("message Error: not found. "), qPrintable(f.events.at(0)));
        QCOMPARE(f.udp.telnetPhase, running ? 1 : 0);
        QCOMPARE(f.udp.pendingOp, pendingOp);
        QCOMPARE(f.udp.targetMachine, target);
        QCOMPARE(f.udp.telnetConnecting, connecting);
        QCOMPARE(f.udp.telnet.skipModelQuery, skipModelQuery);
        QCOMPARE(f.machine()->count, count);
        if (!running)
            return;

        // The turn off goes on with its own target: an answer that reports
        // the machine off ends it as a turn off would.
        f.discovery.silent = false;
        f.answer("0");
        f.udp.sendDatagram();
        QVERIFY(f.finished());
        QCOMPARE(f.events.mid(1), QStringList({phase(0), QStringLiteral("unknown %1").arg(f.index())}));
    }

    // ---- The dialogue on the private link ----

    void dialogue_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QByteArray>("power");
        QTest::addColumn<QStringList>("powerReply");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("events");
        const QStringList power = phases({1, 2, 3, 4, 0});
        const QStringList check = phases({1, 2, 3, 0});
        QTest::newRow("turn on") << int(TurnOn) << QByteArray("0") << QStringList{"0F5"}
                                 << QByteArray("\r\npass\r\n07F1141admin\r\n07500\r\n") << power;
        QTest::newRow("turn on, power state 2 counts as off")
            << int(TurnOn) << QByteArray("2") << QStringList{"0F5"} << QByteArray("\r\npass\r\n07F1141admin\r\n07500\r\n")
            << power;
        QTest::newRow("turn on, pushes before the answer")
            << int(TurnOn) << QByteArray("0") << QStringList{"088000102030", "0FF6A8901", "0FF11D100", "0F500"}
            << QByteArray("\r\npass\r\n07F1141admin\r\n07500\r\n") << power;
        QTest::newRow("turn off") << int(TurnOff) << QByteArray("1") << QStringList{"0F5"}
                                  << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n07511\r\n") << power;
        QTest::newRow("turn off, power state -1 counts as running")
            << int(TurnOff) << QByteArray("-1") << QStringList{"0F5"}
            << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n07511\r\n") << power;
        QTest::newRow("restart") << int(Restart) << QByteArray("1") << QStringList{"0F5"}
                                 << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n07580\r\n") << power;
        QTest::newRow("admin check of a running machine")
            << int(AdminCheck) << QByteArray("1") << QStringList() << QByteArray("\r\npass\r\n07F1141admin\r\n") << check;
        QTest::newRow("admin check of a stopped machine")
            << int(AdminCheck) << QByteArray("0") << QStringList() << QByteArray("\r\npass\r\n07F1141admin\r\n") << check;
    }
    void dialogue()
    {
        QFETCH(int, op);
        QFETCH(QByteArray, power);
        QFETCH(QStringList, powerReply);
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, events);
        PowerFixture f;
        QVERIFY(f.ready("1"));
        f.answer(power);
        f.replyToAdmin({"0FF11D101"});
        f.recorder.setReply(powerCommand(op), lines(powerReply));

        start(f.udp, op, f.mac);
        QVERIFY(f.finished());
        QCOMPARE(f.udp.pendingOp, 0);
        QCOMPARE(f.events, events);
        QCOMPARE(f.recorder.received(), sent);
        QCOMPARE(f.recorder.connectionCount(), 1);
        // The link is closed at the end.
        QTRY_VERIFY(!f.recorder.hasClient());
        QTest::qWait(100);
        QCOMPARE(f.events, events);
    }

    void adminPasswordIsSentAsLatin1_data()
    {
        QTest::addColumn<QString>("adminpass");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("Latin-1 letter") << QString::fromUtf8("\xc3\xa4" "dmin") << QByteArray("07F1141\xe4" "dmin\r\n");
        QTest::newRow("euro sign") << QString::fromUtf8("\xe2\x82\xac" "uro") << QByteArray("07F1141?uro\r\n");
        QTest::newRow("two CJK characters") << QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac") << QByteArray("07F1141??\r\n");
        QTest::newRow("none stored") << QString() << QByteArray("07F1141\r\n");
    }
    void adminPasswordIsSentAsLatin1()
    {
        QFETCH(QString, adminpass);
        QFETCH(QByteArray, sent);
        PowerFixture f;
        QVERIFY(f.ready("0", "pass", adminpass));
        f.udp.turnOnMachine(f.mac);
        QVERIFY(QTest::qWaitFor([&] { return !f.recorder.requests().isEmpty(); }, 3000));
        QTest::qWait(50);
        QCOMPARE(f.recorder.receivedSinceLink(), sent);
        QCOMPARE(f.udp.telnetPhase, 3);
    }

    // ---- The answer step ----

    void answerStep_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QByteArray>("power");
        QTest::addColumn<QStringList>("events");
        // %i is the machine's index in the list, %a its address.
        QTest::newRow("turn on of a running machine") << int(TurnOn) << QByteArray("1") << phases({1, 0});
        QTest::newRow("turn off of a stopped machine")
            << int(TurnOff) << QByteArray("0") << (phases({1, 0}) << "unknown %i");
        QTest::newRow("turn off, power state 2 counts as off")
            << int(TurnOff) << QByteArray("2") << (phases({1, 0}) << "unknown %i");
        QTest::newRow("restart of a stopped machine")
            << int(Restart) << QByteArray("0") << (phases({1, 0}) << message("Power OFF  ", "Hall") << "unknown %i");
        QTest::newRow("check and login of a stopped machine")
            << int(CheckAndLogin) << QByteArray("0")
            << (phases({1, 0}) << message(QString::fromUtf8("Power OFF\u3000\u3000"), "Hall") << "unknown %i");
        QTest::newRow("check and login of a running machine")
            << int(CheckAndLogin) << QByteArray("1") << (phases({1, 0}) << "login %a pass at phase 0 connecting 0");
    }
    void answerStep()
    {
        QFETCH(int, op);
        QFETCH(QByteArray, power);
        QFETCH(QStringList, events);
        PowerFixture f;
        QVERIFY(f.ready("1", "pass"));
        QCOMPARE(f.index(), 1); // after the decoy, so that a wrong index shows
        // The messages name the machine as its newest answer does.
        f.answer(power, "Hall");
        QSignalSpy connecting(&f.udp, &UdpPowerControl::telnetConnectingChanged);

        start(f.udp, op, f.mac);
        QVERIFY(f.finished());
        QCOMPARE(f.udp.pendingOp, 0);
        events.replaceInStrings("%i", QString::number(f.index()));
        events.replaceInStrings("%a", f.address);
        QCOMPARE(f.events, events);
        // The login request leaves the connecting count at 100 right after it.
        if (events.last().startsWith("login")) {
            QCOMPARE(f.udp.telnetConnecting, 100);
            QCOMPARE(connecting.count(), 2); // 0 at the start, 100 after the request
        }
        // None of these needs the private link.
        QTest::qWait(200);
        QCOMPARE(f.recorder.connectionCount(), 0);
        QCOMPARE(f.events, events);
    }

    // ---- Time-outs ----

    void silentTarget_data()
    {
        QTest::addColumn<int>("op");
        QTest::newRow("turn on") << int(TurnOn);
        QTest::newRow("turn off") << int(TurnOff);
        QTest::newRow("restart") << int(Restart);
        QTest::newRow("admin check") << int(AdminCheck);
        QTest::newRow("check and login") << int(CheckAndLogin);
    }
    void silentTarget()
    {
        QFETCH(int, op);
        PowerFixture f;
        QVERIFY(f.ready());
        f.discovery.silent = true;
        const int pings = f.discovery.pings().size();
        start(f.udp, op, f.mac);
        QVERIFY(f.discovery.waitForPings(pings + 1));

        // While waiting, the ping goes out at every tick.
        f.udp.tick();
        QVERIFY(f.discovery.waitForPings(pings + 2));
        f.udp.tick();
        QVERIFY(f.discovery.waitForPings(pings + 3));
        QCOMPARE(f.events, phases({1}));
        QCOMPARE(f.udp.telnetPhase, 1);

        f.udp.tick();
        QCOMPARE(f.events, QStringList({phase(1), phase(0), message("ERROR: connecting... ")}));
        QCOMPARE(f.udp.pendingOp, 0);
        QTest::qWait(100);
        QCOMPARE(f.discovery.pings().size(), pings + 3);

        // A late answer finds nothing waiting for it: once it is merged
        // (its count back at 0), nothing has followed.
        f.machine()->count = 9;
        f.discovery.silent = false;
        f.udp.sendDatagram();
        QVERIFY(f.discovery.waitForPings(pings + 4));
        QTRY_COMPARE(f.machine()->count, 0);
        QTest::qWait(50);
        QCOMPARE(f.events.size(), 3);
        QCOMPARE(f.recorder.connectionCount(), 0);
    }

    // Each link phase gives up after phaseTimeoutMs, long before the link's
    // own time-outs, also when only unrelated lines arrive.
    void linkPhaseTimesOut_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("setup");
        QTest::addColumn<QStringList>("adminReply");
        QTest::addColumn<QStringList>("powerReply");
        QTest::addColumn<int>("lastPhase");
        QTest::addColumn<QByteArray>("sent");
        // The phase before the last one lasts this long (the recorder's side
        // is then played by hand), so that the last one's own time shows.
        QTest::addColumn<int>("slowMs");
        QTest::newRow("connecting") << int(TurnOn) << int(Unresponsive) << QStringList() << QStringList() << 2
                                    << QByteArray() << 0;
        QTest::newRow("login dialogue") << int(TurnOn) << int(SilentLink) << QStringList() << QStringList() << 2
                                        << QByteArray("\r\n") << 0;
        QTest::newRow("model query") << int(TurnOff) << int(ModelSilent) << QStringList() << QStringList() << 2
                                     << QByteArray("\r\npass\r\n07F6A64\r\n") << 0;
        QTest::newRow("admin answer") << int(TurnOn) << int(Normal) << QStringList() << QStringList() << 3
                                      << QByteArray("\r\npass\r\n07F1141admin\r\n") << 0;
        QTest::newRow("admin answer, other lines only")
            << int(Restart) << int(Normal) << QStringList{"088000102030", "0FF6A8901", "0F2", "0F5", "0FF11D1"}
            << QStringList() << 3 << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n") << 0;
        QTest::newRow("power answer") << int(TurnOff) << int(Normal) << QStringList{"0FF11D101"} << QStringList() << 4
                                      << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n07511\r\n") << 0;
        QTest::newRow("power answer, other lines only")
            << int(TurnOn) << int(Normal) << QStringList{"0FF11D101"}
            << QStringList{"088000102030", "0FF6A8901", "0FF11D101", "0FF11D100", "0F"} << 4
            << QByteArray("\r\npass\r\n07F1141admin\r\n07500\r\n") << 0;
        QTest::newRow("admin check, other lines only")
            << int(AdminCheck) << int(Normal) << QStringList{"088000102030", "0F5", "0FF6A8901", "0FF11D"}
            << QStringList() << 3 << QByteArray("\r\npass\r\n07F1141admin\r\n") << 0;
        QTest::newRow("admin answer after a slow login")
            << int(TurnOn) << int(SilentLink) << QStringList() << QStringList() << 3
            << QByteArray("\r\npass\r\n07F1141admin\r\n") << 250;
        QTest::newRow("power answer after a slow admin answer")
            << int(TurnOff) << int(Normal) << QStringList() << QStringList() << 4
            << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n07511\r\n") << 250;
    }
    void linkPhaseTimesOut()
    {
        QFETCH(int, op);
        QFETCH(int, setup);
        QFETCH(QStringList, adminReply);
        QFETCH(QStringList, powerReply);
        QFETCH(int, lastPhase);
        QFETCH(QByteArray, sent);
        QFETCH(int, slowMs);
        PowerFixture f;
        QVERIFY(f.ready(op == TurnOn ? "0" : "1", "pass", "admin", setup));
        f.replyToAdmin(adminReply);
        if (!powerReply.isEmpty())
            f.recorder.setReply(powerCommand(op), lines(powerReply));

        start(f.udp, op, f.mac);
        if (slowMs > 0 && setup == SilentLink) {
            // A login that takes its time, then no answer to the admin command.
            QVERIFY(QTest::qWaitFor([&] { return f.recorder.received() == "\r\n"; }, 3000));
            QTest::qWait(slowMs);
            f.recorder.send("Enter Password\r\n");
            QVERIFY(QTest::qWaitFor([&] { return f.recorder.received() == "\r\npass\r\n"; }, 3000));
            f.recorder.send("Login Successful\r\n");
        } else if (slowMs > 0) {
            // An admin answer that takes its time, then no answer to the power command.
            QVERIFY(f.recorder.waitForRequest("07F1141admin\r\n"));
            QTest::qWait(slowMs);
            f.recorder.send("0FF11D101\r\n");
        }
        QVERIFY(f.finished(4000));
        QTest::qWait(100);
        QCOMPARE(f.events.mid(f.events.size() - 3),
                 QStringList({phase(lastPhase), phase(0), message("ERROR: login failed ")}));
        const qint64 waited = f.timeOf(message("ERROR: login failed ")) - f.timeOf(phase(lastPhase));
        QVERIFY2(waited >= 350 && waited < 3000, qPrintable(QString::number(waited)));
        QCOMPARE(f.udp.pendingOp, 0);
        if (!sent.isNull())
            QCOMPARE(f.recorder.received(), sent);
        QTRY_VERIFY(!f.recorder.hasClient());
    }

    // ---- Failures ----

    void failures_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("ippass");
        QTest::addColumn<QString>("adminpass");
        QTest::addColumn<int>("setup");
        QTest::addColumn<QStringList>("adminReply");
        QTest::addColumn<QStringList>("powerReply");
        QTest::addColumn<QStringList>("events");
        // What the recorder received; a null array is not compared, an empty
        // one also means that no connection was made.
        QTest::addColumn<QByteArray>("sent");

        const QString loginFailed = message("ERROR: login failed ");
        const QString wrongIp = message("ERROR: wrong IP Password ");
        const QString admin = message("ERROR: Admin Password ");
        const QString nul = QString(QChar(0));
        const QStringList ok{"0FF11D101"};
        const QStringList refused{"0F2"};

        QTest::newRow("connection refused")
            << int(TurnOn) << "pass" << "admin" << int(NotListening) << QStringList() << QStringList()
            << (phases({1, 2, 0}) << loginFailed) << QByteArray("");
        QTest::newRow("link closed at the prompt")
            << int(TurnOn) << "pass" << "admin" << int(CloseAtPrompt) << QStringList() << QStringList()
            << (phases({1, 2, 0}) << loginFailed) << QByteArray();
        QTest::newRow("model query refused")
            << int(TurnOff) << "pass" << "admin" << int(ModelRefused) << QStringList() << QStringList()
            << (phases({1, 2, 0}) << loginFailed) << QByteArray("\r\npass\r\n07F6A64\r\n");
        QTest::newRow("link closed after the admin command")
            << int(TurnOn) << "pass" << "admin" << int(CloseWhenLinked) << QStringList() << QStringList()
            << (phases({1, 2, 3, 0}) << loginFailed) << QByteArray("\r\npass\r\n07F1141admin\r\n");

        QTest::newRow("IP password refused, turn on")
            << int(TurnOn) << "pass" << "admin" << int(WrongPassword) << QStringList() << QStringList()
            << (phases({1, 2, 0}) << wrongIp) << QByteArray("\r\npass\r\n");
        QTest::newRow("IP password refused, turn off")
            << int(TurnOff) << "pass" << "admin" << int(WrongPassword) << QStringList() << QStringList()
            << (phases({1, 2, 0}) << wrongIp) << QByteArray("\r\npass\r\n");
        QTest::newRow("IP password with CR")
            << int(TurnOn) << "pa\rss" << "admin" << int(Normal) << QStringList() << QStringList()
            << (phases({1, 2, 0}) << wrongIp) << QByteArray("");
        QTest::newRow("IP password with LF")
            << int(TurnOff) << "pa\nss" << "admin" << int(Normal) << QStringList() << QStringList()
            << (phases({1, 2, 0}) << wrongIp) << QByteArray("");
        QTest::newRow("IP password with NUL")
            << int(AdminCheck) << "pa" + nul + "ss" << "admin" << int(Normal) << QStringList() << QStringList()
            << (phases({1, 2, 0}) << wrongIp) << QByteArray("");

        QTest::newRow("admin password with CR")
            << int(TurnOn) << "pass" << "ad\rmin" << int(Normal) << ok << QStringList()
            << (phases({1, 2, 0}) << admin) << QByteArray("\r\npass\r\n");
        QTest::newRow("admin password with LF")
            << int(TurnOff) << "pass" << "ad\nmin" << int(Normal) << ok << QStringList()
            << (phases({1, 2, 0}) << admin) << QByteArray("\r\npass\r\n07F6A64\r\n");
        QTest::newRow("admin password with NUL")
            << int(AdminCheck) << "pass" << "ad" + nul + "min" << int(Normal) << ok << QStringList()
            << (phases({1, 2, 0}) << admin) << QByteArray("\r\npass\r\n");
        QTest::newRow("admin password refused, turn on")
            << int(TurnOn) << "pass" << "admin" << int(Normal) << QStringList{"0FF11D100"} << QStringList()
            << (phases({1, 2, 3, 0}) << admin) << QByteArray("\r\npass\r\n07F1141admin\r\n");
        QTest::newRow("admin password refused, turn off")
            << int(TurnOff) << "pass" << "admin" << int(Normal) << QStringList{"0FF11D100"} << QStringList()
            << (phases({1, 2, 3, 0}) << admin) << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n");
        QTest::newRow("admin password refused, restart")
            << int(Restart) << "pass" << "admin" << int(Normal) << QStringList{"088000102030", "0FF11D100"}
            << QStringList() << (phases({1, 2, 3, 0}) << admin)
            << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n");

        // After a refused power command the message comes before the end of
        // the operation, except for the turn off.
        QTest::newRow("can not turn on")
            << int(TurnOn) << "pass" << "admin" << int(Normal) << ok << refused
            << (phases({1, 2, 3, 4}) << message("ERROR: can not turn on ") << phase(0))
            << QByteArray("\r\npass\r\n07F1141admin\r\n07500\r\n");
        QTest::newRow("can not turn off")
            << int(TurnOff) << "pass" << "admin" << int(Normal) << ok << refused
            << (phases({1, 2, 3, 4, 0}) << message("ERROR: can not turn off "))
            << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n07511\r\n");
        QTest::newRow("can not restart")
            << int(Restart) << "pass" << "admin" << int(Normal) << ok << QStringList{"088000102030", "0F2"}
            << (phases({1, 2, 3, 4}) << message("ERROR: can not restart ") << phase(0))
            << QByteArray("\r\npass\r\n07F6A64\r\n07F1141admin\r\n07580\r\n");
    }
    void failures()
    {
        QFETCH(int, op);
        QFETCH(QString, ippass);
        QFETCH(QString, adminpass);
        QFETCH(int, setup);
        QFETCH(QStringList, adminReply);
        QFETCH(QStringList, powerReply);
        QFETCH(QStringList, events);
        QFETCH(QByteArray, sent);
        PowerFixture f;
        QVERIFY(f.ready(op == TurnOn ? "0" : "1", ippass, adminpass, setup));
        f.udp.phaseTimeoutMs = 300;
        f.replyToAdmin(adminReply, adminpass);
        f.recorder.setReply(powerCommand(op), lines(powerReply));

        start(f.udp, op, f.mac);
        QVERIFY(f.finished());
        QCOMPARE(f.udp.pendingOp, 0);
        // Nothing follows: no late report of the link, no phase time-out.
        QTest::qWait(f.udp.phaseTimeoutMs + 100);
        QCOMPARE(f.events, events);
        if (!sent.isNull())
            QCOMPARE(f.recorder.received(), sent);
        if (sent.isEmpty() && !sent.isNull())
            QCOMPARE(f.recorder.connectionCount(), 0);
        QTRY_VERIFY(!f.recorder.hasClient());
    }

    // The administrator-password check ends at the answer to its command or
    // at a refusal; other lines are passed over.
    void adminCheckAnswers_data()
    {
        QTest::addColumn<QStringList>("reply");
        QTest::addColumn<QString>("message");
        QTest::newRow("accepted") << QStringList{"0FF11D101"} << QString();
        QTest::newRow("refused") << QStringList{"0FF11D100"} << message("ERROR: Admin Password ");
        QTest::newRow("other answer to the check") << QStringList{"0FF11D1FF"} << QString();
        QTest::newRow("command refused") << QStringList{"0F2"} << QString();
        QTest::newRow("pushes before the answer") << QStringList{"088000102030", "0F5", "0FF11D101"} << QString();
        QTest::newRow("push before the refusal") << QStringList{"0FF6A8901", "0FF11D100"}
                                                 << message("ERROR: Admin Password ");
    }
    void adminCheckAnswers()
    {
        QFETCH(QStringList, reply);
        QFETCH(QString, message);
        PowerFixture f;
        QVERIFY(f.ready("0"));
        f.udp.phaseTimeoutMs = 300;
        f.replyToAdmin(reply);

        f.udp.checkAdminPass(f.mac);
        QVERIFY(f.finished());
        QTest::qWait(f.udp.phaseTimeoutMs + 100);
        QCOMPARE(f.recorder.received(), QByteArray("\r\npass\r\n07F1141admin\r\n"));
        QTRY_VERIFY(!f.recorder.hasClient());
        QCOMPARE(f.udp.pendingOp, 0);
        if (message.isEmpty()) {
            QCOMPARE(f.events, phases({1, 2, 3, 0}));
            return;
        }
        QCOMPARE(f.events.size(), 5);
        QCOMPARE(f.events.mid(0, 3), phases({1, 2, 3}));
        QVERIFY(f.events.contains(message));
        // The message comes first, then the operation ends.
        QCOMPARE(f.events.mid(3), QStringList({message, phase(0)}));
    }

    // ---- One operation at a time ----

    void newOperationEndsThePreviousOne()
    {
        PowerFixture f;
        QVERIFY(f.ready("1"));
        f.udp.turnOffMachine(f.mac);
        QVERIFY(f.recorder.waitForRequest("07F1141admin\r\n"));
        QCOMPARE(f.udp.telnetPhase, 3);

        // The turn on replaces the waiting turn off; its link goes first.
        f.discovery.silent = true;
        QSignalSpy closed(&f.recorder, &FakeRecorder::clientDisconnected);
        f.udp.turnOnMachine(f.mac);
        QCOMPARE(f.udp.telnetPhase, 1);
        QCOMPARE(f.udp.pendingOp, int(TurnOn));
        QVERIFY(closed.wait(2000) || !closed.isEmpty());
        // Nothing of the turn off is left to time out.
        QTest::qWait(f.udp.phaseTimeoutMs + 200);
        QCOMPARE(f.udp.telnetPhase, 1);
        QCOMPARE(f.events, phases({1, 2, 3, 1}));

        f.discovery.silent = false;
        f.answer("0");
        f.replyToAdmin({"0FF11D101"});
        f.recorder.setReply("07500", {"0F5"});
        f.udp.sendDatagram();
        QVERIFY(f.finished());
        QCOMPARE(f.events, phases({1, 2, 3, 1, 2, 3, 4, 0}));
        QCOMPARE(f.recorder.connectionCount(), 2);
        QCOMPARE(f.recorder.receivedSinceLink(), QByteArray("07F1141admin\r\n07500\r\n"));
    }

    // ---- Stored passwords ----

    void storedPasswordStaysWithTheMachine_data()
    {
        QTest::addColumn<bool>("ip");
        QTest::newRow("IP password") << true;
        QTest::newRow("administrator password") << false;
    }
    void storedPasswordStaysWithTheMachine()
    {
        QFETCH(bool, ip);
        const QString mac = nextMac();
        const QString password = QString::fromUtf8("s3cret \xc3\xa4");
        const QString group = ip ? "IPPass" : "AdminPass";
        {
            PowerFixture f(mac);
            QVERIFY(f.list());
            UdpMachineList *machine = f.machine();
            QCOMPARE(machine->ippass, QString(""));
            QCOMPARE(machine->adminpass, QString(""));
            QCOMPARE(loadPassword(f.udp, ip, mac), QString(""));
            QSignalSpy ipSpy(machine, &UdpMachineList::ippassChanged);
            QSignalSpy adminSpy(machine, &UdpMachineList::adminpassChanged);

            savePassword(f.udp, ip, mac, password);
            QCOMPARE(passwordOf(machine, ip), password);
            QCOMPARE(passwordOf(machine, !ip), QString(""));
            QCOMPARE(ipSpy.count(), 0);
            QCOMPARE(adminSpy.count(), 0);
            QCOMPARE(loadPassword(f.udp, ip, mac), password);
            QCOMPARE(loadPassword(f.udp, !ip, mac), QString(""));
            QCOMPARE(DataSettings().loadSettingString(group, mac), password);
            QCOMPARE(passwordOf(f.find(f.decoyMac), ip), QString(""));
            QCOMPARE(f.events, QStringList());

            // Later answers leave the element's passwords alone.
            f.settings.saveSetting(group, mac, "changed");
            machine->count = 7;
            f.udp.sendDatagram();
            QTRY_COMPARE(machine->count, 0);
            QCOMPARE(passwordOf(machine, ip), password);
        }
        {
            // A machine seen for the first time gets what the store holds.
            PowerFixture again(mac);
            QVERIFY(again.list());
            QCOMPARE(passwordOf(again.machine(), ip), QString("changed"));
            QCOMPARE(passwordOf(again.machine(), !ip), QString(""));
            savePassword(again.udp, ip, mac, "");
            QCOMPARE(passwordOf(again.machine(), ip), QString(""));
            QCOMPARE(loadPassword(again.udp, ip, mac), QString(""));
        }
        {
            PowerFixture third(mac);
            QVERIFY(third.list());
            QCOMPARE(passwordOf(third.machine(), ip), QString(""));
        }
    }

    void savingForAnUnlistedMachineChangesNothing_data()
    {
        QTest::addColumn<bool>("ip");
        QTest::newRow("IP password") << true;
        QTest::newRow("administrator password") << false;
    }
    void savingForAnUnlistedMachineChangesNothing()
    {
        QFETCH(bool, ip);
        PowerFixture f;
        QVERIFY(f.ready("1", "pass", "admin"));
        savePassword(f.udp, ip, f.mac.toLower(), "other");
        QCOMPARE(f.events.size(), 1);
        QVERIFY2(f.events.at(0).startsWith("message Error: not found. "), qPrintable(f.events.at(0)));
        QCOMPARE(f.machine()->ippass, QString("pass"));
        QCOMPARE(f.machine()->adminpass, QString("admin"));
        QCOMPARE(f.find(f.decoyMac)->ippass, QString(""));
        QCOMPARE(f.find(f.decoyMac)->adminpass, QString(""));
        QCOMPARE(loadPassword(f.udp, ip, f.mac), QString(ip ? "pass" : "admin"));
    }

    void applicationPassword()
    {
        PowerFixture f;
        f.udp.setAppPassword("old");
        QSignalSpy changed(&f.udp, &UdpPowerControl::appPasswordChanged);
        f.udp.saveAppPass("n3w");
        QCOMPARE(f.udp.appPassword, QString("old"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(f.udp.loadAppPass(), QString("n3w"));
        QCOMPARE(DataSettings().loadSettingString("AppPass", "AppPass"), QString("n3w"));
        {
            // A new start reads it before start-up hands the store over.
            UdpPowerControl fresh;
            QCOMPARE(fresh.appPassword, QString("n3w"));
            QCOMPARE(fresh.loadAppPass(), QString("n3w"));
            QCOMPARE(gudp, &f.udp);
            fresh.saveAppPass("");
        }
        QCOMPARE(gudp, &f.udp);
        QCOMPARE(f.udp.loadAppPass(), QString(""));
        UdpPowerControl none;
        QCOMPARE(none.appPassword, QString(""));
    }
};

HB740_TEST_MAIN(TestPower)
#include "tst_power.moc"
