#include "StoredPasswords.h"

#include "DataSettings.h"
#include "UdpPowerControl.h"

namespace StoredPasswords {

const Kind ip{"IPPass", &UdpMachineList::ippass};
const Kind admin{"AdminPass", &UdpMachineList::adminpass};

namespace {
const QLatin1String appGroup("AppPass");
const QLatin1String appKey("AppPass");
} // namespace

QString load(DataSettings &settings, const Kind &kind, const QString &mac)
{
    return settings.loadSettingString(QLatin1String(kind.group), mac);
}

void save(DataSettings &settings, const Kind &kind, UdpMachineList &machine, const QString &password)
{
    machine.*kind.field = password;
    settings.saveSetting(QLatin1String(kind.group), machine.macaddr, password);
}

QString loadApp(DataSettings &settings)
{
    return settings.loadSettingString(appGroup, appKey);
}

void saveApp(DataSettings &settings, const QString &password)
{
    settings.saveSetting(appGroup, appKey, password);
}

} // namespace StoredPasswords

QString UdpPowerControl::loadIPPass(QString arg_macaddr)
{
    return StoredPasswords::load(settings(), StoredPasswords::ip, arg_macaddr);
}

QString UdpPowerControl::loadAdminPass(QString arg_macaddr)
{
    return StoredPasswords::load(settings(), StoredPasswords::admin, arg_macaddr);
}

QString UdpPowerControl::loadAppPass()
{
    return StoredPasswords::loadApp(settings());
}

void UdpPowerControl::saveIPPass(QString arg_macaddr, QString arg_passwd)
{
    if (UdpMachineList *machine = getNodeOfMachineList(arg_macaddr))
        StoredPasswords::save(settings(), StoredPasswords::ip, *machine, arg_passwd);
}

void UdpPowerControl::saveAdminPass(QString arg_macaddr, QString arg_passwd)
{
    if (UdpMachineList *machine = getNodeOfMachineList(arg_macaddr))
        StoredPasswords::save(settings(), StoredPasswords::admin, *machine, arg_passwd);
}

void UdpPowerControl::saveAppPass(QString arg_passwd)
{
    StoredPasswords::saveApp(settings(), arg_passwd);
}
