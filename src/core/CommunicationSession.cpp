#include "Communication.h"

#include "Browse.h"
#include "Mark.h"
#include "Menu.h"
#include "Permission.h"
#include "Playlist.h"
#include "PropertyStore.h"
#include "ReplyFields.h"
#include "Telnet.h"
#include "TimerEvent.h"

#include <QTimerEvent>

namespace Status = ReplyFields::Status;

namespace {

// The full refresh of the mirrored state, in the batches the recorder takes.
const char *const refreshBatches[] = {
    "03F00\r\n050\r\n055\r\n05D\r\n030FF\r\n036FF\r\n03AFF\r\n04E\r\n035FF\r\n07F6A0A\r\n",
    "02DFF\r\n025FF\r\n03DFF\r\n07F6A0001\r\n07F01FF\r\n07F6A04\r\n07F6A05\r\n07F6A06\r\n07F6A0A\r\n",
    "07F074FFF\r\n07F6A0C\r\n07F3105\r\n07F6A02\r\n07F6A0B\r\n07F0417FF\r\n07F6A07\r\n07F6A08\r\n07F6A0D\r\n",
    "07F6A0E\r\n07F6A60\r\n07F12110000FF\r\n07F6A61\r\n031FF\r\n038FF\r\n07F6A01\r\n07F6A62\r\n",
    "07F6A63\r\n056\r\n07F6A65\r\n",
};

} // namespace

// ---- Login ----

void Communication::loginRequest(QString adr, QString pass)
{
    // A session or attempt still under way ends here, its editing right with it.
    if (m_loginState != LoginIdle)
        endSession();
    storeAndSignal(this, m_address, adr, &Communication::addressChanged);
    storeAndSignal(this, m_password, pass, &Communication::passwordChanged);
    setLoginState(LoginConnecting);
    telnet->connectToServer(m_address, m_password, false);
}

void Communication::loginRequest()
{
    telnet->connectToServer(m_address, m_password, m_loginState == FirstReconnection);
}

void Communication::logoutRequest()
{
    setLoginState(SecondReconnection);
    telnet->close();
    failedLogin();
}

void Communication::finishedLogin(int model)
{
    rebuildHome();
    sendIfPermitted(Playlist::commandPlaylistInit);
    menu->requestMenuList();
    telnet->sendData(Permission::commandPermissionList);
    telnet->sendData(TimerEvent::commandInit);
    setLoginState(LoggedIn);
    m_loginComp = true;
    announceTimer.start();
    storeAndSignal(this, m_model, model, &Communication::modelChanged);
    dataSettings.saveSetting(QStringLiteral("Login"), QStringLiteral("Address"), m_address);
    dataSettings.saveSetting(QStringLiteral("Login"), QStringLiteral("ps"), m_password);
}

void Communication::changeLoginComp()
{
    // Only a session that still stands is announced.
    if (m_loginState != LoggedIn)
        return;
    storeAndSignal(this, m_loginComp, true, &Communication::loginCompChanged);
    if (timeTimerId == 0)
        timeTimerId = startTimer(timePollMs, Qt::CoarseTimer);
}

void Communication::endSession()
{
    announceTimer.stop();
    if (idleTimerId != 0) {
        killTimer(idleTimerId);
        idleTimerId = 0;
    }
    if (timeTimerId != 0) {
        killTimer(timeTimerId);
        timeTimerId = 0;
    }
    mark->clearMarks();
    // The next session's track is not this one's: its length is unknown until its first time reply.
    storeProperty(this, m_trackTotalTimeFlame, 0, &Communication::trackTotalTimeFlameChanged);
    storeAndSignal(this, m_loginComp, false, &Communication::loginCompChanged);
    menu->resetMenuData();
    browse->resetBrowseData();
    storeAndSignal(this, m_statusIcon, int(Status::none), &Communication::statusIconChanged);
    storeAndSignal(this, m_currentMedia, QLatin1String(""), &Communication::currentMediaChanged);
    // The right belongs to the session that ended.
    permission->sessionEnded();
}

void Communication::failedLogin()
{
    endSession();
    switch (m_loginState) {
    case LoginConnecting:
    case LoggedIn:
        setLoginState(FirstReconnection);
        loginRequest();
        break;
    case FirstReconnection:
        setLoginState(SecondReconnection);
        loginRequest();
        break;
    default:
        setLoginState(LoginIdle);
        break;
    }
}

void Communication::passwordFailed()
{
    emit popupReceived(100);
    setLoginState(SecondReconnection);
}

void Communication::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationSuspended)
        telnet->close();
    else if (lastAppState == Qt::ApplicationSuspended)
        failedLogin();
    lastAppState = state;
}

// ---- Polls ----

void Communication::rebuildHome()
{
    for (const char *batch : refreshBatches)
        telnet->sendData(batch);
    menu->setMenuCurrentMedia(m_currentMedia);
    mark->requestMarkList();
}

void Communication::timerEvent(QTimerEvent *event)
{
    const int id = event->timerId();
    if (id == 0)
        return;
    if (id == idleTimerId) {
        if (!menu->drawingFinished)
            return;
        if (m_statusIcon == Status::busy)
            telnet->sendDataNoLog("050\r\n");
        telnet->sendDataNoLog("055\r\n07F01FF\r\n07F3105\r\n07F6A02\r\n");
    } else if (id == timeTimerId) {
        if (!menu->drawingFinished || m_statusIcon == Status::recordPause2)
            return;
        telnet->sendDataNoLog(m_displayMode ? "05802\r\n05803\r\n" : "05800\r\n05801\r\n");
    }
}

void Communication::sleepCheck()
{
    const qint64 now = clock();
    if (lastTick < 0)
        lastTick = now;
    if (m_loginComp)
        telnet->sendDataNoLog("050\r\n055\r\n05D\r\n");
    if (now - lastTick > sleepGapMs && m_loginComp)
        rebuildHome();
    lastTick = now;
}
