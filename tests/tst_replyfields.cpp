#include "ReplyFields.h"
#include "TestMain.h"

#include <QtTest>

using namespace ReplyFields;

// The reply field decoders on their own: text in, plain value out.
class TestReplyFields : public QObject
{
    Q_OBJECT

private slots:
    void codes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("two characters") << "D0" << code('D', '0');
        QTest::newRow("only the first two count") << "FF6A89" << code('F', 'F');
        QTest::newRow("lower case is another code") << "d0" << code('d', '0');
        QTest::newRow("order matters") << "0D" << code('0', 'D');
        QTest::newRow("one character has none") << "D" << 0u;
        QTest::newRow("empty has none") << "" << 0u;
        QTest::newRow("beyond Latin-1 keeps its whole value") << QString(QChar(0x0144)) + "0" << code(0x0144, '0');
    }
    void codes()
    {
        QFETCH(QString, text);
        QFETCH(quint32, expected);
        QCOMPARE(codeOf(text), expected);
    }

    void distinctCodes()
    {
        QVERIFY(code('D', '0') != code('0', 'D'));
        QVERIFY(code(0x0144, '0') != code('D', '0'));
        QVERIFY(code('0', '0') != 0u);
    }

    void numbersAndFlags_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("decimalValue");
        QTest::addColumn<int>("hexadecimalValue");
        QTest::addColumn<bool>("flagValue");
        QTest::newRow("00") << "00" << 0 << 2 << 0 << 0 << false;
        QTest::newRow("01") << "01" << 0 << 2 << 1 << 1 << true;
        QTest::newRow("at a position") << "991299" << 2 << 2 << 12 << 0x12 << true;
        QTest::newRow("hexadecimal digits") << "FF" << 0 << 2 << 0 << 255 << true;
        QTest::newRow("lower-case hexadecimal") << "ff" << 0 << 2 << 0 << 255 << true;
        QTest::newRow("one character left") << "1" << 0 << 2 << 1 << 1 << true;
        QTest::newRow("beyond the end") << "12" << 4 << 2 << 0 << 0 << true;
        QTest::newRow("empty") << "" << 0 << 2 << 0 << 0 << true;
        QTest::newRow("not a number") << "X1" << 0 << 2 << 0 << 0 << true;
        QTest::newRow("00 followed by more") << "0001" << 0 << 2 << 0 << 0 << false;
        QTest::newRow("one digit") << "0612" << 1 << 1 << 6 << 6 << true;
        QTest::newRow("six digits") << "057E40" << 0 << 6 << 0 << 360000 << true;
    }
    void numbersAndFlags()
    {
        QFETCH(QString, data);
        QFETCH(int, position);
        QFETCH(int, length);
        QFETCH(int, decimalValue);
        QFETCH(int, hexadecimalValue);
        QFETCH(bool, flagValue);
        QCOMPARE(decimal(data, position, length), decimalValue);
        QCOMPARE(hexadecimal(data, position, length), hexadecimalValue);
        QCOMPARE(flag(data, position), flagValue);
    }

    void twoDigitTexts_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << 5 << "" << "05";
        QTest::newRow("zero") << 0 << "" << "00";
        QTest::newRow("two digits") << 59 << "" << "59";
        QTest::newRow("longer stays whole") << 123 << "" << "123";
        QTest::newRow("negative keeps its sign") << -5 << "" << "-5";
        QTest::newRow("after a prefix") << 2 << "-" << "-02";
    }
    void twoDigitTexts()
    {
        QFETCH(int, value);
        QFETCH(QString, prefix);
        QFETCH(QString, expected);
        char buffer[16];
        QCOMPARE(QString(twoDigits(value, buffer, prefix.toLatin1().constData())), expected);
    }

    void recordingStates_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("recording");
        QTest::newRow("none") << Status::none << false;
        QTest::newRow("stop") << Status::stop << false;
        QTest::newRow("play") << Status::play << false;
        QTest::newRow("play pause") << Status::playPause << false;
        QTest::newRow("record") << Status::record << true;
        QTest::newRow("record pause") << Status::recordPause << true;
        QTest::newRow("record pause 83") << Status::recordPause2 << true;
        QTest::newRow("84") << 0x84 << false;
        QTest::newRow("busy") << Status::busy << false;
    }
    void recordingStates()
    {
        QFETCH(int, status);
        QFETCH(bool, recording);
        QCOMPARE(isRecording(status), recording);
    }

    void trackDigits_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("track 12") << "001200" << 2 << "012";
        QTest::newRow("three low digits of 1234") << "001234" << 2 << "412";
        QTest::newRow("count 10") << "1000" << 0 << "010";
        QTest::newRow("longer data") << "100099" << 0 << "010";
        QTest::newRow("high digit missing") << "100" << 0 << "10";
        QTest::newRow("low pair cut") << "1" << 0 << "1";
        QTest::newRow("empty") << "" << 0 << "";
    }
    void trackDigits()
    {
        QFETCH(QString, data);
        QFETCH(int, position);
        QFETCH(QString, expected);
        QChar buffer[3];
        QCOMPARE(threeLowDigits(data, position, buffer).toString(), expected);
    }

    void cdTypes_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("type");
        QTest::newRow("0000") << "0000" << "CD";
        QTest::newRow("00 alone") << "00" << "CD";
        QTest::newRow("00 and anything") << "00XY" << "CD";
        QTest::newRow("0100") << "0100" << "CD-DA";
        QTest::newRow("0101") << "0101" << "CD-R";
        QTest::newRow("0102") << "0102" << "CD-RW";
        QTest::newRow("0110") << "0110" << "Data CD";
        QTest::newRow("0111") << "0111" << "CD-R Data";
        QTest::newRow("0112") << "0112" << "CD-RW Data";
        QTest::newRow("longer is none") << "01000" << "";
        QTest::newRow("shorter is none") << "010" << "";
        QTest::newRow("unknown") << "0103" << "";
        QTest::newRow("empty") << "" << "";
    }
    void cdTypes()
    {
        QFETCH(QString, data);
        QFETCH(QString, type);
        QCOMPARE(QString(cdType(data)), type);
    }

    void namedValues_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("mode");
        QTest::newRow("-1") << -1 << "" << "" << "";
        QTest::newRow("0") << 0 << "SD1-SD2" << "ALL" << "CONTINUE";
        QTest::newRow("1") << 1 << "SD1-USB" << "FOLDER" << "SINGLE";
        QTest::newRow("2") << 2 << "SD2-SD1" << "PLAYLIST" << "";
        QTest::newRow("3") << 3 << "SD2-USB" << "" << "";
        QTest::newRow("4") << 4 << "USB-SD1" << "" << "PROGRAM";
        QTest::newRow("5") << 5 << "USB-SD2" << "" << "PROGRAM";
        QTest::newRow("6") << 6 << "" << "" << "RANDOM";
        QTest::newRow("7") << 7 << "" << "" << "";
        QTest::newRow("10") << 10 << "" << "" << "";
    }
    void namedValues()
    {
        QFETCH(int, value);
        QFETCH(QString, pair);
        QFETCH(QString, area);
        QFETCH(QString, mode);
        QCOMPARE(QString(backupRelayPair(value)), pair);
        QCOMPARE(QString(playArea(value)), area);
        QCOMPARE(QString(playMode(value)), mode);
    }

    void recordFormats_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("formatCd");
        QTest::addColumn<bool>("backupRelay");
        QTest::addColumn<int>("fs");
        QTest::addColumn<int>("fsCd");
        QTest::newRow("0") << 0 << "Wav" << "CD-DA" << false << 0 << 0;
        QTest::newRow("1") << 1 << "Mp3" << "Mp3" << false << 0 << 0;
        QTest::newRow("2") << 2 << "Wav16+Mp3" << "Mp3" << false << 0 << 1;
        QTest::newRow("3") << 3 << "Wav(Backup)" << "" << true << 0 << -1;
        QTest::newRow("4") << 4 << "Mp3(Backup)" << "" << true << 0 << -1;
        QTest::newRow("5") << 5 << "Wav(Relay)" << "" << true << 0 << -1;
        QTest::newRow("6") << 6 << "Mp3(Relay)" << "" << true << 0 << -1;
        QTest::newRow("7") << 7 << "Wav16+Mp3\n(Relay)" << "" << true << 0 << -1;
        QTest::newRow("8") << 8 << "Wav" << "CD-DA" << false << 1 << 0;
        QTest::newRow("10") << 10 << "Wav16+Mp3" << "Mp3" << false << 1 << 1;
        QTest::newRow("11") << 11 << "Wav(Backup)" << "" << true << 1 << -1;
        QTest::newRow("15") << 15 << "Wav16+Mp3\n(Relay)" << "" << true << 1 << -1;
        QTest::newRow("16 high rate") << 16 << "Wav" << "" << false << 2 << -1;
        QTest::newRow("17") << 17 << "" << "" << false << 1 << -1;
        QTest::newRow("99") << 99 << "" << "" << false << 1 << -1;
        QTest::newRow("negative") << -1 << "" << "" << false << 0 << -1;
    }
    void recordFormats()
    {
        QFETCH(int, value);
        QFETCH(QString, format);
        QFETCH(QString, formatCd);
        QFETCH(bool, backupRelay);
        QFETCH(int, fs);
        QFETCH(int, fsCd);
        const RecordFormat decoded = recordFormat(value);
        QCOMPARE(QString(decoded.format), format);
        QCOMPARE(QString(decoded.formatCd), formatCd);
        QCOMPARE(decoded.backupRelay, backupRelay);
        QCOMPARE(decoded.fs, fs);
        QCOMPARE(decoded.fsCd, fsCd);
    }
};

HB740_TEST_MAIN(TestReplyFields)
#include "tst_replyfields.moc"
