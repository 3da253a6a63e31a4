#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Permission;
class Telnet;

// Folders and files on the recorder's media. The folder model, the listing and
// the file operations come with the browse page; this class holds what the
// session and the windows already rely on.
class Browse : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString dialogString READ getDialogString WRITE setDialogString NOTIFY dialogStringChanged)

public:
    explicit Browse(QObject *parent = nullptr);

    // The current-file query.
    static constexpr const char *commandBrowseInit = "07F6B05\r\n";

    QString getDialogString() const { return dialogString; }
    void setDialogString(const QString &value);

    void recievedCommandFF6B(QString data);
    void resetBrowseData();
    Q_INVOKABLE void restartBrowse();

    Telnet *telnet = nullptr;
    Permission *permission = nullptr;
    int statusIcon = 0;
    // Medium code of the folder and file commands; "FF" while no medium can be browsed.
    QString mediaCode = QStringLiteral("FF");
    int busy = 0;

public slots:
    void startBrowse();
    void setCurrentMediaNumber(QString NewMedia);
    void setStatus(int newStatus);

signals:
    void dialogStringChanged();
    void endDeletePpl();
    void execFailed();

private:
    QString dialogString;
    QList<QObject *> browseModel;
};
