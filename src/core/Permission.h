#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class Telnet;

// The editing right: only one controller at a time may work on the recorder's
// media, playlists and timer events. Mirrors what the recorder reports.
class Permission : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isReadOnly READ getIsReadOnly NOTIFY isReadOnlyChanged)
    Q_PROPERTY(bool okPermission READ getOkPermission NOTIFY okPermissionChanged)

public:
    explicit Permission(QObject *parent = nullptr);

    // The read-only query and the editing-right query in one write.
    static constexpr const char *commandPermissionList = "07F6A7D\r\n07F6A7EFF\r\n";
    static constexpr int requestIntervalMs = 2500;

    bool getIsReadOnly() const { return isReadOnly; }
    bool getOkPermission() const { return okPermission; }

    Q_INVOKABLE void requestPermission();
    Q_INVOKABLE void returnPermission();

    void recievedCommandFF6AFD(QString data);
    void recievedCommandFF6AFE(QString data);

    // The session ended: the right it held is gone with it.
    void sessionEnded();

    // Writes a complete command in one call while the editing right is held;
    // true when it went out.
    bool sendIfPermitted(const char *command);
    bool sendIfPermitted(const QByteArray &command);

    qint32 isReadOnly = true;
    qint32 okPermission = false;
    Telnet *telnet = nullptr;
    int timerId = 0;

signals:
    void isReadOnlyChanged(bool readOnly);
    void okPermissionChanged();

private slots:
    void returnPermissionDelay();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void setOkPermission(bool value);
};
