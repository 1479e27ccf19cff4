#pragma once

#include "engine/Environment.h"
#include "engine/Outcome.h"

#include <QCoreApplication>
#include <QString>

// Puts an application bundle into an Applications folder. An older copy is replaced only once the
// new one is complete beside it, and goes to the Trash, so a failure at any step leaves the older
// copy as it was and a success leaves it where the user can get it back.
class BundlePlacer
{
public:
    // The system Applications folder (the first of env.applicationFolders) when this user may
    // write to it; otherwise the home folder's, created if missing.
    static QString destinationFolder(const Environment &env);

    // Copies bundle into folder under its own folder name (or under name, when given: an update
    // keeps the installed copy's) and returns the placed path.
    static Outcome<QString> place(const QString &bundle, const QString &folder, const QString &name = {});

    Q_DECLARE_TR_FUNCTIONS(BundlePlacer)
};
