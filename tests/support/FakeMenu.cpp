#include "FakeMenu.h"

#include "FakeRecorder.h"
#include "MenuLines.h"

namespace {

const QByteArray prefix = "07F6A7A";

// The node number in field `index` of a request: two decimal digits at the
// start of each four-character field after the sub-command; -1 when absent.
int node(const QByteArray &request, int index)
{
    const int at = prefix.size() + 2 + 4 * index;
    if (request.size() < at + 4)
        return -1;
    bool ok = false;
    const int number = request.mid(at, 2).toInt(&ok);
    return ok ? number : -1;
}

// A pair-encoded four-character number of the request; -1 when absent.
int pairNumber(const QByteArray &request, int index)
{
    const int at = prefix.size() + 2 + 4 * index;
    if (request.size() < at + 4)
        return -1;
    bool low = false;
    bool high = false;
    const int value = request.mid(at, 2).toInt(&low) + 100 * request.mid(at + 2, 2).toInt(&high);
    return low && high ? value : -1;
}

// A reply line as the recorder sends it: "0FF6AFA" and the reply text.
QList<QByteArray> reply(const QString &text)
{
    return {"0FF6AFA" + text.toUtf8()};
}

QString text(const QByteArray &name)
{
    return QString::fromUtf8(name);
}

// A request line without its CR LF.
QByteArray request(const char *sub, std::initializer_list<int> nodes, int number = -1)
{
    return MenuLines::request(sub, nodes, number).chopped(2);
}

bool hiddenPage(const QByteArray &name)
{
    static const char *const names[] = {"PLAYLIST", "CD",     "MARK LIST", "NETWORK 1", "NETWORK 2",
                                        "FTP CLIENT", "SNTP", "SYSTEM 1",  "SYSTEM 2"};
    for (const char *hidden : names) {
        if (name.trimmed() == hidden)
            return true;
    }
    return false;
}

bool hiddenItem(const QByteArray &name)
{
    return name.trimmed() == "REMOTE POWER CONTROL";
}

// Subitems of the example menus: a list of choices, and a value shown only.
FakeMenu::Subitem choice(const QByteArray &name, QList<QByteArray> options, int value = 0)
{
    FakeMenu::Subitem s;
    s.name = name;
    s.options = std::move(options);
    s.value = value;
    return s;
}

FakeMenu::Subitem shown(const QByteArray &name, const QByteArray &text)
{
    FakeMenu::Subitem s;
    s.name = name;
    s.readOnly = true;
    s.options = {text};
    return s;
}

} // namespace

const FakeMenu::Item *FakeMenu::item(int page, int item) const
{
    if (page < 0 || page >= pages.size() || item < 0 || item >= pages[page].items.size())
        return nullptr;
    return &pages[page].items[item];
}

FakeMenu::Subitem *FakeMenu::subitem(int page, int itemIndex, int subitemIndex)
{
    if (!item(page, itemIndex))
        return nullptr;
    QList<Subitem> &subitems = pages[page].items[itemIndex].subitems;
    return subitemIndex >= 0 && subitemIndex < subitems.size() ? &subitems[subitemIndex] : nullptr;
}

QList<QByteArray> FakeMenu::answer(const QByteArray &line)
{
    if (!line.startsWith(prefix) || line.size() < prefix.size() + 2)
        return {};
    for (int i = 0; i < loseOnce.size(); ++i) {
        if (line.startsWith(loseOnce.at(i))) {
            loseOnce.removeAt(i);
            return {};
        }
    }
    const QByteArray sub = line.mid(prefix.size(), 2);
    const int p = node(line, 0);
    const int j = node(line, 1);
    const int k = node(line, 2);
    using namespace MenuLines;

    if (sub == "10")
        return reply("10" + node(pages.size()));
    if (p < 0 || p >= pages.size())
        return {};
    if (sub == "20")
        return reply(pageName(p, text(pages[p].name)));
    if (sub == "11")
        return reply(itemCount(p, pages[p].items.size()));
    const Item *theItem = item(p, j);
    if (!theItem)
        return {};
    if (sub == "21")
        return reply(itemName(p, j, text(theItem->name)));
    if (sub == "13")
        return reply(subitemCount(p, j, theItem->subitems.size()));
    Subitem *s = subitem(p, j, k);
    if (!s)
        return {};
    if (sub == "23")
        return reply(subitemName(p, j, k, text(s->name)));
    if (sub == "14")
        return reply(parameters(p, j, k, s->options.size(), s->type, s->readOnly, s->visible));
    if (sub == "24") {
        const int index = pairNumber(line, 3);
        if (index < 0 || index >= s->options.size())
            return {};
        return reply(option(p, j, k, index, text(s->options.at(index))));
    }
    if (sub == "01")
        return reply(value(p, j, k, s->value));
    if (sub == "03") {
        const int newValue = pairNumber(line, 3);
        if (newValue >= 0)
            s->value = newValue;
        return {};
    }
    return {};
}

void FakeMenu::attach(FakeRecorder &recorder)
{
    recorder.responder = [this](const QByteArray &line) { return answer(line); };
}

QList<QByteArray> FakeMenu::downloadRequests() const
{
    QList<QByteArray> sent;
    const auto follow = [&](const QByteArray &line) { sent.append(line); };
    follow(prefix + "10");
    // Each request in turn brings the follow-ups of its reply.
    for (int next = 0; next < sent.size(); ++next) {
        const QByteArray line = sent.at(next);
        const QByteArray sub = line.mid(prefix.size(), 2);
        const int p = node(line, 0);
        const int j = node(line, 1);
        const int k = node(line, 2);
        if (sub == "10") {
            for (int i = 0; i < pages.size(); ++i)
                follow(request("20", {i}));
        } else if (sub == "20") {
            if (!hiddenPage(pages[p].name))
                follow(request("11", {p}));
        } else if (sub == "11") {
            for (int i = 0; i < pages[p].items.size(); ++i)
                follow(request("21", {p, i}));
        } else if (sub == "21") {
            if (!hiddenItem(pages[p].items[j].name))
                follow(request("13", {p, j}));
        } else if (sub == "13") {
            for (int i = 0; i < pages[p].items[j].subitems.size(); ++i)
                follow(request("23", {p, j, i}));
        } else if (sub == "23") {
            follow(request("14", {p, j, k}));
        } else if (sub == "14" || sub == "24") {
            const Subitem &s = pages[p].items[j].subitems[k];
            const int option = sub == "14" ? 0 : pairNumber(line, 3) + 1;
            if (s.type == 0 && option < s.options.size())
                follow(request("24", {p, j, k}, option));
        }
    }
    return sent;
}

FakeMenu FakeMenu::example()
{
    Subitem range;
    range.name = "SKIP BACK";
    range.type = 1;
    range.value = 150;
    Subitem hiddenSubitem = choice("SERVICE", {"A", "B"});
    hiddenSubitem.visible = false;
    const QList<QByteArray> gains = {"0dB", "+6dB", "+12dB"};
    const QList<QByteArray> offOn = {"OFF", "ON"};

    FakeMenu menu;
    menu.pages = {
        {"INPUT 1",
         {{"INPUT SELECT", {choice("INPUT SELECT", {"LINE", "MIC", "DIGITAL"}, 1)}},
          {"INPUT GAIN", {choice("INPUT GAIN Lch", gains), choice("INPUT GAIN Rch", gains, 2)}},
          {"PHANTOM", {choice("PHANTOM(+48V)Lch", offOn, 1), choice("PHANTOM(+48V)Rch", offOn)}},
          {"LEVEL", {choice("INPUT LEVEL(L)", {"-10dB", "0dB"}), choice("INPUT LEVEL(R)", {"-10dB", "0dB"}, 1)}}}},
        {"INPUT 2",
         {{"STEREO/MONO", {choice("STEREO/MONO", {"STEREO", "MONO"})}},
          {"REMOTE POWER CONTROL", {choice("POWER", offOn)}}}},
        {"SYSTEM 1", {{"CLOCK", {choice("CLOCK", {"12H", "24H"})}}}},
        {"MEDIA",
         {{"CURRENT MEDIA", {choice("SD1", offOn), choice("SD2", offOn), choice("USB", offOn)}},
          {"MEDIA INFO",
           {shown("CAPACITY", "32GB"), shown("AVAILABLE", "30GB"), shown("FOLDER", "ROOT")}}}},
        {"PLAY",
         {{"PLAY AREA", {choice("PLAY AREA", {"ALL", "FOLDER", "PLAYLIST"})}},
          {"REC FORMAT", {choice("REC FORMAT", {"WAV", "MP3"}, 1)}},
          {"SKIP BACK", {range}},
          {"OPTIONS", {hiddenSubitem, choice("EMPTY LIST", {})}}}},
    };
    return menu;
}

FakeMenu FakeMenu::full()
{
    const auto range = [](const QByteArray &name, int value) {
        Subitem s;
        s.name = name;
        s.type = 1;
        s.value = value;
        return s;
    };
    const auto single = [](const Subitem &s) { return Item{s.name, {s}}; };
    const QList<QByteArray> offOn = {"OFF", "ON"};
    const QList<QByteArray> levels = {"-20dB", "-18dB", "-16dB", "-14dB", "-12dB", "-10dB", "-8dB", "-6dB",
                                      "-4dB",  "-2dB",  "0dB",   "+2dB",  "+4dB",  "+6dB"};
    const QList<QByteArray> seconds = {"1s", "2s", "3s", "5s", "10s", "15s", "30s", "60s"};

    FakeMenu menu = example();
    menu.pages += {
        {"REC 1",
         {single(choice("SAMPLING FREQ", {"44.1kHz", "48kHz", "88.2kHz", "96kHz", "176.4kHz", "192kHz"}, 1)),
          single(choice("BIT LENGTH", {"16bit", "24bit"}, 1)),
          single(choice("PRE REC", {"OFF", "1s", "2s", "3s", "4s", "5s"})),
          single(choice("REC TRIGGER", offOn)),
          {"TRIGGER LEVEL", {choice("START LEVEL", levels, 4), choice("STOP LEVEL", levels, 2)}}}},
        {"REC 2",
         {single(choice("AUTO TRACK", {"OFF", "LEVEL", "TIME", "DIGITAL"})),
          single(choice("TRACK TIME", seconds, 4)),
          single(choice("FILE NAME", {"DATE", "USER", "COUNTER"})),
          single(choice("DUAL REC", offOn)),
          single(range("REC DELAY", 20))}},
        {"PLAY 2",
         {single(choice("PLAY MODE", {"CONTINUE", "SINGLE", "PROGRAM", "RANDOM"})),
          single(choice("RESUME", offOn, 1)),
          single(choice("AUTO CUE", offOn)),
          single(choice("AUTO READY", offOn)),
          single(choice("INCR PLAY", offOn)),
          single(range("FADE IN", 50)),
          single(range("FADE OUT", 80))}},
        {"OUTPUT",
         {single(choice("OUTPUT LEVEL", levels, 10)),
          single(choice("HEADPHONE", {"STEREO", "MONO", "L", "R"})),
          single(choice("DIGITAL OUT", {"AUTO", "44.1kHz", "48kHz", "96kHz"})),
          single(choice("DITHER", offOn))}},
        {"DISPLAY",
         {single(choice("BRIGHTNESS", {"1", "2", "3", "4", "5"}, 2)),
          single(choice("CONTRAST", {"1", "2", "3", "4", "5", "6", "7", "8"}, 4)),
          single(choice("METER HOLD", {"OFF", "1s", "2s", "INFINITE"})),
          single(choice("PEAK HOLD", offOn, 1)),
          single(choice("TIME DISPLAY", {"ELAPSED", "REMAIN", "TOTAL"}))}},
        {"PLAYLIST", {single(choice("EDIT", offOn))}},
        {"CD", {single(choice("CD TEXT", offOn)), single(choice("CD PLAY MODE", {"NORMAL", "PROGRAM"}))}},
        {"MARK LIST", {single(choice("MARK", offOn))}},
        {"NETWORK 1",
         {single(shown("IP ADDRESS", "192.168.0.10")), single(shown("SUBNET MASK", "255.255.255.0")),
          single(choice("DHCP", offOn, 1))}},
        {"NETWORK 2", {single(shown("MAC ADDRESS", "00-11-22-33-44-55"))}},
        {"FTP CLIENT", {single(choice("FTP", offOn))}},
        {"SNTP", {single(choice("SNTP", offOn)), single(shown("SERVER", "0.0.0.0"))}},
        {"SYSTEM 2", {single(shown("VERSION", "1.00")), single(choice("PANEL LOCK", offOn))}},
        {"PREFERENCE",
         {single(choice("KEY LOCK", offOn)),
          single(choice("REMOTE", offOn, 1)),
          single(choice("POWER ON PLAY", offOn)),
          single(choice("AUTO POWER SAVE", {"OFF", "10min", "30min", "60min"})),
          single(choice("LANGUAGE", {"ENGLISH", "DEUTSCH", "FRANCAIS", "ESPANOL"}))}},
    };
    return menu;
}
