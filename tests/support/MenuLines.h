#pragma once

#include "Menu.h"

#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <initializer_list>

// The menu's command and reply lines, written the way the recorder writes
// them, for tests that feed Menu directly and assert the exact requests.
// Replies are the text after "FF6AFA"; requests are whole lines with CR LF.
namespace MenuLines {

// A node field: the number in two digits and "00".
inline QString node(int n)
{
    return QString::asprintf("%02d00", n);
}

// A pair-encoded number: low pair first ("0100" is 1).
inline QString pair(int n)
{
    return QString::asprintf("%02d%02d", n % 100, n / 100);
}

inline QString nodes(std::initializer_list<int> numbers)
{
    QString text;
    for (const int n : numbers)
        text += node(n);
    return text;
}

inline QString pageCount(int count) { return QString::asprintf("10%02d", count); }
inline QString pageName(int p, const QString &name) { return "20" + node(p) + name; }
inline QString itemCount(int p, int count) { return "11" + node(p) + QString::asprintf("%02d00", count); }
inline QString itemName(int p, int j, const QString &name) { return "21" + nodes({p, j}) + name; }
inline QString subitemCount(int p, int j, int count)
{
    return "13" + nodes({p, j}) + QString::asprintf("%02d00", count);
}
inline QString subitemName(int p, int j, int k, const QString &name) { return "23" + nodes({p, j, k}) + name; }
inline QString parameters(int p, int j, int k, int count, int type, bool readOnly = false, bool visible = true)
{
    return "14" + nodes({p, j, k}) + pair(count) + QString::asprintf("%02d%02d%02d", type, readOnly, visible);
}
inline QString option(int p, int j, int k, int index, const QString &name)
{
    return "24" + nodes({p, j, k}) + pair(index) + name;
}
inline QString value(int p, int j, int k, int v) { return "01" + nodes({p, j, k}) + pair(v); }

// A request line: "07F6A7A", the sub-command, the node fields, the value.
inline QByteArray request(const char *subCommand, std::initializer_list<int> numbers, int v = -1)
{
    QString line = QLatin1String("07F6A7A") + QLatin1String(subCommand) + nodes(numbers);
    if (v >= 0)
        line += pair(v);
    return line.toLatin1() + "\r\n";
}

// The whole state of a tree in one line, for tables that check that
// nothing else changed: per node its name, 'v' visible, 'c' complete; per
// subitem its type and options.
inline QString dump(const Menu &menu)
{
    QStringList pages;
    for (const MenuPage &page : menu.pages) {
        QStringList items;
        for (const MenuItem &item : page.items) {
            QStringList subitems;
            for (const MenuSubitem &s : item.subitems)
                subitems.append(QStringLiteral("%1%2%3%4 t%5(%6)")
                                    .arg(s.name, s.visible ? "v" : "-", s.complete ? "c" : "-", s.readOnly ? "r" : "")
                                    .arg(s.type)
                                    .arg(s.parameterNames.join(QLatin1Char(','))));
            items.append(QStringLiteral("%1%2%3[%4]")
                             .arg(item.name, item.visible ? "v" : "-", item.complete ? "c" : "-",
                                  subitems.join(QLatin1String("; "))));
        }
        pages.append(QStringLiteral("%1%2%3{%4}")
                         .arg(page.name, page.visible ? "v" : "-", page.complete ? "c" : "-",
                              items.join(QLatin1String(" "))));
    }
    return pages.join(QLatin1String(" | "));
}

} // namespace MenuLines

// Stands in for the menu screen's rows: a plain object whose properties
// Menu writes by name, with every write logged in order as
// "name.property=value".
class MenuRowLog : public QObject
{
public:
    // A row named `name`, owned by the log unless deleted earlier.
    QObject *row(const QString &name)
    {
        QObject *object = new QObject(this);
        object->setObjectName(name);
        object->installEventFilter(this);
        return object;
    }

    // A choice row as the screen builds it: showing no option yet.
    QObject *choiceRow(const QString &name, int optionCount)
    {
        QObject *object = row(name);
        object->setProperty("comboBoxCurrentIndex", optionCount);
        object->setProperty("visibleComboBox", true);
        writes.clear();
        return object;
    }

    QStringList writes;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::DynamicPropertyChange) {
            const QByteArray name = static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName();
            writes.append(watched->objectName() + QLatin1Char('.') + QString::fromLatin1(name) + QLatin1Char('=')
                          + watched->property(name.constData()).toString());
        }
        return false;
    }
};
