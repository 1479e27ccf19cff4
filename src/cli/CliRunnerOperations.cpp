#include "cli/CliFormat.h"
#include "cli/CliRunner.h"

#include "catalog/AppSetFile.h"
#include "catalog/Catalog.h"
#include "engine/BatchInstaller.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString doneSentence(AppOperation operation, const CatalogApp &app, const QString &version)
{
    switch (operation) {
    case AppOperation::Install:
        return u"Installed "_s + app.name + u'.';
    case AppOperation::Update:
        return u"Updated "_s + app.name + (version.isEmpty() ? QString() : u" to "_s + version) + u'.';
    case AppOperation::Uninstall:
        return u"Removed "_s + app.name + u'.';
    }
    return {};
}

// Resumes once the notifier's descriptor can be read, from the event loop: never inside the
// notifier's own signal (whose private argument QCoro's signal awaiting cannot pass on either).
struct Readable
{
    QSocketNotifier *notifier;
    QMetaObject::Connection connection;

    bool await_ready() const { return false; }
    void await_suspend(std::coroutine_handle<> waiting)
    {
        notifier->setEnabled(true);
        connection = QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this, waiting] {
            QObject::disconnect(connection);
            notifier->setEnabled(false);
            QMetaObject::invokeMethod(
                notifier, [waiting] { waiting.resume(); }, Qt::QueuedConnection);
        });
    }
    void await_resume() const { }
};

} // namespace

QCoro::Task<int> CliRunner::operate(AppOperation operation, QList<CatalogApp> apps)
{
    m_operation = operation;
    // The setup asks for the administrator password: only with someone there to give it.
    m_setupAllowed = operation == AppOperation::Install && !m_request.noSetup && m_terminals.input;
    m_batch->setHomebrewSetupAllowed(m_setupAllowed);
    m_failures = 0;
    m_missingHomebrew = 0;
    m_reported.clear();
    m_newVersions.clear();
    for (const CatalogApp &app : std::as_const(apps)) {
        if (const std::optional<AppUpdate> known = m_services->updates()->update(app.id))
            m_newVersions.insert(app.id, known->availableVersion);
        // A cask Homebrew no longer recommends still installs, with the card's one-line warning.
        const QString warning = m_engine->status(app).warning;
        if (operation == AppOperation::Install && !warning.isEmpty())
            err(u"warning: "_s + warning);
    }

    const BatchInstaller::Summary summary = co_await m_batch->run(apps, operation);
    if (m_stopping)
        co_await std::move(*m_stopping);
    m_progress.clear();
    for (const BatchInstaller::Entry &entry : summary.skipped) {
        // Asked for a state the app is already in: done. Otherwise (an update of an app that is not
        // there, an install of a cask Homebrew no longer offers) it failed.
        const bool installed = m_engine->detectedState(entry.app) == InstallState::installed();
        const bool reached
            = operation == AppOperation::Uninstall ? !installed : operation == AppOperation::Install && installed;
        if (!reached) {
            ++m_failures;
            err(entry.sentence);
        } else if (!m_request.quiet) {
            out(entry.sentence + u'\n');
        }
    }
    QStringList notStarted;
    for (const CatalogApp &app : summary.cancelled) {
        if (!m_reported.contains(app.id))
            notStarted.append(app.name);
    }
    if (!notStarted.isEmpty())
        err(u"Not started: "_s + notStarted.join(u", "_s) + u'.');
    if (m_missingHomebrew > 0)
        err(m_request.noSetup ? u"Homebrew was not set up, as --no-setup asks."_s
                              : u"Run this in a terminal to set Homebrew up (it asks for your password once), "
                                u"or install Homebrew first."_s);

    if (m_interrupted)
        co_return ExitCode::interrupted;
    if (m_failures > 0)
        co_return ExitCode::failed;
    co_return m_missingHomebrew > 0 ? ExitCode::noHomebrew : ExitCode::success;
}

void CliRunner::report(const CatalogApp &app, const OperationOutcome &outcome)
{
    m_reported.insert(app.id);
    switch (outcome.kind) {
    case OperationOutcome::Kind::Succeeded:
        if (!m_request.quiet)
            out(doneSentence(m_operation, app, m_newVersions.value(app.id)) + u'\n');
        break;
    case OperationOutcome::Kind::Cancelled:
        err(u"Stopped. "_s + app.name + u" is left as it is on disk."_s);
        break;
    case OperationOutcome::Kind::Failed:
    case OperationOutcome::Kind::Refused:
        // brew ended by the stop reads as a failure; it was what the user asked for.
        if (m_interrupted) {
            err(u"Stopped. "_s + app.name + u" is left as it is on disk."_s);
            break;
        }
        ++m_failures;
        err(outcome.sentence);
        break;
    case OperationOutcome::Kind::NeedsHomebrew:
        if (m_setupAllowed) {
            // The setup ran and failed: that is the failure to tell.
            ++m_failures;
            err(m_engine->setupFailure());
        } else {
            ++m_missingHomebrew;
            err(outcome.sentence);
        }
        break;
    }
}

QCoro::Task<int> CliRunner::importSet()
{
    const AppSetFile::Import set = AppSetFile::readFile(m_request.file, Catalog::active());
    if (!set.succeeded()) {
        err(*set.error);
        co_return ExitCode::failed;
    }
    // As written in the file, which may hold anything: escape sequences are shown, not obeyed.
    if (!set.unknown.isEmpty())
        err(u"Not in the catalog, left out: "_s + CliFormat::printable(set.unknown.join(u", "_s)) + u'.');
    if (!set.ignored.isEmpty())
        err(u"Left to Homebrew: "_s + CliFormat::printable(set.ignored.join(u", "_s)) + u'.');
    if (set.apps.isEmpty()) {
        err(u"The file names no app of the catalog."_s);
        co_return ExitCode::failed;
    }
    if (!m_request.quiet || !m_request.yes) {
        QString listed;
        for (const CatalogApp &app : set.apps)
            listed += u"  "_s + app.name + u" ("_s + app.id + u")\n"_s;
        out(u"The file names %1 app%2:\n"_s.arg(set.apps.size()).arg(set.apps.size() == 1 ? u""_s : u"s"_s) + listed);
    }
    if (!m_request.yes) {
        // Never an install nobody confirmed: without a terminal to ask at, --yes is the confirmation.
        if (!m_terminals.input) {
            err(u"Nothing was installed: confirm with --yes, or run the import in a terminal."_s);
            co_return ExitCode::usage;
        }
        const QString question = set.apps.size() == 1 ? u"Install "_s + set.apps.constFirst().name + u"? [y/N] "_s
                                                      : u"Install these %1 apps? [y/N] "_s.arg(set.apps.size());
        std::fputs(question.toUtf8().constData(), stderr);
        std::fflush(stderr);
        const std::optional<QString> answer = co_await readAnswer();
        if (!answer || !answer->trimmed().startsWith(u'y', Qt::CaseInsensitive)) {
            if (!answer)
                std::fputc('\n', stderr);
            err(u"Nothing was installed."_s);
            co_return ExitCode::success;
        }
    }
    co_await loadFacts();
    co_return co_await operate(AppOperation::Install, set.apps);
}

QCoro::Task<std::optional<QString>> CliRunner::readAnswer()
{
    // From the event loop, so that Ctrl-C still gets through while the question waits.
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray typed;
    for (;;) {
        co_await Readable { &notifier, {} };
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (count <= 0)
            co_return typed.isEmpty() ? std::nullopt : std::optional(QString::fromUtf8(typed));
        typed.append(buffer, count);
        if (const qsizetype end = typed.indexOf('\n'); end >= 0)
            co_return QString::fromUtf8(typed.left(end));
    }
}

void CliRunner::interrupt()
{
    if (m_interrupted)
        return;
    m_interrupted = true;
    m_progress.clear();
    if (!m_batch->isRunning()) {
        // Only reads under way (a question, brew info, a check for updates): nothing to stop
        // cleanly, but brew queries run in groups of their own, which the terminal's Ctrl-C misses.
        m_coordinator->terminateAll();
        std::fflush(stdout);
        ::_exit(ExitCode::interrupted);
    }
    // As a quit does: brew is asked to stop (SIGTERM, then SIGKILL after the grace period) and no
    // other app starts. The stop is awaited before the program ends.
    m_stopping = m_coordinator->stopAll();
}

void CliRunner::showProgress(const QString &appID)
{
    const std::optional<InstallState> state = m_engine->state(appID);
    if (!state || (state->kind != InstallState::Kind::Installing && state->kind != InstallState::Kind::Uninstalling))
        return;
    const QString place
        = m_batch->total() > 1 ? u"(%1/%2) "_s.arg(m_batch->position()).arg(m_batch->total()) : QString();
    m_progress.show(place + state->text);
}
