#pragma once

#include <QObject>
#include <QString>

class Permission;
class Telnet;

// The recorder's playlists. Their entries and editing come with the playlist
// page; this class holds what the session and the windows already rely on.
class Playlist : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool execCommand READ getExecCommand NOTIFY execCommandChanged)

public:
    explicit Playlist(QObject *parent = nullptr);

    // The playlist status query.
    static constexpr const char *commandPlaylistInit = "07F4500\r\n";

    bool getExecCommand() const { return execCommand; }

    void recievedCommandFF31CB(QString data);
    void recievedCommandFF45(QString data);
    Q_INVOKABLE void initAll();

    Telnet *telnet = nullptr;
    Permission *permission = nullptr;

public slots:
    void setCurrentMedia(QString media);
    void onEndDeletePpl();

signals:
    void execCommandChanged();
    void execFailed();
    void readyToRedraw();

private:
    bool execCommand = false;
    int currentMedia = 3;
};
