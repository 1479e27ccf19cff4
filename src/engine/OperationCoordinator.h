#pragma once

#include "catalog/CatalogApp.h"
#include "engine/InstallState.h"

#include <QCoroTask>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class RemovalHistory;
class QProcess;
class QTemporaryDir;

// What every window's engine shares, because they all act on one machine: which applications have
// an operation running, the one Homebrew setup, fresh temporary folders, the network access
// manager, and the child processes a quit or a cancel has to stop. Engines ask it before they start
// and hold a ticket until they end; a lock file per application, and one for the Homebrew setup, in
// lockFolder keep other processes of the user out as well. Lives on the main thread.
class OperationCoordinator : public QObject
{
    Q_OBJECT

public:
    // Ends the operation or setup it stands for when it goes out of scope. Empty when refused.
    class Ticket
    {
    public:
        Ticket() = default;
        Ticket(Ticket &&other) noexcept;
        Ticket &operator=(Ticket &&other) noexcept;
        Ticket(const Ticket &) = delete;
        Ticket &operator=(const Ticket &) = delete;
        ~Ticket();
        explicit operator bool() const { return !m_coordinator.isNull(); }

    private:
        friend class OperationCoordinator;
        Ticket(OperationCoordinator *coordinator, std::optional<QString> appID);
        void release();

        QPointer<OperationCoordinator> m_coordinator;
        std::optional<QString> m_appID; // absent for the Homebrew setup
    };

    // lockFolder empty: no lock files, only this process is coordinated.
    explicit OperationCoordinator(QString lockFolder = {}, QObject *parent = nullptr);
    ~OperationCoordinator() override;

    // The instance engines use when they are given none; one per process.
    static OperationCoordinator *shared();
    // Where the application keeps its lock files: a folder in the user's cache folder.
    static QString defaultLockFolder();

    // An install, update or removal of app by owner: refused (empty ticket) while any operation on
    // the same application runs, in this process or, through its lock file, in another.
    Ticket beginOperation(const CatalogApp &app, const QObject *owner);
    bool isBusy(const QString &appID) const { return m_operations.contains(appID); }
    bool hasRunningOperations() const { return !m_operations.isEmpty() || m_setupRunning; }
    // The latest state the owner reported for each application with an operation running.
    QHash<QString, InstallState> runningStates() const;
    // The owner's state changes while its operation runs; from anyone else it is ignored.
    void report(const QString &appID, const InstallState &state, const QObject *reporter);

    // The one Homebrew setup: refused while another runs, in this process or, through its lock
    // file, in another.
    Ticket beginSetup();
    bool setupRunning() const { return m_setupRunning; }
    // Resumes once no setup runs, here or in another process.
    QCoro::Task<> setupEnded();
    // The setup put brew in place: every engine looks for it again.
    void announceHomebrewReady() { Q_EMIT homebrewReady(); }

    // A new folder named "orvando-<label>-XXXXXX" in parent, only this user's, made for one
    // operation and never reused; removed (without following links) when the result is destroyed.
    // Null when none could be made.
    static std::unique_ptr<QTemporaryDir> makeWorkFolder(const QString &parent, const QString &label);

    QNetworkAccessManager *network();
    // The removals of this run that can be undone.
    RemovalHistory *removals();

    // Child processes that a quit has to stop, and a cancel of appID's operation when one is given;
    // a process is forgotten when it is destroyed. Call before it starts: it is started in a process
    // group of its own, and a stop signals the whole group.
    void trackProcess(QProcess *process, const QString &appID = {});
    // For a quit: refuses new operations from then on (a quit does not come back), asks every
    // tracked process to end (SIGTERM), waits up to the grace period for them, then kills what is
    // left of their groups.
    QCoro::Task<> stopAll();
    // For a program that ends at once: SIGTERM to every tracked process's group, without waiting.
    void terminateAll();
    bool isStopping() const { return m_stopping; }
    void setStopGrace(std::chrono::milliseconds grace) { m_stopGrace = grace; }

    // Asks the operation on appID, in this process, to stop: it is marked cancelled, told through
    // cancelRequested, and its tracked processes are stopped like stopAll does, in the background.
    // False when no operation on appID runs here.
    bool cancel(const QString &appID);
    // True from a cancel until the operation ends.
    bool isCancelled(const QString &appID) const;

Q_SIGNALS:
    // The owner of appID's operation set its state.
    void stateReported(const QString &appID, const InstallState &state, const QObject *owner);
    // The operation on app ended; ownerGone when its engine no longer exists to say how.
    void operationEnded(const CatalogApp &app, bool ownerGone);
    void setupRunningChanged(bool running);
    void homebrewReady();
    // cancel() was called for the operation on appID.
    void cancelRequested(const QString &appID);

private:
    struct Operation
    {
        CatalogApp app;
        QPointer<const QObject> owner;
        std::optional<InstallState> state;
        int lockFd = -1;
        bool cancelled = false;
    };
    struct TrackedProcess
    {
        QPointer<QProcess> process;
        QString appID; // empty: stopped only by a quit
    };

    void end(const QString &appID);
    void endSetup();
    // An open, locked lock file for appID, or -1 (*heldElsewhere set when another holder has it).
    int lockApp(const QString &appID, bool *heldElsewhere) const;
    int lock(const QString &name, bool *heldElsewhere) const;
    bool setupRunningElsewhere() const;
    // SIGTERM to each one's group, then SIGKILL to what is left of them after the grace period.
    QCoro::Task<> stop(QList<QPointer<QProcess>> processes);

    QString m_lockFolder;
    QHash<QString, Operation> m_operations;
    bool m_setupRunning = false;
    int m_setupLockFd = -1;
    bool m_stopping = false;
    QNetworkAccessManager *m_network = nullptr;
    RemovalHistory *m_removals = nullptr;
    QList<TrackedProcess> m_processes;
    std::chrono::milliseconds m_stopGrace { 5000 };
};
