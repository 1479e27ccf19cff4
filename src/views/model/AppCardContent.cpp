#include "views/model/AppCardContent.h"

#include "engine/AppStatus.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/PermissionGuidance.h"
#include "engine/facts/UpdateChecker.h"
#include "views/style/Brand.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace {

using Button = AppCardContent::Button;

Button button(Button::Kind kind, Button::Emphasis emphasis, const QString &title, const QString &name)
{
    return { kind, emphasis, title, name, {}, {} };
}

// After any failure: back to what the disk says, and the log lines that explain it.
void appendFailureLinks(AppCardContent &content, const CatalogApp &app)
{
    Button dismiss = button(Button::Kind::Dismiss, Button::Emphasis::Link, AppCardContent::tr("Dismiss"),
        AppCardContent::tr("Dismiss what went wrong with %1").arg(app.name));
    dismiss.toolTip = AppCardContent::tr("Show %1 as it is on this Mac now.").arg(app.name);
    content.buttons.append(dismiss);
    Button log = button(Button::Kind::ShowInLog, Button::Emphasis::Link, AppCardContent::tr("Show in log"),
        AppCardContent::tr("Show what went wrong with %1 in the install log").arg(app.name));
    log.toolTip = AppCardContent::tr("Open the install log at the lines that explain what went wrong.");
    content.buttons.append(log);
}

} // namespace

AppCardContent AppCardContent::make(const CatalogApp &app, const std::optional<InstallState> &state, Flags flags)
{
    AppCardContent content;
    content.letter = firstGrapheme(app.name);
    content.pricingLabel = CatalogApp::label(app.pricing);
    const bool freemium = app.pricing == Pricing::Freemium;
    content.pricingRole = freemium ? Brand::deepTerra : Brand::forest;
    if (freemium)
        content.freemiumNote = tr("The free version is all you need. Pro extras are optional.");

    const AppStatus status = AppStatus::of(app, state, flags.facts, flags.update, flags.today);
    using Kind = AppStatus::Kind;
    using Emphasis = Button::Emphasis;
    switch (status.kind) {
    case Kind::Installing: {
        content.action = Action::Progress;
        content.statusText = status.sentence;
        content.percent = state->progress.percent();
        // A Homebrew setup is let finish: cut off, it could leave a broken Homebrew behind.
        if (flags.setupInProgress)
            break;
        // An installed app with a newer version known is being updated.
        const QString doing
            = flags.update ? tr("Cancel updating %1").arg(app.name) : tr("Cancel installing %1").arg(app.name);
        Button cancel = button(Button::Kind::Cancel, Emphasis::Link, tr("Cancel"), doing);
        cancel.toolTip = tr("Stop, and leave %1 as it is on disk.").arg(app.name);
        content.buttons.append(cancel);
        break;
    }
    case Kind::Uninstalling:
        content.action = Action::Progress;
        content.statusText = status.sentence;
        break;
    case Kind::Failed: {
        content.action = Action::Failed;
        content.statusText = state->text;
        content.logLine = state->logLine;
        content.path = state->path;
        // Trying again cannot change a checksum, a macOS version or an app in the way; each of
        // those has its own way forward, or only Dismiss.
        if (state->failure == FailureKind::AlreadyInstalled && !state->path.isEmpty()) {
            Button finder = button(Button::Kind::ShowInFinder, Emphasis::Primary, tr("Show in Finder"),
                tr("Show the app in the way of %1 in Finder").arg(app.name));
            finder.toolTip = tr("Show the app already in Applications, to open it or move it to the Trash.");
            content.buttons.append(finder);
        } else if (state->failure == FailureKind::StaleCaskList) {
            Button refresh = button(Button::Kind::RefreshCaskList, Emphasis::Primary, tr("Refresh Homebrew"),
                tr("Refresh Homebrew's list of apps for %1").arg(app.name));
            refresh.toolTip = tr("Bring Homebrew's list of apps up to date, so it knows %1.").arg(app.name);
            content.buttons.append(refresh);
        } else if (isRetryable(state->failure)) {
            Button retry = button(status.update ? Button::Kind::Update : Button::Kind::Install, Emphasis::Primary,
                tr("Try again"),
                status.update ? tr("Try updating %1 again").arg(app.name)
                              : tr("Try installing %1 again").arg(app.name));
            retry.description = state->text;
            content.buttons.append(retry);
        }
        appendFailureLinks(content, app);
        break;
    }
    case Kind::Unavailable:
        content.action = Action::Unavailable;
        content.statusText = status.sentence;
        // Refused by Homebrew just now: the refusal can be put away like any failure.
        if (state && state->kind == InstallState::Kind::Failed) {
            content.logLine = state->logLine;
            appendFailureLinks(content, app);
        }
        break;
    case Kind::NotInstalled:
        content.action = Action::Install;
        content.buttons.append(
            button(Button::Kind::Install, Emphasis::Primary, tr("Install"), tr("Install %1").arg(app.name)));
        content.warning = status.warning;
        if (flags.permissionNote)
            content.permissionNote = PermissionGuidance::accessibilityLeftover(app.name);
        break;
    case Kind::Installed: {
        content.action = Action::Installed;
        Button uninstall
            = button(Button::Kind::Uninstall, Emphasis::Destructive, tr("Uninstall"), tr("Uninstall %1").arg(app.name));
        uninstall.toolTip = tr("Remove %1 and its leftover files from this Mac.").arg(app.name);
        content.buttons.append(uninstall);
        if (status.updatesItself())
            content.note = QCoreApplication::translate("CaskFactsText", CaskFactsText::updatesItself);
        break;
    }
    case Kind::UpdateAvailable: {
        content.action = Action::UpdateAvailable;
        const QString version = status.update->availableVersion;
        Button update = button(Button::Kind::Update, Emphasis::Primary, status.updateTitle(),
            //: %1 is the app, %2 the version it is updated to
            tr("Update %1 to %2").arg(app.name, version));
        //: %1 is the app, %2 the newer version
        update.toolTip = tr("Install %1 %2 in place of the installed version.").arg(app.name, version);
        content.buttons.append(update);
        content.buttons.append(button(
            Button::Kind::Open, Emphasis::Secondary, tr("Open", "verb: open the app"), tr("Open %1").arg(app.name)));
        if (!status.update->installedVersion.isEmpty())
            //: %1 is the version on this Mac
            content.note = tr("Installed: %1").arg(status.update->installedVersion);
        break;
    }
    case Kind::NeedsHomebrew:
        content.action = flags.setupInProgress ? Action::SettingUpHomebrew : Action::SetUpHomebrew;
        if (flags.setupInProgress)
            content.statusText = tr("Setting up Homebrew…");
        content.warning = status.warning;
        break;
    }
    return content;
}

AppCardContent AppCardContent::of(const InstallEngine *engine, const CatalogApp &app)
{
    Flags flags;
    if (!engine)
        return make(app, std::nullopt, flags);
    flags.permissionNote = engine->hasPermissionNote(app.id);
    flags.setupInProgress = engine->setupInProgress();
    if (const EngineServices *services = engine->services()) {
        flags.facts = services->facts()->caskFacts(app);
        flags.update = services->updates()->update(app.id);
    }
    return make(app, engine->state(app.id), flags);
}

QString AppCardContent::accessibleStatus() const
{
    if (action == Action::UpdateAvailable)
        //: %1 is the update button's title, e.g. "Update to 2.1.0"
        return tr("Installed. %1 available.").arg(buttons.constFirst().title);
    // The figures change several times a second; the card's description only at each quarter.
    if (action == Action::Progress && percent >= 0)
        return tr("Downloading, %1%").arg(percent / 25 * 25);
    return action == Action::Installed ? tr("Installed") : statusText;
}

QString AppCardContent::firstGrapheme(const QString &text)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = graphemes.toNextBoundary();
    return end <= 0 ? QString() : text.left(end);
}
