#include "FakeFtpServer.h"
#include "SessionFixture.h"
#include "TestMain.h"

#include <QtTest>

namespace {
QByteArray unixLine(const QByteArray &name, char type = '-')
{
    return type + QByteArray("rw-r--r--   1 user     group         2048 Jan 01 12:00 ") + name + "\r\n";
}

QByteArray listingOf(const QList<QByteArray> &names)
{
    QByteArray listing;
    for (const QByteArray &name : names)
        listing += unixLine(name);
    return listing;
}
} // namespace

// A session stopped in the playlist play area, with the recorder's FTP server
// on the same address.
struct SkipFixture : SessionFixture
{
    SkipFixture()
        : ftp(address())
    {
    }

    bool start(const QString &media = "SD1", const QString &playlist = "B.ppl",
               FakeRecorder::ModelAnswer answer = FakeRecorder::ModelAnswer::Model1)
    {
        static const QHash<QString, QString> mediumCodes{{"SD1", "00"}, {"SD2", "01"}, {"USB", "10"}, {"CD", "11"}};
        recorder.modelAnswer = answer;
        backend.comm.sleepTimer.stop();
        backend.comm.ftpAccess.stallTimeoutMs = 500;
        if (!ftp.listen() || !logIn())
            return false;
        backend.comm.recievedData("D010");
        backend.comm.recievedData("FF07CF02");
        backend.comm.recievedData("FF01" + mediumCodes.value(media));
        backend.comm.recievedData("FF3185" + playlist);
        QTest::qWait(150);
        recorder.clearReceived();
        return backend.comm.playArea() == "PLAYLIST" && backend.comm.currentMedia() == media;
    }

    // The load line the recorder received after a skip, or "" after a pause.
    QByteArray loadLine(int timeoutMs = 2000)
    {
        recorder.waitForRequest("07F310000", timeoutMs);
        return recorder.receivedSinceLink();
    }

    FakeFtpServer ftp;
};

class TestFtp : public QObject
{
    Q_OBJECT

private slots:
    void skipDialogueByteForByte()
    {
        SkipFixture f;
        f.ftp.listing = listingOf({"A.ppl", "B.ppl", "C.ppl"});
        QVERIFY(f.start());
        f.backend.comm.timeSkipNextRequest();
        QCOMPARE(f.loadLine(), QByteArray("07F310000A:/_playlists/C.ppl\r\n"));
        QCOMPARE(f.ftp.received(), QByteArray("USER HB-MDX740K\r\nPASS pass\r\nCWD A:/_playlists\r\nPASV\r\nLIST\r\n"));
        QVERIFY(f.ftp.waitForControlClosed());
    }

    void neighbourChoice_data()
    {
        QTest::addColumn<QList<QByteArray>>("names");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("back");
        QTest::addColumn<QByteArray>("chosen");
        const QList<QByteArray> three{"c.ppl", "A.ppl", "b.ppl"}; // sorted: A, b, c
        QTest::newRow("next") << three << "A.ppl" << false << QByteArray("b.ppl");
        QTest::newRow("previous") << three << "c.ppl" << true << QByteArray("b.ppl");
        QTest::newRow("next wraps to the first") << three << "c.ppl" << false << QByteArray("A.ppl");
        QTest::newRow("previous wraps to the last") << three << "A.ppl" << true << QByteArray("c.ppl");
        QTest::newRow("unknown current: first, forward") << three << "x.ppl" << false << QByteArray("A.ppl");
        QTest::newRow("unknown current: first, back") << three << "x.ppl" << true << QByteArray("A.ppl");
        QTest::newRow("upper case sorts first") << QList<QByteArray>{"a.ppl", "B.ppl", "A.ppl"} << "A.ppl" << false
                                                << QByteArray("B.ppl");
        QTest::newRow("single name, back") << QList<QByteArray>{"only.ppl"} << "only.ppl" << true
                                           << QByteArray("only.ppl");
        QTest::newRow("name with blanks") << QList<QByteArray>{"Live set 1.ppl", "Live set 2.ppl"} << "Live set 1.ppl"
                                          << false << QByteArray("Live set 2.ppl");
        QTest::newRow("non-ASCII name") << QList<QByteArray>{"\xe9\x8c\xb2\xe9\x9f\xb3.ppl", "a.ppl"} << "a.ppl" << false
                                        << QByteArray("\xe9\x8c\xb2\xe9\x9f\xb3.ppl");
    }
    void neighbourChoice()
    {
        QFETCH(QList<QByteArray>, names);
        QFETCH(QString, current);
        QFETCH(bool, back);
        QFETCH(QByteArray, chosen);
        SkipFixture f;
        f.ftp.listing = listingOf(names);
        QVERIFY(f.start("SD1", current));
        back ? f.backend.comm.timeSkipPreviousRequest() : f.backend.comm.timeSkipNextRequest();
        QCOMPARE(f.loadLine(), "07F310000A:/_playlists/" + chosen + "\r\n");
    }

    void mediaAndModels_data()
    {
        QTest::addColumn<QString>("media");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("dialogue");
        QTest::addColumn<QByteArray>("load");
        QTest::newRow("SD2, without CD drive")
            << "SD2" << int(FakeRecorder::ModelAnswer::Model0)
            << QByteArray("USER HB-M740K\r\nPASS pass\r\nCWD B:/_playlists\r\nPASV\r\nLIST\r\n")
            << QByteArray("07F310000B:/_playlists/A.ppl\r\n");
        QTest::newRow("USB") << "USB" << int(FakeRecorder::ModelAnswer::Model1)
                             << QByteArray("USER HB-MDX740K\r\nPASS pass\r\nCWD C:/_playlists\r\nPASV\r\nLIST\r\n")
                             << QByteArray("07F310000C:/_playlists/A.ppl\r\n");
        QTest::newRow("CD has no playlist folder") << "CD" << int(FakeRecorder::ModelAnswer::Model1)
                                                   << QByteArray("USER HB-MDX740K\r\nPASS pass\r\n") << QByteArray();
    }
    void mediaAndModels()
    {
        QFETCH(QString, media);
        QFETCH(int, answer);
        QFETCH(QByteArray, dialogue);
        QFETCH(QByteArray, load);
        SkipFixture f;
        f.ftp.listing = listingOf({"A.ppl"});
        QVERIFY(f.start(media, "none", FakeRecorder::ModelAnswer(answer)));
        f.backend.comm.timeSkipNextRequest();
        QCOMPARE(f.loadLine(load.isEmpty() ? 700 : 2000), load);
        QCOMPARE(f.ftp.received(), dialogue);
        QVERIFY(f.ftp.waitForControlClosed());
    }

    // Every failure closes both connections and loads nothing; the next skip
    // starts afresh and works.
    void failuresLoadNothing_data()
    {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("end");
        QTest::addColumn<QByteArray>("lastCommand");
        QTest::addColumn<int>("stallMs");
        const int normal = int(FakeFtpServer::ListingEnd::CloseThenConfirm);
        // A refusal must end the dialogue by itself: the stall time-out of
        // these rows lies far beyond the wait for the close.
        const int never = 60000;
        QTest::newRow("login refused") << QByteArray("PASS") << QByteArray("530 Login incorrect\r\n") << normal
                                       << QByteArray("PASS pass") << never;
        QTest::newRow("folder missing") << QByteArray("CWD") << QByteArray("550 No such folder\r\n") << normal
                                        << QByteArray("CWD A:/_playlists") << never;
        QTest::newRow("user refused") << QByteArray("USER") << QByteArray("421 Too many users\r\n") << normal
                                      << QByteArray("USER HB-MDX740K") << never;
        QTest::newRow("passive reply without numbers") << QByteArray("PASV") << QByteArray("227 Passive mode\r\n")
                                                       << normal << QByteArray("PASV") << never;
        QTest::newRow("listing aborted midway") << QByteArray() << QByteArray()
                                                << int(FakeFtpServer::ListingEnd::AbortMidway) << QByteArray("LIST")
                                                << never;
        // Only the stall time-out ends this one.
        QTest::newRow("listing never confirmed") << QByteArray() << QByteArray()
                                                 << int(FakeFtpServer::ListingEnd::NoConfirm) << QByteArray("LIST")
                                                 << 500;
    }
    void failuresLoadNothing()
    {
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, reply);
        QFETCH(int, end);
        QFETCH(QByteArray, lastCommand);
        QFETCH(int, stallMs);
        SkipFixture f;
        f.ftp.listing = listingOf({"A.ppl", "B.ppl", "C.ppl"});
        const auto usualReplies = f.ftp.replies;
        if (!verb.isEmpty())
            f.ftp.replies.insert(verb, reply);
        f.ftp.listingEnd = FakeFtpServer::ListingEnd(end);
        QVERIFY(f.start());
        f.backend.comm.ftpAccess.stallTimeoutMs = stallMs;
        f.backend.comm.timeSkipNextRequest();
        QVERIFY(f.ftp.waitForControlClosed(1500));
        QCOMPARE(f.loadLine(800), QByteArray());
        QCOMPARE(f.ftp.commands().last(), lastCommand);

        // The next skip starts from closed connections.
        f.ftp.replies = usualReplies;
        f.ftp.listingEnd = FakeFtpServer::ListingEnd::CloseThenConfirm;
        f.backend.comm.timeSkipNextRequest();
        QCOMPARE(f.loadLine(), QByteArray("07F310000A:/_playlists/C.ppl\r\n"));
        QCOMPARE(f.ftp.controlConnections(), 2);
    }

    void silentServerIsGivenUp()
    {
        SkipFixture f;
        f.ftp.silentAfter = {"PASS"};
        QVERIFY(f.start());
        QElapsedTimer clock;
        clock.start();
        f.backend.comm.timeSkipNextRequest();
        QVERIFY(f.ftp.waitForControlClosed(3000));
        QVERIFY(clock.elapsed() >= 400);
        QCOMPARE(f.loadLine(300), QByteArray());
    }

    void modelNotYetKnownClosesAtTheGreeting()
    {
        SkipFixture f;
        QVERIFY(f.start());
        f.backend.comm.ftpAccess.connectToServer(f.address(), "pass", "SD1", 255);
        QVERIFY(f.ftp.waitForControlClosed());
        QCOMPARE(f.ftp.received(), QByteArray());
    }

    void passiveReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("host");
        QTest::newRow("standard wording") << QByteArray("227 Entering Passive Mode (%1).\r\n") << QByteArray();
        QTest::newRow("other wording, no parentheses") << QByteArray("227 =%1\r\n") << QByteArray();
        QTest::newRow("longer text before the numbers")
            << QByteArray("227 Entering Extended Compatible Passive Mode (%1)\r\n") << QByteArray();
        // The data connection goes to the recorder we talk to, whatever the reply names.
        QTest::newRow("reply naming another host") << QByteArray("227 Entering Passive Mode (%1).\r\n")
                                                   << QByteArray("10,9,9,9");
    }
    void passiveReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, host);
        SkipFixture f;
        f.ftp.listing = listingOf({"A.ppl", "B.ppl"});
        f.ftp.pasvReply = reply;
        f.ftp.pasvHost = host;
        QVERIFY(f.start("SD1", "A.ppl"));
        f.backend.comm.timeSkipNextRequest();
        QCOMPARE(f.loadLine(), QByteArray("07F310000A:/_playlists/B.ppl\r\n"));
    }

    void multiLineRepliesActOnce()
    {
        SkipFixture f;
        f.ftp.greeting = "220-Welcome\r\n220-to the recorder\r\n220 Ready\r\n";
        f.ftp.replies.insert("PASS", "230-Logged in\r\n230-Have fun\r\n230 Done\r\n");
        f.ftp.listing = listingOf({"A.ppl", "B.ppl"});
        QVERIFY(f.start("SD1", "A.ppl"));
        f.backend.comm.timeSkipNextRequest();
        QCOMPARE(f.loadLine(), QByteArray("07F310000A:/_playlists/B.ppl\r\n"));
        QCOMPARE(f.ftp.received(), QByteArray("USER HB-MDX740K\r\nPASS pass\r\nCWD A:/_playlists\r\nPASV\r\nLIST\r\n"));
    }

    void listingShapes_data()
    {
        QTest::addColumn<QByteArray>("listing");
        QTest::addColumn<QList<int>>("cuts");
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<int>("names");
        const QByteArray mixed = unixLine("Show.ppl", 'd') + unixLine("Notes.txt") + unixLine("UPPER.PPL")
                                 + unixLine("My Set.ppl") + "bare.ppl\r\n";
        QTest::newRow("folders, other files and upper-case extensions are skipped") << mixed << QList<int>{}
                                                                                      << QByteArray("My Set.ppl") << 2;
        QTest::newRow("lines cut anywhere") << mixed << QList<int>{5, 70, 71, 150, 200} << QByteArray("My Set.ppl")
                                            << 2;
        QTest::newRow("last line without its line end") << QByteArray("-rw-r--r-- 1 u g 1 Jan 01 12:00 Z.ppl")
                                                        << QList<int>{} << QByteArray("Z.ppl") << 1;
        QTest::newRow("line feeds alone") << QByteArray(unixLine("Q.ppl")).replace("\r\n", "\n") << QList<int>{}
                                          << QByteArray("Q.ppl") << 1;
    }
    void listingShapes()
    {
        QFETCH(QByteArray, listing);
        QFETCH(QList<int>, cuts);
        QFETCH(QByteArray, chosen);
        QFETCH(int, names);
        SkipFixture f;
        f.ftp.listing = listing;
        f.ftp.listingCuts = cuts;
        QVERIFY(f.start("SD1", "none"));
        f.backend.comm.timeSkipNextRequest();
        QCOMPARE(f.loadLine(), "07F310000A:/_playlists/" + chosen + "\r\n");
        QCOMPARE(f.backend.comm.playlistNames.size(), names);
    }

    void confirmationBeforeTheDataCloses()
    {
        SkipFixture f;
        f.ftp.listing = listingOf({"A.ppl", "B.ppl"});
        f.ftp.listingEnd = FakeFtpServer::ListingEnd::ConfirmThenClose;
        QVERIFY(f.start("SD1", "B.ppl"));
        f.backend.comm.timeSkipPreviousRequest();
        QCOMPARE(f.loadLine(), QByteArray("07F310000A:/_playlists/A.ppl\r\n"));
    }

    void emptyListingLoadsNothing()
    {
        SkipFixture f;
        f.ftp.listing = unixLine("Notes.txt");
        QVERIFY(f.start());
        f.backend.comm.timeSkipNextRequest();
        QVERIFY(f.ftp.waitForControlClosed());
        QCOMPARE(f.loadLine(500), QByteArray());
    }

    // A listing that never ends is given up after the total time, however
    // steadily the names come, and no more than the cap of names is passed on.
    void endlessListingEndsByTheTotalTime_data()
    {
        QTest::addColumn<int>("batch");
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<bool>("capped");
        QTest::newRow("a flood, far beyond the cap") << 200 << 10 << true;
        QTest::newRow("a trickle, each line within the stall time") << 1 << 50 << false;
    }
    void endlessListingEndsByTheTotalTime()
    {
        QFETCH(int, batch);
        QFETCH(int, intervalMs);
        QFETCH(bool, capped);
        SkipFixture f;
        f.ftp.streamLine = unixLine("S%1.ppl");
        f.ftp.streamBatch = batch;
        f.ftp.streamIntervalMs = intervalMs;
        f.ftp.streamLimitMs = 6000;
        QVERIFY(f.start());
        FtpAccess &ftpAccess = f.backend.comm.ftpAccess;
        ftpAccess.listingTimeoutMs = 1500;
        QSignalSpy names(&ftpAccess, &FtpAccess::receivedPlaylist);
        QSignalSpy ends(&ftpAccess, &FtpAccess::endPlaylist);
        QElapsedTimer clock;
        clock.start();
        f.backend.comm.timeSkipNextRequest();
        QVERIFY(f.ftp.waitForCommand("LIST"));
        QVERIFY(QTest::qWaitFor([&] { return f.ftp.streamedLines() > 0 && !f.ftp.isStreaming(); }, 5000));
        QVERIFY(f.ftp.waitForControlClosed(500));
        const qint64 elapsed = clock.elapsed();
        // A coarse timer may fire up to 5 % early.
        QVERIFY2(elapsed >= 1425 && elapsed < 4000, qPrintable(QString::number(elapsed)));

        if (capped) {
            QVERIFY(f.ftp.streamedLines() > 2 * FtpAccess::maxNames);
            QCOMPARE(names.count(), FtpAccess::maxNames);
        } else {
            QVERIFY(names.count() > 0 && names.count() < FtpAccess::maxNames);
        }
        QCOMPARE(f.backend.comm.playlistNames.size(), names.count());
        QCOMPARE(ends.count(), 0);
        QCOMPARE(f.loadLine(300), QByteArray());
    }

    // Only the first names of an overlong listing are passed on, and the
    // count starts again with every listing.
    void listingBeyondTheCap_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("exactly the cap") << FtpAccess::maxNames;
        QTest::newRow("the cap and more") << FtpAccess::maxNames + 500;
    }
    void listingBeyondTheCap()
    {
        QFETCH(int, count);
        QList<QByteArray> all;
        for (int i = 0; i < count; ++i)
            all.append(QString::asprintf("P%04d.ppl", i).toLatin1());
        SkipFixture f;
        f.ftp.listing = listingOf(all);
        const QByteArray lastKept = all.at(FtpAccess::maxNames - 1);
        QVERIFY(f.start("SD1", QString::fromLatin1(lastKept)));
        QSignalSpy names(&f.backend.comm.ftpAccess, &FtpAccess::receivedPlaylist);
        for (int skip = 1; skip <= 2; ++skip) {
            f.recorder.clearReceived();
            f.backend.comm.timeSkipNextRequest();
            // The last name kept is the last: the skip wraps to the first.
            QCOMPARE(f.loadLine(), QByteArray("07F310000A:/_playlists/P0000.ppl\r\n"));
            QCOMPARE(names.count(), FtpAccess::maxNames * skip);
            QCOMPARE(f.backend.comm.playlistNames.size(), FtpAccess::maxNames);
            QCOMPARE(f.backend.comm.playlistNames.last(), QString::fromLatin1(lastKept));
        }
    }
};

HB740_TEST_MAIN(TestFtp)
#include "tst_ftp.moc"
