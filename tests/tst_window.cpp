#include "FakeRecorder.h"
#include "HeldIncubation.h"
#include "LinkFixture.h"
#include "QmlWindow.h"
#include "TestMain.h"

#include <QQmlComponent>
#include <QQmlProperty>
#include <QtTest>

namespace {
qreal real(QObject *object, const char *name)
{
    return object->property(name).toReal();
}

QString text(QObject *object)
{
    return object->property("text").toString();
}

// The text of the window's banner (the login page holds a banner of its own).
QObject *bannerText(QmlWindow &w)
{
    return w.find("popup")->findChild<QObject *>("popupMessageText");
}
} // namespace

// The desktop window, logged in to a scripted recorder so that the pages show.
struct LoggedInWindow
{
    LoggedInWindow()
        : recorder(nextRecorderAddress())
    {
        recorder.setReply("07F035D", {"0FF03DD0000"});
    }

    bool start()
    {
        if (!window.load() || !recorder.listen())
            return false;
        window.backend().comm.sleepTimer.stop();
        window.backend().comm.loginRequest(recorder.address().toString(), "pass");
        if (!QTest::qWaitFor([&] { return window.backend().comm.loginComp(); }, 3000)
            || !QTest::qWaitFor([&] { return !window.find("loginScreen")->isVisible(); }, 1000))
            return false;
        // Stopped on SD1, so that browsing can start when the right comes.
        window.backend().comm.recievedData("D010");
        window.backend().comm.recievedData("FF0100");
        QTest::qWait(100);
        recorder.clearReceived();
        return true;
    }

    QByteArray sent(int quietMs = 100) { return recorder.receivedOnceQuiet(quietMs); }

    QmlWindow window;
    FakeRecorder recorder;
};

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<qreal>("appHeight");
        QTest::addColumn<qreal>("pageTop");
        QTest::newRow("at start, the height limits") << 450 << 815 << 777.02 << 37.98;
        QTest::newRow("the smallest window") << 348 << 631 << 601.59 << 29.41;
        QTest::newRow("tall: the width limits") << 450 << 2000 << 778.26 << 629.89;
        QTest::newRow("wide: black margins") << 1000 << 815 << 777.02 << 37.98;
    }
    void geometry()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(qreal, appHeight);
        QFETCH(qreal, pageTop);
        QmlWindow w;
        QVERIFY(w.load());
        w.resize(width, height);
        QObject *root = w.root();
        QVERIFY(qAbs(real(root, "appHeight") - appHeight) < 0.01);
        const qreal appWidth = appHeight * 1242 / 2148;
        QVERIFY(qAbs(real(root, "appWidth") - appWidth) < 0.01);
        QVERIFY(qAbs(real(root, "ptSize") - appHeight / 716) < 0.0001);
        QVERIFY(qAbs(real(root, "headerHeight") - appHeight / 716 * 35) < 0.01);

        QQuickItem *home = w.find("homeScreen");
        const QRectF page = home->mapRectToScene(QRectF(0, 0, home->width(), home->height()));
        const QString where = QString("%1 %2 %3 %4").arg(page.left()).arg(page.top()).arg(page.width()).arg(page.height());
        QVERIFY2(qAbs(page.top() - pageTop) < 0.02, qPrintable(where));
        // Centring keeps whole pixels: within half a pixel.
        QVERIFY2(qAbs(page.left() - (width - appWidth) / 2) <= 0.51, qPrintable(where));
        // The grey band reaches from the window's top down to the pages.
        QQuickItem *band = w.find("tabBar");
        QCOMPARE(band->y(), 0.0);
        QVERIFY(qAbs(band->height() - pageTop) < 0.02);
        QCOMPARE(band->width(), qreal(width));
        // The five tabs span the application area exactly.
        QQuickItem *first = w.find("tabHome");
        QQuickItem *last = w.find("tabTimerEvent");
        const QRectF firstRect = first->mapRectToScene(QRectF(0, 0, first->width(), first->height()));
        const QRectF lastRect = last->mapRectToScene(QRectF(0, 0, last->width(), last->height()));
        QVERIFY(qAbs(firstRect.left() - page.left()) <= 0.51);
        QVERIFY(qAbs(lastRect.right() - page.right()) <= 0.55);
        QVERIFY(qAbs(firstRect.bottom() - page.top()) < 0.02);
        QVERIFY(qAbs(firstRect.height() - real(root, "headerHeight")) < 0.01);
        // Every page lies on the same application area.
        for (const char *name : {"menuScreen", "browseScreen", "playlistScreen", "timerEventScreen"}) {
            QQuickItem *other = w.find(name);
            QVERIFY(other);
            QCOMPARE(other->mapRectToScene(QRectF(0, 0, other->width(), other->height())), page);
        }
        QVERIFY(w.warnings().isEmpty());
    }

    // What the window offers to the documents in it by name: the banner, the
    // phantom-power confirmation, the lock and its unlock spot.
    void namesForThePages_data()
    {
        QTest::addColumn<QString>("document");
        QTest::newRow("desktop") << "qrc:/mainDesktop.qml";
        QTest::newRow("mobile") << "qrc:/main.qml";
    }
    void namesForThePages()
    {
        QFETCH(QString, document);
        QmlWindow w(document);
        QVERIFY(w.load());
        QQmlComponent component(w.qmlEngine());
        component.setData("import QtQuick 2.8\nItem {"
                          " property var names: [popup.objectName, phantomOnPopup.objectName,"
                          " lockScreen.objectName, unlockArea.objectName, appWindow.objectName]\n"
                          " function lock() { lockScreen.visible = true; unlockArea.visible = true }\n"
                          " function hideBanner() { popup.hide() } }",
                          QUrl("qrc:/"));
        QObject *page = component.create(qmlContext(w.root()));
        QVERIFY2(page, qPrintable(component.errorString()));
        QCOMPARE(page->property("names").toStringList(),
                 (QStringList{"popup", "phantomOnPopup", "lockScreen", "unlockArea", "appWindow"}));

        // The lock switched on from a page is the window's.
        QVERIFY(!w.find("lockScreen")->isVisible());
        QMetaObject::invokeMethod(page, "lock");
        QVERIFY(w.find("lockScreen")->isVisible());
        w.backend().comm.logoutRequest();
        QVERIFY(!w.find("lockScreen")->isVisible());

        emit w.backend().comm.popupReceived(1);
        QVERIFY(w.find("popup")->property("popupEnabled").toBool());
        QTRY_COMPARE_WITH_TIMEOUT(w.find("popup")->opacity(), 1.0, 2000);
        QMetaObject::invokeMethod(page, "hideBanner");
        QVERIFY(!w.find("popup")->property("popupEnabled").toBool());
        delete page;
        QVERIFY(w.warnings().isEmpty());
    }

    void windowAttributes()
    {
        QmlWindow w;
        QVERIFY(w.load());
        QCOMPARE(w.window()->title(), QString("QUOVAL HB740 CONTROL"));
        QCOMPARE(w.window()->size(), QSize(450, 815));
        QCOMPARE(w.window()->minimumSize(), QSize(348, 631));
        // Logged out: the login page covers the window.
        QVERIFY(w.find("loginScreen")->isVisible());
        w.screenshot("desktop-logged-out");
    }

    // The window opens without waiting for its five pages: they are made
    // while the login page shows, and at once when a login starts, so that
    // every page is there before a session begins.
    void pagesAfterTheWindow_data()
    {
        QTest::addColumn<bool>("login");
        QTest::newRow("made while the login page shows") << false;
        QTest::newRow("made at once by a login") << true;
    }
    void pagesAfterTheWindow()
    {
        QFETCH(bool, login);
        QmlWindow w;
        auto *engine = static_cast<QQmlApplicationEngine *>(w.qmlEngine());
        engine->load(QUrl("qrc:/mainDesktop.qml"));
        QCOMPARE(engine->rootObjects().size(), 1);
        QObject *window = engine->rootObjects().first();
        const auto pages = [&] {
            QStringList made;
            for (const char *name : {"homeScreen", "menuScreen", "browseScreen", "playlistScreen", "timerEventScreen"}) {
                if (window->findChild<QQuickItem *>(name))
                    made.append(name);
            }
            return made;
        };
        QCOMPARE(pages(), QStringList());
        if (login) {
            w.backend().comm.loginRequest("127.0.0.9", "pass");
            QCOMPARE(pages().size(), 5);
        } else {
            QTRY_COMPARE(pages().size(), 5);
        }
    }

    void tabsAndTheEditingRight()
    {
        LoggedInWindow f;
        QVERIFY(f.start());
        QmlWindow &w = f.window;
        QSignalSpy redraws(&w.backend().pl, &Playlist::readyToRedraw);

        w.click(w.find("tabBrowse"));
        QCOMPARE(w.root()->property("screenSelect").toInt(), 2);
        QCOMPARE(f.sent(), QByteArray("07F6A7E11\r\n"));
        QVERIFY(w.find("notAvailableNotice")->isVisible());
        QVERIFY(!w.find("browseScreen")->isVisible());
        QCOMPARE(w.find("tabBrowse")->property("color").value<QColor>(), QColor("black"));
        QCOMPARE(w.find("tabHome")->property("color").value<QColor>(), QColor("#7F7F7F"));
        w.screenshot("desktop-browse-not-available");

        // The grant restarts browsing, the timer events and the playlists, in
        // that order; the playlist page answers the redraw by asking for its list.
        f.recorder.clearReceived();
        w.backend().permission.recievedCommandFF6AFE("11");
        QCOMPARE(f.sent(), QByteArray("07F6B00\r\n07F6B05\r\n07F4500\r\n07F4503\r\n07F4504\r\n"));
        QCOMPARE(redraws.count(), 1);
        QVERIFY(!w.find("notAvailableNotice")->isVisible());
        QVERIFY(w.find("browseScreen")->isVisible());

        // Moving among the editing pages keeps the right.
        f.recorder.clearReceived();
        w.click(w.find("tabPlaylist"));
        w.click(w.find("tabTimerEvent"));
        QCOMPARE(f.sent(), QByteArray());
        QVERIFY(w.find("timerEventScreen")->isVisible());
        QVERIFY(!w.find("playlistScreen")->isVisible());

        // Home gives it back; no restart follows a loss of the right.
        w.click(w.find("tabHome"));
        QCOMPARE(f.sent(), QByteArray("07F6A7E10\r\n"));
        QCOMPARE(redraws.count(), 1);
        QVERIFY(w.find("homeScreen")->isVisible());
        QCOMPARE(w.backend().permission.timerId, 0);
        w.click(w.find("tabMenu"));
        QCOMPARE(f.sent(), QByteArray("07F6A7E10\r\n"));
        QVERIFY(w.find("menuScreen")->isVisible());
        QVERIFY(w.warnings().isEmpty());
    }

    void screenshotsOfEachTab()
    {
        LoggedInWindow f;
        QVERIFY(f.start());
        for (const char *tab : {"tabHome", "tabMenu", "tabBrowse", "tabPlaylist", "tabTimerEvent"}) {
            f.window.click(f.window.find(tab));
            f.window.backend().permission.recievedCommandFF6AFE("11"); // the recorder grants what is asked
            // The grey band shows between the tabs; the selected tab is black,
            // once the window has drawn the change.
            QQuickItem *home = f.window.find("tabHome");
            const QPoint gap = home->mapToScene(QPointF(home->width() + 1.5, home->height() / 2)).toPoint();
            QQuickItem *selected = f.window.find(tab);
            const QPoint inside = selected->mapToScene(QPointF(3, 3)).toPoint();
            QImage shot;
            const bool drawn = QTest::qWaitFor(
                [&] {
                    shot = f.window.screenshot();
                    return shot.pixelColor(gap) == QColor("#BBBBBB") && shot.pixelColor(inside) == QColor("black");
                },
                2000);
            QVERIFY2(drawn, qPrintable(QString("%1: gap %2, tab %3")
                                           .arg(tab, shot.pixelColor(gap).name(), shot.pixelColor(inside).name())));
            f.window.screenshot(QString("desktop-") + tab);
        }
    }

    // Nothing moves on an idle login page: the window draws no frames.
    void idleWindowDrawsNothing()
    {
        QmlWindow w;
        QVERIFY(w.load());
        UdpPowerControl &udpc = w.backend().udpc;
        for (int i = 0; i < 3; ++i)
            udpc.tick(); // the first discovery cycle publishes the (empty) list
        QVERIFY(udpc.showRefresh);
        QTest::qWait(500);
        QSignalSpy frames(w.window(), &QQuickWindow::frameSwapped);
        QTest::qWait(2500); // two discovery ticks pass
        QCOMPARE(frames.count(), 0);
        // Whereas a change is drawn.
        emit w.backend().comm.popupReceived(1);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 0, 2000);
    }

    void popupCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("1") << 1 << "Change of settings not currently permitted.";
        QTest::newRow("2") << 2 << "Warning Detected. See Unit for details.";
        QTest::newRow("3") << 3 << "Warning Detected. See Unit for details.";
        QTest::newRow("100") << 100 << "Invalid password.";
        QTest::newRow("200") << 200 << "Unable to complete this action.";
        QTest::newRow("0") << 0 << "Unknown";
        QTest::newRow("99") << 99 << "Unknown";
    }
    void popupCodes()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        QmlWindow w;
        QVERIFY(w.load());
        emit w.backend().comm.popupReceived(code);
        QCOMPARE(text(bannerText(w)), message);
        QVERIFY(w.find("popup")->property("popupEnabled").toBool());
        QVERIFY(w.warnings().isEmpty());
    }

    // The same code again while the banner shows is dropped; 100 always shows.
    void popupRepeatRule()
    {
        QmlWindow w;
        QVERIFY(w.load());
        QQuickItem *banner = w.find("popup");
        // Raises a code once the banner has settled; true when it faded in anew.
        const auto shownAfresh = [&](auto raise) {
            if (!QTest::qWaitFor([&] { return banner->opacity() == 1.0; }, 2000))
                return false;
            raise();
            return banner->opacity() < 0.5;
        };
        Communication &comm = w.backend().comm;
        emit comm.popupReceived(2);
        QVERIFY(!shownAfresh([&] { emit comm.popupReceived(2); }));
        QVERIFY(shownAfresh([&] { emit comm.popupReceived(3); }));
        QVERIFY(shownAfresh([&] { emit comm.popupReceived(100); }));
        QVERIFY(shownAfresh([&] { emit comm.popupReceived(100); }));
        QVERIFY(shownAfresh([&] { emit w.backend().pl.execFailed(); }));
        QVERIFY(!shownAfresh([&] { emit w.backend().browse.execFailed(); }));

        // Clicked away, the same code shows again.
        w.click(banner);
        QVERIFY(!banner->property("popupEnabled").toBool());
        emit comm.popupReceived(200);
        QVERIFY(banner->property("popupEnabled").toBool());
        QCOMPARE(text(bannerText(w)), QString("Unable to complete this action."));
        QVERIFY(w.warnings().isEmpty());
    }

    // Texts in the banner come from the network: shown as they are, never as markup.
    void bannerShowsPlainText()
    {
        QmlWindow w;
        QVERIFY(w.load());
        QMetaObject::invokeMethod(w.find("popup"), "show", Q_ARG(QVariant, QVariant("ERROR: login failed <b>Studio</b>")));
        QObject *label = bannerText(w);
        QCOMPARE(label->property("textFormat").toInt(), 0 /* Text.PlainText */);
        QCOMPARE(text(label), QString("ERROR: login failed <b>Studio</b>"));
    }

    // The confirmation's buttons are made after the first frame, or at once
    // when it shows before that.
    void bannerAndConfirmationExcludeEachOther_data()
    {
        QTest::addColumn<bool>("untilLoaded");
        QTest::newRow("after the first frame") << true;
        QTest::newRow("before its buttons are made") << false;
    }

    void bannerAndConfirmationExcludeEachOther()
    {
        QFETCH(bool, untilLoaded);
        HeldIncubation held;
        QmlWindow w;
        if (!untilLoaded)
            w.qmlEngine()->setIncubationController(&held);
        QVERIFY(w.load(untilLoaded));
        QCOMPARE(!w.find("phantomOk"), !untilLoaded);
        QQuickItem *banner = w.find("popup");
        QQuickItem *confirm = w.find("phantomOnPopup");
        emit w.backend().comm.popupReceived(1);
        QVERIFY(banner->property("popupEnabled").toBool());
        QVERIFY(QTest::qWaitFor([&] { return banner->opacity() == 1.0; }, 2000)); // faded in
        emit w.backend().menu.phantomOnPopup(1, 2, 3, 4);
        QVERIFY(!banner->property("popupEnabled").toBool());
        QVERIFY(w.find("phantomOk") && w.find("phantomOk")->isVisible());
        QCOMPARE(confirm->property("value").toInt(), 4);
        QTRY_COMPARE_WITH_TIMEOUT(banner->opacity(), 0.0, 2000);
        emit w.backend().comm.popupReceived(2);
        QVERIFY(!w.find("phantomOk")->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(confirm->opacity(), 0.0, 2000);
        QVERIFY(w.warnings().isEmpty());
    }

    void lockRules()
    {
        LoggedInWindow f;
        QVERIFY(f.start());
        QmlWindow &w = f.window;
        QQuickItem *lock = w.find("lockScreen");
        QQuickItem *spot = w.find("unlockArea");
        lock->setVisible(true);
        spot->setVisible(true);
        spot->setPosition(QPointF(50, 300));
        spot->setSize(QSizeF(60, 60));

        // On the Home page presses elsewhere do nothing, and the tabs are locked.
        w.click(w.find("tabMenu"));
        QVERIFY(lock->isVisible());
        QCOMPARE(w.root()->property("screenSelect").toInt(), 0);
        w.doubleClick(spot);
        QVERIFY(!lock->isVisible());

        // Away from the Home page any press removes it.
        w.root()->setProperty("screenSelect", 1);
        lock->setVisible(true);
        w.click(w.find("menuScreen"));
        QVERIFY(!lock->isVisible());

        // A change of the login removes it too.
        w.root()->setProperty("screenSelect", 0);
        lock->setVisible(true);
        w.backend().comm.logoutRequest();
        QVERIFY(!lock->isVisible());
        QVERIFY(w.warnings().isEmpty());
    }

    void browseDialogShowsTheRunningOperation()
    {
        QmlWindow w;
        QVERIFY(w.load());
        QQuickItem *dialog = w.find("browseDialog");
        QVERIFY(!dialog->isVisible());
        w.backend().browse.setDialogString("Copying");
        QVERIFY(dialog->isVisible());
        QCOMPARE(text(dialog->findChild<QObject *>("dialogText")), QString("Copying"));
        w.backend().browse.setDialogString("");
        QVERIFY(!dialog->isVisible());
    }

    void inputWindow()
    {
        QmlWindow w;
        QVERIFY(w.load());
        QQmlComponent component(w.qmlEngine());
        component.setData("import QtQuick 2.8\nInputWindow { width: 400; height: 400; title: \"Name\" }", QUrl("qrc:/"));
        QObject *created = component.create(qmlContext(w.root()));
        QVERIFY2(created, qPrintable(component.errorString()));
        auto *input = qobject_cast<QQuickItem *>(created);
        input->setParentItem(w.window()->contentItem());
        input->setZ(1000);
        QSignalSpy ok(created, SIGNAL(clickedOk(QVariant)));
        QSignalSpy cancel(created, SIGNAL(clickedCancel()));
        QQuickItem *okButton = input->findChild<QQuickItem *>("inputOk");
        QVERIFY(!okButton->isVisible());
        w.click(input->findChild<QQuickItem *>("inputField"));
        for (const char c : QByteArray(" my take "))
            QTest::keyClick(w.window(), c);
        QVERIFY(okButton->isVisible());
        QTest::keyClick(w.window(), Qt::Key_Return);
        QCOMPARE(ok.count() + cancel.count(), 0);
        w.click(okButton);
        QCOMPARE(ok.count(), 1);
        QCOMPARE(ok.at(0).at(0).toString(), QString(" my take "));
        w.click(input, QPointF(5, 390)); // the dimmed area outside the box
        QCOMPARE(cancel.count(), 1);
        delete created;
        QVERIFY(w.warnings().isEmpty());
    }

    // The marquee rests 3 s at its start, then moves 50 px a second to its end.
    void marquee()
    {
        QmlWindow w;
        QVERIFY(w.load());
        QQmlComponent component(w.qmlEngine());
        component.setData("import QtQuick 2.8\nTextScroll { width: 100; height: 30; font.pixelSize: 20;"
                          " text: \"a title far too long for its little box\" }",
                          QUrl("qrc:/"));
        QObject *created = component.create();
        QVERIFY2(created, qPrintable(component.errorString()));
        auto *marquee = qobject_cast<QQuickItem *>(created);
        marquee->setParentItem(w.window()->contentItem());
        QQuickItem *line = marquee->findChild<QQuickItem *>("textScroll");
        const qreal end = created->property("tempX").toReal();
        QVERIFY(end < -50);
        QTest::qWait(2700);
        QCOMPARE(line->x(), 0.0);
        QTRY_VERIFY_WITH_TIMEOUT(line->x() < 0, 1000);
        const qreal x1 = line->x();
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(500);
        const qreal speed = (x1 - line->x()) / clock.elapsed() * 1000;
        QVERIFY2(speed > 40 && speed < 60, qPrintable(QString::number(speed)));
        QTRY_COMPARE_WITH_TIMEOUT(line->x(), end, qRound(-end * 20) + 500);
        delete created;
    }

    void mobileWindowPages()
    {
        QmlWindow w("qrc:/main.qml");
        QVERIFY(w.load());
        QObject *root = w.root();
        QCOMPARE(w.window()->size(), QSize(463, 800));
        QCOMPARE(real(root, "appHeight"), 800.0);
        QObject *swipe = w.find<QObject>("swipeView");
        const auto active = [&](const char *page) { return w.find<QObject>(page)->property("active").toBool(); };
        QVERIFY(active("homePage"));
        QVERIFY(!active("browsePage") && !active("playlistPage") && !active("timerEventPage"));
        QCOMPARE(w.find<QObject>("pageIndicator")->property("count").toInt(), 5);

        swipe->setProperty("currentIndex", 2);
        QVERIFY(w.backend().permission.timerId != 0); // asked for the right
        QVERIFY(!active("homePage") && active("browsePage") && active("playlistPage") && !active("timerEventPage"));
        QVERIFY(w.find("notAvailableNotice") != nullptr);
        w.backend().permission.recievedCommandFF6AFE("11");
        QVERIFY(w.find("browseScreen") != nullptr);

        emit w.backend().comm.popupReceived(100);
        QCOMPARE(text(bannerText(w)), QString("Invalid password."));

        swipe->setProperty("currentIndex", 0);
        QCOMPARE(w.backend().permission.timerId, 0); // given back
        QVERIFY(!w.backend().permission.okPermission);
        QVERIFY(w.warnings().isEmpty());
        w.screenshot("mobile-logged-out");
    }

    void mobileDotsAndLock()
    {
        QmlWindow w("qrc:/main.qml");
        QVERIFY(w.load());
        w.find("loginScreen")->setVisible(false); // as once logged in
        QObject *swipe = w.find<QObject>("swipeView");
        swipe->setProperty("currentIndex", 1);
        // Five dots across the top: the current one white, the others grey and
        // dimmed, once their fade is over.
        QQuickItem *dots = w.find("pageIndicator");
        QCOMPARE(dots->property("count").toInt(), 5);
        const QRectF row = dots->mapRectToScene(QRectF(0, 0, dots->width(), dots->height()));
        const auto dotColours = [&](const QImage &shot) {
            QList<QColor> centres;
            for (int x = int(row.left()); x < int(row.right()); ++x) {
                const QColor c = shot.pixelColor(x, int(row.center().y()));
                if (c != QColor("black") && (centres.isEmpty() || centres.last() == QColor("black")))
                    centres.append(c);
                else if (c == QColor("black") && !centres.isEmpty() && centres.last() != QColor("black"))
                    centres.append(c);
            }
            centres.removeAll(QColor("black"));
            return centres;
        };
        const auto dimmed = [](const QColor &c) { return c.red() > 0x30 && c.red() < 0x90; };
        QList<QColor> centres;
        const bool settled = QTest::qWaitFor(
            [&] {
                centres = dotColours(w.screenshot());
                return centres.size() == 5 && centres.at(1) == QColor("white") && dimmed(centres.at(0))
                       && dimmed(centres.at(2)) && dimmed(centres.at(3)) && dimmed(centres.at(4));
            },
            3000);
        QStringList names;
        for (const QColor &c : qAsConst(centres))
            names.append(c.name());
        QVERIFY2(settled, qPrintable(names.join(' ')));
        w.screenshot("mobile-dots");

        // The lock: a press away from the Home page removes it, on Home it stays.
        QQuickItem *lock = w.find("lockScreen");
        lock->setVisible(true);
        w.click(lock, QPointF(200, 400));
        QVERIFY(!lock->isVisible());
        swipe->setProperty("currentIndex", 0);
        lock->setVisible(true);
        w.click(lock, QPointF(200, 400));
        QVERIFY(lock->isVisible());
        QVERIFY(w.warnings().isEmpty());
    }
};

HB740_TEST_MAIN(TestWindow)
#include "tst_window.moc"
