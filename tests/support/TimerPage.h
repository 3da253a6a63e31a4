#pragma once

#include "FakeMedia.h"
#include "FakeTimerEvents.h"
#include "HomeWindow.h"

#include <QtTest>

// The TIMER EVENT page in the logged-in window with the editing right, the
// scripted media and timer events: what the cards show, the editors, and
// the bytes that reach the recorder.
struct TimerPage
{
    HomeWindow h;
    FakeMedia media = FakeMedia::example();
    FakeTimerEvents events = FakeTimerEvents::example();
    // Folder listings held back while set, to act on the chooser mid-listing.
    bool holdListing = false;
    QList<QByteArray> held;

    bool start()
    {
        h.recorder.setReply("07F6A7E11", {"0FF6AFE11"});
        if (!h.start())
            return false;
        media.attach(h.recorder);
        events.attach(h.recorder);
        const auto previous = h.recorder.responder;
        h.recorder.responder = [this, previous](const QByteArray &line) {
            if (holdListing && line.startsWith("07F6B11")) {
                held.append(line);
                return QList<QByteArray>();
            }
            return previous(line);
        };
        events.today = QDate::currentDate().toString("yyMMdd").toLatin1();
        if (!h.feed({"FF6AFD00", "FF0100", "FF07CF00", "CE00", "D010"}))
            return false;
        h.window.click(h.item("tabTimerEvent"));
        const bool ok = QTest::qWaitFor([&] { return tev().okPermission() && rowCount() == 3; }, 5000);
        if (!ok)
            qWarning() << "page not ready: right" << tev().okPermission() << "rows" << rowCount() << "events"
                       << backend().events().size() << "cd" << backend().mediaCD << "area/mode"
                       << backend().disabledAreaAndMode << "status" << backend().statusIcon << "busy" << backend().listBusy << h.commands();
        return ok;
    }

    struct Tev
    {
        TimerEvent *t;
        Permission *p;
        bool okPermission() const { return p->property("okPermission").toBool(); }
        TimerEvent *operator->() const { return t; }
    };
    Tev tev() { return {&h.window.backend().tev, &h.window.backend().permission}; }
    TimerEvent &backend() { return h.window.backend().tev; }

    // How long an item that is not there yet is waited for: the view makes
    // the rows beyond its end, and the loaders and repeaters in a row their
    // items, while the event loop runs.
    static constexpr int itemWaitMs = 5000;

    QQuickItem *list() { return h.item("timerEventListView"); }
    QList<QQuickItem *> rows()
    {
        QList<QQuickItem *> found;
        auto *view = list();
        auto *content = view ? view->property("contentItem").value<QQuickItem *>() : nullptr;
        if (!content)
            return found;
        for (QQuickItem *child : content->childItems())
            if (child->objectName().startsWith("timerEventRow"))
                found.append(child);
        std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) { return a->y() < b->y(); });
        return found;
    }
    int rowCount() { return list() ? rows().size() : -1; }
    // The view has made its first row and placed each row right below the one before.
    bool rowsPlaced(bool anyRow)
    {
        const QList<QQuickItem *> shown = rows();
        if (anyRow && shown.isEmpty())
            return false;
        for (int k = 1; k < shown.size(); ++k)
            if (!qFuzzyCompare(shown.at(k)->y(), shown.at(k - 1)->y() + shown.at(k - 1)->height()))
                return false;
        return true;
    }
    // Row `i`, waited for; null (and a warning) when it never comes.
    QQuickItem *row(int i)
    {
        const QString name = QStringLiteral("timerEventRow%1").arg(i);
        QQuickItem *found = nullptr;
        const auto made = [&] {
            for (QQuickItem *r : rows())
                if (r->objectName() == name)
                    found = r;
            return found != nullptr;
        };
        if (!QTest::qWaitFor(made, itemWaitMs))
            qWarning("no row %d", i);
        return found;
    }
    // Items made by repeaters and loaders are found through the visual tree.
    static QQuickItem *below(QQuickItem *parent, const QString &name)
    {
        for (QQuickItem *child : parent->childItems()) {
            if (child->objectName() == name)
                return child;
            if (QQuickItem *found = below(child, name))
                return found;
        }
        return parent->findChild<QQuickItem *>(name);
    }
    // The item `name` below `parent`, waited for; null (and a warning) when
    // it never comes, or when the parent goes meanwhile.
    static QQuickItem *in(QQuickItem *parent, const char *name)
    {
        const QPointer<QQuickItem> guarded(parent);
        QQuickItem *found = nullptr;
        const auto made = [&] { return guarded && (found = below(guarded, QLatin1String(name))) != nullptr; };
        if (!parent || !QTest::qWaitFor(made, itemWaitMs)) {
            qWarning("no item %s", name);
            found = nullptr;
        }
        return found;
    }
    // The text, or the image's file name, of the item `name` below `parent`;
    // a note of its absence when it never comes, so that a comparison fails.
    static QString textIn(QQuickItem *parent, const char *name)
    {
        QQuickItem *item = in(parent, name);
        return item ? textOf(item) : QStringLiteral("<no item %1>").arg(QLatin1String(name));
    }
    static QString fileIn(QQuickItem *parent, const char *name)
    {
        QQuickItem *item = in(parent, name);
        return item ? fileOf(item) : QStringLiteral("<no item %1>").arg(QLatin1String(name));
    }
    QQuickItem *loader(const char *name) { return h.item(name); }
    QQuickItem *popup(const char *loaderName)
    {
        QQuickItem *owner = loader(loaderName);
        return owner ? owner->property("item").value<QQuickItem *>() : nullptr;
    }
    // A click on `item`; false, with nothing clicked, when there is no item.
    [[nodiscard]] bool click(QQuickItem *item)
    {
        if (!item)
            return false;
        h.window.click(item);
        return true;
    }
    [[nodiscard]] bool clickIn(QQuickItem *parent, const char *name) { return click(in(parent, name)); }

    // Lists these records (the 28 characters from the enable field, then the option).
    bool list(const QList<QByteArray> &records, int focusAfter = -1)
    {
        backend().setFocus(-1);
        events.events = records;
        backend().startTimerEvent();
        const bool ok = QTest::qWaitFor([&] { return backend().events().size() == records.size() && list()->property("count").toInt() == records.size() && !backend().listBusy; }, 5000);
        if (focusAfter >= 0) {
            backend().setFocus(focusAfter);
            // The focused event is read again; the page settles once it is.
            if (!QTest::qWaitFor([&] { return !backend().reReadRunning(); }, 5000))
                return false;
        }
        if (!QTest::qWaitFor([&] { return rowsPlaced(!records.isEmpty()); }, itemWaitMs))
            return false;
        h.sent();
        return ok;
    }
    // Lets the window lay out and draw a frame before a screenshot.
    void shot(const QString &name)
    {
        QSignalSpy swapped(h.window.window(), &QQuickWindow::frameSwapped);
        h.window.window()->update();
        swapped.wait(500);
        h.window.screenshot(name);
    }
    bool edit(int i)
    {
        return clickIn(row(i), "bodyCatcher") && QTest::qWaitFor([&] { return backend().getFocus() == i; }, 2000);
    }

    // Closes every pop-up of the page and drops the focus: the state each
    // test starts from.
    void closePopups()
    {
        for (const char *name : {"timerEventBrowseLoader", "timerEventFilterLoader", "timerEventScheduleLoader",
                                 "timerEventTimeEditLoader", "timerEventRepeatEditLoader", "timerEventTypeLoader",
                                 "timerEventRecInputLoader", "timerEventDlTargetLoader", "timerEventPlayTargetLoader"})
            loader(name)->setProperty("active", false);
        h.item("timerEventDeleteCheck")->setVisible(false);
        backend().setFocus(-1);
    }
};

// Declares `item` as the item `name` (a string literal) below `parent`,
// waited for as TimerPage::in does; the test fails here when it never comes.
#define FIND_ITEM(item, parent, name)                                                                                  \
    QQuickItem *item = TimerPage::in(parent, name);                                                                    \
    QVERIFY2(item, "no item " name)

static QByteArray rec(const char *enable, const char *type, const char *date, const char *flags, const char *time,
                      const char *input = "00", const char *mode = "00", const char *interval = "0000",
                      const char *count = "01", const QByteArray &option = {})
{
    return QByteArray(enable) + type + date + flags + time + input + mode + interval + count + option;
}

