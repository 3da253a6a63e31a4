#include "FakeMenu.h"
#include "TestMain.h"

#include <QtTest>

// The scripted recorder's menu answers as the recorder does: the tests of the
// menu download rely on these exact lines.
class TestFakeMenu : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("page count") << QByteArray("07F6A7A10") << QByteArray("0FF6AFA100500");
        QTest::newRow("page name") << QByteArray("07F6A7A200000") << QByteArray("0FF6AFA200000INPUT 1");
        QTest::newRow("item count") << QByteArray("07F6A7A110300") << QByteArray("0FF6AFA1103000200");
        QTest::newRow("item name") << QByteArray("07F6A7A2100000100") << QByteArray("0FF6AFA2100000100INPUT GAIN");
        QTest::newRow("subitem count") << QByteArray("07F6A7A1303000000")
                                       << QByteArray("0FF6AFA13030000000300");
        QTest::newRow("subitem name") << QByteArray("07F6A7A23030000000200")
                                      << QByteArray("0FF6AFA23030000000200USB");
        QTest::newRow("choice parameters") << QByteArray("07F6A7A14000000000000")
                                           << QByteArray("0FF6AFA14000000000000" "0300" "00" "00" "01");
        QTest::newRow("read-only parameters") << QByteArray("07F6A7A14030001000000")
                                              << QByteArray("0FF6AFA14030001000000" "0100" "00" "01" "01");
        QTest::newRow("range parameters") << QByteArray("07F6A7A14040002000000")
                                          << QByteArray("0FF6AFA14040002000000" "0000" "01" "00" "01");
        QTest::newRow("hidden subitem parameters") << QByteArray("07F6A7A14040003000000")
                                                   << QByteArray("0FF6AFA14040003000000" "0200" "00" "00" "00");
        QTest::newRow("option name") << QByteArray("07F6A7A240000000000000200")
                                     << QByteArray("0FF6AFA240000000000000200DIGITAL");
        QTest::newRow("value: 18 characters") << QByteArray("07F6A7A01040002000000")
                                              << QByteArray("0FF6AFA01040002000000" "5001");
        QTest::newRow("page beyond the menu") << QByteArray("07F6A7A200900") << QByteArray();
        QTest::newRow("option beyond the list") << QByteArray("07F6A7A240000000000000300") << QByteArray();
        QTest::newRow("not a menu request") << QByteArray("050") << QByteArray();
        QTest::newRow("set: no answer") << QByteArray("07F6A7A030000000000000200") << QByteArray();
    }
    void answers()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        FakeMenu menu = FakeMenu::example();
        QCOMPARE(menu.answer(request), reply.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{reply});
    }

    void setChangesTheValue()
    {
        FakeMenu menu = FakeMenu::example();
        menu.answer("07F6A7A030000000000000200");
        QCOMPARE(menu.answer("07F6A7A01000000000000"), QList<QByteArray>{"0FF6AFA010000000000000200"});
    }

    void lostOnce()
    {
        FakeMenu menu = FakeMenu::example();
        menu.loseOnce = {"07F6A7A2001"};
        QVERIFY(menu.answer("07F6A7A200100").isEmpty());
        QCOMPARE(menu.answer("07F6A7A200100"), QList<QByteArray>{"0FF6AFA200100INPUT 2"});
    }

    // Hidden pages and items are not read below their names; a range and a
    // list without options ask for no option names.
    void downloadRequests()
    {
        const QList<QByteArray> requests = FakeMenu::example().downloadRequests();
        QCOMPARE(requests.first(), QByteArray("07F6A7A10"));
        QCOMPARE(requests.count(QByteArray("07F6A7A200200")), 1);
        QVERIFY(!requests.contains("07F6A7A110200"));
        QVERIFY(!requests.contains("07F6A7A13010100"));
        QVERIFY(!requests.contains("07F6A7A240400020000000000"));
        QVERIFY(requests.contains("07F6A7A240400030000000100")); // a hidden subitem's options are read
        QVERIFY(!requests.contains("07F6A7A240400030100000000"));
        QCOMPARE(requests.size(), QSet<QByteArray>(requests.begin(), requests.end()).size());
        QCOMPARE(requests.size(), 106); // 1 + 5 + 4 + 12 + 11 + 19 + 19 + 35
    }
};

HB740_TEST_MAIN(TestFakeMenu)
#include "tst_fakemenu.moc"
