#include "cli/CliFormat.h"
#include "cli/CliText.h"
#include "cli/commands/BatchRun.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "catalog/AppSetFile.h"
#include "catalog/Catalog.h"

#include <QSocketNotifier>

#include <cerrno>
#include <coroutine>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

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

// One line typed at the terminal; nothing at the end of input.
QCoro::Task<std::optional<QString>> readAnswer()
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

} // namespace

// `import`: the catalog apps a file names, installed once the user (or --yes) confirms.
QCoro::Task<int> CliCommands::importSet(CliContext *context)
{
    const CliRequest &request = context->request;
    const AppSetFile::Import set = AppSetFile::readFile(request.file, Catalog::active());
    if (!set.succeeded()) {
        context->err(*set.error);
        co_return ExitCode::failed;
    }
    // As written in the file, which may hold anything: escape sequences are shown, not obeyed.
    if (!set.unknown.isEmpty())
        context->err(Cli::tr("Not in the catalog, left out: %1.").arg(CliFormat::printable(set.unknown.join(u", "_s))));
    if (!set.ignored.isEmpty())
        context->err(Cli::tr("Left to Homebrew: %1.").arg(CliFormat::printable(set.ignored.join(u", "_s))));
    if (set.apps.isEmpty()) {
        context->err(Cli::tr("The file names no app of the catalog."));
        co_return ExitCode::failed;
    }
    if (!request.quiet || !request.yes) {
        QString listed;
        for (const CatalogApp &app : set.apps)
            listed += u"  "_s + app.name + u" ("_s + app.id + u")\n"_s;
        context->out(Cli::tr("The file names %n apps:", nullptr, int(set.apps.size())) + u'\n' + listed);
    }
    if (!request.yes) {
        // Never an install nobody confirmed: without a terminal to ask at, --yes is the confirmation.
        if (!context->terminals.input) {
            context->err(Cli::tr("Nothing was installed: confirm with --yes, or run the import in a terminal."));
            co_return ExitCode::usage;
        }
        //: The answer stays y or n in every language
        const QString question = set.apps.size() == 1
            ? Cli::tr("Install %1? [y/N] ").arg(set.apps.constFirst().name)
            : Cli::tr("Install these %n apps? [y/N] ", nullptr, int(set.apps.size()));
        std::fputs(question.toUtf8().constData(), stderr);
        std::fflush(stderr);
        const std::optional<QString> answer = co_await readAnswer();
        if (!answer || !answer->trimmed().startsWith(u'y', Qt::CaseInsensitive)) {
            if (!answer)
                std::fputc('\n', stderr);
            context->err(Cli::tr("Nothing was installed."));
            co_return ExitCode::success;
        }
    }
    co_await context->loadFacts();
    co_return co_await BatchRun::run(context, AppOperation::Install, set.apps);
}
