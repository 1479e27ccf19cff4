#pragma once

#include <QString>

// How an installed application got onto the Mac, which decides how it is removed.
struct InstallMethod
{
    enum class Kind { HomebrewCask, DirectApp };
    Kind kind = Kind::DirectApp;
    QString value; // the cask token, or the bundle's absolute path

    static InstallMethod homebrewCask(const QString &token) { return { Kind::HomebrewCask, token }; }
    static InstallMethod directApp(const QString &bundlePath) { return { Kind::DirectApp, bundlePath }; }

    QString token() const { return kind == Kind::HomebrewCask ? value : QString(); }
    QString bundlePath() const { return kind == Kind::DirectApp ? value : QString(); }

    friend bool operator==(const InstallMethod &, const InstallMethod &) = default;
};
