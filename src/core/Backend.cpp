#include "Backend.h"

#include <QQmlContext>

Backend::Backend()
{
    permission.telnet = &telnet;
    menu.telnet = &telnet;
    tev.telnet = &telnet;
    tev.permission = &permission;
    pl.telnet = &telnet;
    pl.permission = &permission;
    browse.telnet = &telnet;
    browse.permission = &permission;
    mark.telnet = &telnet;

    // The order of these connections is the order in which receivers of one
    // signal run.
    comm.setTelnet(&telnet);
    comm.menu = &menu;
    QObject::connect(&menu, SIGNAL(menuCompleted()), &comm, SLOT(startLevelMeter()));
    QObject::connect(&menu, SIGNAL(menuStarted()), &comm, SLOT(stopLevelMeter()));
    comm.mark = &mark;
    comm.pl = &pl;
    QObject::connect(&comm, SIGNAL(currentMediaChanged(QString)), &pl, SLOT(setCurrentMedia(QString)));
    comm.browse = &browse;
    QObject::connect(&comm, SIGNAL(currentMediaChanged(QString)), &browse, SLOT(setCurrentMediaNumber(QString)));
    QObject::connect(&comm, SIGNAL(statusIconChanged(int)), &browse, SLOT(setStatus(int)));
    comm.setTimerEvent(&tev);
    comm.permission = &permission;
    udpc.setDatasettings(&comm.dataSettings);
    QObject::connect(&menu, SIGNAL(menuCompleted()), &browse, SLOT(startBrowse()));
    QObject::connect(&menu, SIGNAL(menuCompleted()), &tev, SLOT(showData()));
    QObject::connect(&permission, SIGNAL(isReadOnlyChanged(bool)), &tev, SLOT(onReadOnlyChanged(bool)));
    // Before the window's own handler, which asks for the list again.
    QObject::connect(&permission, SIGNAL(okPermissionChanged()), &tev, SLOT(onPermissionChanged()));
    QObject::connect(&browse, SIGNAL(endDeletePpl()), &pl, SLOT(onEndDeletePpl()));
    // A deletion that succeeded ends the playlist operation as one that failed does.
    QObject::connect(&browse, SIGNAL(playlistDeleted()), &pl, SLOT(onEndDeletePpl()));
    // With the session the right is gone, and no answer will come for what ran.
    QObject::connect(&permission, &Permission::okPermissionChanged, &pl, [this] {
        if (!permission.okPermission)
            pl.linkLost();
    });
}

void Backend::publish(QQmlContext *context)
{
    context->setContextProperty(QStringLiteral("comm"), &comm);
    context->setContextProperty(QStringLiteral("menu"), &menu);
    context->setContextProperty(QStringLiteral("tev"), &tev);
    context->setContextProperty(QStringLiteral("pl"), &pl);
    context->setContextProperty(QStringLiteral("browse"), &browse);
    context->setContextProperty(QStringLiteral("mark"), &mark);
    context->setContextProperty(QStringLiteral("ver"), &ver);
    context->setContextProperty(QStringLiteral("permission"), &permission);
    context->setContextProperty(QStringLiteral("udpc"), &udpc);
    context->setContextProperty(QStringLiteral("isAndroid"), false);
    context->setContextProperty(QStringLiteral("isIos"), false);
    context->setContextProperty(QStringLiteral("isWindows"), false);
    context->setContextProperty(QStringLiteral("isMac"), true);
    context->setContextProperty(QStringLiteral("isDesktop"), true);
}
