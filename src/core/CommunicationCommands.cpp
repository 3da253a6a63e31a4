#include "Communication.h"

#include "LineProtocol.h"
#include "Mark.h"
#include "ReplyFields.h"
#include "Telnet.h"

using LineProtocol::toNumber;
namespace Status = ReplyFields::Status;

void Communication::stopRequest() { telnet->sendData("010\r\n"); }
void Communication::playRequest() { telnet->sendData("012\r\n07F6A3F01\r\n"); }

void Communication::pauseRequest()
{
    if (m_statusIcon == Status::playPause)
        telnet->sendData("01D\r\n");
    else if (m_statusIcon == Status::record)
        telnet->sendData("01301\r\n");
    else
        telnet->sendData("01401\r\n");
}

void Communication::recRequest()
{
    // Outside recording the recorder's answer decides the record command.
    telnet->sendData(m_statusIcon == Status::record ? "01302\r\n" : "07F720101\r\n");
}

void Communication::trackSkipPreviousRequest() { trackSkip(true); }
void Communication::trackSkipNextRequest() { trackSkip(false); }

void Communication::trackSkip(bool back)
{
    if (m_statusIcon == Status::stop || mark->marks.isEmpty())
        telnet->sendData(back ? "01A01\r\n055\r\n" : "01A00\r\n055\r\n");
    else if (m_statusIcon == Status::play || m_statusIcon == Status::playPause)
        back ? mark->skipPrevious(m_trackElapsedTimeFlame) : mark->skipNext(m_trackElapsedTimeFlame);
}

void Communication::reverseRequest() { search("01601\r\n"); }
void Communication::forwardRequest() { search("01600\r\n"); }

void Communication::search(const char *command)
{
    if (m_statusIcon == Status::play || m_statusIcon == Status::playPause) {
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
    if (searchState == Status::playPause)
        telnet->sendData("01401\r\n");
    else if (searchState == Status::play)
        telnet->sendData("012\r\n");
}

void Communication::timeSkipPreviousRequest() { timeSkip(true); }
void Communication::timeSkipNextRequest() { timeSkip(false); }

void Communication::timeSkip(bool back)
{
    if (m_statusIcon == Status::play || m_statusIcon == Status::playPause) {
        telnet->sendData(back ? "01A31\r\n" : "01A30\r\n");
    } else if (m_statusIcon == Status::stop && m_playArea == QLatin1String("FOLDER")) {
        telnet->sendData(back ? "07F6A1A01\r\n" : "07F6A1A00\r\n");
    } else if (m_statusIcon == Status::stop && m_playArea == QLatin1String("PLAYLIST")) {
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
