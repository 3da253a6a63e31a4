#include "FakePlaylists.h"

#include "FakeRecorder.h"

namespace {

int readNumber4(const QByteArray &text, int offset)
{
    return text.mid(offset, 2).toInt() + 100 * text.mid(offset + 2, 2).toInt();
}

const QByteArray head = "0FF45";

} // namespace

QByteArray FakePlaylists::number4(int n)
{
    return QByteArray::number(n % 100).rightJustified(2, '0') + QByteArray::number(n / 100 % 100).rightJustified(2, '0');
}

QList<QByteArray> FakePlaylists::entriesBetween(int from, int to)
{
    QList<QByteArray> lines;
    const Medium &m = medium();
    if (m.current < 0 || m.current >= m.lists.size())
        return lines;
    const QVector<Entry> &entries = m.lists.at(m.current).entries;
    for (int e = from; e <= to && e < entries.size(); ++e) {
        const QString &name = entries.at(e).name;
        lines.append(head + "91" + number4(e) + (name.isEmpty() ? QByteArray("\t") : name.toUtf8()));
    }
    return lines;
}

QList<QByteArray> FakePlaylists::answer(const QByteArray &request)
{
    Medium &m = medium();
    const auto currentList = [&]() -> List * {
        return m.current >= 0 && m.current < m.lists.size() ? &m.lists[m.current] : nullptr;
    };
    if (request.startsWith("07F310000")) {
        const QByteArray drive = request.mid(9, 1);
        const QString name = QString::fromUtf8(request.mid(23));
        if (loadResult == "00" && drive == currentDrive) {
            for (int i = 0; i < m.lists.size(); ++i)
                if (m.lists.at(i).name == name)
                    m.current = i;
        }
        return {"0FF3180" + loadResult};
    }
    if (request.startsWith("07F314B") && request.size() >= 13) {
        const QByteArray kind = request.mid(7, 2);
        const int entry = readNumber4(request, 9);
        if (editResult == "11") {
            if (List *list = currentList(); list && entry >= 0 && entry < 100) {
                if (kind == "01") {
                    const int take = readNumber4(request, 13);
                    list->entries[entry] = {takes.value(take, QStringLiteral("TAKE_%1").arg(take)), "48kHz\t24bit\t2026/12/10 10:00\t\\"};
                } else {
                    list->entries[entry] = {};
                }
            }
        }
        return {"0FF31CB" + kind + number4(entry) + editResult};
    }
    if (request.startsWith("07F6B26")) {
        // "X:\_playlists\" + the name
        const QByteArray drive = request.mid(7, 1);
        const QString name = QString::fromUtf8(request.mid(21));
        if (media.contains(drive) && request.mid(8, 13) == ":\\_playlists\\") {
            Medium &target = media[drive];
            for (int i = 0; i < target.lists.size(); ++i) {
                if (target.lists.at(i).name == name) {
                    target.lists.removeAt(i);
                    if (target.current > i)
                        --target.current;
                    break;
                }
            }
        }
        return {};
    }
    if (!request.startsWith("07F45") || request.size() < 7)
        return {};
    const QByteArray sub = request.mid(5, 2);
    if (sub == "00") {
        ++statusQueries;
        const int code = statusQueue.isEmpty() ? 0 : statusQueue.takeFirst();
        return {head + "80" + number4(code)};
    }
    if (sub == "03")
        return {head + "83" + number4(m.current + 1)};
    if (sub == "04")
        return {head + "84" + number4(m.lists.size())};
    if (sub == "05") {
        QList<QByteArray> lines;
        const int first = qMax(1, readNumber4(request, 7));
        const int last = qMin(readNumber4(request, 11), int(m.lists.size()));
        QList<int> order = recordOrder;
        if (order.isEmpty()) {
            for (int n = first; n <= last; ++n)
                order.append(n);
        }
        for (const int n : qAsConst(order)) {
            if (n < first || n > last)
                continue;
            const List &list = m.lists.at(n - 1);
            lines.append(head + "85" + number4(n) + list.dateTime.toUtf8() + list.name.toUtf8());
        }
        return lines;
    }
    if (sub == "01") {
        const int n = readNumber4(request, 7);
        if (n < 1 || n > m.lists.size())
            return {};
        return {head + "81" + number4(n) + m.lists.at(n - 1).name.toUtf8()};
    }
    if (sub == "10") {
        int count = 0;
        if (List *list = currentList())
            for (const Entry &entry : list->entries)
                count += entry.name.isEmpty() ? 0 : 1;
        return {head + "90" + number4(count)};
    }
    if (sub == "12") {
        QByteArray map;
        List *list = currentList();
        for (int group = 0; group < 13; ++group) {
            bool any = false;
            for (int e = 8 * group; list && e < 8 * group + 8 && e < 100; ++e)
                any = any || !list->entries.at(e).name.isEmpty();
            map += any ? "01" : "00";
        }
        return {head + "92" + map};
    }
    if (sub == "11")
        return entriesBetween(readNumber4(request, 7), readNumber4(request, 11));
    if (sub == "13") {
        const int e = readNumber4(request, 7);
        List *list = currentList();
        if (!list || e < 0 || e >= 100)
            return {};
        return {head + "93" + number4(e) + list->entries.at(e).info.toUtf8()};
    }
    if (sub == "40" || sub == "41" || sub == "43") {
        const QByteArray code = sub == "40" ? "C0" : sub == "41" ? "C1" : "C3";
        if (editResult == "11") {
            if (sub == "43") {
                const int n = readNumber4(request, 7);
                if (n >= 1 && n <= m.lists.size())
                    m.lists[n - 1].name = QString::fromUtf8(request.mid(11));
            } else {
                List created;
                if (sub == "41" && currentList())
                    created = *currentList();
                created.name = QString::fromUtf8(request.mid(7));
                created.dateTime = "2026/12/10 12:00";
                m.lists.append(created);
            }
        }
        return {head + code + "00", head + code + editResult};
    }
    return {};
}

void FakePlaylists::attach(FakeRecorder &recorder)
{
    const auto previous = recorder.responder;
    recorder.responder = [this, previous](const QByteArray &line) {
        QList<QByteArray> lines = answer(line);
        // The browser's fake answers the deletion itself.
        if (previous && (lines.isEmpty() || line.startsWith("07F6B")))
            lines += previous(line);
        return lines;
    };
}

FakePlaylists FakePlaylists::example()
{
    FakePlaylists fake;
    Medium sd1;
    List morning{"Morning", "2026/12/01 08:30", QVector<Entry>(100)};
    morning.entries[0] = {"TAKE_001.wav", "48kHz/24bit\tStereo\t2026/12/01 08:00\t\\"};
    morning.entries[1] = {"Overture.wav", "96kHz/24bit\tStereo\t2026/12/01 08:10\t\\Concert"};
    morning.entries[9] = {"Finale.wav", "96kHz/24bit\tStereo\t2026/12/01 08:20\t\\Concert"};
    List evening{"Evening", "2026/12/02 19:00", QVector<Entry>(100)};
    List archive{"Archive", "2026/11/20 12:00", QVector<Entry>(100)};
    archive.entries[97] = {"Encore.wav", "48kHz/16bit\tMono\t2026/11/20 11:00\t\\Concert\\Encore"};
    sd1.lists = {morning, evening, archive};
    sd1.current = 0;
    fake.media.insert("A", sd1);
    fake.media.insert("B", Medium{{}, -1});
    Medium usb;
    usb.lists = {morning};
    fake.media.insert("C", usb);
    fake.takes = {{1, "TAKE_001.wav"}, {2, "TAKE_002.mp3"}};
    return fake;
}
