#include "cli/AppReport.h"

#include "cli/CliFormat.h"
#include "cli/CliText.h"

#include "engine/direct/ReleaseAsset.h"
#include "engine/facts/BeforeInstallFacts.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/GatekeeperVerdict.h"
#include "engine/facts/PermissionGuidance.h"
#include "engine/facts/VersionCompare.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

// JSON's word for whether anyone checks the download.
QString checksumKey(BeforeInstallFacts::Checksum checksum)
{
    switch (checksum) {
    case BeforeInstallFacts::Checksum::Verified:
        return u"verified"_s;
    case BeforeInstallFacts::Checksum::NotVerified:
        return u"not verified"_s;
    case BeforeInstallFacts::Checksum::Unknown:
        break;
    }
    return u"unknown"_s;
}

QString sourceText(const CatalogApp &app)
{
    if (const DirectDownload *download = app.install.download())
        //: %1 is a GitHub repository, %2 the file downloaded from its releases
        return Cli::tr("GitHub releases of %1 (%2)").arg(download->githubRepo, ReleaseAsset::name(*download));
    return Cli::tr("Homebrew cask %1").arg(app.install.caskToken());
}

QString verdictKey(GatekeeperAssessment::Verdict verdict)
{
    switch (verdict) {
    case GatekeeperAssessment::Verdict::NotChecked:
        return u"not checked"_s;
    case GatekeeperAssessment::Verdict::Accepted:
        return u"accepted"_s;
    case GatekeeperAssessment::Verdict::Rejected:
        return u"rejected"_s;
    }
    return {};
}

} // namespace

QStringList AppReport::notes() const
{
    QStringList notes;
    if (app.pricing == Pricing::Freemium)
        notes.append(Cli::tr("The free version is all you need. Pro extras are optional."));
    for (const PermissionGuidance::Permission permission : PermissionGuidance::needed(app))
        notes.append(PermissionGuidance::required(permission, app.name));
    return notes;
}

QString AppReport::text() const
{
    QString text = app.name + u'\n' + app.tagline + u'\n';
    if (app.replaces)
        //: %1 is a paid app, %2 its price, such as $30/yr
        text += Cli::tr("Replaces %1 - %2").arg(app.replaces->app, app.replaces->priceText) + u'\n';

    QList<QStringList> fields { { Cli::tr("State"), status.label() } };
    if (!status.sentence.isEmpty())
        fields.append({ QString(), status.sentence });
    if (!status.warning.isEmpty())
        fields.append({ Cli::tr("Warning"), status.warning });
    if (status.update) {
        const QString update = status.updatesItself()
            ? QCoreApplication::translate("CaskFactsText", CaskFactsText::updatesItself) + u": "_s
                + status.update->availableVersion
            : status.updateTitle();
        fields.append({ Cli::tr("Update"),
            status.update->installedVersion.isEmpty()
                ? update
                //: %1 is the update, such as "Update to 2.1.0", %2 the installed version
                : Cli::tr("%1 (installed %2)").arg(update, status.update->installedVersion) });
    }
    fields += QList<QStringList> {
        { Cli::tr("Category"), CatalogApp::label(app.category) },
        { Cli::tr("License"), CatalogApp::label(app.license) },
        { Cli::tr("Pricing"), CatalogApp::label(app.pricing) },
        { Cli::tr("Hand-picked"), app.isCurated ? Cli::tr("yes") : Cli::tr("no") },
        { Cli::tr("Homepage"), app.homepage },
        { Cli::tr("Source"), sourceText(app) },
        { Cli::tr("Bundle ID"), app.bundleID.value_or(Cli::tr("none recorded")) },
    };
    if (installedPath)
        fields.append({ Cli::tr("Installed at"), *installedPath });
    if (gatekeeper)
        fields.append({ GatekeeperVerdict::title(), GatekeeperVerdict::text(*gatekeeper) });
    text += u'\n' + CliFormat::table({}, fields);

    const BeforeInstallFacts trust = BeforeInstallFacts::of(app, cask, release);
    QList<QStringList> before;
    for (const BeforeInstallFacts::Row &row : trust.rows())
        if (!row.value.isEmpty())
            before.append({ u"  "_s + row.title, row.value });
    if (trust.updatesItself)
        before.append({ u"  "_s + QCoreApplication::translate("CaskFactsText", CaskFactsText::updatesItself) });
    text += u'\n' + BeforeInstallFacts::heading() + u'\n' + CliFormat::table({}, before);

    for (const QString &note : notes())
        text += u'\n' + note + u'\n';
    return text;
}

QJsonObject AppReport::json() const
{
    QJsonObject object {
        { u"id"_s, app.id },
        { u"name"_s, app.name },
        { u"tagline"_s, app.tagline },
        { u"category"_s, CatalogApp::jsonLabel(app.category) },
        { u"license"_s, CatalogApp::jsonLabel(app.license) },
        { u"pricing"_s, CatalogApp::jsonLabel(app.pricing) },
        { u"homepage"_s, app.homepage },
        { u"bundleID"_s, CliFormat::textOrNull(app.bundleID.value_or(QString())) },
        { u"handPicked"_s, app.isCurated },
        { u"state"_s, status.key() },
        { u"stateNote"_s, CliFormat::textOrNull(status.sentence) },
        { u"warning"_s, CliFormat::textOrNull(status.warning) },
        { u"installedPath"_s, CliFormat::textOrNull(installedPath.value_or(QString())) },
        { u"notes"_s, QJsonArray::fromStringList(notes()) },
    };
    object.insert(u"replaces"_s,
        app.replaces
            ? QJsonValue(QJsonObject { { u"app"_s, app.replaces->app }, { u"priceText"_s, app.replaces->priceText } })
            : QJsonValue());
    if (const DirectDownload *download = app.install.download())
        object.insert(u"source"_s,
            QJsonObject { { u"kind"_s, u"directDownload"_s }, { u"githubRepo"_s, download->githubRepo },
                { u"asset"_s, ReleaseAsset::name(*download) } });
    else
        object.insert(
            u"source"_s, QJsonObject { { u"kind"_s, u"homebrewCask"_s }, { u"token"_s, app.install.caskToken() } });
    object.insert(u"update"_s,
        status.update ? QJsonValue(QJsonObject { { u"installedVersion"_s, status.update->installedVersion },
            { u"availableVersion"_s, status.update->availableVersion },
            { u"updatesItself"_s, status.update->updatesItself } })
                      : QJsonValue());
    const BeforeInstallFacts trust = BeforeInstallFacts::of(app, cask, release);
    object.insert(u"beforeInstall"_s,
        QJsonObject { { u"version"_s, CliFormat::textOrNull(trust.version) },
            { u"downloadHost"_s, CliFormat::textOrNull(trust.host) }, { u"checksum"_s, checksumKey(trust.checksum) },
            { u"checksumNote"_s, CliFormat::textOrNull(trust.checksumNote) },
            { u"updatesItself"_s, trust.updatesItself },
            { u"downloadSize"_s, trust.size >= 0 ? QJsonValue(trust.size) : QJsonValue() } });
    object.insert(u"gatekeeper"_s,
        gatekeeper ? QJsonValue(QJsonObject { { u"verdict"_s, verdictKey(gatekeeper->verdict) },
            { u"source"_s, CliFormat::textOrNull(gatekeeper->source) },
            { u"origin"_s, CliFormat::textOrNull(gatekeeper->origin) } })
                   : QJsonValue());
    return object;
}
