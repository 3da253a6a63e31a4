#include "Communication.h"

#include "Browse.h"
#include "LineProtocol.h"
#include "Mark.h"
#include "PropertyStore.h"
#include "ReplyFields.h"
#include "Telnet.h"

#include <utility>

using LineProtocol::field;
using LineProtocol::toNumber;
using namespace ReplyFields;

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
    if (always)
        storeAndSignal(this, member, flag(data, 0), changed);
    else
        storeProperty(this, member, flag(data, 0), changed);
}

void Communication::recievedCommand97(QStringView data)
{
    // The flash load is acknowledged; nothing to mirror.
    Q_UNUSED(data)
}

void Communication::recievedCommand88(QStringView data)
{
    // Hours, minutes, seconds, frames: a shorter reply carries no time.
    if (data.size() < 8)
        return;
    storeProperty(this, m_playTimeHour, field(data, 0, 2), &Communication::playTimeHourChanged);
    storeProperty(this, m_playTimeMin, field(data, 2, 2), &Communication::playTimeMinChanged);
    storeProperty(this, m_playTimeSec, field(data, 4, 2), &Communication::playTimeSecChanged);
    storeProperty(this, m_playTimeFlame, field(data, 6, 2), &Communication::playTimeFlameChanged);
    const int elapsed = decimal(data, 0) * hundredthsPerHour + decimal(data, 2) * hundredthsPerMinute
                        + decimal(data, 4) * 100 + decimal(data, 6);
    storeAndSignal(this, m_trackElapsedTimeFlame, elapsed, &Communication::trackElapsedTimeFlameChanged);
    // An elapsed time past the total leaves nothing remaining, not a negative time.
    storeRemainingTime(qMax(0, m_trackTotalTimeFlame - elapsed));
}

void Communication::storeRemainingTime(int remaining)
{
    char buffer[16];
    storeProperty(this, m_remainingTimeHour, twoDigits(remaining / hundredthsPerHour, buffer, "-"),
                  &Communication::remainingTimeHourChanged);
    storeProperty(this, m_remainingTimeMin, twoDigits(remaining / hundredthsPerMinute % 60, buffer),
                  &Communication::remainingTimeMinChanged);
    storeProperty(this, m_remainingTimeSec, twoDigits(remaining / 100 % 60, buffer),
                  &Communication::remainingTimeSecChanged);
    storeProperty(this, m_remainingTimeFlame, twoDigits(remaining % 100, buffer),
                  &Communication::remainingTimeFlameChanged);
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
    storeAndSignal(this, m_pitchData, pitch, &Communication::pitchDataChanged);
}

void Communication::recievedCommandAD(QStringView data)
{
    if (data.size() < 2)
        return;
    const int steps = toNumber(field(data, 1, 1));
    storeProperty(this, m_keyData, data[0] == QLatin1Char('0') ? steps : -steps, &Communication::keyDataChanged);
}

void Communication::recievedCommandCE(QStringView data)
{
    if (data.size() < 2)
        return;
    const QLatin1String mode = ReplyFields::playMode(toNumber(field(data, 1, 1)));
    if (mode.isEmpty())
        return;
    storeAndSignal(this, m_playMode, mode, &Communication::playModeChanged);
}

void Communication::recievedCommandD0(QStringView data)
{
    storeProperty(this, m_statusIcon, hexadecimal(data, 0), &Communication::statusIconChanged);
    const int status = m_statusIcon;

    if (status == Status::none || status == Status::stop || status == Status::busy) {
        if (idleTimerId == 0)
            idleTimerId = startTimer(idlePollMs, Qt::CoarseTimer);
    } else if (idleTimerId != 0) {
        killTimer(idleTimerId);
        idleTimerId = 0;
    }

    if (status == Status::busy)
        telnet->sendData("015FF\r\n07F6A66\r\n");
    else if (m_jogMode)
        storeProperty(this, m_jogMode, false, &Communication::jogModeChanged);

    if (isRecording(status)) {
        mark->clearMarks();
        telnet->sendData("07F6A01\r\n07F6A02\r\n");
    } else if (status == Status::play || status == Status::playPause) {
        telnet->sendData("07F6A01\r\n07F6A02\r\n");
    } else if (status == Status::none) {
        mark->clearMarks();
        const QLatin1String zero("00");
        for (const auto &text : {std::make_pair(&m_playTimeHour, &Communication::playTimeHourChanged),
                                 std::make_pair(&m_playTimeMin, &Communication::playTimeMinChanged),
                                 std::make_pair(&m_playTimeSec, &Communication::playTimeSecChanged),
                                 std::make_pair(&m_playTimeFlame, &Communication::playTimeFlameChanged),
                                 std::make_pair(&m_remainingTimeHour, &Communication::remainingTimeHourChanged),
                                 std::make_pair(&m_remainingTimeMin, &Communication::remainingTimeMinChanged),
                                 std::make_pair(&m_remainingTimeSec, &Communication::remainingTimeSecChanged),
                                 std::make_pair(&m_remainingTimeFlame, &Communication::remainingTimeFlameChanged)})
            storeAndSignal(this, *text.first, zero, text.second);
        storeAndSignal(this, m_trackTotalTimeFlame, 0, &Communication::trackTotalTimeFlameChanged);
        storeAndSignal(this, m_trackElapsedTimeFlame, 0, &Communication::trackElapsedTimeFlameChanged);
    }
}

void Communication::recievedCommandD5(QStringView data)
{
    QChar digits[3];
    const QStringView track = threeLowDigits(data, 2, digits);
    if (!storeProperty(this, m_nowTrackNo, track, &Communication::nowTrackNoChanged))
        return;
    telnet->sendData(m_displayMode ? "05802\r\n05803\r\n07F6A01\r\n" : "05800\r\n05801\r\n07F6A01\r\n");
    sendIfPermitted(Browse::commandBrowseInit);
}

void Communication::recievedCommandDD(QStringView data)
{
    // A pair-encoded count: a shorter reply carries none.
    if (data.size() < 4)
        return;
    QChar digits[3];
    storeProperty(this, m_allTrackNo, threeLowDigits(data, 0, digits), &Communication::allTrackNoChanged);
}

void Communication::recievedCommandD6(QStringView data)
{
    storeProperty(this, m_cdType, ReplyFields::cdType(data), &Communication::cdTypeChanged);
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
        storeProperty(this, m_playTimeHour, twoDigits(hours, hourBuffer), &Communication::playTimeHourChanged);
        storeProperty(this, m_playTimeMin, twoDigits(minutes, minuteBuffer), &Communication::playTimeMinChanged);
        storeProperty(this, m_playTimeSec, second, &Communication::playTimeSecChanged);
        storeProperty(this, m_playTimeFlame, frame, &Communication::playTimeFlameChanged);
        lastElapsed = hours * hundredthsPerHour + minutes * hundredthsPerMinute + secondsAndFrames;
        return;
    }

    storeProperty(this, m_remainingTimeHour, twoDigits(hours, hourBuffer, "-"),
                  &Communication::remainingTimeHourChanged);
    storeProperty(this, m_remainingTimeMin, twoDigits(minutes, minuteBuffer), &Communication::remainingTimeMinChanged);
    storeProperty(this, m_remainingTimeSec, second, &Communication::remainingTimeSecChanged);
    storeProperty(this, m_remainingTimeFlame, frame, &Communication::remainingTimeFlameChanged);

    int total = lastElapsed + hours * hundredthsPerHour + minutes * hundredthsPerMinute + secondsAndFrames;
    if (total == 0)
        total = 1; // 0 stands for a length not known yet
    if (storeProperty(this, m_trackTotalTimeFlame, total, &Communication::trackTotalTimeFlameChanged)
        && markRedrawState == MarkRedrawAwaitingTotal) {
        mark->redrawMark();
        markRedrawState = MarkRedrawIdle;
    }
    storeProperty(this, m_trackElapsedTimeFlame, lastElapsed, &Communication::trackElapsedTimeFlameChanged);
}

void Communication::recievedCommandF6(QStringView data)
{
    const QStringView notice = field(data, 0, 2);
    if ((notice == QLatin1String("00") && browse->busy == 0) || notice == QLatin1String("03"))
        rebuildHome();
}
