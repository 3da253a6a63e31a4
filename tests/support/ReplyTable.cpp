#include "ReplyTable.h"

#include "FakeRecorder.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QTest>
#include <algorithm>

namespace {

QString describe(const QVariant &value)
{
    if (value.userType() == QMetaType::QString)
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    return value.toString();
}

} // namespace

void Emissions::watch(QObject *object, const QString &prefix)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Signal)
            continue;
        const QByteArray signal = "2" + method.methodSignature();
        spies.push_back(std::make_unique<QSignalSpy>(object, signal.constData()));
        names.append(prefix + QString::fromLatin1(method.name()));
    }
}

void Emissions::clear()
{
    for (const auto &spy : spies)
        spy->clear();
}

QStringList Emissions::all() const
{
    QStringList result;
    for (size_t i = 0; i < spies.size(); ++i) {
        for (const QList<QVariant> &args : *spies[i]) {
            QStringList texts;
            for (const QVariant &arg : args)
                texts.append(describe(arg));
            result.append(names.at(int(i)) + QLatin1Char('(') + texts.join(QLatin1String(", ")) + QLatin1Char(')'));
        }
    }
    return result;
}

QStringList Emissions::ordered(QStringList expected) const
{
    std::stable_sort(expected.begin(), expected.end(), [this](const QString &a, const QString &b) {
        return names.indexOf(nameOf(a)) < names.indexOf(nameOf(b));
    });
    return expected;
}

QString Emissions::nameOf(const QString &emission)
{
    return emission.left(emission.indexOf(QLatin1Char('(')));
}

ReplyTable::ReplyTable(Feeder feeder)
    : feeder(std::move(feeder))
{
}

void ReplyTable::watchSignals(QObject *object, const QString &prefix)
{
    emissions.watch(object, prefix);
}

void ReplyTable::watchProperties(QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        properties.emplace_back(object, QByteArray(meta->property(i).name()));
}

void ReplyTable::addValue(const QString &name, Value value)
{
    values.insert(name, std::move(value));
}

void ReplyTable::addAction(const QString &name, Action action)
{
    actions.insert(name, std::move(action));
}

void ReplyTable::apply(const QString &step)
{
    if (!step.startsWith(QLatin1Char('@'))) {
        feeder(step);
        return;
    }
    const int equals = step.indexOf(QLatin1Char('='));
    const QString name = step.mid(1, equals < 0 ? -1 : equals - 1);
    const auto action = actions.constFind(name);
    QVERIFY2(action != actions.cend(), qPrintable(QStringLiteral("no action %1").arg(step)));
    (*action)(equals < 0 ? QString() : step.mid(equals + 1));
}

QString ReplyTable::value(const QString &name) const
{
    const auto registered = values.constFind(name);
    if (registered != values.cend())
        return (*registered)();
    for (const auto &property : properties) {
        if (property.second == name.toLatin1())
            return property.first->property(property.second.constData()).toString();
    }
    return QStringLiteral("<no such property>");
}

QMap<QString, QString> ReplyTable::snapshot() const
{
    QMap<QString, QString> result;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        result.insert(it.key(), it.value()());
    for (const auto &property : properties) {
        const QString name = QString::fromLatin1(property.second);
        result.insert(name, value(name));
    }
    return result;
}

void ReplyTable::addColumns(bool linked)
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("state");
    QTest::addColumn<QStringList>("emitted");
    if (linked)
        QTest::addColumn<QByteArray>("sent");
}

void ReplyTable::run(FakeRecorder *recorder)
{
    QFETCH(QStringList, setup);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, state);
    QFETCH(QStringList, emitted);

    for (const QString &step : qAsConst(setup))
        apply(step);
    if (recorder && !setup.isEmpty()) {
        recorder->receivedOnceQuiet(50);
        recorder->clearReceived();
    }
    emissions.clear();
    const QMap<QString, QString> before = snapshot();

    for (const QString &line : qAsConst(lines))
        apply(line);

    // Stored and signalled synchronously, inside the handler.
    QStringList named;
    for (const QString &entry : qAsConst(state)) {
        const QString name = entry.left(entry.indexOf(QLatin1Char('=')));
        named.append(name);
        QCOMPARE(name + QLatin1Char('=') + value(name), entry);
    }
    QCOMPARE(emissions.all().join(QLatin1String(" | ")), emissions.ordered(emitted).join(QLatin1String(" | ")));
    QStringList signalled;
    for (const QString &emission : qAsConst(emitted))
        signalled.append(Emissions::nameOf(emission));
    const QMap<QString, QString> after = snapshot();
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (it.value() == before.value(it.key()) || named.contains(it.key())
            || signalled.contains(it.key() + QLatin1String("Changed")))
            continue;
        QFAIL(qPrintable(QStringLiteral("%1 changed from %2 to %3").arg(it.key(), before.value(it.key()), it.value())));
    }
}

void ReplyTable::compareSent(FakeRecorder &recorder)
{
    QFETCH(QByteArray, sent);
    QCOMPARE(recorder.receivedOnceQuiet(), sent);
}
