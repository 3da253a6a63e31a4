#include "HomeWindow.h"
#include "TestMain.h"

#include <QStyleHints>
#include <QtTest>

// The Home page's transport block, level meters and recording-format labels,
// driven in the logged-in window against the scripted recorder.
class TestHomeTransport : public QObject
{
    Q_OBJECT

    std::unique_ptr<HomeWindow> home;

    HomeWindow &h() { return *home; }

    // What the recorder heard since the last call, without the polls'
    // batches, so that a button's lines (the track skip's "055" included)
    // stand as they were sent.
    QByteArray lines(int quietMs = 150)
    {
        QByteArray bytes = h().sent(quietMs);
        bytes.replace("055\r\n07F01FF\r\n07F3105\r\n07F6A02\r\n", "");
        QByteArray kept;
        for (const QByteArray &line : bytes.split('\n')) {
            const QByteArray bare = line.trimmed();
            if (!bare.isEmpty() && bare != "050" && !bare.startsWith("0580"))
                kept += bare + "\r\n";
        }
        return kept;
    }

    // Reply lines, then whatever they made the application send is dropped.
    void play(const QList<QByteArray> &replies)
    {
        QVERIFY(h().feed(replies));
        h().sent();
    }

    static QByteArray statusReply(int status) { return "D0" + QByteArray::number(status, 16).rightJustified(2, '0').toUpper(); }

    QPoint centreOf(QQuickItem *item)
    {
        return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
    }

    QString imageOf(const char *button)
    {
        return fileOf(h().item(button)->property("background").value<QObject *>());
    }

    static int holdMs() { return QGuiApplication::styleHints()->mousePressAndHoldInterval(); }

    // A level reply: L, R, L peak, R peak as sent, then the two over flags.
    static QByteArray levels(int l, int r, int lPeak, int rPeak, bool lOver = false, bool rOver = false)
    {
        return "FF6A89"
               + QString::asprintf("%02X%02X%02X%02X0%d0%d", l, r, lPeak, rPeak, lOver ? 1 : 0, rOver ? 1 : 0).toLatin1();
    }

    // Where an item lies in the meter, in pt.
    qreal left(const char *name) { return h().item(name)->x() / h().pt(); }
    qreal right(const char *name)
    {
        QQuickItem *found = h().item(name);
        return (found->x() + found->width()) / h().pt();
    }

    QColor pixelAt(const QImage &shot, QQuickItem *item, qreal xPt, qreal yPt)
    {
        return shot.pixelColor(item->mapToScene(QPointF(xPt * h().pt(), yPt * h().pt())).toPoint());
    }

    static bool near(qreal a, qreal b) { return qAbs(a - b) < 0.05; }

private slots:
    void initTestCase()
    {
        home = std::make_unique<HomeWindow>();
        QVERIFY(h().start());
        play({"FF07CF00", "FF0100"});
    }

    void init() { h().item("mainFlick")->setProperty("contentY", 0); }

    void cleanup() { QVERIFY2(h().window.warnings().isEmpty(), qPrintable(h().window.warnings().join('\n'))); }

    // The first clicks on REW and FF after the page was built send only the
    // time skip.
    void firstClicksSkipOnly()
    {
        play({"FF03DD0000", "D011"});
        h().window.click(h().item("reverseButton"));
        QCOMPARE(lines(), QByteArray("01A31\r\n"));
        h().window.click(h().item("forwardButton"));
        QCOMPARE(lines(), QByteArray("01A30\r\n"));
    }

    // Every button in every status, with no marks in the take and the play
    // area ALL: exactly the lines the recorder hears.
    void buttonsInEveryStatus()
    {
        const QList<const char *> buttons = {"stopButton", "playButton", "pauseButton", "recButton",
                                             "trackSkipPreviousButton", "reverseButton", "forwardButton",
                                             "trackSkipNextButton"};
        struct Row {
            int status;
            QList<QByteArray> sent; // in the order of `buttons`
        };
        const QByteArray stop = "010\r\n", playLines = "012\r\n07F6A3F01\r\n", rec = "07F720101\r\n";
        const QByteArray back = "01A01\r\n055\r\n", next = "01A00\r\n055\r\n";
        const QList<Row> rows = {
            {16, {stop, playLines, "01401\r\n", rec, back, "", "", next}},
            {17, {stop, playLines, "01401\r\n", rec, back, "01A31\r\n", "01A30\r\n", next}},
            {18, {stop, playLines, "01D\r\n", rec, back, "01A31\r\n", "01A30\r\n", next}},
            {129, {stop, playLines, "01301\r\n", "01302\r\n", back, "", "", next}},
            {130, {stop, playLines, "01401\r\n", rec, back, "", "", next}},
            {131, {stop, playLines, "01401\r\n", rec, back, "", "", next}},
            {255, {stop, playLines, "01401\r\n", rec, back, "", "", next}},
            {0, {stop, playLines, "01401\r\n", rec, back, "", "", next}},
        };
        for (const Row &row : rows) {
            play({"FF03DD0000", statusReply(row.status)});
            QCOMPARE(h().comm().statusIcon(), row.status);
            for (int i = 0; i < buttons.size(); ++i) {
                h().window.click(h().item(buttons.at(i)));
                const QByteArray heard = lines();
                QVERIFY2(heard == row.sent.at(i), qPrintable(QStringLiteral("status %1, %2: heard \"%3\"")
                                                                 .arg(row.status)
                                                                 .arg(buttons.at(i))
                                                                 .arg(QString::fromLatin1(heard.toPercentEncoding()))));
            }
        }
    }

    // The track skips use the marks only in play and play pause; stopped
    // they skip tracks, busy they do nothing.
    void trackSkipsWithMarks()
    {
        struct Row {
            int status;
            QByteArray back, next;
        };
        const QList<Row> rows = {
            {16, "01A01\r\n055\r\n", "01A00\r\n055\r\n"},
            {17, "07F031A01\r\n", "07F031A00\r\n"},
            {18, "07F031A01\r\n", "07F031A00\r\n"},
            {255, "", ""},
        };
        for (const Row &row : rows) {
            const QByteArray name = "status " + QByteArray::number(row.status);
            play({statusReply(row.status), "FF03DD0300"});
            QTRY_COMPARE(h().window.backend().mark.marks.size(), 3);
            // At 30 s: the mark at 10 s lies behind, the one at 1 min ahead.
            play({"8800003000"});
            h().window.click(h().item("trackSkipPreviousButton"));
            QVERIFY2(lines() == row.back, name);
            h().window.click(h().item("trackSkipNextButton"));
            QVERIFY2(lines() == row.next, name);
        }
        play({"FF03DD0000"});
    }

    // REC outside recording asks first; the recorder's answer decides between
    // the two record commands, and the level stream comes on.
    void recordStartsInTwoSteps()
    {
        struct Row {
            const char *name;
            QByteArray answer, sent;
        };
        const QList<Row> rows = {
            {"answer 00", "FF72810100", "01301\r\n07F6A3F01\r\n"},
            {"answer 01", "FF72810101", "01300\r\n07F6A3F01\r\n"},
            {"answer 10", "FF72810110", "01300\r\n07F6A3F01\r\n"},
            {"another sub-code", "FF72820100", ""},
        };
        for (const Row &row : rows) {
            play({"D010"});
            h().window.click(h().item("recButton"));
            QVERIFY2(lines() == "07F720101\r\n", row.name);
            QVERIFY(h().feed({row.answer}));
            QVERIFY2(lines() == row.sent, row.name);
        }
        // Recording, REC makes the next track at once.
        play({"D081"});
        h().window.click(h().item("recButton"));
        QCOMPARE(lines(), QByteArray("01302\r\n"));
    }

    // The upper row's lamps follow the status replies, not the presses; the
    // lower row lights only while pressed.
    void lampsFollowTheStatus()
    {
        const QList<const char *> lamps = {"stopButton", "playButton", "pauseButton", "recButton"};
        const QStringList onImages = {"button-A_STOP-ON_71x71_3.png", "button-A_PLAY-ON_71x71_3.png",
                                      "button-A_PAUSE-ON_71x71_3.png", "button-A_REC-ON_71x71_3.png"};
        const QStringList offImages = {"button-A_STOP-OFF_71x71_3.png", "button-A_PLAY-OFF_71x71_3.png",
                                       "button-A_PAUSE-OFF_71x71_3.png", "button-A_REC-OFF_71x71_3.png"};
        struct Row {
            int status;
            QStringList lit;
        };
        const QList<Row> rows = {
            {16, {"stopButton"}},
            {17, {"playButton"}},
            {18, {"pauseButton"}},
            {129, {"recButton", "playButton"}},
            {130, {"recButton", "pauseButton"}},
            {131, {"recButton"}},
            {255, {}},
            {0, {}},
            {66, {}},
        };
        for (const Row &row : rows) {
            play({statusReply(row.status)});
            for (int i = 0; i < lamps.size(); ++i) {
                const bool lit = row.lit.contains(QLatin1String(lamps.at(i)));
                QVERIFY2(imageOf(lamps.at(i)) == (lit ? onImages.at(i) : offImages.at(i)),
                         qPrintable(QStringLiteral("status %1, %2").arg(row.status).arg(lamps.at(i))));
            }
        }

        // A press changes no lamp: only the recorder's answer does.
        play({"D010"});
        h().window.click(h().item("playButton"));
        h().sent();
        QCOMPARE(imageOf("playButton"), QStringLiteral("button-A_PLAY-OFF_71x71_3.png"));
        QCOMPARE(imageOf("stopButton"), QStringLiteral("button-A_STOP-ON_71x71_3.png"));
        QVERIFY(h().feed({"D011"}));
        QCOMPARE(imageOf("playButton"), QStringLiteral("button-A_PLAY-ON_71x71_3.png"));
        QCOMPARE(imageOf("stopButton"), QStringLiteral("button-A_STOP-OFF_71x71_3.png"));
        h().sent();

        const QList<std::pair<const char *, QString>> lower = {
            {"trackSkipPreviousButton", "skip-L"}, {"reverseButton", "REW"},
            {"forwardButton", "FF"}, {"trackSkipNextButton", "skip-R"}};
        play({"D010"});
        for (const auto &button : lower) {
            const QPoint centre = centreOf(h().item(button.first));
            QCOMPARE(imageOf(button.first), QStringLiteral("button-B_%1_OFF_71x44_3.png").arg(button.second));
            QTest::mousePress(h().window.window(), Qt::LeftButton, {}, centre);
            QCOMPARE(imageOf(button.first), QStringLiteral("button-B_%1_ON_71x44_3.png").arg(button.second));
            QTest::mouseRelease(h().window.window(), Qt::LeftButton, {}, centre);
            QCOMPARE(imageOf(button.first), QStringLiteral("button-B_%1_OFF_71x44_3.png").arg(button.second));
        }
        h().sent();
    }

    // A press held past the press-and-hold delay searches; its release
    // returns to the state the search began in. The next short click, on
    // either button, only skips.
    void holdSearchesClickSkips()
    {
        struct Row {
            const char *name;
            int status;
            const char *button;
            QByteArray atHold, atRelease;
            const char *thenClicked;
            QByteArray atClick;
        };
        const QList<Row> rows = {
            {"REW in play", 17, "reverseButton", "01601\r\n", "012\r\n", "reverseButton", "01A31\r\n"},
            {"REW in pause", 18, "reverseButton", "01601\r\n", "01401\r\n", "reverseButton", "01A31\r\n"},
            {"FF in play", 17, "forwardButton", "01600\r\n", "012\r\n", "forwardButton", "01A30\r\n"},
            {"FF in pause", 18, "forwardButton", "01600\r\n", "01401\r\n", "forwardButton", "01A30\r\n"},
            {"REW, then FF", 17, "reverseButton", "01601\r\n", "012\r\n", "forwardButton", "01A30\r\n"},
            {"FF, then REW", 18, "forwardButton", "01600\r\n", "01401\r\n", "reverseButton", "01A31\r\n"},
            {"REW stopped", 16, "reverseButton", "", "", "reverseButton", ""},
            {"FF stopped", 16, "forwardButton", "", "", "forwardButton", ""},
            {"FF recording", 129, "forwardButton", "", "", "forwardButton", ""},
        };
        for (const Row &row : rows) {
            play({statusReply(row.status)});
            const QPoint centre = centreOf(h().item(row.button));
            QTest::mousePress(h().window.window(), Qt::LeftButton, {}, centre);
            QTest::qWait(holdMs() + 300);
            QVERIFY2(lines() == row.atHold, row.name);
            QTest::mouseRelease(h().window.window(), Qt::LeftButton, {}, centre);
            QVERIFY2(lines() == row.atRelease, row.name);
            // A short press of its own, not a toolkit double click.
            QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
            const QPoint other = centreOf(h().item(row.thenClicked));
            QTest::mousePress(h().window.window(), Qt::LeftButton, {}, other);
            QTest::qWait(100);
            QTest::mouseRelease(h().window.window(), Qt::LeftButton, {}, other);
            QVERIFY2(lines() == row.atClick, row.name);
        }
    }

    // A held press dragged off the button still ends the search when it lets go.
    void holdDraggedOffStillCancels()
    {
        play({"D011"});
        QQuickItem *button = h().item("reverseButton");
        const QPoint centre = centreOf(button);
        QTest::mousePress(h().window.window(), Qt::LeftButton, {}, centre);
        QTest::qWait(holdMs() + 300);
        QCOMPARE(lines(), QByteArray("01601\r\n"));
        const QPoint away = centre + QPoint(0, int(button->height() * 2));
        QTest::mouseMove(h().window.window(), away);
        QTest::mouseRelease(h().window.window(), Qt::LeftButton, {}, away);
        QCOMPARE(lines(), QByteArray("012\r\n"));
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        h().window.click(button);
        QCOMPARE(lines(), QByteArray("01A31\r\n"));
    }

    // The stereo meter from the level replies: bars, peaks and over markers
    // where the scale holds them; values past the scale stop at its end.
    void stereoMeter()
    {
        play({"D010"});
        QVERIFY(h().item("levelMeter")->isVisible());
        const qreal segment = 333.0 / 58;
        struct Row {
            const char *name;
            QByteArray reply;
            int l, r, lPeak, rPeak; // segments shown, 0 for none
            bool lOver, rOver;
        };
        const QList<Row> rows = {
            {"silence", levels(0, 0, 0, 0), 0, 0, 0, 0, false, false},
            {"one is nothing", levels(1, 1, 1, 1), 0, 0, 0, 0, false, false},
            {"levels", levels(27, 11, 31, 12), 26, 10, 30, 11, false, false},
            {"first segment", levels(2, 0, 2, 0), 1, 0, 1, 0, false, false},
            {"full scale", levels(59, 59, 59, 59), 58, 58, 58, 58, false, false},
            {"past the scale", levels(0xFF, 100, 0xFF, 0x50), 58, 58, 58, 58, false, false},
            {"peak beyond the bar", levels(11, 0, 41, 0), 10, 0, 40, 0, false, false},
            {"L over, no level", levels(0, 0, 0, 0, true, false), 0, 0, 0, 0, true, false},
            {"R over", levels(30, 30, 30, 30, false, true), 29, 29, 29, 29, false, true},
        };
        for (const Row &row : rows) {
            QVERIFY(h().feed({row.reply}));
            const auto check = [&](const char *bar, const char *peak, int shown, int peakAt) {
                QVERIFY2(h().item(bar)->isVisible() == (shown != 0), row.name);
                if (shown != 0) {
                    QVERIFY2(near(left(bar), 14), row.name);
                    QVERIFY2(near(right(bar), 14 + shown * segment), row.name);
                }
                QVERIFY2(h().item(peak)->isVisible() == (peakAt != 0), row.name);
                if (peakAt != 0) {
                    QVERIFY2(near(left(peak), 14 + (peakAt - 1) * segment), row.name);
                    QVERIFY2(near(right(peak), 14 + peakAt * segment), row.name);
                }
                QVERIFY2(right(bar) <= 347.01 && right(peak) <= 347.01, row.name);
            };
            check("levelBarL", "levelPeakL", row.l, row.lPeak);
            check("levelBarR", "levelPeakR", row.r, row.rPeak);
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(h().item("levelOverL")->isVisible() == row.lOver, row.name);
            QVERIFY2(h().item("levelOverR")->isVisible() == row.rOver, row.name);
        }
        QVERIFY(near(h().item("levelOverL")->x() / h().pt(), 355));
        QVERIFY(near(h().item("levelOverR")->y() / h().pt(), 38));
        h().sent();
    }

    // What is drawn: green at the scale's start, yellow at its end, a peak
    // in the colour of its place, and nothing past the scale's end even for
    // the largest value.
    void meterColours()
    {
        play({"D010", levels(0xFF, 0xFF, 0, 0)});
        QTest::qWait(50);
        QQuickItem *meter = h().item("levelMeter");
        QImage shot = h().window.screenshot();
        const QColor start = pixelAt(shot, meter, 15, 4), end = pixelAt(shot, meter, 346, 4);
        QVERIFY2(start.green() > start.red() && start.green() > start.blue(), qPrintable(start.name()));
        QVERIFY2(end.red() > 200 && end.green() > 200 && end.blue() < 140, qPrintable(end.name()));
        // Between the scale's end and the over field lies the bare meter image.
        const QColor beyond = pixelAt(shot, meter, 351, 4);
        QVERIFY2(beyond.red() < 80 && beyond.green() < 80, qPrintable(beyond.name()));

        // A lone peak in segment 1, and one past the scale held in segment 58,
        // in the bar's colours there.
        play({levels(0, 0, 2, 0xFF)});
        QTest::qWait(50);
        shot = h().window.screenshot();
        const QColor firstPeak = pixelAt(shot, meter, 16, 4), lastPeak = pixelAt(shot, meter, 344, 42);
        QVERIFY2(qAbs(firstPeak.green() - start.green()) < 12 && qAbs(firstPeak.red() - start.red()) < 12,
                 qPrintable(firstPeak.name()));
        QVERIFY2(qAbs(lastPeak.red() - end.red()) < 12 && qAbs(lastPeak.green() - end.green()) < 12,
                 qPrintable(lastPeak.name()));
        const QColor between = pixelAt(shot, meter, 100, 4);
        QVERIFY2(between.green() < 80, qPrintable(between.name()));
    }

    // The mono meter stands in for the stereo one only in the record view
    // with mono mix on; it follows L alone and stops at its scale's end.
    void monoMeter()
    {
        struct View {
            QList<QByteArray> replies;
            bool mono;
        };
        const QList<View> views = {{{"D010", "FF6AE200"}, false},
                                   {{"D081", "FF6AE200"}, true},
                                   {{"D081", "FF6AE201"}, false},
                                   {{"D082", "FF6AE200"}, true},
                                   {{"D011"}, false}};
        for (const View &view : views) {
            play(view.replies);
            QVERIFY2(h().item("homeLevelMeterMono")->isVisible() == view.mono, view.replies.join(' '));
            QVERIFY2(h().item("levelMeter")->isVisible() == !view.mono, view.replies.join(' '));
        }

        play({"D081", "FF6AE200"});
        const qreal segment = 333.0 / 58;
        struct Row {
            const char *name;
            QByteArray reply;
            int shown, peak;
            bool over;
        };
        const QList<Row> rows = {
            {"R only", levels(0, 40, 0, 50, false, true), 0, 0, false},
            {"L", levels(21, 0, 31, 0, true, false), 20, 30, true},
            {"first segment", levels(2, 59, 2, 59), 1, 1, false},
            {"past the scale", levels(0xFF, 0, 0xC8, 0), 58, 58, false},
        };
        for (const Row &row : rows) {
            QVERIFY(h().feed({row.reply}));
            QVERIFY2(h().item("monoLevelBar")->isVisible() == (row.shown != 0), row.name);
            if (row.shown != 0) {
                QVERIFY2(near(left("monoLevelBar"), 7), row.name);
                QVERIFY2(near(right("monoLevelBar"), 7 + row.shown * segment), row.name);
            }
            QVERIFY2(h().item("monoLevelPeak")->isVisible() == (row.peak != 0), row.name);
            if (row.peak != 0)
                QVERIFY2(near(left("monoLevelPeak"), 7 + (row.peak - 1) * segment), row.name);
            QVERIFY2(right("monoLevelBar") <= 340.01 && right("monoLevelPeak") <= 340.01, row.name);
            QVERIFY2(h().item("monoLevelOver")->isVisible() == row.over, row.name);
        }
        QVERIFY(near(h().item("monoLevelOver")->x() / h().pt(), 348));
        play({"FF6AE201", "D010"});
    }

    // A new menu download switches the level stream off and, once the menu
    // stands again, on; the meters keep their last reading meanwhile and
    // follow the readings that come after.
    void meterAcrossAMenuDownload()
    {
        play({"D010", levels(21, 11, 31, 0)});
        QSignalSpy started(&h().window.backend().menu, &Menu::menuStarted);
        QSignalSpy completed(&h().window.backend().menu, &Menu::menuCompleted);
        // The recorder announces its menu anew (the page count reply).
        QByteArray count = h().menu.answer("07F6A7A10").value(0);
        QVERIFY(count.startsWith('0'));
        QVERIFY(h().feed({count.mid(1)}));
        QTRY_COMPARE(started.count(), 1);
        QTRY_COMPARE(completed.count(), 1);
        QTRY_VERIFY(h().window.backend().menu.drawingFinished);
        const QByteArray heard = h().sent(300);
        const int off = heard.indexOf("07F6A3F00\r\n"), on = heard.indexOf("07F6A3F01\r\n");
        QVERIFY2(off >= 0 && on > off, heard);
        QCOMPARE(heard.count("07F6A3F0"), 2);
        QVERIFY(near(right("levelBarL"), 14 + 20 * 333.0 / 58));
        QVERIFY(near(right("levelBarR"), 14 + 10 * 333.0 / 58));
        QVERIFY(near(left("levelPeakL"), 14 + 29 * 333.0 / 58));
        play({levels(5, 0, 9, 0)});
        QVERIFY(near(right("levelBarL"), 14 + 4 * 333.0 / 58));
        QVERIFY(!h().item("levelBarR")->isVisible());
        QVERIFY(!h().item("levelPeakR")->isVisible());
    }

    // The format and frequency labels by the reported code, on a memory
    // medium and on the CD, in report order: some CD texts keep the last.
    void formatLabels()
    {
        play({"D081"});
        QVERIFY(h().item("homeRecFormat")->isVisible());
        QVERIFY(h().item("homeRecFs")->isVisible());
        struct Row {
            QByteArray code;
            QString format, formatCd, fs, fsCd;
        };
        const QString k44 = "44.1 kHz", k48 = "48 kHz", k96 = "96 kHz";
        const QList<Row> rows = {
            {"00", "Wav", "CD-DA", k44, k44},
            {"01", "Mp3", "Mp3", k44, k44},
            {"02", "Wav16+Mp3", "Mp3", k44, k48},
            {"16", "Wav", "", k96, k48},
            {"03", "Wav(Backup)", "", k44, k48},
            {"04", "Mp3(Backup)", "", k44, k48},
            {"05", "Wav(Relay)", "", k44, k48},
            {"06", "Mp3(Relay)", "", k44, k48},
            {"07", "Wav16+Mp3\n(Relay)", "", k44, k48},
            {"09", "Mp3", "Mp3", k48, k44},
            {"10", "Wav16+Mp3", "Mp3", k48, k48},
            {"08", "Wav", "CD-DA", k48, k44},
            {"15", "Wav16+Mp3\n(Relay)", "", k48, k44},
            {"17", "", "", k48, k44},
            {"99", "", "", k48, k44},
        };
        QQuickItem *format = h().item("recFormatText");
        QQuickItem *fs = h().item("recFsText");
        for (const Row &row : rows) {
            const QByteArray name = "code " + row.code;
            // A memory medium, no medium at all, then the CD.
            for (const QByteArray &medium : {QByteArray("FF0100"), QByteArray("FF0199"), QByteArray("FF0111")}) {
                play({"FF6A8C" + row.code, medium});
                const bool cd = medium == "FF0111";
                QVERIFY2(textOf(format) == (cd ? row.formatCd : row.format), name + " " + medium);
                QVERIFY2(textOf(fs) == (cd ? row.fsCd : row.fs), name + " " + medium);
            }
        }
        // The relay of both formats stands on two lines.
        play({"FF6A8C07", "FF0101"});
        QCOMPARE(format->property("lineCount").toInt(), 2);
        play({"FF6A8C01"});
        QCOMPARE(format->property("lineCount").toInt(), 1);

        // The labels belong to the record view.
        play({"D011"});
        QVERIFY(!h().item("homeRecFormat")->isVisible());
        QVERIFY(!h().item("homeRecFs")->isVisible());
        play({"D083"});
        QVERIFY(h().item("homeRecFormat")->isVisible());
        play({"FF0100", "D010"});
    }

    void screenshots()
    {
        play({"FF0100", "D011", "D5000300", "DD1200", "FF6A81Morning rehearsal, take 3", "8800021517",
              levels(41, 37, 47, 44)});
        QTest::qWait(100);
        h().window.screenshot("transport-play");

        play({"D081", "FF6A8C09", "FF6A8E01", levels(52, 48, 0xFF, 55, true, false)});
        QTest::qWait(100);
        h().window.screenshot("transport-record");

        play({"D082", "FF6AE200", "FF6A8C07", levels(30, 0, 36, 0)});
        QTest::qWait(100);
        h().window.screenshot("transport-record-mono");

        // A held REW lights while the recorder searches.
        play({"FF6AE201", "D011", levels(0, 0, 0, 0)});
        const QPoint centre = centreOf(h().item("reverseButton"));
        QTest::mousePress(h().window.window(), Qt::LeftButton, {}, centre);
        QTest::qWait(holdMs() + 200);
        h().window.screenshot("transport-held-rew");
        QTest::mouseRelease(h().window.window(), Qt::LeftButton, {}, centre);
        h().sent();
    }

    void cleanupTestCase() { home.reset(); }
};

HB740_TEST_MAIN(TestHomeTransport)
#include "tst_hometransport.moc"
