#include "views/AppCardContent.h"

#include "views/Brand.h"

#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

AppCardContent AppCardContent::make(const CatalogApp &app, const std::optional<InstallState> &state, Flags flags)
{
    AppCardContent content;
    content.letter = firstGrapheme(app.name);
    content.pricingLabel = CatalogApp::label(app.pricing);
    const bool freemium = app.pricing == Pricing::Freemium;
    content.pricingColor = freemium ? Brand::deepTerra : Brand::forest;
    if (freemium)
        content.freemiumNote = u"The free version is all you need. Pro extras are optional."_s;
    if (app.replaces) {
        content.replacesLead = u"Replaces "_s + app.replaces->app + u' ';
        content.replacesPrice = u"- "_s + app.replaces->priceText;
    }
    content.accessibilityGuidance = app.requiresAccessibilityPermission();
    content.screenRecordingGuidance = app.requiresScreenRecordingPermission();

    using Kind = InstallState::Kind;
    switch (state.value_or(InstallState::notInstalled()).kind) {
    case Kind::Installing:
    case Kind::Uninstalling:
        content.action = Action::Progress;
        content.statusText = state->text;
        break;
    case Kind::Failed:
        content.action = Action::Failed;
        content.statusText = state->text;
        // Trying again cannot change a checksum, a macOS version or an app in the way.
        if (isRetryable(state->failure))
            content.buttonTitle = u"Try again"_s;
        content.logButtonTitle = u"Show in log"_s;
        content.logLine = state->logLine;
        break;
    case Kind::NotInstalled:
        content.action = Action::Install;
        content.buttonTitle = u"Install"_s;
        if (flags.permissionNote)
            content.permissionNote = u"Removed "_s + app.name
                + u". We could not clear its Accessibility permission automatically. You can remove the leftover "
                  u"entry in System Settings > Privacy & Security > Accessibility."_s;
        break;
    case Kind::Installed:
        content.action = Action::Installed;
        break;
    case Kind::NeedsHomebrew:
        content.action = flags.bootstrapInProgress ? Action::SettingUpHomebrew : Action::SetUpHomebrew;
        if (flags.bootstrapInProgress)
            content.statusText = u"Setting up Homebrew…"_s;
        break;
    }
    return content;
}

QString AppCardContent::firstGrapheme(const QString &text)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = graphemes.toNextBoundary();
    return end <= 0 ? QString() : text.left(end);
}
