// The link decodes lines several times a second for hours: a line whose text
// is not kept must cost no heap allocation, in the framing or in the decoding.
#include "Backend.h"
#include "TestMain.h"

#include <QtTest>
#include <atomic>
#include <cstddef>

// The address sanitizer brings its own allocator, which these would bypass:
// gcc tells of it by a macro, clang by a feature.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(UNDER_ADDRESS_SANITIZER)
#define COUNTS_ALLOCATIONS 0
#else
#define COUNTS_ALLOCATIONS 1
// Every allocation of the process, Qt's included, passes through here.
static std::atomic<long> allocations{0};
extern "C" void *__libc_malloc(size_t);
extern "C" void *__libc_calloc(size_t, size_t);
extern "C" void *__libc_realloc(void *, size_t);
extern "C" void *malloc(size_t size)
{
    ++allocations;
    return __libc_malloc(size);
}
extern "C" void *calloc(size_t count, size_t size)
{
    ++allocations;
    return __libc_calloc(count, size);
}
extern "C" void *realloc(void *pointer, size_t size)
{
    ++allocations;
    return __libc_realloc(pointer, size);
}
#endif

class TestAllocations : public QObject
{
    Q_OBJECT

private slots:
    void steadyLinesDoNotAllocate_data()
    {
        QTest::addColumn<QByteArray>("chunk");
        QTest::newRow("status, track, count") << QByteArray("0D010\r\n0D50100\r\n0DD1200\r\n");
        QTest::newRow("playing status and its follow-up") << QByteArray("0D011\r\n");
        QTest::newRow("level meters") << QByteArray("0FF6A891010101000000000\r\n").repeated(10);
        QTest::newRow("settings") << QByteArray("0B000\r\n0B501\r\n0CE00\r\n0AD05\r\n0FF0100\r\n0FF6A8482\r\n0FF6A8C10\r\n");
        QTest::newRow("time replies") << QByteArray("0D800010030\r\n0D801030000\r\n");
        QTest::newRow("unknown and short lines") << QByteArray("0E0\r\n0\r\n0d0\r\n0FF99\r\n");
        QTest::newRow("one line in pieces") << QByteArray("0D0");
    }
    void steadyLinesDoNotAllocate()
    {
#if !COUNTS_ALLOCATIONS
        QSKIP("allocations are not counted under the address sanitizer");
#else
        QFETCH(QByteArray, chunk);
        Backend backend;
        backend.comm.sleepTimer.stop();
        const QByteArray rest = chunk.endsWith('\n') ? QByteArray() : QByteArray("10\r\n");
        // Warm up: the first lines store their values and size the buffers.
        for (int i = 0; i < 3; ++i) {
            backend.telnet.receiveChunk(chunk);
            if (!rest.isEmpty())
                backend.telnet.receiveChunk(rest);
        }
        const long before = allocations;
        for (int i = 0; i < 1000; ++i) {
            backend.telnet.receiveChunk(chunk);
            if (!rest.isEmpty())
                backend.telnet.receiveChunk(rest);
        }
        const long used = allocations - before;
        QVERIFY2(used == 0, qPrintable(QString("%1 allocations for 1000 chunks").arg(used)));
#endif
    }
};

HB740_TEST_MAIN(TestAllocations)
#include "tst_allocations.moc"
