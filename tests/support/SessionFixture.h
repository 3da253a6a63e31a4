#pragma once

#include "Backend.h"
#include "FakeRecorder.h"
#include "LinkFixture.h"

#include <QSignalSpy>
#include <QTest>

// Everything a run creates, and a scripted recorder to log in to.
struct SessionFixture
{
    SessionFixture()
        : recorder(nextRecorderAddress())
        , states(&backend.comm, &Communication::loginStateChanged)
        , announced(&backend.comm, &Communication::loginCompChanged)
        , popups(&backend.comm, &Communication::popupReceived)
    {
        // No marks: the mark poll of the refresh ends at once.
        recorder.setReply("07F035D", {"0FF03DD0000"});
        // A recorder without a menu never answers the page count; the menu's
        // watchdog would ask again in the middle of tests about other things.
        backend.menu.watchdogMs = quietMenuWatchdogMs;
    }

    static constexpr int quietMenuWatchdogMs = 3600 * 1000;

    QString address() const { return recorder.address().toString(); }

    // Logs in and waits until the login's commands have all arrived.
    bool logIn(const QString &password = QStringLiteral("pass"))
    {
        if (!recorder.isListening() && !recorder.listen())
            return false;
        backend.comm.loginRequest(address(), password);
        if (!QTest::qWaitFor([&] { return backend.comm.loginState() == 2; }, 3000))
            return false;
        return recorder.waitForRequest(TimerEvent::commandInit);
    }

    QList<int> stateHistory() const
    {
        QList<int> result;
        for (const QList<QVariant> &args : states)
            result.append(args.at(0).toInt());
        return result;
    }

    // What the recorder received since the login, once quiet for a while.
    QByteArray sent(int quietMs = 100) { return recorder.receivedOnceQuiet(quietMs); }

    Backend backend;
    FakeRecorder recorder;
    QSignalSpy states;
    QSignalSpy announced;
    QSignalSpy popups;
};
