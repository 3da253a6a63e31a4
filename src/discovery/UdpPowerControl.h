#pragma once

#include <QObject>
#include <QString>

class DataSettings;

// Discovery of the recorders on the local network, their stored passwords and
// remote power. Discovery itself comes with the login page; this class holds
// what start-up already wires.
class UdpPowerControl : public QObject
{
    Q_OBJECT

public:
    UdpPowerControl();
    ~UdpPowerControl() override;

    void setDatasettings(DataSettings *settings);

    DataSettings *dataSettings = nullptr;

signals:
    void loginRequest(QString arg_ipaddr, QString arg_ippass);
    void popupMessage(QString arg);
};

extern UdpPowerControl *gudp;
