#include "LinkFixture.h"
#include "TestMain.h"

#include <QtTest>

using Stage = FakeRecorder::Stage;
using ModelAnswer = FakeRecorder::ModelAnswer;

class TestTelnet : public QObject
{
    Q_OBJECT

private slots:
    void loginDialogueAndModel_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("model");
        QTest::newRow("with CD drive") << int(ModelAnswer::Model1) << 1;
        QTest::newRow("without CD drive") << int(ModelAnswer::Model0) << 0;
    }
    void loginDialogueAndModel()
    {
        QFETCH(int, answer);
        QFETCH(int, model);
        LinkFixture link;
        link.recorder.modelAnswer = ModelAnswer(answer);
        QVERIFY(link.logIn());
        QCOMPARE(link.connected.count(), 1);
        QCOMPARE(link.connected.at(0).at(0).toInt(), model);
        QCOMPARE(link.recorder.received(), QByteArray("\r\npass\r\n07F6A64\r\n"));
        QVERIFY(link.telnet->received);
        QCOMPARE(link.failed.count(), 0);
    }

    void passwordIsSentAsUtf8()
    {
        LinkFixture link;
        link.recorder.password = "p\xc3\xa4ssw\xc3\xb6rt";
        QVERIFY(link.recorder.listen());
        link.connect(QString::fromUtf8("pässwört"));
        QVERIFY(link.connected.wait());
        QCOMPARE(link.recorder.received(), QByteArray("\r\np\xc3\xa4ssw\xc3\xb6rt\r\n07F6A64\r\n"));
    }

    void refusedOrBadModelAnswerFails_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("refusal 0F2") << int(ModelAnswer::Refuse);
        QTest::newRow("answer neither 00 nor 01") << int(ModelAnswer::Bad);
    }
    void refusedOrBadModelAnswerFails()
    {
        QFETCH(int, answer);
        LinkFixture link;
        link.recorder.modelAnswer = ModelAnswer(answer);
        QVERIFY(link.recorder.listen());
        link.connect();
        QVERIFY(link.failed.wait());
        QCOMPARE(link.connected.count(), 0);
        QVERIFY(QTest::qWaitFor([&] { return !link.recorder.hasClient(); }));
        QTest::qWait(50);
        QCOMPARE(link.failed.count(), 1);
    }

    void skipModelQueryLogsInAsModelZero()
    {
        LinkFixture link;
        QVERIFY(link.recorder.listen());
        link.telnet->skipModelQuery = true;
        link.connect();
        QVERIFY(link.connected.wait());
        QCOMPARE(link.connected.at(0).at(0).toInt(), 0);
        QVERIFY(!link.telnet->skipModelQuery);
        QCOMPARE(link.recorder.received(), QByteArray("\r\npass\r\n"));
    }

    void wrongPasswordIsReportedAndAnsweredOnce()
    {
        LinkFixture link;
        link.recorder.promptAgainAfterFailure = true;
        link.telnet->dialogueTimeoutMs = 400;
        QVERIFY(link.recorder.listen());
        link.connect(QStringLiteral("wrong"));
        QVERIFY(link.passwordFailed.wait());
        // The second prompt is not answered: the password went out once.
        QTest::qWait(100);
        QCOMPARE(link.recorder.received(), QByteArray("\r\nwrong\r\n"));
        QVERIFY(link.recorder.hasClient());
        // The dialogue never completes: the link gives up on it.
        QVERIFY(link.failed.wait());
        QCOMPARE(link.connected.count(), 0);
    }

    void silentRecorderTimesOut_data()
    {
        QTest::addColumn<bool>("silentFromStart");
        QTest::newRow("silent after the connection") << true;
        QTest::newRow("no model answer") << false;
    }
    void silentRecorderTimesOut()
    {
        QFETCH(bool, silentFromStart);
        LinkFixture link;
        link.recorder.silent = silentFromStart;
        link.recorder.modelAnswer = ModelAnswer::Silent;
        link.telnet->dialogueTimeoutMs = 300;
        QVERIFY(link.recorder.listen());
        QElapsedTimer clock;
        clock.start();
        link.connect();
        QVERIFY(link.failed.wait(3000));
        QVERIFY2(clock.elapsed() >= 250, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(link.connected.count(), 0);
        QVERIFY(QTest::qWaitFor([&] { return !link.recorder.hasClient(); }));
    }

    void recorderClosingDuringTheDialogueFails_data()
    {
        QTest::addColumn<int>("stage");
        QTest::newRow("right after the connection") << int(Stage::Connected);
        QTest::newRow("after the prompt") << int(Stage::Prompted);
        QTest::newRow("after the password") << int(Stage::LoggedIn);
    }
    void recorderClosingDuringTheDialogueFails()
    {
        QFETCH(int, stage);
        LinkFixture link;
        link.recorder.closeAtStage = stage;
        QVERIFY(link.recorder.listen());
        link.connect();
        QVERIFY(link.failed.wait());
        QCOMPARE(link.connected.count(), 0);
        QTest::qWait(50);
        QCOMPARE(link.failed.count(), 1);
    }

    void refusedConnectionFails()
    {
        LinkFixture link; // nobody listens
        link.connect();
        QVERIFY(link.failed.wait());
        QCOMPARE(link.failed.count(), 1);
    }

    void nonNumericAddressFails()
    {
        LinkFixture link;
        link.telnet->connectToServer(QStringLiteral("localhost"), QStringLiteral("pass"), false);
        QVERIFY(link.failed.wait());
    }

    void connectTimeOut_data()
    {
        QTest::addColumn<bool>("quick");
        QTest::addColumn<int>("least");
        QTest::addColumn<int>("most");
        QTest::newRow("quick") << true << 450 << 2000;
    }
    void connectTimeOut()
    {
        QFETCH(bool, quick);
        QFETCH(int, least);
        QFETCH(int, most);
        LinkFixture link;
        QVERIFY(link.recorder.listenUnresponsive());
        QElapsedTimer clock;
        clock.start();
        link.connect(QStringLiteral("pass"), quick);
        QVERIFY(link.failed.wait(most + 1000));
        QVERIFY2(clock.elapsed() >= least && clock.elapsed() <= most, qPrintable(QString::number(clock.elapsed())));
    }

    // A receiver of the failure may connect again at once; that connection
    // must not hang, which it did when it was started inside the socket's
    // own error signal after a remote close.
    void reconnectFromTheFailureSignal()
    {
        LinkFixture link;
        QVERIFY(link.logIn());
        QObject::connect(link.telnet, &Telnet::errorConnectedToServer, link.telnet, [&] {
            link.connect(QStringLiteral("pass"), true);
        });
        link.recorder.closeClient();
        QVERIFY(link.failed.wait());
        QVERIFY(QTest::qWaitFor([&] { return link.connected.count() == 2; }, 3000));
        QCOMPARE(link.recorder.connectionCount(), 2);
    }

    void replyLinesAcrossChunks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("cuts");
        QTest::addColumn<QStringList>("expected");
        const QByteArray two = "0D010\r\n0D50100\r\n";
        QTest::newRow("two lines in one chunk") << two << QList<int>{} << QStringList{"D010", "D50100"};
        QTest::newRow("three lines in one chunk") << QByteArray("0D010\r\n0D50100\r\n0DD1200\r\n") << QList<int>{}
                                                  << QStringList{"D010", "D50100", "DD1200"};
        QTest::newRow("line and the start of the next") << two << QList<int>{10} << QStringList{"D010", "D50100"};
        QTest::newRow("cut between CR and LF") << two << QList<int>{6, 7} << QStringList{"D010", "D50100"};
        QTest::newRow("byte by byte") << QByteArray("0D011\r\n") << QList<int>{1, 2, 3, 4, 5, 6}
                                      << QStringList{"D011"};
        QTest::newRow("LF alone does not end a line") << QByteArray("0AB\nCD\r\n") << QList<int>{}
                                                      << QStringList{"ABCD"};
        QTest::newRow("text not starting with 0 is dropped")
            << QByteArray("echo\r\n0D010\r\n> \r\n") << QList<int>{} << QStringList{"D010"};
        QTest::newRow("empty lines are dropped") << QByteArray("\r\n\r\n0D010\r\n") << QList<int>{}
                                                 << QStringList{"D010"};
        QTest::newRow("every CR is removed") << QByteArray("0A\rB\r\n") << QList<int>{} << QStringList{"AB"};
        QTest::newRow("NUL bytes are dropped, the rest is kept")
            << QByteArray("0D0\0" "10\r\n0D5\r\n", 12) << QList<int>{} << QStringList{"D010", "D5"};
        QTest::newRow("character cut between chunks")
            << QByteArray("0FF6BA0\xe9\x8c\xb2\xe9\x9f\xb3\r\n") << QList<int>{8, 11}
            << QStringList{QString::fromUtf8("FF6BA0録音")};
    }
    void replyLinesAcrossChunks()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, cuts);
        QFETCH(QStringList, expected);
        LinkFixture link;
        QVERIFY(link.logIn());
        link.recorder.sendInChunks(bytes, cuts);
        QVERIFY(QTest::qWaitFor([&] { return link.lines.count() >= expected.size(); }, 2000));
        QTest::qWait(50);
        QCOMPARE(link.receivedLines(), expected);
    }

    void overlongLineIsDroppedAndTheNextOneArrives()
    {
        LinkFixture link;
        QVERIFY(link.logIn());
        const QByteArray endless = "0" + QByteArray(Telnet::maxLineLength + 10, 'A');
        link.recorder.sendInChunks(endless, {8000, 30000, 50000});
        QTest::qWait(100);
        link.recorder.send("\r\n0D010\r\n");
        QVERIFY(link.lines.wait());
        QTest::qWait(50);
        QCOMPARE(link.receivedLines(), QStringList{"D010"});
    }

    // A line past the cap is dropped whole, however the reads cut it: what is
    // left of it up to its end is no line of its own, even when it begins
    // with "0". The line after it arrives.
    void restOfAnOverlongLineIsSkipped_data()
    {
        QTest::addColumn<QByteArray>("rest");
        QTest::addColumn<QList<int>>("cuts");
        QTest::newRow("rest in the next read") << QByteArray("0FF04F8\r\n0D010\r\n") << QList<int>{0};
        QTest::newRow("rest over several reads") << QByteArray("0FF04F8\r\n0D010\r\n") << QList<int>{0, 3, 5};
        QTest::newRow("rest cut between CR and LF") << QByteArray("0FF04F8\r\n0D010\r\n") << QList<int>{0, 8};
        QTest::newRow("LF alone does not end it") << QByteArray("0FF\n0F04F8\r\n0D010\r\n") << QList<int>{0, 4};
        QTest::newRow("CR within does not end it") << QByteArray("0FF\r0F04F8\r\n0D010\r\n") << QList<int>{0, 5};
        QTest::newRow("whole line in one read") << QByteArray("0FF04F8\r\n0D010\r\n") << QList<int>{};
    }
    void restOfAnOverlongLineIsSkipped()
    {
        QFETCH(QByteArray, rest);
        QFETCH(QList<int>, cuts);
        LinkFixture link;
        QVERIFY(link.logIn());
        const QByteArray overlong = "0" + QByteArray(70000, 'A');
        for (int &cut : cuts)
            cut += overlong.size();
        link.recorder.sendInChunks(overlong + rest, cuts);
        QVERIFY(QTest::qWaitFor([&] { return !link.lines.isEmpty(); }, 2000));
        QTest::qWait(50);
        QCOMPARE(link.receivedLines(), QStringList{"D010"});
    }

    void fragmentDoesNotLeakIntoTheNextConnection()
    {
        LinkFixture link;
        QVERIFY(link.logIn());
        link.recorder.send("0D0");
        QTest::qWait(100);
        link.telnet->close();
        link.connect();
        QVERIFY(link.connected.wait());
        link.recorder.send("0D5\r\n");
        QVERIFY(link.lines.wait());
        QCOMPARE(link.receivedLines(), QStringList{"D5"});
    }

    void loginSuccessfulConsumesTheWholeChunk()
    {
        LinkFixture link;
        QVERIFY(link.recorder.listen());
        link.recorder.modelAnswer = ModelAnswer::Silent;
        link.connect();
        QVERIFY(link.recorder.waitForStage(Stage::Prompted));
        // Play the recorder's part by hand for this one.
        QVERIFY(QTest::qWaitFor([&] { return link.recorder.received().endsWith("pass\r\n"); }));
        link.recorder.send("Login Successful\r\n0D010\r\n");
        QVERIFY(QTest::qWaitFor([&] { return link.recorder.received().endsWith("07F6A64\r\n"); }));
        link.recorder.send("0FF6AE401\r\n");
        QVERIFY(link.connected.wait());
        QCOMPARE(link.lines.count(), 0);
    }

    // The recorder's side of the dialogue, played by hand: each delivery goes
    // out once the link has sent its next line ("\r\n", the password, the
    // model query), cut into reads at every "|".
    void dialogueAcrossReads_data()
    {
        QTest::addColumn<QList<QByteArray>>("deliveries");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("lines");
        const QByteArray prompt = "Enter Password\r\n";
        const QByteArray success = "Login Successful\r\n";
        const QByteArray model1 = "0FF6AE401\r\n";
        const QByteArray all = "\r\npass\r\n07F6A64\r\n";
        const QByteArray password = "\r\npass\r\n";
        const auto row = [&](const char *name, const QList<QByteArray> &deliveries, const char *outcome,
                             const QByteArray &sent, const QStringList &lines = {}) {
            QTest::newRow(name) << deliveries << QString(outcome) << sent << lines;
        };
        row("prompt cut after its first letter", {"E|nter Password\r\n", success, model1}, "model 1", all);
        row("prompt cut inside", {"Enter Pass|word\r\n", success, model1}, "model 1", all);
        row("prompt cut before its line end", {"Enter Password|\r\n", success, model1}, "model 1", all);
        row("prompt cut between CR and LF", {"Enter Password\r|\n", success, model1}, "model 1", all);
        row("prompt in three reads, no line end", {"En|ter Passwo|rd", success, model1}, "model 1", all);
        row("prompt with more text, no line end", {"Enter Password: ", success, model1}, "model 1", all);
        row("greeting line before the prompt", {"Welcome\r\nEnter Password", success, model1}, "model 1", all);
        row("greeting, then the prompt cut", {"Welcome\r\nEnter Pa|ssword\r\n", success, model1}, "model 1", all);
        row("greeting cut, then the prompt", {"Wel|come\r\nEnter Password\r\n", success, model1}, "model 1", all);
        row("empty lines before the prompt", {"\r\n\r\nEnter Password\r\n", success, model1}, "model 1", all);
        row("long greeting before the prompt", {QByteArray(100000, 'w') + "\r\nEnter Password\r\n", success, model1},
            "model 1", all);
        row("a line only starting like the prompt", {"Enter\r\nEnter Password\r\n", success, model1}, "model 1", all);
        row("prompt inside a line is none", {"Please Enter Password\r\n"}, "failed", "\r\n");
        row("Login Successful cut", {prompt, "Login Su|ccessful\r\n", model1}, "model 1", all);
        row("Login Successful after a greeting", {prompt, "Hello\r\nLogin Successful\r\n", model1}, "model 1", all);
        row("model answer cut after its code", {prompt, success, "0FF6AE4|01\r\n"}, "model 1", all);
        row("model answer cut inside its code", {prompt, success, "0FF6|AE400\r\n"}, "model 0", all);
        row("model answer cut between its digits", {prompt, success, "0FF6AE40|1\r\n"}, "model 1", all);
        row("reply line before the model answer", {prompt, success, "0D010\r\n0FF6AE401\r\n"}, "model 1", all,
            {"D010"});
        row("reply line and model answer cut", {prompt, success, "0D0|10\r\n0FF6|AE401\r\n"}, "model 1", all,
            {"D010"});
        row("model refusal cut", {prompt, success, "0F|2\r\n"}, "failed", all);
        row("bad model answer cut", {prompt, success, "0FF6AE4|X7\r\n"}, "failed", all);
        row("model answer ending early", {prompt, success, "0FF6AE4\r|\n"}, "failed", all);
        row("Password Failed after a greeting", {prompt, "Welcome\r\nPassword Failed\r\n"}, "password failed",
            password);
        row("Password Failed cut", {prompt, "Password Fa|iled\r\n"}, "password failed", password);
    }
    void dialogueAcrossReads()
    {
        QFETCH(QList<QByteArray>, deliveries);
        QFETCH(QString, outcome);
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, lines);
        LinkFixture link;
        link.recorder.silent = true;
        link.telnet->dialogueTimeoutMs = 1000;
        QVERIFY(link.recorder.listen());
        link.connect();
        const QList<QByteArray> linkLines{"\r\n", "\r\npass\r\n", "\r\npass\r\n07F6A64\r\n"};
        for (int i = 0; i < deliveries.size(); ++i) {
            QVERIFY2(QTest::qWaitFor([&] { return link.recorder.received() == linkLines.at(i); }, 3000),
                     link.recorder.received().constData());
            QByteArray bytes = deliveries.at(i);
            QList<int> cuts;
            for (int cut; (cut = bytes.indexOf('|')) >= 0;) {
                bytes.remove(cut, 1);
                cuts.append(cut);
            }
            link.recorder.sendInChunks(bytes, cuts);
        }
        QSignalSpy &awaited = outcome.startsWith("model") ? link.connected
            : outcome == "password failed"               ? link.passwordFailed
                                                         : link.failed;
        QVERIFY(awaited.wait(3000) || !awaited.isEmpty());
        QTest::qWait(50);
        QCOMPARE(link.recorder.received(), sent);
        QCOMPARE(link.connected.count(), outcome.startsWith("model") ? 1 : 0);
        if (!link.connected.isEmpty())
            QCOMPARE(QStringLiteral("model %1").arg(link.connected.at(0).at(0).toInt()), outcome);
        QCOMPARE(link.passwordFailed.count(), outcome == "password failed" ? 1 : 0);
        QCOMPARE(link.failed.count(), outcome == "failed" ? 1 : 0);
        QCOMPARE(link.receivedLines(), lines);
    }

    void writesBeforeTheLoginAreDropped()
    {
        LinkFixture link;
        QVERIFY(link.recorder.listen());
        link.connect();
        link.telnet->sendData("07F6A7E11\r\n"); // connecting
        QVERIFY(link.recorder.waitForStage(Stage::Prompted));
        link.telnet->sendData("07F6A7E11\r\n"); // logging in
        QVERIFY(link.connected.wait());
        link.telnet->sendData("050\r\n");
        QVERIFY(link.recorder.waitForRequest("050\r\n"));
        QCOMPARE(link.recorder.received(), QByteArray("\r\npass\r\n07F6A64\r\n050\r\n"));
    }

    void sendWritesCompleteCommands()
    {
        LinkFixture link;
        QVERIFY(link.logIn());
        link.telnet->sendData("050\r\n055\r\n05D\r\n");
        link.telnet->sendDataNoLog("07F6A0A\r\n");
        QVERIFY(link.recorder.waitForRequest("07F6A0A\r\n"));
        QCOMPARE(link.recorder.receivedSinceLink(), QByteArray("050\r\n055\r\n05D\r\n07F6A0A\r\n"));
    }

    // Eleven writes in a row go out at once; the twelfth pauses, which lets
    // the event loop run.
    void flowControlPausesAfterElevenWrites()
    {
        LinkFixture link;
        QVERIFY(link.logIn());
        QTest::qWait(50);
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        for (int i = 0; i < 11; ++i)
            link.telnet->sendData("050\r\n");
        QVERIFY(!ran);
        link.telnet->sendData("055\r\n");
        QVERIFY(ran);
        QVERIFY(link.recorder.waitForRequest("055\r\n"));
        QCOMPARE(link.recorder.receivedSinceLink(), QByteArray("050\r\n").repeated(11) + "055\r\n");
    }

    void pauseNeverNests()
    {
        LinkFixture link;
        QVERIFY(link.logIn());
        QTest::qWait(50);
        int depth = 0;
        int deepest = 0;
        // A timer that fires inside the pause and sends enough to pause again.
        QTimer::singleShot(0, [&] {
            ++depth;
            deepest = qMax(deepest, depth);
            bool innerRan = false;
            QTimer::singleShot(0, [&] { innerRan = true; });
            for (int i = 0; i < 12; ++i)
                link.telnet->sendData("056\r\n");
            QVERIFY(!innerRan);
            QTest::qWait(20);
            --depth;
        });
        for (int i = 0; i < 12; ++i)
            link.telnet->sendData("050\r\n");
        QCOMPARE(deepest, 1);
        QVERIFY(QTest::qWaitFor([&] { return link.recorder.requests().size() == 24; }));
    }

    void closeIsSilentAndTheLinkCanBeReused()
    {
        LinkFixture link;
        QVERIFY(link.logIn());
        link.telnet->close();
        QVERIFY(QTest::qWaitFor([&] { return !link.recorder.hasClient(); }));
        QTest::qWait(50);
        QCOMPARE(link.failed.count(), 0);
        link.telnet->sendData("050\r\n"); // dropped: not linked
        link.connect();
        QVERIFY(link.connected.wait());
        QCOMPARE(link.connected.count(), 2);
        QVERIFY(!link.recorder.received().contains("050"));
    }

    void connectingAgainReplacesTheRunningSession()
    {
        LinkFixture link;
        QVERIFY(link.logIn());
        FakeRecorder other(nextRecorderAddress());
        other.password = "other";
        QVERIFY(other.listen());
        link.telnet->connectToServer(other.address().toString(), QStringLiteral("other"), false);
        QVERIFY(link.connected.wait());
        QVERIFY(QTest::qWaitFor([&] { return !link.recorder.hasClient(); }));
        QTest::qWait(50);
        QCOMPARE(link.failed.count(), 0);
        QCOMPARE(other.received(), QByteArray("\r\nother\r\n07F6A64\r\n"));
        link.telnet->sendData("050\r\n");
        QVERIFY(other.waitForRequest("050\r\n"));
        QVERIFY(!link.recorder.received().contains("050"));
    }

    void passwordThatWouldBreakTheLineIsRefused_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("CR LF and a command") << "pass\r\n07F6A7E11";
        QTest::newRow("LF") << "pa\nss";
        QTest::newRow("NUL") << QString("pa") + QChar(0) + "ss";
    }
    void passwordThatWouldBreakTheLineIsRefused()
    {
        QFETCH(QString, password);
        LinkFixture link;
        QVERIFY(link.recorder.listen());
        link.connect(password);
        QVERIFY(link.failed.wait());
        QCOMPARE(link.recorder.connectionCount(), 0);
        QCOMPARE(link.recorder.received(), QByteArray());
    }
};

HB740_TEST_MAIN(TestTelnet)
#include "tst_telnet.moc"
