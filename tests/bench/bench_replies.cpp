// Lines per second through the control link's framing and the session's
// reply decoding, for a realistic mix of what a recorder sends while playing.
#include "Backend.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// One second of a playing recorder, roughly: status, track and track count,
// two time replies every 200 ms, the pushed time and the level meters.
QByteArray playingSecond(int second)
{
    QByteArray chunk;
    chunk += "0D011\r\n0D50300\r\n0DD1200\r\n";
    for (int tick = 0; tick < 5; ++tick) {
        const int frames = tick * 20;
        // Kind, minutes (pair-encoded), seconds, hundredths.
        chunk += "0D8000100" + QByteArray::number(10 + second % 50) + QByteArray::number(10 + frames) + "\r\n";
        chunk += "0D8010300" + QByteArray::number(59 - second % 50) + "00\r\n";
        chunk += "0880000" + QByteArray::number(10 + second % 50) + QByteArray::number(10 + frames) + "\r\n";
    }
    for (int meter = 0; meter < 20; ++meter) {
        const QByteArray level = QByteArray::number(0x20 + (meter * 7 + second) % 0x60, 16).toUpper();
        chunk += "0FF6A89" + level + level + "7070" + "0000\r\n";
    }
    return chunk;
}

// A recorder at rest: the same answers again and again.
QByteArray idleSecond()
{
    QByteArray chunk = "0D010\r\n0D50100\r\n0DD1200\r\n0FF0100\r\n0FF3185\r\n0FF6A82FOLDER01\r\n";
    for (int meter = 0; meter < 20; ++meter)
        chunk += "0FF6A891010101000000000\r\n";
    return chunk;
}

struct Bench
{
    Bench()
    {
        static QTemporaryDir configHome;
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        backend.comm.sleepTimer.stop();
    }
    Backend backend;
};

void feed(benchmark::State &state, const QList<QByteArray> &chunks)
{
    Bench bench;
    int lines = 0;
    for (const QByteArray &chunk : chunks)
        lines += chunk.count('\n');
    for (auto _ : state) {
        for (const QByteArray &chunk : chunks)
            bench.backend.telnet.receiveChunk(chunk);
    }
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["lines/s"] = benchmark::Counter(double(state.iterations()) * lines, benchmark::Counter::kIsRate);
}

void playing(benchmark::State &state)
{
    QList<QByteArray> chunks;
    for (int second = 0; second < 50; ++second)
        chunks.append(playingSecond(second));
    feed(state, chunks);
}

void idle(benchmark::State &state)
{
    feed(state, {idleSecond()});
}

// The same lines cut into pieces of 7 bytes, as a slow link delivers them.
void playingInSmallChunks(benchmark::State &state)
{
    QList<QByteArray> chunks;
    for (int second = 0; second < 10; ++second) {
        const QByteArray all = playingSecond(second);
        for (int at = 0; at < all.size(); at += 7)
            chunks.append(all.mid(at, 7));
    }
    feed(state, chunks);
}

} // namespace

BENCHMARK(playing);
BENCHMARK(idle);
BENCHMARK(playingInSmallChunks);

int main(int argc, char **argv)
{
    if (!networkIsPrivate())
        return 1;
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
