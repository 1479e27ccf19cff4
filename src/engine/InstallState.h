#pragma once

#include "engine/DownloadProgress.h"
#include "engine/FailureKind.h"

#include <QString>
#include <QtGlobal>

// The install state of one catalog application, as the cards show it.
struct InstallState
{
    enum class Kind { Installing, Uninstalling, Failed, NotInstalled, Installed, NeedsHomebrew };
    Kind kind = Kind::NotInstalled;
    QString text; // progress note or failure sentence; empty for the other kinds
    FailureKind failure = FailureKind::Unknown; // Failed only: what went wrong
    qint64 logLine = 0; // Failed only: id of the log line that explains it, 0 when none does
    QString path = {}; // Failed with AlreadyInstalled: the app in the way, when brew named it
    DownloadProgress progress = {}; // Installing only: how far its download has come, when measured

    static InstallState installing(const QString &note) { return { Kind::Installing, note }; }
    static InstallState downloading(const QString &note, const DownloadProgress &progress)
    {
        return { Kind::Installing, note, FailureKind::Unknown, 0, {}, progress };
    }
    static InstallState uninstalling(const QString &note) { return { Kind::Uninstalling, note }; }
    static InstallState failed(const QString &sentence, FailureKind failure = FailureKind::Unknown, qint64 logLine = 0,
        const QString &path = {})
    {
        return { Kind::Failed, sentence, failure, logLine, path };
    }
    static InstallState notInstalled() { return { Kind::NotInstalled, {} }; }
    static InstallState installed() { return { Kind::Installed, {} }; }
    static InstallState needsHomebrew() { return { Kind::NeedsHomebrew, {} }; }

    // Same case and same text: the class, the log line and the path only add detail to a failure's sentence.
    friend bool operator==(const InstallState &a, const InstallState &b)
    {
        return a.kind == b.kind && a.text == b.text;
    }
    bool sameInEveryDetail(const InstallState &other) const
    {
        return *this == other && failure == other.failure && logLine == other.logLine && path == other.path
            && progress == other.progress;
    }
};
