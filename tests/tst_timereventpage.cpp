#include "TimerPage.h"
#include "TestMain.h"

#include <QtTest>

class TestTimerEventPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<TimerPage> page;
    TimerPage &p() { return *page; }

private slots:
    void initTestCase()
    {
        page = std::make_unique<TimerPage>();
        QVERIFY(p().start());
    }

    void cleanup()
    {
        QVERIFY2(p().h.window.warnings().isEmpty(), qPrintable(p().h.window.warnings().join('\n')));
        p().closePopups();
    }

    // Each card shows its event: schedule, number, toggle, time, repeat,
    // type and option; a disabled event is shaded.
    void cards()
    {
        QVERIFY(p().list({
            rec("01", "00", "240517", "00", "100000", "00", "01", "0105", "00", "\\MUSIC\\take01.wav"),
            rec("01", "02", "000000", "00", "063000", "03"),
            rec("00", "03", "240601", "00", "120000"),
            rec("01", "01", "000000", "aa", "235959", "00", "00", "2359", "99", "noslash"),
            rec("01", "04", "240015", "00", "000000", "00", "00", "0000", "01", "ends\\"),
            rec("01", "05", "000000", "80", "010203"),
        }));
        struct Row {
            QString schedule; // "date text", "EVERY", or the lit weekdays as a 7-char mask
            QString time, count, interval, number, toggle, typeIcon, timeMode, option;
            bool shaded;
        };
        const QList<Row> table = {
            {"2024/05/17", "10:00:00", "100", "01:05", "1", "ON", "icon_65x31_Play.svg", "END TIME", "take01.wav", false},
            {"EVERY", "06:30:00", "1", "00:00", "2", "ON", "icon_65x31_Rec.svg", "", "DIGITAL(XLR)", false},
            {"2024/06/01", "12:00:00", "1", "00:00", "3", "OFF", "icon_65x31_Stop.svg", "", "", true},
            {"_M_W_F_", "23:59:59", "99", "23:59", "4", "ON", "icon_65x31_PlayRepeat.svg", "", "noslash", false},
            {"2024/**/15", "00:00:00", "1", "00:00", "5", "ON", "icon_65x31_Download.svg", "", "", false},
            {"_______", "01:02:03", "1", "00:00", "6", "ON", "icon_65x31_DeleteDownload.svg", "", "", false},
        };
        for (int i = 0; i < table.size(); ++i) {
            const Row &r = table.at(i);
            // The rows past the view's end are made while the event loop runs.
            QQuickItem *card = p().row(i);
            const QByteArray name = QByteArray::number(i);
            QVERIFY2(card, name);
            QCOMPARE(card->height(), 158 * p().h.pt());
            if (r.schedule == "EVERY") {
                QVERIFY2(TimerPage::in(card, "scheduleEveryDay"), name);
            } else if (r.schedule.at(0) == '2') {
                QVERIFY2(TimerPage::textIn(card, "scheduleDate") == r.schedule, name);
            } else {
                for (int d = 0; d < 7; ++d) {
                    const QByteArray day = name + " day " + QByteArray::number(d);
                    QQuickItem *badge = TimerPage::in(card, qPrintable(QStringLiteral("weekBadge%1").arg(d)));
                    QVERIFY2(badge, day);
                    QVERIFY2(badge->property("enable").toBool() == (r.schedule.at(d) != '_'), day);
                }
            }
            QVERIFY2(TimerPage::textIn(card, "timeText") == r.time, name);
            QVERIFY2(TimerPage::textIn(card, "repeatCountText") == r.count, name);
            QVERIFY2(TimerPage::textIn(card, "repeatIntervalText") == r.interval, name);
            QVERIFY2(TimerPage::textIn(card, "numberText") == r.number, name);
            QVERIFY2(TimerPage::textIn(card, "enableText") == r.toggle, name);
            QVERIFY2(TimerPage::fileIn(card, "typeIcon") == r.typeIcon, name);
            FIND_ITEM(mode, card, "timeModeText");
            QVERIFY2(mode->isVisible() == !r.timeMode.isEmpty(), name);
            if (!r.timeMode.isEmpty())
                QVERIFY2(textOf(mode) == r.timeMode, name);
            QVERIFY2(TimerPage::textIn(card, "optionText") == r.option, name);
            FIND_ITEM(dimmer, card, "cardDimmer");
            FIND_ITEM(shade, card, "scheduleShade");
            FIND_ITEM(save, card, "saveButton");
            QVERIFY2(dimmer->isVisible() == r.shaded, name);
            QVERIFY2(shade->isVisible() == r.shaded, name);
            QVERIFY2(!save->isVisible(), name);
        }
        // The week badges' colours: Sunday and Saturday have their own.
        FIND_ITEM(sunday, p().row(3), "weekBadge0");
        QCOMPARE(sunday->property("color").value<QColor>(), QColor("#895A58"));
        p().shot("timerevent-page");
    }

    // A click on a card puts it into edit mode; the toggle sends the record
    // with its enable field inverted and reads the list again.
    void editModeAndToggle()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}));
        QVERIFY(p().edit(1));
        QQuickItem *card = p().row(1);
        QVERIFY(card);
        QCOMPARE(card->height(), 200 * p().h.pt());
        for (const char *name : {"saveButton", "cancelButton", "deleteIcon"}) {
            QQuickItem *item = TimerPage::in(card, name);
            QVERIFY2(item && item->isVisible(), name);
        }
        QCOMPARE(TimerPage::fileIn(card, "cardImage"), QString("area_404x190_OnArea.svg"));
        p().shot("timerevent-edit");
        // Another card takes the edit over.
        QVERIFY(p().edit(2));
        QCOMPARE(TimerPage::fileIn(p().row(2), "cardImage"), QString("area_404x190_OffSelect.svg"));
        QQuickItem *left = p().row(1);
        QVERIFY(left);
        QCOMPARE(left->height(), 158 * p().h.pt());
        p().backend().setFocus(-1);
        p().h.sent();
        QVERIFY(p().clickIn(p().row(0), "enableToggleArea"));
        const QByteArray bytes = p().h.commands();
        QVERIFY2(bytes.startsWith("07F4742" "0100" "00" "00" "240517" "00" "100000" "00" "00" "0000" "01"
                                  "A:/Concert/Aria.wav\r\n"
                                  "07F475DAA0000\r\n"),
                 bytes);
        QTRY_COMPARE(TimerPage::textIn(p().row(0), "enableText"), QString("OFF"));
    }

    // The schedule editor: OK stays disabled in date mode until a day is
    // picked and in week mode until a day is ticked; a picked day reaches
    // the event as the same day east and west of Greenwich.
    void scheduleNeedsARealDay()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}, 1));
        QVERIFY(p().clickIn(p().row(1), "scheduleArea"));
        QQuickItem *editor = p().popup("timerEventScheduleLoader");
        QVERIFY(editor);
        QCOMPARE(editor->property("select").toInt(), 0);
        FIND_ITEM(ok, editor, "scheduleOk");
        // Every month with no day: date mode, nothing picked.
        QVERIFY(p().clickIn(editor, "everyMonthArea"));
        QCOMPARE(editor->property("select").toInt(), 2);
        QVERIFY(!ok->property("enabled").toBool());
        QVERIFY(p().click(ok));
        QCOMPARE(p().backend().getDateOfFocus(), QString("EVERY DAY"));
        // Week mode with no day ticked.
        QVERIFY(p().clickIn(editor, "weekButtonMon"));
        QCOMPARE(editor->property("select").toInt(), 1);
        QVERIFY(!ok->property("enabled").toBool());
        QVERIFY(p().clickIn(editor, "weekButtonMon"));
        QVERIFY(ok->property("enabled").toBool());
        // A day in the calendar: the first of the shown month.
        FIND_ITEM(calendar, editor, "scheduleCalender");
        const int year = calendar->property("shownYear").toInt();
        QQuickItem *first = nullptr;
        QList<QQuickItem *> todo{calendar};
        while (!todo.isEmpty()) {
            QQuickItem *item = todo.takeFirst();
            if (item->objectName() == "dayArea" && item->isVisible()
                && item->parentItem()->parentItem()->parentItem()->property("dayNumber").toInt() == 1) {
                first = item;
                break;
            }
            todo.append(item->childItems());
        }
        QVERIFY(first);
        QVERIFY(p().click(first));
        QCOMPARE(editor->property("select").toInt(), 2);
        QVERIFY(ok->property("enabled").toBool());
        QVERIFY(p().click(ok));
        // "Every month" was lit by the first tap: the month reads "00".
        QCOMPARE(p().backend().getDateOfFocus(), QString::asprintf("%04d/00/01", year));
        QVERIFY(!p().loader("timerEventScheduleLoader")->property("active").toBool());
        QCOMPARE(TimerPage::textIn(p().row(1), "scheduleDate"), QString::asprintf("%04d/**/01", year));
        // Opened again, the editor shows that day.
        QVERIFY(p().clickIn(p().row(1), "scheduleArea"));
        editor = p().popup("timerEventScheduleLoader");
        QVERIFY(editor);
        QCOMPARE(editor->property("select").toInt(), 2);
        QVERIFY(editor->property("everyMonth").toBool());
        FIND_ITEM(okAgain, editor, "scheduleOk");
        QVERIFY(okAgain->property("enabled").toBool());
        // Without "Every month", the day of the shown month.
        QVERIFY(p().clickIn(editor, "everyMonthArea"));
        FIND_ITEM(again, editor, "scheduleCalender");
        QCOMPARE(again->property("hasDate").toBool(), true);
        QVERIFY(p().clickIn(editor, "scheduleOk"));
        QCOMPARE(p().backend().getDateOfFocus(), QString::asprintf("%04d/01/01", year));
        p().shot("timerevent-schedule");
    }

    // The confirmations close when the view turns read-only or the list is
    // read again, and OK deletes nothing that is no longer what was asked about.
    void confirmationsCloseOnChanges()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}, 2));
        QVERIFY(p().clickIn(p().row(2), "deleteIconArea"));
        QQuickItem *confirm = p().h.item("timerEventDeleteCheck");
        QVERIFY(confirm);
        QVERIFY(confirm->isVisible());
        QCOMPARE(TimerPage::textIn(confirm, "dialogText"), QString("Delete selected event?"));
        // The list read again.
        p().backend().startTimerEvent();
        QTRY_VERIFY(!confirm->isVisible());
        QTRY_COMPARE(p().rowCount(), 3);
        // Read-only.
        confirm->setProperty("number", -1);
        confirm->setVisible(true);
        QCOMPARE(TimerPage::textIn(confirm, "dialogText"), QString("Delete all events?"));
        QVERIFY(p().h.feed({"FF6AFD01"}));
        QVERIFY(!confirm->isVisible());
        QVERIFY(p().h.feed({"FF6AFD00"}));
        // A stale index: the event asked about has gone by OK.
        p().h.sent();
        QVERIFY(p().list({FakeTimerEvents::example().events}, 2));
        QVERIFY(p().clickIn(p().row(2), "deleteIconArea"));
        QVERIFY(confirm->isVisible());
        confirm->setProperty("target", QVariant());
        QVERIFY(p().clickIn(confirm, "deleteOk"));
        QVERIFY(!confirm->isVisible());
        QCOMPARE(p().h.commands(), QByteArray());
        // Asked and still there: the exact delete line.
        QVERIFY(p().clickIn(p().row(2), "deleteIconArea"));
        QVERIFY(p().clickIn(confirm, "deleteOk"));
        const QByteArray bytes = p().h.commands();
        QVERIFY2(bytes.startsWith("07F47440300\r\n"), bytes);
    }

    void cleanupTestCase() { page.reset(); }
};

HB740_TEST_MAIN(TestTimerEventPage)
#include "tst_timereventpage.moc"
