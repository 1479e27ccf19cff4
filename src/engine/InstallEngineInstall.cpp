#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/operations/FailureExplainer.h"

#include <QPointer>
#include <QStringMatcher>

#include <array>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

QVariantMap appProperties(const CatalogApp &app)
{
    return { { u"app_id"_s, app.id } };
}

} // namespace

QCoro::Task<> InstallEngine::install(CatalogApp app)
{
    co_await perform(AppOperation::Install, app);
}

QCoro::Task<> InstallEngine::installSteps(CatalogApp app)
{
    // A note about a leftover permission no longer applies once the app comes back.
    setPermissionNote(app.id, false);
    setState(app.id, InstallState::installing(u"Getting "_s + app.name + u" ready."_s));
    capture(u"app_install_started"_s, appProperties(app));

    if (app.bundleID && isAppInstalled(*app.bundleID)) {
        setState(app.id, InstallState::installed());
        capture(u"app_install_succeeded"_s, appProperties(app));
        co_return;
    }
    // brew would refuse a disabled cask anyway, after a setup and a wait; say why at once.
    if (const std::optional<QString> why = unavailability(app)) {
        appendLog(u"error: "_s + *why, app.id);
        setState(app.id, InstallState::failed(*why, FailureKind::Unavailable, logCounter()));
        capture(u"app_install_failed"_s, appProperties(app));
        co_return;
    }
    if (const EngineServices *shared = services()) {
        const std::optional<CaskFacts> facts = shared->facts()->caskFacts(app);
        if (facts && facts->isDeprecated())
            appendLog(u"warning: "_s + CaskFactsText::deprecated(app.name, *facts, QDate::currentDate()), app.id);
    }
    if (app.install.isHomebrewCask()) {
        co_await installViaBrew(app, app.install.caskToken());
    } else if (const DirectDownload *download = app.install.download()) {
        co_await installViaDirectDownload(app, *download);
    }
}

QCoro::Task<> InstallEngine::installViaBrew(CatalogApp app, QString cask)
{
    if (!brewAvailable()) {
        appendLog(u"note: "_s + app.name
                + u" installs through Homebrew, which isn't set up on this Mac yet — offering a one-time in-app setup."_s,
            app.id);
        setState(app.id, InstallState::needsHomebrew());
        co_return;
    }

    // runBrew hands every line over on the main thread before it returns, and none once the engine
    // is gone, so no note can land after the final state written below.
    FailureExplainer explainer(app.name);
    const LineHandler onLine = [this, app, &explainer](const QString &line) {
        const QString note = humanize(line, app);
        appendLog(line, app.id);
        explainer.observe(line, logCounter());
        setState(app.id, InstallState::installing(note));
    };
    const QPointer<InstallEngine> self(this);
    const QStringList arguments { u"install"_s, u"--cask"_s, cask };
    const BrewResult result = co_await runBrew(arguments, onLine, app.name, app.id);
    if (!self)
        co_return;

    if (!result.succeeded() && stoppedOnRequest(app))
        co_return;
    if (!result.succeeded()) {
        const FailureExplanation why = explainer.explain(result.error->description);
        setState(app.id, InstallState::failed(why.sentence, why.kind, why.logLine, why.path));
        capture(u"app_install_failed"_s, appProperties(app));
        // An app brew would not overwrite may be one this program recognises: show it as it is.
        // (A refresh would leave it alone: the operation still runs.)
        if (why.kind == FailureKind::AlreadyInstalled && app.bundleID && isAppInstalled(*app.bundleID))
            setState(app.id, InstallState::installed());
        co_return;
    }
    // brew can report success for a cask whose app then is not where it should be.
    if (app.bundleID && !isAppInstalled(*app.bundleID)) {
        appendLog(u"warning: brew finished but "_s + app.name + u" was not found on disk"_s, app.id);
        setState(app.id,
            InstallState::failed(u"Install finished but "_s + app.name + u" was not found. You can try again."_s));
        capture(u"app_install_failed"_s, appProperties(app));
        co_return;
    }
    setState(app.id, InstallState::installed());
    capture(u"app_install_succeeded"_s, appProperties(app));
    assessInstalled(app);
}

QString InstallEngine::humanize(const QString &line, const CatalogApp &app)
{
    // Tested in this order; the first word found anywhere in the line decides. brew can print
    // hundreds of thousands of lines, so the case-insensitive matchers are built once, and the
    // notes of the app last asked about are kept: a line then costs a few scans and no allocation.
    struct Rule
    {
        QStringMatcher word;
        QString before;
        QString after;
    };
    static const Rule rules[] = {
        { QStringMatcher(u"downloading"_s, Qt::CaseInsensitive), u"Downloading "_s, u"."_s },
        { QStringMatcher(u"installing"_s, Qt::CaseInsensitive), u"Installing "_s, u"."_s },
        { QStringMatcher(u"pouring"_s, Qt::CaseInsensitive), u"Installing "_s, u"."_s },
        { QStringMatcher(u"linking"_s, Qt::CaseInsensitive), u"Putting "_s, u" in place."_s },
        { QStringMatcher(u"moving"_s, Qt::CaseInsensitive), u"Putting "_s, u" in place."_s },
    };
    static const QStringMatcher caveats(u"caveats"_s, Qt::CaseInsensitive);
    constexpr size_t ruleCount = std::size(rules);
    struct Notes
    {
        QString name;
        std::array<QString, ruleCount + 1> notes; // one per rule, then the note for any other line
    };
    thread_local Notes last;
    if (last.name != app.name) {
        last.name = app.name;
        last.notes = {};
    }
    size_t rule = 0;
    while (rule < ruleCount && rules[rule].word.indexIn(line) < 0)
        ++rule;
    if (rule == ruleCount && caveats.indexIn(line) >= 0)
        return u"Almost done."_s;
    QString &note = last.notes[rule];
    if (note.isNull())
        note = rule < ruleCount ? rules[rule].before + app.name + rules[rule].after
                                : u"Working on "_s + app.name + u"."_s;
    return note;
}
