#pragma once

#include "engine/disk/LeftoverItem.h"
#include "engine/disk/ZapStanza.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Everything a removal of one app would take away, found before anything moves: the app's bundle,
// then each leftover that exists (the cask's zap entries and the eight Library locations named by
// the bundle id), the launch jobs to stop, and what was found but will never be touched.
struct RemovalPlan
{
    struct Source
    {
        QString home;
        QString bundleID; // may be empty
        std::optional<QString> bundlePath; // the installed bundle, if any
        ZapStanza zap; // empty for a direct download
        QStringList otherBundleIDs; // the other catalog apps', whose folders are never taken
    };

    std::optional<LeftoverItem> bundle;
    QList<LeftoverItem> leftovers;
    QStringList launchJobs; // labels: the zap's, and the launch agent named after the bundle id
    QStringList loginItems;
    QStringList refused; // "<path>: <why>"

    static RemovalPlan find(const Source &source);

    // Fills in every size, reading the disk: call it off the main thread.
    void measure();
    bool isMeasured() const;
    // Bytes of the bundle and, with data, of every leftover taken unless the user says otherwise.
    qint64 totalSize(bool withData) const;
    bool needsAdministrator() const;

    QJsonObject toJson() const;
};

// path with the home folder written as "~", the way the review and the command line show it.
QString shownPath(const QString &path, const QString &home);

// Bytes of a file or folder, not following links.
qint64 diskSize(const QString &path);
