#include "Browse.h"
#include "FakeMedia.h"
#include "LinkFixture.h"
#include "Permission.h"
#include "RootContext.h"
#include "TestMain.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>
#include <functional>

namespace {

QByteArray linesOf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

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
struct BrowseFixture
{
    explicit BrowseFixture(bool withMedia)
        : media(FakeMedia::example())
    {
        rootContext = engine.rootContext();
        browse = std::make_unique<Browse>();
        browse->telnet = link.telnet;
        browse->permission = &permission;
        permission.telnet = link.telnet;
        // Counts the lists that reach QML with entries in them.
        QQmlComponent counter(&engine);
        counter.setData("import QtQml 2.2\nQtObject { property var model: browseModel; property int filled: 0;"
                        " onModelChanged: if (model.length > 0) filled++ }",
                        QUrl());
        watcher.reset(counter.create());
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
        rootContext = nullptr;
    }

    bool start(const QString &medium = QStringLiteral("SD1"))
    {
        if (!link.logIn())
            return false;
        permission.recievedCommandFF6AFE(QStringLiteral("11"));
        browse->setStatus(16);
        browse->setCurrentMediaNumber(medium);
        return true;
    }

    // What the recorder heard since the last call, once quiet.
    QByteArray sent(int quietMs = 150)
    {
        const QByteArray bytes = link.recorder.receivedOnceQuiet(quietMs);
        link.recorder.clearReceived();
        return bytes;
    }

    // Plays replies (the text after "FF6B") to the browser directly.
    void play(const QStringList &replies)
    {
        for (const QString &reply : replies)
            browse->recievedCommandFF6B(reply);
    }

    QList<QObject *> published() const
    {
        return engine.rootContext()->contextProperty(QStringLiteral("browseModel")).value<QList<QObject *>>();
    }
    int filledPublications() const { return watcher->property("filled").toInt(); }

    // Folder 1 of SD1 listed by hand: sub-folder 3, files 1 to 3.
    void listConcert()
    {
        play({"800100", "91000100" "0Concert", "90000100" "0300" "0300" "0100", "91000300" "0Concert\\Encore",
              "A0000100" "0100" "0300" "0100", "A1000100" "0Concert\\Overture.wav", "A1000200" "0Concert\\Aria.wav",
              "A1000300" "0Concert\\Finale.wav"});
    }

    QQmlEngine engine;
    LinkFixture link;
    Permission permission;
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
};

HB740_TEST_MAIN(TestBrowse)
#include "tst_browse.moc"
