#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QRegularExpression>
#include <QString>

// One recorder found by discovery, as its last answer described it.
class UdpMachineList : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString modelname READ getModelname WRITE setModelname NOTIFY modelnameChanged)
    Q_PROPERTY(QString nickname READ getNickname WRITE setNickname NOTIFY nicknameChanged)
    Q_PROPERTY(QString ipaddr READ getIpaddr WRITE setIpaddr NOTIFY ipaddrChanged)
    Q_PROPERTY(QString cmedia READ getCmedia WRITE setCmedia NOTIFY cmediaChanged)
    Q_PROPERTY(int cmediaicon READ getCmediaicon WRITE setCmediaicon NOTIFY cmediaiconChanged)
    Q_PROPERTY(int transporticon READ getTransporticon WRITE setTransporticon NOTIFY transporticonChanged)
    Q_PROPERTY(int powerstate READ getPowerstate WRITE setPowerstate NOTIFY powerstateChanged)
    Q_PROPERTY(int count READ getCount WRITE setCount NOTIFY countChanged)
    Q_PROPERTY(QString ippass READ getIppass WRITE setIppass NOTIFY ippassChanged)
    Q_PROPERTY(QString adminpass READ getAdminpass WRITE setAdminpass NOTIFY adminpassChanged)
    Q_PROPERTY(QString macaddr READ getMacaddr WRITE setMacaddr NOTIFY macaddrChanged)

public:
    UdpMachineList(QByteArray *datagram, QHostAddress *sender);

    // Parses one answer and merges it into the list by MAC address.
    static void add(QList<QObject *> *list, QByteArray *datagram, QHostAddress *sender);

    // Beyond this many machines, answers of new ones are ignored.
    static constexpr int maxMachines = 256;
    static constexpr int maxNicknameLength = 16;

    QString getModelname() const { return modelname; }
    QString getNickname() const { return nickname; }
    QString getIpaddr() const { return ipaddr; }
    QString getCmedia() const { return cmedia; }
    int getCmediaicon() const { return cmediaicon; }
    int getTransporticon() const { return transporticon; }
    int getPowerstate() const { return powerstate; }
    int getCount() const { return count; }
    QString getIppass() const { return ippass; }
    QString getAdminpass() const { return adminpass; }
    QString getMacaddr() const { return macaddr; }

    void setModelname(const QString &value);
    void setNickname(const QString &value);
    void setIpaddr(const QString &value);
    void setCmedia(const QString &value);
    void setCmediaicon(int value);
    void setTransporticon(int value);
    void setPowerstate(int value);
    void setCount(int value);
    void setIppass(const QString &value);
    void setAdminpass(const QString &value);
    void setMacaddr(const QString &value);

    QString modelname;
    QString nickname;
    QString ipaddr;
    QString cmedia;
    int cmediaicon = 0;
    int transporticon = 0;
    int powerstate = 0;
    int count = -1;
    QString ippass;
    QString adminpass;
    QString macaddr;
    qint64 transportStatus = 0;

signals:
    void modelnameChanged();
    void nicknameChanged();
    void ipaddrChanged();
    void cmediaChanged();
    void cmediaiconChanged();
    void transporticonChanged();
    void powerstateChanged();
    void countChanged();
    void ippassChanged();
    void adminpassChanged();
    void macaddrChanged();
};

// Medium classes of the answers, applied to the lower-cased medium text.
extern const QRegularExpression lower_sd;
extern const QRegularExpression lower_cd;
