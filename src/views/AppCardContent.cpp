#include "views/AppCardContent.h"

#include "views/Brand.h"

#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace {

using Button = AppCardContent::Button;

Button button(Button::Kind kind, Button::Emphasis emphasis, const QString &title, const QString &name)
{
    return { kind, emphasis, title, name, {}, {} };
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
    content.accessibilityGuidance = app.requiresAccessibilityPermission();
    content.screenRecordingGuidance = app.requiresScreenRecordingPermission();

    using Kind = InstallState::Kind;
    using Emphasis = Button::Emphasis;
    switch (state.value_or(InstallState::notInstalled()).kind) {
    case Kind::Installing:
    case Kind::Uninstalling:
        content.action = Action::Progress;
        content.statusText = state->text;
        break;
    case Kind::Failed: {
        content.action = Action::Failed;
        content.statusText = state->text;
        content.logLine = state->logLine;
        // Trying again cannot change a checksum, a macOS version or an app in the way.
        if (isRetryable(state->failure)) {
            Button retry = button(Button::Kind::Install, Emphasis::Primary, u"Try again"_s, u"Try again"_s);
            retry.description = state->text;
            content.buttons.append(retry);
        }
        Button log = button(Button::Kind::ShowInLog, Emphasis::Link, u"Show in log"_s,
            u"Show what went wrong with "_s + app.name + u" in the install log"_s);
        log.toolTip = u"Open the install log at the lines that explain what went wrong."_s;
        content.buttons.append(log);
        break;
    }
    case Kind::NotInstalled:
        content.action = Action::Install;
        content.buttons.append(
            button(Button::Kind::Install, Emphasis::Primary, u"Install"_s, u"Install "_s + app.name));
        if (flags.permissionNote)
            content.permissionNote = u"Removed "_s + app.name
                + u". We could not clear its Accessibility permission automatically. You can remove the leftover "
                  u"entry in System Settings > Privacy & Security > Accessibility."_s;
        break;
    case Kind::Installed: {
        content.action = Action::Installed;
        Button uninstall
            = button(Button::Kind::Uninstall, Emphasis::Destructive, u"Uninstall"_s, u"Uninstall "_s + app.name);
        uninstall.toolTip = u"Remove "_s + app.name + u" and its leftover files from this Mac."_s;
        content.buttons.append(uninstall);
        break;
    }
    case Kind::NeedsHomebrew:
        content.action = flags.bootstrapInProgress ? Action::SettingUpHomebrew : Action::SetUpHomebrew;
        if (flags.bootstrapInProgress)
            content.statusText = u"Setting up Homebrew…"_s;
        break;
    }
    return content;
}

QString AppCardContent::accessibleStatus() const
{
    return action == Action::Installed ? u"Installed"_s : statusText;
}

QString AppCardContent::firstGrapheme(const QString &text)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = graphemes.toNextBoundary();
    return end <= 0 ? QString() : text.left(end);
}
