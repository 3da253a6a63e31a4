#pragma once

#include "UdpPowerControl.h"

#include <QGuiApplication>
#include <QNetworkInterface>
#include <cstdio>
#include <QTemporaryDir>
#include <QTest>

// True when no interface could carry a broadcast off this machine: the
// tests run only in a network namespace that holds loopback alone.
inline bool networkIsPrivate()
{
    QList<QNetworkAddressEntry> entries;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
        entries += interface.addressEntries();
    if (UdpPowerControl::broadcastTargets(entries).isEmpty())
        return true;
    std::fprintf(stderr, "Refusing to run: this network reaches beyond loopback. Run the tests in a\n"
                         "loopback-only namespace: unshare -n sh -c 'ip link set lo up; ...'\n");
    return false;
}

// Runs a test class with the settings store in a fresh temporary folder, so
// that no test ever reads or writes the user's own settings, and only where
// no datagram can leave the machine.
#define HB740_TEST_MAIN(TestClass)                                             \
    int main(int argc, char **argv)                                            \
    {                                                                          \
        if (!networkIsPrivate())                                               \
            return 1;                                                          \
        QTemporaryDir configHome;                                              \
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());                \
        QGuiApplication app(argc, argv);                                       \
        TestClass test;                                                        \
        return QTest::qExec(&test, argc, argv);                                \
    }
