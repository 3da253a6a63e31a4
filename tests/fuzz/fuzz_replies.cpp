// Feeds arbitrary bytes, cut into arbitrary chunks, through the control
// link's framing into the session's reply decoding, with the operator's
// actions in between: the replies that only count while a request of theirs
// is under way (a menu list read again, a playlist entry assigned, a timer
// event saved) are reached too. The input is run once on a link that was
// never connected and once more from the start of a login dialogue, on a set
// of backend objects of its own.
//
// Input layout, record after record: a byte giving the length of the next
// chunk, then that chunk; or a zero byte, then an action's number and its
// argument (FuzzSession).
#include "FuzzSession.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTemporaryFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
QCoreApplication *application = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The settings store is put under a plain file: nothing is read from the
    // user's settings, so no address can come from there, and nothing one
    // input stores reaches the next, as no store can be written at all.
    if (!networkIsPrivate())
        std::abort();
    static QTemporaryFile blocker;
    if (!blocker.open())
        std::abort();
    qputenv("XDG_CONFIG_HOME", (blocker.fileName() + QStringLiteral("/config")).toUtf8());
    application = new QCoreApplication(*argc, *argv);
    return 0;
}

namespace {

void feedRecords(FuzzSession &session, const uint8_t *data, size_t size)
{
    size_t position = 0;
    while (position < size) {
        const size_t length = data[position++];
        if (length == 0) {
            const uint8_t operation = position < size ? data[position] : 0;
            const uint8_t argument = position + 1 < size ? data[position + 1] : 0;
            position = qMin(size, position + 2);
            session.run(operation, argument);
            // The event loop turns between two actions of the operator.
            QCoreApplication::processEvents();
            continue;
        }
        const size_t chunk = qMin(length, size - position);
        session.backend.telnet.receiveChunk(QByteArray(reinterpret_cast<const char *>(data) + position, int(chunk)));
        position += chunk;
    }
    // Lets queued failure reports and their reconnection attempts run.
    QCoreApplication::processEvents();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        FuzzSession session;
        feedRecords(session, data, size);
        // The same bytes as the recorder's side of a login dialogue: the link
        // behaves as on a new connection (it writes to no socket here).
        session.backend.telnet.close();
        QMetaObject::invokeMethod(&session.backend.telnet, "loginToServer");
        feedRecords(session, data, size);
        session.backend.telnet.close();
    }
    // What the session handed over for deletion goes with it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
