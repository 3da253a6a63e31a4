// A scripted recorder to try the application against by hand:
//   fake-recorder ADDRESS [SCRIPT]
// The script holds one setting or reply per line:
//   password SECRET
//   model 0|1
//   REQUEST => REPLY [| REPLY ...]     for example: 050 => 0D010
//   discovery MAC NICKNAME             also answer discovery pings (UDP 59806)
//   menu example                       play the small example menu of the tests
//   menu full                          play a menu of the size a recorder shows
//   media example                      play the example folders and files of the tests
//   playlists example                  play the example playlists of the tests
//   timer events example               play the example timer events of the tests
//   clock running                      answer every time query with a new time
//   log times                          stamp every log line with the wall-clock time (ms)
// Lines starting with '#' are comments.
#include "FakeDiscovery.h"
#include "FakeMedia.h"
#include "FakeMenu.h"
#include "FakePlaylists.h"
#include "FakeRecorder.h"
#include "FakeTimerEvents.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

// What the script adds to the replies table.
struct Extras
{
    FakeMenu menu;
    bool menuPlayed = false;
    FakeMedia media;
    bool mediaPlayed = false;
    FakePlaylists playlists;
    bool playlistsPlayed = false;
    FakeTimerEvents timerEvents;
    bool timerEventsPlayed = false;
    bool clockRunning = false;
    bool logTimes = false;
};

// A time reply: the kind, the minutes pair-encoded, the seconds and hundredths.
QByteArray timeReply(const QByteArray &kind, qint64 hundredths)
{
    const int minutes = int(hundredths / 6000 % 6000);
    const int rest = int(hundredths % 6000);
    return "0D8" + kind
           + QString::asprintf("%02d%02d%02d%02d", minutes % 100, minutes / 100, rest / 100, rest % 100).toLatin1();
}

// The recorder plays a track of an hour from the start of the run: the time
// queries ("05800" elapsed, "05801" remaining, "05802" and "05803" the same
// in the other display mode) see the clock move.
void runClock(FakeRecorder &recorder)
{
    static QElapsedTimer clock;
    clock.start();
    const auto previous = recorder.responder;
    recorder.responder = [previous](const QByteArray &line) {
        if (line.size() == 5 && line.startsWith("058")) {
            const qint64 elapsed = clock.elapsed() / 10 % 360000;
            const QByteArray kind = line.mid(3);
            const bool remaining = kind == "01" || kind == "03";
            return QList<QByteArray>{timeReply(kind, remaining ? 360000 - elapsed : elapsed)};
        }
        return previous ? previous(line) : QList<QByteArray>();
    };
}

QByteArray stamp(bool logTimes)
{
    return logTimes ? QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ' ' : QByteArray();
}

} // namespace

static bool loadScript(const QString &path, FakeRecorder &recorder, FakeDiscovery &answerer, Extras &extras)
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
        } else if (line == "menu example" || line == "menu full") {
            extras.menu = line.endsWith("full") ? FakeMenu::full() : FakeMenu::example();
            extras.menuPlayed = true;
        } else if (line == "media example") {
            extras.media = FakeMedia::example();
            extras.mediaPlayed = true;
        } else if (line == "playlists example") {
            extras.playlists = FakePlaylists::example();
            extras.playlistsPlayed = true;
        } else if (line == "timer events example") {
            extras.timerEvents = FakeTimerEvents::example();
            extras.timerEventsPlayed = true;
        } else if (line == "clock running") {
            extras.clockRunning = true;
        } else if (line == "log times") {
            extras.logTimes = true;
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
    Extras extras;
    if (args.size() == 3 && !loadScript(args.at(2), recorder, answerer, extras))
        return 2;
    // The menu's responder comes first: the others pass on what is not theirs.
    if (extras.menuPlayed)
        extras.menu.attach(recorder);
    if (extras.mediaPlayed)
        extras.media.attach(recorder);
    if (extras.playlistsPlayed)
        extras.playlists.attach(recorder);
    if (extras.timerEventsPlayed)
        extras.timerEvents.attach(recorder);
    if (extras.clockRunning)
        runClock(recorder);
    const bool logTimes = extras.logTimes;
    if (!recorder.listen()) {
        std::fprintf(stderr, "cannot listen on %s:23\n", qPrintable(args.at(1)));
        return 1;
    }
    if (!answerer.answers.isEmpty() && !answerer.listen(true)) {
        std::fprintf(stderr, "cannot listen on %s:59806\n", qPrintable(args.at(1)));
        return 1;
    }
    QObject::connect(&recorder, &FakeRecorder::requestReceived, [logTimes](const QByteArray &line) {
        std::printf("%s<- %s\n", stamp(logTimes).constData(), line.constData());
        std::fflush(stdout);
    });
    QObject::connect(&recorder, &FakeRecorder::stageReached, [logTimes](FakeRecorder::Stage stage) {
        static const char *names[] = {"connected", "prompted", "logged in", "linked"};
        std::printf("%s-- %s\n", stamp(logTimes).constData(), names[int(stage)]);
        std::fflush(stdout);
    });
    return app.exec();
}
