// The remote power operations of UdpPowerControl: each waits for its target's
// discovery answer, then logs in on the private link, sends the administrator
// password and the power command.
#include "PowerOperation.h"

#include "LineProtocol.h"
#include "UdpMachineList.h"
#include "UdpPowerControl.h"

namespace PowerOperation {

namespace {

// One row per operation: what its start changes, what the target's answer
// leads to, and what it sends and tells on the private link.
constexpr Row rows[] = {
    // code         count  skip model  resets  settling  settled answer                                 otherwise
    //              power command  refusal message              told first
    {AdminCheck,    0,     true,       false,  0,        {Step::LinkLogin},                             {Step::LinkLogin},
                    nullptr,       "ERROR: Admin Password ",    true},
    {TurnOn,        5,     true,       true,   1,        {Step::End},                                   {Step::LinkLogin},
                    "07500\r\n",   "ERROR: can not turn on ",   true},
    {TurnOff,       5,     false,      true,   0,        {Step::EndAsUnknown},                          {Step::LinkLogin},
                    "07511\r\n",   "ERROR: can not turn off ",  false},
    {Restart,       5,     false,      true,   0,        {Step::EndAsUnknown, "Power OFF  "},           {Step::LinkLogin},
                    "07580\r\n",   "ERROR: can not restart ",   true},
    {CheckAndLogin, 0,     true,       true,   0,        {Step::EndAsUnknown, "Power OFF\u3000\u3000"}, {Step::RequestLogin},
                    nullptr,       nullptr,                     false},
};

// The recorder's answers to the administrator password.
const QLatin1String passwordAccepted("FF11D101");
const QLatin1String passwordRefused("FF11D100");
const QLatin1String passwordAnswer("FF11D1");
// The command cannot be carried out.
const QLatin1String commandRefused("F2");
// The power command's own answer.
const QLatin1String powerAnswer("F5");

} // namespace

const Row *find(int code)
{
    for (const Row &row : rows) {
        if (row.code == code)
            return &row;
    }
    return nullptr;
}

} // namespace PowerOperation

using namespace PowerOperation;

void UdpPowerControl::telnetSetSignals()
{
    connect(&telnet, SIGNAL(connectedToServer(int)), this, SLOT(telnetFinishedLogin(int)));
    connect(&telnet, SIGNAL(errorConnectedToServer()), this, SLOT(telnetFailedLogin()));
    connect(&telnet, SIGNAL(readyRead(QString)), this, SLOT(telnetRecievedData(QString)));
    connect(&telnet, SIGNAL(passwordFailed()), this, SLOT(telnetPasswordFailed()));
}

void UdpPowerControl::turnOnMachine(QString arg_macaddr) { startOperation(TurnOn, arg_macaddr); }
void UdpPowerControl::turnOffMachine(QString arg_macaddr) { startOperation(TurnOff, arg_macaddr); }
void UdpPowerControl::restartMachine(QString arg_macaddr) { startOperation(Restart, arg_macaddr); }
void UdpPowerControl::checkAdminPass(QString arg_macaddr) { startOperation(AdminCheck, arg_macaddr); }
void UdpPowerControl::checkAndLogin(QString arg_macaddr) { startOperation(CheckAndLogin, arg_macaddr); }

void UdpPowerControl::startOperation(Code op, const QString &mac)
{
    const Row &row = *find(op);
    // The machine must be listed; otherwise the running operation goes on.
    UdpMachineList *machine = getNodeOfMachineList(mac);
    if (!machine)
        return;
    // The operation before this one ends cleanly.
    phaseTimer.stop();
    telnet.close();
    targetMachine = machine;
    if (row.resetsConnecting)
        setTelnetConnecting(0);
    machine->count += row.countRaise;
    telnet.skipModelQuery = row.skipModelQuery;
    pendingOp = op;
    setTelnetPhase(AwaitingAnswer);
    opTicks = 0;
    sendDatagram();
}

QString UdpPowerControl::targetNickname() const
{
    return targetMachine ? targetMachine->nickname : QString();
}

void UdpPowerControl::operationTick()
{
    if (telnetPhase != AwaitingAnswer)
        return;
    if (opTicks == answerTicks)
        failOperation("ERROR: connecting... ");
    else
        sendDatagram(); // the answer is wanted now, not at the next cycle
}

void UdpPowerControl::machineAnswered(UdpMachineList *machine, int index)
{
    if (telnetPhase != AwaitingAnswer || !targetMachine || targetMachine->macaddr != machine->macaddr)
        return;
    const Row *row = find(pendingOp);
    if (!row)
        return;
    const Answer &answer = machine->powerstate == row->settlingPower ? row->settled : row->otherwise;
    switch (answer.step) {
    case Step::End:
        endOperation();
        break;
    case Step::EndAsUnknown:
        endOperation();
        if (answer.message)
            emit popupMessage(QString::fromUtf8(answer.message) + machine->nickname);
        emit changeToUnknownPowerState(index);
        break;
    case Step::LinkLogin:
        telnetLogin(machine->macaddr);
        break;
    case Step::RequestLogin:
        endOperation();
        emit loginRequest(machine->ipaddr, machine->ippass);
        setTelnetConnecting(100);
        break;
    }
}

void UdpPowerControl::endOperation()
{
    phaseTimer.stop();
    setTelnetPhase(Idle);
    pendingOp = None;
    telnet.close();
}

void UdpPowerControl::endOperation(const char *message, bool toldFirst)
{
    const QString text = QString::fromUtf8(message) + targetNickname();
    if (toldFirst)
        emit popupMessage(text);
    endOperation();
    if (!toldFirst)
        emit popupMessage(text);
}

void UdpPowerControl::failOperation(const char *message)
{
    endOperation(message, false);
}

void UdpPowerControl::telnetLogin(QString macaddr)
{
    setTelnetPhase(LoggingIn);
    UdpMachineList *machine = getNodeOfMachineList(macaddr);
    if (!machine) {
        endOperation();
        return;
    }
    targetMachine = machine;
    // A password that would break the line never reaches the link.
    if (!LineProtocol::isLineSafe(machine->ippass)) {
        failOperation("ERROR: wrong IP Password ");
        return;
    }
    phaseTimer.start(phaseTimeoutMs);
    telnet.connectToServer(machine->ipaddr, machine->ippass, false);
}

void UdpPowerControl::telnetFinishedLogin(int model)
{
    Q_UNUSED(model)
    if (telnetPhase != LoggingIn || !targetMachine)
        return;
    const QString &password = targetMachine->adminpass;
    if (!LineProtocol::isLineSafe(password)) {
        failOperation("ERROR: Admin Password ");
        return;
    }
    setTelnetPhase(AdminPasswordSent);
    phaseTimer.start(phaseTimeoutMs);
    telnet.sendData(QByteArray("07F1141") + password.toLatin1() + "\r\n");
}

void UdpPowerControl::telnetPasswordFailed()
{
    if (telnetPhase < LoggingIn)
        return;
    failOperation("ERROR: wrong IP Password ");
}

void UdpPowerControl::telnetFailedLogin()
{
    if (telnetPhase < LoggingIn)
        return;
    failOperation("ERROR: login failed ");
}

void UdpPowerControl::telnetRecievedData(QString str)
{
    const Row *row = find(pendingOp);
    if (!row || !usesLink(*row))
        return;
    switch (telnetPhase) {
    case AdminPasswordSent:
        if (!row->powerCommand) {
            // The check ends at the answer to its password, or at a refusal.
            if (str.startsWith(passwordAnswer) || str == commandRefused) {
                if (str == passwordRefused)
                    endOperation(row->refusedMessage, row->refusalToldFirst);
                else
                    endOperation();
            }
        } else if (str == passwordAccepted) {
            setTelnetPhase(PowerCommandSent);
            phaseTimer.start(phaseTimeoutMs);
            telnet.sendData(row->powerCommand);
        } else if (str == passwordRefused) {
            failOperation("ERROR: Admin Password ");
        }
        break;
    case PowerCommandSent:
        // Only the power command's own answer or its refusal ends the
        // operation; a time or meter push says nothing about the command.
        if (str == commandRefused)
            endOperation(row->refusedMessage, row->refusalToldFirst);
        else if (str.startsWith(powerAnswer))
            endOperation();
        break;
    default:
        break;
    }
}
