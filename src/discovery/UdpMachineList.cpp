#include "UdpMachineList.h"

#include "LineProtocol.h"
#include "PropertyStore.h"
#include "UdpPowerControl.h"

#include <memory>

const QRegularExpression lower_sd(QStringLiteral("sd.*"));
const QRegularExpression lower_cd(QStringLiteral("cd.*"));

namespace {

bool beginsWith(const QRegularExpression &expression, const QString &text)
{
    const QRegularExpressionMatch match = expression.match(text);
    return match.hasMatch() && match.capturedStart() == 0;
}

int transportIcon(qint64 status)
{
    if (status < 0)
        return 2;
    static const int icons[] = {1, 2, 4, 3, 3, 2, 2, 0, 2, 2, 2, 2};
    return status < 12 ? icons[status] : 0;
}

// The first characters of `text`, never cutting a character in two.
QString leftWhole(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace

UdpMachineList::UdpMachineList(QByteArray *datagram, QHostAddress *sender)
    : QObject(nullptr)
{
    const int end = datagram->indexOf('\0');
    const QString text = QString::fromUtf8(datagram->constData(), end < 0 ? datagram->size() : end);
    const QVector<QStringRef> parts = text.splitRef(QLatin1Char('\n'));
    if (parts.size() < 7)
        return; // invalid: count stays -1

    ipaddr = sender->toString();
    modelname = parts[1].toString();
    nickname = leftWhole(parts[2].toString(), maxNicknameLength);
    macaddr = parts[3].toString();
    cmedia = parts[4].toString();
    powerstate = LineProtocol::toNumber(parts[5]);
    transportStatus = LineProtocol::toNumber(parts[6]);
    count = 0;

    if (powerstate > 1)
        powerstate = 0;
    if (powerstate != 1) {
        cmediaicon = 0;
        transporticon = 0;
        cmedia.clear();
        return;
    }
    transporticon = transportIcon(transportStatus);
    const QString lower = cmedia.toLower();
    if (lower == QLatin1String("usb")) {
        cmediaicon = 1;
    } else if (beginsWith(lower_sd, lower)) {
        cmediaicon = 2;
    } else if (beginsWith(lower_cd, lower)) {
        cmediaicon = 3;
        cmedia = cmedia.left(2);
    } else {
        cmediaicon = 0;
    }
}

void UdpMachineList::add(QList<QObject *> *list, QByteArray *datagram, QHostAddress *sender)
{
    auto answer = std::make_unique<UdpMachineList>(datagram, sender);
    if (answer->count < 0)
        return;

    for (int i = 0; i < list->size(); ++i) {
        auto *machine = static_cast<UdpMachineList *>(list->at(i));
        if (machine->macaddr != answer->macaddr)
            continue;
        // Written directly: the page sees them when the list is next published.
        machine->modelname = answer->modelname;
        machine->nickname = answer->nickname;
        machine->cmedia = answer->cmedia;
        machine->powerstate = answer->powerstate;
        machine->transportStatus = answer->transportStatus;
        machine->ipaddr = answer->ipaddr;
        machine->cmediaicon = answer->cmediaicon;
        machine->transporticon = answer->transporticon;
        machine->count = 0;
        if (gudp)
            gudp->machineAnswered(machine, i);
        return;
    }

    // Any sender can answer: the list must not grow without bound.
    if (list->size() >= maxMachines)
        return;
    if (gudp) {
        answer->ippass = gudp->loadIPPass(answer->macaddr);
        answer->adminpass = gudp->loadAdminPass(answer->macaddr);
    }
    list->append(answer.release());
}

void UdpMachineList::setModelname(const QString &value) { storeProperty(this, modelname, value, &UdpMachineList::modelnameChanged); }
void UdpMachineList::setNickname(const QString &value) { storeProperty(this, nickname, value, &UdpMachineList::nicknameChanged); }
void UdpMachineList::setIpaddr(const QString &value) { storeProperty(this, ipaddr, value, &UdpMachineList::ipaddrChanged); }
void UdpMachineList::setCmedia(const QString &value) { storeProperty(this, cmedia, value, &UdpMachineList::cmediaChanged); }
void UdpMachineList::setCmediaicon(int value) { storeProperty(this, cmediaicon, value, &UdpMachineList::cmediaiconChanged); }
void UdpMachineList::setTransporticon(int value) { storeProperty(this, transporticon, value, &UdpMachineList::transporticonChanged); }
void UdpMachineList::setPowerstate(int value) { storeProperty(this, powerstate, value, &UdpMachineList::powerstateChanged); }
void UdpMachineList::setCount(int value) { storeProperty(this, count, value, &UdpMachineList::countChanged); }
void UdpMachineList::setIppass(const QString &value) { storeProperty(this, ippass, value, &UdpMachineList::ippassChanged); }
void UdpMachineList::setAdminpass(const QString &value) { storeProperty(this, adminpass, value, &UdpMachineList::adminpassChanged); }
void UdpMachineList::setMacaddr(const QString &value) { storeProperty(this, macaddr, value, &UdpMachineList::macaddrChanged); }
