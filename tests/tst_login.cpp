#include "DataSettings.h"
#include "FakeDiscovery.h"
#include "FakeRecorder.h"
#include "HeldIncubation.h"
#include "LinkFixture.h"
#include "QmlWindow.h"
#include "TestMain.h"
#include "UdpMachineList.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QtTest>

namespace {

QString text(QObject *object)
{
    return object->property("text").toString();
}

QColor colour(QObject *object, const char *name = "color")
{
    return object->property(name).value<QColor>();
}

// The image an Image shows, as its path in the resource tree.
QString source(QObject *image)
{
    return image->property("source").toUrl().toString();
}

QString nextMac()
{
    static int serial = 0;
    ++serial;
    return QStringLiteral("00:0A:95:9D:%1:%2")
        .arg(serial / 256, 2, 16, QLatin1Char('0'))
        .arg(serial % 256, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString stored(const char *group, const QString &key)
{
    return DataSettings().loadSettingString(QLatin1String(group), key);
}

void store(const char *group, const QString &key, const QString &value)
{
    DataSettings().saveSetting(QLatin1String(group), key, value);
}

const QString grey = QStringLiteral("#878787");

} // namespace

// The desktop window with discovery pointed at one loopback address, where a
// discovery answerer and a scripted recorder stand in for the machines. The
// discovery ticks come from the test only.
struct LoginPage
{
    explicit LoginPage(const QString &recorderAddress = nextRecorderAddress())
        : address(recorderAddress)
        , answerer(address)
        , recorder(address)
    {
        recorder.setReply("07F035D", {"0FF03DD0000"});
    }

    UdpPowerControl &udpc() { return w.backend().udpc; }
    Communication &comm() { return w.backend().comm; }

    // Loads the window; discovery stays stopped until list().
    bool load()
    {
        if (!w.load(untilLoaded) || !answerer.listen())
            return false;
        page = w.find("loginScreen");
        comm().sleepTimer.stop();
        udpc().visibleStateChanged(false);
        udpc().tickIntervalMs = 3600 * 1000;
        udpc().collectTargets = [this] { return QList<QHostAddress>{answerer.address()}; };
        return page != nullptr;
    }

    // Starts discovery, waits for the machines of the answers and runs the
    // first cycle, which publishes the list.
    bool list(const QList<QByteArray> &answers)
    {
        answerer.answers = answers;
        udpc().visibleStateChanged(true);
        if (!QTest::qWaitFor([&] { return udpc().loginModel.size() >= answers.size(); }, 3000))
            return false;
        cycle();
        return udpc().showRefresh && rowCount() == answers.size();
    }

    bool load(const QList<QByteArray> &answers) { return load() && list(answers); }

    // In admin mode, a decoy and the machine "Studio" (row 1) with its power
    // state, its stored passwords, and a recorder that takes its admin
    // password and answers `command`; once it has answered since the cycle.
    bool loadForPower(const QByteArray &power, const QByteArray &command)
    {
        const QString mac = nextMac();
        store("IPPass", mac, "pass");
        store("AdminPass", mac, "admin");
        if (!load({FakeDiscovery::answer(nextMac().toLatin1(), "Decoy"),
                   FakeDiscovery::answer(mac.toLatin1(), "Studio", power)}))
            return false;
        recorder.setReply("07F1141admin", {"0FF11D101"});
        recorder.setReply(command, {"0F5"});
        if (!recorder.listen())
            return false;
        page->setProperty("admin_mode", true);
        return QTest::qWaitFor([&] { return machine(1)->count == 0; }, 2000);
    }

    void cycle()
    {
        for (int i = 0; i < 3; ++i)
            udpc().tick();
    }

    // Pings now and waits until the backend holds `count` machines.
    bool discover(int count)
    {
        udpc().sendDatagram();
        return QTest::qWaitFor([&] { return udpc().loginModel.size() >= count; }, 3000);
    }

    // False: the test starts at the first frame, before what is made later.
    bool untilLoaded = true;

    QQuickItem *item(const char *name) const { return page->findChild<QQuickItem *>(QLatin1String(name)); }
    QVariant value(const char *name) const { return page->property(name); }
    int selected() const { return value("selected_index").toInt(); }
    bool adminMode() const { return value("admin_mode").toBool(); }

    QQuickItem *listView() const { return item("loginListView"); }
    int rowCount() const { return listView()->property("count").toInt(); }

    // The row of the list at `index`, as the view shows it.
    QQuickItem *row(int index) const
    {
        QQuickItem *found = nullptr;
        QMetaObject::invokeMethod(listView(), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, found), Q_ARG(int, index));
        return found;
    }

    QQuickItem *in(int index, const char *name) const
    {
        QQuickItem *r = row(index);
        return r ? r->findChild<QQuickItem *>(QLatin1String(name)) : nullptr;
    }

    bool shows(int index, const char *name) const
    {
        QQuickItem *found = in(index, name);
        return found && found->isVisible();
    }

    UdpMachineList *machine(int index) { return static_cast<UdpMachineList *>(udpc().loginModel.at(index)); }

    QQuickItem *footerItem(const char *name) const
    {
        QQuickItem *footer = listView()->property("footerItem").value<QQuickItem *>();
        if (!footer)
            return nullptr;
        if (footer->objectName() == QLatin1String(name))
            return footer;
        return footer->findChild<QQuickItem *>(QLatin1String(name));
    }

    void type(const QString &keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(w.window(), c.toLatin1());
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(w.window(), key, modifiers);
    }

    // Clicks into a field and types, replacing what it holds.
    void typeInto(QQuickItem *field, const QString &keys)
    {
        w.click(field);
        replaceText(keys);
    }

    void replaceText(const QString &keys)
    {
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Backspace);
        type(keys);
    }

    bool visible(const char *name) const
    {
        QQuickItem *found = item(name);
        return found && found->isVisible();
    }

    void tap(int times, const char *area)
    {
        for (int i = 0; i < times; ++i)
            w.click(item(area));
    }

    // The page's own banner and its text.
    bool bannerShown() const { return item("popup1")->property("popupEnabled").toBool(); }
    QString banner() const { return text(item("popup1")->findChild<QObject *>("popupMessageText")); }

    // Slides the admin switch's knob with the mouse by `dx` (negative: left).
    void slideShuttle(qreal dx)
    {
        QQuickItem *knob = item("shuttle");
        const QPoint from = knob->mapToScene(QPointF(knob->width() / 2, knob->height() / 2)).toPoint();
        QTest::mousePress(w.window(), Qt::LeftButton, {}, from);
        const int steps = 12;
        for (int i = 1; i <= steps; ++i) {
            QMouseEvent move(QEvent::MouseMove, from + QPointF(dx * i / steps, 0), Qt::LeftButton, Qt::LeftButton, {});
            QCoreApplication::sendEvent(w.window(), &move);
            QTest::qWait(5);
        }
        QTest::mouseRelease(w.window(), Qt::LeftButton, {}, from + QPoint(int(dx), 0));
    }

    // Unlocks the switch and enters the app password dialog's flow.
    void openAppPasswordDialog()
    {
        slideShuttle(-item("container")->width());
        w.click(item("admin_button"));
    }

    // Waits for the login to complete and the page to hide.
    bool loggedIn(int timeoutMs = 3000)
    {
        return QTest::qWaitFor([&] { return comm().loginComp() && !page->isVisible(); }, timeoutMs);
    }

    bool noWarnings() const
    {
        if (w.warnings().isEmpty())
            return true;
        qWarning("%s", qPrintable(w.warnings().join('\n')));
        return false;
    }

    qreal pt() const { return w.root()->property("ptSize").toReal(); }

    // A picture of the window once the latest changes are drawn.
    QImage screenshot(const QString &name = QString())
    {
        QTest::qWait(100);
        return w.screenshot(name);
    }

    QString address;
    QmlWindow w;
    FakeDiscovery answerer;
    FakeRecorder recorder;
    QQuickItem *page = nullptr;
};

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    // Every test starts from an empty settings store.
    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, settingsOrganization, settingsApplication).clear();
    }

    // ---- The list of machines ----

    void rowShowsTheMachine_data()
    {
        QTest::addColumn<QByteArray>("power");
        QTest::addColumn<QByteArray>("transport");
        QTest::addColumn<QByteArray>("medium");
        QTest::addColumn<QString>("powerIcon");
        QTest::addColumn<QString>("transportIcon");
        QTest::addColumn<QString>("mediumIcon");
        QTest::addColumn<QString>("selectedMediumIcon");
        QTest::addColumn<QString>("mediumText");
        QTest::addColumn<bool>("reachable");

        const QString on = "qrc:/Resource/login/icon_18x20_power_on.svg";
        const QString off = "qrc:/Resource/login/icon_18x20_power_off.svg";
        const QString status = "qrc:/Resource/login/icon_47x47_Status_%1.svg";
        const QString none = "qrc:/Resource/login/icon_19x19_none.svg";
        QTest::newRow("on, playing from SD")
            << QByteArray("1") << QByteArray("1") << QByteArray("SD1") << on << status.arg("play")
            << "qrc:/Resource/TimerEvent/icon_16x20_SD.svg" << "qrc:/Resource/login/icon_w_16x20_sd.svg" << "SD1" << true;
        QTest::newRow("on, recording to USB")
            << QByteArray("1") << QByteArray("3") << QByteArray("USB") << on << status.arg("rec")
            << "qrc:/Resource/TimerEvent/icon_16x20_USB.svg" << "qrc:/Resource/login/icon_w_16x20_usb.svg" << "USB"
            << true;
        QTest::newRow("on, paused on a CD")
            << QByteArray("1") << QByteArray("2") << QByteArray("CD-DA") << on << status.arg("pause")
            << "qrc:/Resource/TimerEvent/icon_19x19_CD.svg" << "qrc:/Resource/login/icon_w_19x19_cd.svg" << "CD" << true;
        QTest::newRow("on, stopped, a medium without icon")
            << QByteArray("1") << QByteArray("0") << QByteArray("NET") << on << status.arg("stop") << none << none
            << "NET" << true;
        QTest::newRow("on, no transport state")
            << QByteArray("1") << QByteArray("7") << QByteArray("SD2") << on << status.arg("none")
            << "qrc:/Resource/TimerEvent/icon_16x20_SD.svg" << "qrc:/Resource/login/icon_w_16x20_sd.svg" << "SD2" << true;
        QTest::newRow("off") << QByteArray("0") << QByteArray("1") << QByteArray("SD1") << off << status.arg("none")
                             << none << none << "" << false;
    }
    void rowShowsTheMachine()
    {
        QFETCH(QByteArray, power);
        QFETCH(QByteArray, transport);
        QFETCH(QByteArray, medium);
        QFETCH(QString, powerIcon);
        QFETCH(QString, transportIcon);
        QFETCH(QString, mediumIcon);
        QFETCH(QString, selectedMediumIcon);
        QFETCH(QString, mediumText);
        QFETCH(bool, reachable);
        LoginPage p;
        const QString mac = nextMac();
        QVERIFY(p.load({FakeDiscovery::answer(mac.toLatin1(), "Studio", power, transport, medium, "HB-M740K")}));

        QCOMPARE(source(p.in(0, "powerIcon")), powerIcon);
        QCOMPARE(source(p.in(0, "transportIcon")), transportIcon);
        QCOMPARE(source(p.in(0, "logincurrentmediaicon")), mediumIcon);
        QCOMPARE(text(p.in(0, "nicknameText")), QString("Studio"));
        QCOMPARE(text(p.in(0, "modelText")), QString("MODEL : HB-M740K"));
        QCOMPARE(text(p.in(0, "loginipaddr")), p.address);
        QCOMPARE(text(p.in(0, "mediaText")), mediumText);
        QCOMPARE(colour(p.in(0, "nicknameText")), QColor(reachable ? "white" : grey));
        for (const char *name : {"modelText", "loginipaddr", "mediaText", "ipPasswordLabel"})
            QCOMPARE(colour(p.in(0, name)), QColor(grey));
        QCOMPARE(colour(p.in(0, "machineCard")), QColor("#3c3c3c"));
        // Unselected: the grey boxes, no field and no button.
        QVERIFY(p.shows(0, "login_ippasswd") && p.shows(0, "loginBox") && p.shows(0, "ipPasswordLabel"));
        QVERIFY(!p.shows(0, "loginpasswd") && !p.shows(0, "rowLoginButton"));
        QVERIFY(!p.shows(0, "login_adminpasswd") && !p.shows(0, "saveBox") && !p.shows(0, "adminPasswordLabel"));
        QVERIFY(!p.shows(0, "admin_power_onoff_button") && !p.shows(0, "admin_restart_button"));

        // Selected: brighter card; the login controls only for a machine that is on.
        p.w.click(p.in(0, "machineCard"));
        QCOMPARE(p.selected(), 0);
        QCOMPARE(colour(p.in(0, "machineCard")), QColor("#646464"));
        QCOMPARE(p.shows(0, "loginpasswd"), reachable);
        QCOMPARE(p.shows(0, "rowLoginButton"), reachable);
        QCOMPARE(source(p.in(0, "logincurrentmediaicon")), reachable ? selectedMediumIcon : mediumIcon);
        for (const char *name : {"modelText", "loginipaddr", "mediaText", "ipPasswordLabel"})
            QCOMPARE(colour(p.in(0, name)), QColor(reachable ? "white" : grey));

        // What is drawn: the card's colour, and the icons at their places.
        QQuickItem *card = p.in(0, "machineCard");
        const QPoint inCard = card->mapToScene(QPointF(card->width() * 0.55, 4)).toPoint();
        QCOMPARE(p.screenshot().pixelColor(inCard), QColor("#646464"));
        QVERIFY(p.noWarnings());
    }

    void screenshotOfTheList()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio A", "1", "1", "SD1"),
                        FakeDiscovery::answer(nextMac().toLatin1(), "Hall", "1", "3", "USB", "HB-M740K"),
                        FakeDiscovery::answer(nextMac().toLatin1(), "Booth", "0", "0", "SD1"),
                        FakeDiscovery::answer(nextMac().toLatin1(), "Archive", "1", "2", "CD")}));
        p.w.click(p.in(1, "machineCard"));
        p.w.click(p.in(1, "loginpasswd"));
        p.type("secret");
        p.screenshot("login-list");
        QVERIFY(p.noWarnings());
    }

    // The scroll bar shows only when the rows and the footer are taller than the list.
    void scrollBar_data()
    {
        QTest::addColumn<int>("machines");
        QTest::addColumn<bool>("shown");
        QTest::newRow("two rows fit") << 2 << false;
        QTest::newRow("three rows and the footer fit") << 3 << false;
        QTest::newRow("four rows and the footer do not") << 4 << true;
    }
    void scrollBar()
    {
        QFETCH(int, machines);
        QFETCH(bool, shown);
        LoginPage p;
        QList<QByteArray> answers;
        for (int i = 0; i < machines; ++i)
            answers.append(FakeDiscovery::answer(nextMac().toLatin1(), "Recorder " + QByteArray::number(i)));
        QVERIFY(p.load(answers));
        QQuickItem *bar = p.listView()->findChild<QQuickItem *>("loginScrollBar");
        QVERIFY(bar);
        QCOMPARE(bar->isVisible(), shown);
        QVERIFY(p.noWarnings());
    }

    // "Searching..." covers the list until the first cycle has published it,
    // unless a "Connecting..." overlay shows instead.
    void searchingOverlay()
    {
        LoginPage p;
        QVERIFY(p.load());
        // Nothing published yet: the list has no model at all.
        QVERIFY(!p.w.qmlEngine()->rootContext()->contextProperty("loginModel").isValid());
        p.answerer.answers = {FakeDiscovery::answer(nextMac().toLatin1(), "Studio")};
        p.udpc().visibleStateChanged(true);
        QVERIFY(p.discover(1));
        QVERIFY(p.visible("login_searching"));
        QCOMPARE(p.rowCount(), 0);
        QQuickItem *refresh = p.footerItem("loginrefresh");
        QVERIFY(refresh && !refresh->isVisible());
        QVERIFY(!p.item("container")->isVisible()); // the admin switch waits for the first cycle too
        p.w.click(p.listView(), QPointF(100, 50));
        QCOMPARE(p.selected(), -1);

        p.cycle();
        QVERIFY(!p.visible("login_searching"));
        QCOMPARE(p.rowCount(), 1);
        QVERIFY(refresh->isVisible());
        QVERIFY(p.item("container")->isVisible());

        // While it shows, the rows take no click.
        p.udpc().setShowRefresh(false);
        QVERIFY(p.visible("login_searching"));
        QVERIFY(!refresh->isVisible());
        p.w.click(p.in(0, "machineCard"));
        QCOMPARE(p.selected(), -1);

        // A power operation's overlay shows in its place.
        p.udpc().setTelnetConnecting(0);
        QVERIFY(p.visible("telnetConnectingOverlay"));
        QVERIFY(!p.visible("login_searching"));
        p.udpc().setTelnetConnecting(2);
        QVERIFY(!p.visible("telnetConnectingOverlay"));
        QVERIFY(p.visible("login_searching"));

        // So does the login's.
        FakeRecorder unresponsive(nextRecorderAddress());
        QVERIFY(unresponsive.listenUnresponsive());
        p.comm().loginRequest(unresponsive.address().toString(), "pass");
        QVERIFY(p.visible("loginConnectingOverlay"));
        QVERIFY(!p.visible("login_searching"));
        QVERIFY(p.noWarnings());
    }

    // A machine found after the list was published shows at the next publication.
    void refreshButton()
    {
        LoginPage p;
        const QString first = nextMac();
        QVERIFY(p.load({FakeDiscovery::answer(first.toLatin1(), "Studio")}));
        p.answerer.answers.append(FakeDiscovery::answer(nextMac().toLatin1(), "Hall"));
        QVERIFY(p.discover(2));
        QCOMPARE(p.rowCount(), 1);
        p.w.click(p.in(0, "machineCard"));
        QCOMPARE(p.selected(), 0);

        p.w.click(p.footerItem("loginrefresh"));
        QCOMPARE(p.rowCount(), 2);
        QCOMPARE(text(p.in(1, "nicknameText")), QString("Hall"));
        QCOMPARE(p.selected(), -1);
        QVERIFY(p.noWarnings());
    }

    void deselection_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("selected");
        QTest::newRow("the footer") << "footer" << -1;
        QTest::newRow("between the title and the list") << "above" << -1;
        QTest::newRow("the window's margin") << "margin" << -1;
        QTest::newRow("the gap between two cards") << "gap" << 0;
        QTest::newRow("another card") << "card" << 1;
    }
    void deselection()
    {
        QFETCH(QString, where);
        QFETCH(int, selected);
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio"),
                        FakeDiscovery::answer(nextMac().toLatin1(), "Hall")}));
        p.w.click(p.in(0, "machineCard"));
        QCOMPARE(p.selected(), 0);
        const qreal pt = p.pt();
        QQuickItem *back = p.item("loginback");
        if (where == "footer")
            p.w.click(p.footerItem("loginFooter"), QPointF(20 * pt, 150 * pt));
        else if (where == "above")
            p.w.click(back, QPointF(200 * pt, 60 * pt));
        else if (where == "margin")
            p.w.click(p.page, QPointF(200, back->y() / 2));
        else if (where == "gap")
            p.w.click(p.row(0), QPointF(200 * pt, 130 * pt));
        else
            p.w.click(p.in(1, "machineCard"));
        QCOMPARE(p.selected(), selected);
        QVERIFY(p.noWarnings());
    }

    // Seven taps, on the title or the logo, lead to the manual login page;
    // seven more lead back. Every change of page publishes the list again.
    void tapCounter()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        p.answerer.answers.append(FakeDiscovery::answer(nextMac().toLatin1(), "Hall"));
        QVERIFY(p.discover(2));

        p.tap(6, "loginTitleArea");
        QVERIFY(p.visible("loginnew"));
        QVERIFY(!p.visible("loginold"));
        QCOMPARE(p.rowCount(), 1);
        p.tap(1, "loginLogoArea");
        QCOMPARE(p.value("click_times").toInt(), 7);
        QVERIFY(!p.visible("loginnew"));
        QVERIFY(p.visible("loginold"));
        QCOMPARE(p.rowCount(), 2); // published as the page changed

        p.answerer.answers.append(FakeDiscovery::answer(nextMac().toLatin1(), "Booth"));
        QVERIFY(p.discover(3));
        p.tap(3, "loginLogoArea");
        p.tap(3, "loginTitleArea");
        QVERIFY(p.visible("loginold"));
        QCOMPARE(p.rowCount(), 2);
        p.tap(1, "loginTitleArea");
        QCOMPARE(p.value("click_times").toInt(), 0);
        QVERIFY(p.visible("loginnew"));
        QVERIFY(!p.visible("loginold"));
        QCOMPARE(p.rowCount(), 3);
        QVERIFY(p.noWarnings());
    }

    // The page's hidden parts are made after its first frame. One needed
    // before that is made at once and behaves as it would have: the manual
    // page publishes the list as it shows, the admin switch shows with the
    // first list.
    void hiddenPartNeededBeforeMade_data()
    {
        QTest::addColumn<QString>("part");
        QTest::newRow("manual login page") << "loginold";
        QTest::newRow("admin switch") << "container";
        QTest::newRow("app password dialog") << "app_passwd";
        QTest::newRow("power confirmation") << "confirmPowerControl";
    }

    void hiddenPartNeededBeforeMade()
    {
        QFETCH(QString, part);
        const QByteArray name = part.toLatin1();
        HeldIncubation held;
        LoginPage p;
        p.untilLoaded = false;
        p.w.qmlEngine()->setIncubationController(&held);
        QVERIFY(p.load());
        QVERIFY(held.incubatingObjectCount() > 0);
        QVERIFY(!p.item(name)); // not made yet
        QVERIFY(p.list({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        p.answerer.answers.append(FakeDiscovery::answer(nextMac().toLatin1(), "Hall"));
        QVERIFY(p.discover(2));

        if (part == "loginold") {
            p.tap(7, "loginTitleArea");
            QVERIFY(!p.visible("loginnew"));
            QCOMPARE(p.rowCount(), 2); // published as the page changed
        } else if (part == "app_passwd") {
            p.openAppPasswordDialog();
            QVERIFY(p.visible("requirenewpasswd"));
            QVERIFY(!p.visible("grand_kirikae"));
            QCOMPARE(p.item("shuttle")->x(), p.item("container")->width() - p.item("shuttle")->width());
        } else if (part == "confirmPowerControl") {
            p.page->setProperty("admin_mode", true);
            p.w.click(p.in(0, "admin_power_onoff_button")); // selects the row
            p.w.click(p.in(0, "admin_power_onoff_button")); // asks
            QVERIFY(p.visible(name));
            QCOMPARE(text(p.item("cpcNicknameText")), QString("Studio"));
            QCOMPARE(text(p.item("cpcQuestion")), QString("OK to turn off?"));
        } else {
            QVERIFY(p.visible(name));
            p.slideShuttle(-300);
            QVERIFY(p.visible("admin_button"));
        }
        QVERIFY(p.visible(name));
        QVERIFY(p.noWarnings());
    }

    // ---- Logging in from a row ----

    void rowLogin_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("the Login button") << false;
        QTest::newRow("Enter in the password field") << true;
    }
    void rowLogin()
    {
        QFETCH(bool, byEnter);
        LoginPage p;
        const QString mac = nextMac();
        store("IPPass", mac, "stale");
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Decoy"),
                        FakeDiscovery::answer(mac.toLatin1(), "Studio")}));
        QVERIFY(p.recorder.listen());
        UdpMachineList *machine = p.machine(1);
        QSignalSpy ippassChanged(machine, &UdpMachineList::ippassChanged);
        QSignalSpy overlay(p.item("telnetConnectingOverlay"), SIGNAL(visibleChanged()));
        emit p.comm().popupReceived(1); // a message left in the window's banner
        QQuickItem *banner = p.w.find("popup");
        QTRY_COMPARE_WITH_TIMEOUT(banner->opacity(), 1.0, 2000);

        p.w.click(p.in(1, "machineCard"));
        QQuickItem *field = p.in(1, "loginpasswd");
        QCOMPARE(text(field), QString("stale")); // the stored password to start from
        p.typeInto(field, "pass");
        if (byEnter)
            p.key(Qt::Key_Return);
        else
            p.w.click(p.in(1, "rowLoginButton"));

        QCOMPARE(p.selected(), -1);
        QVERIFY(!banner->property("popupEnabled").toBool());
        QCOMPARE(p.udpc().loginedNickname, QString("Studio"));
        QCOMPARE(stored("IPPass", mac), QString("pass"));
        QCOMPARE(machine->ippass, QString("pass"));
        QVERIFY(p.loggedIn());
        QVERIFY(p.recorder.received().contains("\r\npass\r\n"));
        QCOMPARE(p.comm().address(), p.address);
        QCOMPARE(p.comm().password(), QString("pass"));
        QVERIFY(overlay.count() >= 1); // the check before the login showed "Connecting..."
        QVERIFY(p.w.find("homeScreen")->isVisible());
        // The page hidden, discovery stops.
        QVERIFY(p.udpc().udpSocket == nullptr);
        QVERIFY(p.noWarnings());
    }

    // A machine that reports power off on the check gets no login.
    void rowLoginToAMachineThatWentOff()
    {
        LoginPage p;
        const QString mac = nextMac();
        QVERIFY(p.load({FakeDiscovery::answer(mac.toLatin1(), "Studio")}));
        QVERIFY(p.recorder.listen());
        p.answerer.answers = {FakeDiscovery::answer(mac.toLatin1(), "Studio", "0")};
        p.w.click(p.in(0, "machineCard"));
        p.typeInto(p.in(0, "loginpasswd"), "pass");
        p.key(Qt::Key_Enter);
        QTRY_VERIFY_WITH_TIMEOUT(p.bannerShown(), 3000);
        QCOMPARE(p.banner(), QString::fromUtf8("Power OFF\u3000\u3000Studio"));
        QCOMPARE(p.comm().loginState(), 0);
        QCOMPARE(p.recorder.connectionCount(), 0);
        // Marked as not answering at once: question mark, no login controls.
        QCOMPARE(source(p.in(0, "powerIcon")), QString("qrc:/Resource/login/icon_13x20_question.svg"));
        QVERIFY(p.page->isVisible());
        QVERIFY(p.noWarnings());
    }

    // While the control link logs in, the row's Login button looks busy.
    void rowLoginButtonWhileConnecting()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        p.w.click(p.in(0, "machineCard"));
        QQuickItem *plate = p.in(0, "rowLoginButtonPlate");
        QCOMPARE(colour(plate), QColor("#0ec0dd"));
        QCOMPARE(plate->property("border").value<QObject *>()->property("width").toReal(), 0.0);
        QVERIFY(p.recorder.listenUnresponsive());
        p.comm().loginRequest(p.address, "pass");
        QCOMPARE(colour(plate), QColor("#07606E"));
        QObject *border = plate->property("border").value<QObject *>();
        QCOMPARE(colour(border), QColor("#0ec0dd"));
        QVERIFY(qAbs(border->property("width").toReal() - 2 * p.pt()) < 0.001);
        QVERIFY(p.visible("loginConnectingOverlay"));
        QVERIFY(p.noWarnings());
    }

    // ---- The manual login page ----

    void manualLogin()
    {
        const QString recorderAddress = nextRecorderAddress();
        store("Login", "Address", recorderAddress);
        store("Login", "ps", "pass");
        LoginPage p(recorderAddress);
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        QVERIFY(p.recorder.listen());
        p.udpc().setLoginedNickname("Studio");
        p.tap(7, "loginLogoArea");
        QVERIFY(p.visible("loginold"));
        QCOMPARE(text(p.item("address")), recorderAddress);
        QCOMPARE(text(p.item("password")), QString("pass"));
        QQuickItem *button = p.item("loginButton");
        QCOMPARE(text(p.item("loginButtonText")), QString("Login"));
        QCOMPARE(colour(p.item("loginButtonText")), QColor("#2D52A8"));
        QVERIFY(button->isEnabled());
        p.screenshot("login-manual");
        emit p.comm().popupReceived(2);
        QTRY_COMPARE_WITH_TIMEOUT(p.w.find("popup")->opacity(), 1.0, 2000);

        QSignalSpy states(&p.comm(), &Communication::loginStateChanged);
        p.w.click(button);
        QVERIFY(!p.w.find("popup")->property("popupEnabled").toBool());
        QCOMPARE(states.value(0).value(0).toInt(), 1);
        QCOMPARE(p.udpc().loginedNickname, QString());
        QVERIFY(p.loggedIn());
        QVERIFY(p.recorder.received().contains("\r\npass\r\n"));

        // Logged out, the page returns on the manual login page.
        p.comm().logoutRequest();
        QTRY_VERIFY_WITH_TIMEOUT(p.page->isVisible(), 2000);
        QVERIFY(p.visible("loginold"));
        QCOMPARE(p.value("click_times").toInt(), 7);
        QVERIFY(p.noWarnings());
    }

    // The fields are sent as typed, empty ones too; Enter in the address moves on to the password.
    void manualFieldsAsTyped()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        p.tap(7, "loginTitleArea");
        QSignalSpy addresses(&p.comm(), &Communication::addressChanged);
        QSignalSpy passwords(&p.comm(), &Communication::passwordChanged);
        p.w.click(p.item("loginButton"));
        QCOMPARE(addresses.value(0).value(0).toString(), QString());
        QCOMPARE(passwords.value(0).value(0).toString(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(p.comm().loginState(), 0, 3000);

        p.recorder.password = " pass ";
        QVERIFY(p.recorder.listen());
        p.typeInto(p.item("address"), p.address);
        QVERIFY(p.item("address")->hasActiveFocus());
        QCOMPARE(source(p.item("address")->property("background").value<QObject *>()),
                 QString("qrc:/Resource/LogIn_add-pass_ON_296x50_3.png"));
        p.key(Qt::Key_Return);
        QVERIFY(p.item("password")->hasActiveFocus());
        QCOMPARE(source(p.item("address")->property("background").value<QObject *>()),
                 QString("qrc:/Resource/LogIn_add-pass_OFF_296x50_3.png"));
        QCOMPARE(p.comm().loginState(), 0); // Enter in the address logs in to nothing
        p.type(" pass ");
        // Enter leaves the window's banner as it is.
        emit p.comm().popupReceived(3);
        QQuickItem *banner = p.w.find("popup");
        QTRY_COMPARE_WITH_TIMEOUT(banner->opacity(), 1.0, 2000);
        p.key(Qt::Key_Return);
        QVERIFY(p.loggedIn());
        QVERIFY(banner->property("popupEnabled").toBool());
        QVERIFY(p.noWarnings());
    }

    // While a login runs the button reads "Connecting" and takes no click.
    void manualButtonWhileConnecting()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        QVERIFY(p.recorder.listenUnresponsive());
        p.tap(7, "loginTitleArea");
        p.typeInto(p.item("address"), p.address);
        QSignalSpy addresses(&p.comm(), &Communication::addressChanged);
        p.w.click(p.item("loginButton"));
        QCOMPARE(addresses.count(), 1);
        QQuickItem *button = p.item("loginButton");
        QCOMPARE(text(p.item("loginButtonText")), QString("Connecting"));
        QCOMPARE(colour(p.item("loginButtonText")), QColor("#D14413"));
        QCOMPARE(source(button->property("background").value<QObject *>()),
                 QString("qrc:/Resource/LogIn_connect_296x50_3.png"));
        QVERIFY(!button->isEnabled());
        QVERIFY(p.visible("loginConnectingOverlay"));
        p.w.click(button);
        QCOMPARE(addresses.count(), 1);
        QVERIFY(p.noWarnings());
    }

    // Enter in the password field starts a login also while one runs: the
    // link drops the running attempt without a word about it (no failure, no
    // reconnection), the new recorder gets the login, and the store keeps the
    // new address and password only.
    void enterDuringAnAttempt_data()
    {
        QTest::addColumn<QString>("first");
        // Every login state from the first Enter on.
        QTest::addColumn<QList<int>>("expectedStates");
        QTest::newRow("while connecting") << "unresponsive" << QList<int>{1, 1, 2};
        QTest::newRow("while the recorder says nothing") << "silent" << QList<int>{1, 1, 2};
        QTest::newRow("after the password was refused") << "refused" << QList<int>{1, 4, 1, 2};
    }
    void enterDuringAnAttempt()
    {
        QFETCH(QString, first);
        QFETCH(QList<int>, expectedStates);
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        FakeRecorder next(nextRecorderAddress());
        next.password = "other";
        next.setReply("07F035D", {"0FF03DD0000"});
        QVERIFY(next.listen());
        if (first == "unresponsive") {
            QVERIFY(p.recorder.listenUnresponsive());
        } else {
            p.recorder.silent = first == "silent";
            p.recorder.password = "right";
            QVERIFY(p.recorder.listen());
        }

        p.tap(7, "loginLogoArea");
        p.typeInto(p.item("address"), p.address);
        p.typeInto(p.item("password"), "pass");
        QSignalSpy states(&p.comm(), &Communication::loginStateChanged);
        QSignalSpy failures(&p.w.backend().telnet, &Telnet::errorConnectedToServer);
        QSignalSpy refusals(&p.w.backend().telnet, &Telnet::passwordFailed);
        QSignalSpy popups(&p.comm(), &Communication::popupReceived);
        p.key(Qt::Key_Return);
        QCOMPARE(p.comm().loginState(), 1);
        if (first == "refused") {
            QTRY_COMPARE_WITH_TIMEOUT(p.comm().loginState(), 4, 3000);
            QCOMPARE(text(p.w.find("popup")->findChild<QObject *>("popupMessageText")), QString("Invalid password."));
        } else if (first == "silent") {
            QVERIFY(p.recorder.waitForConnections(1));
        } else {
            QTest::qWait(200);
        }
        QVERIFY(!p.item("loginButton")->isEnabled());
        QVERIFY(p.visible("loginConnectingOverlay"));

        // The keyboard still reaches the fields under the overlay.
        p.key(Qt::Key_Backtab);
        QVERIFY(p.item("address")->hasActiveFocus());
        p.replaceText(next.address().toString());
        p.key(Qt::Key_Return);
        QVERIFY(p.item("password")->hasActiveFocus());
        p.replaceText("other");
        QCOMPARE(stored("Login", "Address"), QString()); // nothing stored so far
        p.key(Qt::Key_Return);

        QVERIFY(p.loggedIn());
        // The abandoned attempt ended silently: no failure, no reconnection.
        QTest::qWait(700); // longer than the first reconnection's time-out
        QList<int> history;
        for (const QList<QVariant> &change : qAsConst(states))
            history.append(change.at(0).toInt());
        QCOMPARE(history, expectedStates);
        QCOMPARE(failures.count(), 0);
        QCOMPARE(refusals.count(), first == "refused" ? 1 : 0);
        QCOMPARE(popups.count(), first == "refused" ? 1 : 0);
        QCOMPARE(p.comm().loginState(), 2);
        QVERIFY(next.received().contains("\r\nother\r\n"));
        QCOMPARE(p.comm().address(), next.address().toString());
        QCOMPARE(stored("Login", "Address"), next.address().toString());
        QCOMPARE(stored("Login", "ps"), QString("other"));
        if (first != "unresponsive")
            QTRY_VERIFY_WITH_TIMEOUT(!p.recorder.hasClient(), 2000);
        QVERIFY(!p.recorder.received().contains("other"));
        QVERIFY(p.noWarnings());
    }

    // ---- The admin-mode switch and the app password ----

    void adminSwitch()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        QQuickItem *knob = p.item("shuttle");
        QQuickItem *container = p.item("container");
        const qreal right = container->width() - knob->width();
        QVERIFY(qAbs(right - 244 * p.pt()) < 1); // the knob's image is whole pixels wide
        QCOMPARE(knob->x(), right);
        QCOMPARE(source(knob), QString("qrc:/Resource/login/icon_80x52_lock_off.svg"));
        QVERIFY(!p.visible("admin_button"));
        QVERIFY(p.visible("kazari"));

        // Dropped short of the left end: still locked, and left where it was.
        p.slideShuttle(-100);
        QVERIFY2(knob->x() < right - 50 && knob->x() >= 2, qPrintable(QString::number(knob->x())));
        QVERIFY(!p.visible("admin_button"));

        // At the left end: unlocked.
        p.slideShuttle(-300);
        QCOMPARE(knob->x(), 0.0);
        QVERIFY(p.visible("admin_button"));
        QCOMPARE(source(knob), QString("qrc:/Resource/login/icon_80x52_lock_on.svg"));
        p.screenshot("login-unlocked");
        knob->setX(2);
        QVERIFY(!p.visible("admin_button"));
        knob->setX(1.5);
        QVERIFY(p.visible("admin_button"));
        knob->setX(0);

        // "Admin mode" opens the dialog; the bar hides and the knob goes back.
        p.w.click(p.item("admin_button"));
        QVERIFY(p.visible("app_passwd"));
        QVERIFY(!p.visible("grand_kirikae"));
        QCOMPARE(knob->x(), right);
        QVERIFY(p.visible("requirenewpasswd"));
        QVERIFY(!p.visible("requireapppasswd"));
        p.screenshot("login-new-app-password");

        // Closed without a password: locked again, admin mode off.
        p.w.click(p.item("new_close"));
        QVERIFY(!p.visible("app_passwd"));
        QVERIFY(p.visible("grand_kirikae"));
        QCOMPARE(knob->x(), right);
        QVERIFY(!p.visible("admin_button"));
        QVERIFY(!p.adminMode());
        QVERIFY(p.noWarnings());
    }

    void newAppPassword_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::newRow("both empty") << "" << "" << "Please enter a password";
        QTest::newRow("only the first") << "abc" << "" << "Passwords mismatched";
        QTest::newRow("only the second") << "" << "abc" << "Passwords mismatched";
        QTest::newRow("different") << "abc" << "abd" << "Passwords mismatched";
        QTest::newRow("letter case counts") << "abc" << "ABC" << "Passwords mismatched";
        QTest::newRow("the same") << "abc" << "abc" << "";
    }
    void newAppPassword()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        p.openAppPasswordDialog();
        QVERIFY(p.visible("requirenewpasswd"));
        p.typeInto(p.item("newpasswd1"), first);
        p.typeInto(p.item("newpasswd2"), second);
        p.w.click(p.item("newEnter"));

        if (!message.isEmpty()) {
            QVERIFY(p.bannerShown());
            QCOMPARE(p.banner(), message);
            QVERIFY(p.visible("app_passwd"));
            QCOMPARE(text(p.item("newpasswd1")), first);
            QCOMPARE(text(p.item("newpasswd2")), second);
            QVERIFY(!p.adminMode());
            QCOMPARE(p.udpc().appPassword, QString());
            QCOMPARE(stored("AppPass", "AppPass"), QString());
            return;
        }
        QVERIFY(!p.bannerShown());
        QVERIFY(p.adminMode());
        QVERIFY(!p.visible("app_passwd"));
        QCOMPARE(p.udpc().appPassword, first);
        QCOMPARE(stored("AppPass", "AppPass"), first);
        QCOMPARE(colour(p.page), QColor("#1d3356"));
        QVERIFY(p.visible("modoru_groupe"));
        QVERIFY(!p.visible("nyokigroup"));

        // From now on the dialog asks for the stored password.
        p.w.click(p.item("loginScreenButton"));
        p.openAppPasswordDialog();
        QVERIFY(p.visible("requireapppasswd"));
        QVERIFY(!p.visible("requirenewpasswd"));
        QVERIFY(p.noWarnings());
    }

    void storedAppPassword()
    {
        store("AppPass", "AppPass", "s3cret");
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio"),
                        FakeDiscovery::answer(nextMac().toLatin1(), "Hall")}));
        QCOMPARE(p.udpc().appPassword, QString("s3cret"));
        p.openAppPasswordDialog();
        QVERIFY(p.visible("requireapppasswd"));
        QVERIFY(!p.visible("requirenewpasswd"));

        // Wrong: the message, and the field keeps what was typed.
        p.typeInto(p.item("apppasswd1"), "s3cre");
        p.w.click(p.item("appEnter"));
        QCOMPARE(p.banner(), QString("Passwords mismatched"));
        QCOMPARE(text(p.item("apppasswd1")), QString("s3cre"));
        QVERIFY(!p.adminMode());

        // Close changes nothing but the dialog's visibility.
        p.w.click(p.item("app_close"));
        QVERIFY(!p.visible("app_passwd"));
        QVERIFY(!p.adminMode());
        QCOMPARE(text(p.item("apppasswd1")), QString("s3cre"));

        // Right: the field is emptied and admin mode is on.
        p.openAppPasswordDialog();
        p.typeInto(p.item("apppasswd1"), "s3cret");
        p.w.click(p.item("appEnter"));
        QVERIFY(p.adminMode());
        QVERIFY(!p.visible("app_passwd"));
        QCOMPARE(text(p.item("apppasswd1")), QString());

        // "Login screen" leaves admin mode and clears the selection.
        p.w.click(p.in(1, "machineCard"));
        QCOMPARE(p.selected(), 1);
        p.w.click(p.item("loginScreenButton"));
        QVERIFY(!p.adminMode());
        QCOMPARE(p.selected(), -1);
        QCOMPARE(colour(p.page), QColor("#000000"));
        QVERIFY(p.visible("nyokigroup"));
        QVERIFY(p.noWarnings());
    }

    // ---- Admin mode on the rows ----

    void adminRows()
    {
        LoginPage p;
        const QString onMac = nextMac();
        const QString offMac = nextMac();
        const QString lostMac = nextMac();
        store("AdminPass", onMac, "admin");
        QVERIFY(p.load({FakeDiscovery::answer(onMac.toLatin1(), "Studio"),
                        FakeDiscovery::answer(offMac.toLatin1(), "Booth", "0"),
                        FakeDiscovery::answer(lostMac.toLatin1(), "Hall")}));
        emit p.udpc().changeToUnknownPowerState(2);
        p.page->setProperty("admin_mode", true);

        // ON/OFF where the power state is known, Restart where the machine is on.
        QVERIFY(p.shows(0, "admin_power_onoff_button") && p.shows(0, "admin_restart_button"));
        QCOMPARE(colour(p.in(0, "admin_power_onoff_button")), QColor("#0ec0dd"));
        QVERIFY(p.shows(1, "admin_power_onoff_button") && !p.shows(1, "admin_restart_button"));
        QCOMPARE(colour(p.in(1, "admin_power_onoff_button")), QColor("#969696"));
        QVERIFY(!p.shows(2, "admin_power_onoff_button") && !p.shows(2, "admin_restart_button"));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(p.shows(i, "login_adminpasswd") && p.shows(i, "saveBox") && p.shows(i, "adminPasswordLabel"));
            QVERIFY(!p.shows(i, "login_ippasswd") && !p.shows(i, "loginBox") && !p.shows(i, "ipPasswordLabel"));
            QVERIFY(!p.shows(i, "adminpasswd") && !p.shows(i, "saveButton"));
            QCOMPARE(colour(p.in(i, "machineCard")), QColor("#0b2138"));
            QCOMPARE(colour(p.in(i, "admin_restart_button")), QColor("#333e49"));
        }
        const auto label = [&](int i) { return text(p.in(i, "admin_power_onoff_button")->childItems().at(0)); };
        QCOMPARE(label(0), QString("ON"));
        QCOMPARE(label(1), QString("OFF"));

        // A click on a button of a row that is not selected selects the row.
        p.w.click(p.in(0, "admin_power_onoff_button"));
        QCOMPARE(p.selected(), 0);
        QVERIFY(!p.visible("confirmPowerControl"));
        QCOMPARE(colour(p.in(0, "machineCard")), QColor("#0b4789"));
        QCOMPARE(colour(p.in(0, "admin_restart_button")), QColor("#5a5a5a"));
        QCOMPARE(colour(p.in(0, "adminPasswordLabel")), QColor("white"));
        QVERIFY(p.shows(0, "adminpasswd") && p.shows(0, "saveButton"));
        QCOMPARE(text(p.in(0, "adminpasswd")), QString("admin")); // the stored one
        p.screenshot("login-admin");

        // Once selected, it asks.
        p.w.click(p.in(0, "admin_power_onoff_button"));
        QVERIFY(p.visible("confirmPowerControl"));
        QCOMPARE(p.value("cpcAction").toString(), QString("turn off"));
        QCOMPARE(text(p.item("cpcNicknameText")), QString("Studio"));
        QCOMPARE(text(p.item("cpcQuestion")), QString("OK to turn off?"));
        p.screenshot("login-admin-confirm");
        p.w.click(p.item("cpcCancel"));
        QVERIFY(!p.visible("confirmPowerControl"));
        QCOMPARE(p.udpc().telnetPhase, 0);

        // A machine that is off is asked to turn on.
        p.w.click(p.in(1, "machineCard"));
        p.w.click(p.in(1, "admin_power_onoff_button"));
        QCOMPARE(text(p.item("cpcQuestion")), QString("OK to turn on?"));
        QCOMPARE(p.value("cpcIndex").toInt(), 1);
        p.w.click(p.item("cpcCancel"));

        // A machine that does not answer can still have its admin password stored.
        p.w.click(p.in(2, "machineCard"));
        QVERIFY(p.shows(2, "adminpasswd") && p.shows(2, "saveButton"));
        QCOMPARE(colour(p.in(2, "adminPasswordLabel")), QColor(grey));
        p.typeInto(p.in(2, "adminpasswd"), "adm2");
        p.w.click(p.in(2, "saveButton"));
        QCOMPARE(stored("AdminPass", lostMac), QString("adm2"));
        QCOMPARE(p.machine(2)->adminpass, QString("adm2"));
        QCOMPARE(p.selected(), 2);

        // Enter in the field saves as well.
        p.w.click(p.in(0, "machineCard"));
        p.typeInto(p.in(0, "adminpasswd"), "adm1");
        p.key(Qt::Key_Return);
        QCOMPARE(stored("AdminPass", onMac), QString("adm1"));
        QCOMPARE(p.selected(), 0);
        QVERIFY(p.noWarnings());
    }

    // OK raises the row's count first, then starts the operation; the
    // recorder gets the admin password and the command.
    void powerConfirmation_data()
    {
        QTest::addColumn<QByteArray>("power");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("turn off") << QByteArray("1") << "admin_power_onoff_button" << "OK to turn off?"
                                  << QByteArray("07511");
        QTest::newRow("turn on") << QByteArray("0") << "admin_power_onoff_button" << "OK to turn on?"
                                 << QByteArray("07500");
        QTest::newRow("restart") << QByteArray("1") << "admin_restart_button" << "OK to restart?"
                                 << QByteArray("07580");
    }
    void powerConfirmation()
    {
        QFETCH(QByteArray, power);
        QFETCH(QString, button);
        QFETCH(QString, question);
        QFETCH(QByteArray, command);
        LoginPage p;
        QVERIFY(p.loadForPower(power, command));
        UdpMachineList *machine = p.machine(1);
        // Each signalled change of the count, with the operation's phase at that moment.
        QList<QPair<int, int>> countChanges;
        QObject::connect(machine, &UdpMachineList::countChanged,
                         [&] { countChanges.append({machine->count, p.udpc().telnetPhase}); });

        const QByteArray name = button.toLatin1();
        p.w.click(p.in(1, name));
        p.w.click(p.in(1, name));
        QCOMPARE(text(p.item("cpcQuestion")), question);
        p.w.click(p.item("cpcOk"));

        QVERIFY(!p.visible("confirmPowerControl"));
        // The page raised the count by 5 before the operation began (which
        // raises it by 5 more, unsignalled).
        QCOMPARE(countChanges, (QList<QPair<int, int>>{{5, 0}}));
        QCOMPARE(p.udpc().targetMachine, machine);
        QCOMPARE(source(p.in(1, "powerIcon")), QString("qrc:/Resource/login/icon_13x20_question.svg"));
        QVERIFY(!p.shows(1, "admin_power_onoff_button") && !p.shows(1, "admin_restart_button"));
        QVERIFY(p.visible("telnetConnectingOverlay"));

        QVERIFY(p.recorder.waitForRequest(command));
        QVERIFY(p.recorder.received().contains("07F1141admin\r\n"));
        QTRY_COMPARE_WITH_TIMEOUT(p.udpc().telnetPhase, 0, 3000);
        // "Connecting..." stays until the second tick since the start.
        QVERIFY(p.visible("telnetConnectingOverlay"));
        p.udpc().tick();
        QVERIFY(p.visible("telnetConnectingOverlay"));
        p.udpc().tick();
        QVERIFY(!p.visible("telnetConnectingOverlay"));
        QVERIFY(!p.bannerShown());
        QVERIFY(p.noWarnings());
    }

    // The list published anew while the confirmation is open: OK still starts
    // the operation for the machine asked about, or nothing once it is gone.
    void powerConfirmationAfterRepublishing_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("starts");
        QTest::newRow("published again as it was") << "same" << true;
        QTest::newRow("a machine found since") << "grown" << true;
        QTest::newRow("the discovery cycle after a restart") << "restarted" << true;
        QTest::newRow("the machine no longer listed") << "gone" << false;
        QTest::newRow("the list emptied") << "emptied" << false;
    }
    void powerConfirmationAfterRepublishing()
    {
        QFETCH(QString, change);
        QFETCH(bool, starts);
        LoginPage p;
        QVERIFY(p.loadForPower("1", "07580"));
        UdpMachineList *machine = p.machine(1);
        p.w.click(p.in(1, "admin_restart_button"));
        p.w.click(p.in(1, "admin_restart_button"));
        QVERIFY(p.visible("confirmPowerControl"));
        QCOMPARE(text(p.item("cpcNicknameText")), QString("Studio"));

        if (change == "same") {
            p.udpc().refreshList();
        } else if (change == "grown") {
            p.answerer.answers.append(FakeDiscovery::answer(nextMac().toLatin1(), "Hall"));
            QVERIFY(p.discover(3));
            p.udpc().refreshList();
            QCOMPARE(p.rowCount(), 3);
        } else if (change == "restarted") {
            p.udpc().visibleStateChanged(false);
            p.udpc().visibleStateChanged(true);
            p.cycle();
        } else {
            // As a publication that no longer holds the machine would be.
            QList<QObject *> left;
            if (change == "gone")
                left.append(p.machine(0));
            p.w.qmlEngine()->rootContext()->setContextProperty("loginModel", QVariant::fromValue(left));
            QCOMPARE(p.rowCount(), left.size());
        }
        QVERIFY(p.visible("confirmPowerControl"));
        p.w.click(p.item("cpcOk"));

        QVERIFY(!p.visible("confirmPowerControl"));
        QVERIFY(p.noWarnings());
        if (!starts) {
            QCOMPARE(p.udpc().targetMachine, nullptr);
            QCOMPARE(p.udpc().telnetPhase, 0);
            QCOMPARE(machine->count, 0);
            QTest::qWait(300);
            QCOMPARE(p.recorder.connectionCount(), 0);
            QCOMPARE(p.recorder.received(), QByteArray());
            return;
        }
        QCOMPARE(p.udpc().targetMachine, machine);
        QCOMPARE(p.machine(0)->count < 5, true); // the decoy is left alone
        QVERIFY(p.recorder.waitForRequest("07580"));
        QVERIFY(p.recorder.received().contains("07F1141admin\r\n"));
        QVERIFY(p.noWarnings());
    }

    // Messages of the operations show in the page's banner, above "Connecting...".
    void operationMessages()
    {
        LoginPage p;
        const QString mac = nextMac();
        store("IPPass", mac, "pass");
        store("AdminPass", mac, "wrong");
        QVERIFY(p.load({FakeDiscovery::answer(mac.toLatin1(), "Studio")}));
        p.recorder.setReply("07F1141wrong", {"0FF11D100"});
        QVERIFY(p.recorder.listen());
        p.page->setProperty("admin_mode", true);
        p.w.click(p.in(0, "admin_restart_button"));
        p.w.click(p.in(0, "admin_restart_button"));
        p.w.click(p.item("cpcOk"));
        QTRY_VERIFY_WITH_TIMEOUT(p.bannerShown(), 3000);
        QCOMPARE(p.banner(), QString("ERROR: Admin Password Studio"));
        QVERIFY(p.visible("telnetConnectingOverlay"));
        QQuickItem *banner = p.item("popup1");
        QTRY_COMPARE_WITH_TIMEOUT(banner->opacity(), 1.0, 2000);
        const QColor drawn = p.screenshot().pixelColor(banner->mapToScene(QPointF(3, 3)).toPoint());
        QVERIFY2(qAbs(drawn.red() - 0xE8) <= 2 && drawn.red() == drawn.blue(), qPrintable(drawn.name()));
        QVERIFY(p.noWarnings());
    }

    // "Connecting..." of a power operation publishes the list each time it appears.
    void telnetOverlayPublishes()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        const auto another = [&](int count) {
            p.answerer.answers.append(FakeDiscovery::answer(nextMac().toLatin1(), "Recorder"));
            return p.discover(count);
        };
        QVERIFY(another(2));
        p.udpc().setTelnetConnecting(0);
        QVERIFY(p.visible("telnetConnectingOverlay"));
        QCOMPARE(p.rowCount(), 2);
        QVERIFY(another(3));
        p.udpc().setTelnetConnecting(1); // still shown: nothing more
        p.udpc().setTelnetPhase(1);
        QCOMPARE(p.rowCount(), 2);
        p.udpc().setTelnetPhase(0);
        p.udpc().setTelnetConnecting(2);
        QVERIFY(!p.visible("telnetConnectingOverlay"));
        QCOMPARE(p.rowCount(), 2); // hiding publishes nothing
        p.udpc().setTelnetPhase(2);
        QVERIFY(p.visible("telnetConnectingOverlay"));
        QCOMPARE(p.rowCount(), 3);
        QVERIFY(p.noWarnings());
    }

    // ---- Machines that stop answering ----

    // Up to 3 cycles without an answer a machine counts as answering.
    void answeringLimit_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("answering");
        QTest::newRow("just answered") << 0 << true;
        QTest::newRow("three cycles") << 3 << true;
        QTest::newRow("four cycles") << 4 << false;
    }
    void answeringLimit()
    {
        QFETCH(int, count);
        QFETCH(bool, answering);
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        p.answerer.silent = true;
        p.machine(0)->setCount(count);
        p.w.click(p.in(0, "machineCard"));
        QCOMPARE(source(p.in(0, "powerIcon")), answering ? QString("qrc:/Resource/login/icon_18x20_power_on.svg")
                                                         : QString("qrc:/Resource/login/icon_13x20_question.svg"));
        QCOMPARE(colour(p.in(0, "nicknameText")), QColor(answering ? "white" : grey));
        QCOMPARE(p.shows(0, "loginpasswd"), answering);
        p.page->setProperty("admin_mode", true);
        QCOMPARE(p.shows(0, "admin_power_onoff_button"), answering);
        QCOMPARE(p.shows(0, "admin_restart_button"), answering);
        QVERIFY(p.shows(0, "adminpasswd"));
        QVERIFY(p.noWarnings());
    }

    // A listed machine that falls silent shows as not answering at once; one
    // found after the last publication has no row to mark, and shows its
    // state when the list is next published.
    void machineStopsAnswering()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        p.answerer.answers.append(FakeDiscovery::answer(nextMac().toLatin1(), "Hall"));
        QVERIFY(p.discover(2));
        QCOMPARE(p.rowCount(), 1);
        p.w.click(p.in(0, "machineCard"));
        QVERIFY(p.shows(0, "loginpasswd"));
        QSignalSpy unknown(&p.udpc(), &UdpPowerControl::changeToUnknownPowerState);

        p.answerer.silent = true;
        for (int i = 0; i < 4 && unknown.count() < 2; ++i)
            p.cycle();
        QCOMPARE(unknown.count(), 2);
        QCOMPARE(unknown.at(1).at(0).toInt(), 1);
        QVERIFY(p.noWarnings());
        QCOMPARE(p.rowCount(), 1);
        QCOMPARE(source(p.in(0, "powerIcon")), QString("qrc:/Resource/login/icon_13x20_question.svg"));
        QCOMPARE(colour(p.in(0, "nicknameText")), QColor(grey));
        QVERIFY(!p.shows(0, "loginpasswd") && !p.shows(0, "rowLoginButton"));
        QCOMPARE(p.machine(0)->count, 3 + 5);
        QCOMPARE(p.machine(1)->count, 3);

        p.cycle();
        p.w.click(p.footerItem("loginrefresh"));
        QCOMPARE(p.rowCount(), 2);
        QCOMPARE(source(p.in(1, "powerIcon")), QString("qrc:/Resource/login/icon_13x20_question.svg"));
        QCOMPARE(colour(p.in(1, "nicknameText")), QColor(grey));

        // Answering again, they show as answering at the next publication.
        p.answerer.silent = false;
        p.udpc().sendDatagram();
        QTRY_COMPARE_WITH_TIMEOUT(p.machine(1)->count, 0, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(p.machine(0)->count, 0, 3000);
        p.w.click(p.footerItem("loginrefresh"));
        QCOMPARE(source(p.in(1, "powerIcon")), QString("qrc:/Resource/login/icon_18x20_power_on.svg"));
        QCOMPARE(source(p.in(0, "powerIcon")), QString("qrc:/Resource/login/icon_18x20_power_on.svg"));
        QVERIFY(p.noWarnings());
    }

    // ---- Texts from the network ----

    void textsArePlain()
    {
        LoginPage p;
        const QByteArray markup = "<b>A</b>&amp;<i>"; // 16 characters, all listed
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), markup, "1", "1", "<u>SD")}));
        QCOMPARE(text(p.in(0, "nicknameText")), QString(markup));
        QCOMPARE(text(p.in(0, "mediaText")), QString("<u>SD"));
        p.page->setProperty("admin_mode", true);
        p.w.click(p.in(0, "admin_restart_button"));
        p.w.click(p.in(0, "admin_restart_button"));
        QCOMPARE(text(p.item("cpcNicknameText")), QString(markup));

        // Every text of the page, those of the rows included, is plain text.
        // (The fields' empty placeholders belong to the controls, not to the page.)
        QList<QObject *> texts;
        const auto collect = [&](QObject *root) {
            for (QObject *object : root->findChildren<QObject *>())
                if (object->inherits("QQuickText") && !object->inherits("QQuickPlaceholderText"))
                    texts.append(object);
        };
        collect(p.page);
        collect(p.row(0));
        QVERIFY(texts.size() > 30);
        for (QObject *object : texts)
            QVERIFY2(object->property("textFormat").toInt() == 0 /* Text.PlainText */,
                     qPrintable(text(object) + object->metaObject()->className() + object->objectName()));
        QVERIFY(p.noWarnings());
    }

    // ---- Showing and hiding the page ----

    // Every change of the page's visibility reports it to discovery, shows
    // "Searching..." until the next publication, locks the admin switch and
    // hides the page's banner; selection, admin mode and taps stay.
    void visibilityChanges()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        QVERIFY(p.recorder.listen());
        QVERIFY(p.udpc().udpSocket != nullptr);
        p.page->setProperty("admin_mode", true);
        p.w.click(p.in(0, "machineCard"));
        p.tap(3, "loginTitleArea");
        QQuickItem *knob = p.item("shuttle");
        const qreal right = knob->x();

        for (bool shown : {false, true}) {
            knob->setX(0);
            // Shown, also while the page is hidden; hidden again by the change of the page.
            QVERIFY(QMetaObject::invokeMethod(p.item("popup1"), "show", Q_ARG(QVariant, QVariant("message"))));
            QTRY_COMPARE_WITH_TIMEOUT(p.item("popup1")->opacity(), 1.0, 2000);
            QCOMPARE(p.bannerShown(), !shown);
            QCOMPARE(p.udpc().showRefresh, true);
            if (shown)
                p.comm().logoutRequest();
            else
                p.comm().loginRequest(p.address, "pass");
            QTRY_COMPARE_WITH_TIMEOUT(p.page->isVisible(), shown, 3000);
            QTRY_VERIFY_WITH_TIMEOUT(p.item("popup1")->opacity() < 1.0, 1000);
            QCOMPARE(p.udpc().udpSocket != nullptr, shown);
            QCOMPARE(p.udpc().showRefresh, false);
            QCOMPARE(knob->x(), right);
            QVERIFY(!p.bannerShown());
            QVERIFY(p.adminMode());
            QCOMPARE(p.selected(), 0);
            QCOMPARE(p.value("click_times").toInt(), 3);
            p.udpc().setShowRefresh(true);
        }
        // Shown again: "Searching..." until the next cycle.
        p.udpc().setShowRefresh(false);
        QVERIFY(p.visible("login_searching"));
        p.cycle();
        QVERIFY(!p.visible("login_searching"));
        QVERIFY(p.noWarnings());
    }

    // The application's state goes to discovery.
    void applicationState()
    {
        LoginPage p;
        QVERIFY(p.load({FakeDiscovery::answer(nextMac().toLatin1(), "Studio")}));
        QCOMPARE(p.udpc().appActive, true);
        // The page follows the application's state (which the test cannot
        // change here: it sets the page's copy of it).
        QCOMPARE(p.value("appState").toInt(), int(QGuiApplication::applicationState()));
        for (int state : {Qt::ApplicationInactive, Qt::ApplicationHidden, Qt::ApplicationSuspended}) {
            p.page->setProperty("appState", Qt::ApplicationActive);
            QCOMPARE(p.udpc().appActive, true);
            p.page->setProperty("appState", state);
            QCOMPARE(p.udpc().appActive, false);
        }
        // Discovery restarted while in the background waits for the application to be active.
        p.udpc().visibleStateChanged(false);
        p.udpc().visibleStateChanged(true);
        QVERIFY(p.udpc().udpSocket == nullptr);
        p.page->setProperty("appState", Qt::ApplicationActive);
        QCOMPARE(p.udpc().appActive, true);
        QVERIFY(p.udpc().udpSocket != nullptr);
        QVERIFY(p.noWarnings());
    }
};

HB740_TEST_MAIN(TestLogin)
#include "tst_login.moc"
