#include "Communication.h"

#include "Browse.h"
#include "LineProtocol.h"
#include "Mark.h"
#include "Medium.h"
#include "Menu.h"
#include "Permission.h"
#include "Playlist.h"
#include "Telnet.h"
#include "TimerEvent.h"

#include <QDateTime>
#include <QTimerEvent>

using LineProtocol::field;
using LineProtocol::toNumber;

namespace {

const char *const refreshBatches[] = {
    "03F00\r\n050\r\n055\r\n05D\r\n030FF\r\n036FF\r\n03AFF\r\n04E\r\n035FF\r\n07F6A0A\r\n",
    "02DFF\r\n025FF\r\n03DFF\r\n07F6A0001\r\n07F01FF\r\n07F6A04\r\n07F6A05\r\n07F6A06\r\n07F6A0A\r\n",
    "07F074FFF\r\n07F6A0C\r\n07F3105\r\n07F6A02\r\n07F6A0B\r\n07F0417FF\r\n07F6A07\r\n07F6A08\r\n07F6A0D\r\n",
    "07F6A0E\r\n07F6A60\r\n07F12110000FF\r\n07F6A61\r\n031FF\r\n038FF\r\n07F6A01\r\n07F6A62\r\n",
    "07F6A63\r\n056\r\n07F6A65\r\n",
};

constexpr int statusStop = 0x10;
constexpr int statusPlay = 0x11;
constexpr int statusPlayPause = 0x12;
constexpr int statusRecord = 0x81;
constexpr int statusRecordPause = 0x82;
constexpr int statusRecordPause2 = 0x83;
constexpr int statusBusy = 0xFF;

constexpr int hundredthsPerHour = 360000;
constexpr int hundredthsPerMinute = 6000;

// A reply or group code as one number, so that dispatch is a switch.
constexpr quint32 code(char16_t first, char16_t second)
{
    return (quint32(first) << 16) | second;
}

// The code in the first two characters; a shorter text has none.
quint32 codeOf(QStringView text)
{
    if (text.size() < 2)
        return 0;
    return code(text[0].unicode(), text[1].unicode());
}

// A two-character flag: anything but exactly "00" is true.
bool flag(QStringView data, int position)
{
    return field(data, position, 2) != QLatin1String("00");
}

int decimal(QStringView data, int position, int length = 2)
{
    return toNumber(field(data, position, length));
}

int hexadecimal(QStringView data, int position, int length = 2)
{
    return toNumber(field(data, position, length), 16);
}

bool isRecording(int status)
{
    return status == statusRecord || status == statusRecordPause || status == statusRecordPause2;
}

QString toQString(QStringView text) { return text.toString(); }
QString toQString(QLatin1String text) { return QString(text); }
QString toQString(const QString &text) { return text; }

// A number in decimal, padded on the left with "0" to two characters.
QLatin1String twoDigits(int value, char (&buffer)[16], const char *prefix = "")
{
    const int length = qsnprintf(buffer, sizeof buffer, "%s%02d", prefix, value);
    return QLatin1String(buffer, length);
}

} // namespace

Communication::Communication(QObject *parent)
    : QObject(parent)
    , clock(&QDateTime::currentMSecsSinceEpoch)
{
    m_address = dataSettings.loadSettingString(QStringLiteral("Login"), QStringLiteral("Address"));
    m_password = dataSettings.loadSettingString(QStringLiteral("Login"), QStringLiteral("ps"));

    connect(&ftpAccess, SIGNAL(receivedPlaylist(QString)), this, SLOT(setPlaylist(QString)));
    connect(&ftpAccess, SIGNAL(endPlaylist()), this, SLOT(endPlaylist()));

    announceTimer.setSingleShot(true);
    announceTimer.setInterval(announceDelayMs);
    connect(&announceTimer, SIGNAL(timeout()), this, SLOT(changeLoginComp()));

    sleepTimer.setInterval(sleepCheckMs);
    connect(&sleepTimer, SIGNAL(timeout()), this, SLOT(sleepCheck()));
    sleepTimer.start();
}

void Communication::setTelnet(Telnet *link)
{
    telnet = link;
    connect(telnet, SIGNAL(connectedToServer(int)), this, SLOT(finishedLogin(int)));
    connect(telnet, SIGNAL(errorConnectedToServer()), this, SLOT(failedLogin()));
    connect(telnet, SIGNAL(readyRead(QString)), this, SLOT(recievedData(QString)));
    connect(telnet, SIGNAL(passwordFailed()), this, SLOT(passwordFailed()));
}

void Communication::setTimerEvent(TimerEvent *timerEvent)
{
    tev = timerEvent;
    connect(this, SIGNAL(currentMediaChanged(QString)), tev, SLOT(setCurrentMedia(QString)));
    connect(this, SIGNAL(playAreaChanged(QString)), tev, SLOT(setPlayArea(QString)));
    connect(this, SIGNAL(playModeChanged(QString)), tev, SLOT(setPlayMode(QString)));
    connect(this, SIGNAL(statusIconChanged(int)), tev, SLOT(setStatus(int)));
}

// ---- Property writers ----

template <typename T, typename... Args>
void Communication::store(T &member, const T &value, void (Communication::*changed)(Args...), bool always)
{
    if (member == value && !always)
        return;
    member = value;
    emit(this->*changed)(member);
}

template <typename Text>
void Communication::storeText(QString &member, Text value, void (Communication::*changed)(QString), bool always)
{
    // Compared before copying: an unchanged text costs no allocation.
    if (member == value) {
        if (!always)
            return;
    } else {
        member = toQString(value);
    }
    emit(this->*changed)(member);
}

void Communication::setDisplayMode(bool mode)
{
    if (mode == m_displayMode)
        return;
    m_displayMode = mode;
    markRedrawState = 1;
    telnet->sendData("07F6A63\r\n");
    emit displayModeChanged(mode);
}

void Communication::setLoginState(int state)
{
    m_loginState = state;
    emit loginStateChanged(state);
}

void Communication::sendIfPermitted(const char *command)
{
    permission->sendIfPermitted(command);
}

// ---- Session ----

void Communication::loginRequest(QString adr, QString pass)
{
    m_address = adr;
    emit addressChanged(m_address);
    m_password = pass;
    emit passwordChanged(m_password);
    setLoginState(1);
    telnet->connectToServer(m_address, m_password, false);
}

void Communication::loginRequest()
{
    telnet->connectToServer(m_address, m_password, m_loginState == 3);
}

void Communication::logoutRequest()
{
    setLoginState(4);
    telnet->close();
    failedLogin();
}

void Communication::finishedLogin(int model)
{
    rebuildHome();
    sendIfPermitted(Playlist::commandPlaylistInit);
    telnet->sendData(Menu::commandMenuList);
    telnet->sendData(Permission::commandPermissionList);
    telnet->sendData(TimerEvent::commandInit);
    setLoginState(2);
    m_loginComp = true;
    announceTimer.start();
    store(m_model, model, &Communication::modelChanged, true);
    dataSettings.saveSetting(QStringLiteral("Login"), QStringLiteral("Address"), m_address);
    dataSettings.saveSetting(QStringLiteral("Login"), QStringLiteral("ps"), m_password);
}

void Communication::changeLoginComp()
{
    // Only a session that still stands is announced.
    if (m_loginState != 2)
        return;
    store(m_loginComp, true, &Communication::loginCompChanged, true);
    if (timeTimerId == 0)
        timeTimerId = startTimer(timePollMs, Qt::CoarseTimer);
}

void Communication::failedLogin()
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
    store(m_loginComp, false, &Communication::loginCompChanged, true);
    menu->resetMenuData();
    browse->resetBrowseData();
    store(m_statusIcon, 0, &Communication::statusIconChanged, true);
    storeText(m_currentMedia, QLatin1String(""), &Communication::currentMediaChanged, true);
    // The right belongs to the session that ended.
    permission->sessionEnded();

    switch (m_loginState) {
    case 1:
    case 2:
        setLoginState(3);
        loginRequest();
        break;
    case 3:
        setLoginState(4);
        loginRequest();
        break;
    default:
        setLoginState(0);
        break;
    }
}

void Communication::passwordFailed()
{
    emit popupReceived(100);
    setLoginState(4);
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
        if (m_statusIcon == statusBusy)
            telnet->sendDataNoLog("050\r\n");
        telnet->sendDataNoLog("055\r\n07F01FF\r\n07F3105\r\n07F6A02\r\n");
    } else if (id == timeTimerId) {
        if (!menu->drawingFinished || m_statusIcon == statusRecordPause2)
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

// ---- Commands ----

void Communication::stopRequest() { telnet->sendData("010\r\n"); }
void Communication::playRequest() { telnet->sendData("012\r\n07F6A3F01\r\n"); }

void Communication::pauseRequest()
{
    if (m_statusIcon == statusPlayPause)
        telnet->sendData("01D\r\n");
    else if (m_statusIcon == statusRecord)
        telnet->sendData("01301\r\n");
    else
        telnet->sendData("01401\r\n");
}

void Communication::recRequest()
{
    // Outside recording the recorder's answer decides the record command.
    telnet->sendData(m_statusIcon == statusRecord ? "01302\r\n" : "07F720101\r\n");
}

void Communication::trackSkipPreviousRequest() { trackSkip(true); }
void Communication::trackSkipNextRequest() { trackSkip(false); }

void Communication::trackSkip(bool back)
{
    if (m_statusIcon == statusStop || mark->marks.isEmpty())
        telnet->sendData(back ? "01A01\r\n055\r\n" : "01A00\r\n055\r\n");
    else if (m_statusIcon == statusPlay || m_statusIcon == statusPlayPause)
        back ? mark->skipPrevious(m_trackElapsedTimeFlame) : mark->skipNext(m_trackElapsedTimeFlame);
}

void Communication::reverseRequest() { search("01601\r\n"); }
void Communication::forwardRequest() { search("01600\r\n"); }

void Communication::search(const char *command)
{
    if (m_statusIcon == statusPlay || m_statusIcon == statusPlayPause) {
        searchState = m_statusIcon;
        telnet->sendData(command);
    } else {
        searchState = 0;
    }
}

void Communication::cancelReverseRequest() { cancelSearch(); }
void Communication::cancelForwardRequest() { cancelSearch(); }

void Communication::cancelSearch()
{
    // Back to the state the search started from.
    if (searchState == statusPlayPause)
        telnet->sendData("01401\r\n");
    else if (searchState == statusPlay)
        telnet->sendData("012\r\n");
}

void Communication::timeSkipPreviousRequest() { timeSkip(true); }
void Communication::timeSkipNextRequest() { timeSkip(false); }

void Communication::timeSkip(bool back)
{
    if (m_statusIcon == statusPlay || m_statusIcon == statusPlayPause) {
        telnet->sendData(back ? "01A31\r\n" : "01A30\r\n");
    } else if (m_statusIcon == statusStop && m_playArea == QLatin1String("FOLDER")) {
        telnet->sendData(back ? "07F6A1A01\r\n" : "07F6A1A00\r\n");
    } else if (m_statusIcon == statusStop && m_playArea == QLatin1String("PLAYLIST")) {
        // Stopped in a playlist: step to the neighbouring playlist, found
        // over the recorder's listing.
        playlistNames.clear();
        playlistSkipBack = back;
        ftpAccess.connectToServer(m_address, m_password, m_currentMedia, m_model);
    }
}

void Communication::setARequest() { telnet->sendData("02A\r\n"); }
void Communication::setBRequest() { telnet->sendData("02B\r\n"); }
void Communication::abOffRequest() { telnet->sendData("03700\r\n"); }

void Communication::markRequest()
{
    if (m_nowTrackNo == QLatin1String("000"))
        return;
    telnet->sendData("07F0310\r\n");
    mark->requestMarkList();
}

void Communication::flashLoadRequest() { telnet->sendData("017\r\n"); }
void Communication::pitchRequest() { telnet->sendData(m_pitchStatus ? "03500\r\n" : "03501\r\n"); }
void Communication::keyRequest() { telnet->sendData(m_keyStatus ? "03D00\r\n" : "03D01\r\n"); }

void Communication::pitchDataSetRequest(double value)
{
    // Outside the recorder's range the digits would not mean the value.
    if (!qIsFinite(value) || qAbs(value) > maxPitch + 0.01)
        return;
    const bool negative = value < 0;
    const double magnitude = negative ? 0.001 - value : value + 0.001;
    // The added thousandth keeps 12.3 (held as 12.2999...) at tenths 3;
    // further digits are cut, not rounded.
    const QString text = QString::number(magnitude, 'f', 6);
    const bool oneDigit = text.at(1) == QLatin1Char('.');
    const QChar tens = oneDigit ? QLatin1Char('0') : text.at(0);
    const QChar units = oneDigit ? text.at(0) : text.at(1);
    const QChar tenths = oneDigit ? text.at(2) : text.at(3);
    if ((tens.digitValue() * 10 + units.digitValue()) * 10 + tenths.digitValue() > int(maxPitch * 10))
        return;
    const QString shown = (negative ? QLatin1String("-") : QLatin1String("+")) + text.left(oneDigit ? 3 : 4);
    if (shown == m_pitchData)
        return;
    char command[] = "025utsd\r\n";
    command[3] = char(units.unicode());
    command[4] = char(tenths.unicode());
    command[5] = negative ? '1' : '0';
    command[6] = char(tens.unicode());
    telnet->sendData(command);
}

void Communication::keyDataSetRequest(double value)
{
    if (!qIsFinite(value) || qAbs(value) > maxKey + 0.5)
        return;
    const bool negative = value < 0;
    const QString text = QString::number(negative ? 0.001 - value : value + 0.001, 'f', 0);
    const int steps = text.toInt();
    if (steps > maxKey)
        return;
    const int key = negative ? -steps : steps;
    if (key == m_keyData)
        return;
    char command[] = "02Dsm\r\n";
    command[3] = negative ? '1' : '0';
    command[4] = char(text.at(0).unicode());
    telnet->sendData(command);
}

void Communication::currentMediaUSBRequest() { telnet->sendData("07F0110\r\n"); }
void Communication::currentMediaSD1Request() { telnet->sendData("07F0100\r\n"); }
void Communication::currentMediaSD2Request() { telnet->sendData("07F0101\r\n"); }
void Communication::currentMediaCDRequest() { telnet->sendData("07F0111\r\n"); }
void Communication::playAreaAllRequest() { telnet->sendData("07F074F00\r\n"); }
void Communication::playAreaFolderRequest() { telnet->sendData("07F074F01\r\n"); }
void Communication::playAreaPlaylistRequest() { telnet->sendData("07F074F02\r\n"); }
void Communication::playModeContinueRequest() { telnet->sendData("04D00\r\n"); }
void Communication::playModeSingleRequest() { telnet->sendData("04D01\r\n"); }
void Communication::playModeProgramRequest() { telnet->sendData("04D04\r\n"); }
void Communication::playModeRandomRequest() { telnet->sendData("04D06\r\n"); }

void Communication::timeSearchRequest(QString trk, QString h, QString m, QString s, QString f)
{
    const int track = toNumber(trk);
    const int hours = toNumber(h);
    const int minutes = toNumber(m);
    const int seconds = toNumber(s);
    const int frames = toNumber(f);
    // A value that does not fit its field is refused, never wrapped.
    if (track < 1 || track > 999 || hours < 0 || hours > 99 || minutes < 0 || minutes > 59 || seconds < 0
        || seconds > 59 || frames < 0 || frames > 99)
        return;
    char command[] = "02Cabcdefghijkl\r\n";
    LineProtocol::NUMBER4(command + 3, track);
    LineProtocol::NUMBER4(command + 7, hours * 60 + minutes);
    LineProtocol::DEC2(command + 11, seconds);
    LineProtocol::DEC2(command + 13, frames);
    telnet->sendData(command);
}

void Communication::startLevelMeter()
{
    telnet->sendData("07F6A3F01\r\n");
}

void Communication::stopLevelMeter()
{
    telnet->sendData("07F6A3F00\r\n");
}

// ---- Playlist skip ----

void Communication::setPlaylist(QString name)
{
    playlistNames.append(name);
}

void Communication::endPlaylist()
{
    std::sort(playlistNames.begin(), playlistNames.end());
    if (playlistNames.isEmpty())
        return;
    const int current = playlistNames.indexOf(m_playList);
    const int last = playlistNames.size() - 1;
    int chosen = 0;
    if (current >= 0 && playlistSkipBack)
        chosen = current == 0 ? last : current - 1;
    else if (current >= 0)
        chosen = current == last ? 0 : current + 1;

    const auto name = LineProtocol::encodeTextField(playlistNames.at(chosen));
    if (!name)
        return;
    // One line: the load command, the folder (none on the CD) and the name.
    QByteArray command("07F310000");
    const QLatin1String folder = Medium::playlistFolder(m_currentMedia);
    if (!folder.isEmpty())
        command.append(folder.data(), folder.size()).append('/');
    telnet->sendData(command.append(*name).append("\r\n").constData());
}

// ---- Reply dispatch ----

void Communication::recievedData(QString str)
{
    const QStringView line(str);
    const QStringView data = field(line, 2);
    switch (codeOf(line)) {
    case code('8', '8'): recievedCommand88(data); break;
    case code('9', '5'): recievedCommandFlag(data, m_jogMode, &Communication::jogModeChanged, false); break;
    case code('9', '7'): recievedCommand97(data); break;
    case code('A', '5'): recievedCommandA5(data); break;
    case code('A', 'D'): recievedCommandAD(data); break;
    case code('B', '0'): recievedCommandFlag(data, m_autoCue, &Communication::autoCueChanged, false); break;
    case code('B', '1'): recievedCommandFlag(data, m_autoTrack, &Communication::autoTrackChanged, false); break;
    case code('B', '5'): recievedCommandFlag(data, m_pitchStatus, &Communication::pitchStatusChanged, true); break;
    case code('B', '6'): recievedCommandFlag(data, m_autoReady, &Communication::autoReadyChanged, true); break;
    case code('B', '8'): recievedCommandFlag(data, m_syncRec, &Communication::syncRecChanged, false); break;
    case code('B', 'A'): recievedCommandFlag(data, m_incPlay, &Communication::incPlayChanged, true); break;
    case code('B', 'D'): recievedCommandFlag(data, m_keyStatus, &Communication::keyStatusChanged, true); break;
    case code('C', 'E'): recievedCommandCE(data); break;
    case code('D', '0'): recievedCommandD0(data); break;
    case code('D', '5'): recievedCommandD5(data); break;
    case code('D', '6'): recievedCommandD6(data); break;
    case code('D', '8'): recievedCommandD8(data); break;
    case code('D', 'D'): recievedCommandDD(data); break;
    case code('F', '6'): recievedCommandF6(data); break;
    case code('F', 'F'): recievedCommandFF(data); break;
    default: break;
    }
}

void Communication::recievedCommandFlag(QStringView data, bool &member, void (Communication::*changed)(bool), bool always)
{
    store(member, flag(data, 0), changed, always);
}

void Communication::recievedCommand97(QStringView data)
{
    // The flash load is acknowledged; nothing to mirror.
    Q_UNUSED(data)
}

void Communication::recievedCommand88(QStringView data)
{
    storeText(m_playTimeHour, field(data, 0, 2), &Communication::playTimeHourChanged);
    storeText(m_playTimeMin, field(data, 2, 2), &Communication::playTimeMinChanged);
    storeText(m_playTimeSec, field(data, 4, 2), &Communication::playTimeSecChanged);
    storeText(m_playTimeFlame, field(data, 6, 2), &Communication::playTimeFlameChanged);
    const int elapsed = decimal(data, 0) * hundredthsPerHour + decimal(data, 2) * hundredthsPerMinute
                        + decimal(data, 4) * 100 + decimal(data, 6);
    store(m_trackElapsedTimeFlame, elapsed, &Communication::trackElapsedTimeFlameChanged, true);
    // An elapsed time past the total leaves nothing remaining, not a negative time.
    storeRemainingTime(qMax(0, m_trackTotalTimeFlame - elapsed));
}

void Communication::storeRemainingTime(int remaining)
{
    char buffer[16];
    storeText(m_remainingTimeHour, twoDigits(remaining / hundredthsPerHour, buffer, "-"),
              &Communication::remainingTimeHourChanged);
    storeText(m_remainingTimeMin, twoDigits(remaining / hundredthsPerMinute % 60, buffer),
              &Communication::remainingTimeMinChanged);
    storeText(m_remainingTimeSec, twoDigits(remaining / 100 % 60, buffer), &Communication::remainingTimeSecChanged);
    storeText(m_remainingTimeFlame, twoDigits(remaining % 100, buffer), &Communication::remainingTimeFlameChanged);
}

void Communication::recievedCommandA5(QStringView data)
{
    // Units, tenths, sign, tens: a shorter reply carries no pitch.
    if (data.size() < 4)
        return;
    QString pitch;
    pitch.reserve(6);
    pitch += data[2] == QLatin1Char('0') ? QLatin1Char('+') : QLatin1Char('-');
    if (data[3] != QLatin1Char('0'))
        pitch += data[3];
    pitch += data[0];
    pitch += QLatin1Char('.');
    pitch += data[1];
    storeText(m_pitchData, pitch, &Communication::pitchDataChanged, true);
}

void Communication::recievedCommandAD(QStringView data)
{
    if (data.size() < 2)
        return;
    const int steps = toNumber(field(data, 1, 1));
    store(m_keyData, data[0] == QLatin1Char('0') ? steps : -steps, &Communication::keyDataChanged);
}

void Communication::recievedCommandCE(QStringView data)
{
    if (data.size() < 2)
        return;
    QLatin1String mode;
    switch (toNumber(field(data, 1, 1))) {
    case 0: mode = QLatin1String("CONTINUE"); break;
    case 1: mode = QLatin1String("SINGLE"); break;
    case 4:
    case 5: mode = QLatin1String("PROGRAM"); break;
    case 6: mode = QLatin1String("RANDOM"); break;
    default: return;
    }
    storeText(m_playMode, mode, &Communication::playModeChanged, true);
}

void Communication::recievedCommandD0(QStringView data)
{
    store(m_statusIcon, hexadecimal(data, 0), &Communication::statusIconChanged);
    const int status = m_statusIcon;

    if (status == 0 || status == statusStop || status == statusBusy) {
        if (idleTimerId == 0)
            idleTimerId = startTimer(idlePollMs, Qt::CoarseTimer);
    } else if (idleTimerId != 0) {
        killTimer(idleTimerId);
        idleTimerId = 0;
    }

    if (status == statusBusy)
        telnet->sendData("015FF\r\n07F6A66\r\n");
    else if (m_jogMode)
        store(m_jogMode, false, &Communication::jogModeChanged);

    if (isRecording(status)) {
        mark->clearMarks();
        telnet->sendData("07F6A01\r\n07F6A02\r\n");
    } else if (status == statusPlay || status == statusPlayPause) {
        telnet->sendData("07F6A01\r\n07F6A02\r\n");
    } else if (status == 0) {
        mark->clearMarks();
        const QLatin1String zero("00");
        storeText(m_playTimeHour, zero, &Communication::playTimeHourChanged, true);
        storeText(m_playTimeMin, zero, &Communication::playTimeMinChanged, true);
        storeText(m_playTimeSec, zero, &Communication::playTimeSecChanged, true);
        storeText(m_playTimeFlame, zero, &Communication::playTimeFlameChanged, true);
        storeText(m_remainingTimeHour, zero, &Communication::remainingTimeHourChanged, true);
        storeText(m_remainingTimeMin, zero, &Communication::remainingTimeMinChanged, true);
        storeText(m_remainingTimeSec, zero, &Communication::remainingTimeSecChanged, true);
        storeText(m_remainingTimeFlame, zero, &Communication::remainingTimeFlameChanged, true);
        store(m_trackTotalTimeFlame, 0, &Communication::trackTotalTimeFlameChanged, true);
        store(m_trackElapsedTimeFlame, 0, &Communication::trackElapsedTimeFlameChanged, true);
    }
}

void Communication::recievedCommandD5(QStringView data)
{
    // The three low digits of the pair-encoded track number at 2-5.
    QChar digits[3];
    int length = 0;
    for (const QStringView part : {field(data, 5, 1), field(data, 2, 2)})
        for (const QChar c : part)
            digits[length++] = c;
    const QStringView track(digits, length);
    if (m_nowTrackNo == track)
        return;
    storeText(m_nowTrackNo, track, &Communication::nowTrackNoChanged);
    telnet->sendData(m_displayMode ? "05802\r\n05803\r\n07F6A01\r\n" : "05800\r\n05801\r\n07F6A01\r\n");
    sendIfPermitted(Browse::commandBrowseInit);
}

void Communication::recievedCommandDD(QStringView data)
{
    QChar digits[3];
    int length = 0;
    for (const QStringView part : {field(data, 3, 1), field(data, 0, 2)})
        for (const QChar c : part)
            digits[length++] = c;
    storeText(m_allTrackNo, QStringView(digits, length), &Communication::allTrackNoChanged);
}

void Communication::recievedCommandD6(QStringView data)
{
    static const struct
    {
        const char *data;
        const char *type;
    } types[] = {{"0100", "CD-DA"}, {"0101", "CD-R"}, {"0102", "CD-RW"},
                 {"0110", "Data CD"}, {"0111", "CD-R Data"}, {"0112", "CD-RW Data"}};
    QLatin1String type("");
    if (data.startsWith(QLatin1String("00"))) {
        type = QLatin1String("CD");
    } else {
        for (const auto &entry : types) {
            if (data == QLatin1String(entry.data)) {
                type = QLatin1String(entry.type);
                break;
            }
        }
    }
    storeText(m_cdType, type, &Communication::cdTypeChanged);
}

void Communication::recievedCommandD8(QStringView data)
{
    const int kind = decimal(data, 0);
    const QStringView highPair = field(data, 4, 2);
    const bool outOfRange = highPair == QLatin1String("--") || decimal(data, 4, 1) > 5;

    char hourBuffer[16];
    char minuteBuffer[16];
    QStringView second = field(data, 6, 2);
    QStringView frame = field(data, 8, 2);
    int hours = 99;
    int minutes = 59;
    if (outOfRange) {
        static const QChar nines[] = {QLatin1Char('9'), QLatin1Char('9')};
        static const QChar fiftyNine[] = {QLatin1Char('5'), QLatin1Char('9')};
        second = QStringView(fiftyNine, 2);
        frame = QStringView(nines, 2);
    } else {
        const int totalMinutes = toNumber(highPair) * 100 + decimal(data, 2);
        hours = totalMinutes / 60;
        minutes = totalMinutes % 60;
    }
    const int secondsAndFrames = toNumber(second) * 100 + toNumber(frame);

    if (kind == 0 || kind == 2) {
        const QLatin1String hourText = twoDigits(hours, hourBuffer);
        storeText(m_playTimeHour, hourText, &Communication::playTimeHourChanged);
        storeText(m_playTimeMin, twoDigits(minutes, minuteBuffer), &Communication::playTimeMinChanged);
        storeText(m_playTimeSec, second, &Communication::playTimeSecChanged);
        storeText(m_playTimeFlame, frame, &Communication::playTimeFlameChanged);
        lastElapsed = hours * hundredthsPerHour + minutes * hundredthsPerMinute + secondsAndFrames;
        return;
    }

    storeText(m_remainingTimeHour, twoDigits(hours, hourBuffer, "-"), &Communication::remainingTimeHourChanged);
    storeText(m_remainingTimeMin, twoDigits(minutes, minuteBuffer), &Communication::remainingTimeMinChanged);
    storeText(m_remainingTimeSec, second, &Communication::remainingTimeSecChanged);
    storeText(m_remainingTimeFlame, frame, &Communication::remainingTimeFlameChanged);

    int total = lastElapsed + hours * hundredthsPerHour + minutes * hundredthsPerMinute + secondsAndFrames;
    if (total == 0)
        total = 1; // the interface divides by the total
    if (total != m_trackTotalTimeFlame) {
        store(m_trackTotalTimeFlame, total, &Communication::trackTotalTimeFlameChanged);
        if (markRedrawState == 2) {
            mark->redrawMark();
            markRedrawState = 0;
        }
    }
    store(m_trackElapsedTimeFlame, lastElapsed, &Communication::trackElapsedTimeFlameChanged);
}

void Communication::recievedCommandF6(QStringView data)
{
    const QStringView notice = field(data, 0, 2);
    if ((notice == QLatin1String("00") && browse->busy == 0) || notice == QLatin1String("03"))
        rebuildHome();
}

// ---- Extended replies ----

void Communication::recievedCommandFF(QStringView data)
{
    const QStringView subCode = field(data, 2, 2);
    switch (codeOf(data)) {
    case code('0', '1'):
        recievedCommandFF01(data);
        break;
    case code('0', '3'):
        mark->recievedCommandFF03(field(data, 2).toString());
        break;
    case code('0', '4'):
        if (subCode == QLatin1String("97"))
            store(m_flashLoad, field(data, 4, 2) == QLatin1String("10"), &Communication::flashLoadChanged);
        else if (subCode == QLatin1String("F8"))
            telnet->sendData("07F0417FF\r\n");
        break;
    case code('0', '7'):
        if (subCode == QLatin1String("CF")) {
            static const char *const areas[] = {"ALL", "FOLDER", "PLAYLIST"};
            const int area = decimal(data, 4);
            const QLatin1String text(area >= 0 && area <= 2 ? areas[area] : "");
            if (m_playArea == text)
                break;
            storeText(m_playArea, text, &Communication::playAreaChanged);
            sendIfPermitted(Browse::commandBrowseInit);
        }
        break;
    case code('1', '2'):
        if (subCode == QLatin1String("91"))
            store(m_src, decimal(data, 8) != 0, &Communication::srcChanged);
        break;
    case code('3', '1'):
        if (subCode == QLatin1String("80")) {
            if (field(data, 4, 2) == QLatin1String("00")) {
                rebuildHome();
                sendIfPermitted(Playlist::commandPlaylistInit);
            }
        } else if (subCode == QLatin1String("85")) {
            if (m_playList == field(data, 4))
                break;
            storeText(m_playList, field(data, 4), &Communication::playListChanged);
            telnet->sendDataNoLog("050\r\n055\r\n05D\r\n");
            sendIfPermitted(Playlist::commandPlaylistInit);
        } else if (subCode == QLatin1String("CB")) {
            pl->recievedCommandFF31CB(field(data, 4).toString());
        }
        break;
    case code('4', '5'):
        pl->recievedCommandFF45(field(data, 2).toString());
        break;
    case code('4', '7'):
        tev->recievedCommandFF47(field(data, 2).toString());
        break;
    case code('6', 'A'):
        recievedCommandFF6A(data);
        break;
    case code('6', 'B'):
        browse->recievedCommandFF6B(field(data, 2).toString());
        break;
    case code('7', '2'):
        recievedCommandFF72(data);
        break;
    default:
        break;
    }
}

void Communication::recievedCommandFF01(QStringView data)
{
    const QLatin1String medium = Medium::nameOfCode(decimal(data, 2));
    if (m_currentMedia == medium)
        return;
    storeText(m_currentMedia, medium, &Communication::currentMediaChanged);
    menu->setMenuCurrentMedia(m_currentMedia);
    menu->changedCommandMenuData();
    sendIfPermitted(Browse::commandBrowseInit);
    sendIfPermitted(Playlist::commandPlaylistInit);
}

void Communication::recievedCommandFF6A(QStringView data)
{
    const QStringView rest = field(data, 4);
    const auto nonzero = [&] { return decimal(data, 4) != 0; };

    switch (codeOf(field(data, 2, 2))) {
    case code('8', '1'):
        if (m_title == rest)
            break;
        storeText(m_title, rest, &Communication::titleChanged);
        if (!isRecording(m_statusIcon) && m_nowTrackNo != QLatin1String("000"))
            mark->requestMarkList();
        break;
    case code('8', '2'):
        if (m_folder == rest)
            break;
        storeText(m_folder, rest, &Communication::folderChanged);
        rebuildHome();
        break;
    case code('8', '4'): {
        const int input = decimal(data, 4);
        store(m_inputSelect, input >= 80 ? input - 80 : input, &Communication::inputSelectChanged);
        store(m_digitalInLock, input < 80, &Communication::digitalInLockChanged);
        break;
    }
    case code('8', '5'): store(m_micPhantom, nonzero(), &Communication::micPhantomChanged); break;
    case code('8', '6'): store(m_timerEvent, nonzero(), &Communication::timerEventChanged); break;
    case code('8', '7'): store(m_upload, nonzero(), &Communication::uploadChanged); break;
    case code('8', '8'): store(m_download, nonzero(), &Communication::downloadChanged); break;
    case code('8', '9'): recievedCommandFF6A89(data); break;
    case code('8', 'A'): store(m_repeat, decimal(data, 4), &Communication::repeatChanged); break;
    case code('8', 'B'): {
        static const char *const pairs[] = {"SD1-SD2", "SD1-USB", "SD2-SD1", "SD2-USB", "USB-SD1", "USB-SD2"};
        const int pair = toNumber(rest);
        storeText(m_currentMediaBackupRelay, QLatin1String(pair >= 0 && pair <= 5 ? pairs[pair] : ""),
                  &Communication::currentMediaBackupRelayChanged);
        break;
    }
    case code('8', 'C'): recievedCommandFF6A8C(data); break;
    case code('8', 'D'): store(m_agc, nonzero(), &Communication::agcChanged); break;
    case code('8', 'E'): store(m_dynamics, decimal(data, 4), &Communication::dynamicsChanged); break;
    case code('E', '0'): store(m_lowCut, nonzero(), &Communication::lowCutChanged); break;
    case code('E', '1'): store(m_autoMark, nonzero(), &Communication::autoMarkChanged); break;
    case code('E', '2'): store(m_monoMix, field(data, 4, 2) == QLatin1String("00"), &Communication::monoMixChanged); break;
    case code('E', '3'):
        store(m_currentTrackTop, toNumber(rest, 16), &Communication::currentTrackTopChanged);
        if (markRedrawState == 1)
            markRedrawState = 2;
        break;
    case code('E', '5'):
        storeText(m_finalizedCd,
                  QLatin1String(field(data, 4, 2) == QLatin1String("00") ? "Unfinalized" : "Finalized"),
                  &Communication::finalizedCdChanged);
        break;
    case code('E', '6'): store(m_statusDetail, toNumber(rest), &Communication::statusDetailChanged); break;
    case code('F', '6'): recievedCommandFF6AF6(data); break;
    case code('F', 'A'):
        if (field(data, 4, 2) == QLatin1String("F0")) {
            menu->changedCommandMenuData();
            emit popupReceived(decimal(data, 6));
        } else {
            menu->recievedCommandFF6AFA(rest.toString());
        }
        break;
    case code('F', 'D'): permission->recievedCommandFF6AFD(rest.toString()); break;
    case code('F', 'E'): permission->recievedCommandFF6AFE(rest.toString()); break;
    default: break;
    }
}

void Communication::recievedCommandFF6A89(QStringView data)
{
    // Four levels and the two over flags up to d11: a shorter reply carries
    // no meter reading.
    if (data.size() < 16)
        return;
    const auto step = [&](int position) { return qMax(0, hexadecimal(data, position) - 1); };
    store(m_levelMeterL, step(4), &Communication::levelMeterLChanged);
    store(m_levelMeterR, step(6), &Communication::levelMeterRChanged);
    store(m_levelMeterLPeak, step(8), &Communication::levelMeterLPeakChanged);
    store(m_levelMeterRPeak, step(10), &Communication::levelMeterRPeakChanged);
    store(m_levelMeterLOver, data[13] != QLatin1Char('0'), &Communication::levelMeterLOverChanged);
    store(m_levelMeterROver, data[15] != QLatin1Char('0'), &Communication::levelMeterROverChanged);
}

void Communication::recievedCommandFF6A8C(QStringView data)
{
    static const struct
    {
        const char *format;
        const char *formatCd;
        bool backupRelay;
        int fsCd; // -1: left as it is
    } formats[] = {
        {"Wav", "CD-DA", false, 0},
        {"Mp3", "Mp3", false, 0},
        {"Wav16+Mp3", "Mp3", false, 1},
        {"Wav(Backup)", "", true, -1},
        {"Mp3(Backup)", "", true, -1},
        {"Wav(Relay)", "", true, -1},
        {"Mp3(Relay)", "", true, -1},
        {"Wav16+Mp3\n(Relay)", "", true, -1},
    };
    const int value = decimal(data, 4);
    const int index = value >= 8 ? value - 8 : value;
    int rate = value >= 8 ? 1 : 0;
    const char *format = "";
    const char *formatCd = "";
    bool backupRelay = false;
    int fsCd = -1;
    if (value == 16) {
        format = "Wav";
        rate = 2;
    } else if (index >= 0 && index < 8) {
        format = formats[index].format;
        formatCd = formats[index].formatCd;
        backupRelay = formats[index].backupRelay;
        fsCd = formats[index].fsCd;
    }
    storeText(m_recFormat, QLatin1String(format), &Communication::recFormatChanged);
    storeText(m_recFormatCd, QLatin1String(formatCd), &Communication::recFormatCdChanged);
    store(m_backupRelay, backupRelay, &Communication::backupRelayChanged);
    store(m_recFs, rate, &Communication::recFsChanged);
    if (fsCd >= 0)
        store(m_recFsCd, fsCd, &Communication::recFsCdChanged);
}

void Communication::recievedCommandFF6AF6(QStringView data)
{
    switch (codeOf(field(data, 4, 2))) {
    case code('0', '1'): telnet->sendData("07F6A04\r\n"); break;
    case code('0', '2'): browse->startBrowse(); break;
    case code('1', '0'):
    case code('7', '0'): rebuildHome(); break;
    case code('2', '0'): mark->requestMarkList(); break;
    case code('4', '0'):
        menu->changedCommandMenuData();
        rebuildHome();
        break;
    case code('5', '0'): menu->rebuildParameterForCd(); break;
    case code('5', '1'): menu->rebuildParameterForStereoMono(); break;
    default: break;
    }
}

void Communication::recievedCommandFF72(QStringView data)
{
    if (field(data, 2, 4) != QLatin1String("8101"))
        return;
    telnet->sendData(field(data, 6, 2) == QLatin1String("00") ? "01301\r\n" : "01300\r\n");
    telnet->sendData("07F6A3F01\r\n");
}
