#include "cli/CliText.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "catalog/AppSetFile.h"
#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"

#include <QSet>

#include <cstdio>

using namespace Qt::StringLiterals;

// `export`: the installed catalog apps as a Brewfile, to the file named or to standard output.
int CliCommands::exportSet(CliContext *context)
{
    const CliRequest &request = context->request;
    QSet<QString> installed;
    for (const CatalogApp &app : Catalog::active()) {
        if (context->engine->detectedState(app) == InstallState::installed())
            installed.insert(app.id);
    }
    const QByteArray content = AppSetFile::exportBrewfile(Catalog::active(), installed);
    if (request.file.isEmpty()) {
        std::fwrite(content.constData(), 1, size_t(content.size()), stdout);
        return ExitCode::success;
    }
    QString error;
    if (!AppSetFile::writeFile(request.file, content, &error)) {
        context->err(error);
        return ExitCode::failed;
    }
    if (!request.quiet)
        context->out(Cli::tr("Wrote %n apps to %1.", nullptr, int(installed.size())).arg(request.file) + u'\n');
    return ExitCode::success;
}
