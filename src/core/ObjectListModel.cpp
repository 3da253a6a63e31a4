#include "ObjectListModel.h"

#include "RootContext.h"

#include <QQmlContext>
#include <QVariant>

namespace ObjectListModel {

void publish(const QString &name, const QList<QObject *> &list)
{
    if (rootContext)
        rootContext->setContextProperty(name, QVariant::fromValue(list));
}

void replace(const QString &name, QList<QObject *> &list, QList<QObject *> next)
{
    const QList<QObject *> old = std::exchange(list, std::move(next));
    publish(name, list);
    for (QObject *element : old) {
        if (!list.contains(element))
            element->deleteLater();
    }
}

} // namespace ObjectListModel
