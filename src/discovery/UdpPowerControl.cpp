#include "UdpPowerControl.h"

UdpPowerControl *gudp = nullptr;

UdpPowerControl::UdpPowerControl()
    : QObject(nullptr)
{
}

void UdpPowerControl::setDatasettings(DataSettings *settings)
{
    dataSettings = settings;
    gudp = this;
}

UdpPowerControl::~UdpPowerControl()
{
    if (gudp == this)
        gudp = nullptr;
}
