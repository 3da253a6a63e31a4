#pragma once

#include <QByteArray>
#include <QList>

class FakeRecorder;

// The recorder's device menu, played on a scripted recorder: every menu
// request ("07F6A7A" + sub-command + four-character number fields) gets the
// reply the recorder gives, from a small tree of pages, items, subitems,
// options and values. A set command ("03") changes the value silently.
class FakeMenu
{
public:
    struct Subitem
    {
        QByteArray name;
        int type = 0; // 0 choice list, 1 range
        bool readOnly = false;
        bool visible = true;
        QList<QByteArray> options;
        int value = 0;
    };
    struct Item
    {
        QByteArray name;
        QList<Subitem> subitems;
    };
    struct Page
    {
        QByteArray name;
        QList<Item> items;
    };

    QList<Page> pages;
    // Request-line prefixes whose next reply is lost, once each.
    QList<QByteArray> loseOnce;

    // The reply lines (with the leading "0", without CR LF) to one request
    // line (without CR LF); none for a request that is not for the menu, names
    // no node, or is lost.
    QList<QByteArray> answer(const QByteArray &request);
    // Answers every menu request of `recorder` from now on.
    void attach(FakeRecorder &recorder);

    // A small menu with every kind of node the application treats apart:
    // hidden pages and items, titles cut at their numbers, the input select,
    // gain, phantom and level subitems, the media rows, read-only texts, a
    // range, a hidden subitem and a list without options.
    static FakeMenu example();
    // A menu of the size a recorder shows: the example's pages and a dozen
    // more, some hidden, of choice lists, ranges and read-only texts.
    static FakeMenu full();

    // The request lines of a whole download of this menu, each once, in the
    // order of the cascade: each reply's follow-up requests after those
    // already sent. On the wire they may interleave where the link reads a
    // reply while it still sends a batch.
    QList<QByteArray> downloadRequests() const;

private:
    const Item *item(int page, int item) const;
    Subitem *subitem(int page, int item, int subitem);
};
