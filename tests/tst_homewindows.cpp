#include "HomeWindow.h"
#include "TestMain.h"

#include <QQmlContext>
#include <QtTest>

// The Home page's two windows, the time search and the settings, driven
// through the real page against the scripted recorder.
class TestHomeWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<HomeWindow> home;

    HomeWindow &h() { return *home; }

    QQuickItem *loaderItem(const char *loader)
    {
        return h().item(loader)->property("item").value<QQuickItem *>();
    }
    // An item of the open window (a closed one may linger until it is deleted).
    QQuickItem *inWindow(const char *loader, const char *name)
    {
        QQuickItem *window = loaderItem(loader);
        QQuickItem *found = window ? window->findChild<QQuickItem *>(QLatin1String(name)) : nullptr;
        if (!found)
            qWarning("no item %s in the open window", name);
        return found;
    }
    QQuickItem *ts(const char *name) { return inWindow("timeSearchWindowLoader", name); }
    QQuickItem *sw(const char *name) { return inWindow("homeSettingWindowLoader", name); }

    bool isOpen(const char *loader) { return h().item(loader)->property("active").toBool(); }

    // ---- Time search ----

    QQuickItem *openTimeSearch()
    {
        if (!isOpen("timeSearchWindowLoader"))
            h().window.click(h().item("timeSearchButton"));
        return loaderItem("timeSearchWindowLoader");
    }

    // Types as on a keyboard; "\b" is Backspace.
    void keys(const QString &text)
    {
        for (const QChar c : text) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(h().window.window(), Qt::Key_Backspace);
            else
                QTest::keyClick(h().window.window(), c.toLatin1());
        }
    }

    void type(const char *field, const QString &text)
    {
        h().window.click(ts(field));
        keys(text);
    }

    QStringList fieldTexts()
    {
        QStringList texts;
        for (const char *name : {"timeSearchTrack", "timeSearchHour", "timeSearchMin", "timeSearchSec", "timeSearchFlame"})
            texts.append(textOf(ts(name)));
        return texts;
    }

    // Which of the five fields has the focus, and which frames show.
    QString focusState()
    {
        QStringList names;
        for (const char *name : {"timeSearchTrack", "timeSearchHour", "timeSearchMin", "timeSearchSec", "timeSearchFlame"})
            if (ts(name)->hasFocus())
                names.append(QString::fromLatin1(name).mid(10));
        if (ts("timeSearchTrackFrame")->isVisible())
            names.append("trackFrame");
        if (ts("timeSearchTimeFrame")->isVisible())
            names.append("timeFrame");
        return names.join(' ');
    }

    // ---- Settings ----

    QQuickItem *openSettings()
    {
        if (!isOpen("homeSettingWindowLoader"))
            h().window.click(h().item("settingButton"));
        return loaderItem("homeSettingWindowLoader");
    }
    void closeSettings()
    {
        if (isOpen("homeSettingWindowLoader"))
            h().window.click(h().item("settingButton"));
    }

    static QString backgroundOf(QQuickItem *button)
    {
        return fileOf(button->property("background").value<QObject *>());
    }
    static QString labelOf(QQuickItem *button) { return textOf(button->property("contentItem").value<QObject *>()); }
    static QColor labelColor(QQuickItem *button)
    {
        return button->property("contentItem").value<QObject *>()->property("color").value<QColor>();
    }
    static QQuickItem *knobOf(QQuickItem *slider) { return slider->property("handle").value<QQuickItem *>(); }
    static qreal valueOf(QQuickItem *slider) { return slider->property("value").toReal(); }

    // A pitch report as the recorder writes it: units, tenths, sign, tens.
    static QByteArray pitchReply(int tenths)
    {
        const int magnitude = qAbs(tenths);
        return "A5" + QByteArray::number(magnitude / 10 % 10) + QByteArray::number(magnitude % 10)
               + (tenths < 0 ? "1" : "0") + QByteArray::number(magnitude / 100);
    }
    static QByteArray keyReply(int key) { return "AD" + QByteArray(key < 0 ? "1" : "0") + QByteArray::number(qAbs(key)); }

private slots:
    void initTestCase()
    {
        home = std::make_unique<HomeWindow>();
        QVERIFY(h().start());
    }

    void cleanup()
    {
        h().item("timeSearchWindowLoader")->setProperty("active", false);
        h().item("homeSettingWindowLoader")->setProperty("active", false);
        QVERIFY2(h().window.warnings().isEmpty(), qPrintable(h().window.warnings().join('\n')));
    }

    // Before any pitch report the window shows "0" with the slider at 0.
    void beforeTheFirstPitchReport()
    {
        QCOMPARE(h().comm().pitchData(), QString("0"));
        openSettings();
        QCOMPARE(textOf(sw("settingPitchValue")), QString("0"));
        QCOMPARE(valueOf(sw("pitchSlider")), 0.0);
        QCOMPARE(fileOf(knobOf(sw("pitchSlider"))), QString("Knob_OFF_30x30_3.png"));
        closeSettings();
        QVERIFY(h().feed({"D010", "B500", "BD00", pitchReply(0), keyReply(0), "FF6A8A00"}));
        QCOMPARE(h().commands(), QByteArray());
    }

    // What OK sends for what stands in the five fields. Rows marked `set`
    // put texts in place that typing could not (longer than the field takes).
    void timeSearchSendsWhatTheFieldsHold()
    {
        struct Row {
            const char *name;
            QStringList fields;
            QByteArray line;
            bool set;
        };
        const QList<Row> rows = {
            {"all empty", {"", "", "", "", ""}, "", false},
            {"track only", {"7", "", "", "", ""}, "02C070000000000\r\n", false},
            {"track 12 at 1:02:03.04", {"12", "1", "02", "03", "04"}, "02C120062000304\r\n", false},
            {"track 123 at 2:05:30.50", {"123", "2", "05", "30", "50"}, "02C230125013050\r\n", false},
            {"every field at its top", {"999", "99", "59", "59", "99"}, "02C990999595999\r\n", false},
            {"time without a track", {"", "1", "2", "3", "4"}, "", false},
            {"track 0", {"0", "1", "", "", ""}, "", false},
            {"minute 75", {"5", "0", "75", "0", "0"}, "", false},
            {"second 60", {"5", "0", "0", "60", "0"}, "", false},
        };
        const char *names[] = {"timeSearchTrack", "timeSearchHour", "timeSearchMin", "timeSearchSec", "timeSearchFlame"};
        for (const Row &row : rows) {
            openTimeSearch();
            QVERIFY2(isOpen("timeSearchWindowLoader"), row.name);
            for (int i = 0; i < 5; ++i) {
                if (row.fields[i].isEmpty())
                    continue;
                if (row.set)
                    ts(names[i])->setProperty("text", row.fields[i]);
                else
                    type(names[i], row.fields[i]);
            }
            QVERIFY2(fieldTexts() == row.fields, qPrintable(row.name + (": " + fieldTexts().join('|'))));
            h().window.click(ts("timeSearchOk"));
            QVERIFY2(!isOpen("timeSearchWindowLoader"), row.name);
            QVERIFY2(h().commands() == row.line, row.name);
        }
    }

    // The fields take digits only, within their length; a number out of
    // range may stand (OK then sends nothing).
    void timeSearchFieldsRefuseWhatTheyCannotHold()
    {
        struct Row {
            const char *field;
            QString typed;
            QString kept;
        };
        const QList<Row> rows = {
            {"timeSearchTrack", "12345", "123"}, {"timeSearchTrack", "-4a", "4"},
            {"timeSearchHour", "123", "12"},     {"timeSearchMin", "765", "76"},
            {"timeSearchSec", "x59", "59"},      {"timeSearchFlame", "9.9", "99"},
        };
        for (const Row &row : rows) {
            openTimeSearch();
            type(row.field, row.typed);
            QVERIFY2(textOf(ts(row.field)) == row.kept,
                     qPrintable(QString("%1 %2: %3").arg(row.field, row.typed, textOf(ts(row.field)))));
            h().item("timeSearchWindowLoader")->setProperty("active", false);
        }
        QCOMPARE(h().commands(), QByteArray());
    }

    // Enter hands the focus on, track to frame and back to track, but only
    // from a field with an acceptable number; the frames follow the focus.
    void timeSearchEnterChain()
    {
        openTimeSearch();
        QCOMPARE(focusState(), QString());
        h().window.click(ts("timeSearchTrack"));
        QCOMPARE(focusState(), QString("Track trackFrame"));
        struct Step {
            QString typed;
            QString after;
        };
        const QList<Step> steps = {
            {"", "Track trackFrame"}, // empty: stays
            {"0", "Track trackFrame"}, // track 0 is out of range: stays
            {"\b12", "Hour timeFrame"},
            {"1", "Min timeFrame"},
            {"", "Min timeFrame"},
            {"75", "Min timeFrame"}, // out of range: may stand, but stays
            {"\b\b02", "Sec timeFrame"},
            {"03", "Flame timeFrame"},
            {"04", "Track trackFrame"},
            {"", "Hour timeFrame"}, // the track keeps its 12
        };
        for (const Step &step : steps) {
            keys(step.typed);
            QTest::keyClick(h().window.window(), Qt::Key_Return);
            QVERIFY2(focusState() == step.after, qPrintable(step.typed + " -> " + focusState()));
        }
        QCOMPARE(fieldTexts(), QStringList({"12", "1", "02", "03", "04"}));
        h().window.click(ts("timeSearchOk"));
        QCOMPARE(h().commands(), QByteArray("02C120062000304\r\n"));
    }

    // Clicks on the panel keep the window; clicks anywhere else on the page,
    // TIME SEARCH included, close it without sending; the next opening is fresh.
    void timeSearchClosesByAnOutsideClick()
    {
        struct Row {
            const char *name;
            const char *target;
            QPointF at; // in pt, in the target's coordinates; negative: its centre
            bool staysOpen;
        };
        const QList<Row> rows = {
            {"panel's title", "timeSearchPanel", {60, 20}, true},
            {"between the boxes", "timeSearchPanel", {142, 76}, true},
            {"panel's bottom edge", "timeSearchPanel", {200, 110}, true},
            {"display", "display", {-1, -1}, false},
            {"TIME SEARCH", "timeSearchButton", {-1, -1}, false},
            {"just above the panel", "timeSearchPanel", {200, -4}, false},
        };
        for (const Row &row : rows) {
            openTimeSearch();
            type("timeSearchTrack", "42");
            QQuickItem *target = QByteArray(row.target) == "timeSearchPanel" ? ts(row.target) : h().item(row.target);
            const QPointF at = row.at.x() < 0 ? QPointF(target->width() / 2, target->height() / 2) : row.at * h().pt();
            h().window.click(target, at);
            QVERIFY2(isOpen("timeSearchWindowLoader") == row.staysOpen, row.name);
            QVERIFY2(!isOpen("homeSettingWindowLoader"), row.name);
            if (row.staysOpen) {
                QVERIFY2(textOf(ts("timeSearchTrack")) == "42", row.name);
                h().item("timeSearchWindowLoader")->setProperty("active", false);
            }
            QVERIFY2(h().commands().isEmpty(), row.name);
            // Afresh: nothing typed, nothing focused, no frame.
            openTimeSearch();
            QVERIFY2(fieldTexts() == QStringList({"", "", "", "", ""}), row.name);
            QVERIFY2(focusState().isEmpty(), row.name);
            h().item("timeSearchWindowLoader")->setProperty("active", false);
        }
        // The gear lies above the time search: it opens the settings over it.
        openTimeSearch();
        h().window.click(h().item("settingButton"));
        QVERIFY(isOpen("homeSettingWindowLoader"));
        QVERIFY(isOpen("timeSearchWindowLoader"));
        closeSettings();
        h().item("timeSearchWindowLoader")->setProperty("active", false);
        // A record state leaves the time search open.
        openTimeSearch();
        QVERIFY(h().feed({"D081"}));
        QVERIFY(isOpen("timeSearchWindowLoader"));
        QVERIFY(h().feed({"D010"}));
        h().sent();
    }

    // The A-B button by the repeat state: its text, look and command.
    void abRepeatByState()
    {
        struct Row {
            QByteArray state;
            QString text;
            bool lit;
            QByteArray line;
        };
        const QList<Row> rows = {
            {"00", "Set A", false, "02A\r\n"},
            {"01", "Set A", false, "02A\r\n"},
            {"02", "Set B", false, "02B\r\n"},
            {"03", "A-B Repeat ON", true, "03700\r\n"},
            {"04", "A-B Repeat ON", false, "03700\r\n"},
        };
        QQuickItem *button = openSettings()->findChild<QQuickItem *>("abRepeatButton");
        QVERIFY(button);
        for (const Row &row : rows) {
            QVERIFY(h().feed({"FF6A8A" + row.state}));
            QCOMPARE(labelOf(button), row.text);
            QCOMPARE(labelColor(button), QColor(row.lit ? "white" : "black"));
            QCOMPARE(backgroundOf(button), QString(row.lit ? "Oval_ON_144x30_3.png" : "Oval_OFF_144x30_3.png"));
            h().window.click(button);
            QCOMPARE(h().commands(), row.line);
            // The look waits for the recorder.
            QCOMPARE(labelOf(button), row.text);
        }
        QVERIFY(h().feed({"FF6A8A00"}));
        QVERIFY(isOpen("homeSettingWindowLoader"));
    }

    // Point A taken while the window is open: the lit "Set B" flashes and
    // fades; taken while it is closed: no flash at the next opening.
    void abRepeatFlash()
    {
        QQuickItem *flash = openSettings()->findChild<QQuickItem *>("abRepeatFlash");
        QCOMPARE(flash->opacity(), 0.0);
        QVERIFY(h().feed({"FF6A8A02"}));
        QVERIFY(flash->opacity() > 0.5);
        QTRY_COMPARE_WITH_TIMEOUT(flash->opacity(), 0.0, 1000);
        QVERIFY(h().feed({"FF6A8A03"}));
        QTest::qWait(50);
        QCOMPARE(flash->opacity(), 0.0);
        closeSettings();
        QVERIFY(h().feed({"FF6A8A02"}));
        flash = openSettings()->findChild<QQuickItem *>("abRepeatFlash");
        QTest::qWait(50);
        QCOMPARE(flash->opacity(), 0.0);
        QCOMPARE(labelOf(sw("abRepeatButton")), QString("Set B"));
        QVERIFY(h().feed({"FF6A8A00"}));
        QCOMPARE(h().commands(), QByteArray());
    }

    // FLASH LOAD always asks; its look follows the recorder.
    void flashLoad()
    {
        QQuickItem *button = openSettings()->findChild<QQuickItem *>("flashLoadButton");
        for (const QByteArray state : {"00", "10", "00"}) {
            QVERIFY(h().feed({"FF0497" + state}));
            const bool on = state == "10";
            QCOMPARE(backgroundOf(button), QString(on ? "Oval_ON_144x30_3.png" : "Oval_OFF_144x30_3.png"));
            QCOMPARE(labelColor(button), QColor(on ? "white" : "black"));
            h().window.click(button);
            QCOMPARE(h().commands(), QByteArray("017\r\n"));
        }
    }

    // The switches ask for the other state; the lit look of the switch, the
    // step buttons, the knob and the value follow the recorder's status only.
    void pitchAndKeySwitches()
    {
        struct Row {
            QByteArray status;
            const char *button;
            QByteArray line;
            bool lit;
            const char *lower;
            const char *upper;
            const char *slider;
        };
        const QList<Row> rows = {
            {"B500", "pitchButton", "03501\r\n", false, "pitchMinus", "pitchPlus", "pitchSlider"},
            {"B501", "pitchButton", "03500\r\n", true, "pitchMinus", "pitchPlus", "pitchSlider"},
            {"BD00", "keyButton", "03D01\r\n", false, "keyFlat", "keySharp", "keySlider"},
            {"BD01", "keyButton", "03D00\r\n", true, "keyFlat", "keySharp", "keySlider"},
        };
        openSettings();
        for (const Row &row : rows) {
            QVERIFY(h().feed({row.status}));
            QQuickItem *button = sw(row.button);
            const QString on = row.lit ? "ON" : "OFF";
            QCOMPARE(backgroundOf(button), "button-C_" + on + "_58x30_3.png");
            QVERIFY(button->property("background").value<QObject *>()->property("mipmap").toBool());
            const QString lowerName = row.button == QByteArray("pitchButton") ? "minus" : "flat";
            const QString upperName = row.button == QByteArray("pitchButton") ? "plus" : "sharp";
            QCOMPARE(backgroundOf(sw(row.lower)), "button-C_" + lowerName + on + "_58x30_3.png");
            QCOMPARE(backgroundOf(sw(row.upper)), "button-C_" + upperName + on + "_58x30_3.png");
            QCOMPARE(fileOf(knobOf(sw(row.slider))), "Knob_" + on + "_30x30_3.png");
            h().window.click(button);
            QCOMPARE(h().commands(), row.line);
            QCOMPARE(backgroundOf(button), "button-C_" + on + "_58x30_3.png");
        }
        QCOMPARE(sw("settingPitchValue")->property("text").toString(), QString("+0.0"));
        QVERIFY(h().feed({"B500", "BD00"}));
        QCOMPARE(h().commands(), QByteArray());
    }

    // Each new pitch value goes out once, rounded to the tenth and never
    // beyond ±16.0; the report that answers it sends nothing.
    void pitchSliderLines()
    {
        struct Row {
            double value;
            QByteArray line;
            int reportedTenths; // what the recorder then reports
        };
        const QList<Row> rows = {
            {1.5, "0251500\r\n", 15},
            {-12.3, "0252311\r\n", -123},
            {-0.1, "0250110\r\n", -1},
            {16, "0256001\r\n", 160},
            {-16, "0256011\r\n", -160},
            {0.30000000000000004, "0250300\r\n", 3},
            // Off the step: rounded to the tenth.
            {1.04, "0251000\r\n", 10},
            {-7.96, "0258010\r\n", -80},
            // Beyond the range: the slider stops at its end.
            {25, "0256001\r\n", 160},
            {-99.9, "0256011\r\n", -160},
            // On the report already: nothing.
            {-16, "", -160},
        };
        QQuickItem *slider = openSettings()->findChild<QQuickItem *>("pitchSlider");
        QVERIFY(h().feed({"B501", pitchReply(0)}));
        h().sent();
        for (const Row &row : rows) {
            const QByteArray name = QByteArray::number(row.value, 'g', 17);
            slider->setProperty("value", row.value);
            QVERIFY2(h().commands() == row.line, name);
            QVERIFY2(h().feed({pitchReply(row.reportedTenths)}), name);
            QVERIFY2(qAbs(valueOf(slider) - row.reportedTenths / 10.0) < 1e-9, name);
            QVERIFY2(h().commands().isEmpty(), name);
        }
        QCOMPARE(sw("settingPitchValue")->property("text").toString(), QString("-16.0"));
        QVERIFY(h().feed({pitchReply(0)}));
        QCOMPARE(h().commands(), QByteArray());
    }

    // A pitch report beyond the slider's range shows the knob at the end and
    // sends nothing, on opening, on the report itself and at the end's button.
    void pitchReportBeyondTheRange()
    {
        closeSettings();
        QVERIFY(h().feed({"B501", "A59919"})); // -99.9
        QCOMPARE(h().comm().pitchData(), QString("-99.9"));
        QQuickItem *slider = openSettings()->findChild<QQuickItem *>("pitchSlider");
        QCOMPARE(valueOf(slider), -16.0);
        QCOMPARE(h().commands(), QByteArray());
        h().window.click(sw("pitchMinus"));
        QCOMPARE(h().commands(), QByteArray());
        QVERIFY(h().feed({"A57901"})); // +17.9
        QCOMPARE(valueOf(slider), 16.0);
        QCOMPARE(h().commands(), QByteArray());
        h().window.click(sw("pitchPlus"));
        QCOMPARE(h().commands(), QByteArray());
        // The operator can still ask for a value within the range.
        h().window.click(sw("pitchMinus"));
        QCOMPARE(h().commands(), QByteArray("0255901\r\n"));
        QVERIFY(h().feed({pitchReply(0)}));
        QCOMPARE(h().commands(), QByteArray());
    }

    // The step buttons move the slider by a tenth (a key step), each sending;
    // at the ends they change and send nothing.
    void stepButtons()
    {
        openSettings();
        QQuickItem *pitch = sw("pitchSlider");
        QQuickItem *key = sw("keySlider");
        QVERIFY(h().feed({pitchReply(0), keyReply(0)}));
        h().sent();
        for (int i = 0; i < 3; ++i)
            h().window.click(sw("pitchPlus"));
        QCOMPARE(h().commands(), QByteArray("0250100\r\n0250200\r\n0250300\r\n"));
        h().window.click(sw("pitchMinus"));
        QCOMPARE(h().commands(), QByteArray("0250200\r\n"));
        QVERIFY(qAbs(valueOf(pitch) - 0.2) < 1e-9);

        struct Row {
            const char *name;
            QByteArray report;
            const char *button;
            QByteArray line;
        };
        const QList<Row> rows = {
            {"pitch plus at +16.0", pitchReply(160), "pitchPlus", ""},
            {"pitch minus at +16.0", pitchReply(160), "pitchMinus", "0255901\r\n"},
            {"pitch minus at -16.0", pitchReply(-160), "pitchMinus", ""},
            {"pitch plus at -16.0", pitchReply(-160), "pitchPlus", "0255911\r\n"},
            {"sharp at 6", keyReply(6), "keySharp", ""},
            {"flat at 6", keyReply(6), "keyFlat", "02D05\r\n"},
            {"flat at -6", keyReply(-6), "keyFlat", ""},
            {"sharp at -6", keyReply(-6), "keySharp", "02D15\r\n"},
            {"sharp at 0", keyReply(0), "keySharp", "02D01\r\n"},
        };
        for (const Row &row : rows) {
            QVERIFY2(h().feed({row.report}), row.name);
            h().sent();
            h().window.click(sw(row.button));
            QVERIFY2(h().commands() == row.line, row.name);
        }
        // The key is reported only when it changes.
        QVERIFY(h().feed({pitchReply(0), keyReply(1), keyReply(0)}));
        QCOMPARE(valueOf(key), 0.0);
        h().sent();
    }

    // Key values and their lines and texts.
    void keySliderLines()
    {
        struct Row {
            double value;
            QByteArray line;
            QString text;
        };
        const QList<Row> rows = {
            {-2, "02D12\r\n", QString::fromUtf8("\u266D2")},
            {3, "02D03\r\n", QString::fromUtf8("\u266F3")},
            {0, "02D00\r\n", "0"},
            {6, "02D06\r\n", QString::fromUtf8("\u266F6")},
            {-6, "02D16\r\n", QString::fromUtf8("\u266D6")},
            {9, "02D06\r\n", QString::fromUtf8("\u266F6")},
            {2.4, "02D02\r\n", QString::fromUtf8("\u266F2")},
        };
        QQuickItem *slider = openSettings()->findChild<QQuickItem *>("keySlider");
        QVERIFY(h().feed({"BD01", keyReply(1)}));
        h().sent();
        for (const Row &row : rows) {
            const QByteArray name = QByteArray::number(row.value);
            slider->setProperty("value", row.value);
            QVERIFY2(h().commands() == row.line, name);
            const int sent = row.line.mid(4, 1).toInt() * (row.line.at(3) == '1' ? -1 : 1);
            QVERIFY2(h().feed({keyReply(sent)}), name);
            QVERIFY2(textOf(sw("settingKeyValue")) == row.text, name);
            QVERIFY2(h().commands().isEmpty(), name);
        }
        QVERIFY(h().feed({keyReply(0)}));
        h().sent();
    }

    // A press on the slider's track moves the knob there and sends that value.
    void pressOnTheSlider()
    {
        QQuickItem *slider = openSettings()->findChild<QQuickItem *>("pitchSlider");
        QVERIFY(h().feed({"B501", pitchReply(15)}));
        h().sent();
        const qreal middle = slider->width() / 2;
        h().window.click(slider, QPointF(middle, slider->height() / 2));
        QCOMPARE(h().commands(), QByteArray("0250000\r\n"));
        QCOMPARE(valueOf(slider), 0.0);
        QQuickItem *knob = knobOf(slider);
        QCOMPARE(knob->x() + knob->width() / 2, middle);
        // The recorder did not take it: its report puts the knob back.
        QVERIFY(h().feed({pitchReply(15)}));
        QCOMPARE(valueOf(slider), 1.5);
        QCOMPARE(h().commands(), QByteArray());
        QVERIFY(h().feed({pitchReply(0)}));
        h().sent();
    }

    // Reports put the sliders back: a pitch report even when it repeats the
    // last one, a key report only when the amount changes.
    void reportsMoveTheSlidersBack()
    {
        openSettings();
        QQuickItem *pitch = sw("pitchSlider");
        QQuickItem *key = sw("keySlider");
        QVERIFY(h().feed({"B501", "BD01", pitchReply(15), keyReply(-2)}));
        h().sent();
        pitch->setProperty("value", 3.0);
        key->setProperty("value", 4.0);
        QCOMPARE(h().commands(), QByteArray("0253000\r\n02D04\r\n"));
        QVERIFY(h().feed({pitchReply(15), keyReply(-2)}));
        QCOMPARE(valueOf(pitch), 1.5);
        QCOMPARE(valueOf(key), 4.0);
        QVERIFY(h().feed({keyReply(-3)}));
        QCOMPARE(valueOf(key), -3.0);
        QCOMPARE(h().commands(), QByteArray());
        QVERIFY(h().feed({pitchReply(0), keyReply(0)}));
        h().sent();
    }

    // Opening shows the recorder's values and sends nothing; so do the
    // reports of status, pitch and key while the window is open.
    void openingAndReportsSendNothing()
    {
        struct Row {
            const char *name;
            QList<QByteArray> before;
            qreal pitch;
            qreal key;
            QString pitchText;
            QString keyText;
        };
        const QList<Row> rows = {
            {"+1.5 and -2", {"B501", "BD01", pitchReply(15), keyReply(-2)}, 1.5, -2, "+1.5",
             QString::fromUtf8("\u266D2")},
            {"-12.3 and 6, both off", {"B500", "BD00", pitchReply(-123), keyReply(6)}, -12.3, 6, "-12.3",
             QString::fromUtf8("\u266F6")},
            {"zero", {"B501", "BD01", pitchReply(0), keyReply(0)}, 0, 0, "+0.0", "0"},
        };
        for (const Row &row : rows) {
            closeSettings();
            QVERIFY2(h().feed(row.before), row.name);
            h().sent();
            openSettings();
            QVERIFY2(qAbs(valueOf(sw("pitchSlider")) - row.pitch) < 1e-9, row.name);
            QVERIFY2(valueOf(sw("keySlider")) == row.key, row.name);
            QVERIFY2(textOf(sw("settingPitchValue")) == row.pitchText, row.name);
            QVERIFY2(textOf(sw("settingKeyValue")) == row.keyText, row.name);
            QVERIFY2(h().commands().isEmpty(), row.name);
            QVERIFY2(h().feed({"B501", "BD01", "B500", "BD00", pitchReply(77), keyReply(-5), pitchReply(-160),
                               keyReply(6), "B501", "BD01"}),
                     row.name);
            QVERIFY2(valueOf(sw("pitchSlider")) == -16.0, row.name);
            QVERIFY2(valueOf(sw("keySlider")) == 6.0, row.name);
            QVERIFY2(h().commands().isEmpty(), row.name);
        }
    }

    // The variant that forces the knob through 0 and 1 before a report: it
    // sends nothing, ends on the report with the knob shown and the flag
    // clear, and does so even for a report that repeats the slider's value.
    void windowsVariantOfTheReport()
    {
        QQmlContext *context = h().window.qmlEngine()->rootContext();
        struct Row {
            QByteArray report;
            const char *slider;
            qreal value;
        };
        const QList<Row> rows = {
            {pitchReply(15), "pitchSlider", 1.5},   {pitchReply(15), "pitchSlider", 1.5},
            {pitchReply(0), "pitchSlider", 0},      {pitchReply(10), "pitchSlider", 1},
            {pitchReply(-160), "pitchSlider", -16}, {keyReply(-2), "keySlider", -2},
            {keyReply(0), "keySlider", 0},          {keyReply(1), "keySlider", 1},
            {keyReply(6), "keySlider", 6},
        };
        for (const bool windows : {false, true}) {
            closeSettings();
            QVERIFY(h().feed({"B501", "BD01", pitchReply(0), keyReply(3)}));
            context->setContextProperty("isWindows", windows);
            openSettings();
            h().sent();
            for (const Row &row : rows) {
                const QByteArray name = row.report + (windows ? " windows" : " other");
                QQuickItem *slider = sw(row.slider);
                QQuickItem *knob = knobOf(slider);
                QSignalSpy hidden(knob, &QQuickItem::visibleChanged);
                QSignalSpy moved(slider, SIGNAL(valueChanged()));
                QVERIFY2(h().feed({row.report}), name);
                QVERIFY2(valueOf(slider) == row.value, name);
                QVERIFY2(knob->isVisible(), name);
                QVERIFY2(!slider->property("flag").toBool(), name);
                // Hidden and shown again, and moved at least once, only in that variant.
                QVERIFY2(hidden.count() == (windows ? 2 : 0), name);
                if (windows)
                    QVERIFY2(moved.count() >= 1, name);
                QVERIFY2(h().commands().isEmpty(), name);
            }
            // The operator's changes still go out after the forced moves.
            h().window.click(sw("pitchPlus"));
            h().window.click(sw("keyFlat"));
            QCOMPARE(h().commands(), QByteArray("0255911\r\n02D05\r\n"));
        }
        context->setContextProperty("isWindows", false);
        QVERIFY(h().feed({pitchReply(0), keyReply(0)}));
        h().sent();
    }

    // Clicks on the panel keep the window; clicks elsewhere close it; the gear
    // closes it too; a record state closes it. Nothing is sent.
    void settingsClosing()
    {
        struct Row {
            const char *name;
            const char *target;
            QPointF at; // in pt, in the target's coordinates; negative: its centre
            bool staysOpen;
        };
        const QList<Row> rows = {
            {"between the buttons", "settingPanel", {206, 35}, true},
            {"beside the key label", "settingPanel", {120, 170}, true},
            {"display", "display", {-1, -1}, false},
            {"above the panel", "settingPanel", {206, -5}, false},
            {"gear", "settingButton", {-1, -1}, false},
        };
        for (const Row &row : rows) {
            openSettings();
            QQuickItem *target = QByteArray(row.target) == "settingPanel" ? sw(row.target) : h().item(row.target);
            const QPointF at = row.at.x() < 0 ? QPointF(target->width() / 2, target->height() / 2) : row.at * h().pt();
            h().window.click(target, at);
            QVERIFY2(isOpen("homeSettingWindowLoader") == row.staysOpen, row.name);
            QVERIFY2(h().commands().isEmpty(), row.name);
            closeSettings();
        }
        for (const QByteArray status : {"D081", "D082", "D083"}) {
            openSettings();
            QVERIFY(h().feed({status}));
            QVERIFY2(!isOpen("homeSettingWindowLoader"), status);
            QVERIFY(h().feed({"D010"}));
        }
        QCOMPARE(h().commands(), QByteArray("07F6A01\r\n07F6A01\r\n07F6A01\r\n"));
    }

    void screenshots()
    {
        QVERIFY(h().feed({"D011", "D5000300", "DD1200", "FF6A81Morning rehearsal, take 3", "B501", pitchReply(15),
                          "BD01", keyReply(-2), "FF6A8A03", "FF049710"}));
        openTimeSearch();
        type("timeSearchTrack", "12");
        QTest::keyClick(h().window.window(), Qt::Key_Return);
        keys("1");
        QTest::keyClick(h().window.window(), Qt::Key_Return);
        keys("02");
        QTest::qWait(100);
        h().window.screenshot("home-timesearch");
        h().item("timeSearchWindowLoader")->setProperty("active", false);

        openSettings();
        QTest::qWait(100);
        h().window.screenshot("home-settings");
        QVERIFY(h().feed({"B500", "BD00", "FF6A8A00", "FF049700"}));
        QTest::qWait(100);
        h().window.screenshot("home-settings-off");
        closeSettings();
        QVERIFY(h().feed({"D010"}));
        h().sent();
    }

    void cleanupTestCase() { home.reset(); }
};

HB740_TEST_MAIN(TestHomeWindows)
#include "tst_homewindows.moc"
