#include "Application.h"

#include "Backend.h"
#include "RootContext.h"

#include <QFont>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <cstdio>
#include <memory>

int runApplication(int &argc, char **argv, const QUrl &window,
                   const std::function<void(QQmlApplicationEngine &)> &started)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QGuiApplication app(argc, argv);

    auto engine = std::make_unique<QQmlApplicationEngine>();
    rootContext = engine->rootContext();

    QGuiApplication::setFont(QFont(QStringLiteral("Arial")));
    rootContext->setContextProperty(QStringLiteral("multiFont"), QVariant(QFont(QStringLiteral("Arial"))));

    int result = 1;
    {
        Backend backend;
        backend.publish(rootContext);

        engine->load(window);
        if (engine->rootObjects().isEmpty()) {
            std::fprintf(stderr, "The window %s could not be loaded.\n", qPrintable(window.toString()));
        } else {
            if (started)
                started(*engine);
            result = app.exec();
        }
        // The window and its handlers go first: they hold the backend objects.
        engine.reset();
        rootContext = nullptr;
    }
    return result;
}
