#include "views/model/AppCardContent.h"

#include "engine/AppStatus.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/PermissionGuidance.h"
#include "engine/facts/UpdateChecker.h"
#include "views/style/Brand.h"

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
    Button dismiss = button(
        Button::Kind::Dismiss, Button::Emphasis::Link, u"Dismiss"_s, u"Dismiss what went wrong with "_s + app.name);
    dismiss.toolTip = u"Show "_s + app.name + u" as it is on this Mac now."_s;
    content.buttons.append(dismiss);
    Button log = button(Button::Kind::ShowInLog, Button::Emphasis::Link, u"Show in log"_s,
        u"Show what went wrong with "_s + app.name + u" in the install log"_s);
    log.toolTip = u"Open the install log at the lines that explain what went wrong."_s;
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
        content.freemiumNote = u"The free version is all you need. Pro extras are optional."_s;

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
        const QString doing = flags.update ? u"Cancel updating "_s : u"Cancel installing "_s;
        Button cancel = button(Button::Kind::Cancel, Emphasis::Link, u"Cancel"_s, doing + app.name);
        cancel.toolTip = u"Stop, and leave "_s + app.name + u" as it is on disk."_s;
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
            Button finder = button(Button::Kind::ShowInFinder, Emphasis::Primary, u"Show in Finder"_s,
                u"Show the app in the way of "_s + app.name + u" in Finder"_s);
            finder.toolTip = u"Show the app already in Applications, to open it or move it to the Trash."_s;
            content.buttons.append(finder);
        } else if (state->failure == FailureKind::StaleCaskList) {
            Button refresh = button(Button::Kind::RefreshCaskList, Emphasis::Primary, u"Refresh Homebrew"_s,
                u"Refresh Homebrew's list of apps for "_s + app.name);
            refresh.toolTip = u"Bring Homebrew's list of apps up to date, so it knows "_s + app.name + u"."_s;
            content.buttons.append(refresh);
        } else if (isRetryable(state->failure)) {
            Button retry = button(status.update ? Button::Kind::Update : Button::Kind::Install, Emphasis::Primary,
                u"Try again"_s, (status.update ? u"Try updating "_s : u"Try installing "_s) + app.name + u" again"_s);
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
            button(Button::Kind::Install, Emphasis::Primary, u"Install"_s, u"Install "_s + app.name));
        content.warning = status.warning;
        if (flags.permissionNote)
            content.permissionNote = PermissionGuidance::accessibilityLeftover(app.name);
        break;
    case Kind::Installed: {
        content.action = Action::Installed;
        Button uninstall
            = button(Button::Kind::Uninstall, Emphasis::Destructive, u"Uninstall"_s, u"Uninstall "_s + app.name);
        uninstall.toolTip = u"Remove "_s + app.name + u" and its leftover files from this Mac."_s;
        content.buttons.append(uninstall);
        if (status.updatesItself())
            content.note = QString::fromLatin1(CaskFactsText::updatesItself);
        break;
    }
    case Kind::UpdateAvailable: {
        content.action = Action::UpdateAvailable;
        const QString version = status.update->availableVersion;
        Button update = button(Button::Kind::Update, Emphasis::Primary, status.updateTitle(),
            u"Update "_s + app.name + u" to "_s + version);
        update.toolTip = u"Install "_s + app.name + u" "_s + version + u" in place of the installed version."_s;
        content.buttons.append(update);
        content.buttons.append(button(Button::Kind::Open, Emphasis::Secondary, u"Open"_s, u"Open "_s + app.name));
        if (!status.update->installedVersion.isEmpty())
            content.note = u"Installed: "_s + status.update->installedVersion;
        break;
    }
    case Kind::NeedsHomebrew:
        content.action = flags.setupInProgress ? Action::SettingUpHomebrew : Action::SetUpHomebrew;
        if (flags.setupInProgress)
            content.statusText = u"Setting up Homebrew…"_s;
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
        return u"Installed. "_s + buttons.constFirst().title + u" available."_s;
    // The figures change several times a second; the card's description only at each quarter.
    if (action == Action::Progress && percent >= 0)
        return u"Downloading, %1%"_s.arg(percent / 25 * 25);
    return action == Action::Installed ? u"Installed"_s : statusText;
}

QString AppCardContent::firstGrapheme(const QString &text)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = graphemes.toNextBoundary();
    return end <= 0 ? QString() : text.left(end);
}
