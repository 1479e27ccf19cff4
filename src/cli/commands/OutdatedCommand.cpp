#include "cli/CliFormat.h"
#include "cli/CliLookup.h"
#include "cli/CliText.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "catalog/Catalog.h"
#include "engine/EngineServices.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/UpdateChecker.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

// `outdated`: the installed apps with an update, and whatever could not be checked.
QCoro::Task<int> CliCommands::outdated(CliContext *context)
{
    co_await context->loadFacts();
    const std::optional<QString> problem = co_await context->checkUpdates();
    if (problem == CliContext::couldNotCheck()) {
        context->err(*problem);
        co_return ExitCode::failed;
    }
    QList<QStringList> rows;
    QJsonArray array;
    for (const AppUpdate &update : context->services->updates()->updates()) {
        const CatalogApp app = CliLookup::apps({ update.appID }, Catalog::active()).apps.value(0);
        rows.append({ app.id, app.name, update.installedVersion, update.availableVersion,
            update.updatesItself ? QCoreApplication::translate("CaskFactsText", CaskFactsText::updatesItself)
                                 : QString() });
        array.append(QJsonObject { { u"id"_s, app.id }, { u"name"_s, app.name },
            { u"installedVersion"_s, update.installedVersion }, { u"availableVersion"_s, update.availableVersion },
            { u"updatesItself"_s, update.updatesItself } });
    }
    QJsonArray leftAlone;
    QString leftAloneText;
    for (const auto &[update, why] : context->services->updates()->leftAlone()) {
        leftAlone.append(QJsonObject { { u"id"_s, update.appID }, { u"installedVersion"_s, update.installedVersion },
            { u"availableVersion"_s, update.availableVersion }, { u"reason"_s, why } });
        leftAloneText += Cli::tr("Left alone: %1").arg(why) + u'\n';
    }
    // A part that could not be read is not "up to date": say so and fail, after what is known.
    if (context->request.json)
        context->out(
            QString::fromUtf8(CliFormat::document({ { u"updates"_s, array }, { u"leftAlone"_s, leftAlone } })));
    else if (rows.isEmpty() && !problem)
        context->out(Cli::tr("Every installed app is up to date.") + u'\n');
    else if (!rows.isEmpty())
        context->out(CliFormat::table(
            { u"ID"_s, Cli::tr("NAME"), Cli::tr("INSTALLED"), Cli::tr("AVAILABLE"), QString() }, rows));
    if (!context->request.json)
        context->out(leftAloneText);
    if (!problem)
        co_return ExitCode::success;
    context->err(*problem);
    co_return ExitCode::failed;
}
