// A scripted recorder to try the application against by hand:
//   fake-recorder ADDRESS [SCRIPT]
// The script holds one setting or reply per line:
//   password SECRET
//   model 0|1
//   REQUEST => REPLY [| REPLY ...]     for example: 050 => 0D010
//   discovery MAC NICKNAME             also answer discovery pings (UDP 59806)
//   menu example                       play the small example menu of the tests
// Lines starting with '#' are comments.
#include "FakeDiscovery.h"
#include "FakeMenu.h"
#include "FakeRecorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

static bool loadScript(const QString &path, FakeRecorder &recorder, FakeDiscovery &answerer, FakeMenu &menu)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    int number = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        ++number;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const int arrow = line.indexOf("=>");
        if (arrow >= 0) {
            QList<QByteArray> replies;
            for (const QByteArray &reply : line.mid(arrow + 2).split('|'))
                replies.append(reply.trimmed());
            recorder.setReply(line.left(arrow).trimmed(), replies);
        } else if (line.startsWith("discovery ")) {
            const QList<QByteArray> words = line.mid(10).trimmed().split(' ');
            const QByteArray nickname = words.mid(1).join(' ');
            const bool cd = recorder.modelAnswer == FakeRecorder::ModelAnswer::Model1;
            answerer.answers.append(FakeDiscovery::answer(words.value(0), nickname.isEmpty() ? "Recorder" : nickname, "1",
                                                          "0", "SD1", cd ? "HB-MDX740K" : "HB-M740K"));
        } else if (line == "menu example") {
            menu = FakeMenu::example();
            menu.attach(recorder);
        } else if (line.startsWith("password ")) {
            recorder.password = line.mid(9).trimmed();
        } else if (line == "model 0" || line == "model 1") {
            recorder.modelAnswer = line.endsWith('1') ? FakeRecorder::ModelAnswer::Model1
                                                     : FakeRecorder::ModelAnswer::Model0;
        } else {
            std::fprintf(stderr, "%s:%d: not understood\n", qPrintable(path), number);
            return false;
        }
    }
    return true;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: fake-recorder ADDRESS [SCRIPT]\n");
        return 2;
    }
    FakeRecorder recorder(args.at(1));
    FakeDiscovery answerer(args.at(1));
    FakeMenu menu;
    if (args.size() == 3 && !loadScript(args.at(2), recorder, answerer, menu))
        return 2;
    if (!recorder.listen()) {
        std::fprintf(stderr, "cannot listen on %s:23\n", qPrintable(args.at(1)));
        return 1;
    }
    if (!answerer.answers.isEmpty() && !answerer.listen(true)) {
        std::fprintf(stderr, "cannot listen on %s:59806\n", qPrintable(args.at(1)));
        return 1;
    }
    QObject::connect(&recorder, &FakeRecorder::requestReceived, [](const QByteArray &line) {
        std::printf("<- %s\n", line.constData());
        std::fflush(stdout);
    });
    QObject::connect(&recorder, &FakeRecorder::stageReached, [](FakeRecorder::Stage stage) {
        static const char *names[] = {"connected", "prompted", "logged in", "linked"};
        std::printf("-- %s\n", names[int(stage)]);
        std::fflush(stdout);
    });
    return app.exec();
}
