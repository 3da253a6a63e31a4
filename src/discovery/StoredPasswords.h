#pragma once

#include "UdpMachineList.h"

#include <QString>

class DataSettings;

// The passwords the operator keeps in the settings store: per machine, keyed
// by its MAC address, an IP password and an administrator password, which the
// machine's list element holds as well; and one application password.
namespace StoredPasswords {

// One kind of per-machine password: its settings group and its field in the
// list element.
struct Kind {
    const char *group;
    QString UdpMachineList::*field;
};
extern const Kind ip;
extern const Kind admin;

// The stored password, "" when none.
QString load(DataSettings &settings, const Kind &kind, const QString &mac);
// Into the element, without a change signal (the page writes the property
// itself when it wants one), and into the store.
void save(DataSettings &settings, const Kind &kind, UdpMachineList &machine, const QString &password);

QString loadApp(DataSettings &settings);
void saveApp(DataSettings &settings, const QString &password);

} // namespace StoredPasswords
