#include "SessionFixture.h"
#include "TestMain.h"

#include <QtTest>
#include <cmath>

// Each command against the mirrored state it reads: the state is set by the
// recorder's own replies, then the method runs and the recorder receives
// exactly its bytes, or nothing.
class TestCommands : public QObject
{
    Q_OBJECT

    SessionFixture *session = nullptr;

private slots:
    void initTestCase()
    {
        session = new SessionFixture;
        session->backend.comm.sleepTimer.stop();
        QVERIFY(session->logIn());
    }

    void cleanupTestCase() { delete session; }

    void commands_data()
    {
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QList<int>>("marks");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QByteArray>("sent");

        const QList<int> none;
        const QStringList nothing;
        auto row = [&](const char *name, const QStringList &replies, const QString &method, const QByteArray &sent,
                       const QVariantList &args = {}, const QList<int> &marks = {}, const QStringList &before = {}) {
            QTest::newRow(name) << replies << marks << before << method << args << sent;
        };

        row("stop", nothing, "stopRequest", "010\r\n");
        row("play", nothing, "playRequest", "012\r\n07F6A3F01\r\n");
        row("pause in play pause", {"D012"}, "pauseRequest", "01D\r\n");
        row("pause while recording", {"D081"}, "pauseRequest", "01301\r\n");
        row("pause while stopped", {"D010"}, "pauseRequest", "01401\r\n");
        row("pause in record pause", {"D082"}, "pauseRequest", "01401\r\n");
        row("pause in the other record pause", {"D083"}, "pauseRequest", "01401\r\n");
        row("record while recording", {"D081"}, "recRequest", "01302\r\n");
        row("record otherwise asks first", {"D010"}, "recRequest", "07F720101\r\n");

        row("track back while stopped, marks or not", {"D010"}, "trackSkipPreviousRequest", "01A01\r\n055\r\n", {},
            {100});
        row("track back playing without marks", {"D011"}, "trackSkipPreviousRequest", "01A01\r\n055\r\n");
        row("track back playing to a mark", {"D011", "8800000500"}, "trackSkipPreviousRequest", "07F031A01\r\n", {},
            {100});
        row("track back with the only mark too close", {"D011", "8800000500"}, "trackSkipPreviousRequest",
            "01A01\r\n055\r\n", {}, {400});
        row("track back recording with marks", {"D081"}, "trackSkipPreviousRequest", "", {}, {100});
        row("track next while stopped with marks", {"D010"}, "trackSkipNextRequest", "01A00\r\n055\r\n", {}, {900});
        row("track next in play pause to a mark", {"D012", "8800000500"}, "trackSkipNextRequest", "07F031A00\r\n", {},
            {900});
        row("track next past the last mark", {"D011", "8800000500"}, "trackSkipNextRequest", "01A00\r\n055\r\n", {},
            {400});
        row("track next busy with marks", {"D0FF"}, "trackSkipNextRequest", "", {}, {400});

        row("reverse search from play", {"D011"}, "reverseRequest", "01601\r\n");
        row("forward search from play pause", {"D012"}, "forwardRequest", "01600\r\n");
        row("search while stopped", {"D010"}, "reverseRequest", "");
        row("end of a search from play", {"D011"}, "cancelReverseRequest", "012\r\n", {}, none, {"reverseRequest"});
        row("end of a search from play pause", {"D012"}, "cancelForwardRequest", "01401\r\n", {}, none,
            {"forwardRequest"});
        row("either end ends either search", {"D011"}, "cancelForwardRequest", "012\r\n", {}, none,
            {"reverseRequest"});
        row("end of a refused search", {"D010"}, "cancelReverseRequest", "", {}, none, {"reverseRequest"});

        row("time skip back playing", {"D011"}, "timeSkipPreviousRequest", "01A31\r\n");
        row("time skip next in play pause", {"D012"}, "timeSkipNextRequest", "01A30\r\n");
        row("folder skip back", {"D010", "FF07CF01"}, "timeSkipPreviousRequest", "07F6A1A01\r\n");
        row("folder skip next", {"D010", "FF07CF01"}, "timeSkipNextRequest", "07F6A1A00\r\n");
        row("time skip stopped in all", {"D010", "FF07CF00"}, "timeSkipNextRequest", "");
        row("time skip recording", {"D081", "FF07CF01"}, "timeSkipNextRequest", "");

        row("A", nothing, "setARequest", "02A\r\n");
        row("B", nothing, "setBRequest", "02B\r\n");
        row("A-B off", nothing, "abOffRequest", "03700\r\n");
        row("mark on a track", {"D5000100"}, "markRequest", "07F0310\r\n07F035D\r\n07F6A63\r\n");
        row("mark without a track", {"D5000000"}, "markRequest", "");
        row("flash load", nothing, "flashLoadRequest", "017\r\n");
        row("pitch on", {"B500"}, "pitchRequest", "03501\r\n");
        row("pitch off", {"B501"}, "pitchRequest", "03500\r\n");
        row("key on", {"BD00"}, "keyRequest", "03D01\r\n");
        row("key off", {"BD01"}, "keyRequest", "03D00\r\n");

        row("pitch -2.5", {"A50000"}, "pitchDataSetRequest", "0252510\r\n", {-2.5});
        row("pitch 12.3", {"A50000"}, "pitchDataSetRequest", "0252301\r\n", {12.3});
        row("pitch 0", {"A51500"}, "pitchDataSetRequest", "0250000\r\n", {0.0});
        row("pitch 1.45 is cut", {"A50000"}, "pitchDataSetRequest", "0251400\r\n", {1.45});
        row("pitch as it is", {"A51500"}, "pitchDataSetRequest", "", {1.5});
        row("pitch +16.0", {"A50000"}, "pitchDataSetRequest", "0256001\r\n", {16.0});
        row("pitch -16.0", {"A50000"}, "pitchDataSetRequest", "0256011\r\n", {-16.0});
        row("pitch 16.1 is out of range", {"A50000"}, "pitchDataSetRequest", "", {16.1});
        row("pitch 100", {"A50000"}, "pitchDataSetRequest", "", {100.0});
        row("pitch -123.4", {"A50000"}, "pitchDataSetRequest", "", {-123.4});
        row("pitch not a number", {"A50000"}, "pitchDataSetRequest", "", {qQNaN()});
        row("pitch infinite", {"A50000"}, "pitchDataSetRequest", "", {qInf()});

        row("key 3", {"AD00"}, "keyDataSetRequest", "02D03\r\n", {3.0});
        row("key -2", {"AD00"}, "keyDataSetRequest", "02D12\r\n", {-2.0});
        row("key 0 as it is", {"AD00"}, "keyDataSetRequest", "", {0.0});
        row("key 0", {"AD12"}, "keyDataSetRequest", "02D00\r\n", {0.0});
        row("key +6", {"AD00"}, "keyDataSetRequest", "02D06\r\n", {6.0});
        row("key -6", {"AD00"}, "keyDataSetRequest", "02D16\r\n", {-6.0});
        row("key 7 is out of range", {"AD00"}, "keyDataSetRequest", "", {7.0});
        row("key 10", {"AD00"}, "keyDataSetRequest", "", {10.0});
        row("key -10", {"AD00"}, "keyDataSetRequest", "", {-10.0});
        row("key not a number", {"AD00"}, "keyDataSetRequest", "", {qQNaN()});

        row("medium USB", nothing, "currentMediaUSBRequest", "07F0110\r\n");
        row("medium SD1", nothing, "currentMediaSD1Request", "07F0100\r\n");
        row("medium SD2", nothing, "currentMediaSD2Request", "07F0101\r\n");
        row("medium CD", nothing, "currentMediaCDRequest", "07F0111\r\n");
        row("area all", nothing, "playAreaAllRequest", "07F074F00\r\n");
        row("area folder", nothing, "playAreaFolderRequest", "07F074F01\r\n");
        row("area playlist", nothing, "playAreaPlaylistRequest", "07F074F02\r\n");
        row("mode continue", nothing, "playModeContinueRequest", "04D00\r\n");
        row("mode single", nothing, "playModeSingleRequest", "04D01\r\n");
        row("mode program", nothing, "playModeProgramRequest", "04D04\r\n");
        row("mode random", nothing, "playModeRandomRequest", "04D06\r\n");
        row("level meter on", nothing, "startLevelMeter", "07F6A3F01\r\n");
        row("level meter off", nothing, "stopLevelMeter", "07F6A3F00\r\n");

        const auto times = [](const char *t, const char *h, const char *m, const char *s, const char *f) {
            return QVariantList{QString(t), QString(h), QString(m), QString(s), QString(f)};
        };
        row("time search", nothing, "timeSearchRequest", "02C120062000304\r\n", times("12", "1", "2", "3", "4"));
        row("time search at the limits", nothing, "timeSearchRequest", "02C990999595999\r\n",
            times("999", "99", "59", "59", "99"));
        row("time search empty fields read 0", nothing, "timeSearchRequest", "02C010000000000\r\n",
            times("1", "", "", "", ""));
        row("time search track 0", nothing, "timeSearchRequest", "", times("0", "0", "0", "0", "0"));
        row("time search track not a number", nothing, "timeSearchRequest", "", times("x", "0", "1", "0", "0"));
        row("time search track 1000", nothing, "timeSearchRequest", "", times("1000", "0", "0", "0", "0"));
        row("time search negative hours", nothing, "timeSearchRequest", "", times("1", "-1", "0", "0", "0"));
        row("time search 100 hours", nothing, "timeSearchRequest", "", times("1", "100", "0", "0", "0"));
        row("time search minutes 60", nothing, "timeSearchRequest", "", times("1", "0", "60", "0", "0"));
        row("time search seconds 60", nothing, "timeSearchRequest", "", times("1", "0", "0", "60", "0"));
        row("time search frames 100", nothing, "timeSearchRequest", "", times("1", "0", "0", "0", "100"));
    }

    void commands()
    {
        QFETCH(QStringList, replies);
        QFETCH(QList<int>, marks);
        QFETCH(QStringList, before);
        QFETCH(QString, method);
        QFETCH(QVariantList, args);
        QFETCH(QByteArray, sent);

        Communication &comm = session->backend.comm;
        for (const QString &reply : replies)
            comm.recievedData(reply);
        session->backend.mark.marks = marks;
        for (const QString &call : before)
            QVERIFY(QMetaObject::invokeMethod(&comm, call.toLatin1().constData()));
        QTest::qWait(100);
        session->recorder.clearReceived();

        const QByteArray name = method.toLatin1();
        bool invoked = false;
        if (args.isEmpty()) {
            invoked = QMetaObject::invokeMethod(&comm, name.constData());
        } else if (args.size() == 1) {
            invoked = QMetaObject::invokeMethod(&comm, name.constData(), Q_ARG(double, args.at(0).toDouble()));
        } else {
            const QStringList t = QVariant(args).toStringList();
            invoked = QMetaObject::invokeMethod(&comm, name.constData(), Q_ARG(QString, t[0]), Q_ARG(QString, t[1]),
                                                Q_ARG(QString, t[2]), Q_ARG(QString, t[3]), Q_ARG(QString, t[4]));
        }
        QVERIFY(invoked);
        QCOMPARE(session->sent(), sent);

        session->backend.mark.clearMarks();
    }

    void searchStateIsKeptAcrossCancels()
    {
        Communication &comm = session->backend.comm;
        comm.recievedData("D011");
        comm.reverseRequest();
        QCOMPARE(comm.searchState, 17);
        QTest::qWait(100);
        session->recorder.clearReceived();
        comm.cancelReverseRequest();
        comm.cancelReverseRequest();
        QCOMPARE(session->sent(), QByteArray("012\r\n012\r\n"));
        comm.recievedData("D010");
        comm.forwardRequest();
        QCOMPARE(comm.searchState, 0);
    }
};

HB740_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
