#include "Browse.h"
#include "FakeMedia.h"
#include "EditingLink.h"
#include "TestMain.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>
#include <functional>

Q_DECLARE_METATYPE(std::function<void(Browse &)>)

namespace {

// An entry as the page reads it.
QString describe(QObject *entry)
{
    const auto *object = static_cast<BrowseObject *>(entry);
    return QString(object->type() == BrowseObject::Folder ? "folder " : "file ") + QString::number(object->number())
           + ' ' + object->name();
}

QStringList describeAll(const QList<QObject *> &entries)
{
    QStringList all;
    for (QObject *entry : entries)
        all.append(describe(entry));
    return all;
}

} // namespace

// The browser on a link to a scripted recorder, with the editing right held,
// the transport stopped and a QML engine whose root context receives the
// published list. With `withMedia` the recorder plays the example media;
// without it a test plays the replies itself.
struct BrowseFixture : EditingLink
{
    explicit BrowseFixture(bool withMedia)
        : media(FakeMedia::example())
    {
        browse = std::make_unique<Browse>();
        browse->telnet = link.telnet;
        browse->permission = &permission;
        watcher = filledCounter(QStringLiteral("browseModel"));
        if (withMedia)
            media.attach(link.recorder);
        QObject::connect(link.telnet, &Telnet::readyRead, [this](const QString &line) {
            if (line.startsWith(QLatin1String("FF6B")))
                browse->recievedCommandFF6B(line.mid(4));
        });
    }

    ~BrowseFixture()
    {
        watcher.reset();
        browse.reset();
    }

    bool start(const QString &medium = QStringLiteral("SD1"))
    {
        if (!logInWithRight())
            return false;
        browse->setStatus(16);
        browse->setCurrentMediaNumber(medium);
        return true;
    }

    // Plays replies (the text after "FF6B") to the browser directly.
    void play(const QStringList &replies)
    {
        for (const QString &reply : replies)
            browse->recievedCommandFF6B(reply);
    }

    QList<QObject *> published() const { return publishedList(QStringLiteral("browseModel")); }
    int filledPublications() const { return watcher->property("filled").toInt(); }

    // Folder 1 of SD1 listed by hand: sub-folder 3, files 1 to 3.
    void listConcert()
    {
        play({"800100", "91000100" "0Concert", "90000100" "0300" "0300" "0100", "91000300" "0Concert\\Encore",
              "A0000100" "0100" "0300" "0100", "A1000100" "0Concert\\Overture.wav", "A1000200" "0Concert\\Aria.wav",
              "A1000300" "0Concert\\Finale.wav"});
    }

    FakeMedia media;
    std::unique_ptr<Browse> browse;
    std::unique_ptr<QObject> watcher;
};

class TestBrowse : public QObject
{
    Q_OBJECT

private slots:
    // A whole listing against the scripted recorder, byte for byte: the
    // folder's own entry, its information, each sub-folder, the file range,
    // each file; the list reaches QML once, complete.
    void listingChains_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<QByteArray>>("requests");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("name");
        QTest::newRow("sub-folders and files")
            << 1
            << QList<QByteArray>{"07F6B00", "07F6B05", "07F6B11000100", "07F6B10000100", "07F6B11000300",
                                 "07F6B20000100", "07F6B21000100", "07F6B21000200", "07F6B21000300"}
            << QStringList{"folder 3 Encore", "file 1 Overture.wav", "file 2 Aria.wav", "file 3 Finale.wav"}
            << "Concert";
        QTest::newRow("the root")
            << 0
            << QList<QByteArray>{"07F6B00", "07F6B05", "07F6B11000000", "07F6B10000000", "07F6B11000100",
                                 "07F6B11000200", "07F6B20000000", "07F6B21000100", "07F6B21000200"}
            << QStringList{"folder 1 Concert", "folder 2 Rehearsal", "file 1 TAKE_001.wav", "file 2 TAKE_002.mp3"}
            << "";
        QTest::newRow("empty folder")
            << 2 << QList<QByteArray>{"07F6B00", "07F6B05", "07F6B11000200", "07F6B10000200", "07F6B20000200"}
            << QStringList() << "Rehearsal";
        QTest::newRow("files only")
            << 3
            << QList<QByteArray>{"07F6B00", "07F6B05", "07F6B11000300", "07F6B10000300", "07F6B20000300",
                                 "07F6B21000100"}
            << QStringList{"file 1 Encore.wav"} << "Concert\\Encore";
    }
    void listingChains()
    {
        QFETCH(int, current);
        QFETCH(QList<QByteArray>, requests);
        QFETCH(QStringList, entries);
        QFETCH(QString, name);
        BrowseFixture f(true);
        f.media.media["00"].currentFolder = current;
        QSignalSpy names(f.browse.get(), &Browse::nowFolderNameChanged);
        QVERIFY(f.start());
        QCOMPARE(f.sent(), linesOf(requests));
        QCOMPARE(describeAll(f.browse->entries()), entries);
        QCOMPARE(describeAll(f.published()), entries);
        QCOMPARE(f.filledPublications(), entries.isEmpty() ? 0 : 1);
        QCOMPARE(f.browse->getNowFolderName(), name);
        QCOMPARE(f.browse->getNowFolderNumber(), current);
        QCOMPARE(f.browse->getCurrentFolderNumber(), current);
        QCOMPARE(f.browse->getCurrentFileNumber(), 2);
        QVERIFY(!f.browse->listing);
        QCOMPARE(names.count(), name.isEmpty() ? 0 : 1);
    }

    // Into a sub-folder, up to the parent, up to the root, back to the
    // recorder's current folder.
    void navigation()
    {
        BrowseFixture f(true);
        QVERIFY(f.start());
        f.sent();
        QCOMPARE(f.browse->getNowFolderNumber(), 1);

        f.browse->openFolder(3);
        QCOMPARE(f.sent(), linesOf({"07F6B00", "07F6B05", "07F6B11000300", "07F6B10000300", "07F6B20000300",
                                    "07F6B21000100"}));
        QCOMPARE(f.browse->getNowFolderName(), QString("Concert\\Encore"));

        // Up from a second-level folder names its parent; the answer opens it.
        f.browse->upFolder();
        QCOMPARE(f.sent(), linesOf({"07F6B0200\\Concert", "07F6B00", "07F6B05", "07F6B11000100", "07F6B10000100",
                                    "07F6B11000300", "07F6B20000100", "07F6B21000100", "07F6B21000200",
                                    "07F6B21000300"}));
        QCOMPARE(describeAll(f.published()).size(), 4);

        // From a first-level folder the parent is the root: a lone backslash.
        f.browse->upFolder();
        const QByteArray up = f.sent();
        QVERIFY2(up.startsWith("07F6B0200\\\r\n07F6B00\r\n"), up.constData());
        QCOMPARE(f.browse->getNowFolderNumber(), 0);
        QCOMPARE(describeAll(f.published()).first(), QString("folder 1 Concert"));

        f.browse->goToCurrentFolder();
        QVERIFY(f.sent().startsWith(linesOf({"07F6B00", "07F6B05", "07F6B11000100"})));
        QCOMPARE(f.browse->getNowFolderNumber(), 1);

        // Making the listed folder the recorder's current one, from the root.
        f.browse->openFolder(0);
        f.sent();
        f.browse->setToCurrentFolder();
        QVERIFY(f.sent().startsWith(linesOf({"07F6B01\\", "07F6B00", "07F6B05"})));
        QCOMPARE(f.media.media["00"].currentFolder, 0);
        QCOMPARE(f.browse->getCurrentFolderNumber(), 0);
    }

    // Opening another folder ends the running listing at once: the old
    // folder's later replies are ignored and never shown under the new one.
    void navigationEndsTheRunningListing()
    {
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.play({"800100", "91000100" "0Concert", "90000100" "0300" "0300" "0100", "91000300" "0Concert\\Encore",
                "A0000100" "0100" "0300" "0100", "A1000100" "0Concert\\Overture.wav"});
        f.sent();
        f.browse->openFolder(2);
        QVERIFY(f.published().isEmpty());
        QVERIFY(!f.browse->listing);
        QCOMPARE(f.sent(), linesOf({"07F6B00", "07F6B05"}));
        // The old listing's next file comes late: nothing is added or asked for.
        f.play({"A1000200" "0Concert\\Aria.wav"});
        QCOMPARE(f.sent(50), QByteArray());
        f.play({"800100", "91000200" "0Rehearsal", "90000200" "0000" "0000" "0000", "A0000200" "0000" "0000" "0000"});
        QCOMPARE(f.sent(), linesOf({"07F6B11000200", "07F6B10000200", "07F6B20000200"}));
        QVERIFY(f.browse->entries().isEmpty());
        QCOMPARE(f.browse->getNowFolderName(), QString("Rehearsal"));
        QVERIFY(!f.browse->listing);
    }

    // Entries are taken only while a listing runs and only as its next step;
    // the root is never a sub-folder of an empty range.
    void strayRepliesChangeNothing_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("stray");
        const QStringList listed = {"800100", "91000100" "0Concert", "90000100" "0300" "0300" "0100",
                                    "91000300" "0Concert\\Encore", "A0000100" "0100" "0300" "0100",
                                    "A1000100" "0Concert\\Overture.wav", "A1000200" "0Concert\\Aria.wav",
                                    "A1000300" "0Concert\\Finale.wav"};
        QTest::newRow("file after the listing") << listed << QStringList{"A1000300" "0Concert\\Finale.wav"};
        QTest::newRow("sub-folder after the listing") << listed << QStringList{"91000300" "0Concert\\Encore"};
        QTest::newRow("file range after the listing") << listed << QStringList{"A0000100" "0100" "0300" "0100"};
        QTest::newRow("file repeated during the listing")
            << QStringList(listed.mid(0, 6)) << QStringList{"A1000100" "0Concert\\Overture.wav"};
        QTest::newRow("file out of turn") << QStringList(listed.mid(0, 6)) << QStringList{"A1000300" "0Concert\\Finale.wav"};
        QTest::newRow("sub-folder before the information")
            << QStringList(listed.mid(0, 2)) << QStringList{"91000300" "0Concert\\Encore"};
        QTest::newRow("the root in an empty range")
            << QStringList{"800200", "91000200" "0Rehearsal", "90000200" "0000" "0000" "0000"}
            << QStringList{"91000000" "0", "A1000000" "0x.wav"};
        QTest::newRow("another folder's information")
            << QStringList(listed.mid(0, 2)) << QStringList{"90000500" "0100" "0200" "0100"};
    }
    void strayRepliesChangeNothing()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, stray);
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.play(before);
        const QStringList entries = describeAll(f.browse->entries());
        const QStringList shown = describeAll(f.published());
        const bool listing = f.browse->listing;
        f.sent();
        f.play(stray);
        QCOMPARE(f.sent(50), QByteArray());
        QCOMPARE(describeAll(f.browse->entries()), entries);
        QCOMPARE(describeAll(f.published()), shown);
        QCOMPARE(f.browse->listing, listing);
    }

    // A medium that cannot be browsed clears the list and sends nothing; the
    // progress text and the current file go with the medium, signalled.
    void mediumChanges()
    {
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        f.play({"850200", "8400"});
        QCOMPARE(f.browse->getDialogString(), QString("Copying"));
        f.sent();
        QSignalSpy dialog(f.browse.get(), &Browse::dialogStringChanged);
        QSignalSpy file(f.browse.get(), &Browse::currentFileNumberChanged);

        f.browse->setCurrentMediaNumber("CD");
        QVERIFY(f.published().isEmpty());
        QCOMPARE(f.browse->mediaCode, QString("FF"));
        QCOMPARE(f.browse->getDialogString(), QString());
        QCOMPARE(f.browse->getCurrentFileNumber(), -1);
        QCOMPARE(dialog.count(), 1);
        QCOMPARE(file.count(), 1);
        f.play({"800100"});
        QCOMPARE(f.sent(50), QByteArray());

        f.browse->setCurrentMediaNumber("");
        QCOMPARE(f.sent(50), QByteArray());
        f.browse->setCurrentMediaNumber("SD2");
        QCOMPARE(f.sent(), linesOf({"07F6B00", "07F6B05"}));
        QCOMPARE(f.browse->mediaCode, QString("01"));
        QCOMPARE(f.browse->getNowFolderNumber(), -1);
    }

    // Status 0: the list goes and the medium is said to be unavailable,
    // unless an operation is pending; a re-listing waits for the status.
    void statusZeroAndBack()
    {
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        f.sent();
        f.browse->setStatus(0);
        QVERIFY(f.published().isEmpty());
        QCOMPARE(f.browse->getBrowseDialogString(), QString("SD1 is not available"));
        f.browse->restartBrowse();
        QCOMPARE(f.sent(50), QByteArray());
        f.browse->setStatus(16);
        QCOMPARE(f.browse->getBrowseDialogString(), QString());

        // An operation finishing during status 0 lists again once the status returns.
        f.listConcert();
        f.browse->deleteFile(2);
        QCOMPARE(f.browse->busy, 1);
        f.sent();
        f.browse->setStatus(0);
        QCOMPARE(f.browse->entries().size(), 4);
        QCOMPARE(f.browse->getBrowseDialogString(), QString());
        f.play({"A411"});
        QCOMPARE(f.sent(50), QByteArray());
        QVERIFY(f.browse->restartPending);
        f.browse->setStatus(16);
        QCOMPARE(f.sent(), linesOf({"07F6B00", "07F6B05"}));
        QCOMPARE(f.browse->busy, 0);
    }

    // Every operation: its arguments, the one line it sends (or nothing),
    // `busy` afterwards and whether it was refused as a failure.
    void operations_data()
    {
        QTest::addColumn<std::function<void(Browse &)>>("call");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<int>("busy");
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("playlistFailures");
        const auto row = [](const char *name, std::function<void(Browse &)> call, const QByteArray &sent, int busy,
                            int failures = 0, int playlistFailures = 0) {
            QTest::newRow(name) << call << sent << busy << failures << playlistFailures;
        };
        row("create folder", [](Browse &b) { b.createFolder("Live"); }, "07F6B15000100Live\r\n", 1);
        row("create folder, forbidden characters removed",
            [](Browse &b) { b.createFolder("a/b\\c:d*e?f\"g<h>i|j"); }, "07F6B15000100abcdefghij\r\n", 1);
        row("create folder, controls and DEL removed",
            [](Browse &b) { b.createFolder(QString("x\ty\r\nz") + QChar(0x7F) + QChar(0x1B) + "!"); },
            "07F6B15000100xyz!\r\n", 1);
        row("create folder without a name", [](Browse &b) { b.createFolder(""); }, "", 0, 1);
        row("create folder named ..", [](Browse &b) { b.createFolder(".."); }, "", 0, 1);
        row("create folder of dots and spaces", [](Browse &b) { b.createFolder(" . . "); }, "", 0, 1);
        row("create folder of removed characters only", [](Browse &b) { b.createFolder("///"); }, "", 0, 1);
        row("create folder cut to dots", [](Browse &b) { b.createFolder(QString(117, '.') + "a"); }, "", 0, 1);
        row("rename folder", [](Browse &b) { b.renameFolder(3, "Encores"); }, "07F6B13000300Encores\r\n", 1);
        row("rename folder 10000", [](Browse &b) { b.renameFolder(10000, "x"); }, "", 0);
        row("rename folder to a dot", [](Browse &b) { b.renameFolder(3, "."); }, "", 0, 1);
        row("delete folder", [](Browse &b) { b.deleteFolder(3); }, "07F6B14000300\r\n", 1);
        row("delete folder -1", [](Browse &b) { b.deleteFolder(-1); }, "", 0);
        row("sort by time", [](Browse &b) { b.sortByTime(); }, "07F6B03000100\r\n", 1);
        row("sort by name", [](Browse &b) { b.sortByName(); }, "07F6B03010100\r\n", 1);
        row("select file", [](Browse &b) { b.selectFile(2); }, "07F6B270200\r\n", 0);
        row("select file 12345", [](Browse &b) { b.selectFile(12345); }, "", 0);
        row("rename file keeps its extension",
            [](Browse &b) { b.renameFile(7, "Take.WAV", "old.mp3"); }, "07F6B23000700Take.mp3\r\n", 1);
        row("rename file in upper case", [](Browse &b) { b.renameFile(7, "Take", "OLD.WAV"); },
            "07F6B23000700Take.wav\r\n", 1);
        row("rename file without an extension", [](Browse &b) { b.renameFile(7, "Take.mp3", "old"); },
            "07F6B23000700Take\r\n", 1);
        row("rename file to its extension only", [](Browse &b) { b.renameFile(7, ".wav", "old.wav"); }, "", 0, 1);
        row("rename file to slashes", [](Browse &b) { b.renameFile(7, "///", "old.wav"); }, "", 0, 1);
        row("rename file cut to dots", [](Browse &b) { b.renameFile(7, QString(113, '.') + "a.wav", "old.wav"); }, "",
            0, 1);
        row("rename file -1", [](Browse &b) { b.renameFile(-1, "Take", "old.wav"); }, "", 0);
        row("delete file", [](Browse &b) { b.deleteFile(2); }, "07F6B24000200\r\n", 1);
        row("delete file 12345", [](Browse &b) { b.deleteFile(12345); }, "", 0);
        row("delete by full path", [](Browse &b) { b.deleteFileFullPath("A:\\_playlists\\Set list.ppl"); },
            "07F6B26A:\\_playlists\\Set list.ppl\r\n", 1);
        row("delete by full path, line ends removed", [](Browse &b) { b.deleteFileFullPath("A:\\x\r\n07F6B25"); },
            "07F6B26A:\\x07F6B25\r\n", 1);
        row("delete by an empty path", [](Browse &b) { b.deleteFileFullPath(""); }, "", 0, 1, 1);
        row("delete by a climbing path", [](Browse &b) { b.deleteFileFullPath("A:\\_playlists\\..\\TAKE.wav"); }, "",
            0, 1, 1);
        row("copy into the root", [](Browse &b) { b.copyFile("B:\\L\\F.wav", "B:\\F.wav"); },
            "07F6B0400B:\\L\\F.wav\r\n07F6B0415B:\\F.wav\r\n", 1);
        row("copy into a folder", [](Browse &b) { b.copyFile("B:\\L\\F.wav", "B:\\M\\F.wav"); },
            "07F6B0400B:\\L\\F.wav\r\n07F6B0415B:\\M\\F.wav\r\n", 1);
        row("copy onto itself", [](Browse &b) { b.copyFile("B:\\L\\F.wav", "B:\\l\\f.WAV"); }, "", 0, 1);
        row("copy from nowhere", [](Browse &b) { b.copyFile("", "B:\\F.wav"); }, "", 0, 1);
        row("undo", [](Browse &b) { b.undo(); }, "07F6B25\r\n", 0);
        row("query information", [](Browse &b) { b.queryInfo(2); }, "07F6B22000200\r\n", 0);
        row("query information -1", [](Browse &b) { b.queryInfo(-1); }, "", 0);
    }
    void operations()
    {
        QFETCH(std::function<void(Browse &)>, call);
        QFETCH(QByteArray, sent);
        QFETCH(int, busy);
        QFETCH(int, failures);
        QFETCH(int, playlistFailures);
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        f.sent();
        QSignalSpy failed(f.browse.get(), &Browse::execFailed);
        QSignalSpy playlistFailed(f.browse.get(), &Browse::endDeletePpl);
        call(*f.browse);
        QCOMPARE(f.sent(), sent);
        QCOMPARE(f.browse->busy, busy);
        QCOMPARE(failed.count(), failures);
        QCOMPARE(playlistFailed.count(), playlistFailures);

        // Without the editing right nothing goes out, and nothing is pending.
        f.browse->busy = 0;
        f.permission.recievedCommandFF6AFE(QStringLiteral("10"));
        call(*f.browse);
        QCOMPARE(f.sent(50), QByteArray());
        QCOMPARE(f.browse->busy, 0);
    }

    // Operations that need the medium or a listed folder send nothing without them.
    void operationsNeedAMediumAndAFolder()
    {
        BrowseFixture f(false);
        QVERIFY(f.start("CD"));
        QSignalSpy failed(f.browse.get(), &Browse::execFailed);
        f.browse->createFolder("Live");
        f.browse->renameFolder(1, "x");
        f.browse->deleteFolder(1);
        f.browse->sortByTime();
        f.browse->sortByName();
        f.browse->renameFile(1, "x", "y.wav");
        f.browse->deleteFile(1);
        f.browse->queryInfo(1);
        f.browse->setCurrentMediaNumber("SD1");
        f.sent();
        // A medium, but no folder listed yet: nothing to sort or create in.
        f.browse->sortByTime();
        f.browse->createFolder("Live");
        QCOMPARE(f.sent(50), QByteArray());
        QCOMPARE(f.browse->busy, 0);
        QCOMPARE(failed.count(), 0);
    }

    // The replies of the operations: the progress text, then done (the folder
    // is listed again) or failed (reported, nothing left pending).
    void operationReplies_data()
    {
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("busy");
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("playlistFailures");
        QTest::addColumn<QByteArray>("sent");
        const QByteArray relist = linesOf({"07F6B00", "07F6B05"});
        const QList<QPair<const char *, const char *>> progress = {
            {"83", "Sorting"},         {"84", "Copying"},       {"93", "Renaming"},
            {"94", "Deleting folder"}, {"95", "Creating folder"}, {"A3", "Renaming"},
            {"A4", "Deleting file"},   {"A5", "Undo working"},  {"A6", "Deleting playlist"}};
        for (const auto &code : progress) {
            QTest::newRow(qPrintable(QString(code.first) + " started")) << QStringList{QString(code.first) + "00"}
                                                                     << QStringList{code.second} << 1 << 0 << 0
                                                                     << QByteArray();
            QTest::newRow(qPrintable(QString(code.first) + " done"))
                << QStringList{QString(code.first) + "00", QString(code.first) + "11"}
                << QStringList{code.second, ""} << 0 << 0 << 0 << relist;
        }
        QTest::newRow("A4 failed") << QStringList{"A400", "A412"} << QStringList{"Deleting file", ""} << 0 << 1 << 0
                                   << QByteArray();
        QTest::newRow("A6 failed") << QStringList{"A600", "A612"} << QStringList{"Deleting playlist", ""} << 0 << 1
                                   << 1 << QByteArray();
        QTest::newRow("started twice, said once") << QStringList{"8300", "8300"} << QStringList{"Sorting"} << 1 << 0
                                                  << 0 << QByteArray();
        QTest::newRow("other status") << QStringList{"A499", "A4"} << QStringList() << 1 << 0 << 0 << QByteArray();
    }
    void operationReplies()
    {
        QFETCH(QStringList, replies);
        QFETCH(QStringList, texts);
        QFETCH(int, busy);
        QFETCH(int, failures);
        QFETCH(int, playlistFailures);
        QFETCH(QByteArray, sent);
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        f.browse->deleteFile(2); // an operation is pending
        f.sent();
        QStringList shown;
        QObject::connect(f.browse.get(), &Browse::dialogStringChanged,
                         [&] { shown.append(f.browse->getDialogString()); });
        QSignalSpy failed(f.browse.get(), &Browse::execFailed);
        QSignalSpy playlistFailed(f.browse.get(), &Browse::endDeletePpl);
        f.play(replies);
        QCOMPARE(shown, texts);
        QCOMPARE(f.browse->busy, busy);
        QCOMPARE(failed.count(), failures);
        QCOMPARE(playlistFailed.count(), playlistFailures);
        QCOMPARE(f.sent(), sent);
    }

    // A file's information: tabs become line breaks; only a listed file takes it.
    void information()
    {
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        QSignalSpy changed(f.browse.get(), &Browse::infoChanged);
        f.play({"A2000200" "00" "96kHz\t24bit\tStereo"});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.browse->getInfo(2), QString("96kHz\n24bit\nStereo"));
        // No file 5 is listed: nothing.
        f.play({"A2000500" "00" "x"});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.browse->getInfo(0), QString());
        // Positions that no entry has read as no information, also after the list went.
        QCOMPARE(f.browse->getInfo(-1), QString());
        QCOMPARE(f.browse->getInfo(4), QString());
        f.browse->clearNowFolderList();
        QCOMPARE(f.browse->getInfo(2), QString());
    }

    // Names are cut to their byte caps on a character boundary.
    void nameCut_data()
    {
        QTest::addColumn<bool>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("117 one-byte characters") << false << QString(117, 'a') << QByteArray(117, 'a');
        QTest::newRow("118 one-byte characters") << false << QString(118, 'a') << QByteArray(117, 'a');
        QTest::newRow("59 two-byte characters") << false << QString(59, QChar(0xE9))
                                                << QString(58, QChar(0xE9)).toUtf8();
        const QString three = QString(111, 'b') + QChar(0x20AC) + QString(6, 'c'); // bytes 112-114 one character
        QTest::newRow("file of 120 bytes") << true << three << (QByteArray(111, 'b') + ".wav");
        QTest::newRow("file of 113 bytes") << true << QString(113, 'd') << (QByteArray(113, 'd') + ".wav");
    }
    void nameCut()
    {
        QFETCH(bool, file);
        QFETCH(QString, name);
        QFETCH(QByteArray, sent);
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        f.sent();
        if (file)
            f.browse->renameFile(1, name, "old.wav");
        else
            f.browse->renameFolder(3, name);
        QCOMPARE(f.sent(), (file ? "07F6B23000100" : "07F6B13000300") + sent + "\r\n");
    }

    // Every command that carries a name or a path goes out in one write, so
    // that nothing another sender writes meanwhile lands inside its line.
    void commandsGoOutWhole_data()
    {
        QTest::addColumn<std::function<void(Browse &)>>("call");
        QTest::addColumn<QByteArray>("line");
        const auto row = [](const char *name, std::function<void(Browse &)> call, const QByteArray &line) {
            QTest::newRow(name) << call << line;
        };
        row("create folder", [](Browse &b) { b.createFolder("Live"); }, "07F6B15000100Live\r\n");
        row("rename folder", [](Browse &b) { b.renameFolder(3, "Encores"); }, "07F6B13000300Encores\r\n");
        row("rename file", [](Browse &b) { b.renameFile(2, "Duet", "Aria.wav"); }, "07F6B23000200Duet.wav\r\n");
        row("delete by full path", [](Browse &b) { b.deleteFileFullPath("A:\\_playlists\\Morning"); },
            "07F6B26A:\\_playlists\\Morning\r\n");
        row("copy", [](Browse &b) { b.copyFile("A:\\Concert\\Aria.wav", "A:\\Aria.wav"); },
            "07F6B0400A:\\Concert\\Aria.wav\r\n07F6B0415A:\\Aria.wav\r\n");
        row("up a level", [](Browse &b) { b.upFolder(); }, "07F6B0200\\\r\n");
        row("set to current", [](Browse &b) { b.setToCurrentFolder(); }, "07F6B01\\Concert\r\n");
    }
    void commandsGoOutWhole()
    {
        QFETCH(std::function<void(Browse &)>, call);
        QFETCH(QByteArray, line);
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        f.sent();
        QVERIFY(f.interruptSecondWrite("050\r\n"));
        call(*f.browse);
        const QByteArray sent = f.sent();
        QVERIFY2(sent.startsWith(line), sent.constData());
        QVERIFY2(sent.contains("050\r\n"), sent.constData());
    }

    // A folder opened but not yet named by its listing is not the root: it
    // is not made the current folder under the root's empty name.
    void setToCurrentNeedsTheFolderName()
    {
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        f.browse->openFolder(3);
        f.sent();
        f.browse->setToCurrentFolder();
        QCOMPARE(f.sent(50), QByteArray());
        f.play({"800100", "91000300" "0Concert\\Encore"});
        f.sent();
        f.browse->setToCurrentFolder();
        QVERIFY(f.sent().startsWith(linesOf({"07F6B01\\Concert\\Encore", "07F6B00", "07F6B05"})));
    }

    // Without the editing right the listing asks for nothing either.
    void listingNeedsTheEditingRight()
    {
        BrowseFixture f(true);
        QVERIFY(f.link.logIn());
        f.browse->setStatus(16);
        f.browse->setCurrentMediaNumber("SD1");
        f.browse->restartBrowse();
        f.play({"800100"});
        QCOMPARE(f.sent(), QByteArray());
        QVERIFY(f.browse->entries().isEmpty());
        f.permission.recievedCommandFF6AFE(QStringLiteral("11"));
        f.browse->restartBrowse();
        QVERIFY(f.sent().startsWith(linesOf({"07F6B00", "07F6B05"})));
    }

    // The end of the link: the current file and the progress text are
    // cleared through their setters, so a shown notice goes too.
    void linkLoss()
    {
        BrowseFixture f(false);
        QVERIFY(f.start());
        f.listConcert();
        f.play({"850300", "A400"});
        QSignalSpy dialog(f.browse.get(), &Browse::dialogStringChanged);
        QSignalSpy file(f.browse.get(), &Browse::currentFileNumberChanged);
        QSignalSpy folder(f.browse.get(), &Browse::currentFolderNumberChanged);
        f.browse->resetBrowseData();
        f.browse->setStatus(0);
        f.browse->setCurrentMediaNumber("");
        QCOMPARE(dialog.count(), 1);
        QCOMPARE(file.count(), 1);
        QCOMPARE(folder.count(), 1);
        QCOMPARE(f.browse->getDialogString(), QString());
        QCOMPARE(f.browse->getCurrentFileNumber(), -1);
        QCOMPARE(f.browse->getBrowseDialogString(), QString(" is not available"));
        QVERIFY(f.published().isEmpty());
        QCOMPARE(f.browse->busy, 0);
    }

    // The page's "listing" flag: up from a navigation (or the start of a
    // listing) until the folder's list is published or its listing given up,
    // so that neither old rows nor an empty folder name are acted on.
    void listingFlag()
    {
        struct Row
        {
            const char *name;
            std::function<void(BrowseFixture &)> act;
            bool listingAfterAct;  // before the recorder answered
            bool listingAtEnd;     // once the recorder is quiet
        };
        const QList<Row> rows = {
            {"open a folder", [](BrowseFixture &f) { f.browse->openFolder(3); }, true, false},
            {"up a level", [](BrowseFixture &f) { f.browse->upFolder(); }, true, false},
            {"back to the current folder", [](BrowseFixture &f) { f.browse->goToCurrentFolder(); }, true, false},
            {"restart", [](BrowseFixture &f) { f.browse->restartBrowse(); }, true, false},
            {"status lost", [](BrowseFixture &f) { f.browse->setStatus(0); }, false, false},
            {"medium CD", [](BrowseFixture &f) { f.browse->setCurrentMediaNumber("CD"); }, false, false},
        };
        for (const Row &row : rows) {
            BrowseFixture f(true);
            QVERIFY(f.start());
            f.sent();
            QVERIFY2(!f.browse->isListing(), row.name);
            QSignalSpy changes(f.browse.get(), &Browse::listingChanged);
            row.act(f);
            QVERIFY2(f.browse->isListing() == row.listingAfterAct, row.name);
            // Nothing of a folder left behind is shown meanwhile (a restart
            // lists the same folder again).
            if (row.listingAfterAct && QByteArray(row.name) != "restart")
                QVERIFY2(f.published().isEmpty(), row.name);
            f.sent();
            QVERIFY2(f.browse->isListing() == row.listingAtEnd, row.name);
            QVERIFY2(changes.count() == (row.listingAfterAct ? 2 : 0), row.name);
        }
    }

    // Without the editing right the request is dropped and nothing waits.
    void listingFlagNeedsTheRequestSent()
    {
        BrowseFixture f(true);
        QVERIFY(f.start());
        f.sent();
        f.permission.recievedCommandFF6AFE(QStringLiteral("10"));
        f.browse->openFolder(2);
        QVERIFY(!f.browse->isListing());
    }
};

HB740_TEST_MAIN(TestBrowse)
#include "tst_browse.moc"
