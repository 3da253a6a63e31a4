#pragma once

// The remote power operations on a listed machine, each described by one row
// of a table, so that the steps they share are written once.
namespace PowerOperation {

// The operation under way (UdpPowerControl::pendingOp).
enum Code { None, AdminCheck, TurnOn, TurnOff, Restart, CheckAndLogin };

// Where the operation stands (UdpPowerControl::telnetPhase).
enum Phase {
    Idle = 0,
    // Waiting for the target's next discovery answer, which tells its power state.
    AwaitingAnswer = 1,
    // The private link connects and logs in with the target's IP password.
    LoggingIn = 2,
    AdminPasswordSent = 3,
    PowerCommandSent = 4,
};

// An operation that waits longer than this many ticks for its target's
// answer gives up.
constexpr int answerTicks = 3;

// What the target's discovery answer leads to.
enum class Step {
    // Nothing to do: the operation ends without a word.
    End,
    // The operation ends and the machine's row shows its state as unknown
    // until it answers again.
    EndAsUnknown,
    // Log in on the private link, then send the administrator password.
    LinkLogin,
    // The operation ends and hands the machine to the session's login.
    RequestLogin,
};

struct Answer {
    Step step;
    // Told before the machine's nickname when the step is taken; none when null.
    const char *message = nullptr;
};

struct Row {
    Code code;
    // Added to the target's count at the start, without a signal: a machine
    // being switched is not reported by the ageing until it answers again.
    int countRaise;
    // The link reports its login at once, without asking the model.
    bool skipModelQuery;
    // The connecting count starts again from 0.
    bool resetsConnecting;
    // An answer reporting this power state settles the operation; any other
    // power state leads on.
    int settlingPower;
    Answer settled;
    Answer otherwise;
    // Sent once the administrator password is accepted; without one the
    // operation ends at the password's answer.
    const char *powerCommand;
    // Told when the operation's last command is refused, before the operation
    // ends or after it.
    const char *refusedMessage;
    bool refusalToldFirst;
};

// The row of an operation; none for None or an unknown code.
const Row *find(int code);

// Whether the operation goes on to the private link at all.
inline bool usesLink(const Row &row)
{
    return row.settled.step == Step::LinkLogin || row.otherwise.step == Step::LinkLogin;
}

} // namespace PowerOperation
