#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>
#include <optional>

class Permission;
class Telnet;

// One playlist file of the medium: its name and its date-time text (empty
// when its record carried none).
struct PplItem
{
    QString name;
    QString dateTime;
};

// The playlists of the recorder's current medium and the entry slots of its
// current playlist, read over the control link, and the recorder's commands
// that change them. Every command goes out only while the editing right is held.
class Playlist : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int allPplNumber READ getAllPplNumber NOTIFY allPplNumberChanged)
    Q_PROPERTY(int allEntryNumber READ getAllEntryNumber NOTIFY allEntryNumberChanged)
    Q_PROPERTY(int currentPlaylist READ getCurrentPlaylist NOTIFY currentPlaylistChanged)
    Q_PROPERTY(QString currentPlaylistDateTime READ getCurrentPlaylistDateTime NOTIFY currentPlaylistDateTimeChanged)
    Q_PROPERTY(QString infoDataA READ getInfoDataA NOTIFY infoDataAChanged)
    Q_PROPERTY(QString infoDataB READ getInfoDataB NOTIFY infoDataBChanged)
    Q_PROPERTY(QString infoFolder READ getInfoFolder NOTIFY infoFolderChanged)
    Q_PROPERTY(QString infoDateTime READ getInfoDateTime NOTIFY infoDateTimeChanged)
    Q_PROPERTY(bool execCommand READ getExecCommand WRITE setExecCommand NOTIFY execCommandChanged)

public:
    explicit Playlist(QObject *parent = nullptr);
    ~Playlist() override;

    // The playlist status query.
    static constexpr const char *commandPlaylistInit = "07F4500\r\n";
    static constexpr int maxEntries = 100;
    // Bytes a playlist name may take.
    static constexpr int nameCap = 117;
    // The recorder answers "busy" to the status query while it works; it is
    // asked again after this pause.
    static constexpr int busyRetryMs = 500;

    int getAllPplNumber() const { return allPplNumber; }
    int getAllEntryNumber() const { return allEntryNumber; }
    int getCurrentPlaylist() const { return currentPlaylist; }
    QString getCurrentPlaylistDateTime() const { return currentPlaylistDateTime; }
    QString getInfoDataA() const { return infoDataA; }
    QString getInfoDataB() const { return infoDataB; }
    QString getInfoFolder() const { return infoFolder; }
    QString getInfoDateTime() const { return infoDateTime; }
    bool getExecCommand() const { return execCommand; }
    void setExecCommand(bool value);

    void recievedCommandFF45(QString data);
    void recievedCommandFF31CB(QString data);
    // The result of a playlist load (the two characters after the reply code
    // of "FF3180"); "00" is done.
    void recievedLoadResult(QStringView status);
    // The link or the editing right is gone: nothing running will answer.
    void linkLost();

    int allPplNumber = 0;
    int allEntryNumber = 0;
    int currentPlaylist = -1;
    QString currentPlaylistDateTime;
    QString infoDataA;
    QString infoDataB;
    QString infoFolder;
    QString infoDateTime;
    bool execCommand = false;
    Telnet *telnet = nullptr;
    Permission *permission = nullptr;
    // Slot n - 1 holds playlist n; a playlist whose record has not come yet is null.
    QList<PplItem *> pplList;
    QString entries[maxEntries];
    int entryCount = 0;
    int currentMediaIndex = 3;
    // A load went out and its result has not come yet.
    bool loadPending = false;

signals:
    void allPplNumberChanged();
    void allEntryNumberChanged();
    void currentPlaylistChanged();
    void currentPlaylistDateTimeChanged();
    void infoDataAChanged();
    void infoDataBChanged();
    void infoFolderChanged();
    void infoDateTimeChanged();
    void execCommandChanged();
    void pplRecived(int number);
    void entryListRecived();
    void readyToRedraw();
    void execFailed();

public slots:
    void setCurrentMedia(QString media);
    void onEndDeletePpl();

public:
    Q_INVOKABLE void initAll();
    Q_INVOKABLE void initPpl();
    Q_INVOKABLE void initEntry();
    Q_INVOKABLE int getMaxEntryNumber() const { return maxEntries; }
    Q_INVOKABLE void assignEntry(int entry, int take);
    Q_INVOKABLE void clearEntry(int entry);
    Q_INVOKABLE void createPpl(QString name);
    // True when the load went out; on a medium without playlists nothing does.
    Q_INVOKABLE bool loadPpl(QString name);
    Q_INVOKABLE void saveAs(QString name);
    Q_INVOKABLE void renamePpl(int pplNumber, QString name);
    Q_INVOKABLE void clearEntryInfo();
    Q_INVOKABLE void getEntryInfo(int i);
    Q_INVOKABLE QString getPplName(int i) const;
    Q_INVOKABLE QString getPplDateTime(int i) const;
    Q_INVOKABLE QString getEntryName(int i) const;

private:
    static bool isEntry(int entry) { return entry >= 0 && entry < maxEntries; }
    bool send(const QByteArray &command);
    // The name a new or renamed playlist goes by; nothing, and execFailed(),
    // for a name that would stand for a folder.
    std::optional<QByteArray> newPlaylistName(const QString &name);
    // Empties the slots and asks for the entries again.
    void rereadEntries();
    void clearPplList();
    // The record of playlist `number` (1-based), replacing one of the same number.
    void storePpl(int number, const QString &name, const QString &dateTime);

    void recievedStatus(int code);
    void recievedName(QStringView reply);
    void recievedCurrent(QStringView reply);
    void recievedCount(QStringView reply);
    void recievedRecord(QStringView reply);
    void recievedEntry(QStringView reply);
    void recievedOccupancy(QStringView reply);
    void recievedEntryInfo(QStringView reply);
    void recievedResult(QStringView reply);

    QTimer busyRetry;
};
