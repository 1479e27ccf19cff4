#include "engine/AppStatus.h"

#include "engine/facts/CaskFactsText.h"

using namespace Qt::StringLiterals;

AppStatus AppStatus::of(const CatalogApp &app, const std::optional<InstallState> &state,
    const std::optional<CaskFacts> &facts, const std::optional<AppUpdate> &update, const QDate &today)
{
    AppStatus status;
    if (facts && facts->isDeprecated())
        status.warning = CaskFactsText::deprecated(app.name, *facts, today);
    const bool disabled = facts && facts->isDisabled();
    using StateKind = InstallState::Kind;
    switch (state.value_or(InstallState::notInstalled()).kind) {
    case StateKind::Installing:
        status.kind = Kind::Installing;
        // A download being measured says how far it has come instead of only that it runs.
        status.sentence
            = state->progress.received > 0 || state->progress.determinate() ? state->progress.summary() : state->text;
        break;
    case StateKind::Uninstalling:
        status.kind = Kind::Uninstalling;
        status.sentence = state->text;
        break;
    case StateKind::Failed:
        // An install refused because the cask is disabled is no failure to retry.
        status.kind = state->failure == FailureKind::Unavailable ? Kind::Unavailable : Kind::Failed;
        status.sentence = state->text;
        status.update = update;
        break;
    case StateKind::Installed:
        status.update = update;
        status.kind = update && !update->updatesItself ? Kind::UpdateAvailable : Kind::Installed;
        break;
    case StateKind::NotInstalled:
    case StateKind::NeedsHomebrew:
        if (disabled) {
            status.kind = Kind::Unavailable;
            status.sentence = CaskFactsText::unavailable(app.name, *facts);
        } else {
            status.kind = state && state->kind == StateKind::NeedsHomebrew ? Kind::NeedsHomebrew : Kind::NotInstalled;
        }
        break;
    }
    return status;
}

QString AppStatus::label() const
{
    switch (kind) {
    case Kind::NotInstalled:
        return u"not installed"_s;
    case Kind::Installed:
        return u"installed"_s;
    case Kind::UpdateAvailable:
        return u"update available"_s;
    case Kind::Unavailable:
        return u"unavailable"_s;
    case Kind::Installing:
        return u"installing"_s;
    case Kind::Uninstalling:
        return u"removing"_s;
    case Kind::Failed:
        return u"failed"_s;
    case Kind::NeedsHomebrew:
        return u"needs Homebrew"_s;
    }
    return {};
}

QString AppStatus::updateTitle() const
{
    return kind == Kind::UpdateAvailable ? u"Update to "_s + update->availableVersion : QString();
}
