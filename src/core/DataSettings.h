#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// The application's only persistent storage: the platform's native user settings.
class DataSettings : public QObject
{
    Q_OBJECT

public:
    explicit DataSettings(QObject *parent = nullptr);

    void saveSetting(QString group, QString key, QVariant value);
    // The stored value as a string, or "" when the key does not exist.
    QString loadSettingString(QString group, QString key);
};

extern const QString settingsOrganization;
extern const QString settingsApplication;
