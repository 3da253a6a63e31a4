#include "QmlWindow.h"
#include "TestMain.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QtTest>
#include <cmath>

// The shared components, each created inside the real desktop window, so that
// they find the window's names (ptSize, appWindow, comm) as the pages do.
struct ComponentFixture
{
    bool start() { return window.load(); }

    QQuickItem *create(const QByteArray &source)
    {
        QQmlComponent component(window.qmlEngine());
        component.setData("import QtQuick 2.8\nimport QtQuick.Controls 2.1\n" + source, QUrl("qrc:/"));
        QObject *object = component.create(qmlContext(window.root()));
        if (!object) {
            qWarning("%s", qPrintable(component.errorString()));
            return nullptr;
        }
        auto *item = qobject_cast<QQuickItem *>(object);
        item->setParentItem(window.window()->contentItem());
        item->setZ(1000); // above the login page
        created.append(object);
        return item;
    }

    ~ComponentFixture() { qDeleteAll(created); }

    QmlWindow window;
    QList<QObject *> created;
};

class TestComponents : public QObject
{
    Q_OBJECT

private slots:
    void popupMessageShowAndHide()
    {
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *banner = f.create("PopupMessage { x: 10; y: 10 }");
        QVERIFY(banner);
        QMetaObject::invokeMethod(banner, "hide"); // hidden: nothing happens
        QCOMPARE(banner->opacity(), 0.0);
        QVERIFY(!banner->property("popupEnabled").toBool());

        QMetaObject::invokeMethod(banner, "show", Q_ARG(QVariant, QVariant("First")));
        QVERIFY(banner->property("popupEnabled").toBool());
        QTRY_COMPARE_WITH_TIMEOUT(banner->opacity(), 1.0, 2000);
        QMetaObject::invokeMethod(banner, "show", Q_ARG(QVariant, QVariant("Second")));
        QVERIFY(banner->opacity() < 0.5); // fades in again from transparent
        QCOMPARE(banner->findChild<QObject *>("popupMessageText")->property("text").toString(), QString("Second"));

        // A click hides it; afterwards clicks pass through to what lies below.
        QTRY_COMPARE_WITH_TIMEOUT(banner->opacity(), 1.0, 2000);
        QQuickItem *below = f.create("MouseArea { x: 10; y: 10; width: 300; height: 40; property int clicks: 0;"
                                     " onClicked: clicks++ }");
        below->setZ(999);
        f.window.click(banner);
        QVERIFY(!banner->property("popupEnabled").toBool());
        QCOMPARE(below->property("clicks").toInt(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(banner->opacity(), 0.0, 2000);
        f.window.click(banner);
        QCOMPARE(below->property("clicks").toInt(), 1);
        QVERIFY(f.window.warnings().isEmpty());
    }

    void dialogTakesEveryClick()
    {
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *below = f.create("MouseArea { anchors.fill: parent; property int clicks: 0; onClicked: clicks++ }");
        QQuickItem *dialog = f.create("DialogNoButton { text: \"Deleting file\" }");
        dialog->setZ(1001);
        f.window.click(dialog, QPointF(5, 5));
        f.window.click(dialog);
        QCOMPARE(below->property("clicks").toInt(), 0);
        QVERIFY(dialog->isVisible());
        dialog->setVisible(false);
        f.window.click(dialog);
        QCOMPARE(below->property("clicks").toInt(), 1);
        QVERIFY(f.window.warnings().isEmpty());
    }

    // "Searching..." and "Connecting...": a shade with one line of plain
    // text where it is placed, and no click through to what lies below.
    void busyOverlay()
    {
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *below = f.create("MouseArea { anchors.fill: parent; property int clicks: 0; onClicked: clicks++ }");
        QQuickItem *overlay = f.create("BusyOverlay { text: \"<b>Connecting...</b>\"; textY: 50 }");
        overlay->setZ(1001);
        QCOMPARE(overlay->size(), f.window.window()->contentItem()->size());
        QCOMPARE(overlay->property("color").value<QColor>(), QColor("#aa000000"));
        QQuickItem *line = nullptr;
        for (QQuickItem *child : overlay->childItems())
            if (child->inherits("QQuickText"))
                line = child;
        QVERIFY(line);
        QCOMPARE(line->property("text").toString(), QString("<b>Connecting...</b>"));
        QCOMPARE(line->property("textFormat").toInt(), 0 /* Text.PlainText */);
        QCOMPARE(line->y(), 50.0);
        QCOMPARE(line->width(), overlay->width());
        for (const QPointF point : {QPointF(5, 5), QPointF(overlay->width() / 2, 60), QPointF(5, overlay->height() - 5)})
            f.window.click(overlay, point);
        QCOMPARE(below->property("clicks").toInt(), 0);
        overlay->setVisible(false);
        f.window.click(overlay, QPointF(5, 5));
        QCOMPARE(below->property("clicks").toInt(), 1);
        QVERIFY(f.window.warnings().isEmpty());
    }

    void tapScroll_data()
    {
        QTest::addColumn<bool>("pressAndHoldMode");
        QTest::addColumn<bool>("hold");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("tap") << false << false << true;
        QTest::newRow("hold without the hold mode") << false << true << false;
        QTest::newRow("hold in hold mode") << true << true << true;
        QTest::newRow("tap in hold mode") << true << false << false;
    }
    void tapScroll()
    {
        QFETCH(bool, pressAndHoldMode);
        QFETCH(bool, hold);
        QFETCH(bool, scrolls);
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *tap = f.create("TextTapScroll { x: 20; y: 100; width: 80; height: 30; font.pixelSize: 20;"
                                   " text: \"a name far too long for its box\" }");
        tap->setProperty("pressAndHoldMode", pressAndHoldMode);
        QQuickItem *line = tap->findChild<QQuickItem *>("textScroll");
        const QPoint centre = tap->mapToScene(QPointF(40, 15)).toPoint();
        if (hold) {
            QTest::mousePress(f.window.window(), Qt::LeftButton, {}, centre);
            QTest::qWait(1000);
            QTest::mouseRelease(f.window.window(), Qt::LeftButton, {}, centre);
        } else {
            QTest::mouseClick(f.window.window(), Qt::LeftButton, {}, centre);
        }
        QTest::qWait(300);
        QCOMPARE(line->x() < 0, scrolls);
        if (scrolls) {
            // Straight on, without a hold at the start; stopScroll puts it back.
            QMetaObject::invokeMethod(tap, "stopScroll");
            QCOMPARE(line->x(), 0.0);
            QTest::qWait(300);
            QCOMPARE(line->x(), 0.0);
        }
        QVERIFY(f.window.warnings().isEmpty());
    }

    void textThatFitsDoesNotScroll()
    {
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *marquee = f.create("TextScroll { width: 300; height: 30; text: \"short\" }");
        QVERIFY(marquee->property("tempX").toReal() >= 0);
        QTest::qWait(3300);
        QCOMPARE(marquee->findChild<QQuickItem *>("textScroll")->x(), 0.0);
    }

    void mediaIcon_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("sourceHeight");
        QTest::newRow("SD2") << "FF0101" << "icon_16x20_SD.svg" << "SD2" << 20;
        QTest::newRow("SD1") << "FF0100" << "icon_16x20_SD.svg" << "SD1" << 20;
        QTest::newRow("USB") << "FF0110" << "icon_16x20_USB.svg" << "USB" << 20;
        QTest::newRow("CD") << "FF0111" << "icon_19x19_CD.svg" << "CD" << 19;
        QTest::newRow("no medium") << "FF0199" << "icon_19x19_CD.svg" << "" << 20;
    }
    void mediaIcon()
    {
        QFETCH(QString, reply);
        QFETCH(QString, image);
        QFETCH(QString, label);
        QFETCH(int, sourceHeight);
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *badge = f.create("MediaIcon { x: 20; y: 200 }");
        f.window.backend().comm.recievedData(reply);
        auto *icon = badge->findChild<QQuickItem *>("mediaIconImage");
        QVERIFY(icon->property("source").toUrl().toString().endsWith(image));
        QCOMPARE(badge->findChild<QObject *>("mediaIconText")->property("text").toString(), label);
        const qreal ptSize = f.window.root()->property("ptSize").toReal();
        QVERIFY(qAbs(icon->property("sourceSize").toSize().height() - qRound(ptSize * sourceHeight)) <= 1);
        QTRY_COMPARE(icon->property("status").toInt(), 1 /* Image.Ready: the drawing loaded */);
        QVERIFY(f.window.warnings().isEmpty());
    }

    // An image is decoded at the size it is drawn in device pixels: neither
    // larger (the files are drawn at three times their shown size), nor
    // smaller than its file allows (a high-density screen stays sharp).
    void imageDecodedAtItsDrawnSize_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("fault");
        const QByteArray key = "source: \"Resource/KEY-ON_66x66_3.png\" }";
        QTest::newRow("plain image, decoded whole") << "Image { width: 66; height: 66; " + key << "larger";
        QTest::newRow("plain image, decoded too small") << "Image { width: 66; height: 66; sourceSize: Qt.size(33, 33); " + key << "smaller";
        QTest::newRow("sized") << "SizedImage { width: 66; height: 66; " + key << "";
        QTest::newRow("sized, fractional size") << QByteArray("SizedImage { width: 143.3; height: 33.6; source: \"Resource/Oval_ON_132x31_3.png\" }") << "";
        QTest::newRow("sized, fitted into a wider box")
            << QByteArray("SizedImage { width: 78; height: 32; fillMode: Image.PreserveAspectFit; source: \"Resource/Transport_PLAY_3.png\" }") << "";
        QTest::newRow("sized, with no size yet") << "SizedImage { width: 0; height: 0; " + key << "";
        QTest::newRow("sized, drawn larger than its file") << "SizedImage { width: 300; height: 300; " + key << "";
        QTest::newRow("sized, control background")
            << QByteArray("Button { width: 71; height: 71; background: SizedImage { source: \"Resource/button-A_STOP-ON_71x71_3.png\" } }") << "";
        QTest::newRow("scalable image at its source size")
            << QByteArray("Image { sourceSize.width: 47; source: \"Resource/login/icon_47x47_Status_play.svg\" }") << "";
        QTest::newRow("sized scalable image")
            << QByteArray("SizedImage { width: 47; height: 47; source: \"Resource/login/icon_47x47_Status_play.svg\" }") << "";
    }
    void imageDecodedAtItsDrawnSize()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, fault);
        ComponentFixture f;
        QVERIFY(f.start());
        QVERIFY2(f.window.badlyDecodedImages().isEmpty(), qPrintable(f.window.badlyDecodedImages().join('\n')));
        QVERIFY(f.create(document));
        const QStringList faults = f.window.badlyDecodedImages();
        if (fault.isEmpty())
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        else
            QVERIFY2(faults.size() == 1 && faults.first().contains(" decoded " + fault), qPrintable(faults.join('\n')));
        QVERIFY2(f.window.warnings().isEmpty(), qPrintable(f.window.warnings().join('\n')));
    }

    // A new size (the window resized) decodes the image again at that size.
    void resizedImageDecodedAgain()
    {
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *image = f.create("SizedImage { width: 66; height: 66; source: \"Resource/KEY-ON_66x66_3.png\" }");
        const qreal ratio = f.window.window()->effectiveDevicePixelRatio();
        QCOMPARE(image->implicitWidth(), std::ceil(66 * ratio));
        for (qreal side : {99.0, 33.0}) {
            image->setSize(QSizeF(side, side));
            QTRY_COMPARE(image->implicitWidth(), std::ceil(side * ratio));
            QCOMPARE(image->implicitHeight(), std::ceil(side * ratio));
        }
        QVERIFY(f.window.badlyDecodedImages().isEmpty());
        QVERIFY(f.window.warnings().isEmpty());
    }

    // Dragging the window's edge decodes the images for its first step, then
    // no more until the size has settled, and then once for that size.
    void resizedWindowDecodesOnceSettled()
    {
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *image = f.create("SizedImage { width: ptSize * 66; height: ptSize * 66;"
                                     " source: \"Resource/KEY-ON_66x66_3.png\" }");
        QObject *root = f.window.root();
        QSize decodedAtFirstStep;
        // Every size asked for, even for a moment, is a decode.
        QList<QSize> decodes;
        QObject::connect(image, &QQuickItem::widthChanged, [&] { decodes.append(image->property("sourceSize").toSize()); });
        QObject::connect(image, &QQuickItem::heightChanged, [&] { decodes.append(image->property("sourceSize").toSize()); });
        for (int step = 1; step <= 4; ++step) {
            const qreal ptSize = root->property("ptSize").toReal();
            const QSize size = f.window.window()->size();
            f.window.window()->resize(size.width() - 10, size.height() - 18);
            if (!QTest::qWaitFor([&] { return root->property("ptSize").toReal() < ptSize; }, 1000))
                QSKIP("this screen holds the window at its size");
            if (step == 1) {
                decodedAtFirstStep = image->property("sourceSize").toSize();
                decodes.clear();
            }
            QCOMPARE(image->property("sourceSize").toSize(), decodedAtFirstStep);
        }
        QCOMPARE(decodes.count(decodedAtFirstStep), decodes.size());
        QTRY_COMPARE(root->property("imagePtSize"), root->property("ptSize"));
        const int side = std::ceil(image->width() * f.window.window()->effectiveDevicePixelRatio() - 0.001);
        QCOMPARE(image->property("sourceSize").toSize(), QSize(side, side));
        QCOMPARE(image->implicitWidth(), qreal(side));
        QVERIFY2(f.window.badlyDecodedImages().isEmpty(), qPrintable(f.window.badlyDecodedImages().join('\n')));
        QVERIFY(f.window.warnings().isEmpty());
    }

    void backScreenKeepsTheApplicationArea()
    {
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *holder = f.create("Item { width: 100; height: 50; BackScreen { objectName: \"frame\" } }");
        QQuickItem *frame = holder->findChild<QQuickItem *>("frame");
        QCOMPARE(frame->width(), f.window.root()->property("appWidth").toReal());
        QCOMPARE(frame->height(), f.window.root()->property("appHeight").toReal());
        QVERIFY(qAbs(frame->x() + frame->width() / 2 - 50) <= 0.5);
    }

    void scrollBarHandle()
    {
        ComponentFixture f;
        QVERIFY(f.start());
        QQuickItem *bar = f.create("ScrollBar { height: 200; size: 0.3; contentItem: CommonScrollBarItem { objectName: \"handle\" } }");
        QQuickItem *handle = bar->findChild<QQuickItem *>("handle");
        QCOMPARE(handle->opacity(), 0.7);
        bar->setProperty("pressed", true);
        QTRY_COMPARE(handle->opacity(), 0.9);
        QCOMPARE(handle->property("color").value<QColor>(), QColor("#B329ABE2"));
    }
};

HB740_TEST_MAIN(TestComponents)
#include "tst_components.moc"
