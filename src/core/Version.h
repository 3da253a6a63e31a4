#pragma once

#include <QObject>
#include <QString>

// Tells the interface the application's version.
class Version : public QObject
{
    Q_OBJECT

public:
    explicit Version(QObject *parent = nullptr);

    Q_INVOKABLE QString getVersion() const;

private:
    QString version;
};
