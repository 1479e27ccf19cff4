#include "cli/CliArguments.h"
#include "cli/CliRunner.h"
#include "cli/SignalPipe.h"
#if ORVANDO_TEST_ENVIRONMENT
#include "cli/EnvironmentFile.h"
#endif

#include "translations/Translations.h"

#include "engine/CatalogRefresher.h"
#include "platform/VersionInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool s_verbose = false;

// The engine's diagnostics ("could not refresh the facts") are for --verbose; a script reads
// standard error for the sentences of failed operations.
void printMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || (type == QtWarningMsg && !s_verbose))
        return;
    std::fprintf(stderr, "warning: %s\n", message.toUtf8().constData());
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

// This Mac. Only a build made for tests can be pointed at a sandbox instead: in any other, an
// environment variable must not choose the brew that runs or the helper that sees the password.
std::optional<Environment> environment([[maybe_unused]] QString *problem)
{
#if ORVANDO_TEST_ENVIRONMENT
    return EnvironmentFile::load(problem);
#else
    return Environment::system();
#endif
}

QCoro::Task<> runToEnd(CliRunner *runner, std::optional<int> *code)
{
    try {
        *code = co_await runner->run();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        *code = ExitCode::failed;
    }
    QCoreApplication::exit(**code);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    // The window's names: both then share the cache folder, its lock files and the install logs.
    QCoreApplication::setApplicationName(u"Orvando"_s);
    QCoreApplication::setOrganizationDomain(u"orvando.app"_s);

    // A terminal's language for the sentences; a JSON answer is the same in every language, so it
    // is written, with whatever it quotes, from the English texts.
    const QProcessEnvironment processEnvironment = QProcessEnvironment::systemEnvironment();
    if (!QCoreApplication::arguments().contains(u"--json"_s)) {
        Translations::install(&application, Translations::fromEnvironment(processEnvironment),
            Translations::pseudoRequested(processEnvironment));
    } else {
        Translations::install(&application, QLocale(QLocale::English, QLocale::UnitedStates));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    const QString program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    const CliArguments::Parsed parsed = CliArguments::parse(QCoreApplication::arguments().mid(1), program);
    switch (parsed.kind) {
    case CliArguments::Parsed::Kind::Help:
        print(stdout, parsed.text);
        return ExitCode::success;
    case CliArguments::Parsed::Kind::Version: {
        const VersionInfo version = VersionInfo::current();
        print(stdout,
            program + u' ' + version.shortVersion.value_or(u"unknown"_s)
                + (version.build ? u" (build "_s + *version.build + u')' : QString()) + u'\n');
        return ExitCode::success;
    }
    case CliArguments::Parsed::Kind::Usage:
        print(stderr, parsed.text + u'\n');
        return ExitCode::usage;
    case CliArguments::Parsed::Kind::Run:
        break;
    }
    s_verbose = parsed.request.verbose;
    qInstallMessageHandler(printMessage);

    QString problem;
    const std::optional<Environment> env = environment(&problem);
    if (!env) {
        print(stderr, problem + u'\n');
        return ExitCode::usage;
    }
    // The catalog the window last fetched, when it still checks out; the built-in list otherwise.
    CatalogRefresher::activateCached(*env);
    SignalPipe interrupts;
    CliRunner runner(*env, parsed.request, { ::isatty(STDIN_FILENO) == 1, ::isatty(STDERR_FILENO) == 1 });
    QObject::connect(&interrupts, &SignalPipe::received, &runner, &CliRunner::interrupt);
    std::optional<int> code;
    [[maybe_unused]] auto task = runToEnd(&runner, &code);
    // A request settled without waiting (an unknown app) is done before the loop would start.
    if (!code)
        QCoreApplication::exec();
    return code.value_or(ExitCode::failed);
}
