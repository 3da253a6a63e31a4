#include "FakeTimerEvents.h"

#include "FakeMedia.h"
#include "FakeRecorder.h"

namespace {

int numberAt(const QByteArray &line, int offset)
{
    const QByteArray field = line.mid(offset, 4);
    return field.left(2).toInt() + 100 * field.mid(2, 2).toInt();
}

} // namespace

QByteArray FakeTimerEvents::record(const char *enable, const char *type, const char *date, const char *flags,
                                   const char *time, const QByteArray &option)
{
    return QByteArray(enable) + type + date + flags + time + "00" "00" "0000" "01" + option;
}

FakeTimerEvents FakeTimerEvents::example()
{
    FakeTimerEvents fake;
    fake.events = {
        record("01", "00", "240517", "00", "100000", "A:/Concert/Aria.wav"),
        record("01", "02", "000000", "00", "063000"),
        record("00", "03", "240601", "00", "120000"),
    };
    return fake;
}

bool FakeTimerEvents::matches(const QByteArray &event, const QByteArray &day) const
{
    const QByteArray date = event.mid(4, 6);
    const int flags = event.mid(10, 2).toInt(nullptr, 16);
    if (flags & 0x80)
        return false;
    if (date.mid(4, 2) == "00")
        return true;
    if (date.mid(2, 2) == "00")
        return date.mid(4, 2) == day.mid(4, 2);
    return date == day;
}

QList<int> FakeTimerEvents::currentList() const
{
    QList<int> positions;
    for (int i = 0; i < events.size(); ++i) {
        if (currentFilter == "AA0000"
            || matches(events.at(i), currentFilter == "DD0000" ? today : currentFilter))
            positions.append(i);
    }
    return positions;
}

QList<QByteArray> FakeTimerEvents::answer(const QByteArray &request)
{
    const QByteArray sub = request.mid(5, 2);
    const QList<int> list = currentList();
    const auto changed = [this](QList<QByteArray> lines) {
        if (announceChanges)
            lines.append("0FF47F6");
        return lines;
    };
    if (sub == "5D") {
        currentFilter = request.mid(7, 6);
        return {"0FF47DD" + currentFilter + FakeMedia::number4(currentList().size())};
    }
    if (sub == "57") {
        const int n = numberAt(request, 7);
        if (n < 1 || n > list.size())
            return {};
        return {"0FF47D7" + FakeMedia::number4(n) + events.at(list.at(n - 1))};
    }
    if (sub == "55") {
        const int n = numberAt(request, 7);
        if (n < 1 || n > list.size())
            return {};
        return {"0FF47D5" + FakeMedia::number4(list.at(n - 1) + 1)};
    }
    if (sub == "56")
        return {QByteArray("0FF47D6000") + (dante ? "1" : "0")};
    if (sub == "42") {
        const int n = numberAt(request, 7);
        if (n < 1 || n > list.size())
            return {};
        events[list.at(n - 1)] = request.mid(11);
        return changed({"0FF47C2" + FakeMedia::number4(n)});
    }
    if (sub == "40") {
        events.append(record("00", "00", request.mid(11, 6).constData(), "00", "000000"));
        const int position = currentList().indexOf(events.size() - 1);
        return changed({"0FF47C0" + FakeMedia::number4(position + 1)});
    }
    if (sub == "44") {
        const int n = numberAt(request, 7);
        if (n == 0) {
            for (int i = list.size() - 1; i >= 0; --i)
                events.removeAt(list.at(i));
        } else if (n <= list.size()) {
            events.removeAt(list.at(n - 1));
        } else {
            return {};
        }
        return changed({"0FF47C4" + FakeMedia::number4(n)});
    }
    return {};
}

void FakeTimerEvents::attach(FakeRecorder &recorder)
{
    const auto previous = recorder.responder;
    recorder.responder = [this, previous](const QByteArray &line) {
        if (line.startsWith("07F47"))
            return answer(line);
        return previous ? previous(line) : QList<QByteArray>();
    };
}
