#pragma once

#include <QString>

// A newer version of an installed catalog app.
struct AppUpdate
{
    QString appID;
    QString installedVersion; // as the bundle or Homebrew names it; may be empty
    QString availableVersion; // as shown: "2.1.0" ("Update to 2.1.0")
    // The app updates itself and is not far behind: shown as "Updates itself" and left alone
    // unless the user asks.
    bool updatesItself = false;

    friend bool operator==(const AppUpdate &, const AppUpdate &) = default;
};
