#pragma once

#include <QObject>
#include <QString>

// One folder or file of a listed folder; also the browser's record of the
// recorder's current folder and of the folder being listed.
class BrowseObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(int number READ number WRITE setNumber NOTIFY numberChanged)
    Q_PROPERTY(int type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(QString info READ info WRITE setInfo NOTIFY infoChanged)

public:
    enum Type { None = -1, Folder = 0, File = 1 };

    explicit BrowseObject(QObject *parent = nullptr);
    BrowseObject(const QString &name, int number, int type, QObject *parent = nullptr);

    QString name() const { return m_name; }
    int number() const { return m_number; }
    int type() const { return m_type; }
    QString info() const { return m_info; }
    void setName(const QString &value);
    void setNumber(int value);
    void setType(int value);
    void setInfo(const QString &value);

    // No name, no number, no type, no information.
    void resetObject();

signals:
    void nameChanged();
    void numberChanged();
    void typeChanged();
    void infoChanged();

private:
    QString m_name;
    int m_number = -1;
    int m_type = Folder;
    QString m_info;
};
