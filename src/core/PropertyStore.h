#pragma once

#include <QString>
#include <QStringView>
#include <utility>

// The one way a backend class stores an observable property: write the value
// and emit its change signal, but only when the value really changed. The
// pages bind to dozens of these; a repeated value that signalled would redraw
// them several times a second for nothing.
//
// The change signal may carry the new value or nothing:
//     storeProperty(this, m_statusIcon, 17, &Communication::statusIconChanged);
//     storeProperty(this, showRefresh, true, &UdpPowerControl::showRefreshChanged);
namespace PropertyStore {

// A text property takes views and Latin-1 literals without a copy when the
// value is unchanged: the comparison comes first, the copy only on a change.
inline void assign(QString &member, QStringView value) { member = value.toString(); }
inline void assign(QString &member, QLatin1String value) { member = value; }
template <typename Member, typename Value>
void assign(Member &member, Value &&value)
{
    member = std::forward<Value>(value);
}

template <typename Owner, typename Member, typename... Args>
void signal(Owner *owner, const Member &member, void (Owner::*changed)(Args...))
{
    if constexpr (sizeof...(Args) == 0) {
        Q_UNUSED(member)
        emit(owner->*changed)();
    } else {
        emit(owner->*changed)(member);
    }
}

} // namespace PropertyStore

// Stores `value` and signals `changed` when it differs from `member`; returns
// whether it did.
template <typename Owner, typename Member, typename Value, typename... Args>
bool storeProperty(Owner *owner, Member &member, Value &&value, void (Owner::*changed)(Args...))
{
    if (member == value)
        return false;
    PropertyStore::assign(member, std::forward<Value>(value));
    PropertyStore::signal(owner, member, changed);
    return true;
}

// Stores `value` and signals `changed` whether or not it differs: for the few
// replies whose every arrival the pages must see (the recorder's own refresh
// of a value they may have drawn over).
template <typename Owner, typename Member, typename Value, typename... Args>
void storeAndSignal(Owner *owner, Member &member, Value &&value, void (Owner::*changed)(Args...))
{
    if (!(member == value))
        PropertyStore::assign(member, std::forward<Value>(value));
    PropertyStore::signal(owner, member, changed);
}
