#pragma once

#include "Browse.h"
#include "Communication.h"
#include "Mark.h"
#include "Menu.h"
#include "Permission.h"
#include "Playlist.h"
#include "Telnet.h"
#include "TimerEvent.h"
#include "UdpPowerControl.h"
#include "Version.h"

class QQmlContext;

// The ten backend objects of a run, created in this order, wired to each
// other, and destroyed in the reverse order.
class Backend
{
public:
    Backend();
    Backend(const Backend &) = delete;
    Backend &operator=(const Backend &) = delete;

    // Publishes the objects and the platform flags to the interface.
    void publish(QQmlContext *context);

    UdpPowerControl udpc;
    Version ver;
    Telnet telnet;
    Permission permission;
    Menu menu;
    TimerEvent tev;
    Playlist pl;
    Browse browse;
    Mark mark;
    Communication comm;
};
