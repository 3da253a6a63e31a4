#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The object-list models that the pages draw (the machine list, the folder
// listing, the timer events): a list of QObjects whose properties are the
// roles, handed to QML whole as a context property.
namespace ObjectListModel {

// Hands `list` to QML as the context property `name` (nothing before the
// engine exists).
void publish(const QString &name, const QList<QObject *> &list);

// Makes `next` the list and publishes it; the elements of the old list that
// `next` no longer holds are deleted later, from the event loop, never while
// the views that showed them may still read them.
void replace(const QString &name, QList<QObject *> &list, QList<QObject *> next);

} // namespace ObjectListModel
