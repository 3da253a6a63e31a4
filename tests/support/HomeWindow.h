#pragma once

#include "FakeMenu.h"
#include "FakeRecorder.h"
#include "LinkFixture.h"
#include "QmlWindow.h"
#include "TimerTicks.h"

#include <QPointer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

// The Home page's tests: the desktop window logged in to a scripted recorder.

namespace HomeLines {

// The lines the polls send on their own (the status, time and medium polls,
// and the editing right asked for again while an editing page is shown); a
// test about a button looks past them.
inline const QList<QByteArray> pollLines = {"050", "055", "05D", "07F01FF", "07F3105", "07F6A02",
                                            "05800", "05801", "05802", "05803", "07F6A7E11"};

inline QByteArray withoutPolls(const QByteArray &bytes)
{
    QByteArray kept;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray bare = line.trimmed();
        if (!bare.isEmpty() && !pollLines.contains(bare))
            kept += bare + "\r\n";
    }
    return kept;
}

inline QString fileOf(QObject *image)
{
    return image->property("source").toUrl().fileName();
}

inline QString textOf(QObject *object)
{
    return object->property("text").toString();
}

// A mark's time reply (without the leading "0"): the mark's number and its time in hundredths.
inline QByteArray markReply(int number, int time)
{
    return "FF03D8"
           + QString::asprintf("%02d%02d%02d%02d%02d%02d", number % 100, number / 100, time / 360000, time / 6000 % 60,
                               time / 100 % 60, time % 100)
                 .toLatin1();
}

// A remaining-time reply (kind 01) of minutes, seconds and hundredths.
inline QByteArray remainingReply(int minutes, int seconds, int hundredths = 0)
{
    return "D801" + QString::asprintf("%02d%02d%02d%02d", minutes % 100, minutes / 100, seconds, hundredths).toLatin1();
}

} // namespace HomeLines

using namespace HomeLines;

// The desktop window logged in to a scripted recorder with a menu, so that
// the menu is drawn and the polls may send; the time poll is held, so that
// it sends only when a test ticks it.
struct HomeWindow
{
    HomeWindow()
        : recorder(nextRecorderAddress())
        , menu(FakeMenu::example())
    {
        // Three marks at 10 s, 1 min and 4 min.
        recorder.setReply("07F035D", {"0FF03DD0300"});
        recorder.setReply("07F03580100", {"0" + markReply(1, 1000)});
        recorder.setReply("07F03580200", {"0" + markReply(2, 6000)});
        recorder.setReply("07F03580300", {"0" + markReply(3, 24000)});
    }

    bool start()
    {
        if (!window.load() || !recorder.listen())
            return false;
        menu.attach(recorder);
        comm().sleepTimer.stop();
        comm().loginRequest(recorder.address().toString(), "pass");
        if (!QTest::qWaitFor([&] { return comm().loginComp() && comm().timeTimerId != 0; }, 3000))
            return false;
        TimerTicks::hold(comm().timeTimerId);
        if (!QTest::qWaitFor([&] { return window.backend().menu.drawingFinished; }, 3000))
            return false;
        recorder.receivedOnceQuiet(150);
        recorder.clearReceived();
        return homeScreen()->isVisible();
    }

    Communication &comm() { return window.backend().comm; }

    // Plays reply lines (each without its leading "0" and CR LF) from the
    // recorder and waits until the application has read them all.
    bool feed(const QList<QByteArray> &lines)
    {
        QSignalSpy read(&window.backend().telnet, &Telnet::readyRead);
        QByteArray bytes;
        for (const QByteArray &line : lines)
            bytes += "0" + line + "\r\n";
        recorder.send(bytes);
        // Other replies may come in between (answers to the polls): wait for
        // these lines, in their order.
        return QTest::qWaitFor(
            [&] {
                int next = 0;
                for (const QList<QVariant> &args : qAsConst(read)) {
                    if (next < lines.size() && args.at(0).toString().toLatin1() == lines.at(next))
                        ++next;
                }
                return next == lines.size();
            },
            3000);
    }

    // What the recorder heard since the last call, once it is quiet.
    QByteArray sent(int quietMs = 150)
    {
        const QByteArray bytes = recorder.receivedOnceQuiet(quietMs);
        recorder.clearReceived();
        return bytes;
    }
    QByteArray commands(int quietMs = 150) { return withoutPolls(sent(quietMs)); }

    QQuickItem *homeScreen() const { return window.find("homeScreen"); }
    QQuickItem *item(const char *name) const
    {
        auto found = window.find(name);
        if (!found)
            qWarning("no item %s", name);
        return found;
    }
    bool playOnly() const { return item("homeMain")->property("playOnly").toBool(); }
    qreal pt() const { return window.root()->property("ptSize").toReal(); }

    // Shown: visible with an image to show.
    bool shown(const char *name) const
    {
        QQuickItem *found = item(name);
        return found->isVisible() && !fileOf(found).isEmpty();
    }

    QList<QQuickItem *> arrows() const
    {
        // The repeater's loaders are the bar's child items, each holding its arrow.
        QList<QQuickItem *> found;
        for (QQuickItem *loader : item("timeBar")->childItems())
            for (QQuickItem *arrow : loader->childItems())
                if (arrow->objectName() == QLatin1String("markArrow"))
                    found.append(arrow);
        std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) {
            return a->property("markTime").toInt() < b->property("markTime").toInt();
        });
        return found;
    }
    // Where an arrow points, in pt from the bar's start.
    qreal pointsAt(QQuickItem *arrow) const { return (arrow->x() + arrow->width() / 2) / pt(); }

    QmlWindow window;
    FakeRecorder recorder;
    FakeMenu menu;
};

