#pragma once

#include <QString>

#include <memory>
#include <optional>

// The system's storage behind UserDefaults: QSettings here, CFPreferences on macOS (whose QSettings
// backend would rewrite "." in keys). Not thread-safe on its own; UserDefaults serialises access.
class UserDefaultsStore
{
public:
    // The location of the program's own store, as UserDefaults names it.
    static QString defaultLocation();

    explicit UserDefaultsStore(const QString &location);
    ~UserDefaultsStore();
    UserDefaultsStore(const UserDefaultsStore &) = delete;
    UserDefaultsStore &operator=(const UserDefaultsStore &) = delete;

    // A stored boolean or number (non-zero is true), or text holding one of those ("true", "YES",
    // "0"…); anything else counts as absent, so the caller's default applies.
    std::optional<bool> boolValue(const QString &key) const;
    std::optional<QString> stringValue(const QString &key) const;
    bool contains(const QString &key) const;
    void setBool(const QString &key, bool value);
    void setString(const QString &key, const QString &value);
    void remove(const QString &key);

    // "true"/"yes" and "false"/"no" in any case, or an integer; nothing for other text.
    static std::optional<bool> boolFromText(const QString &text);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
