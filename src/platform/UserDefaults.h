#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class UserDefaultsStore;

// Booleans and strings kept by key across runs, with keys stored exactly as written
// ("orvando.analytics_opt_in", "hasSeenWelcome"). Safe to use from any thread.
class UserDefaults : public QObject
{
    Q_OBJECT

public:
    // The program's own store, created on first use.
    static UserDefaults &standard();
    // Points the standard store at another location, e.g. a file in a test's temporary folder;
    // an empty location restores the default one.
    static void setStandardLocation(const QString &location);

    // A store of its own: a settings file path here, a defaults suite name on macOS. An empty
    // location means the program's default store.
    explicit UserDefaults(const QString &location, QObject *parent = nullptr);
    ~UserDefaults() override;

    QString location() const;

    bool boolValue(const QString &key, bool defaultValue = false) const;
    std::optional<QString> stringValue(const QString &key) const;
    bool contains(const QString &key) const;

    void setBool(const QString &key, bool value);
    void setString(const QString &key, const QString &value);
    void remove(const QString &key);

Q_SIGNALS:
    // Emitted after a key was written or removed through any instance over the same store in this
    // process, from the thread that wrote it.
    void changed(const QString &key);

private:
    void repoint(const QString &location);
    void announce(const QString &key);

    mutable QMutex m_mutex;
    QString m_location;
    std::unique_ptr<UserDefaultsStore> m_store;
};
