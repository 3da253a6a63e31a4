#include "TestMain.h"
#include "TimerPage.h"

#include <QtTest>

// The TIMER EVENT page's editors, filter, footer and notices: what each
// pop-up starts from, what its OK does to the event, and the exact bytes
// that Save, add and delete send.
class TestTimerEventEditors : public QObject
{
    Q_OBJECT

    std::unique_ptr<TimerPage> page;
    TimerPage &p() { return *page; }
    QQuickItem *in(QQuickItem *parent, const char *name) { return TimerPage::in(parent, name); }

    // What reached the recorder, without the editing right's renewals.
    QByteArray commands() { return p().h.commands().replace("07F6A7E11\r\n", ""); }
    // Saves row `i` and returns what reached the recorder.
    QByteArray save(int i)
    {
        p().h.sent();
        if (!p().clickIn(p().row(i), "saveButtonArea"))
            return "<no Save button>";
        return commands();
    }
    bool active(const char *loader)
    {
        QQuickItem *owner = p().loader(loader);
        return owner && owner->property("active").toBool();
    }
    QQuickItem *dayCell(QQuickItem *calendar, int day)
    {
        QList<QQuickItem *> todo{calendar};
        while (!todo.isEmpty()) {
            QQuickItem *item = todo.takeFirst();
            if (item->objectName() == "dayCell" && item->isVisible() && item->property("inMonth").toBool()
                && item->property("dayNumber").toInt() == day)
                return item;
            todo.append(item->childItems());
        }
        return nullptr;
    }
    // A tap outside the pop-up's panel, on its dimmer.
    [[nodiscard]] bool tapDimmer(const char *loader)
    {
        QQuickItem *popup = p().popup(loader);
        if (!popup)
            return false;
        QTest::mouseClick(p().h.window.window(), Qt::LeftButton, {},
                          popup->mapToScene(QPointF(3 * p().h.pt(), 30 * p().h.pt())).toPoint());
        return true;
    }
    // Shows the month in the calendar; false when the calendar is missing or
    // its day cells are not made and placed.
    [[nodiscard]] bool showMonth(QQuickItem *calendar, int year, int month0)
    {
        QQuickItem *grid = in(calendar, "calenderGrid");
        if (!grid)
            return false;
        grid->setProperty("year", year);
        grid->setProperty("month", month0);
        // The grid makes its day cells anew and places them at the next frame.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QSignalSpy swapped(p().h.window.window(), &QQuickWindow::frameSwapped);
        p().h.window.window()->update();
        const int days = QDate(year, month0 + 1, 1).daysInMonth();
        return QTest::qWaitFor([&] { return !swapped.isEmpty() && dayCell(calendar, days); }, TimerPage::itemWaitMs);
    }
    [[nodiscard]] bool clickDay(QQuickItem *calendar, int day)
    {
        QQuickItem *cell = dayCell(calendar, day);
        return cell && p().clickIn(cell, "dayArea");
    }

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
        p().holdListing = false;
        if (p().backend().getFilter() != 0) {
            QTRY_VERIFY(!p().backend().listBusy);
            p().backend().showAll();
            QTRY_VERIFY(!p().backend().listBusy);
        }
    }

    // The time editor starts from the event's time; OK writes the wheels'
    // values, Cancel and the dimmer nothing; Save sends the record.
    void timeEditor()
    {
        struct Row {
            const char *name, *time;
            int turn[3]; // -1: the wheels left alone
            const char *close; // "timeEditOk", "timeEditCancel" or "timeEditDimmer"
            const char *shown, *wire;
        };
        const QList<Row> table = {
            {"unchanged", "070530", {-1, -1, -1}, "timeEditOk", "07:05:30", "070530"},
            {"turned", "070530", {23, 0, 59}, "timeEditOk", "23:00:59", "230059"},
            {"midnight", "000000", {-1, -1, -1}, "timeEditOk", "00:00:00", "000000"},
            {"cancel", "120000", {1, 2, 3}, "timeEditCancel", "12:00:00", "120000"},
            {"dimmer", "120000", {1, 2, 3}, "timeEditDimmer", "12:00:00", "120000"},
        };
        for (const Row &r : table) {
            QVERIFY2(p().list({rec("01", "03", "240517", "00", r.time)}, 0), r.name);
            QVERIFY(p().clickIn(p().row(0), "timeBoxArea"));
            QQuickItem *editor = p().popup("timerEventTimeEditLoader");
            QVERIFY2(editor, r.name);
            const QByteArray t(r.time);
            FIND_ITEM(hours, editor, "hourTumbler");
            FIND_ITEM(minutes, editor, "minutesTumbler");
            FIND_ITEM(seconds, editor, "secTumbler");
            QCOMPARE(hours->property("currentIndex").toInt(), t.mid(0, 2).toInt());
            QCOMPARE(minutes->property("currentIndex").toInt(), t.mid(2, 2).toInt());
            QCOMPARE(seconds->property("currentIndex").toInt(), t.mid(4, 2).toInt());
            if (r.turn[0] >= 0) {
                hours->setProperty("currentIndex", r.turn[0]);
                minutes->setProperty("currentIndex", r.turn[1]);
                seconds->setProperty("currentIndex", r.turn[2]);
            }
            if (QByteArray(r.close) == "timeEditDimmer")
                QVERIFY(tapDimmer("timerEventTimeEditLoader"));
            else
                QVERIFY(p().clickIn(editor, r.close));
            QVERIFY2(!active("timerEventTimeEditLoader"), r.name);
            QVERIFY2(TimerPage::textIn(p().row(0), "timeText") == r.shown, r.name);
            const QByteArray bytes = save(0);
            QVERIFY2(bytes.startsWith("07F4742" "0100" "01" "03" "240517" "00" + QByteArray(r.wire) + "00" "00" "0000" "01" "\r\n"),
                     r.name + QByteArray(": ") + bytes);
        }
        // A click on the panel itself closes nothing.
        QVERIFY(p().list({rec("01", "03", "240517", "00", "070530")}, 0));
        QVERIFY(p().clickIn(p().row(0), "timeBoxArea"));
        FIND_ITEM(panel, p().popup("timerEventTimeEditLoader"), "timeEditPanel");
        QTest::mouseClick(p().h.window.window(), Qt::LeftButton, {},
                          panel->mapToScene(QPointF(10 * p().h.pt(), 10 * p().h.pt())).toPoint());
        QVERIFY(active("timerEventTimeEditLoader"));
        p().shot("timerevent-time");
    }

    // The repeat editor: count 1-100 on a wheel counting from 0, and the interval.
    void repeatEditor()
    {
        struct Row {
            const char *name, *interval, *count;
            int turn[3];
            const char *shownCount, *shownInterval, *wire;
        };
        const QList<Row> table = {
            {"hundred", "0105", "00", {-1, -1, -1}, "100", "01:05", "0105" "00"},
            {"one", "0000", "01", {-1, -1, -1}, "1", "00:00", "0000" "01"},
            {"turned", "0000", "01", {49, 23, 59}, "50", "23:59", "2359" "50"},
            {"to hundred", "0000", "01", {99, 0, 0}, "100", "00:00", "0000" "00"},
        };
        for (const Row &r : table) {
            QVERIFY2(p().list({rec("01", "03", "240517", "00", "100000", "00", "00", r.interval, r.count)}, 0), r.name);
            QVERIFY(p().clickIn(p().row(0), "repeatBoxArea"));
            QQuickItem *editor = p().popup("timerEventRepeatEditLoader");
            QVERIFY2(editor, r.name);
            const QByteArray count(r.count), interval(r.interval);
            FIND_ITEM(countWheel, editor, "countTumbler");
            FIND_ITEM(hours, editor, "intervalHourTumbler");
            FIND_ITEM(minutes, editor, "intervalMinutesTumbler");
            QCOMPARE(countWheel->property("currentIndex").toInt(), count == "00" ? 99 : count.toInt() - 1);
            QCOMPARE(hours->property("currentIndex").toInt(), interval.mid(0, 2).toInt());
            QCOMPARE(minutes->property("currentIndex").toInt(), interval.mid(2, 2).toInt());
            if (r.turn[0] >= 0) {
                countWheel->setProperty("currentIndex", r.turn[0]);
                hours->setProperty("currentIndex", r.turn[1]);
                minutes->setProperty("currentIndex", r.turn[2]);
            }
            if (QByteArray(r.name) == "hundred")
                p().shot("timerevent-repeat");
            QVERIFY(p().clickIn(editor, "repeatEditOk"));
            QVERIFY2(!active("timerEventRepeatEditLoader"), r.name);
            QVERIFY2(TimerPage::textIn(p().row(0), "repeatCountText") == r.shownCount, r.name);
            QVERIFY2(TimerPage::textIn(p().row(0), "repeatIntervalText") == r.shownInterval, r.name);
            const QByteArray bytes = save(0);
            QVERIFY2(bytes.startsWith("07F4742" "0100" "01" "03" "240517" "00" "100000" "00" "00" + QByteArray(r.wire) + "\r\n"),
                     r.name + QByteArray(": ") + bytes);
        }
        // The wheels' texts: the count from 01 to "100 ", the hours from 00.
        QVERIFY(p().list({rec("01", "03", "240517", "00", "100000")}, 0));
        QVERIFY(p().clickIn(p().row(0), "repeatBoxArea"));
        FIND_ITEM(wheel, p().popup("timerEventRepeatEditLoader"), "countTumbler");
        const struct { int count, data; const char *text; } texts[] = {
            {100, 0, "01"}, {100, 8, "09"}, {100, 98, "99"}, {100, 99, "100 "}, {24, 0, "00"}, {24, 23, "23"}, {60, 59, "59"}};
        for (const auto &t : texts) {
            QVariant text;
            QVERIFY(QMetaObject::invokeMethod(wheel, "formatText", Q_RETURN_ARG(QVariant, text), Q_ARG(QVariant, t.count),
                                              Q_ARG(QVariant, t.data)));
            QCOMPARE(text.toString(), QString(t.text));
        }
    }

    // The type editor: the rows, the check mark, and the option that a
    // change of type group empties or sets to the default input.
    void typeEditor()
    {
        struct Row {
            const char *name, *type, *mode, *input;
            QByteArray option;
            int tap; // row 0-6, -1 none
            int checkY;
            const char *close;
            int type2, mode2;
            QString option2;
            QByteArray wire; // type, input, mode and the option text sent
        };
        const QList<Row> table = {
            {"play end kept", "00", "01", "00", "\\a.wav", -1, 77, "typeOk", 0, 1, "\\a.wav", "00" "00" "01" "\\a.wav"},
            {"stop emptied", "03", "00", "00", "left", -1, 23 + 4 * 54, "typeOk", 3, 0, "", "03" "00" "00"},
            {"play to repeat", "00", "00", "00", "\\a.wav", 2, 23 + 2 * 54, "typeOk", 1, 0, "\\a.wav", "01" "00" "00" "\\a.wav"},
            {"repeat to download", "01", "00", "00", "\\a.wav", 5, 23 + 5 * 54, "typeOk", 4, 0, "", "04" "00" "00"},
            {"download to delete", "04", "00", "00", "ftp", 6, 23 + 6 * 54, "typeOk", 5, 0, "ftp", "05" "00" "00" "ftp"},
            {"record to play", "02", "00", "03", {}, 0, 23, "typeOk", 0, 0, "", "00" "00" "00"},
            {"play to record", "00", "01", "00", "\\a.wav", 3, 23 + 3 * 54, "typeOk", 2, 0, "ANALOG(UNBAL.)", "02" "00" "00"},
            {"record kept", "02", "00", "03", {}, 3, 23 + 3 * 54, "typeOk", 2, 0, "DIGITAL(XLR)", "02" "03" "00"},
            {"play end to start", "00", "01", "00", "\\a.wav", 0, 23, "typeOk", 0, 0, "\\a.wav", "00" "00" "00" "\\a.wav"},
            {"cancel", "00", "01", "00", "\\a.wav", 4, 23 + 4 * 54, "typeCancel", 0, 1, "\\a.wav", "00" "00" "01" "\\a.wav"},
            {"dimmer", "00", "01", "00", "\\a.wav", 4, 23 + 4 * 54, "typeDimmer", 0, 1, "\\a.wav", "00" "00" "01" "\\a.wav"},
        };
        for (const Row &r : table) {
            QVERIFY2(p().list({rec("01", r.type, "240517", "00", "100000", r.input, r.mode, "0000", "01", r.option)}, 0), r.name);
            QVERIFY(p().clickIn(p().row(0), "typeBoxArea"));
            QQuickItem *editor = p().popup("timerEventTypeLoader");
            QVERIFY2(editor, r.name);
            if (r.tap >= 0)
                QVERIFY(p().click(in(editor, qPrintable(QStringLiteral("typeRow%1").arg(r.tap)))));
            FIND_ITEM(check, editor, "typeCheck");
            QVERIFY2(qFuzzyCompare(check->y(), r.checkY * p().h.pt()),
                     r.name + QByteArray(" check at ") + QByteArray::number(check->y() / p().h.pt()));
            for (int k = 0; k < 7; ++k) {
                QQuickItem *typeRow = in(editor, qPrintable(QStringLiteral("typeRow%1").arg(k)));
                QVERIFY2(typeRow, r.name + QByteArray(" row ") + QByteArray::number(k));
                QVERIFY2(typeRow->property("selected").toBool()
                             == (k == (r.tap >= 0 ? r.tap : QByteArray(r.type) == "00" ? QByteArray(r.mode).toInt()
                                                                                        : QByteArray(r.type).toInt() + 1)),
                         r.name + QByteArray(" row ") + QByteArray::number(k));
            }
            if (QByteArray(r.name) == "play end kept")
                p().shot("timerevent-type");
            if (QByteArray(r.close) == "typeDimmer")
                QVERIFY(tapDimmer("timerEventTypeLoader"));
            else
                QVERIFY(p().clickIn(editor, r.close));
            QVERIFY2(!active("timerEventTypeLoader"), r.name);
            auto *event = p().backend().eventAt(0);
            QVERIFY2(event->getEventType() == r.type2, r.name);
            QVERIFY2(event->getTimeMode() == r.mode2, r.name);
            QVERIFY2(event->getOption() == r.option2, qPrintable(r.name + QString(": ") + event->getOption()));
            const QByteArray bytes = save(0);
            const QByteArray wire = "07F4742" "0100" "01" + r.wire.left(2) + "240517" "00" "100000" + r.wire.mid(2, 4)
                                    + "0000" "01" + r.wire.mid(6) + "\r\n";
            QVERIFY2(bytes.startsWith(wire), r.name + QByteArray(": ") + bytes);
        }
    }

    // The record-input editor: the row and check mark of the event's input,
    // the Dante row only where offered or chosen.
    void recInputEditor()
    {
        struct Row {
            const char *name, *input;
            bool dante;
            int tap;
            const char *close;
            int checkY;
            bool danteShown;
            const char *wireInput;
        };
        const QList<Row> table = {
            {"xlr", "03", false, -1, "recInputOk", 185, false, "03"},
            {"bal", "01", false, -1, "recInputOk", 77, false, "01"},
            {"dante kept", "04", false, -1, "recInputOk", 239, true, "04"},
            {"dante left", "04", false, 2, "recInputOk", 131, false, "02"},
            {"dante offered", "00", true, 4, "recInputOk", 239, true, "04"},
            {"unknown input", "07", false, -1, "recInputOk", 23, false, "00"},
            {"cancel", "01", true, 3, "recInputCancel", 185, true, "01"},
            {"dimmer", "01", true, 3, "recInputDimmer", 185, true, "01"},
        };
        for (const Row &r : table) {
            p().backend().setEnableDante(r.dante);
            QVERIFY2(p().list({rec("01", "02", "240517", "00", "100000", r.input)}, 0), r.name);
            QVERIFY(p().clickIn(p().row(0), "optionFieldArea"));
            QQuickItem *editor = p().popup("timerEventRecInputLoader");
            QVERIFY2(editor, r.name);
            if (r.tap >= 0)
                QVERIFY(p().click(in(editor, qPrintable(QStringLiteral("recInputRow%1").arg(r.tap)))));
            FIND_ITEM(check, editor, "recInputCheck");
            FIND_ITEM(danteRow, editor, "recInputRow4");
            QVERIFY2(qFuzzyCompare(check->y(), r.checkY * p().h.pt()), r.name);
            QVERIFY2(danteRow->isVisible() == r.danteShown, r.name);
            if (QByteArray(r.name) == "xlr")
                p().shot("timerevent-recinput");
            if (QByteArray(r.close) == "recInputDimmer")
                QVERIFY(tapDimmer("timerEventRecInputLoader"));
            else
                QVERIFY(p().clickIn(editor, r.close));
            QVERIFY2(!active("timerEventRecInputLoader"), r.name);
            const QByteArray bytes = save(0);
            QVERIFY2(bytes.startsWith("07F4742" "0100" "01" "02" "240517" "00" "100000" + QByteArray(r.wireInput)
                                      + "00" "0000" "01" "\r\n"),
                     r.name + QByteArray(": ") + bytes);
        }
        p().backend().setEnableDante(false);
    }

    // The schedule editor starts from the event's schedule and OK without a
    // change gives the same record back, east and west of Greenwich alike.
    void scheduleRoundTrip()
    {
        struct Row {
            const char *name, *date, *flags;
            int select;
            bool everyMonth;
            const char *ticks; // the lit weekdays, or empty
            QDate picked;      // the calendar's date, or none
        };
        const QList<Row> table = {
            {"every day", "000000", "00", 0, false, "", {}},
            {"mon wed fri", "000000", "aa", 1, false, "_M_W_F_", {}},
            {"no day", "000000", "80", 1, false, "_______", {}},
            {"every month", "170015", "00", 2, true, "", QDate(2017, 1, 15)},
            {"one day", "240517", "00", 2, false, "", QDate(2024, 5, 17)},
            {"new year", "000101", "00", 2, false, "", QDate(2000, 1, 1)},
            {"year end", "991231", "00", 2, false, "", QDate(2099, 12, 31)},
        };
        for (const Row &r : table) {
            QVERIFY2(p().list({rec("01", "03", r.date, r.flags, "100000")}, 0), r.name);
            QVERIFY(p().clickIn(p().row(0), "scheduleArea"));
            QQuickItem *editor = p().popup("timerEventScheduleLoader");
            QVERIFY2(editor, r.name);
            QVERIFY2(editor->property("select").toInt() == r.select, r.name);
            QVERIFY2(editor->property("everyMonth").toBool() == r.everyMonth, r.name);
            const QString ticks = QString(r.ticks).isEmpty() ? QString("_______") : QString(r.ticks);
            const char *days[] = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
            for (int d = 0; d < 7; ++d)
                QVERIFY2(editor->property(days[d]).toBool() == (ticks.at(d) != '_'), r.name);
            FIND_ITEM(calendar, editor, "scheduleCalender");
            QVERIFY2(calendar->property("hasDate").toBool() == r.picked.isValid(), r.name);
            if (r.picked.isValid()) {
                // The picked day is lit once its month is shown, and only that day.
                QVERIFY(showMonth(calendar, r.picked.year(), r.picked.month() - 1));
                for (int day = 1; day <= r.picked.daysInMonth(); ++day) {
                    const QByteArray which = r.name + QByteArray(" day ") + QByteArray::number(day);
                    QQuickItem *cell = dayCell(calendar, day);
                    QVERIFY2(cell, which);
                    QVERIFY2(cell->property("chosenDay").toBool() == (day == r.picked.day()), which);
                }
            }
            // A week with no day would never fire: OK takes no such schedule.
            const bool noDay = ticks == "_______" && r.select == 1;
            FIND_ITEM(ok, editor, "scheduleOk");
            QVERIFY2(ok->property("enabled").toBool() == !noDay, r.name);
            QVERIFY(p().clickIn(editor, noDay ? "scheduleCancel" : "scheduleOk"));
            QVERIFY2(!active("timerEventScheduleLoader"), r.name);
            const QByteArray bytes = save(0);
            QVERIFY2(bytes.startsWith("07F4742" "0100" "01" "03" + QByteArray(r.date) + r.flags + "100000" "00" "00" "0000" "01" "\r\n"),
                     r.name + QByteArray(": ") + bytes);
        }
        // Every month: the 15th is lit in every month of 2017, white only in January.
        QVERIFY(p().list({rec("01", "03", "170015", "00", "100000")}, 0));
        QVERIFY(p().clickIn(p().row(0), "scheduleArea"));
        QQuickItem *calendar = in(p().popup("timerEventScheduleLoader"), "scheduleCalender");
        QVERIFY(calendar);
        for (int month = 0; month < 12; ++month) {
            QVERIFY(showMonth(calendar, 2017, month));
            QQuickItem *cell = dayCell(calendar, 15);
            QVERIFY(cell);
            QVERIFY(cell->property("lit").toBool());
            QCOMPARE(cell->property("chosenDay").toBool(), month == 0);
            FIND_ITEM(highlight, cell, "dayHighlight");
            FIND_ITEM(dayText, cell, "dayText");
            QCOMPARE(highlight->property("color").value<QColor>(), QColor("#64A5DD"));
            QCOMPARE(dayText->property("color").value<QColor>(), QColor(month == 0 ? "white" : "#878787"));
        }
        QVERIFY(showMonth(calendar, 2018, 0));
        QQuickItem *unlit = dayCell(calendar, 15);
        QVERIFY(unlit);
        QVERIFY(!unlit->property("lit").toBool());
        // A day picked in the calendar reaches the event as that day.
        QVERIFY(p().clickIn(p().popup("timerEventScheduleLoader"), "everyMonthArea"));
        const struct { int year, month0, day; const char *wire; } picks[] = {
            {2017, 2, 5, "170305"}, {2000, 0, 1, "000101"}, {2099, 11, 31, "991231"}, {2024, 1, 29, "240229"}};
        for (const auto &pick : picks) {
            QQuickItem *editor = p().popup("timerEventScheduleLoader");
            if (!editor) {
                QVERIFY(p().clickIn(p().row(0), "scheduleArea"));
                editor = p().popup("timerEventScheduleLoader");
            }
            QVERIFY(editor);
            calendar = in(editor, "scheduleCalender");
            QVERIFY(showMonth(calendar, pick.year, pick.month0));
            QVERIFY(clickDay(calendar, pick.day));
            QCOMPARE(editor->property("select").toInt(), 2);
            QVERIFY(!editor->property("everyMonth").toBool());
            QVERIFY(p().clickIn(editor, "scheduleOk"));
            const QByteArray bytes = save(0);
            QVERIFY2(bytes.startsWith("07F4742" "0100" "01" "03" + QByteArray(pick.wire) + "00" "100000"), bytes);
        }
    }

    // The calendar's arrows: month by month, across years, never past
    // January 2000 or December 2099; the title without a leading zero.
    void calendarBounds()
    {
        QVERIFY(p().click(p().h.item("filterButtonArea")));
        QQuickItem *filter = p().popup("timerEventFilterLoader");
        QVERIFY(filter);
        FIND_ITEM(calendar, filter, "filterCalender");
        const QDate now = QDate::currentDate();
        QCOMPARE(calendar->property("shownYear").toInt(), now.year());
        QCOMPARE(calendar->property("shownMonth").toInt(), now.month() - 1);
        struct Step {
            const char *name;
            int year, month0;
            const char *arrow;
            int year2, month2;
            const char *title;
        };
        const QList<Step> steps = {
            {"first back", 2000, 0, "leftMarkArea", 2000, 0, "2000/1"},
            {"last forward", 2099, 11, "rightMarkArea", 2099, 11, "2099/12"},
            {"year forward", 2016, 11, "rightMarkArea", 2017, 0, "2017/1"},
            {"year back", 2017, 0, "leftMarkArea", 2016, 11, "2016/12"},
            {"month forward", 2017, 1, "rightMarkArea", 2017, 2, "2017/3"},
            {"month back", 2099, 11, "leftMarkArea", 2099, 10, "2099/11"},
            {"second forward", 2000, 0, "rightMarkArea", 2000, 1, "2000/2"},
        };
        for (const Step &s : steps) {
            QVERIFY(showMonth(calendar, s.year, s.month0));
            QVERIFY(p().clickIn(calendar, s.arrow));
            QVERIFY2(calendar->property("shownYear").toInt() == s.year2, s.name);
            QVERIFY2(calendar->property("shownMonth").toInt() == s.month2, s.name);
            QVERIFY2(TimerPage::textIn(calendar, "calenderTitle") == s.title, s.name);
        }
        // Every month of a year, forward then back, keeps its own day count.
        QVERIFY(showMonth(calendar, 2023, 11));
        for (int m = 1; m <= 12; ++m) {
            QVERIFY(p().clickIn(calendar, "rightMarkArea"));
            QCOMPARE(calendar->property("shownMonth").toInt(), m - 1);
            QVERIFY(dayCell(calendar, QDate(2024, m, 1).daysInMonth()));
            QVERIFY(!dayCell(calendar, QDate(2024, m, 1).daysInMonth() + 1));
        }
        // With no date: grey title and arrows, nothing lit.
        FIND_ITEM(title, calendar, "calenderTitle");
        QCOMPARE(title->property("color").value<QColor>(), QColor("#878787"));
        QCOMPARE(TimerPage::fileIn(calendar, "leftMark"), QString("left_11x19.svg"));
        QCOMPARE(TimerPage::fileIn(calendar, "rightMark"), QString("right_11x19.svg"));
        QVERIFY(clickDay(calendar, 9));
        QCOMPARE(title->property("color").value<QColor>(), QColor("black"));
        QCOMPARE(TimerPage::fileIn(calendar, "leftMark"), QString("left-B_11x19.svg"));
        p().shot("timerevent-filter");
    }

    // The filter pop-up opens on the filter in force, and OK applies the
    // choice with the exact list request; the label follows.
    void filterPopup()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}));
        struct Row {
            const char *name;
            const char *tap; // "showAllArea", "showTodayArea", or "day" (the 5 March 2017)
            const char *close;
            QByteArray wire;
            const char *label;
            int select;
        };
        const QList<Row> table = {
            {"a date", "day", "filterOk", "07F475D170305\r\n", "2017/03/05", 2},
            {"the same again", "", "filterOk", "07F475D170305\r\n", "2017/03/05", 2},
            {"cancelled today", "showTodayArea", "filterCancel", "", "2017/03/05", 2},
            {"today", "showTodayArea", "filterOk", "07F475DDD0000\r\n", "Today", 1},
            {"a date again", "day", "filterOk", "07F475D170305\r\n", "2017/03/05", 2},
            {"all", "showAllArea", "filterOk", "07F475DAA0000\r\n", "All", 0},
            {"cancelled day", "day", "filterCancel", "", "All", 0},
            {"dimmer", "day", "filterDimmer", "", "All", 0},
            {"button again", "day", "filterButtonArea", "", "All", 0},
        };
        int select = 0;
        for (const Row &r : table) {
            QTRY_VERIFY2(!p().backend().listBusy, r.name);
            p().h.sent();
            QVERIFY(p().click(p().h.item("filterButtonArea")));
            QQuickItem *filter = p().popup("timerEventFilterLoader");
            QVERIFY2(filter, r.name);
            QVERIFY2(filter->property("select").toInt() == select, r.name);
            FIND_ITEM(calendar, filter, "filterCalender");
            QVERIFY2(calendar->property("hasDate").toBool() == (select == 2), r.name);
            if (select == 2) {
                QVERIFY(showMonth(calendar, 2017, 2));
                QQuickItem *chosen = dayCell(calendar, 5);
                QQuickItem *before = dayCell(calendar, 4);
                QVERIFY2(chosen && before, r.name);
                QVERIFY2(chosen->property("chosenDay").toBool(), r.name);
                QVERIFY2(!before->property("chosenDay").toBool(), r.name);
            }
            QVERIFY2(TimerPage::textIn(filter, "showAllText") == "Show all", r.name);
            if (QByteArray(r.tap) == "day") {
                QVERIFY(showMonth(calendar, 2017, 2));
                QVERIFY2(clickDay(calendar, 5), r.name);
                QVERIFY2(filter->property("select").toInt() == 2, r.name);
                QVERIFY2(TimerPage::fileIn(filter, "filterWindow") == "filterWindow_date_325x400.svg", r.name);
            } else if (*r.tap) {
                QVERIFY(p().clickIn(filter, r.tap));
                QVERIFY2(!calendar->property("hasDate").toBool(), r.name);
            }
            if (QByteArray(r.close) == "filterDimmer")
                QVERIFY(tapDimmer("timerEventFilterLoader"));
            else if (QByteArray(r.close) == "filterButtonArea")
                QVERIFY(p().click(p().h.item("filterButtonArea")));
            else
                QVERIFY(p().clickIn(filter, r.close));
            QVERIFY2(!active("timerEventFilterLoader"), r.name);
            const QByteArray bytes = commands();
            QVERIFY2(bytes.startsWith(r.wire) && (!r.wire.isEmpty() || bytes.isEmpty()), r.name + QByteArray(": ") + bytes);
            QVERIFY2(textOf(p().h.item("filterLabel")) == r.label, r.name);
            select = r.select;
            QVERIFY2(p().backend().getFilter() == select, r.name);
            if (select == 2)
                QVERIFY2(p().backend().getFilterDate() == QDate(2017, 3, 5), r.name);
        }
        // Opening the filter closes the schedule editor.
        QVERIFY(p().list({FakeTimerEvents::example().events}, 0));
        QVERIFY(p().clickIn(p().row(0), "scheduleArea"));
        QVERIFY(active("timerEventScheduleLoader"));
        QVERIFY(p().click(p().h.item("filterButtonArea")));
        QVERIFY(!active("timerEventScheduleLoader"));
        QVERIFY(active("timerEventFilterLoader"));
    }

    // Adding an event sends today's date as the backend's clock gives it,
    // and the list read that follows focuses the new event and scrolls to it.
    void addEvent()
    {
        QList<QByteArray> many;
        for (int i = 0; i < 9; ++i)
            many.append(rec("01", "03", "240517", "00", qPrintable(QString::asprintf("%02d0000", i))));
        QVERIFY(p().list(many));
        p().backend().today = [] { return QDate(2024, 2, 29); };
        p().events.today = "240229";
        QVERIFY(p().click(p().h.item("addEventArea")));
        const QByteArray bytes = commands();
        QVERIFY2(bytes.startsWith("07F47400100" "240229" "000000000100000001\r\n"), bytes);
        QTRY_COMPARE(p().backend().getFocus(), 9);
        QQuickItem *view = p().list();
        QTRY_COMPARE(view->property("count").toInt(), 10);
        const qreal pt = p().h.pt();
        QTRY_VERIFY(view->property("atYEnd").toBool());
        QQuickItem *added = p().row(9);
        QVERIFY(added);
        // Its Save and Cancel lie clear of the footer bar over the list's end.
        FIND_ITEM(saveButton, added, "saveButton");
        const qreal footerTop = p().h.item("timerEventFooter")->mapToScene(QPointF(0, 0)).y();
        QVERIFY2(saveButton->mapToScene(QPointF(0, saveButton->height())).y() <= footerTop,
                 QByteArray::number(saveButton->mapToScene(QPointF(0, saveButton->height())).y()) + " " + QByteArray::number(footerTop));
        QCOMPARE(added->height(), 200 * pt);
        QCOMPARE(TimerPage::textIn(added, "scheduleDate"), QString("2024/02/29"));
        p().shot("timerevent-added");
        // Focus 0 of a long list scrolls it to 2 pt above the first row.
        p().backend().setFocus(-1);
        p().backend().pendingFocus = 0;
        p().events.announceChanges = true;
        p().backend().startTimerEvent();
        QTRY_COMPARE(p().backend().getFocus(), 0);
        // The first row shows at the list's top (the view keeps its bounds,
        // so the 2 pt above it may be taken back).
        const auto firstRowTop = [&] {
            QQuickItem *first = p().row(0);
            return first ? first->mapToItem(view, QPointF(0, 0)).y() : -1000.0;
        };
        QTRY_VERIFY(firstRowTop() >= -0.01);
        QVERIFY(firstRowTop() <= 2 * pt + 0.01);
        p().backend().today = [] { return QDate::currentDate(); };
    }

    // One event deleted from its card, all from the footer's second view.
    void deleteEvents()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}, 1));
        QQuickItem *confirm = p().h.item("timerEventDeleteCheck");
        QVERIFY(p().clickIn(p().row(1), "deleteIconArea"));
        QVERIFY(confirm->isVisible());
        QCOMPARE(TimerPage::textIn(confirm, "dialogText"), QString("Delete selected event?"));
        QVERIFY(p().clickIn(confirm, "deleteCancel"));
        QVERIFY(!confirm->isVisible());
        QCOMPARE(commands(), QByteArray());
        QVERIFY(p().clickIn(p().row(1), "deleteIconArea"));
        QVERIFY(p().clickIn(confirm, "deleteOk"));
        QByteArray bytes = commands();
        QVERIFY2(bytes.startsWith("07F47440200\r\n"), bytes);
        QTRY_COMPARE(p().rowCount(), 2);
        QCOMPARE(p().backend().getFocus(), -1);

        // All: the bin lies in the footer's second view, reached by the arrow.
        QVERIFY(p().list({FakeTimerEvents::example().events}));
        QQuickItem *strip = p().h.item("timerEventFooterFlickable");
        QVERIFY(strip->property("atXBeginning").toBool());
        QCOMPARE(p().h.item("footerArrow")->rotation(), 270.0);
        QVERIFY(p().click(p().h.item("footerArrowArea")));
        QTRY_VERIFY(strip->property("atXEnd").toBool());
        QCOMPARE(p().h.item("footerArrow")->rotation(), 90.0);
        p().shot("timerevent-footer-second");
        QVERIFY(p().click(p().h.item("deleteAllArea")));
        QVERIFY(confirm->isVisible());
        QCOMPARE(TimerPage::textIn(confirm, "dialogText"), QString("Delete all events?"));
        p().shot("timerevent-delete-all");
        QVERIFY(p().clickIn(confirm, "deleteOk"));
        bytes = commands();
        QVERIFY2(bytes.startsWith("07F47440000\r\n"), bytes);
        QTRY_COMPARE(p().rowCount(), 0);
        QVERIFY(p().click(p().h.item("footerArrowArea")));
        QTRY_VERIFY(strip->property("atXBeginning").toBool());
        p().events = FakeTimerEvents::example();
    }

    // The notice's texts in their order, and the list read once when the
    // last condition clears.
    void notices()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}));
        QQuickItem *notice = p().h.item("timerEventNotice");
        QVERIFY(!notice->isVisible());
        const QString areaText = "TIMER EVENT is only available when PLAY AREA is ALL and PLAY MODE is CONTINUE or SINGLE.";
        const QString cdText = "TIMER EVENT cannot be used while current media is CD.";
        struct Row {
            const char *name;
            bool area, cd;
            QString browse, text;
        };
        const QList<Row> table = {
            {"all three", true, true, "No media", areaText},
            {"cd and browse", false, true, "No media", cdText},
            {"browse only", false, false, "No media", "No media"},
            {"area and browse", true, false, "No media", areaText},
            {"area and cd", true, true, "", areaText},
            {"cd only", false, true, "", cdText},
        };
        Browse &browse = p().h.window.backend().browse;
        for (const Row &r : table) {
            p().backend().setDisabledAreaAndMode(r.area);
            p().backend().setMediaCD(r.cd);
            browse.setBrowseDialogString(r.browse);
            QVERIFY2(notice->isVisible(), r.name);
            QVERIFY2(TimerPage::textIn(notice, "dialogText") == r.text, qPrintable(r.name + QString(": ") + TimerPage::textIn(notice, "dialogText")));
        }
        p().h.sent();
        p().backend().setMediaCD(false);
        QVERIFY(!notice->isVisible());
        const QByteArray bytes = commands();
        QCOMPARE(bytes.count("07F475DAA0000\r\n"), 1);
        QTRY_COMPARE(p().rowCount(), 3);
    }

    // Read-only closes every editor and the chooser, leaves the filter open,
    // and the cards and the footer take no taps.
    void readOnlyClosesEditors()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}, 0));
        const char *editors[] = {"timerEventDlTargetLoader", "timerEventPlayTargetLoader", "timerEventRecInputLoader",
                                 "timerEventTypeLoader", "timerEventRepeatEditLoader", "timerEventTimeEditLoader",
                                 "timerEventScheduleLoader", "timerEventBrowseLoader"};
        for (const char *name : editors) {
            p().loader(name)->setProperty("active", true);
            QVERIFY2(p().h.feed({"FF6AFD01"}), name);
            QVERIFY2(!active(name), name);
            QVERIFY2(p().h.feed({"FF6AFD00"}), name);
        }
        // The time editor's turned wheels are not applied.
        QVERIFY(p().list({FakeTimerEvents::example().events}, 0));
        QVERIFY(p().clickIn(p().row(0), "timeBoxArea"));
        FIND_ITEM(hours, p().popup("timerEventTimeEditLoader"), "hourTumbler");
        hours->setProperty("currentIndex", 3);
        QVERIFY(p().click(p().h.item("filterButtonArea")));
        QVERIFY(p().h.feed({"FF6AFD01"}));
        QVERIFY(!active("timerEventTimeEditLoader"));
        QVERIFY(active("timerEventFilterLoader"));
        QCOMPARE(p().backend().getFocus(), -1);
        QCOMPARE(TimerPage::textIn(p().row(0), "timeText"), QString("10:00:00"));
        p().loader("timerEventFilterLoader")->setProperty("active", false);
        QVERIFY(p().h.item("timerEventViewOnlyBadge")->isVisible());
        QVERIFY(p().h.item("footerShade")->isVisible());
        p().shot("timerevent-readonly");
        p().h.sent();
        QVERIFY(p().clickIn(p().row(1), "bodyCatcher"));
        QVERIFY(p().clickIn(p().row(1), "enableToggleArea"));
        QVERIFY(p().click(p().h.item("addEventArea")));
        QCOMPARE(p().backend().getFocus(), -1);
        QCOMPARE(commands(), QByteArray());
        QVERIFY(p().h.feed({"FF6AFD00"}));
        QTRY_VERIFY(!p().backend().listBusy);
    }

    // The chooser: a file picked while its folder is still being listed is
    // not taken; once listed, the file's path without a drive becomes the
    // option. The typed path trades slashes for backslashes.
    void playbackFile()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}, 0));
        QCOMPARE(p().backend().eventAt(0)->getOption(), QString("A:/Concert/Aria.wav"));
        QVERIFY(p().clickIn(p().row(0), "optionFieldArea"));
        QVERIFY(active("timerEventBrowseLoader"));
        QVERIFY(!active("timerEventPlayTargetLoader"));
        QCOMPARE(p().loader("timerEventPlayTargetLoader")->property("field").toString(), QString("A:/Concert/Aria.wav"));
        QQuickItem *chooser = p().popup("timerEventBrowseLoader");
        QVERIFY(chooser);
        Browse &browse = p().h.window.backend().browse;
        QTRY_VERIFY(!browse.isListing());
        p().shot("timerevent-chooser");
        p().holdListing = true;
        p().held.clear();
        browse.restartBrowse();
        QVERIFY(QTest::qWaitFor([&] { return !p().held.isEmpty(); }, 2000));
        QVERIFY(browse.isListing());
        QVERIFY(QMetaObject::invokeMethod(chooser, "clicked", Q_ARG(int, 1), Q_ARG(QString, "Overture.wav")));
        QVERIFY(active("timerEventBrowseLoader"));
        QCOMPARE(p().backend().eventAt(0)->getOption(), QString("A:/Concert/Aria.wav"));
        p().holdListing = false;
        for (const QByteArray &line : qAsConst(p().held))
            for (const QByteArray &reply : p().media.answer(line))
                QVERIFY(p().h.feed({reply.mid(1)}));
        QVERIFY(QTest::qWaitFor([&] { return !browse.isListing(); }, 3000));
        const QString folder = browse.getNowFolderName();
        QVERIFY(QMetaObject::invokeMethod(chooser, "clicked", Q_ARG(int, 1), Q_ARG(QString, "Overture.wav")));
        QVERIFY(!active("timerEventBrowseLoader"));
        const QString expected = folder.isEmpty() ? "\\Overture.wav" : "\\" + folder + "\\Overture.wav";
        QCOMPARE(p().backend().eventAt(0)->getOption(), expected);
        QCOMPARE(TimerPage::textIn(p().row(0), "optionText"), QString("Overture.wav"));
        QByteArray bytes = save(0);
        QVERIFY2(bytes.startsWith("07F4742" "0100" "01" "00" "240517" "00" "100000" "00" "00" "0000" "01" + expected.toUtf8() + "\r\n"), bytes);

        // Typed: from the chooser's entry button, starting from the option with slashes.
        struct Row {
            const char *name;
            QString typed, option;
        };
        const QList<Row> table = {
            {"slashes", "/MUSIC/take01.wav", "\\MUSIC\\take01.wav"},
            {"backslashes dropped", "\\MUSIC\\take01.wav", "MUSICtake01.wav"},
            {"unchanged field", "", ""},
        };
        for (const Row &r : table) {
            QVERIFY(p().clickIn(p().row(0), "optionFieldArea"));
            const QString before = p().backend().eventAt(0)->getOption();
            chooser = p().popup("timerEventBrowseLoader");
            QVERIFY2(QMetaObject::invokeMethod(chooser, "clickedInput"), r.name);
            QVERIFY2(!active("timerEventBrowseLoader"), r.name);
            QQuickItem *entry = p().popup("timerEventPlayTargetLoader");
            QVERIFY2(entry, r.name);
            QString field = entry->property("field").toString();
            QVERIFY2(field == QString(before).replace('\\', '/'), r.name);
            if (QByteArray(r.name) == "slashes")
                p().shot("timerevent-playtarget");
            const QString typed = r.typed.isEmpty() ? field : r.typed;
            QVERIFY2(QMetaObject::invokeMethod(entry, "clickedOk", Q_ARG(QVariant, typed)), r.name);
            QVERIFY2(!active("timerEventPlayTargetLoader"), r.name);
            const QString option = r.option.isEmpty() ? before : r.option;
            QVERIFY2(p().backend().eventAt(0)->getOption() == option, qPrintable(r.name + QString(": ") + p().backend().eventAt(0)->getOption()));
            bytes = save(0);
            QVERIFY2(bytes.startsWith("07F4742" "0100" "01" "00" "240517" "00" "100000" "00" "00" "0000" "01" + option.toUtf8() + "\r\n"),
                     r.name + QByteArray(": ") + bytes);
        }
    }

    // The download target is typed as it stands.
    void downloadTarget()
    {
        QVERIFY(p().list({rec("01", "04", "240517", "00", "100000", "00", "00", "0000", "01", "ftp://host/a b")}, 0));
        QVERIFY(p().clickIn(p().row(0), "optionFieldArea"));
        QQuickItem *entry = p().popup("timerEventDlTargetLoader");
        QVERIFY(entry);
        QCOMPARE(entry->property("field").toString(), QString("ftp://host/a b"));
        p().shot("timerevent-dltarget");
        QVERIFY(QMetaObject::invokeMethod(entry, "clickedOk", Q_ARG(QVariant, QString("\\srv\\take 2/x"))));
        QVERIFY(!active("timerEventDlTargetLoader"));
        const QByteArray bytes = save(0);
        QVERIFY2(bytes.startsWith("07F4742" "0100" "01" "04" "240517" "00" "100000" "00" "00" "0000" "01" "\\srv\\take 2/x\r\n"), bytes);
        // Cancel leaves it.
        QVERIFY(p().clickIn(p().row(0), "optionFieldArea"));
        QVERIFY(QMetaObject::invokeMethod(p().popup("timerEventDlTargetLoader"), "clickedCancel"));
        QVERIFY(!active("timerEventDlTargetLoader"));
        QCOMPARE(p().backend().eventAt(0)->getOption(), QString("\\srv\\take 2/x"));
    }

    // Cancel restores what the editors changed; Save keeps the row in edit
    // mode; a stop event's option field opens nothing.
    void saveAndCancel()
    {
        QVERIFY(p().list({FakeTimerEvents::example().events}, 2));
        p().backend().changeTime(1, 2, 3);
        p().backend().changeRepeat(5, 0, 30);
        QCOMPARE(TimerPage::textIn(p().row(2), "timeText"), QString("01:02:03"));
        QVERIFY(p().clickIn(p().row(2), "optionFieldArea"));
        for (const char *name : {"timerEventBrowseLoader", "timerEventRecInputLoader", "timerEventDlTargetLoader"})
            QVERIFY2(!active(name), name);
        p().shot("timerevent-edit-changed");
        p().h.sent();
        QVERIFY(p().clickIn(p().row(2), "cancelButtonArea"));
        QCOMPARE(commands(), QByteArray());
        QCOMPARE(p().backend().getFocus(), -1);
        QCOMPARE(TimerPage::textIn(p().row(2), "timeText"), QString("12:00:00"));
        QCOMPARE(TimerPage::textIn(p().row(2), "repeatCountText"), QString("1"));
        QVERIFY(p().edit(2));
        p().backend().changeTime(1, 2, 3);
        const QByteArray bytes = save(2);
        QVERIFY2(bytes.startsWith("07F4742" "0300" "00" "03" "240601" "00" "010203" "00" "00" "0000" "01" "\r\n"), bytes);
    }

    void cleanupTestCase() { page.reset(); }
};

HB740_TEST_MAIN(TestTimerEventEditors)
#include "tst_timereventeditors.moc"
