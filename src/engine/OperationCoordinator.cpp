#include "engine/OperationCoordinator.h"

#include "engine/Detached.h"
#include "engine/ProcessGroup.h"
#include "engine/RemovalHistory.h"

#include <QCoreApplication>
#include <QCoroSignal>
#include <QCoroTimer>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

OperationCoordinator::Ticket::Ticket(OperationCoordinator *coordinator, std::optional<QString> appID)
    : m_coordinator(coordinator)
    , m_appID(std::move(appID))
{
}

OperationCoordinator::Ticket::Ticket(Ticket &&other) noexcept
    : m_coordinator(std::exchange(other.m_coordinator, nullptr))
    , m_appID(std::move(other.m_appID))
{
}

OperationCoordinator::Ticket &OperationCoordinator::Ticket::operator=(Ticket &&other) noexcept
{
    if (this != &other) {
        release();
        m_coordinator = std::exchange(other.m_coordinator, nullptr);
        m_appID = std::move(other.m_appID);
    }
    return *this;
}

OperationCoordinator::Ticket::~Ticket()
{
    release();
}

void OperationCoordinator::Ticket::release()
{
    OperationCoordinator *coordinator = std::exchange(m_coordinator, nullptr);
    if (!coordinator)
        return;
    if (m_appID)
        coordinator->end(*m_appID);
    else
        coordinator->endSetup();
}

OperationCoordinator::OperationCoordinator(QString lockFolder, QObject *parent)
    : QObject(parent)
    , m_lockFolder(std::move(lockFolder))
{
    // Every request of the process (this one's, the catalog's, the analytics') goes through the
    // proxy the system is set to use, as the browser's do.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

OperationCoordinator::~OperationCoordinator()
{
    for (const Operation &operation : std::as_const(m_operations)) {
        if (operation.lockFd >= 0)
            ::close(operation.lockFd);
    }
    if (m_setupLockFd >= 0)
        ::close(m_setupLockFd);
}

OperationCoordinator *OperationCoordinator::shared()
{
    static QPointer<OperationCoordinator> instance;
    if (!instance)
        instance = new OperationCoordinator(QString(), QCoreApplication::instance());
    return instance;
}

QString OperationCoordinator::defaultLockFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + u"/locks"_s;
}

namespace {

// '@' never appears in an application's lock name.
const QString setupLockName = u"@homebrew-setup"_s;

} // namespace

int OperationCoordinator::lockApp(const QString &appID, bool *heldElsewhere) const
{
    static const QRegularExpression unsafe(u"[^A-Za-z0-9._-]"_s);
    QString name = appID;
    name.replace(unsafe, u"_"_s);
    return lock(name, heldElsewhere);
}

int OperationCoordinator::lock(const QString &name, bool *heldElsewhere) const
{
    *heldElsewhere = false;
    if (m_lockFolder.isEmpty() || !QDir().mkpath(m_lockFolder))
        return -1;
    const QByteArray path = QFile::encodeName(m_lockFolder + u'/' + name + u".lock"_s);
    // The kernel drops a flock when its holder dies, so a crashed process never leaves one behind.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1; // no lock file to be had: this process still coordinates its own windows
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        *heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return -1;
    }
    return fd;
}

OperationCoordinator::Ticket OperationCoordinator::beginOperation(const CatalogApp &app, const QObject *owner)
{
    if (m_stopping || m_operations.contains(app.id))
        return {};
    bool heldElsewhere = false;
    const int fd = lockApp(app.id, &heldElsewhere);
    if (heldElsewhere)
        return {};
    m_operations.insert(app.id, Operation { app, owner, std::nullopt, fd });
    return Ticket(this, app.id);
}

void OperationCoordinator::end(const QString &appID)
{
    const auto it = m_operations.constFind(appID);
    if (it == m_operations.constEnd())
        return;
    const Operation operation = *it;
    m_operations.erase(it);
    if (operation.lockFd >= 0)
        ::close(operation.lockFd);
    Q_EMIT operationEnded(operation.app, operation.owner.isNull());
}

QHash<QString, InstallState> OperationCoordinator::runningStates() const
{
    QHash<QString, InstallState> states;
    for (auto it = m_operations.constBegin(); it != m_operations.constEnd(); ++it) {
        if (it->state)
            states.insert(it.key(), *it->state);
    }
    return states;
}

void OperationCoordinator::report(const QString &appID, const InstallState &state, const QObject *reporter)
{
    const auto it = m_operations.find(appID);
    if (it == m_operations.end() || it->owner != reporter)
        return;
    it->state = state;
    Q_EMIT stateReported(appID, state, reporter);
}

OperationCoordinator::Ticket OperationCoordinator::beginSetup()
{
    if (m_setupRunning)
        return {};
    bool heldElsewhere = false;
    const int fd = lock(setupLockName, &heldElsewhere);
    if (heldElsewhere)
        return {};
    m_setupLockFd = fd;
    m_setupRunning = true;
    Q_EMIT setupRunningChanged(true);
    return Ticket(this, std::nullopt);
}

void OperationCoordinator::endSetup()
{
    if (m_setupLockFd >= 0)
        ::close(std::exchange(m_setupLockFd, -1));
    m_setupRunning = false;
    Q_EMIT setupRunningChanged(false);
}

bool OperationCoordinator::setupRunningElsewhere() const
{
    if (m_setupRunning)
        return false;
    bool heldElsewhere = false;
    const int fd = lock(setupLockName, &heldElsewhere);
    if (fd >= 0)
        ::close(fd);
    return heldElsewhere;
}

QCoro::Task<> OperationCoordinator::setupEnded()
{
    const QPointer<OperationCoordinator> self(this);
    while (self && (m_setupRunning || setupRunningElsewhere())) {
        if (m_setupRunning)
            co_await qCoro(this, &OperationCoordinator::setupRunningChanged);
        else // another process's setup sends no word when it ends
            co_await QCoro::sleepFor(std::chrono::milliseconds(250));
    }
}

std::unique_ptr<QTemporaryDir> OperationCoordinator::makeWorkFolder(const QString &parent, const QString &label)
{
    if (parent.isEmpty())
        return nullptr;
    // mkdtemp: a fresh name each time, made by this call or not at all, so nothing planted at a
    // name beforehand is ever used.
    auto folder = std::make_unique<QTemporaryDir>(QDir(parent).absoluteFilePath(u"orvando-"_s + label + u"-XXXXXX"_s));
    if (!folder->isValid())
        return nullptr;
    return folder;
}

RemovalHistory *OperationCoordinator::removals()
{
    if (!m_removals)
        m_removals = new RemovalHistory(this);
    return m_removals;
}

QNetworkAccessManager *OperationCoordinator::network()
{
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        m_network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    return m_network;
}

void OperationCoordinator::trackProcess(QProcess *process, const QString &appID)
{
    ProcessGroup::startInOwnGroup(process);
    m_processes.removeIf([](const TrackedProcess &tracked) { return tracked.process.isNull(); });
    m_processes.append({ process, appID });
}

QCoro::Task<> OperationCoordinator::stopAll()
{
    // A queue must not start its next app while the current one is being stopped.
    m_stopping = true;
    QList<QPointer<QProcess>> processes;
    for (const TrackedProcess &tracked : std::as_const(m_processes))
        processes.append(tracked.process);
    co_await stop(processes);
}

bool OperationCoordinator::cancel(const QString &appID)
{
    const auto it = m_operations.find(appID);
    if (it == m_operations.end())
        return false;
    it->cancelled = true;
    Q_EMIT cancelRequested(appID);
    QList<QPointer<QProcess>> processes;
    for (const TrackedProcess &tracked : std::as_const(m_processes)) {
        if (tracked.appID == appID)
            processes.append(tracked.process);
    }
    if (!processes.isEmpty())
        startDetached(stop(processes));
    return true;
}

bool OperationCoordinator::isCancelled(const QString &appID) const
{
    const auto it = m_operations.constFind(appID);
    return it != m_operations.constEnd() && it->cancelled;
}

void OperationCoordinator::terminateAll()
{
    for (const TrackedProcess &tracked : std::as_const(m_processes)) {
        if (tracked.process && tracked.process->state() != QProcess::NotRunning)
            ProcessGroup::signal(tracked.process->processId(), SIGTERM, true);
    }
}

QCoro::Task<> OperationCoordinator::stop(QList<QPointer<QProcess>> processes)
{
    struct Stopping
    {
        QPointer<QProcess> process;
        qint64 pid; // kept: the group outlives the QProcess, which goes with its operation
        bool running() const { return process && process->state() != QProcess::NotRunning; }
    };
    QList<Stopping> stopping;
    for (const QPointer<QProcess> &process : std::as_const(processes)) {
        if (process && process->state() != QProcess::NotRunning) {
            stopping.append({ process, process->processId() });
            ProcessGroup::signal(stopping.last().pid, SIGTERM, true);
        }
    }
    const auto anyRunning = [&stopping] {
        return std::any_of(stopping.cbegin(), stopping.cend(), [](const Stopping &s) { return s.running(); });
    };
    // The processes' ends arrive through the event loop, so wait by turns rather than blocking it.
    const auto deadline = std::chrono::steady_clock::now() + m_stopGrace;
    while (anyRunning() && std::chrono::steady_clock::now() < deadline)
        co_await QCoro::sleepFor(std::chrono::milliseconds(20));
    // Whatever of a group outlived the request (its leader, or a child left behind when the leader
    // went) is ended now.
    for (const Stopping &s : std::as_const(stopping))
        ProcessGroup::signal(s.pid, SIGKILL, s.running());
}
