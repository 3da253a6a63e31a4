#include "LineProtocol.h"
#include "TestMain.h"

#include <QtTest>

using namespace LineProtocol;

class TestLineProtocol : public QObject
{
    Q_OBJECT

private slots:
    void number4_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("zero") << 0 << QByteArray("0000");
        QTest::newRow("one") << 1 << QByteArray("0100");
        QTest::newRow("below a hundred ends in 00") << 99 << QByteArray("9900");
        QTest::newRow("hundred") << 100 << QByteArray("0001");
        QTest::newRow("1234") << 1234 << QByteArray("3412");
        QTest::newRow("largest") << 9999 << QByteArray("9999");
    }
    void number4()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, field);
        char command[] = "07F03580100\r\n";
        NUMBER4(command + 7, value);
        QCOMPARE(QByteArray(command), "07F0358" + field + "\r\n");
        QCOMPARE(readNUMBER4(QString::fromLatin1(field)), value);
    }

    void readNumber4Tolerates_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("not a number") << "ab12" << 1200;
        QTest::newRow("short") << "05" << 5;
        QTest::newRow("empty") << "" << 0;
    }
    void readNumber4Tolerates()
    {
        QFETCH(QString, field);
        QFETCH(int, value);
        QCOMPARE(readNUMBER4(field), value);
    }

    // Reads exactly as the string type's own conversion, without allocating.
    void toNumberReadsAsTheStandardConversion_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : {"", "0", "00", "07", "12", "99", " 5", "5 ", "+5", "-5", "+", "-", "--", "1a", "a1", "ab",
                                 "FF", "ff", "Fg", "0x1F", "0x", "-0x10", "1 2", "9999999999", "2147483647", "-2147483648",
                                 "\t7\n", "１２"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    void toNumberReadsAsTheStandardConversion()
    {
        QFETCH(QString, text);
        QCOMPARE(toNumber(text), text.toInt());
        QCOMPARE(toNumber(text, 16), text.toInt(nullptr, 16));
    }

    void dec2_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("zero") << 0 << QByteArray("00");
        QTest::newRow("seven") << 7 << QByteArray("07");
        QTest::newRow("59") << 59 << QByteArray("59");
    }
    void dec2()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, field);
        char command[] = "02Cabcdefghijkl\r\n";
        DEC2(command + 11, value);
        QCOMPARE(QByteArray(command + 11, 2), field);
        QCOMPARE(QByteArray(command).left(11), QByteArray("02Cabcdefgh"));
    }

    void cutUtf8_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cap");
        QTest::addColumn<QString>("expected");
        QTest::newRow("within the cap") << "take one" << 117 << "take one";
        QTest::newRow("exactly the cap") << "abcd" << 4 << "abcd";
        QTest::newRow("ascii cut") << "abcdef" << 4 << "abcd";
        // "é" is two bytes: with a cap of 4 "abcé" (5 bytes) loses the whole "é".
        QTest::newRow("two-byte character at the edge") << QString::fromUtf8("abcé") << 4 << "abc";
        QTest::newRow("three-byte characters") << QString::fromUtf8("録音録音") << 7 << QString::fromUtf8("録音");
        QTest::newRow("four-byte character") << QString::fromUtf8("a😀b") << 4 << "a";
        QTest::newRow("fits after a multi-byte character") << QString::fromUtf8("é😀") << 6 << QString::fromUtf8("é😀");
        QTest::newRow("cap zero") << "abc" << 0 << "";
    }
    void cutUtf8()
    {
        QFETCH(QString, text);
        QFETCH(int, cap);
        QFETCH(QString, expected);
        const QByteArray cut = LineProtocol::cutUtf8(text.toUtf8(), cap);
        QVERIFY(cut.size() <= cap);
        QCOMPARE(QString::fromUtf8(cut), expected);
    }

    void textFieldsNeverBreakTheLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "Take 1" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("carriage return") << "abc\r050" << false;
        QTest::newRow("line feed") << "abc\n050" << false;
        QTest::newRow("nul") << QString("ab") + QChar(0) + "c" << false;
    }
    void textFieldsNeverBreakTheLine()
    {
        QFETCH(QString, text);
        QFETCH(bool, safe);
        QCOMPARE(isLineSafe(text), safe);
        QCOMPARE(encodeTextField(text, 117).has_value(), safe);
    }
};

HB740_TEST_MAIN(TestLineProtocol)
#include "tst_lineprotocol.moc"
