#pragma once

#include "catalog/CatalogApp.h"
#include "engine/OperationOutcome.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>

class InstallEngine;

// One queue of installs (or updates, or removals) worked through on one engine, one app at a
// time, each through the coordinator like a single operation; a failure is noted and the queue
// goes on. Apps already in the state asked for, and casks Homebrew has disabled, are skipped. When
// the queue installs a cask and Homebrew is missing, Homebrew is set up once, first. Each app gets
// a heading line in the log ("==> Installing 3 of 12: Rectangle"). Nothing of a batch is saved:
// whenever the program starts again, during or after a batch, it shows what is on disk — what
// finished is installed, what did not is not. Main thread only.
class BatchInstaller : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        CatalogApp app;
        QString sentence; // why it failed or was skipped
    };
    struct Summary
    {
        AppOperation operation = AppOperation::Install;
        QList<CatalogApp> succeeded;
        QList<Entry> failed; // refused by another operation on the app counts as failed
        QList<Entry> skipped;
        QList<CatalogApp> cancelled; // stopped, or never started, after a cancel
        bool wasCancelled = false;

        // "11 installed, 1 failed: Shottr — <sentence>"; "updated" or "removed" for the others.
        QString text() const;
        // For "Try failed again".
        QList<CatalogApp> failedApps() const;
    };

    explicit BatchInstaller(InstallEngine *engine, QObject *parent = nullptr);

    // Works through apps (duplicates dropped) and gives the summary, also emitted as finished().
    // While a batch runs, another is refused at once with an empty summary.
    QCoro::Task<Summary> run(QList<CatalogApp> apps, AppOperation operation = AppOperation::Install);
    // run() for a caller that does not wait.
    void start(QList<CatalogApp> apps, AppOperation operation = AppOperation::Install);
    // Stops the app being worked on (brew and what it started get SIGTERM, then SIGKILL after 5
    // seconds; a download is aborted) and starts no other; the apps of the batch then show what the
    // disk holds. A Homebrew setup under way is let finish: cutting it off could leave a broken
    // Homebrew behind.
    void cancel();

    // Whether a queue that installs a cask without Homebrew sets Homebrew up first (the default);
    // without, such apps end needing Homebrew (the command line's --no-setup).
    void setHomebrewSetupAllowed(bool allowed) { m_setupAllowed = allowed; }

    bool isRunning() const { return m_running; }
    // The apps worked through, skipped ones not counted, and the 1-based place of the current one
    // (0 before the first).
    int total() const { return m_total; }
    int position() const { return m_position; }
    std::optional<CatalogApp> current() const { return m_current; }
    // "Installing 3 of 12: Rectangle", "Setting up Homebrew (one-time)."; empty when idle.
    QString progressText() const;
    const Summary &lastSummary() const { return m_summary; }

Q_SIGNALS:
    void runningChanged(bool running);
    // position(), current() or progressText() changed.
    void progressChanged();
    void appFinished(const CatalogApp &app, const OperationOutcome &outcome);
    void finished(const BatchInstaller::Summary &summary);

private:
    // Why app is left out of the queue, or nothing.
    std::optional<QString> skipReason(const CatalogApp &app, AppOperation operation) const;
    void setProgress(int position, std::optional<CatalogApp> current, bool settingUp = false);
    void setRunning(bool running);

    QPointer<InstallEngine> m_engine;
    AppOperation m_operation = AppOperation::Install;
    bool m_running = false;
    bool m_cancelRequested = false;
    bool m_settingUp = false;
    bool m_setupAllowed = true;
    int m_total = 0;
    int m_position = 0;
    std::optional<CatalogApp> m_current;
    Summary m_summary;
};
