#pragma once

#include <QByteArray>

#include <optional>

// Sets (or unsets) one variable of this process's environment and restores it when it goes out of
// scope. Child processes started meanwhile inherit it; tests use it for the fake tools' switches.
class ScopedEnvironmentVariable
{
public:
    ScopedEnvironmentVariable(const char *name, std::optional<QByteArray> value)
        : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_previous = qgetenv(name);
        set(value);
    }
    ~ScopedEnvironmentVariable() { set(m_previous); }

    ScopedEnvironmentVariable(const ScopedEnvironmentVariable &) = delete;
    ScopedEnvironmentVariable &operator=(const ScopedEnvironmentVariable &) = delete;

private:
    void set(const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv(m_name.constData(), *value);
        else
            qunsetenv(m_name.constData());
    }

    QByteArray m_name;
    std::optional<QByteArray> m_previous;
};
