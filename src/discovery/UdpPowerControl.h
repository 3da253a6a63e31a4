#pragma once

#include "PowerOperation.h"
#include "Telnet.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QNetworkAddressEntry>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class DataSettings;
class QUdpSocket;
class UdpMachineList;

// Finds the recorders on the local network while the login page shows, keeps
// their passwords, and switches them on, off or restarts them over a private
// control link.
class UdpPowerControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool showRefresh READ getShowRefresh WRITE setShowRefresh NOTIFY showRefreshChanged)
    Q_PROPERTY(QString loginedNickname READ getLoginedNickname WRITE setLoginedNickname NOTIFY loginedNicknameChanged)
    Q_PROPERTY(QString appPassword READ getAppPassword WRITE setAppPassword NOTIFY appPasswordChanged)
    Q_PROPERTY(int telnetPhase READ getTelnetPhase WRITE setTelnetPhase NOTIFY telnetPhaseChanged)
    Q_PROPERTY(int telnetConnecting READ getTelnetConnecting WRITE setTelnetConnecting NOTIFY telnetConnectingChanged)

public:
    UdpPowerControl();
    ~UdpPowerControl() override;

    static constexpr quint16 discoveryPort = 59806;

    void setDatasettings(DataSettings *settings);

    bool getShowRefresh() const { return showRefresh; }
    QString getLoginedNickname() const { return loginedNickname; }
    QString getAppPassword() const { return appPassword; }
    int getTelnetPhase() const { return telnetPhase; }
    int getTelnetConnecting() const { return telnetConnecting; }
    void setShowRefresh(bool value);
    void setLoginedNickname(const QString &value);
    void setAppPassword(const QString &value);
    void setTelnetPhase(int value);
    void setTelnetConnecting(int value);

    Q_INVOKABLE void refreshList();
    Q_INVOKABLE void visibleStateChanged(bool arg);
    Q_INVOKABLE void saveIPPass(QString arg_macaddr, QString arg_passwd);
    Q_INVOKABLE void saveAdminPass(QString arg_macaddr, QString arg_passwd);
    Q_INVOKABLE void saveAppPass(QString arg_passwd);
    Q_INVOKABLE QString loadIPPass(QString arg_macaddr);
    Q_INVOKABLE QString loadAdminPass(QString arg_macaddr);
    Q_INVOKABLE QString loadAppPass();
    Q_INVOKABLE void turnOnMachine(QString arg_macaddr);
    Q_INVOKABLE void turnOffMachine(QString arg_macaddr);
    Q_INVOKABLE void restartMachine(QString arg_macaddr);
    Q_INVOKABLE void checkAdminPass(QString arg_macaddr);
    Q_INVOKABLE void checkAndLogin(QString arg_macaddr);
    Q_INVOKABLE void appStateChanged(bool arg);

    void udpStartStop(bool start);
    void sendDatagram();
    UdpMachineList *getNodeOfMachineList(QString mac);
    // One tick of discovery: ageing, publishing and the ping every third tick.
    void tick();
    // A listed machine answered (entered from the merge of an answer).
    void machineAnswered(UdpMachineList *machine, int index);

    // The broadcast addresses of the given entries that can take the ping:
    // IPv4 broadcasts outside 127.0.0.0/8.
    static QList<QHostAddress> broadcastTargets(const QList<QNetworkAddressEntry> &entries);
    // Where the ping goes; by default the broadcasts of every interface.
    std::function<QList<QHostAddress>()> collectTargets;
    // Reads the next pending answer from the discovery socket, as
    // QUdpSocket::readDatagram does; by default the socket's own read.
    std::function<qint64(QUdpSocket *socket, char *data, qint64 size, QHostAddress *sender)> readDatagram;

    int tickIntervalMs = 1111;
    // A power operation's link phase gets no answer within this time.
    int phaseTimeoutMs = 10000;

    bool showRefresh = false;
    QString loginedNickname;
    QString appPassword;
    bool appActive = true;
    bool loginScreenVisible = false;
    QList<QObject *> loginModel;
    QList<QHostAddress> broadcastEntries;
    // A PowerOperation::Phase.
    int telnetPhase = 0;
    int telnetConnecting = 100;
    Telnet telnet;
    // A PowerOperation::Code.
    int pendingOp = 0;
    UdpMachineList *targetMachine = nullptr;
    DataSettings *dataSettings = nullptr;
    QUdpSocket *udpSocket = nullptr;
    QByteArray pingDatagram;
    int modelPublished = 0;
    int timerId = 0;
    int ticksSinceSend = 0;
    qint64 opTicks = 0;

signals:
    void showRefreshChanged();
    void loginedNicknameChanged();
    void appPasswordChanged();
    void initCompleted();
    void popupMessage(QString arg);
    void changeToUnknownPowerState(int arg_index);
    void loginRequest(QString arg_ipaddr, QString arg_ippass);
    void telnetPhaseChanged();
    void telnetConnectingChanged();

public slots:
    void telnetFinishedLogin(int model);
    void telnetFailedLogin();
    void telnetRecievedData(QString str);
    void telnetPasswordFailed();

private slots:
    void processPendingDatagram();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    // The defaults of collectTargets and readDatagram.
    static QList<QHostAddress> interfaceTargets();
    static qint64 socketRead(QUdpSocket *socket, char *data, qint64 size, QHostAddress *sender);

    DataSettings &settings();
    void telnetSetSignals();
    void telnetLogin(QString macaddr);
    void startOperation(PowerOperation::Code op, const QString &mac);
    void endOperation();
    // Ends the operation and tells `message` (UTF-8) with the target's
    // nickname, before the end or after it.
    void endOperation(const char *message, bool toldFirst);
    void failOperation(const char *message);
    // The operation's share of a tick: the wait for the target's answer.
    void operationTick();
    void publish();
    QString targetNickname() const;

    std::unique_ptr<DataSettings> ownSettings;
    QTimer phaseTimer;
    // Set while discovery starts, so that a re-entrant call is refused.
    bool starting = false;
};

extern UdpPowerControl *gudp;
