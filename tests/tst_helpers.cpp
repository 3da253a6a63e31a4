#include "Medium.h"
#include "ObjectListModel.h"
#include "PropertyStore.h"
#include "RootContext.h"
#include "TestMain.h"

#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A property of each kind the backends have: a text whose signal carries the
// value, and a number whose signal carries nothing.
class Holder : public QObject
{
    Q_OBJECT

public:
    QString text;
    int number = 0;

signals:
    void textChanged(QString text);
    void numberChanged();
};

} // namespace

// The small helpers every backend class shares.
class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void media_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("browseCode");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("playlistFolder");
        QTest::newRow("SD1") << "SD1" << 0 << "00" << "A:" << "A:/_playlists";
        QTest::newRow("SD2") << "SD2" << 1 << "01" << "B:" << "B:/_playlists";
        QTest::newRow("USB") << "USB" << 2 << "02" << "C:" << "C:/_playlists";
        QTest::newRow("CD: no drive") << "CD" << 3 << "FF" << "" << "";
        QTest::newRow("no medium") << "" << -1 << "FF" << "" << "";
        QTest::newRow("lower case is another text") << "sd1" << -1 << "FF" << "" << "";
        QTest::newRow("longer text") << "SD12" << -1 << "FF" << "" << "";
    }
    void media()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, browseCode);
        QFETCH(QString, drive);
        QFETCH(QString, playlistFolder);
        QCOMPARE(Medium::index(name), index);
        QCOMPARE(QString(Medium::browseCode(name)), browseCode);
        QCOMPARE(QString(Medium::drive(name)), drive);
        QCOMPARE(QString(Medium::playlistFolder(name)), playlistFolder);
    }

    void mediumCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("00") << 0 << "SD1";
        QTest::newRow("01") << 1 << "SD2";
        QTest::newRow("10") << 10 << "USB";
        QTest::newRow("11") << 11 << "CD";
        QTest::newRow("02 is the browse code of USB, not a medium code") << 2 << "";
        QTest::newRow("negative") << -1 << "";
        QTest::newRow("99") << 99 << "";
    }
    void mediumCodes()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(QString(Medium::nameOfCode(code)), name);
    }

    // Only a real change is stored and signalled; the signal carries the
    // stored value or nothing, as the class declares it.
    void storeProperty()
    {
        Holder h;
        QSignalSpy texts(&h, &Holder::textChanged);
        QSignalSpy numbers(&h, &Holder::numberChanged);

        QVERIFY(::storeProperty(&h, h.text, QLatin1String("SD1"), &Holder::textChanged));
        QVERIFY(!::storeProperty(&h, h.text, QStringView(u"SD1"), &Holder::textChanged));
        QVERIFY(::storeProperty(&h, h.text, QStringLiteral("SD2"), &Holder::textChanged));
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.at(1).at(0).toString(), QStringLiteral("SD2"));

        QVERIFY(!::storeProperty(&h, h.number, 0, &Holder::numberChanged));
        QVERIFY(::storeProperty(&h, h.number, 7, &Holder::numberChanged));
        QCOMPARE(h.number, 7);
        QCOMPARE(numbers.size(), 1);

        // The forced form signals an unchanged value too.
        storeAndSignal(&h, h.number, 7, &Holder::numberChanged);
        storeAndSignal(&h, h.text, QStringView(u"SD2"), &Holder::textChanged);
        QCOMPARE(numbers.size(), 2);
        QCOMPARE(texts.size(), 3);
        QCOMPARE(h.text, QStringLiteral("SD2"));
    }

    // A republished list reaches QML first; the elements it dropped live on
    // until the event loop runs, so a view still drawing them reads no freed
    // object, and the ones it kept are not touched.
    void replacedListDeletesLater()
    {
        QQmlEngine engine;
        rootContext = engine.rootContext();
        QList<QObject *> list{new QObject, new QObject};
        QPointer<QObject> dropped = list.at(0);
        QPointer<QObject> kept = list.at(1);
        ObjectListModel::publish(QStringLiteral("testModel"), list);

        QObject *added = new QObject;
        ObjectListModel::replace(QStringLiteral("testModel"), list, {kept.data(), added});
        QCOMPARE(engine.rootContext()->contextProperty(QStringLiteral("testModel")).value<QList<QObject *>>(), list);
        QVERIFY(dropped); // still there right after publishing
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dropped);
        QVERIFY(kept);
        qDeleteAll(list);
        rootContext = nullptr;
    }
};

HB740_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
