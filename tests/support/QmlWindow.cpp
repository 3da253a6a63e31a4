#include "QmlWindow.h"

#include "RootContext.h"

#include <QCoreApplication>
#include <QDir>
#include <QQmlContext>
#include <QScreen>
#include <QTest>
#include <algorithm>

QmlWindow::QmlWindow(const QString &document)
    : engine(std::make_unique<QQmlApplicationEngine>())
    , documentUrl(document)
{
    // As at start-up: the root context exists before any backend object.
    rootContext = engine->rootContext();
    rootContext->setContextProperty(QStringLiteral("multiFont"), QVariant(QFont(QStringLiteral("Arial"))));
    objects = std::make_unique<Backend>();
    // A recorder without a menu never answers the page count; the menu's
    // watchdog would ask again in the middle of tests about other things.
    objects->menu.watchdogMs = 3600 * 1000;
    objects->publish(rootContext);
    QObject::connect(engine.get(), &QQmlEngine::warnings, [this](const QList<QQmlError> &errors) {
        for (const QQmlError &error : errors)
            collected.append(error.toString());
    });
}

QmlWindow::~QmlWindow()
{
    // The window and its handlers go before the objects they use.
    engine.reset();
    rootContext = nullptr;
}

bool QmlWindow::load()
{
    engine->load(QUrl(documentUrl));
    if (engine->rootObjects().isEmpty())
        return false;
    quickWindow = qobject_cast<QQuickWindow *>(engine->rootObjects().first());
    if (!quickWindow || !QTest::qWaitForWindowExposed(quickWindow))
        return false;
    // The pages are made after the first frame: a test starts once no loader
    // is still loading.
    const auto loading = [this] {
        const QList<QObject *> all = quickWindow->findChildren<QObject *>();
        return std::any_of(all.begin(), all.end(), [](QObject *object) {
            return object->inherits("QQuickLoader") && object->property("status").toInt() == 2;
        });
    };
    return QTest::qWaitFor([&] { return !loading(); }, 10000);
}

QObject *QmlWindow::root() const
{
    return quickWindow;
}

void QmlWindow::click(QQuickItem *item)
{
    click(item, QPointF(item->width() / 2, item->height() / 2));
}

void QmlWindow::click(QQuickItem *item, QPointF point)
{
    QTest::mouseClick(quickWindow, Qt::LeftButton, {}, item->mapToScene(point).toPoint());
}

void QmlWindow::doubleClick(QQuickItem *item)
{
    const QPoint point = item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
    QTest::mouseDClick(quickWindow, Qt::LeftButton, {}, point);
}

void QmlWindow::resize(int width, int height)
{
    quickWindow->resize(width, height);
    if (!QTest::qWaitFor([&] { return quickWindow->width() == width && quickWindow->height() == height; }, 1000))
        qWarning("the window was not resized to %dx%d", width, height);
    QTest::qWait(20);
}

QImage QmlWindow::screenshot(const QString &name)
{
    // Under the offscreen platform only the screen's grab holds the text.
    const QImage image = quickWindow->screen()->grabWindow(quickWindow->winId()).toImage();
    if (!name.isEmpty()) {
        QDir folder(QCoreApplication::applicationDirPath());
        folder.mkpath(QStringLiteral("screenshots"));
        image.save(folder.filePath(QStringLiteral("screenshots/") + name + QStringLiteral(".png")));
    }
    return image;
}
