#include "Medium.h"
#include "NumberFields.h"
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
    // The digit fields of command templates: written in place, nothing
    // around them touched; read back from replies.
    void numberFields_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("four");
        QTest::addColumn<QByteArray>("two");
        QTest::newRow("0") << 0 << QByteArray("0000") << QByteArray("00");
        QTest::newRow("1") << 1 << QByteArray("0100") << QByteArray("01");
        QTest::newRow("5") << 5 << QByteArray("0500") << QByteArray("05");
        QTest::newRow("10") << 10 << QByteArray("1000") << QByteArray("10");
        QTest::newRow("42") << 42 << QByteArray("4200") << QByteArray("42");
        QTest::newRow("100") << 100 << QByteArray("0001") << QByteArray("10");
        QTest::newRow("123") << 123 << QByteArray("2301") << QByteArray("12");
        QTest::newRow("1234") << 1234 << QByteArray("3412") << QByteArray("12");
        QTest::newRow("9999") << 9999 << QByteArray("9999") << QByteArray("99");
        QTest::newRow("10000 keeps its first four") << 10000 << QByteArray("0010") << QByteArray("10");
        QTest::newRow("12345 keeps its first four") << 12345 << QByteArray("3412") << QByteArray("12");
        QTest::newRow("-5") << -5 << QByteArray("05-0") << QByteArray("-5");
    }
    void numberFields()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, four);
        QFETCH(QByteArray, two);
        char command[] = "07F4757xxxx\r\n";
        putNumberField(command + 7, value);
        QCOMPARE(QByteArray(command), "07F4757" + four + "\r\n");
        char field[] = "yy\r\n";
        putTwoDigits(field, value);
        QCOMPARE(QByteArray(field), two + "\r\n");
    }

    void readNumberFields_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("four");
        QTest::addColumn<int>("two");
        QTest::newRow("0100") << "xx0100" << 1 << 1;
        QTest::newRow("2301") << "xx2301" << 123 << 23;
        QTest::newRow("9999") << "xx9999" << 9999 << 99;
        QTest::newRow("high pair not a number") << "xx05ab" << 5 << 5;
        QTest::newRow("low pair not a number") << "xxab05" << 500 << 0;
        QTest::newRow("signs are not digits") << "xx-1-1" << 0 << 0;
        QTest::newRow("cut short after three") << "xx123" << 312 << 12;
        QTest::newRow("cut short after one") << "xx7" << 7 << 7;
        QTest::newRow("nothing there") << "xx" << 0 << 0;
    }
    void readNumberFields()
    {
        QFETCH(QString, reply);
        QFETCH(int, four);
        QFETCH(int, two);
        QCOMPARE(readNumberField(reply, 2), four);
        QCOMPARE(readTwoDigits(reply, 2), two);
    }

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
