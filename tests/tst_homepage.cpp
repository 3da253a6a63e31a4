#include "HomeWindow.h"
#include "TestMain.h"

#include <QtTest>
#include <cmath>

class TestHomePage : public QObject
{
    Q_OBJECT

    std::unique_ptr<HomeWindow> home;

    HomeWindow &h() { return *home; }

private slots:
    void initTestCase()
    {
        home = std::make_unique<HomeWindow>();
        QVERIFY(h().start());
    }

    void cleanup() { QVERIFY2(h().window.warnings().isEmpty(), qPrintable(h().window.warnings().join('\n'))); }

    // Until the first status change the page shows the play view and no status image.
    void startsInThePlayView()
    {
        QCOMPARE(h().comm().statusIcon(), 0);
        QVERIFY(h().playOnly());
        QCOMPARE(fileOf(h().item("statusIcon")), QString());
        QVERIFY(!h().item("busyText")->isVisible());
        QVERIFY(h().item("pitchText")->isVisible());
    }

    // The login reads the marks before the first time reply: until the
    // track's length is known the arrows wait hidden, then stand at their places.
    void arrowsOfTheFirstSessionWaitForItsLength()
    {
        QTRY_COMPARE(h().arrows().size(), 3);
        QCOMPARE(h().comm().trackTotalTimeFlame(), 0);
        for (QQuickItem *arrow : h().arrows())
            QVERIFY(!arrow->isVisible());
        QVERIFY(h().feed({"D011", "D80000000000", remainingReply(5, 0)}));
        const QList<QQuickItem *> arrows = h().arrows();
        QCOMPARE(arrows.size(), 3);
        for (QQuickItem *arrow : arrows)
            QVERIFY(arrow->isVisible());
        QCOMPARE(h().pointsAt(arrows[0]), 270.0 * 1000 / 30000);
        QCOMPARE(h().pointsAt(arrows[2]), 270.0 * 24000 / 30000);
        QVERIFY(h().feed({"D000"}));
        QTRY_COMPARE(h().arrows().size(), 0);
        h().sent();
    }

    // Each status reply sets the status image and the view; a record state
    // closes the settings window but not the time search.
    void statusHandler()
    {
        struct Row {
            QList<QByteArray> lines;
            QString image;
            bool playView;
            bool settingsOpenAfter;
            const char *busy;
        };
        const QList<Row> rows = {
            {{"D010"}, "Transport_STOP_3.png", true, true, ""},
            {{"D011"}, "Transport_PLAY_3.png", true, true, ""},
            {{"D012"}, "Transport_PLAYPAUSE_3.png", true, true, ""},
            {{"D081"}, "Transport_REC_3.png", false, false, ""},
            {{"D082"}, "Transport_RECPAUSE_3.png", false, false, ""},
            {{"D010"}, "Transport_STOP_3.png", true, true, ""},
            {{"D083"}, "Transport_RECPAUSE_3.png", false, false, ""},
            // Busy after recording keeps the record view; the busy text stands in the image's place.
            {{"FF6AE603", "D0FF"}, "", false, true, "Burning"},
            {{"D000"}, "", false, true, ""},
            {{"D012"}, "Transport_PLAYPAUSE_3.png", true, true, ""},
            {{"FF6AE607", "D0FF"}, "", true, true, ""},
            {{"D042"}, "", true, true, ""},
            {{"D000"}, "", true, true, ""},
        };
        for (const Row &row : rows) {
            const QByteArray name = row.lines.join(' ');
            QQuickItem *settings = h().item("homeSettingWindowLoader");
            QQuickItem *timeSearch = h().item("timeSearchWindowLoader");
            settings->setProperty("active", true);
            timeSearch->setProperty("active", true);
            QVERIFY2(h().feed(row.lines), name);
            QVERIFY2(fileOf(h().item("statusIcon")) == row.image, name);
            QVERIFY2(h().playOnly() == row.playView, name);
            QVERIFY2(settings->property("active").toBool() == row.settingsOpenAfter, name);
            QVERIFY2(timeSearch->property("active").toBool(), name);
            QVERIFY2(h().item("busyText")->isVisible() == (h().comm().statusIcon() == 255), name);
            if (h().comm().statusIcon() == 255)
                QVERIFY2(textOf(h().item("busyText")) == QLatin1String(row.busy), name);
            settings->setProperty("active", false);
            timeSearch->setProperty("active", false);
        }
    }

    void busyTexts_data()
    {
        QTest::addColumn<QByteArray>("detail");
        QTest::addColumn<QString>("text");
        QTest::newRow("finalizing") << QByteArray("01") << "Finalizing";
        QTest::newRow("erasing") << QByteArray("02") << "Erasing";
        QTest::newRow("burning") << QByteArray("03") << "Burning";
        QTest::newRow("ripping") << QByteArray("04") << "Ripping";
        QTest::newRow("unknown") << QByteArray("07") << "";
        QTest::newRow("none") << QByteArray("00") << "";
    }
    void busyTexts()
    {
        QFETCH(QByteArray, detail);
        QFETCH(QString, text);
        QVERIFY(h().feed({"D010", "FF6AE6" + detail, "D0FF"}));
        QVERIFY(h().item("busyText")->isVisible());
        QCOMPARE(textOf(h().item("busyText")), text);
        QCOMPARE(fileOf(h().item("statusIcon")), QString());
        QVERIFY(h().feed({"D010"}));
        QVERIFY(!h().item("busyText")->isVisible());
    }

    // Which lamps show, by view and medium, with every lamp's condition on,
    // then off.
    void indicatorsByViewAndMedium()
    {
        const QList<QByteArray> allOn = {"FF049710", "B601", "B001", "BA01", "B101", "B801", "FF6A8501",
                                         "FF6A8601", "FF6A8701", "FF6A8801", "FF6A8D01", "FF6AE001", "FF6AE101",
                                         "FF1291000001", "FF6A8E01", "FF6A8A01"};
        const QList<QByteArray> allOff = {"FF049700", "B600", "B000", "BA00", "B100", "B800", "FF6A8500",
                                          "FF6A8600", "FF6A8700", "FF6A8800", "FF6A8D00", "FF6AE000", "FF6AE100",
                                          "FF1291000000", "FF6A8E00", "FF6A8A00"};
        const QList<const char *> lamps = {"flashLoadDisp", "autoReadyDisp", "autoCueDisp", "incPlayDisp",
                                           "limiterDisp",   "agcDisp",       "srcDisp",     "autoTrackDisp",
                                           "autoMarkDisp",  "downloadDisp",  "uploadDisp",  "repeatDisp",
                                           "syncRecDisp",   "lowCutDisp",    "phantomDisp", "timerEventDisp"};
        const auto showing = [&] {
            QStringList names;
            for (const char *lamp : lamps)
                if (h().shown(lamp))
                    names.append(lamp);
            return names.join(' ');
        };
        struct Row {
            QList<QByteArray> lines;
            QString shown;
        };
        const QList<Row> rows = {
            {allOn + QList<QByteArray>{"FF0100", "D011"},
             "flashLoadDisp autoReadyDisp autoCueDisp incPlayDisp downloadDisp uploadDisp repeatDisp phantomDisp "
             "timerEventDisp"},
            {{"D081"}, "limiterDisp agcDisp srcDisp autoTrackDisp autoMarkDisp syncRecDisp lowCutDisp phantomDisp "
                       "timerEventDisp"},
            // The CD takes no marks and no timer events.
            {{"FF0111"}, "limiterDisp agcDisp srcDisp autoTrackDisp syncRecDisp lowCutDisp phantomDisp"},
            {{"D010"}, "flashLoadDisp autoReadyDisp autoCueDisp incPlayDisp downloadDisp uploadDisp repeatDisp "
                       "phantomDisp"},
            {allOff, ""},
            {{"D081"}, ""},
            {{"FF0100", "D010"}, ""},
        };
        for (const Row &row : rows) {
            QVERIFY(h().feed(row.lines));
            QCOMPARE(showing(), row.shown);
        }

        // Phantom power and timer event move to a third row in the record view.
        QVERIFY(h().feed({"FF6A8501", "FF6A8601", "D011"}));
        QCOMPARE(h().item("phantomDisp")->position() / h().pt(), QPointF(180, 37));
        QCOMPARE(h().item("timerEventDisp")->position() / h().pt(), QPointF(220, 37));
        QVERIFY(h().feed({"D081"}));
        QCOMPARE(h().item("phantomDisp")->position() / h().pt(), QPointF(327, 64));
        QCOMPARE(h().item("timerEventDisp")->position() / h().pt(), QPointF(368, 64));
        QVERIFY(h().feed({"FF6A8500", "FF6A8600", "D010"}));
    }

    void dynamicsAndRepeatImages()
    {
        const QList<QPair<QByteArray, QString>> dynamics = {{"01", "display-REC_LIMITER_3.png"},
                                                            {"02", "display_CNP-SOFT_3.png"},
                                                            {"03", "display_CNP-HARD_3.png"},
                                                            {"04", ""},
                                                            {"00", ""}};
        for (const auto &row : dynamics) {
            QVERIFY(h().feed({"FF6A8E" + row.first}));
            QCOMPARE(fileOf(h().item("limiterDisp")), row.second);
        }
        const QList<QPair<QByteArray, QString>> repeats = {
            {"01", "display_repeat_3.png"}, {"02", ""}, {"03", "display_A-Brepeat_3.png"}, {"00", ""}};
        for (const auto &row : repeats) {
            QVERIFY(h().feed({"FF6A8A" + row.first}));
            QCOMPARE(fileOf(h().item("repeatDisp")), row.second);
        }
    }

    // The transfer lamps blink together, and only while one of them shows.
    void transferLampsBlink()
    {
        QQuickItem *download = h().item("downloadDisp");
        QQuickItem *upload = h().item("uploadDisp");
        QVERIFY(h().feed({"D010", "FF6A8701"}));
        QVERIFY(upload->isVisible());
        QVERIFY(!download->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(upload->opacity() > 0.9, 1000);
        QTRY_VERIFY_WITH_TIMEOUT(upload->opacity() < 0.1, 1000);
        QCOMPARE(download->opacity(), upload->opacity());
        QVERIFY(h().feed({"FF6A8700"}));
        QTest::qWait(600);
        const qreal resting = download->opacity();
        QTest::qWait(400);
        QCOMPARE(download->opacity(), resting);
    }

    void pitchAndKeyTexts_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("key");
        QTest::newRow("both off") << QList<QByteArray>{"B500", "BD00", "A51500", "AD03"} << "OFF" << "OFF";
        QTest::newRow("pitch on") << QList<QByteArray>{"B501", "A51500"} << "+1.5" << "OFF";
        QTest::newRow("pitch minus twelve") << QList<QByteArray>{"B501", "A52311"} << "-12.3" << "OFF";
        QTest::newRow("key sharp") << QList<QByteArray>{"BD01", "AD03"} << "OFF" << QString::fromUtf8("\u266F3");
        QTest::newRow("key flat") << QList<QByteArray>{"BD01", "AD12"} << "OFF" << QString::fromUtf8("\u266D2");
        QTest::newRow("key zero") << QList<QByteArray>{"BD01", "AD00"} << "OFF" << "0";
    }
    void pitchAndKeyTexts()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QString, pitch);
        QFETCH(QString, key);
        QVERIFY(h().feed(QList<QByteArray>{"B500", "BD00"} + lines));
        QCOMPARE(textOf(h().item("pitchValue")), pitch);
        QCOMPARE(textOf(h().item("keyValue")), key);
        // Pitch and key belong to the play view.
        QVERIFY(h().feed({"D081"}));
        QVERIFY(!h().item("pitchValue")->isVisible());
        QVERIFY(!h().item("keyLabel")->isVisible());
        QVERIFY(h().feed({"D010"}));
        QVERIFY(h().item("keyValue")->isVisible());
    }

    // The track text and both times follow the recorder; the hundredths show
    // only in jog mode, and the remaining time grows to the left.
    void timesAndTrackFollowReplies()
    {
        QVERIFY(h().feed({"D010", "D5001200", "DD2500", remainingReply(5, 30), "8801020304"}));
        QCOMPARE(textOf(h().item("trackText")), QString("TRACK 012/025"));
        QQuickItem *elapsed = h().item("elapsedTime");
        QQuickItem *remaining = h().item("remainingTime");
        const auto fields = [](QQuickItem *time) {
            QStringList texts;
            for (const char *name : {"hourText", "minText", "secText", "flameText"})
                texts.append(time->property(name).toString());
            return texts.join(':');
        };
        QCOMPARE(fields(elapsed), QString("01:02:03:04"));
        QVERIFY(!elapsed->findChild<QQuickItem *>("flame")->isVisible());
        QVERIFY(h().feed({"9501"}));
        QVERIFY(elapsed->findChild<QQuickItem *>("flame")->isVisible());
        QVERIFY(h().feed({"D011"}));
        QVERIFY(!elapsed->findChild<QQuickItem *>("flame")->isVisible());

        const qreal right = remaining->x() + remaining->width();
        QCOMPARE(right / h().pt(), 396.0 - 13);
        QVERIFY(h().feed({"D000"}));
        QCOMPARE(fields(remaining), QString("00:00:00:00"));
        QVERIFY(h().feed({"8800000000"}));
        QCOMPARE(remaining->property("hourText").toString(), QString("-00"));
        QCOMPARE(remaining->x() + remaining->width(), right);
        QVERIFY(h().feed({"D010"}));
    }

    // A PlayTime alone: three fields at pixel size 1, the hundredths hidden
    // and outside the width; an empty field closes up.
    void playTimeAlone()
    {
        QQmlComponent component(h().window.qmlEngine());
        component.setData("import QtQuick 2.8\nPlayTime {}", QUrl("qrc:/"));
        std::unique_ptr<QObject> object(component.create(qmlContext(h().window.root())));
        QVERIFY2(object, qPrintable(component.errorString()));
        auto time = qobject_cast<QQuickItem *>(object.get());
        time->setParentItem(h().window.window()->contentItem());
        QCOMPARE(time->property("fontPixelSize").toInt(), 1);
        QCOMPARE(time->property("hourText").toString(), QString("00"));
        QVERIFY(!time->property("flameVisible").toBool());
        const qreal width = time->width();
        time->setProperty("fontPixelSize", 20);
        QVERIFY(time->width() > width);
        time->setProperty("flameVisible", true);
        auto flame = time->findChild<QQuickItem *>("flame");
        auto sec = time->findChild<QQuickItem *>("sec");
        QCOMPARE(flame->x(), sec->x() + sec->width() + 10 * h().pt());
        QCOMPARE(flame->y() + flame->height(), sec->y() + sec->height());
        QVERIFY(flame->x() > time->width());
        const qreal full = time->width();
        const qreal minutes = time->findChild<QQuickItem *>("min")->width();
        time->setProperty("minText", QString());
        QCOMPARE(time->width(), full - minutes);
        QCOMPARE(time->findChild<QQuickItem *>("min")->width(), 0.0);
    }

    // The information panel, line by line.
    void informationPanel()
    {
        struct Row {
            QList<QByteArray> lines;
            QString stereo;
            qreal stereoWidth;
            QString input;
            qreal inputWidth;
            bool unlocked;
            QString phantom;
            QString timer;
            QString area;
            QString name;
        };
        const QList<Row> rows = {
            {{"FF6AE201", "FF6A8400", "FF6A8500", "FF6A8600", "FF07CF00", "FF6A82Takes", "FF3185List one"},
             "info_STEREO_3.png", 77, "info_A-UNBALANCE_3.png", 167, false, "info_OFF_3.png", "info_OFF_3.png",
             "FOLDER", "Takes"},
            {{"FF6AE200", "FF6A8401", "FF6A8501", "FF07CF01"}, "info_MONO_3.png", 68, "info_A-BALANCE_3.png", 147,
             false, "info_ON_3.png", "info_OFF_3.png", "FOLDER", "Takes"},
            {{"FF6A8402", "FF6A8601", "FF07CF02"}, "info_MONO_3.png", 68, "info_D-COAXIAL_3.png", 139, false,
             "info_ON_3.png", "info_ON_3.png", "PLAYLIST", "List one"},
            // From 80 on the digital input is not locked.
            {{"FF6A8483"}, "info_MONO_3.png", 68, "info_D-XLR_3.png", 106, true, "info_ON_3.png", "info_ON_3.png",
             "PLAYLIST", "List one"},
            {{"FF6A8404", "FF07CF99"}, "info_MONO_3.png", 68, "info_XC-NT4_3.png", 126, false, "info_ON_3.png",
             "info_ON_3.png", "FOLDER", "Takes"},
            {{"FF6A8485", "FF6AE201"}, "info_STEREO_3.png", 77, "", 126, true, "info_ON_3.png", "info_ON_3.png",
             "FOLDER", "Takes"},
        };
        QQuickItem *unlocked = h().item("infoUnlocked");
        for (const Row &row : rows) {
            const QByteArray name = row.lines.join(' ');
            QVERIFY2(h().feed(row.lines), name);
            QCOMPARE(fileOf(h().item("infoStereo")), row.stereo);
            QCOMPARE(h().item("infoStereo")->width() / h().pt(), row.stereoWidth);
            QCOMPARE(fileOf(h().item("infoInput")), row.input);
            QCOMPARE(h().item("infoInput")->width() / h().pt(), row.inputWidth);
            QCOMPARE(unlocked->isVisible(), row.unlocked);
            QCOMPARE(unlocked->x(), h().item("infoInput")->width() + 6 * h().pt());
            QCOMPARE(fileOf(h().item("infoPhantom")), row.phantom);
            QCOMPARE(fileOf(h().item("infoTimer")), row.timer);
            QCOMPARE(h().item("infoInput")->x() / h().pt(), 150.0);
            QCOMPARE(h().item("infoTimer")->x() / h().pt(), 150.0);
            QCOMPARE(textOf(h().item("infoArea")), row.area);
            QCOMPARE(textOf(h().item("infoAreaName")), row.name);
        }
        QCOMPARE(textOf(h().item("infoVerData")), QString("2.0.0"));
        QCOMPARE(textOf(h().item("infoIpData")), h().recorder.address().toString());
        h().window.backend().udpc.setLoginedNickname("Studio B");
        QCOMPARE(textOf(h().item("infoNickData")), QString("Studio B"));
        QVERIFY(h().item("logoutButton")->isVisible());
        h().sent();
    }

    // A folder name that grows while the marquee rests scrolls at once.
    void areaNameScrollsWhenItGrows()
    {
        QVERIFY(h().feed({"FF07CF00", "FF6A82Short"}));
        QQuickItem *name = h().item("infoAreaName");
        auto text = name->findChild<QQuickItem *>("textScroll");
        QTest::qWait(3300);
        QCOMPARE(text->x(), 0.0);
        QVERIFY(h().feed({"FF6A82A folder whose name is far wider than the line it stands on"}));
        QTRY_VERIFY_WITH_TIMEOUT(text->x() < -5, 4000);
        QVERIFY(h().feed({"FF6A82Short"}));
        QCOMPARE(text->x(), 0.0);
        h().sent();
    }

    // MARK acts on the press: the mark command, then the mark list's poll;
    // nothing while no track is current; hidden on the CD.
    void markButton()
    {
        QQuickItem *button = h().item("markButton");
        h().recorder.setReply("07F035D", {"0FF03DD0000"});
        QVERIFY(h().feed({"D011", "D5000000"}));
        h().sent();
        h().window.click(button);
        QCOMPARE(h().commands(), QByteArray());

        QVERIFY(h().feed({"D5000300", "FF03DD0000"}));
        h().sent();
        const QPoint centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint();
        QTest::mousePress(h().window.window(), Qt::LeftButton, {}, centre);
        QCOMPARE(h().commands(), QByteArray("07F0310\r\n07F035D\r\n07F6A63\r\n"));
        QTest::mouseRelease(h().window.window(), Qt::LeftButton, {}, centre);
        QVERIFY(h().feed({"FF03DD0000"}));
        QCOMPARE(h().commands(), QByteArray());

        QVERIFY(h().feed({"FF0111"}));
        QVERIFY(!button->isVisible());
        QVERIFY(h().feed({"FF0100"}));
        QVERIFY(button->isVisible());
        h().sent();
    }

    // DISPLAY switches the display mode: the track-top query goes out and the
    // time poll asks for the other pair of times.
    void displayButton()
    {
        QQuickItem *button = h().item("displayButton");
        Communication &comm = h().comm();
        h().sent();
        h().window.click(button);
        QVERIFY(comm.displayMode());
        QCOMPARE(h().commands(), QByteArray("07F6A63\r\n"));
        TimerTicks::tick(&comm, comm.timeTimerId);
        QCOMPARE(h().sent().right(16), QByteArray("05802\r\n05803\r\n"));
        h().window.click(button);
        QVERIFY(!comm.displayMode());
        QCOMPARE(h().commands(), QByteArray("07F6A63\r\n"));
        TimerTicks::tick(&comm, comm.timeTimerId);
        QCOMPARE(h().sent().right(16), QByteArray("05800\r\n05801\r\n"));
    }

    // TIME SEARCH and the gear open and close their windows in the play view
    // only; in the record view TIME SEARCH is grey and the gear half seen.
    void windowsOfThePlayView()
    {
        QQuickItem *timeSearch = h().item("timeSearchButton");
        QQuickItem *gear = h().item("settingButton");
        QObject *timeSearchLoader = h().item("timeSearchWindowLoader");
        QObject *settingsLoader = h().item("homeSettingWindowLoader");
        QVERIFY(h().feed({"D010"}));
        QCOMPARE(timeSearch->property("contentItem").value<QObject *>()->property("color").value<QColor>(),
                 QColor("white"));
        h().window.click(timeSearch);
        QVERIFY(timeSearchLoader->property("active").toBool());
        h().window.click(timeSearch);
        QVERIFY(!timeSearchLoader->property("active").toBool());
        h().window.click(gear);
        QVERIFY(settingsLoader->property("active").toBool());
        QCOMPARE(fileOf(gear->property("background").value<QObject *>()), QString("Gear_ON_48x48_3.png"));
        h().window.click(gear);
        QVERIFY(!settingsLoader->property("active").toBool());

        QVERIFY(h().feed({"D081"}));
        QCOMPARE(timeSearch->property("contentItem").value<QObject *>()->property("color").value<QColor>(),
                 QColor("gray"));
        h().window.click(timeSearch);
        QVERIFY(!timeSearchLoader->property("active").toBool());
        QVERIFY(!gear->isEnabled());
        QCOMPARE(gear->opacity(), 0.5);
        h().window.click(gear);
        QVERIFY(!settingsLoader->property("active").toBool());
        QVERIFY(h().feed({"D010"}));
        QCOMPARE(gear->opacity(), 1.0);
        // Only what the record status itself asks for.
        QCOMPARE(h().commands(), QByteArray("07F6A01\r\n"));
    }

    // The key locks the window; the unlock area lies on the key while the
    // page scrolls and the window is resized; a double click there unlocks.
    void lockAndUnlockArea()
    {
        QQuickItem *key = h().item("lockButton");
        QQuickItem *lock = h().item("lockScreen");
        QQuickItem *unlock = h().item("unlockArea");
        QQuickItem *flick = h().item("mainFlick");
        // Over the key, up to the half pixel by which centring on an odd
        // window size shifts the page.
        const auto onKey = [&] {
            const QRectF keyRect = key->mapRectToScene(QRectF(0, 0, key->width(), key->height()));
            const QRectF areaRect = unlock->mapRectToScene(QRectF(0, 0, unlock->width(), unlock->height()));
            const bool same = qAbs(keyRect.x() - areaRect.x()) <= 0.5 && qAbs(keyRect.y() - areaRect.y()) <= 0.5
                              && qAbs(keyRect.width() - areaRect.width()) < 0.01
                              && qAbs(keyRect.height() - areaRect.height()) < 0.01;
            if (!same)
                qWarning() << "key" << keyRect << "unlock area" << areaRect;
            return same;
        };
        QVERIFY(!lock->isVisible());
        QCOMPARE(key->width() / h().pt(), 66.0);
        const QPointF keyCentre = key->mapToItem(h().item("homeMain"), QPointF(key->width() / 2, key->height() / 2));
        QCOMPARE(keyCentre / h().pt(), QPointF(359, 227));
        h().window.doubleClick(key);
        QVERIFY(lock->isVisible());
        QVERIFY(unlock->isVisible());
        QCOMPARE(fileOf(key->property("background").value<QObject *>()), QString("KEY-ON_66x66_3.png"));
        QVERIFY(onKey());

        // Nothing below the lock can be pressed.
        h().window.click(h().item("displayButton"));
        QVERIFY(!h().comm().displayMode());

        flick->setProperty("contentY", 120 * h().pt());
        QVERIFY(onKey());
        h().window.resize(600, 900);
        QVERIFY(onKey());
        flick->setProperty("contentY", 0);
        QVERIFY(onKey());

        // A press outside the key grows it by 2 pt to each side, still under the area.
        const QPoint away = h().item("display")->mapToScene(QPointF(50, 50)).toPoint();
        QTest::mousePress(h().window.window(), Qt::LeftButton, {}, away);
        QTRY_COMPARE(key->width() / h().pt(), 70.0);
        QVERIFY(onKey());
        QCOMPARE(key->mapToItem(h().item("homeMain"), QPointF(key->width() / 2, key->height() / 2)) / h().pt(),
                 QPointF(359, 227));
        QTest::mouseRelease(h().window.window(), Qt::LeftButton, {}, away);
        QTRY_COMPARE(key->width() / h().pt(), 66.0);
        QVERIFY(lock->isVisible());

        h().window.doubleClick(unlock);
        QVERIFY(!lock->isVisible());
        QCOMPARE(fileOf(key->property("background").value<QObject *>()), QString("KEY-OFF_66x66_3.png"));
        h().window.resize(450, 815);
        h().sent();
    }

    // The page arrow scrolls down to the information panel and back, and
    // points the way it will go.
    void pageArrowScrolls()
    {
        QQuickItem *arrow = h().item("pageArrow");
        QQuickItem *flick = h().item("mainFlick");
        QCOMPARE(arrow->rotation(), 0.0);
        h().window.click(h().item("pageArrowArea"));
        QTRY_COMPARE(flick->property("contentY").toReal(), 309 * h().pt());
        QCOMPARE(arrow->rotation(), 180.0);
        QVERIFY(h().item("logoutButton")->isVisible());
        h().window.click(h().item("pageArrowArea"));
        QTRY_COMPARE(flick->property("contentY").toReal(), 0.0);
        QCOMPARE(arrow->rotation(), 0.0);
    }

    // After the login the marks are read from the recorder and an arrow
    // stands at each mark's place on the bar; a record status clears them.
    void marksEndToEnd()
    {
        QVERIFY(h().feed({"D011", "D80000000000", remainingReply(5, 0)})); // total 5 min
        h().recorder.setReply("07F035D", {"0FF03DD0300"});
        h().comm().markRequest(); // as MARK does; the recorder answers the three marks
        QTRY_COMPARE(h().arrows().size(), 3);
        const QList<QQuickItem *> arrows = h().arrows();
        QCOMPARE(h().pointsAt(arrows[0]), 270.0 * 1000 / 30000);
        QCOMPARE(h().pointsAt(arrows[1]), 270.0 * 6000 / 30000);
        QCOMPARE(h().pointsAt(arrows[2]), 270.0 * 24000 / 30000);
        for (QQuickItem *arrow : arrows) {
            QVERIFY(arrow->isVisible());
            QCOMPARE(arrow->y() + arrow->height(), 0.0);
        }

        QVERIFY(h().feed({"D081"}));
        QTRY_COMPARE(h().arrows().size(), 0);
        h().sent();
    }

    // The fill follows elapsed / total and stays on the bar; arrows stay on
    // the bar's ends and wait hidden while the track's length is unknown.
    void barFillAndArrowsStayOnTheBar()
    {
        QQuickItem *fill = h().item("timeBarFill");
        const auto fillPt = [&] { return fill->width() / h().pt(); };
        // The fill ends on a whole pixel (the window is at 1x).
        const auto wholePixels = [&](qreal pt) { return std::round(pt * h().pt()) / h().pt(); };
        QVERIFY(h().feed({"D011", "D80001000000", remainingReply(3, 0)})); // 1 of 4 min played
        QCOMPARE(fillPt(), wholePixels(270.0 / 4));
        QVERIFY(h().feed({"8805000000"})); // 5 min played of a 4 min total
        QCOMPARE(h().comm().trackTotalTimeFlame(), 24000);
        QCOMPARE(fillPt(), 270.0);

        // Status 0 drops the marks and the total; a mark that comes then waits hidden.
        QVERIFY(h().feed({"D000"}));
        QCOMPARE(fillPt(), 0.0);
        h().recorder.clearReplies();
        QVERIFY(h().feed({"FF03DD0200", markReply(1, 6000), markReply(2, 90000)}));
        QTRY_COMPARE(h().arrows().size(), 2);
        for (QQuickItem *arrow : h().arrows())
            QVERIFY(!arrow->isVisible());
        QVERIFY(h().feed({"D011", "D80000000000", remainingReply(4, 0)}));
        const QList<QQuickItem *> arrows = h().arrows();
        QVERIFY(arrows[0]->isVisible());
        QCOMPARE(h().pointsAt(arrows[0]), 270.0 * 6000 / 24000);
        // A mark past the end of the track stands on the bar's end.
        QCOMPARE(h().pointsAt(arrows[1]), 270.0);
        QVERIFY(h().feed({"D081"}));
        h().sent();
    }

    // In the display mode with the track's offset an arrow's place is taken
    // once, but it still follows the bar when the window is resized.
    void offsetArrowsFollowResizing()
    {
        Communication &comm = h().comm();
        QVERIFY(h().feed({"D011", "D80000000000", remainingReply(10, 0)}));
        // The mode's redraw comes with the first new total after the track top.
        comm.setDisplayMode(true);
        QVERIFY(h().feed({"FF6AE3" + QByteArray::number(3000, 16).toUpper(), remainingReply(10, 1)}));
        QCOMPARE(comm.currentTrackTop(), 3000);
        QVERIFY(h().feed({"FF03DD0100", markReply(1, 12000)}));
        QTRY_COMPARE(h().arrows().size(), 1);
        QPointer<QQuickItem> arrow = h().arrows().first();
        const qreal place = 270.0 * (12000 + 3000) / 60100;
        QCOMPARE(h().pointsAt(arrow), place);
        // A later total does not move it.
        QVERIFY(h().feed({remainingReply(20, 0)}));
        QVERIFY(arrow);
        QCOMPARE(h().pointsAt(arrow), place);
        const qreal before = arrow->x() + arrow->width() / 2;
        h().window.resize(600, 1000);
        QVERIFY(arrow->x() + arrow->width() / 2 > before);
        QCOMPARE(h().pointsAt(arrow), place);
        h().window.resize(450, 815);
        comm.setDisplayMode(false);
        QVERIFY(h().feed({"D081"}));
        h().sent();
    }

    // A new session reads its marks before its first time reply: the arrows
    // wait hidden, whatever the length of the last session's track, and take
    // their places from the new length in either display mode.
    void arrowsOfANewSessionWaitForItsLength_data()
    {
        QTest::addColumn<bool>("displayMode");
        QTest::addColumn<bool>("logout");
        QTest::newRow("lost link") << false << false;
        QTest::newRow("lost link, track top shown") << true << false;
        QTest::newRow("logout and login, track top shown") << true << true;
    }
    void arrowsOfANewSessionWaitForItsLength()
    {
        QFETCH(bool, displayMode);
        QFETCH(bool, logout);
        Communication &comm = h().comm();
        QVERIFY(h().feed({"D011", "D80000000000", remainingReply(5, 0)})); // the last session's 5 min
        if (displayMode) {
            // The mode's redraw is over before the session ends.
            comm.setDisplayMode(true);
            QVERIFY(h().feed({"FF6AE30", remainingReply(5, 1)}));
        }
        h().recorder.setReply("07F035D", {"0FF03DD0200"});
        h().recorder.setReply("07F03580100", {"0" + markReply(1, 6000)});
        h().recorder.setReply("07F03580200", {"0" + markReply(2, 12000)});
        const int connections = h().recorder.connectionCount();
        if (logout) {
            comm.logoutRequest();
            QTRY_VERIFY(!h().recorder.hasClient());
            comm.loginRequest(h().recorder.address().toString(), "pass");
        } else {
            h().recorder.closeClient();
        }
        QVERIFY(h().recorder.waitForConnections(connections + 1));
        QTRY_VERIFY(comm.loginComp() && comm.timeTimerId != 0);
        TimerTicks::hold(comm.timeTimerId);
        QTRY_VERIFY(h().window.backend().menu.drawingFinished);

        QTRY_COMPARE(h().arrows().size(), 2);
        for (QQuickItem *arrow : h().arrows())
            QVERIFY(!arrow->isVisible());
        QVERIFY(h().feed({"D011", "D80000000000", remainingReply(10, 0)}));
        const QList<QQuickItem *> arrows = h().arrows();
        for (QQuickItem *arrow : arrows)
            QVERIFY(arrow->isVisible());
        QCOMPARE(h().pointsAt(arrows[0]), 270.0 * 6000 / 60000);
        QCOMPARE(h().pointsAt(arrows[1]), 270.0 * 12000 / 60000);

        comm.setDisplayMode(false);
        QVERIFY(h().feed({"D081"}));
        h().sent();
    }

    void screenshots()
    {
        QVERIFY(h().feed({"FF0100", "D011", "D5000300", "DD1200", "FF6A81Morning rehearsal, take 3",
                          "D80002001500", remainingReply(3, 45), "8800021517", "B501", "A51500", "BD01", "AD12",
                          "FF049710", "B601", "FF6A8501", "FF6A8A03", "FF6A8601"}));
        h().recorder.setReply("07F035D", {"0FF03DD0200"});
        h().recorder.setReply("07F03580100", {"0" + markReply(1, 3000)});
        h().recorder.setReply("07F03580200", {"0" + markReply(2, 30000)});
        h().comm().markRequest();
        QTRY_COMPARE(h().arrows().size(), 2);
        QTest::qWait(100);
        h().window.screenshot("home-play");

        QVERIFY(h().feed({"D081", "FF6A8E01", "FF6A8D01", "FF1291000001", "FF6AE001", "B801"}));
        QTest::qWait(100);
        h().window.screenshot("home-record");

        QVERIFY(h().feed({"D010", "FF6AE200", "FF6A8402", "FF07CF01", "FF6A82Concert 2026-12-10"}));
        h().window.backend().udpc.setLoginedNickname("Stage left");
        h().item("mainFlick")->setProperty("contentY", 309 * h().pt());
        QTest::qWait(100);
        h().window.screenshot("home-information");
        h().item("mainFlick")->setProperty("contentY", 0);
        h().sent();
    }

    // With nothing changing, the Home page draws no frame.
    void idleDrawsNothing()
    {
        QVERIFY(h().feed({"D010", "FF6A81Short", "FF6A8700", "FF6A8800"}));
        QTest::qWait(4000); // the marquees settle
        QSignalSpy frames(h().window.window(), &QQuickWindow::frameSwapped);
        QTest::qWait(1500);
        QCOMPARE(frames.count(), 0);
        // A change does draw: the count above can see frames.
        QVERIFY(h().feed({"D5000700"}));
        QTRY_VERIFY(frames.count() > 0);
    }

    // A running clock draws only what it changes on screen: hundredths that
    // are hidden, and a fill that moves by less than a pixel, draw no frame.
    // (A new total moves the marks' arrows, which are drawn smooth.)
    void runningClockDrawsOnlyChanges_data()
    {
        QTest::addColumn<bool>("jog");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<bool>("draws");
        // From 30:00.00 played, 29:59.50 remaining (the fill at half the bar).
        QTest::newRow("elapsed hundredths") << false << QList<QByteArray>{"D80030000010"} << false;
        QTest::newRow("both, as a poll") << false << QList<QByteArray>{"D80030000020", remainingReply(29, 59, 30)}
                                         << false;
        QTest::newRow("elapsed seconds") << false << QList<QByteArray>{"D80030000100"} << true;
        QTest::newRow("remaining seconds") << false << QList<QByteArray>{remainingReply(29, 58, 50)} << true;
        QTest::newRow("hundredths in jog mode") << true << QList<QByteArray>{"D80030000010"} << true;
    }
    void runningClockDrawsOnlyChanges()
    {
        QFETCH(bool, jog);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(bool, draws);
        QQuickWindow *window = h().window.window();
        QVERIFY(h().feed({"D011", "FF6A81Short", "FF6A8700", "FF6A8800", "D80030000000", remainingReply(29, 59, 50)}));
        if (jog)
            QVERIFY(h().feed({"9501"}));
        // Quiet first: no frame for half a second (the marquees settle).
        QVERIFY(QTest::qWaitFor(
            [&] {
                QSignalSpy frames(window, &QQuickWindow::frameSwapped);
                QTest::qWait(500);
                return frames.isEmpty();
            },
            8000));
        QSignalSpy frames(window, &QQuickWindow::frameSwapped);
        QVERIFY(h().feed(lines));
        if (draws) {
            QTRY_VERIFY(!frames.isEmpty());
        } else {
            QTest::qWait(300);
            QCOMPARE(frames.count(), 0);
        }
        QVERIFY(h().feed({"D010"}));
    }

    // Logout ends the session for good: the link closes and stays closed.
    void logoutEndsTheSession()
    {
        QQuickItem *logout = h().item("logoutButton");
        h().item("mainFlick")->setProperty("contentY", 309 * h().pt());
        QTest::qWait(50);
        QVERIFY(logout->isVisible());
        const int connections = h().recorder.connectionCount();
        h().window.click(logout);
        QTRY_VERIFY(!h().comm().loginComp());
        QTRY_VERIFY(!h().recorder.hasClient());
        QTest::qWait(1500);
        QCOMPARE(h().recorder.connectionCount(), connections);
        QCOMPARE(h().comm().loginState(), 0);
        QVERIFY(h().item("loginScreen")->isVisible());
        QCOMPARE(fileOf(h().item("statusIcon")), QString());
    }

    void cleanupTestCase() { home.reset(); }
};

HB740_TEST_MAIN(TestHomePage)
#include "tst_homepage.moc"
