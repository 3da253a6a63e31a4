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

    QQuickItem *list() { return h.item("timerEventListView"); }
    QList<QQuickItem *> rows()
    {
        QList<QQuickItem *> found;
        auto *view = list();
        auto *content = view->property("contentItem").value<QQuickItem *>();
        for (QQuickItem *child : content->childItems())
            if (child->objectName().startsWith("timerEventRow"))
                found.append(child);
        std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) { return a->y() < b->y(); });
        return found;
    }
    int rowCount() { return list() ? rows().size() : -1; }
    QQuickItem *row(int i)
    {
        const QString name = QStringLiteral("timerEventRow%1").arg(i);
        for (QQuickItem *r : rows())
            if (r->objectName() == name)
                return r;
        return nullptr;
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
    static QQuickItem *in(QQuickItem *parent, const char *name)
    {
        auto *found = parent ? below(parent, QLatin1String(name)) : nullptr;
        if (!found)
            qWarning("no item %s", name);
        return found;
    }
    QQuickItem *loader(const char *name) { return h.item(name); }
    QQuickItem *popup(const char *loaderName)
    {
        return loader(loaderName)->property("item").value<QQuickItem *>();
    }
    void click(QQuickItem *item) { h.window.click(item); }
    void clickIn(QQuickItem *parent, const char *name) { click(in(parent, name)); }

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
        QTest::qWait(50);
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
        click(in(row(i), "bodyCatcher"));
        return QTest::qWaitFor([&] { return backend().getFocus() == i; }, 2000);
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

static QByteArray rec(const char *enable, const char *type, const char *date, const char *flags, const char *time,
                      const char *input = "00", const char *mode = "00", const char *interval = "0000",
                      const char *count = "01", const QByteArray &option = {})
{
    return QByteArray(enable) + type + date + flags + time + input + mode + interval + count + option;
}

