// Feeds arbitrary bytes, cut into arbitrary chunks, through the control
// link's framing into the session's reply decoding, once with the link as it
// stands and once from the start of a login dialogue. Input layout: a byte
// giving the length of the next chunk, then that chunk, and so on.
#include "Backend.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
QCoreApplication *application = nullptr;
Backend *backend = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The settings store goes to a folder of its own; nothing is ever read
    // from the user's settings, so no address can come from there.
    if (!networkIsPrivate())
        std::abort();
    static QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    application = new QCoreApplication(*argc, *argv);
    backend = new Backend;
    backend->comm.sleepTimer.stop();
    return 0;
}

namespace {

void feedChunks(const uint8_t *data, size_t size)
{
    size_t position = 0;
    while (position < size) {
        const size_t length = qMin<size_t>(data[position], size - position - 1);
        ++position;
        backend->telnet.receiveChunk(QByteArray(reinterpret_cast<const char *>(data) + position, int(length)));
        position += length;
    }
    // Lets queued failure reports and their reconnection attempts run.
    QCoreApplication::processEvents();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    feedChunks(data, size);
    // The same bytes as the recorder's side of a login dialogue: the link
    // behaves as on a new connection (it writes to no socket here).
    backend->telnet.close();
    QMetaObject::invokeMethod(&backend->telnet, "loginToServer");
    feedChunks(data, size);
    backend->telnet.close();
    return 0;
}
