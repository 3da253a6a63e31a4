// Runs the whole program as start-up runs it, with the offscreen platform:
//   tst_appstart window   the window opens with the backend published, and the
//                         program ends with status 0 once the window closes
//   tst_appstart broken   a window document that cannot be loaded ends the
//                         program at once with a non-zero status
#include "Application.h"
#include "TestMain.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstring>

static int warnings = 0;

static void countWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        ++warnings;
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message));
    }
}

static int fail(const char *why)
{
    std::fprintf(stderr, "FAIL: %s\n", why);
    return 1;
}

int main(int argc, char **argv)
{
    if (!networkIsPrivate())
        return 1;
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    const bool broken = argc > 1 && std::strcmp(argv[1], "broken") == 0;

    if (broken) {
        const int result = runApplication(argc, argv, QUrl(QStringLiteral("qrc:/noSuchWindow.qml")));
        return result != 0 ? 0 : fail("a window that cannot be loaded must end the program with an error");
    }

    qInstallMessageHandler(countWarnings);
    bool modelsBeforeLoad = false;
    bool windowOpened = false;
    QString title;
    const int result = runApplication(argc, argv, QUrl(QStringLiteral("qrc:/mainDesktop.qml")),
                                      [&](QQmlApplicationEngine &engine) {
        QQmlContext *context = engine.rootContext();
        modelsBeforeLoad = context->contextProperty("browseModel").isValid()
                           && context->contextProperty("timerEventModel").isValid()
                           && context->contextProperty("multiFont").isValid();
        auto *window = qobject_cast<QWindow *>(engine.rootObjects().value(0));
        if (!window)
            return;
        title = window->title();
        QTimer::singleShot(300, window, [window, &windowOpened] {
            windowOpened = window->isExposed() || window->isVisible();
            window->close();
        });
    });
    qInstallMessageHandler(nullptr);

    if (result != 0)
        return fail("the event loop did not end with 0");
    if (!modelsBeforeLoad)
        return fail("list models or font missing before the window was loaded");
    if (!windowOpened)
        return fail("the window did not open");
    if (title != QLatin1String("QUOVAL HB740 CONTROL"))
        return fail("wrong window title");
    if (warnings != 0)
        return fail("warnings were printed");
    std::printf("PASS\n");
    return 0;
}
