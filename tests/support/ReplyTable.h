#pragma once

#include <QMap>
#include <QSignalSpy>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class FakeRecorder;

// Every emission of the signals that the watched objects declare themselves,
// as texts such as statusIconChanged(17), playModeChanged("SINGLE") or
// mark.markClear().
class Emissions
{
public:
    void watch(QObject *object, const QString &prefix = QString());
    void clear();

    // Grouped by object and signal in the order watched and declared; the
    // emissions of one signal in the order they came.
    QStringList all() const;

    // `expected` in the order of all(), keeping its order within one signal.
    QStringList ordered(QStringList expected) const;

    // The signal's name in an emission text: "mark.markClear" of "mark.markClear()".
    static QString nameOf(const QString &emission);

private:
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QStringList names;
};

// Tables of reply lines fed to a backend object: what they store, what they
// signal and what they send back to the recorder.
//
// The tables share one form. `setup` runs first and is not observed; `lines`
// are then fed one after the other. `state` lists "name=value" pairs to hold
// afterwards, `emitted` every signal expected from the watched objects (in
// any order across signals, in order within one signal). Every value of the
// snapshot that neither appears in `state` nor has a signal in `emitted` must
// keep its value. Tables over the link also give the bytes the recorder must
// receive ("sent").
//
// A step "@name" or "@name=argument" runs the action registered under that
// name; any other step is a reply line for the feeder.
class ReplyTable
{
public:
    using Feeder = std::function<void(const QString &line)>;
    using Action = std::function<void(const QString &argument)>;
    using Value = std::function<QString()>;

    explicit ReplyTable(Feeder feeder);

    // Watches the signals that `object` declares, named after `prefix`.
    void watchSignals(QObject *object, const QString &prefix = QString());
    // Adds the properties that `object` declares to the snapshot, by name.
    void watchProperties(QObject *object);
    // Adds a value that is no property to the snapshot.
    void addValue(const QString &name, Value value);
    void addAction(const QString &name, Action action);

    void apply(const QString &step);
    QString value(const QString &name) const;
    QMap<QString, QString> snapshot() const;

    // The columns setup, lines, state and emitted; with the link also sent.
    static void addColumns(bool linked);

    // Runs the current row up to the bytes: the setup (whose bytes are then
    // forgotten when a recorder is given), the lines, and the checks of the
    // state, the emissions and the values that must not move.
    void run(FakeRecorder *recorder = nullptr);

    // Compares what the recorder received once quiet with the row's "sent".
    static void compareSent(FakeRecorder &recorder);

    Emissions emissions;

private:
    Feeder feeder;
    QMap<QString, Action> actions;
    QMap<QString, Value> values;
    std::vector<std::pair<QObject *, QByteArray>> properties;
};
