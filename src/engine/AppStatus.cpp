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

namespace {

const char *stateName(AppStatus::Kind kind)
{
    using Kind = AppStatus::Kind;
    switch (kind) {
    case Kind::NotInstalled:
        //: An app's state in a list column
        return QT_TRANSLATE_NOOP("AppStatus", "not installed");
    case Kind::Installed:
        //: An app's state in a list column
        return QT_TRANSLATE_NOOP("AppStatus", "installed");
    case Kind::UpdateAvailable:
        //: An app's state in a list column
        return QT_TRANSLATE_NOOP("AppStatus", "update available");
    case Kind::Unavailable:
        //: An app's state in a list column: Homebrew no longer offers it
        return QT_TRANSLATE_NOOP("AppStatus", "unavailable");
    case Kind::Installing:
        //: An app's state in a list column
        return QT_TRANSLATE_NOOP("AppStatus", "installing");
    case Kind::Uninstalling:
        //: An app's state in a list column
        return QT_TRANSLATE_NOOP("AppStatus", "removing");
    case Kind::Failed:
        //: An app's state in a list column: its last operation failed
        return QT_TRANSLATE_NOOP("AppStatus", "failed");
    case Kind::NeedsHomebrew:
        //: An app's state in a list column
        return QT_TRANSLATE_NOOP("AppStatus", "needs Homebrew");
    }
    return "";
}

} // namespace

QString AppStatus::label() const
{
    return tr(stateName(kind));
}

QString AppStatus::key() const
{
    return QString::fromLatin1(stateName(kind));
}

QString AppStatus::updateTitle() const
{
    //: A button; %1 is the newer version, e.g. 2.1.0
    return kind == Kind::UpdateAvailable ? tr("Update to %1").arg(update->availableVersion) : QString();
}
