#include "UdpPowerControl.h"

#include "DataSettings.h"
#include "LineProtocol.h"
#include "ObjectListModel.h"
#include "UdpMachineList.h"

#include <QDataStream>
#include <QNetworkInterface>
#include <QTimerEvent>
#include <QUdpSocket>
#include <QVariant>

UdpPowerControl *gudp = nullptr;

namespace {

enum Operation { NoOperation, AdminCheck, TurnOn, TurnOff, Restart, CheckAndLogin };

QList<QHostAddress> interfaceTargets()
{
    QList<QNetworkAddressEntry> entries;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
        entries += interface.addressEntries();
    return UdpPowerControl::broadcastTargets(entries);
}

} // namespace

UdpPowerControl::UdpPowerControl()
    : QObject(nullptr)
    , collectTargets(&interfaceTargets)
{
    telnetSetSignals();
    phaseTimer.setSingleShot(true);
    connect(&phaseTimer, &QTimer::timeout, this, [this] { failOperation("ERROR: login failed "); });

    // Start-up hands the store over later; until then one of our own reads
    // the same entries.
    appPassword = settings().loadSettingString(QStringLiteral("AppPass"), QStringLiteral("AppPass"));
    if (!appPassword.isEmpty())
        emit appPasswordChanged();

    if (!loginScreenVisible) {
        loginScreenVisible = true;
        if (appActive)
            udpStartStop(true);
    }
}

UdpPowerControl::~UdpPowerControl()
{
    udpStartStop(false);
    qDeleteAll(loginModel);
    if (gudp == this)
        gudp = nullptr;
}

void UdpPowerControl::setDatasettings(DataSettings *settings)
{
    dataSettings = settings;
    gudp = this;
}

DataSettings &UdpPowerControl::settings()
{
    if (dataSettings)
        return *dataSettings;
    if (!ownSettings)
        ownSettings = std::make_unique<DataSettings>();
    return *ownSettings;
}

// ---- Properties ----

void UdpPowerControl::setShowRefresh(bool value)
{
    if (value == showRefresh)
        return;
    showRefresh = value;
    emit showRefreshChanged();
}

void UdpPowerControl::setLoginedNickname(const QString &value)
{
    if (value == loginedNickname)
        return;
    loginedNickname = value;
    emit loginedNicknameChanged();
}

void UdpPowerControl::setAppPassword(const QString &value)
{
    if (value == appPassword)
        return;
    appPassword = value;
    emit appPasswordChanged();
}

void UdpPowerControl::setTelnetPhase(int value)
{
    if (value == telnetPhase)
        return;
    telnetPhase = value;
    emit telnetPhaseChanged();
}

void UdpPowerControl::setTelnetConnecting(int value)
{
    if (value == telnetConnecting)
        return;
    telnetConnecting = value;
    emit telnetConnectingChanged();
}

// ---- Discovery ----

QList<QHostAddress> UdpPowerControl::broadcastTargets(const QList<QNetworkAddressEntry> &entries)
{
    QList<QHostAddress> targets;
    for (const QNetworkAddressEntry &entry : entries) {
        const QStringList parts = entry.broadcast().toString().split(QLatin1Char('.'));
        if (parts.size() == 4 && parts.first() != QLatin1String("127"))
            targets.append(entry.broadcast());
    }
    return targets;
}

void UdpPowerControl::visibleStateChanged(bool arg)
{
    if (arg == loginScreenVisible || starting)
        return;
    loginScreenVisible = arg;
    if (arg && appActive)
        udpStartStop(true);
    else if (!arg)
        udpStartStop(false);
}

void UdpPowerControl::appStateChanged(bool arg)
{
    if (arg == appActive || starting)
        return;
    appActive = arg;
    if (arg && loginScreenVisible)
        udpStartStop(true);
}

void UdpPowerControl::udpStartStop(bool start)
{
    if (!start) {
        if (!udpSocket)
            return;
        killTimer(timerId);
        timerId = 0;
        udpSocket->close();
        delete udpSocket;
        udpSocket = nullptr;
        return;
    }
    if (udpSocket || starting)
        return;
    starting = true;
    udpSocket = new QUdpSocket;
    udpSocket->bind(QHostAddress::AnyIPv4, 0, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
    connect(udpSocket, SIGNAL(readyRead()), this, SLOT(processPendingDatagram()));

    pingDatagram.clear();
    QDataStream stream(&pingDatagram, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << QByteArray("HB740PING\n") + QByteArray::number(udpSocket->localPort(), 16) + "\n";

    broadcastEntries = collectTargets();
    setShowRefresh(false);
    modelPublished = 0;
    timerId = startTimer(tickIntervalMs, Qt::CoarseTimer);
    sendDatagram();
    starting = false;
}

void UdpPowerControl::sendDatagram()
{
    ticksSinceSend = 0;
    if (!udpSocket)
        return;
    for (const QHostAddress &target : qAsConst(broadcastEntries))
        udpSocket->writeDatagram(pingDatagram, target, discoveryPort);
}

void UdpPowerControl::processPendingDatagram()
{
    while (udpSocket && udpSocket->hasPendingDatagrams()) {
        QByteArray datagram(int(qMax<qint64>(udpSocket->pendingDatagramSize(), 0)), '\0');
        QHostAddress sender;
        // A read that fails would leave the datagram pending: stop here.
        const qint64 size = udpSocket->readDatagram(datagram.data(), datagram.size(), &sender);
        if (size < 0)
            break;
        datagram.resize(int(size));
        UdpMachineList::add(&loginModel, &datagram, &sender);
    }
}

void UdpPowerControl::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == timerId && timerId != 0)
        tick();
}

void UdpPowerControl::tick()
{
    ++ticksSinceSend;
    ++opTicks;
    if (ticksSinceSend % 3 == 0) {
        if (modelPublished == 0) {
            modelPublished = 1;
            publish();
            emit initCompleted();
            setShowRefresh(true);
        }
        for (int i = 0; i < loginModel.size(); ++i) {
            auto *machine = static_cast<UdpMachineList *>(loginModel.at(i));
            if (++machine->count == 3)
                emit changeToUnknownPowerState(i);
        }
        sendDatagram();
    }
    if (telnetPhase == 1) {
        if (opTicks == 3) {
            setTelnetPhase(0);
            pendingOp = NoOperation;
            telnet.close();
            emit popupMessage(QStringLiteral("ERROR: connecting... ") + targetNickname());
        } else {
            sendDatagram();
        }
    }
    ++telnetConnecting;
    emit telnetConnectingChanged();
}

void UdpPowerControl::refreshList()
{
    publish();
}

void UdpPowerControl::publish()
{
    ObjectListModel::publish(QStringLiteral("loginModel"), loginModel);
}

UdpMachineList *UdpPowerControl::getNodeOfMachineList(QString mac)
{
    for (QObject *object : qAsConst(loginModel)) {
        auto *machine = static_cast<UdpMachineList *>(object);
        if (machine->macaddr == mac)
            return machine;
    }
    emit popupMessage(QStringLiteral("Error: not found. ") + mac);
    return nullptr;
}

// ---- Stored passwords ----

QString UdpPowerControl::loadIPPass(QString arg_macaddr)
{
    return settings().loadSettingString(QStringLiteral("IPPass"), arg_macaddr);
}

QString UdpPowerControl::loadAdminPass(QString arg_macaddr)
{
    return settings().loadSettingString(QStringLiteral("AdminPass"), arg_macaddr);
}

QString UdpPowerControl::loadAppPass()
{
    return settings().loadSettingString(QStringLiteral("AppPass"), QStringLiteral("AppPass"));
}

void UdpPowerControl::saveIPPass(QString arg_macaddr, QString arg_passwd)
{
    UdpMachineList *machine = getNodeOfMachineList(arg_macaddr);
    if (!machine)
        return;
    machine->ippass = arg_passwd;
    settings().saveSetting(QStringLiteral("IPPass"), arg_macaddr, arg_passwd);
}

void UdpPowerControl::saveAdminPass(QString arg_macaddr, QString arg_passwd)
{
    UdpMachineList *machine = getNodeOfMachineList(arg_macaddr);
    if (!machine)
        return;
    machine->adminpass = arg_passwd;
    settings().saveSetting(QStringLiteral("AdminPass"), arg_macaddr, arg_passwd);
}

void UdpPowerControl::saveAppPass(QString arg_passwd)
{
    settings().saveSetting(QStringLiteral("AppPass"), QStringLiteral("AppPass"), arg_passwd);
}

// ---- Power operations ----

void UdpPowerControl::telnetSetSignals()
{
    connect(&telnet, SIGNAL(connectedToServer(int)), this, SLOT(telnetFinishedLogin(int)));
    connect(&telnet, SIGNAL(errorConnectedToServer()), this, SLOT(telnetFailedLogin()));
    connect(&telnet, SIGNAL(readyRead(QString)), this, SLOT(telnetRecievedData(QString)));
    connect(&telnet, SIGNAL(passwordFailed()), this, SLOT(telnetPasswordFailed()));
}

void UdpPowerControl::turnOnMachine(QString arg_macaddr) { startOperation(TurnOn, arg_macaddr, true, true, true); }
void UdpPowerControl::turnOffMachine(QString arg_macaddr) { startOperation(TurnOff, arg_macaddr, true, false, true); }
void UdpPowerControl::restartMachine(QString arg_macaddr) { startOperation(Restart, arg_macaddr, true, false, true); }
void UdpPowerControl::checkAdminPass(QString arg_macaddr) { startOperation(AdminCheck, arg_macaddr, false, true, false); }
void UdpPowerControl::checkAndLogin(QString arg_macaddr) { startOperation(CheckAndLogin, arg_macaddr, false, true, true); }

void UdpPowerControl::startOperation(int op, const QString &mac, bool countsAsPowerChange, bool skipModel,
                                     bool resetConnecting)
{
    // The machine must be listed; otherwise the running operation goes on.
    UdpMachineList *machine = getNodeOfMachineList(mac);
    if (!machine)
        return;
    // The operation before this one ends cleanly.
    phaseTimer.stop();
    telnet.close();
    targetMachine = machine;
    if (resetConnecting)
        setTelnetConnecting(0);
    if (countsAsPowerChange)
        machine->count += 5;
    telnet.skipModelQuery = skipModel;
    pendingOp = op;
    setTelnetPhase(1);
    opTicks = 0;
    sendDatagram();
}

QString UdpPowerControl::targetNickname() const
{
    return targetMachine ? targetMachine->nickname : QString();
}

void UdpPowerControl::machineAnswered(UdpMachineList *machine, int index)
{
    if (telnetPhase != 1 || !targetMachine || targetMachine->macaddr != machine->macaddr)
        return;
    const bool on = machine->powerstate == 1;
    const int op = pendingOp;
    switch (op) {
    case TurnOn:
        if (on)
            endOperation();
        else
            telnetLogin(machine->macaddr);
        break;
    case TurnOff:
        if (machine->powerstate == 0) {
            endOperation();
            emit changeToUnknownPowerState(index);
        } else {
            telnetLogin(machine->macaddr);
        }
        break;
    case Restart:
    case CheckAndLogin:
        if (machine->powerstate == 0) {
            endOperation();
            emit popupMessage((op == Restart ? QStringLiteral("Power OFF  ") : QStringLiteral("Power OFF\u3000\u3000"))
                              + machine->nickname);
            emit changeToUnknownPowerState(index);
        } else if (op == Restart) {
            telnetLogin(machine->macaddr);
        } else {
            endOperation();
            emit loginRequest(machine->ipaddr, machine->ippass);
            setTelnetConnecting(100);
        }
        break;
    case AdminCheck:
        telnetLogin(machine->macaddr);
        break;
    default:
        break;
    }
}

void UdpPowerControl::endOperation()
{
    phaseTimer.stop();
    setTelnetPhase(0);
    pendingOp = NoOperation;
    telnet.close();
}

void UdpPowerControl::failOperation(const char *message)
{
    endOperation();
    emit popupMessage(QLatin1String(message) + targetNickname());
}

void UdpPowerControl::telnetLogin(QString macaddr)
{
    setTelnetPhase(2);
    UdpMachineList *machine = getNodeOfMachineList(macaddr);
    if (!machine) {
        endOperation();
        return;
    }
    targetMachine = machine;
    // A password that would break the line never reaches the link.
    if (!LineProtocol::isLineSafe(machine->ippass)) {
        failOperation("ERROR: wrong IP Password ");
        return;
    }
    phaseTimer.start(phaseTimeoutMs);
    telnet.connectToServer(machine->ipaddr, machine->ippass, false);
}

void UdpPowerControl::telnetFinishedLogin(int model)
{
    Q_UNUSED(model)
    if (telnetPhase != 2 || !targetMachine)
        return;
    const QString &password = targetMachine->adminpass;
    if (!LineProtocol::isLineSafe(password)) {
        failOperation("ERROR: Admin Password ");
        return;
    }
    setTelnetPhase(3);
    phaseTimer.start(phaseTimeoutMs);
    telnet.sendData(QByteArray("07F1141") + password.toLatin1() + "\r\n");
}

void UdpPowerControl::telnetPasswordFailed()
{
    if (telnetPhase < 2)
        return;
    failOperation("ERROR: wrong IP Password ");
}

void UdpPowerControl::telnetFailedLogin()
{
    if (telnetPhase < 2)
        return;
    failOperation("ERROR: login failed ");
}

void UdpPowerControl::telnetRecievedData(QString str)
{
    const bool passwordAnswer = str.startsWith(QLatin1String("FF11D1"));
    if (pendingOp == AdminCheck) {
        // Only the answer to the check, or a refusal, ends it.
        if (telnetPhase < 3 || !(passwordAnswer || str == QLatin1String("F2")))
            return;
        if (str == QLatin1String("FF11D100")) {
            // The check tells before it ends.
            emit popupMessage(QStringLiteral("ERROR: Admin Password ") + targetNickname());
        }
        endOperation();
        return;
    }
    if (pendingOp != TurnOn && pendingOp != TurnOff && pendingOp != Restart)
        return;

    if (telnetPhase == 3) {
        if (str == QLatin1String("FF11D101")) {
            setTelnetPhase(4);
            phaseTimer.start(phaseTimeoutMs);
            telnet.sendData(pendingOp == TurnOn ? "07500\r\n" : pendingOp == TurnOff ? "07511\r\n" : "07580\r\n");
        } else if (str == QLatin1String("FF11D100")) {
            failOperation("ERROR: Admin Password ");
        }
        return;
    }
    if (telnetPhase != 4)
        return;
    // Only the power command's own answer ("F5") or its refusal ends the
    // operation; a time or meter push says nothing about the command.
    if (str == QLatin1String("F2")) {
        const QString nickname = targetNickname();
        switch (pendingOp) {
        case TurnOn:
            emit popupMessage(QStringLiteral("ERROR: can not turn on ") + nickname);
            endOperation();
            break;
        case TurnOff:
            endOperation();
            emit popupMessage(QStringLiteral("ERROR: can not turn off ") + nickname);
            break;
        default:
            emit popupMessage(QStringLiteral("ERROR: can not restart ") + nickname);
            endOperation();
            break;
        }
    } else if (str.startsWith(QLatin1String("F5"))) {
        endOperation();
    }
}
