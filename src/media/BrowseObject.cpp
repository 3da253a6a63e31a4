#include "BrowseObject.h"

#include "PropertyStore.h"

BrowseObject::BrowseObject(QObject *parent)
    : QObject(parent)
{
}

BrowseObject::BrowseObject(const QString &name, int number, int type, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_number(number)
    , m_type(type)
{
}

void BrowseObject::setName(const QString &value)
{
    storeProperty(this, m_name, value, &BrowseObject::nameChanged);
}

void BrowseObject::setNumber(int value)
{
    storeProperty(this, m_number, value, &BrowseObject::numberChanged);
}

void BrowseObject::setType(int value)
{
    storeProperty(this, m_type, value, &BrowseObject::typeChanged);
}

void BrowseObject::setInfo(const QString &value)
{
    storeProperty(this, m_info, value, &BrowseObject::infoChanged);
}

void BrowseObject::resetObject()
{
    setName(QString());
    setNumber(-1);
    setType(None);
    setInfo(QString());
}
