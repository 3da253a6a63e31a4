#include "QmlWindow.h"

#include "RootContext.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QQmlContext>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cmath>

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

bool QmlWindow::load(bool untilLoaded)
{
    engine->load(QUrl(documentUrl));
    if (engine->rootObjects().isEmpty())
        return false;
    quickWindow = qobject_cast<QQuickWindow *>(engine->rootObjects().first());
    if (!quickWindow)
        return false;
    // Some parts are made only once the first frame is drawn.
    bool drawn = false;
    const QMetaObject::Connection frames =
        QObject::connect(quickWindow, &QQuickWindow::frameSwapped, [&drawn] { drawn = true; });
    const bool shown = QTest::qWaitForWindowExposed(quickWindow) && QTest::qWaitFor([&] { return drawn; }, 5000);
    QObject::disconnect(frames);
    if (!shown)
        return false;
    if (!untilLoaded)
        return imagesSettled();
    // The pages are made after the first frame: a test starts once no loader
    // is still loading.
    const auto loading = [this] {
        const QList<QObject *> all = quickWindow->findChildren<QObject *>();
        return std::any_of(all.begin(), all.end(), [](QObject *object) {
            return object->inherits("QQuickLoader") && object->property("status").toInt() == 2;
        });
    };
    return QTest::qWaitFor([&] { return !loading(); }, 10000) && imagesSettled();
}

bool QmlWindow::imagesSettled() const
{
    return QTest::qWaitFor([&] { return quickWindow->property("imagePtSize") == quickWindow->property("ptSize"); }, 2000);
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
    if (!imagesSettled())
        qWarning("the images were not decoded for the new size");
    QTest::qWait(20);
}

QImage QmlWindow::screenshot(const QString &name)
{
    collected += badlyDecodedImages();
    // Under the offscreen platform only the screen's grab holds the text.
    const QImage image = quickWindow->screen()->grabWindow(quickWindow->winId()).toImage();
    if (!name.isEmpty()) {
        QDir folder(QCoreApplication::applicationDirPath());
        folder.mkpath(QStringLiteral("screenshots"));
        // A run on a denser screen keeps its pictures beside the others.
        const qreal ratio = quickWindow->effectiveDevicePixelRatio();
        const QString suffix = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
        image.save(folder.filePath(QStringLiteral("screenshots/") + name + suffix + QStringLiteral(".png")));
    }
    return image;
}

static void collectImages(QQuickItem *item, QList<QQuickItem *> &images)
{
    if (item->inherits("QQuickImage"))
        images.append(item);
    for (QQuickItem *child : item->childItems())
        collectImages(child, images);
}

// A decode of a few pixels stands for an image that has no size yet.
static const int tokenDecode = 16;

// Sharpness counts only where the image shows.
static QString decodeFault(int decoded, qreal drawn, int inFile, bool shown)
{
    if (decoded > std::max<qreal>(tokenDecode, std::ceil(drawn) + 1))
        return QStringLiteral("larger");
    if (shown && drawn > 0 && decoded < std::min<qreal>(inFile, drawn) - 1)
        return QStringLiteral("smaller");
    return QString();
}

QStringList QmlWindow::badlyDecodedImages() const
{
    QStringList faults;
    if (!quickWindow)
        return faults;
    QList<QQuickItem *> images;
    collectImages(quickWindow->contentItem(), images);
    // While a resize settles, the images stay decoded for the size unit before it.
    const qreal ptSize = quickWindow->property("ptSize").toReal();
    const qreal ratio = quickWindow->effectiveDevicePixelRatio();
    const qreal imagePtSize = quickWindow->property("imagePtSize").toReal();
    const qreal settled = ptSize > 0 && imagePtSize > 0 ? imagePtSize / ptSize : 1;
    for (QQuickItem *image : images) {
        const QUrl source = image->property("source").toUrl();
        if (image->property("status").toInt() != 1 || source.isEmpty()) // Image.Ready
            continue;
        const QString path = source.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + source.path() : source.toLocalFile();
        // A scalable image is rendered at the ratio, and its implicit size
        // is in the window's units; a raster image's implicit size is the
        // decoded size itself.
        const bool scalable = path.endsWith(QLatin1String(".svg")) || path.endsWith(QLatin1String(".svgz"));
        const QSizeF implicit(image->implicitWidth(), image->implicitHeight());
        const QSize decoded = (scalable ? implicit * ratio : implicit).toSize();
        const QSizeF drawn = QSizeF(image->property("paintedWidth").toReal(), image->property("paintedHeight").toReal()) * ratio * settled;
        const QSize inFile = scalable ? QSize(INT_MAX, INT_MAX) : QImageReader(path).size();
        QString fault = decodeFault(decoded.width(), drawn.width(), inFile.width(), image->isVisible());
        if (fault.isEmpty())
            fault = decodeFault(decoded.height(), drawn.height(), inFile.height(), image->isVisible());
        if (!fault.isEmpty())
            faults.append(QStringLiteral("%1 (%2) is decoded %3 than it is drawn: %4x%5 for %6x%7")
                              .arg(source.toString(), image->objectName(), fault)
                              .arg(decoded.width()).arg(decoded.height())
                              .arg(drawn.width()).arg(drawn.height()));
    }
    return faults;
}
