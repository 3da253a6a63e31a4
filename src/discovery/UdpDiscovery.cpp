// The discovery engine of UdpPowerControl: while the login page shows, the
// ping goes out every third tick, the answers are merged into the machine
// list, silent machines age and the list is published to the page.
#include "UdpPowerControl.h"

#include "ObjectListModel.h"
#include "UdpMachineList.h"

#include <QDataStream>
#include <QNetworkInterface>
#include <QTimerEvent>
#include <QUdpSocket>

namespace {

// Ticks of one discovery cycle: the ping, ageing and the first publishing.
constexpr int cycleTicks = 3;
// A machine that missed this many cycles in a row is reported once.
constexpr int silentCycles = 3;

QByteArray pingFor(quint16 localPort)
{
    QByteArray datagram;
    QDataStream stream(&datagram, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << QByteArray("HB740PING\n") + QByteArray::number(localPort, 16) + "\n";
    return datagram;
}

} // namespace

QList<QHostAddress> UdpPowerControl::interfaceTargets()
{
    QList<QNetworkAddressEntry> entries;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
        entries += interface.addressEntries();
    return broadcastTargets(entries);
}

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

qint64 UdpPowerControl::socketRead(QUdpSocket *socket, char *data, qint64 size, QHostAddress *sender)
{
    return socket->readDatagram(data, size, sender);
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
    pingDatagram = pingFor(udpSocket->localPort());
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
        const qint64 size = readDatagram(udpSocket, datagram.data(), datagram.size(), &sender);
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
    if (ticksSinceSend % cycleTicks == 0) {
        if (modelPublished == 0) {
            modelPublished = 1;
            publish();
            emit initCompleted();
            setShowRefresh(true);
        }
        for (int i = 0; i < loginModel.size(); ++i) {
            auto *machine = static_cast<UdpMachineList *>(loginModel.at(i));
            if (++machine->count == silentCycles)
                emit changeToUnknownPowerState(i);
        }
        sendDatagram();
    }
    operationTick();
    setTelnetConnecting(telnetConnecting + 1);
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
