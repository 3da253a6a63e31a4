#include "Communication.h"

#include "Browse.h"
#include "LineProtocol.h"
#include "Mark.h"
#include "Medium.h"
#include "Menu.h"
#include "Permission.h"
#include "Playlist.h"
#include "PropertyStore.h"
#include "ReplyFields.h"
#include "Telnet.h"
#include "TimerEvent.h"

using LineProtocol::field;
using LineProtocol::toNumber;
using namespace ReplyFields;

// The group in the first two characters; for most groups the sub-code in the
// next two, the data from position 4 on.
void Communication::recievedCommandFF(QStringView data)
{
    switch (codeOf(data)) {
    case code('0', '1'): recievedCommandFF01(data); break;
    case code('0', '3'): mark->recievedCommandFF03(field(data, 2).toString()); break;
    case code('0', '4'): recievedCommandFF04(data); break;
    case code('0', '7'): recievedCommandFF07(data); break;
    case code('1', '2'): recievedCommandFF12(data); break;
    case code('3', '1'): recievedCommandFF31(data); break;
    case code('4', '5'): pl->recievedCommandFF45(field(data, 2).toString()); break;
    case code('4', '7'): tev->recievedCommandFF47(field(data, 2).toString()); break;
    case code('6', 'A'): recievedCommandFF6A(data); break;
    case code('6', 'B'): browse->recievedCommandFF6B(field(data, 2).toString()); break;
    case code('7', '2'): recievedCommandFF72(data); break;
    default: break;
    }
}

void Communication::recievedCommandFF01(QStringView data)
{
    // No sub-code: the medium code follows the group.
    if (!storeProperty(this, m_currentMedia, Medium::nameOfCode(decimal(data, 2)), &Communication::currentMediaChanged))
        return;
    menu->setMenuCurrentMedia(m_currentMedia);
    menu->changedCommandMenuData();
    sendIfPermitted(Browse::commandBrowseInit);
    sendIfPermitted(Playlist::commandPlaylistInit);
}

void Communication::recievedCommandFF04(QStringView data)
{
    switch (codeOf(field(data, 2, 2))) {
    case code('9', '7'):
        storeProperty(this, m_flashLoad, field(data, 4, 2) == QLatin1String("10"), &Communication::flashLoadChanged);
        break;
    case code('F', '8'): telnet->sendData("07F0417FF\r\n"); break;
    default: break;
    }
}

void Communication::recievedCommandFF07(QStringView data)
{
    if (field(data, 2, 2) != QLatin1String("CF"))
        return;
    if (storeProperty(this, m_playArea, ReplyFields::playArea(decimal(data, 4)), &Communication::playAreaChanged))
        sendIfPermitted(Browse::commandBrowseInit);
}

void Communication::recievedCommandFF12(QStringView data)
{
    // Positions 4-7 are not read.
    if (field(data, 2, 2) == QLatin1String("91"))
        storeProperty(this, m_src, decimal(data, 8) != 0, &Communication::srcChanged);
}

void Communication::recievedCommandFF31(QStringView data)
{
    switch (codeOf(field(data, 2, 2))) {
    case code('8', '0'):
        pl->recievedLoadResult(field(data, 4, 2));
        // The playlist skip or load was done.
        if (field(data, 4, 2) == QLatin1String("00")) {
            rebuildHome();
            sendIfPermitted(Playlist::commandPlaylistInit);
        }
        break;
    case code('8', '5'):
        if (!storeProperty(this, m_playList, field(data, 4), &Communication::playListChanged))
            break;
        telnet->sendDataNoLog("050\r\n055\r\n05D\r\n");
        sendIfPermitted(Playlist::commandPlaylistInit);
        break;
    case code('C', 'B'): pl->recievedCommandFF31CB(field(data, 4).toString()); break;
    default: break;
    }
}

void Communication::recievedCommandFF6A(QStringView data)
{
    const QStringView rest = field(data, 4);
    const auto nonzero = [&] { return decimal(data, 4) != 0; };

    switch (codeOf(field(data, 2, 2))) {
    case code('8', '1'):
        if (storeProperty(this, m_title, rest, &Communication::titleChanged) && !isRecording(m_statusIcon)
            && m_nowTrackNo != QLatin1String("000"))
            mark->requestMarkList();
        break;
    case code('8', '2'):
        if (storeProperty(this, m_folder, rest, &Communication::folderChanged))
            rebuildHome();
        break;
    case code('8', '4'): {
        const int input = decimal(data, 4);
        storeProperty(this, m_inputSelect, input >= 80 ? input - 80 : input, &Communication::inputSelectChanged);
        storeProperty(this, m_digitalInLock, input < 80, &Communication::digitalInLockChanged);
        break;
    }
    case code('8', '5'): storeProperty(this, m_micPhantom, nonzero(), &Communication::micPhantomChanged); break;
    case code('8', '6'): storeProperty(this, m_timerEvent, nonzero(), &Communication::timerEventChanged); break;
    case code('8', '7'): storeProperty(this, m_upload, nonzero(), &Communication::uploadChanged); break;
    case code('8', '8'): storeProperty(this, m_download, nonzero(), &Communication::downloadChanged); break;
    case code('8', '9'): recievedCommandFF6A89(data); break;
    case code('8', 'A'): storeProperty(this, m_repeat, decimal(data, 4), &Communication::repeatChanged); break;
    case code('8', 'B'):
        storeProperty(this, m_currentMediaBackupRelay, backupRelayPair(toNumber(rest)),
                      &Communication::currentMediaBackupRelayChanged);
        break;
    case code('8', 'C'): recievedCommandFF6A8C(data); break;
    case code('8', 'D'): storeProperty(this, m_agc, nonzero(), &Communication::agcChanged); break;
    case code('8', 'E'): storeProperty(this, m_dynamics, decimal(data, 4), &Communication::dynamicsChanged); break;
    case code('E', '0'): storeProperty(this, m_lowCut, nonzero(), &Communication::lowCutChanged); break;
    case code('E', '1'): storeProperty(this, m_autoMark, nonzero(), &Communication::autoMarkChanged); break;
    case code('E', '2'):
        storeProperty(this, m_monoMix, field(data, 4, 2) == QLatin1String("00"), &Communication::monoMixChanged);
        break;
    case code('E', '3'):
        storeProperty(this, m_currentTrackTop, toNumber(rest, 16), &Communication::currentTrackTopChanged);
        if (markRedrawState == MarkRedrawDisplayChanged)
            markRedrawState = MarkRedrawAwaitingTotal;
        break;
    case code('E', '5'):
        storeProperty(this, m_finalizedCd,
                      QLatin1String(field(data, 4, 2) == QLatin1String("00") ? "Unfinalized" : "Finalized"),
                      &Communication::finalizedCdChanged);
        break;
    case code('E', '6'): storeProperty(this, m_statusDetail, toNumber(rest), &Communication::statusDetailChanged); break;
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
    storeProperty(this, m_levelMeterL, step(4), &Communication::levelMeterLChanged);
    storeProperty(this, m_levelMeterR, step(6), &Communication::levelMeterRChanged);
    storeProperty(this, m_levelMeterLPeak, step(8), &Communication::levelMeterLPeakChanged);
    storeProperty(this, m_levelMeterRPeak, step(10), &Communication::levelMeterRPeakChanged);
    storeProperty(this, m_levelMeterLOver, data[13] != QLatin1Char('0'), &Communication::levelMeterLOverChanged);
    storeProperty(this, m_levelMeterROver, data[15] != QLatin1Char('0'), &Communication::levelMeterROverChanged);
}

void Communication::recievedCommandFF6A8C(QStringView data)
{
    const RecordFormat format = recordFormat(decimal(data, 4));
    storeProperty(this, m_recFormat, format.format, &Communication::recFormatChanged);
    storeProperty(this, m_recFormatCd, format.formatCd, &Communication::recFormatCdChanged);
    storeProperty(this, m_backupRelay, format.backupRelay, &Communication::backupRelayChanged);
    storeProperty(this, m_recFs, format.fs, &Communication::recFsChanged);
    if (format.fsCd >= 0)
        storeProperty(this, m_recFsCd, format.fsCd, &Communication::recFsCdChanged);
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
