// UdpPowerControl as a whole: construction and its properties. Its jobs live
// in files of their own: discovery (UdpDiscovery.cpp), the stored passwords
// (StoredPasswords.cpp) and the power operations (PowerOperation.cpp).
#include "UdpPowerControl.h"

#include "DataSettings.h"
#include "PropertyStore.h"
#include "StoredPasswords.h"
#include "UdpMachineList.h"

UdpPowerControl *gudp = nullptr;

UdpPowerControl::UdpPowerControl()
    : QObject(nullptr)
    , collectTargets(&interfaceTargets)
    , readDatagram(&socketRead)
{
    telnetSetSignals();
    phaseTimer.setSingleShot(true);
    connect(&phaseTimer, &QTimer::timeout, this, [this] { failOperation("ERROR: login failed "); });

    // Start-up hands the store over later; until then one of our own reads
    // the same entries.
    setAppPassword(StoredPasswords::loadApp(settings()));

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

void UdpPowerControl::setShowRefresh(bool value)
{
    storeProperty(this, showRefresh, value, &UdpPowerControl::showRefreshChanged);
}

void UdpPowerControl::setLoginedNickname(const QString &value)
{
    storeProperty(this, loginedNickname, value, &UdpPowerControl::loginedNicknameChanged);
}

void UdpPowerControl::setAppPassword(const QString &value)
{
    storeProperty(this, appPassword, value, &UdpPowerControl::appPasswordChanged);
}

void UdpPowerControl::setTelnetPhase(int value)
{
    storeProperty(this, telnetPhase, value, &UdpPowerControl::telnetPhaseChanged);
}

void UdpPowerControl::setTelnetConnecting(int value)
{
    storeProperty(this, telnetConnecting, value, &UdpPowerControl::telnetConnectingChanged);
}
