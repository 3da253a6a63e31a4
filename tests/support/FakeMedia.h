#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class FakeRecorder;

// The folders and files of the recorder's media, played on a scripted
// recorder: the browse requests ("07F6B" + sub-command) get the replies the
// recorder gives, from a small tree per medium code ("00" SD1, "01" SD2,
// "02" USB). File numbers count within the folder last asked about, as the
// recorder's do. Operations answer with their progress and their result.
class FakeMedia
{
public:
    struct File
    {
        QString name;
        QString info;
    };
    struct Folder
    {
        int number = 0;
        int parent = -1;   // -1: the root
        QString path;      // below the root, levels joined by backslashes
        QList<File> files; // numbered from 1
    };
    struct Medium
    {
        QList<Folder> folders; // sub-folders of one folder numbered in a row
        int currentFolder = 0;
        int currentFile = 0;
    };

    QHash<QByteArray, Medium> media;
    // The medium the recorder plays: the one the current folder and file are on.
    QByteArray currentMedium = "00";
    // The status that ends every operation: "11" done, "12" failed, empty:
    // only the progress is answered.
    QByteArray operationResult = "11";

    // The reply lines (with the leading "0", without CR LF) to one request
    // line (without CR LF); none for a request that is not for the browser.
    QList<QByteArray> answer(const QByteArray &request);
    // Answers every browse request of `recorder`, passing the others on to
    // the responder it had.
    void attach(FakeRecorder &recorder);

    // SD1: the root (0) with "Concert" (1) and "Rehearsal" (2) and two takes;
    // "Concert" with "Concert\Encore" (3) and three takes; "Rehearsal" empty;
    // "Concert\Encore" with one take. SD2: an empty root.
    static FakeMedia example();

    // The pair-encoded form of n: "0100" is 1.
    static QByteArray number4(int n);

private:
    Folder *folder(const QByteArray &code, int number);
    QList<int> children(const QByteArray &code, int number) const;
    QByteArray focusCode;
    int focusFolder = 0;
};
