#include "FakeMedia.h"

#include "FakeRecorder.h"

#include <algorithm>

namespace {

int readNumber4(const QByteArray &text, int offset)
{
    const QByteArray low = text.mid(offset, 2);
    const QByteArray high = text.mid(offset + 2, 2);
    return low.toInt() + 100 * high.toInt();
}

// The reply code of an operation's sub-command.
QByteArray operationReply(const QByteArray &sub)
{
    static const QHash<QByteArray, QByteArray> codes = {{"03", "83"}, {"0415", "84"}, {"13", "93"}, {"14", "94"},
                                                        {"15", "95"}, {"23", "A3"}, {"24", "A4"}, {"25", "A5"},
                                                        {"26", "A6"}};
    return codes.value(sub);
}

} // namespace

QByteArray FakeMedia::number4(int n)
{
    return QByteArray::number(n % 100).rightJustified(2, '0') + QByteArray::number(n / 100 % 100).rightJustified(2, '0');
}

FakeMedia::Folder *FakeMedia::folder(const QByteArray &code, int number)
{
    auto found = media.find(code);
    if (found == media.end())
        return nullptr;
    for (Folder &candidate : found->folders)
        if (candidate.number == number)
            return &candidate;
    return nullptr;
}

QList<int> FakeMedia::children(const QByteArray &code, int number) const
{
    QList<int> found;
    for (const Folder &candidate : media.value(code).folders)
        if (candidate.parent == number)
            found.append(candidate.number);
    std::sort(found.begin(), found.end());
    return found;
}

QList<QByteArray> FakeMedia::answer(const QByteArray &request)
{
    if (!request.startsWith("07F6B") || request.size() < 7)
        return {};
    const QByteArray sub = request.mid(5, 2);
    const QByteArray code = request.mid(7, 2);
    const int n = readNumber4(request, 9);
    const QByteArray head = "0FF6B";
    const QByteArray sameFields = code + number4(n);

    if (sub == "00")
        return {head + "80" + number4(media.value(currentMedium).currentFolder)};
    if (sub == "05")
        return {head + "85" + number4(media.value(currentMedium).currentFile)};

    // Operations answer with their progress and, unless held, their result.
    QByteArray operation = sub == "04" ? request.mid(5, 4) : sub;
    const QByteArray reply = operationReply(operation);
    if (!reply.isEmpty()) {
        if (operationResult == "11") {
            if (sub == "23" && focusCode == code && n >= 1) {
                if (Folder *listed = folder(code, focusFolder); listed && n <= listed->files.size())
                    listed->files[n - 1].name = QString::fromUtf8(request.mid(13));
            } else if (sub == "24" && focusCode == code) {
                if (Folder *listed = folder(code, focusFolder); listed && n >= 1 && n <= listed->files.size())
                    listed->files.removeAt(n - 1);
            }
        }
        QList<QByteArray> lines{head + reply + "00"};
        if (!operationResult.isEmpty())
            lines.append(head + reply + operationResult);
        return lines;
    }
    if (sub == "04")
        return {}; // the copy's source line: the destination line follows

    if (sub == "01") {
        const QString path = QString::fromUtf8(request.mid(8));
        for (const Folder &candidate : media.value(currentMedium).folders)
            if (candidate.path == path)
                media[currentMedium].currentFolder = candidate.number;
        return {head + "8100"};
    }
    if (sub == "02") {
        const QString path = QString::fromUtf8(request.mid(10));
        for (const Folder &candidate : media.value(code).folders)
            if (candidate.path == path)
                return {head + "82" + code + number4(candidate.number)};
        return {};
    }
    if (sub == "27")
        return {head + "A700"};

    Folder *asked = folder(code, n);
    if (sub == "11") {
        if (!asked)
            return {};
        focusCode = code;
        return {head + "91" + sameFields + "0" + asked->path.toUtf8()};
    }
    if (sub == "10" || sub == "20") {
        if (!asked)
            return {};
        focusCode = code;
        focusFolder = n;
        int first = 0;
        int last = 0;
        if (sub == "10") {
            const QList<int> subFolders = children(code, n);
            if (!subFolders.isEmpty()) {
                first = subFolders.first();
                last = subFolders.last();
            }
        } else if (!asked->files.isEmpty()) {
            first = 1;
            last = asked->files.size();
        }
        const QByteArray any = last == 0 ? "0000" : "0100";
        return {head + (sub == "10" ? "90" : "A0") + sameFields + number4(first) + number4(last) + any};
    }
    if (sub == "21" || sub == "22") {
        Folder *listed = folder(code, focusFolder);
        if (!listed || n < 1 || n > listed->files.size())
            return {};
        const File &file = listed->files.at(n - 1);
        if (sub == "22")
            return {head + "A2" + sameFields + "00" + file.info.toUtf8()};
        const QString path = listed->path.isEmpty() ? file.name : listed->path + "\\" + file.name;
        return {head + "A1" + sameFields + "0" + path.toUtf8()};
    }
    return {};
}

void FakeMedia::attach(FakeRecorder &recorder)
{
    const auto previous = recorder.responder;
    recorder.responder = [this, previous](const QByteArray &line) {
        if (line.startsWith("07F6B"))
            return answer(line);
        return previous ? previous(line) : QList<QByteArray>();
    };
}

FakeMedia FakeMedia::example()
{
    FakeMedia fake;
    Medium sd1;
    sd1.folders = {
        {0, -1, "", {{"TAKE_001.wav", "48kHz\t24bit"}, {"TAKE_002.mp3", "44.1kHz\t320kbps"}}},
        {1, 0, "Concert", {{"Overture.wav", "96kHz\t24bit"}, {"Aria.wav", "96kHz\t24bit"}, {"Finale.wav", "96kHz\t24bit"}}},
        {2, 0, "Rehearsal", {}},
        {3, 1, "Concert\\Encore", {{"Encore.wav", "48kHz\t16bit"}}},
    };
    sd1.currentFolder = 1;
    sd1.currentFile = 2;
    fake.media.insert("00", sd1);
    Medium sd2;
    sd2.folders = {{0, -1, "", {}}};
    fake.media.insert("01", sd2);
    return fake;
}
