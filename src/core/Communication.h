#pragma once

#include "DataSettings.h"
#include "FtpAccess.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTimer>
#include <functional>

class Browse;
class Mark;
class Menu;
class Permission;
class Playlist;
class Telnet;
class TimerEvent;

// The hub of the connection to one recorder: the session and its login state
// machine, the mirrored status of the recorder, the polls that keep it
// current, and the decoding of every reply line.
class Communication : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int loginState READ loginState NOTIFY loginStateChanged)
    Q_PROPERTY(bool loginComp READ loginComp NOTIFY loginCompChanged)
    Q_PROPERTY(QString currentMedia READ currentMedia NOTIFY currentMediaChanged)
    Q_PROPERTY(QString currentMediaBackupRelay READ currentMediaBackupRelay NOTIFY currentMediaBackupRelayChanged)
    Q_PROPERTY(QString playArea READ playArea NOTIFY playAreaChanged)
    Q_PROPERTY(QString playMode READ playMode NOTIFY playModeChanged)
    Q_PROPERTY(bool backupRelay READ backupRelay NOTIFY backupRelayChanged)
    Q_PROPERTY(QString folder READ folder NOTIFY folderChanged)
    Q_PROPERTY(QString playList READ playList NOTIFY playListChanged)
    Q_PROPERTY(int statusIcon READ statusIcon NOTIFY statusIconChanged)
    Q_PROPERTY(int statusDetail READ statusDetail NOTIFY statusDetailChanged)
    Q_PROPERTY(QString playTimeHour READ playTimeHour NOTIFY playTimeHourChanged)
    Q_PROPERTY(QString playTimeMin READ playTimeMin NOTIFY playTimeMinChanged)
    Q_PROPERTY(QString playTimeSec READ playTimeSec NOTIFY playTimeSecChanged)
    Q_PROPERTY(QString playTimeFlame READ playTimeFlame NOTIFY playTimeFlameChanged)
    Q_PROPERTY(QString remainingTimeHour READ remainingTimeHour NOTIFY remainingTimeHourChanged)
    Q_PROPERTY(QString remainingTimeMin READ remainingTimeMin NOTIFY remainingTimeMinChanged)
    Q_PROPERTY(QString remainingTimeSec READ remainingTimeSec NOTIFY remainingTimeSecChanged)
    Q_PROPERTY(QString remainingTimeFlame READ remainingTimeFlame NOTIFY remainingTimeFlameChanged)
    Q_PROPERTY(QString nowTrackNo READ nowTrackNo NOTIFY nowTrackNoChanged)
    Q_PROPERTY(QString allTrackNo READ allTrackNo NOTIFY allTrackNoChanged)
    Q_PROPERTY(bool pitchStatus READ pitchStatus NOTIFY pitchStatusChanged)
    Q_PROPERTY(QString pitchData READ pitchData NOTIFY pitchDataChanged)
    Q_PROPERTY(bool keyStatus READ keyStatus NOTIFY keyStatusChanged)
    Q_PROPERTY(int keyData READ keyData NOTIFY keyDataChanged)
    Q_PROPERTY(bool flashLoad READ flashLoad NOTIFY flashLoadChanged)
    Q_PROPERTY(bool autoReady READ autoReady NOTIFY autoReadyChanged)
    Q_PROPERTY(bool autoCue READ autoCue NOTIFY autoCueChanged)
    Q_PROPERTY(bool incPlay READ incPlay NOTIFY incPlayChanged)
    Q_PROPERTY(bool download READ download NOTIFY downloadChanged)
    Q_PROPERTY(bool upload READ upload NOTIFY uploadChanged)
    Q_PROPERTY(int dynamics READ dynamics NOTIFY dynamicsChanged)
    Q_PROPERTY(bool agc READ agc NOTIFY agcChanged)
    Q_PROPERTY(bool src READ src NOTIFY srcChanged)
    Q_PROPERTY(bool autoTrack READ autoTrack NOTIFY autoTrackChanged)
    Q_PROPERTY(bool autoMark READ autoMark NOTIFY autoMarkChanged)
    Q_PROPERTY(bool syncRec READ syncRec NOTIFY syncRecChanged)
    Q_PROPERTY(bool lowCut READ lowCut NOTIFY lowCutChanged)
    Q_PROPERTY(int repeat READ repeat NOTIFY repeatChanged)
    Q_PROPERTY(bool monoMix READ monoMix NOTIFY monoMixChanged)
    Q_PROPERTY(QString recFormat READ recFormat NOTIFY recFormatChanged)
    Q_PROPERTY(QString recFormatCd READ recFormatCd NOTIFY recFormatCdChanged)
    Q_PROPERTY(int recFs READ recFs NOTIFY recFsChanged)
    Q_PROPERTY(int recFsCd READ recFsCd NOTIFY recFsCdChanged)
    Q_PROPERTY(int levelMeterL READ levelMeterL NOTIFY levelMeterLChanged)
    Q_PROPERTY(int levelMeterR READ levelMeterR NOTIFY levelMeterRChanged)
    Q_PROPERTY(int levelMeterLPeak READ levelMeterLPeak NOTIFY levelMeterLPeakChanged)
    Q_PROPERTY(int levelMeterRPeak READ levelMeterRPeak NOTIFY levelMeterRPeakChanged)
    Q_PROPERTY(bool levelMeterLOver READ levelMeterLOver NOTIFY levelMeterLOverChanged)
    Q_PROPERTY(bool levelMeterROver READ levelMeterROver NOTIFY levelMeterROverChanged)
    Q_PROPERTY(int trackTotalTimeFlame READ trackTotalTimeFlame NOTIFY trackTotalTimeFlameChanged)
    Q_PROPERTY(int trackElapsedTimeFlame READ trackElapsedTimeFlame NOTIFY trackElapsedTimeFlameChanged)
    Q_PROPERTY(int currentTrackTop READ currentTrackTop NOTIFY currentTrackTopChanged)
    Q_PROPERTY(int inputSelect READ inputSelect NOTIFY inputSelectChanged)
    Q_PROPERTY(bool micPhantom READ micPhantom NOTIFY micPhantomChanged)
    Q_PROPERTY(bool timerEvent READ timerEventEnabled NOTIFY timerEventChanged)
    Q_PROPERTY(bool digitalInLock READ digitalInLock NOTIFY digitalInLockChanged)
    Q_PROPERTY(bool jogMode READ jogMode NOTIFY jogModeChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(int model READ model NOTIFY modelChanged)
    Q_PROPERTY(QString cdType READ cdType NOTIFY cdTypeChanged)
    Q_PROPERTY(QString finalizedCd READ finalizedCd NOTIFY finalizedCdChanged)
    Q_PROPERTY(QString address READ address NOTIFY addressChanged)
    Q_PROPERTY(QString password READ password NOTIFY passwordChanged)
    Q_PROPERTY(bool displayMode READ displayMode WRITE setDisplayMode NOTIFY displayModeChanged)

public:
    explicit Communication(QObject *parent = nullptr);

    void setTelnet(Telnet *link);
    void setTimerEvent(TimerEvent *timerEvent);

    int loginState() const { return m_loginState; }
    bool loginComp() const { return m_loginComp; }
    const QString &currentMedia() const { return m_currentMedia; }
    const QString &currentMediaBackupRelay() const { return m_currentMediaBackupRelay; }
    const QString &playArea() const { return m_playArea; }
    const QString &playMode() const { return m_playMode; }
    bool backupRelay() const { return m_backupRelay; }
    const QString &folder() const { return m_folder; }
    const QString &playList() const { return m_playList; }
    int statusIcon() const { return m_statusIcon; }
    int statusDetail() const { return m_statusDetail; }
    const QString &playTimeHour() const { return m_playTimeHour; }
    const QString &playTimeMin() const { return m_playTimeMin; }
    const QString &playTimeSec() const { return m_playTimeSec; }
    const QString &playTimeFlame() const { return m_playTimeFlame; }
    const QString &remainingTimeHour() const { return m_remainingTimeHour; }
    const QString &remainingTimeMin() const { return m_remainingTimeMin; }
    const QString &remainingTimeSec() const { return m_remainingTimeSec; }
    const QString &remainingTimeFlame() const { return m_remainingTimeFlame; }
    const QString &nowTrackNo() const { return m_nowTrackNo; }
    const QString &allTrackNo() const { return m_allTrackNo; }
    bool pitchStatus() const { return m_pitchStatus; }
    const QString &pitchData() const { return m_pitchData; }
    bool keyStatus() const { return m_keyStatus; }
    int keyData() const { return m_keyData; }
    bool flashLoad() const { return m_flashLoad; }
    bool autoReady() const { return m_autoReady; }
    bool autoCue() const { return m_autoCue; }
    bool incPlay() const { return m_incPlay; }
    bool download() const { return m_download; }
    bool upload() const { return m_upload; }
    int dynamics() const { return m_dynamics; }
    bool agc() const { return m_agc; }
    bool src() const { return m_src; }
    bool autoTrack() const { return m_autoTrack; }
    bool autoMark() const { return m_autoMark; }
    bool syncRec() const { return m_syncRec; }
    bool lowCut() const { return m_lowCut; }
    int repeat() const { return m_repeat; }
    bool monoMix() const { return m_monoMix; }
    const QString &recFormat() const { return m_recFormat; }
    const QString &recFormatCd() const { return m_recFormatCd; }
    int recFs() const { return m_recFs; }
    int recFsCd() const { return m_recFsCd; }
    int levelMeterL() const { return m_levelMeterL; }
    int levelMeterR() const { return m_levelMeterR; }
    int levelMeterLPeak() const { return m_levelMeterLPeak; }
    int levelMeterRPeak() const { return m_levelMeterRPeak; }
    bool levelMeterLOver() const { return m_levelMeterLOver; }
    bool levelMeterROver() const { return m_levelMeterROver; }
    int trackTotalTimeFlame() const { return m_trackTotalTimeFlame; }
    int trackElapsedTimeFlame() const { return m_trackElapsedTimeFlame; }
    int currentTrackTop() const { return m_currentTrackTop; }
    int inputSelect() const { return m_inputSelect; }
    bool micPhantom() const { return m_micPhantom; }
    bool timerEventEnabled() const { return m_timerEvent; }
    bool digitalInLock() const { return m_digitalInLock; }
    bool jogMode() const { return m_jogMode; }
    const QString &title() const { return m_title; }
    int model() const { return m_model; }
    const QString &cdType() const { return m_cdType; }
    const QString &finalizedCd() const { return m_finalizedCd; }
    const QString &address() const { return m_address; }
    const QString &password() const { return m_password; }
    bool displayMode() const { return m_displayMode; }

    void setDisplayMode(bool mode);

    // The values of loginState.
    enum LoginState {
        LoginIdle = 0,
        LoginConnecting = 1,
        LoggedIn = 2,
        FirstReconnection = 3,
        // The second reconnection, or an attempt that ends at the next failure.
        SecondReconnection = 4,
    };

    // The values of markRedrawState: the marks are drawn again once the
    // display mode changed, the track top came back and the total changed.
    enum MarkRedrawState {
        MarkRedrawIdle = 0,
        MarkRedrawDisplayChanged = 1,
        MarkRedrawAwaitingTotal = 2,
    };

    Q_INVOKABLE void loginRequest(QString adr, QString pass);
    // Connects again with the stored address and password (reconnection).
    void loginRequest();
    Q_INVOKABLE void logoutRequest();

    Q_INVOKABLE void stopRequest();
    Q_INVOKABLE void playRequest();
    Q_INVOKABLE void pauseRequest();
    Q_INVOKABLE void recRequest();
    Q_INVOKABLE void trackSkipPreviousRequest();
    Q_INVOKABLE void trackSkipNextRequest();
    Q_INVOKABLE void reverseRequest();
    Q_INVOKABLE void forwardRequest();
    Q_INVOKABLE void cancelReverseRequest();
    Q_INVOKABLE void cancelForwardRequest();
    Q_INVOKABLE void timeSkipPreviousRequest();
    Q_INVOKABLE void timeSkipNextRequest();
    Q_INVOKABLE void setARequest();
    Q_INVOKABLE void setBRequest();
    Q_INVOKABLE void abOffRequest();
    Q_INVOKABLE void markRequest();
    Q_INVOKABLE void flashLoadRequest();
    Q_INVOKABLE void pitchRequest();
    Q_INVOKABLE void keyRequest();
    Q_INVOKABLE void pitchDataSetRequest(double value);
    Q_INVOKABLE void keyDataSetRequest(double value);
    Q_INVOKABLE void currentMediaUSBRequest();
    Q_INVOKABLE void currentMediaSD1Request();
    Q_INVOKABLE void currentMediaSD2Request();
    Q_INVOKABLE void currentMediaCDRequest();
    Q_INVOKABLE void playAreaAllRequest();
    Q_INVOKABLE void playAreaFolderRequest();
    Q_INVOKABLE void playAreaPlaylistRequest();
    Q_INVOKABLE void playModeContinueRequest();
    Q_INVOKABLE void playModeSingleRequest();
    Q_INVOKABLE void playModeProgramRequest();
    Q_INVOKABLE void playModeRandomRequest();
    Q_INVOKABLE void timeSearchRequest(QString trk, QString h, QString m, QString s, QString f);

    // The recorder's pitch and key ranges.
    static constexpr double maxPitch = 16.0;
    static constexpr int maxKey = 6;

    // The full refresh of the mirrored state.
    void rebuildHome();

    static constexpr int announceDelayMs = 800;
    static constexpr int idlePollMs = 500;
    static constexpr int timePollMs = 200;
    static constexpr int sleepCheckMs = 1000;
    // A sleep check held up longer than this means the computer slept.
    static constexpr qint64 sleepGapMs = 5000;

    DataSettings dataSettings;
    FtpAccess ftpAccess;
    Telnet *telnet = nullptr;
    Menu *menu = nullptr;
    Mark *mark = nullptr;
    Playlist *pl = nullptr;
    Browse *browse = nullptr;
    TimerEvent *tev = nullptr;
    Permission *permission = nullptr;

    int idleTimerId = 0;
    int timeTimerId = 0;
    int searchState = 0;
    int markRedrawState = MarkRedrawIdle;
    // The elapsed time of the last elapsed-time reply; kept across sessions.
    int lastElapsed = 0;
    // Names of the playlist skip's listing, and its direction (true: previous).
    QStringList playlistNames;
    qint32 playlistSkipBack = false;

    // The wall clock of the sleep check, in milliseconds since the epoch.
    std::function<qint64()> clock;
    QTimer sleepTimer;

public slots:
    void finishedLogin(int model);
    void failedLogin();
    void recievedData(QString str);
    void onApplicationStateChanged(Qt::ApplicationState state);
    void sleepCheck();
    void startLevelMeter();
    void stopLevelMeter();
    void setPlaylist(QString name);
    void endPlaylist();

signals:
    void loginStateChanged(int);
    void loginCompChanged(bool loginComp);
    void currentMediaChanged(QString);
    void currentMediaBackupRelayChanged(QString);
    void playAreaChanged(QString);
    void playModeChanged(QString);
    void backupRelayChanged(bool);
    void folderChanged(QString);
    void playListChanged(QString);
    void statusIconChanged(int);
    void statusDetailChanged(int);
    void playTimeHourChanged(QString);
    void playTimeMinChanged(QString);
    void playTimeSecChanged(QString);
    void playTimeFlameChanged(QString);
    void remainingTimeHourChanged(QString);
    void remainingTimeMinChanged(QString);
    void remainingTimeSecChanged(QString);
    void remainingTimeFlameChanged(QString);
    void nowTrackNoChanged(QString);
    void allTrackNoChanged(QString);
    void pitchStatusChanged(bool);
    void pitchDataChanged(QString);
    void keyStatusChanged(bool);
    void keyDataChanged(int);
    void flashLoadChanged(bool);
    void autoReadyChanged(bool);
    void autoCueChanged(bool);
    void incPlayChanged(bool);
    void downloadChanged(bool);
    void uploadChanged(bool);
    void dynamicsChanged(int);
    void agcChanged(bool);
    void srcChanged(bool);
    void autoTrackChanged(bool);
    void autoMarkChanged(bool);
    void syncRecChanged(bool);
    void lowCutChanged(bool);
    void repeatChanged(int rep);
    void monoMixChanged(bool);
    void recFormatChanged(QString);
    void recFormatCdChanged(QString);
    void recFsChanged(int);
    void recFsCdChanged(int);
    void levelMeterLChanged(int);
    void levelMeterRChanged(int);
    void levelMeterLPeakChanged(int);
    void levelMeterRPeakChanged(int);
    void levelMeterLOverChanged(bool);
    void levelMeterROverChanged(bool);
    void trackTotalTimeFlameChanged(int);
    void trackElapsedTimeFlameChanged(int);
    void currentTrackTopChanged(int);
    void inputSelectChanged(int);
    void micPhantomChanged(bool);
    void timerEventChanged(bool);
    void digitalInLockChanged(bool);
    void jogModeChanged(bool);
    void titleChanged(QString);
    void modelChanged(int);
    void cdTypeChanged(QString);
    void finalizedCdChanged(QString);
    void addressChanged(QString);
    void passwordChanged(QString);
    void displayModeChanged(bool);
    void popupReceived(int message);

protected:
    void timerEvent(QTimerEvent *event) override;

private slots:
    void changeLoginComp();
    void passwordFailed();

private:
    void setLoginState(int state);
    // Everything the end of a session resets, whatever comes after it.
    void endSession();
    void sendIfPermitted(const char *command);
    void storeRemainingTime(int remaining);
    void trackSkip(bool back);
    void search(const char *command);
    void cancelSearch();
    void timeSkip(bool back);

    void recievedCommand88(QStringView data);
    void recievedCommandFlag(QStringView data, bool &member, void (Communication::*changed)(bool), bool always);
    void recievedCommand97(QStringView data);
    void recievedCommandA5(QStringView data);
    void recievedCommandAD(QStringView data);
    void recievedCommandCE(QStringView data);
    void recievedCommandD0(QStringView data);
    void recievedCommandD5(QStringView data);
    void recievedCommandD6(QStringView data);
    void recievedCommandD8(QStringView data);
    void recievedCommandDD(QStringView data);
    void recievedCommandF6(QStringView data);
    void recievedCommandFF(QStringView data);
    void recievedCommandFF01(QStringView data);
    void recievedCommandFF04(QStringView data);
    void recievedCommandFF07(QStringView data);
    void recievedCommandFF12(QStringView data);
    void recievedCommandFF31(QStringView data);
    void recievedCommandFF6A(QStringView data);
    void recievedCommandFF6A89(QStringView data);
    void recievedCommandFF6A8C(QStringView data);
    void recievedCommandFF6AF6(QStringView data);
    void recievedCommandFF72(QStringView data);

    int m_loginState = LoginIdle;
    bool m_loginComp = false;
    QString m_currentMedia;
    QString m_currentMediaBackupRelay;
    QString m_playArea;
    QString m_playMode;
    bool m_backupRelay = true;
    QString m_folder;
    QString m_playList;
    int m_statusIcon = 0;
    int m_statusDetail = 0;
    QString m_playTimeHour = QStringLiteral("00");
    QString m_playTimeMin = QStringLiteral("00");
    QString m_playTimeSec = QStringLiteral("00");
    QString m_playTimeFlame = QStringLiteral("00");
    QString m_remainingTimeHour = QStringLiteral("-00");
    QString m_remainingTimeMin = QStringLiteral("00");
    QString m_remainingTimeSec = QStringLiteral("00");
    QString m_remainingTimeFlame = QStringLiteral("00");
    QString m_nowTrackNo = QStringLiteral("000");
    QString m_allTrackNo = QStringLiteral("000");
    bool m_pitchStatus = false;
    QString m_pitchData = QStringLiteral("0");
    bool m_keyStatus = false;
    int m_keyData = 0;
    bool m_flashLoad = false;
    bool m_autoReady = false;
    bool m_autoCue = false;
    bool m_incPlay = false;
    bool m_download = false;
    bool m_upload = false;
    int m_dynamics = 0;
    bool m_agc = false;
    bool m_src = false;
    bool m_autoTrack = false;
    bool m_autoMark = false;
    bool m_syncRec = false;
    bool m_lowCut = false;
    int m_repeat = 0;
    bool m_monoMix = false;
    QString m_recFormat;
    QString m_recFormatCd;
    int m_recFs = 0;
    int m_recFsCd = 0;
    int m_levelMeterL = 0;
    int m_levelMeterR = 0;
    int m_levelMeterLPeak = 0;
    int m_levelMeterRPeak = 0;
    bool m_levelMeterLOver = false;
    bool m_levelMeterROver = false;
    // 0 while the track's length is not known.
    int m_trackTotalTimeFlame = 0;
    int m_trackElapsedTimeFlame = 0;
    int m_currentTrackTop = 0;
    int m_inputSelect = 0;
    bool m_micPhantom = false;
    bool m_timerEvent = false;
    bool m_digitalInLock = true;
    bool m_jogMode = false;
    QString m_title;
    int m_model = 255;
    QString m_cdType;
    QString m_finalizedCd;
    QString m_address;
    QString m_password;
    bool m_displayMode = false;

    QTimer announceTimer;
    qint64 lastTick = -1;
    Qt::ApplicationState lastAppState = Qt::ApplicationActive;
};
