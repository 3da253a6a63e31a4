#include "TestMain.h"
#include "TimerEventFixture.h"

#include <QtTest>

// Editing timer events against the scripted recorder: the change methods,
// Save, Cancel, the on/off switch, creating and deleting, byte for byte.

namespace {

const QByteArray playFields = "01" "00" "240517" "00" "100000" "00" "00" "0000" "01";

} // namespace

class TestTimerEventEdit : public QObject
{
    Q_OBJECT

private:
    // Logged in with the example list read and nothing pending.
    static void ready(TimerEventFixture &f)
    {
        QVERIFY(f.start());
        f.sent();
        QCOMPARE(f.rows().size(), 3);
    }

private slots:
    void changeMethods_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("row");
        QTest::newRow("time") << "time" << "on|0|2024/05/17|07:05:00|0|00:00|1|A:/Concert/Aria.wav";
        QTest::newRow("repeat") << "repeat" << "on|0|2024/05/17|10:00:00|0|01:05|100|A:/Concert/Aria.wav";
        QTest::newRow("date") << "date" << "on|0|2024/05/09|10:00:00|0|00:00|1|A:/Concert/Aria.wav";
        QTest::newRow("every month") << "month" << "on|0|2024/00/17|10:00:00|0|00:00|1|A:/Concert/Aria.wav";
        QTest::newRow("week") << "week" << "on|0|_M_W___|10:00:00|0|00:00|1|A:/Concert/Aria.wav";
        QTest::newRow("type") << "type" << "on|0|2024/05/17|10:00:00|1|00:00|1|A:/Concert/Aria.wav";
        QTest::newRow("option") << "option" << "on|0|2024/05/17|10:00:00|0|00:00|1|B:/x.wav";
        QTest::newRow("empty input") << "input" << "on|0|2024/05/17|10:00:00|0|00:00|1|ANALOG(UNBAL.)";
        QTest::newRow("xlr input") << "xlr" << "on|0|2024/05/17|10:00:00|0|00:00|1|DIGITAL(XLR)";
    }
    void changeMethods()
    {
        QFETCH(QString, change);
        QFETCH(QString, row);
        TimerEventFixture f(true);
        ready(f);
        const QStringList before = f.rows();
        const auto apply = [&] {
            if (change == "time")
                f.tev->changeTime(7, 5, 0);
            else if (change == "repeat")
                f.tev->changeRepeat(100, 1, 5);
            else if (change == "date")
                f.tev->changeDate(QDate(2024, 5, 9), false);
            else if (change == "month")
                f.tev->changeDate(QDate(2024, 5, 17), true);
            else if (change == "week")
                f.tev->changeWeek("_M_W___");
            else if (change == "type")
                f.tev->changeType(0, 1);
            else if (change == "option")
                f.tev->changeOption("B:/x.wav");
            else if (change == "input")
                f.tev->changeRecInput("");
            else
                f.tev->changeRecInput("DIGITAL(XLR)");
        };
        // With no row focused nothing changes.
        apply();
        QCOMPARE(f.rows(), before);
        f.tev->setFocus(0);
        apply();
        QCOMPARE(f.rows().at(0), row);
        QCOMPARE(f.rows().mid(1), before.mid(1));
        QCOMPARE(f.sent(), QByteArray());
        // Cancel puts the row back as it was focused.
        f.tev->setFocus(-1);
        QCOMPARE(f.rows(), before);
    }

    void cancelSignalsWhatChanged()
    {
        TimerEventFixture f(true);
        ready(f);
        f.tev->setFocus(0);
        f.tev->changeTime(1, 2, 3);
        f.tev->changeOption("x");
        TimerEventObject *row = f.tev->eventAt(0);
        QSignalSpy time(row, &TimerEventObject::timeChanged);
        QSignalSpy option(row, &TimerEventObject::optionChanged);
        QSignalSpy date(row, &TimerEventObject::dateChanged);
        f.tev->cancelUpdate();
        QCOMPARE(time.count(), 1);
        QCOMPARE(option.count(), 1);
        QCOMPARE(date.count(), 0);
        QCOMPARE(f.tev->focus, 0);
        QCOMPARE(row->getTime(), QString("10:00:00"));
        f.tev->setFocus(-1);
        f.tev->cancelUpdate();
        QCOMPARE(time.count(), 1);
    }

    // Save sends the whole record; the recorder names the event, announces
    // the change, and the list read that follows focuses it again.
    void save()
    {
        TimerEventFixture f(true);
        ready(f);
        QSignalSpy scroll(f.tev.get(), &TimerEvent::setNewFocus);
        f.tev->setFocus(0);
        f.tev->changeTime(11, 22, 33);
        f.tev->changeOption(QString::fromUtf8("B:/Öl.wav"));
        f.tev->updateEvent();
        QCOMPARE(f.sent(), linesOf({"07F4742" "0100" "01" "00" "240517" "00" "112233" "00" "00" "0000" "01"
                                    + QString::fromUtf8("B:/Öl.wav").toUtf8(),
                                    "07F475DAA0000", "07F47570100", "07F47570200", "07F47570300"}));
        QCOMPARE(f.events.events.at(0), QByteArray("01" "00" "240517" "00" "112233" "00" "00" "0000" "01")
                                            + QString::fromUtf8("B:/Öl.wav").toUtf8());
        QCOMPARE(f.tev->focus, 0);
        QCOMPARE(scroll.count(), 1);
        QCOMPARE(f.rows().at(0), QString::fromUtf8("on|0|2024/05/17|11:22:33|0|00:00|1|B:/Öl.wav"));
    }

    // After Save the saved copy is what went out: Cancel and a focus change
    // keep the saved values, not those from before.
    void saveKeepsTheSavedValues()
    {
        TimerEventFixture f(true);
        ready(f);
        f.events.announceChanges = false;
        f.tev->setFocus(0);
        f.tev->changeTime(11, 22, 33);
        f.tev->updateEvent();
        f.sent();
        QCOMPARE(f.tev->focus, 0);
        f.tev->cancelUpdate();
        QCOMPARE(f.tev->eventAt(0)->getTime(), QString("11:22:33"));
        f.tev->changeTime(5, 5, 5);
        f.tev->setFocus(1);
        QCOMPARE(f.tev->eventAt(0)->getTime(), QString("11:22:33"));
    }

    // The switch turns the saved event over, whatever the row shows unsaved,
    // then asks for the list.
    void toggle_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("focusedAndEdited");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("play, off") << 0 << false
                                   << QByteArray("07F4742" "0100" "00" "00" "240517" "00" "100000" "00" "00" "0000" "01"
                                                 "A:/Concert/Aria.wav");
        QTest::newRow("edited play: the saved record") << 0 << true
                                   << QByteArray("07F4742" "0100" "00" "00" "240517" "00" "100000" "00" "00" "0000" "01"
                                                 "A:/Concert/Aria.wav");
        QTest::newRow("stop, on") << 2 << false
                                  << QByteArray("07F4742" "0300" "01" "03" "240601" "00" "120000" "00" "00" "0000" "01");
        QTest::newRow("edited record event") << 1 << true
                                  << QByteArray("07F4742" "0200" "00" "02" "000000" "00" "063000" "00" "00" "0000" "01");
    }
    void toggle()
    {
        QFETCH(int, row);
        QFETCH(bool, focusedAndEdited);
        QFETCH(QByteArray, record);
        TimerEventFixture f(true);
        ready(f);
        f.events.announceChanges = false;
        const QString before = f.rows().at(row);
        if (focusedAndEdited) {
            f.tev->setFocus(row);
            f.tev->changeTime(23, 59, 0);
            f.tev->changeDate(QDate(2025, 1, 1), false);
        }
        f.tev->changeEnable(row);
        const QByteArray sent = f.sent();
        QVERIFY2(sent.startsWith(record + "\r\n07F475DAA0000\r\n"), sent);
        QCOMPARE(sent.count("07F4742"), 1);
        QCOMPARE(f.events.events.at(row).left(2), QByteArray(before.startsWith("on") ? "00" : "01"));
        QCOMPARE(f.events.events.at(row).mid(4), record.mid(15));
    }

    // A new event dated today; the recorder names it and the next read focuses it.
    void create()
    {
        TimerEventFixture f(true);
        ready(f);
        QSignalSpy scroll(f.tev.get(), &TimerEvent::setNewFocus);
        f.tev->createNewEvent();
        QCOMPARE(f.sent(), linesOf({"07F47400100" "240517" "000000000100000001", "07F475DAA0000", "07F47570100",
                                    "07F47570200", "07F47570300", "07F47570400"}));
        QCOMPARE(f.rows().size(), 4);
        QCOMPARE(f.tev->focus, 3);
        QCOMPARE(scroll.count(), 1);
        QCOMPARE(f.tev->getDateOfFocus(), QString("2024/05/17"));
    }

    void deleteOne()
    {
        TimerEventFixture f(true);
        ready(f);
        f.tev->setFocus(0);
        f.tev->changeTime(1, 1, 1);
        f.tev->deleteItem(0);
        QCOMPARE(f.tev->focus, -1);
        QCOMPARE(f.sent(), linesOf({"07F47440100", "07F475DAA0000", "07F47570100", "07F47570200"}));
        QCOMPARE(f.rows().size(), 2);
        QVERIFY(f.rows().at(0).startsWith("on|2|EVERY DAY"));
    }

    void deleteAll()
    {
        TimerEventFixture f(true);
        ready(f);
        f.tev->deleteItem(-1);
        QCOMPARE(f.sent(), linesOf({"07F47440000", "07F475DAA0000"}));
        QVERIFY(f.rows().isEmpty());
        QVERIFY(f.events.events.isEmpty());
    }

    // Only -1 means all; any other number outside the list is refused, as
    // are toggles of rows that are not there.
    void numbersOutsideTheList_data()
    {
        QTest::addColumn<QString>("call");
        QTest::newRow("delete -2") << "delete -2";
        QTest::newRow("delete past the end") << "delete 3";
        QTest::newRow("delete 9999") << "delete 9999";
        QTest::newRow("delete 12345") << "delete 12345";
        QTest::newRow("toggle -1") << "toggle -1";
        QTest::newRow("toggle past the end") << "toggle 3";
        QTest::newRow("save with no focus") << "save -1";
    }
    void numbersOutsideTheList()
    {
        QFETCH(QString, call);
        TimerEventFixture f(true);
        ready(f);
        const int number = call.section(' ', 1).toInt();
        if (call.startsWith("delete"))
            f.tev->deleteItem(number);
        else if (call.startsWith("toggle"))
            f.tev->changeEnable(number);
        else
            f.tev->updateEvent();
        QCOMPARE(f.sent(), QByteArray());
        QCOMPARE(f.events.events.size(), 3);
        QCOMPARE(f.rows().size(), 3);
    }

    // Option texts reach the recorder as one line, without control
    // characters; a path out of its folder is not sent.
    void optionTexts()
    {
        TimerEventFixture f(true);
        ready(f);
        f.events.announceChanges = false;
        f.tev->setFocus(0);
        f.tev->changeOption(QString("A:/a\r\n07F4744") + QChar(0) + "0000.wav");
        f.tev->updateEvent();
        QCOMPARE(f.sent(), linesOf({"07F4742" "0100" + playFields + "A:/a07F47440000.wav"}));
        QCOMPARE(f.events.events.size(), 3);
        f.tev->changeOption("A:/../../x.wav");
        f.tev->updateEvent();
        QCOMPARE(f.sent(), QByteArray());
    }

    // Save, toggle, delete and create during a re-read wait for its end: the
    // event numbers of the filtered list are valid again only then. The
    // re-read leaves the unsaved time on screen, and Save sends the row as it
    // was when pressed, not the change made after.
    void editsWaitForTheReRead()
    {
        TimerEventFixture f(false);
        QVERIFY(f.start());
        f.sent();
        f.play({"DD" "AA0000" "0000"});
        f.tev->showToday();
        f.play({"DD" "DD0000" "0200", "D70100" + playFields + "a", "D70200" "01" "03" "000000" "00" "063000" "00" "00" "0000" "01"});
        f.sent();
        f.tev->setFocus(1);
        f.tev->changeTime(6, 0, 0);
        f.tev->updateEvent();
        f.tev->changeTime(7, 0, 0);
        f.tev->changeEnable(0);
        f.tev->createNewEvent();
        QCOMPARE(f.sent(), linesOf({"07F47550200"}));
        f.play({"D50300", "DD" "AA0000" "0300", "D70300" "01" "03" "000000" "00" "063000" "00" "00" "0000" "01"});
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000", "07F47570300", "07F475DDD0000"}));
        QCOMPARE(f.tev->eventAt(1)->getTime(), QString("07:00:00"));
        f.play({"DD" "DD0000" "0200"});
        QCOMPARE(f.sent(), linesOf({"07F4742" "0200" "01" "03" "000000" "00" "060000" "00" "00" "0000" "01",
                                    "07F4742" "0100" "00" "00" "240517" "00" "100000" "00" "00" "0000" "01" "a",
                                    "07F475DDD0000", "07F47400100" "240517" "000000000100000001"}));
        // The saved time is what Cancel goes back to.
        QCOMPARE(f.tev->eventAt(1)->getTime(), QString("07:00:00"));
        QCOMPARE(f.tev->editBackup.getTime(), QString("06:00:00"));
        // A deletion waits as well.
        f.play({"DD" "DD0000" "0200", "D70100" + playFields + "a", "D70200" "01" "03" "000000" "00" "063000" "00" "00" "0000" "01"});
        f.sent();
        f.tev->setFocus(1);
        f.tev->deleteItem(0);
        QCOMPARE(f.sent(), linesOf({"07F47550200"}));
        f.play({"D50300", "DD" "AA0000" "0300", "D70300" "01" "03" "000000" "00" "063000" "00" "00" "0000" "01",
                "DD" "DD0000" "0200"});
        QCOMPARE(f.sent(), linesOf({"07F475DAA0000", "07F47570300", "07F475DDD0000", "07F47440100"}));
        QCOMPARE(f.tev->focus, -1);
    }

    void unavailableOnlyClears_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("CD") << "CD";
        QTest::newRow("area folder") << "FOLDER";
        QTest::newRow("mode random") << "RANDOM";
    }
    void unavailableOnlyClears()
    {
        QFETCH(QString, state);
        const QStringList calls{"save", "toggle", "create", "delete", "delete all"};
        for (const QString &call : calls) {
            TimerEventFixture f(true);
            ready(f);
            f.tev->setFocus(0);
            if (state == "CD") {
                // The medium report alone would clear; the flag is what the calls test.
                f.tev->mediaCD = true;
            } else if (state == "FOLDER") {
                f.tev->areaIsAll = false;
                f.tev->disabledAreaAndMode = true;
            } else {
                f.tev->modeIsContinueOrSingle = false;
                f.tev->disabledAreaAndMode = true;
            }
            if (call == "save")
                f.tev->updateEvent();
            else if (call == "toggle")
                f.tev->changeEnable(0);
            else if (call == "create")
                f.tev->createNewEvent();
            else if (call == "delete")
                f.tev->deleteItem(0);
            else
                f.tev->deleteItem(-1);
            QVERIFY2(f.sent().isEmpty(), qPrintable(call));
            QVERIFY2(f.rows().isEmpty(), qPrintable(call));
            QVERIFY2(f.published().isEmpty(), qPrintable(call));
            QCOMPARE(f.tev->focus, -1);
            QCOMPARE(f.events.events.size(), 3);
        }
    }

    // Without the right nothing reaches the recorder, and the row still changes.
    void withoutTheRight()
    {
        TimerEventFixture f(true);
        ready(f);
        f.permission.recievedCommandFF6AFE("10");
        f.tev->setFocus(0);
        f.tev->changeTime(9, 9, 9);
        QCOMPARE(f.tev->eventAt(0)->getTime(), QString("09:09:09"));
        f.tev->updateEvent();
        f.tev->changeEnable(1);
        f.tev->createNewEvent();
        f.tev->deleteItem(2);
        f.tev->deleteItem(-1);
        QCOMPARE(f.sent(), QByteArray());
        QCOMPARE(f.events.events.size(), 3);
    }
};

HB740_TEST_MAIN(TestTimerEventEdit)
#include "tst_timereventedit.moc"
