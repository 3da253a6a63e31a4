#include "FakeMenu.h"
#include "FakeRecorder.h"
#include "LinkFixture.h"
#include "MenuLines.h"
#include "QmlWindow.h"
#include "TestMain.h"
#include "TimerTicks.h"

#include <QtMath>
#include <QtTest>
#include <algorithm>

namespace {

// The example menu with one more item: two ranged subitems, at 0 ms and at
// the bottom of the range.
FakeMenu menuFixture()
{
    FakeMenu menu = FakeMenu::example();
    FakeMenu::Subitem left;
    left.name = "DELAY Lch";
    left.type = 1;
    left.value = 100;
    FakeMenu::Subitem right = left;
    right.name = "DELAY Rch";
    right.value = 0;
    menu.pages[4].items.append({"DELAY", {left, right}});
    FakeMenu::Subitem firmware;
    firmware.name = "FIRMWARE";
    firmware.readOnly = true;
    firmware.options = {"1.02"};
    menu.pages[4].items.append({"FIRMWARE", {firmware}});
    menu.pages[4].items.append(FakeMenu::Item{"ABOUT", {}});
    return menu;
}

// The value requests of every row, in the order of the rows.
const QList<QByteArray> valueRequests = {
    "07F6A7A01000000000000", // INPUT SELECT
    "07F6A7A01000001000000", // INPUT GAIN Lch
    "07F6A7A01000001000100", // INPUT GAIN Rch
    "07F6A7A01000002000000", // PHANTOM(+48V)Lch
    "07F6A7A01000002000100", // PHANTOM(+48V)Rch
    "07F6A7A01000003000000", // LEVEL (L)
    "07F6A7A01000003000100", // LEVEL (R)
    "07F6A7A01010000000000", // STEREO/MONO
    "07F6A7A01030000000000", // SD1
    "07F6A7A01030000000100", // SD2
    "07F6A7A01030000000200", // USB
    "07F6A7A01030001000000", // CAPACITY
    "07F6A7A01030001000100", // AVAILABLE
    "07F6A7A01030001000200", // FOLDER
    "07F6A7A01040000000000", // PLAY AREA
    "07F6A7A01040001000000", // REC FORMAT
    "07F6A7A01040002000000", // SKIP BACK, an item whose only subitem is a range
    "07F6A7A01040003000100", // EMPTY LIST (SERVICE is hidden)
    "07F6A7A01040004000000", // DELAY Lch
    "07F6A7A01040004000100", // DELAY Rch
    "07F6A7A01040005000000", // FIRMWARE, read-only
};

QByteArray linesOf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// The lines of `bytes` that begin with `prefix`.
QList<QByteArray> linesStarting(const QByteArray &bytes, const QByteArray &prefix)
{
    QList<QByteArray> found;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.startsWith(prefix))
            found.append(line.trimmed());
    }
    return found;
}

template <typename T = QQuickItem>
T *child(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

QString text(QObject *object)
{
    return object->property("text").toString();
}

// Runs a function on a signal known only by name.
class Hook : public QObject
{
    Q_OBJECT

public:
    std::function<void()> run;

public slots:
    void fire() { run(); }
};

} // namespace

// The desktop window logged in to a scripted recorder that plays the menu
// fixture; the menu is drawn, its values shown, the MENU tab open and the
// time poll held, so that the recorder hears only what a test does.
struct MenuWindow
{
    MenuWindow()
        : recorder(nextRecorderAddress())
        , menu(menuFixture())
    {
        recorder.setReply("07F035D", {"0FF03DD0000"});
    }

    bool start()
    {
        if (!window.load() || !recorder.listen())
            return false;
        menu.attach(recorder);
        Communication &comm = window.backend().comm;
        comm.sleepTimer.stop();
        comm.loginRequest(recorder.address().toString(), "pass");
        if (!QTest::qWaitFor([&] { return comm.loginComp() && comm.timeTimerId != 0; }, 3000))
            return false;
        TimerTicks::hold(comm.timeTimerId);
        if (!QTest::qWaitFor([&] { return window.backend().menu.drawingFinished; }, 3000))
            return false;
        atStart = recorder.receivedOnceQuiet(150);
        window.click(window.find("tabMenu"));
        sent();
        return window.find("menuScreen")->isVisible();
    }

    // What the recorder heard since the last call, once it is quiet.
    QByteArray sent(int quietMs = 150)
    {
        const QByteArray bytes = recorder.receivedOnceQuiet(quietMs);
        recorder.clearReceived();
        return bytes;
    }

    QQuickItem *area() const { return window.find("menuArea"); }

    // The rows in their order on the page.
    QList<QQuickItem *> rows() const
    {
        QList<QQuickItem *> found;
        const auto content = area()->property("contentItem").value<QQuickItem *>();
        for (QQuickItem *loader : content->childItems()) {
            if (auto row = loader->property("item").value<QQuickItem *>())
                found.append(row);
        }
        std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) {
            return a->property("serialNumber").toInt() < b->property("serialNumber").toInt();
        });
        return found;
    }

    QQuickItem *row(const QString &label) const
    {
        for (QQuickItem *found : rows()) {
            if (found->property("menuText").toString() == label)
                return found;
        }
        return nullptr;
    }

    // Scrolls the list so that the row shows.
    void reveal(QQuickItem *row)
    {
        QQuickItem *flick = area();
        const qreal most = qMax(0.0, flick->property("contentHeight").toReal() - flick->height());
        flick->setProperty("contentY", qBound(0.0, row->y() - 100 * pt(), most));
        QTest::qWait(20);
    }

    // Opens the row's list and clicks its option.
    bool choose(const QString &label, int option)
    {
        QQuickItem *found = row(label);
        if (!found)
            return false;
        reveal(found);
        auto box = child(found, "menuComboBox");
        window.click(box);
        QObject *popup = box->property("popup").value<QObject *>();
        if (!QTest::qWaitFor([&] { return popup->property("opened").toBool(); }, 1000))
            return false;
        QQuickItem *list = popup->property("contentItem").value<QQuickItem *>();
        QQuickItem *entry = nullptr;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, entry), Q_ARG(int, option));
        if (!entry)
            return false;
        window.click(entry);
        return QTest::qWaitFor([&] { return !popup->property("visible").toBool(); }, 1000);
    }

    QQuickItem *confirmation() const { return window.find("phantomOnPopup"); }

    qreal pt() const { return window.root()->property("ptSize").toReal(); }

    QmlWindow window;
    FakeRecorder recorder;
    FakeMenu menu;
    // What the recorder heard from the login until the menu was drawn.
    QByteArray atStart;
};

namespace {

// A row as the operator reads it: its kind, its name and what its value
// field shows.
QString describe(QQuickItem *row)
{
    const QString kind = row->objectName();
    const QString name = row->property("menuText").toString();
    if (kind == "menuPageRow")
        return "title " + name;
    if (kind == "menuRangeRow")
        return "range " + name + " " + text(child(row, "rangeButtonText"));
    // Its value: singleRangeItem.
    if (kind == "menuItemRangeRow")
        return "item range " + name;
    auto box = child(row, "menuComboBox");
    if (!box->isVisible())
        return "header " + name;
    if (row->property("readOnly").toBool())
        return "fixed " + name + " " + text(child(row, "menuReadOnlyText"));
    return QString(kind == "menuItemRow" ? "item " : "subitem ") + name + " = " + box->property("displayText").toString();
}

QStringList describeAll(const QList<QQuickItem *> &rows)
{
    QStringList all;
    for (QQuickItem *row : rows)
        all.append(describe(row));
    return all;
}

const QStringList fixtureRows = {
    "title INPUT",
    "item INPUT SELECT = MIC",
    "header INPUT GAIN",
    "subitem INPUT GAIN Lch = 0dB",
    "subitem INPUT GAIN Rch = +12dB",
    "header PHANTOM",
    "subitem PHANTOM(+48V)Lch = ON",
    "subitem PHANTOM(+48V)Rch = OFF",
    "header LEVEL",
    "subitem LEVEL (L) = -10dB",
    "subitem LEVEL (R) = 0dB",
    "item STEREO/MONO = STEREO", // the second input page has no title; its hidden item no row
    "title MEDIA",                // the hidden system page has no rows
    "header CURRENT MEDIA",
    "subitem SD1 = OFF",
    "subitem SD2 = OFF",
    "subitem USB = OFF",
    "header MEDIA INFO",
    "fixed CAPACITY 32GB",
    "fixed AVAILABLE 30GB",
    "fixed FOLDER ROOT",
    "title PLAY",
    "item PLAY AREA = ALL",
    "item REC FORMAT = MP3",
    "item range SKIP BACK",
    "header OPTIONS",
    "subitem EMPTY LIST = ",
    "header DELAY",
    "range DELAY Lch 0 msec",
    "range DELAY Rch -1000 msec",
    "fixed FIRMWARE 1.02", // an item whose only subitem is read-only
    "header ABOUT",        // an item without subitems
};

} // namespace

class TestMenuPage : public QObject
{
    Q_OBJECT

private slots:
    // The fixture's whole menu as rows, in order, each with the recorder's
    // value, each registered as its node's row and asked for its value once.
    void rowsOfTheMenu()
    {
        MenuWindow f;
        QSignalSpy completed(&f.window.backend().menu, &Menu::menuCompleted);
        QVERIFY(f.start());
        QCOMPARE(completed.count(), 1);
        QCOMPARE(describeAll(f.rows()), fixtureRows);
        QCOMPARE(linesStarting(f.atStart, "07F6A7A01"), valueRequests);
        // The level meters are switched on by the completed menu before the
        // rows ask for their values.
        QVERIFY(f.atStart.indexOf("07F6A3F01\r\n") >= 0);
        QVERIFY(f.atStart.indexOf("07F6A3F01\r\n") < f.atStart.indexOf(valueRequests.first()));
        QVERIFY(f.window.warnings().isEmpty());
    }

    void geometryOfTheRows()
    {
        MenuWindow f;
        QVERIFY(f.start());
        const qreal pt = f.pt();
        QQuickItem *area = f.area();
        QCOMPARE(area->property("contentHeight").toReal(), fixtureRows.size() * 50 * pt);
        QQuickItem *title = f.window.find("menuTitle");
        QCOMPARE(text(title), QString("MENU"));
        QCOMPARE(title->y(), 20 * pt);
        QCOMPARE(area->y(), title->y() + title->height() + 5 * pt);
        QCOMPARE(area->y() + area->height(), f.window.find("menuScreen")->height());
        const QList<QQuickItem *> rows = f.rows();
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i]->property("serialNumber").toInt(), i);
            QCOMPARE(rows[i]->mapToItem(area->property("contentItem").value<QQuickItem *>(), QPointF()).y(),
                     i * 50 * pt);
            QCOMPARE(rows[i]->height(), 50 * pt);
            QCOMPARE(rows[i]->width(), area->width());
        }
        // Subitem rows are indented, item rows are not.
        QQuickItem *item = f.row("INPUT SELECT");
        QQuickItem *subitem = f.row("INPUT GAIN Lch");
        QCOMPARE(child(item, "menuItemText")->x(), 8 * pt);
        QCOMPARE(child(subitem, "menuItemText")->x(), 25 * pt);
        QCOMPARE(child(item, "menuFocusPlate")->x(), 0.0);
        QCOMPARE(child(subitem, "menuFocusPlate")->x(), 20 * pt);
        QCOMPARE(child(subitem, "menuFocusPlate")->width(), 200 * pt);
        QCOMPARE(child(f.row("DELAY Lch"), "rangeItemText")->x(), 25 * pt);
        QCOMPARE(child(f.row("PLAY"), "menuPageText")->x(), 10 * pt);
        // The scroll bar's handle stands at the list's right edge.
        QQuickItem *bar = f.window.find("menuScrollBar");
        QCOMPARE(bar->mapToItem(area, QPointF(bar->width(), 0)), QPointF(area->width(), 0));
        QCOMPARE(bar->height(), area->height());
    }

    // An item header's guide line runs down its visible subitems' rows.
    void guideLines_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("lines");
        QTest::newRow("a single subitem") << "INPUT SELECT" << 0;
        QTest::newRow("two subitems") << "INPUT GAIN" << 2;
        QTest::newRow("three subitems") << "CURRENT MEDIA" << 3;
        QTest::newRow("one of two hidden") << "OPTIONS" << 1;
        QTest::newRow("no subitems") << "ABOUT" << 0;
    }
    void guideLines()
    {
        QFETCH(QString, row);
        QFETCH(int, lines);
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *line = child(f.row(row), "menuGuideLine");
        QCOMPARE(line->height(), lines * 50 * f.pt());
        QCOMPARE(line->y(), 42 * f.pt());
    }

    // What each row is registered as with the model: the item's row for an
    // item with a single subitem, also when that subitem is a range.
    void registration_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("subitem"); // -1: the item's object; -2: the page's
        QTest::newRow("page title") << "PLAY" << 4 << 0 << -2;
        QTest::newRow("single choice") << "INPUT SELECT" << 0 << 0 << -1;
        QTest::newRow("single range") << "SKIP BACK" << 4 << 2 << -1;
        QTest::newRow("header") << "MEDIA INFO" << 3 << 1 << -1;
        QTest::newRow("subitem") << "FOLDER" << 3 << 1 << 2;
        QTest::newRow("range subitem") << "DELAY Rch" << 4 << 4 << 1;
    }
    void registration()
    {
        QFETCH(QString, row);
        QFETCH(int, page);
        QFETCH(int, item);
        QFETCH(int, subitem);
        MenuWindow f;
        QVERIFY(f.start());
        Menu &menu = f.window.backend().menu;
        QObject *registered = subitem == -2   ? menu.getPageObject(page)
                              : subitem == -1 ? menu.getItemObject(page, item)
                                              : menu.getSubitemObject(page, item, subitem);
        QVERIFY(registered);
        QCOMPARE(registered, f.row(row));
    }

    // Until the recorder answers, a choice row's field is empty: it holds the
    // option count as its index.
    void fieldEmptyUntilTheValueArrives()
    {
        MenuWindow f;
        f.menu.loseOnce = {"07F6A7A01000001000000"};
        QVERIFY(f.start());
        QQuickItem *row = f.row("INPUT GAIN Lch");
        QCOMPARE(row->property("comboBoxCurrentIndex").toInt(), 3);
        QCOMPARE(row->property("oldIndex").toInt(), 3);
        QCOMPARE(describe(row), QString("subitem INPUT GAIN Lch = "));
        // The value reported later shows.
        f.recorder.send("0FF6AFA01000001000000" "0200\r\n");
        QTRY_COMPARE(describe(row), QString("subitem INPUT GAIN Lch = +12dB"));
        QCOMPARE(f.sent(), QByteArray());
    }

    void pickAnOption_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("option");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("shown");
        QTest::newRow("item row") << "INPUT SELECT" << 2 << QByteArray("07F6A7A030000000000000200") << "DIGITAL";
        QTest::newRow("item row on an untitled page")
            << "STEREO/MONO" << 1 << QByteArray("07F6A7A030100000000000100") << "MONO";
        QTest::newRow("subitem row") << "INPUT GAIN Rch" << 0 << QByteArray("07F6A7A030000010001000000") << "0dB";
        QTest::newRow("phantom off") << "PHANTOM(+48V)Lch" << 0 << QByteArray("07F6A7A030000020000000000")
                                     << "OFF";
        QTest::newRow("the option shown: nothing") << "PHANTOM(+48V)Rch" << 0 << QByteArray() << "OFF";
        QTest::newRow("last page") << "REC FORMAT" << 0 << QByteArray("07F6A7A030400010000000000") << "WAV";
    }
    void pickAnOption()
    {
        QFETCH(QString, row);
        QFETCH(int, option);
        QFETCH(QByteArray, line);
        QFETCH(QString, shown);
        MenuWindow f;
        QVERIFY(f.start());
        QVERIFY(f.choose(row, option));
        QCOMPARE(f.sent(), line.isEmpty() ? QByteArray() : line + "\r\n");
        // The row keeps the choice; the recorder took it silently.
        QCOMPARE(child(f.row(row), "menuComboBox")->property("displayText").toString(), shown);
        QCOMPARE(f.row(row)->property("oldIndex").toInt(), option);
        QCOMPARE(f.confirmation()->opacity(), 0.0);
        QVERIFY(f.window.warnings().isEmpty());
    }

    // A list keeps the focus after a choice; a logout takes it away.
    void logoutEndsTheFocusLook()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *row = f.row("STEREO/MONO");
        QVERIFY(!child(row, "menuFocusPlate")->isVisible());
        QVERIFY(f.choose("STEREO/MONO", 1));
        QVERIFY(child(row, "menuFocusPlate")->isVisible());
        QCOMPARE(child(row, "menuItemText")->property("color").value<QColor>(), QColor("black"));
        f.window.backend().comm.logoutRequest();
        QVERIFY(!child(row, "menuFocusPlate")->isVisible());
        QCOMPARE(child(row, "menuItemText")->property("color").value<QColor>(), QColor("white"));
    }

    // A read-only row cannot be opened.
    void readOnlyRowDoesNotOpen()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *row = f.row("CAPACITY");
        f.reveal(row);
        QQuickItem *box = child(row, "menuComboBox");
        QVERIFY(!box->isEnabled());
        f.window.click(box);
        QTest::qWait(100);
        QVERIFY(!box->property("popup").value<QObject *>()->property("visible").toBool());
        QVERIFY(child(row, "menuReadOnlyPlate")->isVisible());
        QCOMPARE(f.sent(), QByteArray());
    }

    // The range panel: "-", "+", the slider's ends and values set from code,
    // each to the nearest step of 10 ms.
    void moveARange_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("slider");
        QTest::newRow("plus") << "DELAY Lch" << "+" << QList<QByteArray>{"07F6A7A030400040000000101"} << 10;
        QTest::newRow("minus") << "DELAY Lch" << "-" << QList<QByteArray>{"07F6A7A030400040000009900"} << -10;
        QTest::newRow("plus twice") << "DELAY Lch" << "++"
                                    << QList<QByteArray>{"07F6A7A030400040000000101", "07F6A7A030400040000000201"}
                                    << 20;
        QTest::newRow("minus at the bottom: nothing") << "DELAY Rch" << "-" << QList<QByteArray>{} << -1000;
        QTest::newRow("slider's right end") << "DELAY Lch" << ">" << QList<QByteArray>{"07F6A7A030400040000000002"}
                                            << 1000;
        QTest::newRow("slider's left end") << "DELAY Lch" << "<" << QList<QByteArray>{"07F6A7A030400040000000000"}
                                           << -1000;
        QTest::newRow("right end, then plus: nothing more")
            << "DELAY Lch" << ">+" << QList<QByteArray>{"07F6A7A030400040000000002"} << 1000;
        QTest::newRow("489.99 set from code") << "DELAY Lch" << "=489.99"
                                              << QList<QByteArray>{"07F6A7A030400040000004901"} << 490;
        QTest::newRow("-5.01 set from code") << "DELAY Lch" << "=-5.01"
                                             << QList<QByteArray>{"07F6A7A030400040000009900"} << -10;
        QTest::newRow("4.99 rounds to the value shown: nothing") << "DELAY Lch" << "=4.99" << QList<QByteArray>{}
                                                                 << 0;
        QTest::newRow("OK: nothing") << "DELAY Lch" << "ok" << QList<QByteArray>{} << 0;
    }
    void moveARange()
    {
        QFETCH(QString, row);
        QFETCH(QString, action);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(int, slider);
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *range = f.row(row);
        f.reveal(range);
        const QString before = text(child(range, "rangeButtonText"));
        f.window.click(child(range, "rangeButton"));
        QQuickItem *panel = child(range, "rangeBar");
        QVERIFY(panel->isVisible());
        QQuickItem *bar = child(range, "rangeSlideBar");
        if (action.startsWith('=')) {
            bar->setProperty("value", action.mid(1).toDouble());
        } else {
            for (const QChar c : action) {
                if (c == '+')
                    f.window.click(child(range, "rangePlusButton"));
                else if (c == '-')
                    f.window.click(child(range, "rangeMinusButton"));
                else if (c == '>')
                    // Short of the list's scroll bar, which lies over the row's right end.
                    f.window.click(bar, QPointF(bar->width() - 17 * f.pt(), bar->height() / 2));
                else if (c == '<')
                    f.window.click(bar, QPointF(1, bar->height() / 2));
                else if (c == 'o')
                    f.window.click(child(range, "rangeOkButton"));
            }
        }
        QCOMPARE(f.sent(), linesOf(lines));
        QCOMPARE(bar->property("value").toReal(), qreal(slider));
        QCOMPARE(range->property("oldIndex").toInt(), slider);
        // The texts show the recorder's value only.
        QCOMPARE(text(child(range, "rangeButtonText")), before);
        QCOMPARE(text(child(range, "rangeSettingData")), before);
        QCOMPARE(panel->isVisible(), action != "ok");
        QVERIFY(f.window.warnings().isEmpty());
    }

    // What a range row announces reaches the recorder as 0 .. 200, to the
    // nearest step also when the row's value lies off the step.
    void rangeValueToTheRecorder_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("-1000") << -1000 << QByteArray("0000");
        QTest::newRow("0") << 0 << QByteArray("0001");
        QTest::newRow("+500") << 500 << QByteArray("5001");
        QTest::newRow("+1000") << 1000 << QByteArray("0002");
        QTest::newRow("489: nearest 490") << 489 << QByteArray("4901");
        QTest::newRow("-994: nearest -990") << -994 << QByteArray("0100");
    }
    void rangeValueToTheRecorder()
    {
        QFETCH(int, milliseconds);
        QFETCH(QByteArray, value);
        MenuWindow f;
        QVERIFY(f.start());
        QVERIFY(QMetaObject::invokeMethod(f.row("DELAY Rch"), "rangeSelected", Q_ARG(int, milliseconds)));
        QCOMPARE(f.sent(), "07F6A7A03040004000100" + value + "\r\n");
    }

    // Opening another range's panel closes the first.
    void onePanelAtATime()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *left = f.row("DELAY Lch");
        QQuickItem *right = f.row("DELAY Rch");
        f.reveal(right);
        f.window.click(child(left, "rangeButton"));
        QVERIFY(child(left, "rangeBar")->isVisible());
        f.window.click(child(right, "rangeButton"));
        QVERIFY(!child(left, "rangeBar")->isVisible());
        QVERIFY(child(right, "rangeBar")->isVisible());
        // A press on the panel's empty part, over the value button of the row
        // above, stays on the panel.
        QQuickItem *panel = child(right, "rangeBar");
        const QPointF empty(300 * f.pt(), 45 * f.pt());
        QVERIFY(child(left, "rangeButton")->contains(child(left, "rangeButton")->mapFromItem(panel, empty)));
        f.window.click(panel, empty);
        QVERIFY(child(right, "rangeBar")->isVisible());
        QVERIFY(!child(left, "rangeBar")->isVisible());
        QCOMPARE(f.sent(), QByteArray());
        f.window.backend().comm.logoutRequest();
        QVERIFY(!child(right, "rangeBar")->isVisible());
    }

    // The panel's picture is decoded only while the panel is open, at the
    // size it is drawn: every range row holds a panel.
    void panelPictureOnlyWhileOpen()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *range = f.row("DELAY Rch");
        QQuickItem *panel = child(range, "rangeBar");
        QCOMPARE(panel->property("status").toInt(), 0); // Image.Null
        f.reveal(range);
        f.window.click(child(range, "rangeButton"));
        QVERIFY(panel->isVisible());
        QTRY_COMPARE(panel->property("status").toInt(), 1); // Image.Ready
        QCOMPARE(panel->property("paintedWidth").toReal(), panel->width());
        QCOMPARE(panel->property("sourceSize").toSize().width(), qCeil(panel->width() - 0.001));
        f.window.click(child(range, "rangeOkButton"));
        QTRY_VERIFY(!panel->isVisible());
        QCOMPARE(panel->property("status").toInt(), 0);
        QVERIFY(f.window.warnings().isEmpty());
    }

    // A report moves the slider and the texts and sends nothing back.
    void reportedRangeValue_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("slider");
        QTest::newRow("0") << QByteArray("0000") << "-1000 msec" << -1000;
        QTest::newRow("99") << QByteArray("9900") << "-10 msec" << -10;
        QTest::newRow("101") << QByteArray("0101") << "+10 msec" << 10;
        QTest::newRow("200") << QByteArray("0002") << "+1000 msec" << 1000;
        // Beyond the row's range: shown as reported, the slider at its end.
        QTest::newRow("201") << QByteArray("0102") << "+1010 msec" << 1000;
        QTest::newRow("250") << QByteArray("5002") << "+1500 msec" << 1000;
        QTest::newRow("9999") << QByteArray("9999") << "+98990 msec" << 1000;
    }
    void reportedRangeValue()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, shown);
        QFETCH(int, slider);
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *range = f.row("DELAY Lch");
        f.recorder.send("0FF6AFA01040004000000" + value + "\r\n");
        QTRY_COMPARE(text(child(range, "rangeButtonText")), shown);
        QCOMPARE(child(range, "rangeSlideBar")->property("value").toInt(), slider);
        QCOMPARE(f.sent(), QByteArray());
    }

    // A value reported beyond the range stands at the slider's end: only
    // the operator's moves from there are sent, and the same report again
    // puts the slider back.
    void moveFromBeyondTheRange()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *range = f.row("DELAY Lch");
        QQuickItem *bar = child(range, "rangeSlideBar");
        const QByteArray report = "0FF6AFA01040004000000" "5002\r\n";
        f.recorder.send(report);
        QTRY_COMPARE(text(child(range, "rangeButtonText")), QString("+1500 msec"));
        f.reveal(range);
        f.window.click(child(range, "rangeButton"));
        f.window.click(child(range, "rangePlusButton"));
        QCOMPARE(f.sent(), QByteArray());
        f.window.click(child(range, "rangeMinusButton"));
        QCOMPARE(f.sent(), QByteArray("07F6A7A030400040000009901\r\n"));
        QCOMPARE(bar->property("value").toInt(), 990);
        f.recorder.send(report);
        QTRY_COMPARE(bar->property("value").toInt(), 1000);
        QCOMPARE(f.sent(), QByteArray());
        f.window.click(child(range, "rangeMinusButton"));
        f.window.click(child(range, "rangePlusButton"));
        QCOMPARE(f.sent(), QByteArray("07F6A7A030400040000009901\r\n07F6A7A030400040000000002\r\n"));
        QCOMPARE(text(child(range, "rangeSettingData")), QString("+1500 msec"));
        QVERIFY(f.window.warnings().isEmpty());
    }

    // The recorder refuses a change: the row goes back to its value, the
    // slider too, though the value reported is the one shown before.
    void refusalPutsTheOldValueBack_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("choice") << "STEREO/MONO" << "1" << QByteArray("07F6A7A030100000000000100");
        QTest::newRow("choice on a subitem row") << "PHANTOM(+48V)Lch" << "0" << QByteArray("07F6A7A030000020000000000");
        QTest::newRow("range") << "DELAY Lch" << "+" << QByteArray("07F6A7A030400040000000101");
    }
    void refusalPutsTheOldValueBack()
    {
        QFETCH(QString, row);
        QFETCH(QString, action);
        QFETCH(QByteArray, line);
        MenuWindow f;
        f.recorder.setReply(line, {"0FF6AFAF001"});
        QVERIFY(f.start());
        QQuickItem *edited = f.row(row);
        const QString before = describe(edited);
        const int oldIndex = edited->property("oldIndex").toInt();
        if (action == "+") {
            f.reveal(edited);
            f.window.click(child(edited, "rangeButton"));
            f.window.click(child(edited, "rangePlusButton"));
        } else {
            QVERIFY(f.choose(row, action.toInt()));
        }
        // The refusal asks for every value again and shows the recorder's message.
        QCOMPARE(f.sent(), line + "\r\n" + linesOf(valueRequests));
        QCOMPARE(describe(edited), before);
        QCOMPARE(edited->property("oldIndex").toInt(), oldIndex);
        if (action == "+")
            QCOMPARE(child(edited, "rangeSlideBar")->property("value").toInt(), oldIndex);
        QTRY_COMPARE(f.window.find("popup")->findChild<QObject *>("popupMessageText")->property("text").toString(),
                     QString("Change of settings not currently permitted."));
        QVERIFY(f.window.warnings().isEmpty());
    }

    // An edit that would switch phantom power on waits for the operator.
    void phantomConfirmation_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("shown");
        const QByteArray rereads = linesOf(valueRequests);
        QTest::newRow("gain, OK") << "INPUT GAIN Lch" << 1 << "ok" << QByteArray("07F6A7A030000010000000100\r\n")
                                  << "+6dB";
        QTest::newRow("phantom, OK") << "PHANTOM(+48V)Rch" << 1 << "ok"
                                     << QByteArray("07F6A7A030000020001000100\r\n") << "ON";
        QTest::newRow("phantom, Cancel") << "PHANTOM(+48V)Rch" << 1 << "cancel" << rereads << "OFF";
        // A banner over the box is no OK: the row goes back as on Cancel.
        QTest::newRow("phantom, a banner") << "PHANTOM(+48V)Rch" << 1 << "banner" << rereads << "OFF";
    }
    void phantomConfirmation()
    {
        QFETCH(QString, row);
        QFETCH(int, option);
        QFETCH(QString, answer);
        QFETCH(QByteArray, sent);
        QFETCH(QString, shown);
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *box = f.confirmation();
        QVERIFY(f.choose(row, option));
        QCOMPARE(f.sent(), QByteArray());
        QTRY_COMPARE(box->opacity(), 1.0);
        QVERIFY(child(box, "phantomOk")->isVisible());
        QVERIFY(child(box, "phantomCancel")->isVisible());
        if (answer == "banner")
            emit f.window.backend().comm.popupReceived(2);
        else
            f.window.click(child(box, answer == "ok" ? "phantomOk" : "phantomCancel"));
        QVERIFY(!child(box, "phantomOk")->isVisible());
        QVERIFY(!child(box, "phantomCatcher")->isVisible());
        QCOMPARE(f.sent(), sent);
        QCOMPARE(child(f.row(row), "menuComboBox")->property("displayText").toString(), shown);
        QTRY_COMPARE(box->opacity(), 0.0);
        QVERIFY(f.window.warnings().isEmpty());
    }

    // A banner in the same moment as the box: the box goes before it shows,
    // as on Cancel, and does not come up beside the banner.
    void bannerRightAfterTheBox()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *box = f.confirmation();
        emit f.window.backend().menu.phantomOnPopup(0, 2, 1, 1);
        emit f.window.backend().comm.popupReceived(2);
        QVERIFY(!child(box, "phantomOk")->isVisible());
        QVERIFY(!child(box, "phantomCatcher")->isVisible());
        QCOMPARE(f.sent(), linesOf(valueRequests));
        QTest::qWait(500);
        QCOMPARE(box->opacity(), 0.0);
        QCOMPARE(f.window.find("popup")->opacity(), 1.0);
    }

    // A second edit while the box is up replaces the first.
    void lastHeldEditIsConfirmed()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QVERIFY(f.choose("INPUT GAIN Lch", 1));
        QVERIFY(f.choose("INPUT GAIN Lch", 2));
        QCOMPARE(f.sent(), QByteArray());
        QTRY_COMPARE(f.confirmation()->opacity(), 1.0);
        f.window.click(child(f.confirmation(), "phantomOk"));
        QCOMPARE(f.sent(), QByteArray("07F6A7A030000010000000200\r\n"));
    }

    // A second edit held back on another row: the first row goes back to
    // the recorder's value, as on Cancel, and only the second is confirmed.
    void replacedHeldEditGoesBack()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QVERIFY(f.choose("PHANTOM(+48V)Rch", 1));
        QTRY_COMPARE(f.confirmation()->opacity(), 1.0);
        QVERIFY(f.choose("INPUT GAIN Lch", 1));
        QCOMPARE(f.sent(), QByteArray("07F6A7A01000002000100\r\n"));
        QTRY_COMPARE(describe(f.row("PHANTOM(+48V)Rch")), QString("subitem PHANTOM(+48V)Rch = OFF"));
        QCOMPARE(describe(f.row("INPUT GAIN Lch")), QString("subitem INPUT GAIN Lch = +6dB"));
        f.window.click(child(f.confirmation(), "phantomOk"));
        QCOMPARE(f.sent(), QByteArray("07F6A7A030000010000000100\r\n"));
        QVERIFY(f.window.warnings().isEmpty());
    }

    // The session ends while the box waits: it goes without a word to the
    // recorder, and the next session does not find it live; the edit it
    // held cannot be confirmed on the new session's menu.
    void sessionEndTakesTheBoxDown_data()
    {
        QTest::addColumn<bool>("logout"); // else the link is lost and comes back by itself
        QTest::newRow("logout") << true;
        QTest::newRow("lost link") << false;
    }
    void sessionEndTakesTheBoxDown()
    {
        QFETCH(bool, logout);
        MenuWindow f;
        QVERIFY(f.start());
        Communication &comm = f.window.backend().comm;
        Menu &menu = f.window.backend().menu;
        QQuickItem *box = f.confirmation();
        QVERIFY(f.choose("INPUT GAIN Lch", 1));
        QTRY_COMPARE(box->opacity(), 1.0);
        QSignalSpy session(&comm, &Communication::loginCompChanged);
        if (logout)
            comm.logoutRequest();
        else
            f.recorder.closeClient();
        QTRY_VERIFY(!session.isEmpty());
        QCOMPARE(session.first().at(0).toBool(), false);
        QVERIFY(!child(box, "phantomOk")->isVisible());
        QVERIFY(!child(box, "phantomCatcher")->isVisible());
        if (logout)
            comm.loginRequest(f.recorder.address().toString(), "pass");
        QTRY_VERIFY_WITH_TIMEOUT(comm.loginComp() && menu.drawingFinished, 5000);
        QTRY_COMPARE(box->opacity(), 0.0);
        QVERIFY(!child(box, "phantomOk")->isVisible());
        f.sent();
        // What the box's OK would have sent.
        menu.changedSubitemObjectValue(0, 1, 0, 1, 1);
        QCOMPARE(linesStarting(f.sent(), "07F6A7A03"), QList<QByteArray>());
        QVERIFY(f.window.warnings().isEmpty());
    }

    // Shown again while it fades out, the box comes back whole with live
    // buttons, from where the fade had got to.
    void showDuringTheFadeOut()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *box = f.confirmation();
        QVERIFY(f.choose("PHANTOM(+48V)Rch", 1));
        QTRY_COMPARE(box->opacity(), 1.0);
        f.window.click(child(box, "phantomCancel"));
        QTest::qWait(60);
        const qreal fading = box->opacity();
        QVERIFY2(fading > 0 && fading < 1, qPrintable(QString::number(fading)));
        emit f.window.backend().menu.phantomOnPopup(0, 2, 1, 1);
        QVERIFY(box->opacity() <= fading);
        QTest::qWait(600);
        QCOMPARE(box->opacity(), 1.0);
        QVERIFY(child(box, "phantomOk")->isVisible());
        f.window.click(child(box, "phantomOk"));
        QCOMPARE(f.sent(), linesOf(valueRequests) + "07F6A7A030000020001000100\r\n");
        QTRY_COMPARE(box->opacity(), 0.0);
    }

    // Presses on the box never reach what lies beneath it.
    void boxTakesThePresses()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *box = f.confirmation();
        QVERIFY(f.choose("PHANTOM(+48V)Rch", 1));
        QTRY_COMPARE(box->opacity(), 1.0);
        // The Home tab lies beneath the box's left part.
        QQuickItem *home = f.window.find("tabHome");
        const QPointF point = home->mapToScene(QPointF(home->width() / 2, home->height() - 3));
        QVERIFY(box->contains(box->mapFromScene(point)));
        f.window.click(box, box->mapFromScene(point));
        QCOMPARE(f.window.root()->property("screenSelect").toInt(), 1);
        QCOMPARE(f.sent(), QByteArray());
        // Hidden, it lets them through.
        f.window.click(child(box, "phantomCancel"));
        QTRY_COMPARE(box->opacity(), 0.0);
        f.window.click(home);
        QCOMPARE(f.window.root()->property("screenSelect").toInt(), 0);
    }

    // The menu read again: the rows are built anew, the same, and the old
    // ones are gone.
    void menuReadAgain()
    {
        MenuWindow f;
        QVERIFY(f.start());
        Menu &menu = f.window.backend().menu;
        QPointer<QQuickItem> oldRow = f.row("INPUT SELECT");
        QSignalSpy drawn(&menu, &Menu::drawingFinishedChanged);
        f.window.backend().telnet.sendData(Menu::commandMenuList);
        QTRY_COMPARE(drawn.count(), 2);
        QCOMPARE(drawn.at(0).at(0).toBool(), false);
        QCOMPARE(drawn.at(1).at(0).toBool(), true);
        QCOMPARE(linesStarting(f.sent(), "07F6A7A01"), valueRequests);
        QVERIFY(oldRow.isNull());
        const QList<QQuickItem *> rows = f.rows();
        QCOMPARE(rows.size(), fixtureRows.size());
        QCOMPARE(describeAll(rows), fixtureRows);
        QCOMPARE(rows.first()->property("serialNumber").toInt(), 0);
        QCOMPARE(menu.getItemObject(0, 0), f.row("INPUT SELECT"));
        QCOMPARE(f.area()->property("contentHeight").toReal(), fixtureRows.size() * 50 * f.pt());
        QVERIFY(f.window.warnings().isEmpty());
    }

    // A menu completed while the rows are being built waits for the build to
    // end; then the rows are built once more.
    void completedDuringABuild()
    {
        MenuWindow f;
        QVERIFY(f.start());
        Menu &menu = f.window.backend().menu;
        int added = 0;
        int nested = 0;
        Hook hook;
        bool listShown = false;
        hook.run = [&] {
            listShown = listShown || f.area()->isVisible();
            if (++added == 3 && nested++ == 0)
                emit menu.menuCompleted();
        };
        QVERIFY(QObject::connect(f.window.find<QObject>("menuRepeater"), SIGNAL(itemAdded(int, QQuickItem *)), &hook,
                                 SLOT(fire())));
        QSignalSpy drawn(&menu, &Menu::drawingFinishedChanged);
        menu.setDrawingFinished(false);
        emit menu.menuCompleted();
        QCOMPARE(nested, 1);
        // Hidden while built: never a half-built list.
        QVERIFY(!listShown);
        QVERIFY(f.area()->isVisible());
        QVERIFY(menu.drawingFinished);
        QCOMPARE(drawn.count(), 2); // false, then true once
        QCOMPARE(linesStarting(f.sent(), "07F6A7A01"), valueRequests + valueRequests);
        QCOMPARE(describeAll(f.rows()), fixtureRows);
        QCOMPARE(f.rows().size(), fixtureRows.size());
        QVERIFY(f.window.warnings().isEmpty());
    }

    // A new download begun while the rows are built (its reply handled
    // during one of the build's sends): that build leaves the menu undrawn,
    // and the menu counts as drawn only with its new tree whole.
    void downloadBegunDuringABuild_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::newRow("page count") << MenuLines::pageCount(5);
        QTest::newRow("another item count") << MenuLines::itemCount(0, 3);
        QTest::newRow("another subitem count") << MenuLines::subitemCount(0, 1, 1);
    }
    void downloadBegunDuringABuild()
    {
        QFETCH(QString, reply);
        MenuWindow f;
        QVERIFY(f.start());
        Menu &menu = f.window.backend().menu;
        QList<bool> wholeWhenDrawn;
        QObject::connect(&menu, &Menu::drawingFinishedChanged, &menu, [&](bool drawn) {
            if (drawn)
                wholeWhenDrawn.append(!menu.downloading
                                      && std::all_of(menu.pages.cbegin(), menu.pages.cend(),
                                                     [](const MenuPage &page) { return page.complete; }));
        });
        // The recorder answers nothing until the build is over.
        f.recorder.responder = nullptr;
        int added = 0;
        Hook hook;
        hook.run = [&] {
            if (++added == 3)
                menu.recievedCommandFF6AFA(reply);
        };
        QVERIFY(QObject::connect(f.window.find<QObject>("menuRepeater"), SIGNAL(itemAdded(int, QQuickItem *)), &hook,
                                 SLOT(fire())));
        menu.setDrawingFinished(false);
        emit menu.menuCompleted();
        QVERIFY(added >= 3);
        QVERIFY(!menu.drawingFinished);
        // The recorder answers the new download, which ends in a build of its own.
        const QByteArray asked = f.sent();
        f.menu.attach(f.recorder);
        for (const QByteArray &line : asked.split('\n'))
            for (const QByteArray &answer : f.menu.answer(line.trimmed()))
                f.recorder.send(answer + "\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(menu.drawingFinished, 5000);
        QCOMPARE(wholeWhenDrawn, QList<bool>{true});
        QVERIFY(f.window.warnings().isEmpty());
    }

    // The LEVEL lists read again: the rows take the new labels and options.
    void levelListsReadAgain()
    {
        MenuWindow f;
        QVERIFY(f.start());
        f.menu.pages[0].items[3].subitems[0].options = {"-20dB", "-10dB", "0dB"};
        // INPUT SELECT reports another option than the one shown.
        f.recorder.send("0FF6AFA01000000000000" "0000\r\n");
        QTRY_COMPARE(describe(f.row("LEVEL (L)")), QString("subitem LEVEL (L) = -20dB"));
        QQuickItem *box = child(f.row("LEVEL (L)"), "menuComboBox");
        QCOMPARE(box->property("count").toInt(), 3);
        QTRY_COMPARE(describe(f.row("LEVEL (R)")), QString("subitem LEVEL (R) = 0dB"));
        QVERIFY(child(f.row("LEVEL (R)"), "menuComboBox")->isVisible());
        QVERIFY(f.window.warnings().isEmpty());
    }

    // The play area and format lists read again after a medium change.
    void itemListsReadAgain()
    {
        MenuWindow f;
        QVERIFY(f.start());
        f.menu.pages[4].items[0].subitems[0].options = {"ALL", "FOLDER"};
        f.menu.pages[4].items[1].subitems[0].options = {"WAV", "MP3", "FLAC"};
        f.menu.pages[4].items[1].subitems[0].value = 2;
        f.window.backend().menu.rebuildParameterForCd();
        QTRY_COMPARE(describe(f.row("REC FORMAT")), QString("item REC FORMAT = FLAC"));
        QCOMPARE(child(f.row("PLAY AREA"), "menuComboBox")->property("count").toInt(), 2);
        QCOMPARE(describe(f.row("PLAY AREA")), QString("item PLAY AREA = ALL"));
        QVERIFY(f.window.warnings().isEmpty());
    }

    // An item whose only subitem is a range: a range row, registered as the
    // item's row and asked for its value; its edits go to subitem 0.
    void singleRangeItem()
    {
        MenuWindow f;
        QVERIFY(f.start());
        QQuickItem *range = f.row("SKIP BACK");
        QCOMPARE(range->objectName(), QString("menuItemRangeRow"));
        QCOMPARE(f.window.backend().menu.getItemObject(4, 2), range);
        QCOMPARE(linesStarting(f.atStart, "07F6A7A01040002000000").size(), 1);
        // Item rows start at the left edge.
        QCOMPARE(child(range, "rangeItemText")->x(), 8 * f.pt());
        QCOMPARE(text(child(range, "rangeButtonText")), QString("+500 msec"));
        f.reveal(range);
        f.window.click(child(range, "rangeButton"));
        f.window.click(child(range, "rangePlusButton"));
        QCOMPARE(f.sent(), QByteArray("07F6A7A030400020000005101\r\n"));
        QVERIFY(f.window.warnings().isEmpty());
    }

    void screenshots()
    {
        MenuWindow f;
        QVERIFY(f.start());
        const qreal pt = f.pt();
        QImage shot = f.window.screenshot("menu-page");
        // The title band of the first page lies under the "MENU" title.
        QQuickItem *title = f.row("INPUT");
        const QPoint band = title->mapToScene(QPointF(300 * pt, 25 * pt)).toPoint();
        QVERIFY(shot.pixelColor(band) != QColor("black"));

        // A list open.
        QQuickItem *select = child(f.row("INPUT SELECT"), "menuComboBox");
        f.window.click(select);
        QTRY_VERIFY(select->property("popup").value<QObject *>()->property("opened").toBool());
        QTest::qWait(50);
        shot = f.window.screenshot("menu-list-open");
        const QPoint field = select->mapToScene(QPointF(select->width() - 30 * pt, 3)).toPoint();
        QCOMPARE(shot.pixelColor(field), QColor("white"));
        QTest::keyClick(f.window.window(), Qt::Key_Escape);

        // The range panel.
        QQuickItem *range = f.row("DELAY Lch");
        f.reveal(range);
        f.window.click(child(range, "rangeButton"));
        QTest::qWait(50);
        shot = f.window.screenshot("menu-range-panel");
        QQuickItem *panel = child(range, "rangeBar");
        QCOMPARE(panel->height(), 130 * pt);
        QVERIFY(shot.pixelColor(panel->mapToScene(QPointF(200 * pt, 20 * pt)).toPoint()).lightness() > 200);
        f.window.click(child(range, "rangeOkButton"));

        // The confirmation.
        QVERIFY(f.choose("INPUT GAIN Lch", 1));
        QTRY_COMPARE(f.confirmation()->opacity(), 1.0);
        shot = f.window.screenshot("menu-phantom-confirmation");
        QQuickItem *box = f.confirmation();
        const QColor boxColour = shot.pixelColor(box->mapToScene(QPointF(200 * pt, 5 * pt)).toPoint());
        QVERIFY2(qAbs(boxColour.red() - 0xE8) <= 2 && boxColour.red() == boxColour.blue(), qPrintable(boxColour.name()));
        QVERIFY(f.window.warnings().isEmpty());
    }
};

HB740_TEST_MAIN(TestMenuPage)
#include "tst_menupage.moc"
