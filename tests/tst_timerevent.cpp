#include "TestMain.h"
#include "TimerEventFixture.h"

#include <QtTest>

Q_DECLARE_METATYPE(TimerEventValues)

// The timer-event record both ways, and the list conversation with the
// recorder: reading under each filter, the focus and its re-read, and what
// is refused.

namespace {

QString decoded(const QString &reply)
{
    TimerEventObject row(TimerEventValues::decode(reply));
    return describeEvent(&row);
}

TimerEventValues makeEvent(bool enable, int type, const QString &date, const QString &time, const QString &option = {},
                       int count = 1, const QString &interval = QStringLiteral("00:00"), int timeMode = 0)
{
    TimerEventValues v;
    v.enable = enable;
    v.eventType = type;
    v.date = date;
    v.time = time;
    v.option = option;
    v.repeatEventCount = count;
    v.repeatIntervalTime = interval;
    v.timeMode = timeMode;
    return v;
}

// "D7" + number 1 + the fields from enable on.
QString reply(const char *fields, const QString &option = {})
{
    return QStringLiteral("D70100") + QLatin1String(fields) + option;
}

} // namespace

class TestTimerEvent : public QObject
{
    Q_OBJECT

private slots:
    void decodeRecord_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("row");
        //                       en ty yymmdd ww hhmmss in tm hhmm rr
        QTest::newRow("play on a date") << reply("01" "00" "240517" "00" "100000" "00" "00" "0000" "01", "A:/x.wav")
                                        << "on|0|2024/05/17|10:00:00|0|00:00|1|A:/x.wav";
        QTest::newRow("end time, off") << reply("00" "00" "240517" "00" "235959" "00" "01" "0000" "01")
                                       << "off|0|2024/05/17|23:59:59|1|00:00|1|";
        QTest::newRow("enable not 00 is on") << reply("x1" "03" "240517" "00" "000000" "00" "00" "0000" "01")
                                             << "on|3|2024/05/17|00:00:00|0|00:00|1|";
        QTest::newRow("sunday only") << reply("01" "03" "000000" "81" "070000" "00" "00" "0000" "01")
                                     << "on|3|S______|07:00:00|0|00:00|1|";
        QTest::newRow("monday to saturday") << reply("01" "03" "000000" "fe" "070000" "00" "00" "0000" "01")
                                            << "on|3|_MTWTFS|07:00:00|0|00:00|1|";
        QTest::newRow("upper-case flags") << reply("01" "03" "000000" "FF" "070000" "00" "00" "0000" "01")
                                          << "on|3|SMTWTFS|07:00:00|0|00:00|1|";
        QTest::newRow("weekly, no day") << reply("01" "03" "000000" "80" "070000" "00" "00" "0000" "01")
                                        << "on|3|_______|07:00:00|0|00:00|1|";
        QTest::newRow("weekly wins over a date") << reply("01" "03" "240517" "8a" "070000" "00" "00" "0000" "01")
                                                 << "on|3|_M_W___|07:00:00|0|00:00|1|";
        QTest::newRow("every day whatever the date")
            << reply("01" "03" "241200" "00" "070000" "00" "00" "0000" "01") << "on|3|EVERY DAY|07:00:00|0|00:00|1|";
        QTest::newRow("every month") << reply("01" "03" "240015" "00" "070000" "00" "00" "0000" "01")
                                     << "on|3|2024/00/15|07:00:00|0|00:00|1|";
        for (int month = 1; month <= 12; ++month) {
            const QString mm = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
            QTest::addRow("month %d", month)
                << QStringLiteral("D70100" "01" "03" "25") + mm + QStringLiteral("28" "00" "070000" "00" "00" "0000" "01")
                << QStringLiteral("on|3|2025/%1/28|07:00:00|0|00:00|1|").arg(mm);
        }
        QTest::newRow("count 00 is 100") << reply("01" "01" "240517" "00" "070000" "00" "00" "0130" "00")
                                         << "on|1|2024/05/17|07:00:00|0|01:30|100|";
        QTest::newRow("count 99") << reply("01" "01" "240517" "00" "070000" "00" "00" "2359" "99")
                                  << "on|1|2024/05/17|07:00:00|0|23:59|99|";
        const QStringList inputs{"ANALOG(UNBAL.)", "ANALOG(BAL.)", "DIGITAL(COAX.)", "DIGITAL(XLR)", "DIGITAL(Dante)"};
        for (int input = 0; input < inputs.size(); ++input) {
            QTest::addRow("record input %d", input)
                << QStringLiteral("D70100" "01" "02" "240517" "00" "070000" "0") + QString::number(input)
                       + QStringLiteral("00" "0000" "01" "ignored")
                << QStringLiteral("on|2|2024/05/17|07:00:00|0|00:00|1|%1").arg(inputs.at(input));
        }
        QTest::newRow("unknown record input") << reply("01" "02" "240517" "00" "070000" "07" "00" "0000" "01")
                                              << "on|2|2024/05/17|07:00:00|0|00:00|1|";
        QTest::newRow("download target in UTF-8")
            << reply("01" "04" "240517" "00" "070000" "00" "00" "0000" "01", QString::fromUtf8("ftp/Größe €"))
            << QString::fromUtf8("on|4|2024/05/17|07:00:00|0|00:00|1|ftp/Größe €");
        QTest::newRow("cut short") << "D70100" "01" "00" "2405"
                                   << "on|0|2024/05/|::|0|:|100|";
    }
    void decodeRecord()
    {
        QFETCH(QString, reply);
        QFETCH(QString, row);
        QCOMPARE(decoded(reply), row);
    }

    void encodeRecord_data()
    {
        QTest::addColumn<TimerEventValues>("event");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QByteArray>("line");
        const QByteArray head = "07F4742";
        QTest::newRow("play with its file")
            << makeEvent(true, 0, "2024/05/17", "10:20:30", "A:/Concert/Aria.wav") << 1 << false
            << head + "0100" "01" "00" "240517" "00" "102030" "00" "00" "0000" "01" "A:/Concert/Aria.wav\r\n";
        QTest::newRow("end time, event 123")
            << makeEvent(false, 0, "2024/05/17", "10:20:30", "x", 1, "00:00", 1) << 123 << false
            << head + "2301" "00" "00" "240517" "00" "102030" "00" "01" "0000" "01" "x\r\n";
        QTest::newRow("repeat play 100 times")
            << makeEvent(true, 1, "2024/05/17", "10:20:30", "f", 100, "01:05") << 9999 << false
            << head + "9999" "01" "01" "240517" "00" "102030" "00" "00" "0105" "00" "f\r\n";
        QTest::newRow("every day") << makeEvent(true, 3, "EVERY DAY", "06:30:00", "dropped") << 2 << false
                                   << head + "0200" "01" "03" "000000" "00" "063000" "00" "00" "0000" "01\r\n";
        QTest::newRow("sunday") << makeEvent(true, 3, "S______", "06:30:00") << 2 << false
                                << head + "0200" "01" "03" "000000" "81" "063000" "00" "00" "0000" "01\r\n";
        QTest::newRow("monday to saturday") << makeEvent(true, 3, "_MTWTFS", "06:30:00") << 2 << false
                                            << head + "0200" "01" "03" "000000" "fe" "063000" "00" "00" "0000" "01\r\n";
        QTest::newRow("every month") << makeEvent(true, 3, "2024/00/15", "06:30:00") << 2 << false
                                     << head + "0200" "01" "03" "240015" "00" "063000" "00" "00" "0000" "01\r\n";
        const QStringList inputs{"ANALOG(UNBAL.)", "ANALOG(BAL.)", "DIGITAL(COAX.)", "DIGITAL(XLR)", "DIGITAL(Dante)"};
        for (int input = 0; input < inputs.size(); ++input) {
            QTest::addRow("record from %s", qPrintable(inputs.at(input)))
                << makeEvent(true, 2, "2024/05/17", "06:30:00", inputs.at(input), 99) << 3 << false
                << head + "0300" "01" "02" "240517" "00" "063000" "0" + QByteArray::number(input)
                       + "00" "0000" "99\r\n";
        }
        QTest::newRow("record from an unknown input") << makeEvent(true, 2, "2024/05/17", "06:30:00", "MIC") << 3 << false
                                                      << head + "0300" "01" "02" "240517" "00" "063000" "00" "00" "0000" "01\r\n";
        QTest::newRow("toggled off") << makeEvent(true, 4, "2024/05/17", "06:30:00", "t") << 1 << true
                                     << head + "0100" "00" "04" "240517" "00" "063000" "00" "00" "0000" "01" "t\r\n";
        QTest::newRow("toggled on") << makeEvent(false, 3, "2024/05/17", "06:30:00") << 1 << true
                                    << head + "0100" "01" "03" "240517" "00" "063000" "00" "00" "0000" "01\r\n";
        QTest::newRow("malformed texts stay digits") << makeEvent(true, 3, "2024/5", "7:05", "") << 1 << false
                                                     << head + "0100" "01" "03" "245000" "00" "705000" "00" "00" "0000" "01\r\n";
        const QByteArray fields = "01" "00" "240517" "00" "102030" "00" "00" "0000" "01";
        QTest::newRow("800 characters: 768 go") << makeEvent(true, 0, "2024/05/17", "10:20:30", QString(800, 'a')) << 1
                                                << false << head + "0100" + fields + QByteArray(768, 'a') + "\r\n";
        QTest::newRow("cut before a character across byte 768")
            << makeEvent(true, 0, "2024/05/17", "10:20:30", QString(767, 'a') + QString::fromUtf8("éz")) << 1 << false
            << head + "0100" + fields + QByteArray(767, 'a') + "\r\n";
        QTest::newRow("three-byte character ending at 768")
            << makeEvent(true, 0, "2024/05/17", "10:20:30", QString(765, 'a') + QString::fromUtf8("€z")) << 1 << false
            << head + "0100" + fields + QByteArray(765, 'a') + "\xe2\x82\xac" "\r\n";
        QTest::newRow("control characters removed")
            << makeEvent(true, 0, "2024/05/17", "10:20:30", QString::fromUtf8("A:/a\r\n07F4744\t0000\x01.wav") + QChar(0) + "x")
            << 1 << false << head + "0100" + fields + "A:/a07F47440000.wavx\r\n";
    }
    void encodeRecord()
    {
        QFETCH(TimerEventValues, event);
        QFETCH(int, number);
        QFETCH(bool, toggle);
        QFETCH(QByteArray, line);
        const std::optional<QByteArray> written = TimerEvent::recordLine(event, number, toggle);
        QVERIFY(written);
        QCOMPARE(*written, line);
    }

    // Numbers outside 0..9999 would address another event; a path that
    // climbs out of its folder is no path the recorder should take.
    void encodeRefused_data()
    {
        QTest::addColumn<TimerEventValues>("event");
        QTest::addColumn<int>("number");
        QTest::newRow("number 0") << makeEvent(true, 3, "EVERY DAY", "00:00:00") << 0;
        QTest::newRow("number 10000") << makeEvent(true, 3, "EVERY DAY", "00:00:00") << 10000;
        QTest::newRow("number 12345") << makeEvent(true, 3, "EVERY DAY", "00:00:00") << 12345;
        QTest::newRow("negative") << makeEvent(true, 3, "EVERY DAY", "00:00:00") << -3;
        QTest::newRow("parent folder") << makeEvent(true, 0, "EVERY DAY", "00:00:00", "A:/../x.wav") << 1;
        QTest::newRow("parent folder, backslash") << makeEvent(true, 1, "EVERY DAY", "00:00:00", "A:\\a\\..") << 1;
        QTest::newRow("parent hidden by a NUL") << makeEvent(true, 4, "EVERY DAY", "00:00:00", QString(".") + QChar(0) + ".") << 1;
    }
    void encodeRefused()
    {
        QFETCH(TimerEventValues, event);
        QFETCH(int, number);
        QVERIFY(!TimerEvent::recordLine(event, number));
    }

    void roundTrip()
    {
        const QList<TimerEventValues> events{
            makeEvent(true, 0, "2024/05/17", "10:20:30", QString::fromUtf8("B:/Öl/ß.wav"), 1, "00:00", 1),
            makeEvent(false, 1, "_M_W_F_", "23:59:59", "x", 100, "12:34"),
            makeEvent(true, 2, "EVERY DAY", "00:00:00", "DIGITAL(Dante)", 42),
            makeEvent(true, 3, "2024/00/31", "01:02:03", "", 7),
        };
        for (const TimerEventValues &e : events) {
            const QByteArray line = *TimerEvent::recordLine(e, 5);
            const QString text = QString::fromUtf8(line.mid(5, line.size() - 7)).replace(0, 2, "D7");
            TimerEventObject original(e);
            QCOMPARE(decoded(text), describeEvent(&original));
        }
    }

    void setterSignalsOnlyOnChange()
    {
        TimerEventObject row;
        QSignalSpy time(&row, &TimerEventObject::timeChanged);
        QSignalSpy option(&row, &TimerEventObject::optionChanged);
        row.setTime("07:00:00");
        row.setTime("07:00:00");
        row.setOption(QString());
        QCOMPARE(time.count(), 1);
        QCOMPARE(option.count(), 0);
    }

    // Each filter against the scripted recorder: the count, one read per
    // event, the list published once, complete.
    void listRead_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("rows");
        const QString play = "on|0|2024/05/17|10:00:00|0|00:00|1|A:/Concert/Aria.wav";
        const QString record = "on|2|EVERY DAY|06:30:00|0|00:00|1|ANALOG(UNBAL.)";
        const QString stop = "off|3|2024/06/01|12:00:00|0|00:00|1|";
        QTest::newRow("all") << 0 << linesOf({"07F475DAA0000", "07F47570100", "07F47570200", "07F47570300"})
                             << QStringList{play, record, stop};
        QTest::newRow("today") << 1 << linesOf({"07F475DDD0000", "07F47570100", "07F47570200"})
                               << QStringList{play, record};
        QTest::newRow("one date") << 2 << linesOf({"07F475D240601", "07F47570100", "07F47570200"})
                                  << QStringList{record, stop};
    }
    void listRead()
    {
        QFETCH(int, filter);
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, rows);
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        QCOMPARE(f.filledPublications(), 1);
        if (filter == 0) {
            f.tev->listBusy = false; // a fresh read, as after a medium change
            f.tev->showAll();
        } else if (filter == 1) {
            f.tev->showToday();
        } else {
            f.tev->showDate(QDate(2024, 6, 1));
        }
        QCOMPARE(f.sent(), lines);
        QCOMPARE(f.rows(), rows);
        QCOMPARE(describeEvents(f.published()), rows);
        QCOMPARE(f.filledPublications(), 2);
        QVERIFY(!f.tev->listBusy);
        QCOMPARE(f.tev->filter, filter);
    }

    void emptyList()
    {
        TimerEventFixture f(true);
        f.events.events.clear();
        QVERIFY(f.start());
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000"}));
        QVERIFY(f.published().isEmpty());
        QVERIFY(!f.tev->listBusy);
        QCOMPARE(f.filledPublications(), 0);
    }

    void filterTexts()
    {
        TimerEventFixture f(false);
        QVERIFY(f.start());
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000"}));
        // A second request while the first is under way sends nothing.
        f.tev->showToday();
        QCOMPARE(f.sent(), QByteArray());
        f.play({"DD" "AA0000" "0000"});
        QVERIFY(!f.tev->listBusy);
        f.tev->showDate(QDate(2024, 5, 9));
        QCOMPARE(f.sent(), linesOf({"07F475D240509"}));
        f.play({"DD" "240509" "0000"});
        f.tev->showDate(QDate());
        QCOMPARE(f.sent(), linesOf({"07F475D000000"}));
    }

    // Each state that makes timer events unusable: the list goes, nothing is sent.
    void refused_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("CD") << "medium CD";
        QTest::newRow("no medium") << "medium ";
        QTest::newRow("area folder") << "area FOLDER";
        QTest::newRow("area playlist") << "area PLAYLIST";
        QTest::newRow("mode program") << "mode PROGRAM";
        QTest::newRow("mode random") << "mode RANDOM";
        QTest::newRow("no status") << "status";
        QTest::newRow("no right") << "right";
    }
    void refused()
    {
        QFETCH(QString, state);
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        QCOMPARE(f.rows().size(), 3);
        const QString value = state.section(' ', 1);
        if (state.startsWith("medium"))
            f.tev->setCurrentMedia(value);
        else if (state.startsWith("area"))
            f.tev->setPlayArea(value);
        else if (state.startsWith("mode"))
            f.tev->setPlayMode(value);
        else if (state == "status")
            f.tev->statusIcon = 0;
        else
            f.permission.recievedCommandFF6AFE("10");
        f.tev->showAll();
        f.tev->showToday();
        f.tev->startTimerEvent();
        QCOMPARE(f.sent(), QByteArray());
        if (state != "right") {
            QVERIFY(f.rows().isEmpty());
            QVERIFY(f.published().isEmpty());
        }
        QVERIFY(!f.tev->listBusy);
    }

    void availabilityFlags()
    {
        TimerEvent tev;
        QSignalSpy disabled(&tev, &TimerEvent::disabledAreaAndModeChanged);
        QVERIFY(tev.disabledAreaAndMode);
        tev.setPlayArea("ALL");
        QVERIFY(tev.disabledAreaAndMode);
        tev.setPlayMode("SINGLE");
        QVERIFY(!tev.disabledAreaAndMode);
        tev.setPlayMode("CONTINUE");
        tev.setPlayArea("ALL");
        QCOMPARE(disabled.count(), 1);
        tev.setPlayArea("FOLDER");
        QVERIFY(tev.disabledAreaAndMode);
        QVERIFY(tev.mediaCD);
        tev.setCurrentMedia("USB");
        QVERIFY(!tev.mediaCD);
    }

    void statusStartsTheList()
    {
        TimerEventFixture f(true);
        QVERIFY(f.link.logIn());
        f.permission.recievedCommandFF6AFE("11");
        f.tev->setPlayArea("ALL");
        f.tev->setPlayMode("SINGLE");
        f.tev->setCurrentMedia("SD2");
        QCOMPARE(f.sent(), QByteArray());
        f.tev->setStatus(17);
        QCOMPARE(f.sent().left(15), QByteArray("07F475DAA0000\r\n"));
        f.tev->setStatus(16);
        f.tev->setStatus(17);
        QCOMPARE(f.sent(), QByteArray());
    }

    void danteFlag_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("dante");
        QTest::newRow("nothing after offset 5") << "D6000" << false;
        QTest::newRow("1") << "D60001" << true;
        QTest::newRow("11") << "D600011" << false;
        QTest::newRow("0") << "D60000" << false;
    }
    void danteFlag()
    {
        QFETCH(QString, reply);
        QFETCH(bool, dante);
        TimerEvent tev;
        tev.setEnableDante(!dante);
        tev.recievedCommandFF47(reply);
        QCOMPARE(tev.enableDante, dante);
    }

    // A completed read focuses the event the recorder named and scrolls to it once.
    void pendingFocus()
    {
        TimerEventFixture f(false);
        QVERIFY(f.start());
        f.sent();
        QSignalSpy scroll(f.tev.get(), &TimerEvent::setNewFocus);
        f.play({"C00300", "DD" "AA0000" "0300", "D70100" "01" "03" "240517" "00" "000000" "00" "00" "0000" "01",
                "D70200" "01" "03" "240518" "00" "000000" "00" "00" "0000" "01"});
        QCOMPARE(scroll.count(), 0);
        f.play({"D70300" "01" "03" "240519" "00" "000000" "00" "00" "0000" "01"});
        QCOMPARE(f.tev->focus, 2);
        QCOMPARE(scroll.count(), 1);
        QCOMPARE(f.tev->editBackup.getDate(), QString("2024/05/19"));
        QCOMPARE(f.tev->pendingFocus, -1);
        // With filter 0 the focus sends nothing.
        QCOMPARE(f.sent(), linesOf({"07F47570100", "07F47570200", "07F47570300"}));
        // A pending focus beyond the list focuses nothing.
        f.tev->setFocus(-1);
        f.play({"C00900", "F6"});
        f.sent();
        QCOMPARE(f.tev->focus, -1);
        QCOMPARE(scroll.count(), 1);
    }

    // Focusing a row of a filtered list re-reads it from the unfiltered list,
    // then puts the recorder's filter back.
    void focusReRead()
    {
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        f.tev->showToday();
        f.sent();
        QCOMPARE(f.rows().size(), 2);
        // The recorder's copy of the second event has changed meanwhile.
        f.events.events[1] = FakeTimerEvents::record("01", "02", "000000", "00", "073000");
        QSignalSpy focus(f.tev.get(), &TimerEvent::focusChanged);
        f.tev->setFocus(1);
        QCOMPARE(f.sent(), linesOf({"07F47550200", "07F475DAA0000", "07F47570200", "07F475DDD0000"}));
        QCOMPARE(f.tev->eventAt(1)->getTime(), QString("07:30:00"));
        QCOMPARE(f.tev->editBackup.getTime(), QString("06:30:00"));
        QCOMPARE(f.events.currentFilter, QByteArray("DD0000"));
        QCOMPARE(f.tev->refreshState, 0);
        QVERIFY(!f.tev->listBusy);
        QCOMPARE(focus.count(), 1);
        f.tev->setFocus(1);
        QCOMPARE(focus.count(), 1);
        QCOMPARE(f.sent(), QByteArray());
        f.tev->setFocus(-1);
        f.tev->showAll();
        QCOMPARE(f.sent().left(15), QByteArray("07F475DAA0000\r\n"));
    }

    // The read follows the numbers it expects: a number that skips, repeats
    // or passes the count ends the read instead of asking on for ever.
    void readStopsOnWrongNumber_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("skips past the count") << QStringList{"0100", "0500"};
        QTest::newRow("repeats") << QStringList{"0100", "0100"};
        QTest::newRow("at the top") << QStringList{"9999"};
        QTest::newRow("zero") << QStringList{"0000"};
    }
    void readStopsOnWrongNumber()
    {
        QFETCH(QStringList, numbers);
        TimerEventFixture f(false);
        QVERIFY(f.start());
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000"}));
        f.play({"DD" "AA0000" "0300"});
        for (const QString &n : numbers)
            f.play({"D7" + n + "01" "03" "240517" "00" "000000" "00" "00" "0000" "01"});
        const QByteArray sent = f.sent();
        QVERIFY2(!sent.contains("07F47570600") && sent.count("07F4757") <= 2, sent);
        QVERIFY(!f.tev->listBusy);
        QVERIFY(f.rows().isEmpty());
        QCOMPARE(f.filledPublications(), 0);
        // The next request starts afresh.
        f.tev->startTimerEvent();
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000"}));
    }

    void strayRepliesWhileIdle()
    {
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        QCOMPARE(f.rows().size(), 3);
        f.play({"D70400" "01" "03" "240517" "00" "000000" "00" "00" "0000" "01", "DD" "AA0000" "0500", "D50100",
                "D70100" "01" "03" "240517" "00" "000000" "00" "00" "0000" "01"});
        QCOMPARE(f.sent(), QByteArray());
        QCOMPARE(f.rows().size(), 3);
        QCOMPARE(f.published().size(), 3);
    }

    // The right given back in the middle of a read, then granted again: the
    // grant starts the read afresh.
    void grantRestartsARead_data()
    {
        QTest::addColumn<bool>("replyWhileReturned");
        QTest::newRow("a reply came meanwhile") << true;
        QTest::newRow("no reply came") << false;
    }
    void grantRestartsARead()
    {
        QFETCH(bool, replyWhileReturned);
        TimerEventFixture f(false);
        QVERIFY(f.start());
        f.play({"DD" "AA0000" "0200"});
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000", "07F47570100"}));
        f.permission.recievedCommandFF6AFE("10");
        if (replyWhileReturned)
            f.play({"D70100" "01" "03" "240517" "00" "000000" "00" "00" "0000" "01"});
        QCOMPARE(f.sent(), QByteArray());
        f.permission.recievedCommandFF6AFE("11");
        f.tev->startTimerEvent(); // what the window does on every grant
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000"}));
        QVERIFY(f.tev->listBusy);
        f.play({"DD" "AA0000" "0100", "D70100" "01" "03" "240517" "00" "000000" "00" "00" "0000" "01"});
        QCOMPARE(f.rows().size(), 1);
        QCOMPARE(f.published().size(), 1);
    }

    // During a re-read the recorder's list is the unfiltered one: an "F6" or
    // a list request waits for the filter to be restored, and then runs.
    void listRequestDuringReRead()
    {
        TimerEventFixture f(false);
        QVERIFY(f.start());
        f.sent();
        f.tev->showToday();
        f.sent();
        f.play({"DD" "DD0000" "0200", "D70100" "01" "00" "240517" "00" "100000" "00" "00" "0000" "01" "a",
                "D70200" "01" "03" "000000" "00" "063000" "00" "00" "0000" "01"});
        QCOMPARE(f.rows().size(), 2);
        f.sent();
        f.tev->setFocus(1);
        QCOMPARE(f.sent(), linesOf({"07F47550200"}));
        f.play({"F6"});
        f.tev->showToday();
        QCOMPARE(f.sent(), QByteArray());
        f.play({"D50300"});
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000"}));
        f.play({"F6"});
        f.play({"DD" "AA0000" "0300"});
        QCOMPARE(f.sent(), linesOf({"07F47570300"}));
        f.play({"D70300" "01" "03" "000000" "00" "064500" "00" "00" "0000" "01"});
        QCOMPARE(f.tev->eventAt(1)->getTime(), QString("06:45:00"));
        QCOMPARE(f.sent(), linesOf({"07F475DDD0000"}));
        f.play({"DD" "DD0000" "0200"});
        // The re-read is over; the queued request reads the filtered list.
        QCOMPARE(f.sent(), linesOf({"07F475DDD0000"}));
        QCOMPARE(f.tev->refreshState, 0);
        QVERIFY(f.tev->listBusy);
    }

    // A card focused while the list is asked for: the count that comes
    // replaces the rows and drops the focus, so no re-read starts to take
    // the read's replies. The list is read whole, and read again later.
    void focusWhileAListIsAskedFor()
    {
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        f.tev->showToday();
        f.sent();
        QCOMPARE(f.rows().size(), 2);
        const QByteArray read = linesOf({"07F475DDD0000", "07F47570100", "07F47570200"});
        f.tev->startTimerEvent();
        f.tev->setFocus(1);
        QCOMPARE(f.sent(), read);
        QCOMPARE(f.rows().size(), 2);
        QCOMPARE(f.published().size(), 2);
        QCOMPARE(f.tev->focus, -1);
        QVERIFY(!f.tev->listBusy);
        QVERIFY(!f.tev->reReadRunning());
        f.tev->startTimerEvent();
        QCOMPARE(f.sent(), read);
        QCOMPARE(f.filledPublications(), 4);
        // Focused once the list is there, the row is re-read as before.
        f.tev->setFocus(1);
        QCOMPARE(f.sent(), linesOf({"07F47550200", "07F475DAA0000", "07F47570200", "07F475DDD0000"}));
    }

    // The re-read of an edited row keeps the operator's unsaved changes; an
    // untouched row takes the recorder's copy.
    void reReadOfAnEditedRow_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("shown");
        QTest::newRow("untouched") << false << "07:30:00";
        QTest::newRow("edited") << true << "05:00:00";
    }
    void reReadOfAnEditedRow()
    {
        QFETCH(bool, edited);
        QFETCH(QString, shown);
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.tev->showToday();
        f.sent();
        f.events.events[1] = FakeTimerEvents::record("01", "02", "000000", "00", "073000");
        f.tev->setFocus(1);
        // Before the record's reply can come.
        if (edited)
            f.tev->changeTime(5, 0, 0);
        QCOMPARE(f.sent(), linesOf({"07F47550200", "07F475DAA0000", "07F47570200", "07F475DDD0000"}));
        QVERIFY(!f.tev->reReadRunning());
        QCOMPARE(f.tev->eventAt(1)->getTime(), shown);
        QCOMPARE(f.tev->editBackup.getTime(), QString("06:30:00"));
    }

    // A re-read whose reply never comes: a change of medium or the bounded
    // wait ends it, and later requests go out again. After the wait the
    // filter is put back before the Save that waited; a medium change drops
    // that Save, as it drops the rows it was about.
    void strandedReRead_data()
    {
        QTest::addColumn<int>("repliesGiven");
        QTest::addColumn<QString>("ending");
        const QStringList steps{"position", "count", "record", "filter"};
        for (int given = 0; given < steps.size(); ++given) {
            QTest::addRow("no %s, medium change", qPrintable(steps.at(given))) << given << "medium";
            QTest::addRow("no %s, wait", qPrintable(steps.at(given))) << given << "wait";
        }
    }
    void strandedReRead()
    {
        QFETCH(int, repliesGiven);
        QFETCH(QString, ending);
        const QString stop = "01" "03" "000000" "00" "063000" "00" "00" "0000" "01";
        TimerEventFixture f(false);
        QVERIFY(f.start());
        f.play({"DD" "AA0000" "0000"});
        f.tev->showToday();
        f.play({"DD" "DD0000" "0200", "D70100" + stop, "D70200" + stop});
        QCOMPARE(f.rows().size(), 2);
        f.sent();
        f.tev->reReadTimeoutMs = ending == "wait" ? 500 : 3600 * 1000;
        f.tev->setFocus(1);
        f.tev->changeTime(6, 0, 0);
        f.tev->updateEvent();
        f.tev->showToday();
        const QStringList replies{"D50300", "DD" "AA0000" "0300", "D70300" + stop};
        f.play(replies.mid(0, repliesGiven));
        QVERIFY(f.tev->reReadRunning());
        QList<QByteArray> lines = QList<QByteArray>{"07F47550200", "07F475DAA0000", "07F47570300", "07F475DDD0000"}
                                      .mid(0, repliesGiven + 1);
        if (ending == "medium") {
            f.tev->setCurrentMedia("SD2");
            QVERIFY(!f.tev->reReadRunning());
            lines << "07F475DDD0000";
        } else {
            QTRY_VERIFY(!f.tev->reReadRunning());
            lines << "07F475DDD0000" << "07F4742" "0200" "01" "03" "000000" "00" "060000" "00" "00" "0000" "01";
        }
        QCOMPARE(f.sent(), linesOf(lines));
        QVERIFY(f.tev->listBusy);
        f.play({"DD" "DD0000" "0100"});
        QCOMPARE(f.sent(), linesOf({"07F47570100"}));
        f.play({"D70100" + stop});
        QCOMPARE(f.rows().size(), 1);
        QVERIFY(!f.tev->listBusy);
        // Idle again: a focus re-reads, a request reads.
        f.tev->setFocus(0);
        QCOMPARE(f.sent(), linesOf({"07F47550100"}));
        f.tev->setCurrentMedia("SD1");
        QCOMPARE(f.sent(), linesOf({"07F475DDD0000"}));
    }

    // A re-read whose row lost its focus meanwhile writes no row, and still
    // puts the filter back.
    void reReadAfterFocusDropped()
    {
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        f.tev->showToday();
        f.sent();
        f.events.announceChanges = false;
        f.tev->setFocus(1);
        f.tev->setFocus(-1);
        f.tev->clearList();
        QVERIFY(f.rows().isEmpty());
        QCOMPARE(f.sent(), linesOf({"07F47550200", "07F475DAA0000", "07F47570200", "07F475DDD0000"}));
        QCOMPARE(f.events.currentFilter, QByteArray("DD0000"));
        QCOMPARE(f.tev->refreshState, 0);
    }

    void focusOutsideTheList()
    {
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        QSignalSpy focus(f.tev.get(), &TimerEvent::focusChanged);
        f.tev->setFocus(3);
        f.tev->setFocus(-2);
        QCOMPARE(f.tev->focus, -1);
        QCOMPARE(focus.count(), 0);
        QCOMPARE(f.tev->getDateOfFocus(), QString());
        f.tev->setFocus(2);
        QCOMPARE(f.tev->getDateOfFocus(), QString("2024/06/01"));
        QCOMPARE(f.sent(), QByteArray());
    }

    void readOnlyDropsTheFocus()
    {
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        f.tev->setFocus(0);
        f.tev->changeTime(1, 2, 3);
        f.tev->onReadOnlyChanged(false);
        QCOMPARE(f.tev->focus, 0);
        f.tev->onReadOnlyChanged(true);
        QCOMPARE(f.tev->focus, -1);
        QCOMPARE(f.tev->eventAt(0)->getTime(), QString("10:00:00"));
        QCOMPARE(f.sent(), QByteArray());
    }

    void mediumChangeRereads()
    {
        TimerEventFixture f(true);
        QVERIFY(f.start());
        f.sent();
        f.tev->setFocus(0);
        f.tev->setCurrentMedia("CD");
        QCOMPARE(f.tev->focus, -1);
        QVERIFY(f.rows().isEmpty());
        QVERIFY(f.tev->mediaCD);
        QCOMPARE(f.sent(), QByteArray());
        f.tev->setCurrentMedia("SD2");
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000", "07F47570100", "07F47570200", "07F47570300"}));
        QCOMPARE(f.rows().size(), 3);
    }
};


HB740_TEST_MAIN(TestTimerEvent)
#include "tst_timerevent.moc"
