#pragma once

#include "BrowseObject.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class Permission;
class Telnet;

// One folder of the recorder's current medium at a time, read entry by entry
// over the control link, and the recorder's own operations on its folders
// and files. Every command goes out only while the editing right is held.
class Browse : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int currentFolderNumber READ getCurrentFolderNumber NOTIFY currentFolderNumberChanged)
    Q_PROPERTY(int nowFolderNumber READ getNowFolderNumber NOTIFY nowFolderNumberChanged)
    Q_PROPERTY(QString nowFolderName READ getNowFolderName NOTIFY nowFolderNameChanged)
    Q_PROPERTY(int currentFileNumber READ getCurrentFileNumber NOTIFY currentFileNumberChanged)
    Q_PROPERTY(QString dialogString READ getDialogString WRITE setDialogString NOTIFY dialogStringChanged)
    Q_PROPERTY(QString browseDialogString READ getBrowseDialogString WRITE setBrowseDialogString NOTIFY
                   browseDialogStringChanged)
    // True from a navigation until the folder's list is published (or its
    // listing given up): the rows shown and the folder's name are not yet
    // those of the folder being listed.
    Q_PROPERTY(bool listing READ isListing NOTIFY listingChanged)

public:
    explicit Browse(QObject *parent = nullptr);
    ~Browse() override;

    // The current-file query.
    static constexpr const char *commandBrowseInit = "07F6B05\r\n";
    // Folder and file numbers the commands can carry.
    static constexpr int largestNumber = 9999;

    int getCurrentFolderNumber() const { return currentFolder.number(); }
    int getNowFolderNumber() const { return nowFolder.number(); }
    QString getNowFolderName() const { return nowFolder.name(); }
    int getCurrentFileNumber() const { return currentFileNumber; }
    QString getDialogString() const { return dialogString; }
    void setDialogString(const QString &value);
    QString getBrowseDialogString() const { return browseDialogString; }
    void setBrowseDialogString(const QString &value);
    bool isListing() const { return listingShown; }

    Q_INVOKABLE void restartBrowse();
    Q_INVOKABLE void openFolder(int number);
    Q_INVOKABLE void upFolder();
    Q_INVOKABLE void createFolder(QString name);
    Q_INVOKABLE void renameFolder(int number, QString name);
    Q_INVOKABLE void deleteFolder(int number);
    Q_INVOKABLE void setToCurrentFolder();
    Q_INVOKABLE void goToCurrentFolder();
    Q_INVOKABLE void sortByTime();
    Q_INVOKABLE void sortByName();
    Q_INVOKABLE void selectFile(int number);
    Q_INVOKABLE void renameFile(int number, QString newName, QString orgName);
    Q_INVOKABLE void deleteFile(int number);
    Q_INVOKABLE void deleteFileFullPath(QString file);
    Q_INVOKABLE void copyFile(QString file, QString folder);
    Q_INVOKABLE void undo();
    Q_INVOKABLE void queryInfo(int number);
    Q_INVOKABLE QString getInfo(int index);

    void clearNowFolderList();
    void recievedCommandFF6B(QString data);
    void resetBrowseData();

    // The entries of the listed folder, sub-folders first, then files.
    const QList<QObject *> &entries() const { return browseModel; }

    BrowseObject currentFolder;
    BrowseObject nowFolder;
    int currentFileNumber = -1;
    QString dialogString;
    QString browseDialogString;
    // Medium code of the folder and file commands; "FF" while no medium can be browsed.
    QString mediaCode = QStringLiteral("FF");
    QString mediaName;
    int statusIcon = 0;
    // 0 idle, 1 an operation went out, 2 it is done and the folder is still to be listed again.
    int busy = 0;
    bool listing = false;
    bool restartPending = false;
    // Empty ranges (first above last) until a listing announces them.
    int subFolderFirst = 1;
    int subFolderLast = 0;
    int fileFirst = 1;
    int fileLast = 0;
    Telnet *telnet = nullptr;
    Permission *permission = nullptr;

public slots:
    void startBrowse();
    void setCurrentMediaNumber(QString NewMedia);
    void setStatus(int newStatus);

signals:
    void currentFolderNumberChanged();
    void nowFolderNumberChanged();
    void currentFolderNameChanged();
    void nowFolderNameChanged();
    void currentFileNumberChanged();
    void dialogStringChanged();
    void browseDialogStringChanged();
    void infoChanged();
    void endDeletePpl();
    // The recorder deleted the playlist file asked for by its full path.
    void playlistDeleted();
    void execFailed();
    void listingChanged();

private:
    // The reply the running listing waits for.
    enum class Step { None, OwnEntry, FolderInfo, SubFolder, FileRange, File };

    bool hasMedium() const { return !mediaCode.startsWith(QLatin1Char('F')); }
    static bool isNumber(int number) { return number >= 0 && number <= largestNumber; }
    void setCurrentFileNumber(int value);
    void setListingShown(bool value);

    bool requestCurrentFolder();
    void reloadNowFolder();
    // `settled`: no other listing follows at once, the page may act again.
    void endListing(bool settled = true);
    void publishList();
    // "07F6B" + the sub-command, the medium code and the number, without a line end.
    QByteArray numbered(const char *subCommand, int number) const;
    // Sends that command as a line, when there is a medium and the number fits.
    bool sendNumbered(const char *subCommand, int number);
    void send(const QByteArray &command);
    // An operation's whole command; busy only once it went out.
    void sendOperation(const QByteArray &command);
    void refuse(bool playlistFile = false);

    void recievedCurrentFolder(QStringView reply);
    void recievedFolderEntry(QStringView reply);
    void recievedFolderInfo(QStringView reply);
    void recievedFileRange(QStringView reply);
    void recievedFileEntry(QStringView reply);
    void recievedInfo(QStringView reply);
    void recievedOperation(QStringView reply, const QString &progress, bool playlistFile = false);

    QList<QObject *> browseModel;
    Step step = Step::None;
    int expectedNumber = -1;
    bool listingShown = false;
};
