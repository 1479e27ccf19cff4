#include "platform/UserDefaults.h"

#include "platform/UserDefaultsStore.h"

#include <QList>
#include <QMutexLocker>
#include <QPointer>

namespace {

// Every live instance, so a write through one reaches the observers of all that share its store.
QMutex s_registryMutex;
QList<UserDefaults *> s_instances;

QString resolved(const QString &location)
{
    return location.isEmpty() ? UserDefaultsStore::defaultLocation() : location;
}

} // namespace

UserDefaults &UserDefaults::standard()
{
    // Never destroyed: observers may still read it while the program shuts down.
    static UserDefaults *instance = new UserDefaults(QString());
    return *instance;
}

void UserDefaults::setStandardLocation(const QString &location)
{
    standard().repoint(location);
}

UserDefaults::UserDefaults(const QString &location, QObject *parent)
    : QObject(parent)
    , m_location(resolved(location))
    , m_store(std::make_unique<UserDefaultsStore>(m_location))
{
    QMutexLocker lock(&s_registryMutex);
    s_instances.append(this);
}

UserDefaults::~UserDefaults()
{
    QMutexLocker lock(&s_registryMutex);
    s_instances.removeOne(this);
}

void UserDefaults::repoint(const QString &location)
{
    QMutexLocker lock(&m_mutex);
    m_location = resolved(location);
    m_store = std::make_unique<UserDefaultsStore>(m_location);
}

QString UserDefaults::location() const
{
    QMutexLocker lock(&m_mutex);
    return m_location;
}

bool UserDefaults::boolValue(const QString &key, bool defaultValue) const
{
    QMutexLocker lock(&m_mutex);
    return m_store->boolValue(key).value_or(defaultValue);
}

std::optional<QString> UserDefaults::stringValue(const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    return m_store->stringValue(key);
}

bool UserDefaults::contains(const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    return m_store->contains(key);
}

void UserDefaults::setBool(const QString &key, bool value)
{
    {
        QMutexLocker lock(&m_mutex);
        m_store->setBool(key, value);
    }
    announce(key);
}

void UserDefaults::setString(const QString &key, const QString &value)
{
    {
        QMutexLocker lock(&m_mutex);
        m_store->setString(key, value);
    }
    announce(key);
}

void UserDefaults::remove(const QString &key)
{
    {
        QMutexLocker lock(&m_mutex);
        m_store->remove(key);
    }
    announce(key);
}

void UserDefaults::announce(const QString &key)
{
    const QString where = location();
    QList<QPointer<UserDefaults>> observers;
    {
        QMutexLocker lock(&s_registryMutex);
        for (UserDefaults *instance : std::as_const(s_instances)) {
            if (instance->location() == where)
                observers.append(instance);
        }
    }
    // Emitted outside the locks: a slot may well read or write the defaults again.
    for (const QPointer<UserDefaults> &observer : observers) {
        if (observer)
            Q_EMIT observer->changed(key);
    }
}
