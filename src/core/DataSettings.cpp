#include "DataSettings.h"

#include <QSettings>

const QString settingsOrganization = QStringLiteral("QUOVAL");
const QString settingsApplication = QStringLiteral("HB740Control");

namespace {
// Each access opens the store afresh, so nothing is cached between calls.
struct Store
{
    explicit Store(const QString &group)
        : settings(QSettings::NativeFormat, QSettings::UserScope, settingsOrganization, settingsApplication)
    {
        settings.setIniCodec("UTF-8");
        settings.beginGroup(group);
    }
    ~Store() { settings.endGroup(); }

    QSettings settings;
};
} // namespace

DataSettings::DataSettings(QObject *parent)
    : QObject(parent)
{
}

void DataSettings::saveSetting(QString group, QString key, QVariant value)
{
    Store store(group);
    store.settings.setValue(key, value);
}

QString DataSettings::loadSettingString(QString group, QString key)
{
    Store store(group);
    return store.settings.value(key, QVariant(QStringLiteral(""))).toString();
}
