#pragma once

#include "LinkFixture.h"
#include "Permission.h"
#include "RootContext.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QMetaObject>
#include <memory>

// The lines as the recorder receives them, each ended by CR LF.
inline QByteArray linesOf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// What the backends of the editing pages (media, playlists, timer events)
// stand on: a control link to a scripted recorder, the editing right they
// write through, and a QML engine whose root context receives the lists they
// publish. A fixture derives from it and then creates its backend, so that
// the root context is there before the backend's constructor publishes.
struct EditingLink
{
    EditingLink()
    {
        rootContext = engine.rootContext();
        permission.telnet = link.telnet;
    }

    ~EditingLink() { rootContext = nullptr; }

    // Logs in and takes the editing right.
    bool logInWithRight()
    {
        if (!link.logIn())
            return false;
        permission.recievedCommandFF6AFE(QStringLiteral("11"));
        return true;
    }

    // What the recorder heard since the last call, once quiet.
    QByteArray sent(int quietMs = 150)
    {
        const QByteArray bytes = link.recorder.receivedOnceQuiet(quietMs);
        link.recorder.clearReceived();
        return bytes;
    }

    // Brings the link's flow control to the point where the second write
    // from now waits for the event loop, and has `foreign` written in that
    // wait, as a poll timer would write its query. A command written in
    // pieces comes out cut by the foreign line; one written whole does not.
    // False when the link never waited.
    bool interruptSecondWrite(const QByteArray &foreign)
    {
        // The link writes this many times in a row, then waits before the next.
        constexpr int burst = 11;
        const auto waited = std::make_shared<bool>(false);
        QMetaObject::invokeMethod(link.telnet, [waited] { *waited = true; }, Qt::QueuedConnection);
        for (int i = 0; !*waited && i <= burst; ++i)
            link.telnet->sendData("");
        if (!*waited)
            return false;
        // The write that waited was the first of a new run.
        for (int i = 1; i < burst - 1; ++i)
            link.telnet->sendData("");
        Telnet *telnet = link.telnet;
        QMetaObject::invokeMethod(telnet, [telnet, foreign] { telnet->sendData(foreign.constData()); },
                                  Qt::QueuedConnection);
        return true;
    }

    // The list published under `name`, as QML has it.
    QList<QObject *> publishedList(const QString &name) const
    {
        return engine.rootContext()->contextProperty(name).value<QList<QObject *>>();
    }

    // An object that counts the lists published under `name` with elements in
    // them, in its property "filled".
    std::unique_ptr<QObject> filledCounter(const QString &name)
    {
        QQmlComponent counter(&engine);
        counter.setData("import QtQml 2.2\nQtObject { property var model: " + name.toUtf8()
                            + "; property int filled: 0; onModelChanged: if (model.length > 0) filled++ }",
                        QUrl());
        return std::unique_ptr<QObject>(counter.create());
    }

    QQmlEngine engine;
    LinkFixture link;
    Permission permission;
};
