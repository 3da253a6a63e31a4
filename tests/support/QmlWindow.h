#pragma once

#include "Backend.h"

#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>
#include <memory>

// A window document loaded from the resources with the real backend objects,
// as start-up loads it, for tests that click, type and look. Every warning the
// engine prints is kept, so that a test can fail on any.
class QmlWindow
{
public:
    explicit QmlWindow(const QString &document = QStringLiteral("qrc:/mainDesktop.qml"));
    ~QmlWindow();

    // Loads the document and waits until its window is exposed and, unless
    // told otherwise, until what is made after the first frame is there.
    bool load(bool untilLoaded = true);

    Backend &backend() { return *objects; }
    QQmlEngine *qmlEngine() const { return engine.get(); }
    QQuickWindow *window() const { return quickWindow; }
    QObject *root() const;

    template <typename T = QQuickItem>
    T *find(const char *objectName) const
    {
        // Items declared in the window document are the window's QObject children.
        return quickWindow ? quickWindow->findChild<T *>(QLatin1String(objectName)) : nullptr;
    }

    // Clicks the centre of an item (or a point in its own coordinates).
    void click(QQuickItem *item);
    void click(QQuickItem *item, QPointF point);
    void doubleClick(QQuickItem *item);
    void resize(int width, int height);

    QStringList warnings() const { return collected; }
    // The window as it is drawn now; saved under the build's "screenshots"
    // folder when a name is given.
    QImage screenshot(const QString &name = QString());
    // Every image of the window that is decoded larger than it is drawn on
    // this screen, or smaller where its file holds more; a screenshot adds
    // them to the warnings.
    QStringList badlyDecodedImages() const;
    // Waits until the images are decoded for the window's present size.
    bool imagesSettled() const;

private:
    std::unique_ptr<QQmlApplicationEngine> engine;
    std::unique_ptr<Backend> objects;
    QString documentUrl;
    QQuickWindow *quickWindow = nullptr;
    QStringList collected;
};
