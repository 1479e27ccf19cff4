#include "platform/UserDefaultsStore.h"

#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

struct UserDefaultsStore::Impl
{
    explicit Impl(const QString &path)
        : settings(path, QSettings::IniFormat)
    {
    }
    QSettings settings;
};

// Under QStandardPaths' test mode this lands in the test configuration folder.
QString UserDefaultsStore::defaultLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/Orvando/Orvando.ini"_s;
}

UserDefaultsStore::UserDefaultsStore(const QString &location)
    : d(std::make_unique<Impl>(location))
{
}

UserDefaultsStore::~UserDefaultsStore() = default;

std::optional<bool> UserDefaultsStore::boolValue(const QString &key) const
{
    // The file keeps every value as text.
    const QVariant value = d->settings.value(key);
    if (!value.isValid())
        return std::nullopt;
    return boolFromText(value.toString());
}

std::optional<QString> UserDefaultsStore::stringValue(const QString &key) const
{
    const QVariant value = d->settings.value(key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

bool UserDefaultsStore::contains(const QString &key) const
{
    return d->settings.contains(key);
}

void UserDefaultsStore::setBool(const QString &key, bool value)
{
    d->settings.setValue(key, value);
    d->settings.sync();
}

void UserDefaultsStore::setString(const QString &key, const QString &value)
{
    d->settings.setValue(key, value);
    d->settings.sync();
}

void UserDefaultsStore::remove(const QString &key)
{
    d->settings.remove(key);
    d->settings.sync();
}
