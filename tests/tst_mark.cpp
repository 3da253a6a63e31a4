#include "LinkFixture.h"
#include "Mark.h"
#include "TestMain.h"
#include "TimerTicks.h"

#include <QtTest>

namespace {

const QByteArray poll = "07F035D\r\n07F6A63\r\n";

// The four-character pair-encoded form of n: low pair first ("0100" is 1).
QString pair(int n)
{
    return QString::asprintf("%02d%02d", n % 100, n / 100);
}

QByteArray markRequest(int number)
{
    return "07F0358" + pair(number).toLatin1() + "\r\n";
}

// The time reply (D8) of one mark, the time given in hundredths of a second.
QString markTime(int number, int time)
{
    return QStringLiteral("D8") + pair(number)
           + QString::asprintf("%02d%02d%02d%02d", time / 360000, time / 6000 % 60, time / 100 % 60, time % 100);
}

} // namespace

// A mark list on a link to the scripted recorder, with spies on its signals.
struct MarkFixture : LinkFixture
{
    MarkFixture()
        : clears(&mark, &Mark::markClear)
        , times(&mark, &Mark::markTimeReceived)
    {
        mark.telnet = telnet;
        QObject::connect(&mark, &Mark::markClear, [this] { events.append(QStringLiteral("clear")); });
        QObject::connect(&mark, &Mark::markTimeReceived, [this](int t) { events.append(QString::number(t)); });
    }

    // Everything the recorder received after the login, once quiet for a while.
    QByteArray sent(int quietMs = 100) { return recorder.receivedOnceQuiet(quietMs); }

    int polls() const { return int(recorder.receivedSinceLink().count(poll)); }

    // The one retry timer: 250 ms, coarse, its id in timerId.
    bool retryRuns() { return TimerTicks::running(&mark).size() == 1 && TimerTicks::runs(&mark, mark.timerId, 250); }

    bool idle() { return mark.timerId == 0 && TimerTicks::running(&mark).isEmpty(); }

    // Holds the retry timer that runs now: only tick() ticks it.
    int holdRetry()
    {
        TimerTicks::hold(mark.timerId);
        return mark.timerId;
    }
    void tick(int id, int times = 1) { TimerTicks::tick(&mark, id, times); }

    QList<int> announced() const
    {
        QList<int> result;
        for (const QList<QVariant> &args : times)
            result.append(args.at(0).toInt());
        return result;
    }

    void feed(const QStringList &replies)
    {
        for (const QString &reply : replies)
            mark.recievedCommandFF03(reply);
    }

    Mark mark;
    QSignalSpy clears;
    QSignalSpy times;
    // markClear and markTimeReceived in the order they came.
    QStringList events;
};

class TestMark : public QObject
{
    Q_OBJECT

private slots:
    // The count request goes out at once and then on every tick of a 250 ms
    // timer, until a count reply stops the timer.
    void requestRepeatsUntilCountReply()
    {
        MarkFixture f;
        QVERIFY(f.logIn());
        QVERIFY(f.idle());
        f.mark.requestMarkList();
        QVERIFY(f.retryRuns());
        const int retry = f.holdRetry();
        QCOMPARE(f.sent(), poll);
        f.tick(retry, 2);
        // Both lines of the poll travel together, every time.
        QCOMPARE(f.sent(), poll.repeated(3));

        f.mark.recievedCommandFF03(QStringLiteral("DD0000"));
        QVERIFY(f.idle());
        f.tick(retry);
        QCOMPARE(f.sent(), poll.repeated(3));
        QCOMPARE(f.clears.count(), 1);
        QCOMPARE(f.times.count(), 0);
    }

    // A second request while the timer runs replaces it: one timer, one poll
    // per tick, and a count reply leaves no timer behind.
    void secondRequestReplacesTimer()
    {
        MarkFixture f;
        QVERIFY(f.logIn());
        f.mark.requestMarkList();
        f.mark.requestMarkList();
        QVERIFY(f.retryRuns());
        const int retry = f.holdRetry();
        f.tick(retry);
        QCOMPARE(f.sent(), poll.repeated(3));

        f.mark.recievedCommandFF03(QStringLiteral("DD0000"));
        QVERIFY(f.idle());
        f.tick(retry);
        QCOMPARE(f.sent(), poll.repeated(3));
    }


    // A recorder that never answers the count is asked for about five seconds
    // (twenty retries), not for the whole session; the next request starts
    // afresh with twenty more.
    void retriesStopWithoutCountReply()
    {
        MarkFixture f;
        QVERIFY(f.logIn());
        for (int round = 1; round <= 2; ++round) {
            f.mark.requestMarkList();
            QVERIFY(f.retryRuns());
            const int retry = f.holdRetry();
            f.tick(retry, Mark::maxRetries - 1);
            QVERIFY(f.mark.timerId != 0);
            f.tick(retry);
            QVERIFY(f.idle());
            f.tick(retry, 3);
            QCOMPARE(f.sent(), poll.repeated(round * (1 + Mark::maxRetries)));
        }
        QCOMPARE(Mark::maxRetries * Mark::retryIntervalMs, 5000);

        // A late count reply is still taken.
        f.mark.recievedCommandFF03(QStringLiteral("DD0100"));
        QCOMPARE(f.mark.markCount, 1);
    }
    // The send of the poll can pause after a burst of writes and let a count
    // reply in: that reply ends the polling, so no retry and no second
    // reading follow it.
    void countReplyDuringThePollEndsIt()
    {
        MarkFixture f;
        QVERIFY(f.logIn());
        QTest::qWait(50);
        const QByteArray burst = QByteArray("050\r\n").repeated(11);
        for (int i = 0; i < 11; ++i)
            f.telnet->sendData("050\r\n");
        bool answered = false;
        QTimer::singleShot(0, &f.mark, [&] {
            f.mark.recievedCommandFF03(QStringLiteral("DD0100"));
            answered = true;
        });
        f.mark.requestMarkList();
        QVERIFY(answered);
        QVERIFY(f.idle());
        QCOMPARE(f.sent(), burst + markRequest(1) + poll);
    }

    // Only the tick of the timer in timerId re-sends the poll.
    void timerTicks_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("idOffset");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("own timer") << QString() << 0 << poll;
        QTest::newRow("another timer") << QString() << 1 << QByteArray();
        QTest::newRow("stale tick after clearing") << QStringLiteral("clear") << 0 << QByteArray();
        QTest::newRow("stale tick after count reply") << QStringLiteral("DD0000") << 0 << QByteArray();
    }
    void timerTicks()
    {
        QFETCH(QString, before);
        QFETCH(int, idOffset);
        QFETCH(QByteArray, expected);
        MarkFixture f;
        QVERIFY(f.logIn());
        f.mark.requestMarkList();
        const int id = f.mark.timerId;
        QVERIFY(id != 0);
        if (before == QLatin1String("clear"))
            f.mark.clearMarks();
        else if (!before.isEmpty())
            f.mark.recievedCommandFF03(before);
        QCOMPARE(f.sent(50), poll);
        f.recorder.clearReceived();

        f.tick(id + idOffset);
        QCOMPARE(f.sent(50), expected);
    }

    // Clearing empties the list, says so and stops the retry; a later count
    // reply still fills the list.
    void clearMarks_data()
    {
        QTest::addColumn<bool>("polling");
        QTest::newRow("while polling") << true;
        QTest::newRow("idle") << false;
    }
    void clearMarks()
    {
        QFETCH(bool, polling);
        MarkFixture f;
        QVERIFY(f.logIn());
        f.feed({QStringLiteral("DD0200"), markTime(1, 300), markTime(2, 700)});
        QCOMPARE(f.mark.marks, (QList<int>{300, 700}));
        if (polling)
            f.mark.requestMarkList();
        QCOMPARE(f.sent(50), markRequest(1) + markRequest(2) + (polling ? poll : QByteArray()));
        f.recorder.clearReceived();
        f.clears.clear();
        f.times.clear();

        f.mark.clearMarks();
        QVERIFY(f.mark.marks.isEmpty());
        QCOMPARE(f.clears.count(), 1);
        QCOMPARE(f.times.count(), 0);
        QVERIFY(f.idle());
        QCOMPARE((polling ? f.recorder.receivedAfter(400) : f.sent(50)), QByteArray());

        f.feed({QStringLiteral("DD0100"), markTime(1, 500)});
        QCOMPARE(f.mark.marks, QList<int>{500});
        QCOMPARE(f.announced(), QList<int>{500});
        QCOMPARE(f.sent(), markRequest(1));
    }

    // A count reply, asked for or not, empties the list, stops the retry and
    // asks for mark 1 unless the count is 0.
    void countReply_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("requested");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("none") << "DD0000" << true << 0 << QByteArray();
        QTest::newRow("three") << "DD0300" << true << 3 << QByteArray("07F03580100\r\n");
        QTest::newRow("none, not asked for") << "DD0000" << false << 0 << QByteArray();
        QTest::newRow("three, not asked for") << "DD0300" << false << 3 << markRequest(1);
        QTest::newRow("hundred") << "DD0001" << false << 100 << markRequest(1);
        QTest::newRow("1234") << "DD3412" << false << 1234 << markRequest(1);
        QTest::newRow("trailing data") << "DD030099" << false << 3 << markRequest(1);
        QTest::newRow("no count") << "DD" << false << 0 << QByteArray();
        QTest::newRow("low pair only") << "DD03" << false << 3 << markRequest(1);
        QTest::newRow("one digit") << "DD3" << false << 3 << markRequest(1);
        QTest::newRow("letters") << "DDXXYY" << false << 0 << QByteArray();
        QTest::newRow("letters in low pair") << "DD0X01" << false << 100 << markRequest(1);
        QTest::newRow("letters in high pair") << "DD05ZZ" << false << 5 << markRequest(1);
    }
    void countReply()
    {
        QFETCH(QString, reply);
        QFETCH(bool, requested);
        QFETCH(int, count);
        QFETCH(QByteArray, expected);
        MarkFixture f;
        QVERIFY(f.logIn());
        f.mark.marks = {100, 200};
        if (requested) {
            f.mark.requestMarkList();
            QCOMPARE(f.sent(50), poll);
            f.recorder.clearReceived();
        }

        f.mark.recievedCommandFF03(reply);
        QVERIFY(f.mark.marks.isEmpty());
        QCOMPARE(f.clears.count(), 1);
        QCOMPARE(f.times.count(), 0);
        QCOMPARE(f.mark.markCount, count);
        QVERIFY(f.idle());
        // When asked for, long enough for a retry tick that must not come.
        QCOMPARE(f.sent(requested ? 350 : 100), expected);
    }

    // Each time reply asks for the next mark, up to the count.
    void readsMarksOneAtATime_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("one") << 1 << QByteArray("07F03580100\r\n");
        QTest::newRow("three") << 3 << QByteArray("07F03580100\r\n07F03580200\r\n07F03580300\r\n");
        QTest::newRow("twelve") << 12
                                << QByteArray("07F03580100\r\n07F03580200\r\n07F03580300\r\n07F03580400\r\n"
                                              "07F03580500\r\n07F03580600\r\n07F03580700\r\n07F03580800\r\n"
                                              "07F03580900\r\n07F03581000\r\n07F03581100\r\n07F03581200\r\n");
        QByteArray many;
        for (int m = 1; m <= 101; ++m)
            many += markRequest(m);
        QVERIFY(many.contains("07F03589900\r\n07F03580001\r\n07F03580101\r\n"));
        QTest::newRow("past a hundred") << 101 << many;
    }
    void readsMarksOneAtATime()
    {
        QFETCH(int, count);
        QFETCH(QByteArray, expected);
        MarkFixture f;
        QVERIFY(f.logIn());
        f.mark.recievedCommandFF03(QStringLiteral("DD") + pair(count));
        QList<int> times;
        for (int m = 1; m <= count; ++m) {
            // Only the request for this mark is outstanding.
            QTRY_COMPARE(f.recorder.receivedSinceLink(), expected.left(m * 13));
            const int time = m * 1010 + m % 100;
            times.append(time);
            f.mark.recievedCommandFF03(markTime(m, time));
        }
        QCOMPARE(f.sent(), expected);
        QCOMPARE(f.mark.marks, times);
        QCOMPARE(f.announced(), times);
        QCOMPARE(f.clears.count(), 1);
    }

    // Fields of a time reply; missing or non-numeric fields read 0. No count
    // reply came first, so nothing is asked for.
    void timeReply_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("time");
        QTest::newRow("0:01:02.50") << "D8010000010250" << 6250;
        QTest::newRow("zero") << "D8010000000000" << 0;
        QTest::newRow("one hour") << "D8010001000000" << 360000;
        QTest::newRow("largest") << "D8010099595999" << 35999999;
        QTest::newRow("frames only") << "D8010000000007" << 7;
        QTest::newRow("trailing data") << "D801000001025012" << 6250;
        QTest::newRow("without frames") << "D80100000102" << 6200;
        QTest::newRow("half a seconds field") << "D801000001 0" << 6000;
        QTest::newRow("one-digit seconds") << "D8010000012" << 6200;
        QTest::newRow("minutes only") << "D801000001" << 6000;
        QTest::newRow("number only") << "D80100" << 0;
        QTest::newRow("sub-code only") << "D8" << 0;
        QTest::newRow("letters in minutes") << "D8010000XX0250" << 250;
        QTest::newRow("letters in hours") << "D80100AB010250" << 6250;
        QTest::newRow("letters in number") << "D8XXXX00010250" << 6250;
    }
    void timeReply()
    {
        QFETCH(QString, reply);
        QFETCH(int, time);
        MarkFixture f;
        QVERIFY(f.logIn());
        f.mark.recievedCommandFF03(reply);
        QCOMPARE(f.mark.marks, QList<int>{time});
        QCOMPARE(f.announced(), QList<int>{time});
        QCOMPARE(f.clears.count(), 0);
        QCOMPARE(f.sent(), QByteArray());
    }

    // A number field that reads 0 is below the count: the reading goes on with mark 1.
    void garbledNumberStillContinues()
    {
        MarkFixture f;
        QVERIFY(f.logIn());
        f.feed({QStringLiteral("DD0300"), QStringLiteral("D8XX0000000010")});
        QCOMPARE(f.mark.marks, QList<int>{10});
        QCOMPARE(f.sent(), markRequest(1) + markRequest(1));
    }

    // A time already listed is ignored and ends the reading.
    void duplicateTimeEndsReading()
    {
        MarkFixture f;
        QVERIFY(f.logIn());
        f.feed({QStringLiteral("DD0300"), markTime(1, 6250)});
        QCOMPARE(f.sent(), markRequest(1) + markRequest(2));
        f.mark.recievedCommandFF03(markTime(2, 6250));
        QCOMPARE(f.mark.marks, QList<int>{6250});
        QCOMPARE(f.announced(), QList<int>{6250});
        QCOMPARE(f.sent(), markRequest(1) + markRequest(2));
        // The reading is over, but a reply that still comes is taken.
        f.mark.recievedCommandFF03(markTime(3, 9000));
        QCOMPARE(f.mark.marks, (QList<int>{6250, 9000}));
        QCOMPARE(f.sent(), markRequest(1) + markRequest(2));
    }

    // The poll went out twice and both count replies came: each starts a
    // reading, and every mark is still listed once.
    void twoCountRepliesListEachMarkOnce()
    {
        MarkFixture f;
        QVERIFY(f.logIn());
        f.mark.requestMarkList();
        f.feed({QStringLiteral("DD0300"), QStringLiteral("DD0300")});
        QVERIFY(f.idle());
        f.feed({markTime(1, 100), markTime(1, 100), markTime(2, 200), markTime(3, 300)});
        QCOMPARE(f.mark.marks, (QList<int>{100, 200, 300}));
        QCOMPARE(f.announced(), (QList<int>{100, 200, 300}));
        QCOMPARE(f.clears.count(), 2);
        QCOMPARE(f.sent(400), poll + markRequest(1) + markRequest(1) + markRequest(2) + markRequest(3));
    }

    // Replies of other sub-codes, or too short to hold one, change nothing.
    void ignoredReplies_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::newRow("empty") << "";
        QTest::newRow("one character") << "D";
        QTest::newRow("other sub-code") << "XX0100";
        QTest::newRow("skip answer") << "1A00";
        QTest::newRow("lower case count") << "dd0300";
        QTest::newRow("lower case time") << "d8010000010250";
        QTest::newRow("leading space") << " DD0300";
        QTest::newRow("sub-code swapped") << "8D010000010250";
        QTest::newRow("neighbouring sub-code") << "DE0300";
    }
    void ignoredReplies()
    {
        QFETCH(QString, reply);
        MarkFixture f;
        QVERIFY(f.logIn());
        f.feed({QStringLiteral("DD0200"), markTime(1, 100)});
        f.mark.requestMarkList();
        const int id = f.mark.timerId;
        QCOMPARE(f.sent(50), markRequest(1) + markRequest(2) + poll);
        f.recorder.clearReceived();
        f.clears.clear();
        f.times.clear();

        f.mark.recievedCommandFF03(reply);
        QCOMPARE(f.mark.marks, QList<int>{100});
        QCOMPARE(f.mark.markCount, 2);
        QCOMPARE(f.mark.timerId, id);
        QVERIFY(f.retryRuns());
        QCOMPARE(f.clears.count(), 0);
        QCOMPARE(f.times.count(), 0);
        QCOMPARE(f.sent(), QByteArray());
    }

    // A mark more than one second behind the position turns the skip back into
    // a skip to a mark; any mark after it does so for the skip forward.
    void skip_data()
    {
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QList<int>>("marks");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray markBack = "07F031A01\r\n";
        const QByteArray trackBack = "01A01\r\n055\r\n";
        const QByteArray markNext = "07F031A00\r\n";
        const QByteArray trackNext = "01A00\r\n055\r\n";
        QTest::newRow("back: mark well behind") << false << QList<int>{350, 900} << 500 << markBack;
        QTest::newRow("back: mark one second behind") << false << QList<int>{400} << 500 << trackBack;
        QTest::newRow("back: just over one second") << false << QList<int>{399} << 500 << markBack;
        QTest::newRow("back: later mark listed first") << false << QList<int>{900, 350} << 500 << markBack;
        QTest::newRow("back: several qualify, one command") << false << QList<int>{100, 200} << 500 << markBack;
        QTest::newRow("back: all marks ahead") << false << QList<int>{600, 900} << 500 << trackBack;
        QTest::newRow("back: mark at the start") << false << QList<int>{0} << 101 << markBack;
        QTest::newRow("back: mark at the start, too close") << false << QList<int>{0} << 100 << trackBack;
        QTest::newRow("back: no marks") << false << QList<int>{} << 500 << trackBack;
        QTest::newRow("next: mark at the position") << true << QList<int>{900} << 900 << trackNext;
        QTest::newRow("next: mark just ahead") << true << QList<int>{901} << 900 << markNext;
        QTest::newRow("next: ahead mark listed last") << true << QList<int>{100, 1000} << 900 << markNext;
        QTest::newRow("next: several qualify, one command") << true << QList<int>{1000, 2000} << 900 << markNext;
        QTest::newRow("next: all marks behind") << true << QList<int>{100, 200} << 900 << trackNext;
        QTest::newRow("next: no marks") << true << QList<int>{} << 0 << trackNext;
    }
    void skip()
    {
        QFETCH(bool, forward);
        QFETCH(QList<int>, marks);
        QFETCH(int, elapsed);
        QFETCH(QByteArray, expected);
        MarkFixture f;
        QVERIFY(f.logIn());
        f.mark.marks = marks;
        if (forward)
            f.mark.skipNext(elapsed);
        else
            f.mark.skipPrevious(elapsed);
        QCOMPARE(f.sent(), expected);
        QCOMPARE(f.mark.marks, marks);
        QVERIFY(f.events.isEmpty());
    }

    // Redrawing announces the list again, in arrival order, and sends nothing.
    void redrawAnnouncesListAgain_data()
    {
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("three marks") << QList<int>{900, 100, 500} << QStringList{"clear", "900", "100", "500"};
        QTest::newRow("no marks") << QList<int>{} << QStringList{"clear"};
    }
    void redrawAnnouncesListAgain()
    {
        QFETCH(QList<int>, times);
        QFETCH(QStringList, events);
        MarkFixture f;
        QVERIFY(f.logIn());
        f.mark.recievedCommandFF03(QStringLiteral("DD") + pair(times.size()));
        for (int i = 0; i < times.size(); ++i)
            f.mark.recievedCommandFF03(markTime(i + 1, times.at(i)));
        QTest::qWait(100);
        f.recorder.clearReceived();
        f.events.clear();

        QVERIFY(QMetaObject::invokeMethod(&f.mark, "redrawMark"));
        QCOMPARE(f.events, events);
        QCOMPARE(f.mark.marks, times);
        QCOMPARE(f.sent(), QByteArray());
        f.events.clear();
        f.mark.redrawMark();
        QCOMPARE(f.events, events);
    }

    // The signals are declared with the time first, then the clearing.
    void signalOrder()
    {
        const QMetaObject &meta = Mark::staticMetaObject;
        const int time = meta.indexOfSignal("markTimeReceived(int)");
        const int clear = meta.indexOfSignal("markClear()");
        QVERIFY(time >= 0 && clear >= 0);
        QVERIFY(time < clear);
    }
};

HB740_TEST_MAIN(TestMark)
#include "tst_mark.moc"
