#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

class FakeRecorder;

// The playlists of the recorder's media, played on a scripted recorder: the
// playlist requests ("07F45" + sub-command), the load ("07F310000" + path),
// the entry edits ("07F314B") and the deletion of a playlist file by its path
// ("07F6B26", answered by the responder it chains onto) get what the
// recorder answers, from the playlists of the medium it plays.
class FakePlaylists
{
public:
    struct Entry
    {
        QString name; // empty: an empty slot
        QString info; // the details' four fields, tab-separated
    };
    struct List
    {
        QString name;
        QString dateTime; // 16 characters
        QVector<Entry> entries = QVector<Entry>(100);
    };
    struct Medium
    {
        QList<List> lists; // playlist n is lists[n - 1]
        int current = 0;   // 0-based; -1 none
    };

    // Keyed by drive letter: "A" SD1, "B" SD2, "C" USB.
    QHash<QByteArray, Medium> media;
    QByteArray currentDrive = "A";
    // The names of the takes that assignments may put in a slot, by take number.
    QHash<int, QString> takes;
    // The result of edits ("11" done, "12" failed) and of loads ("00" done).
    QByteArray editResult = "11";
    QByteArray loadResult = "00";
    // The playlists whose records answer a request for records, in this
    // order (1-based); empty: every one asked for, from the first.
    QList<int> recordOrder;
    // Status codes answered to the status query before the usual one (0).
    QList<int> statusQueue;
    // Status queries heard.
    int statusQueries = 0;

    QList<QByteArray> answer(const QByteArray &request);
    void attach(FakeRecorder &recorder);

    // SD1: "Morning" (current, 3 entries in slots 0, 1 and 9), "Evening"
    // (empty) and "Archive" (one entry in slot 97); SD2: none; USB: "Morning".
    static FakePlaylists example();
    static QByteArray number4(int n);

private:
    Medium &medium() { return media[currentDrive]; }
    QList<QByteArray> entriesBetween(int from, int to);
};
