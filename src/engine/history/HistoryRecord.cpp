#include "engine/history/HistoryRecord.h"

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const std::array kinds {
    std::pair { HistoryRecord::Kind::Install, u"install"_s },
    std::pair { HistoryRecord::Kind::Update, u"update"_s },
    std::pair { HistoryRecord::Kind::Uninstall, u"uninstall"_s },
    std::pair { HistoryRecord::Kind::HomebrewSetup, u"homebrew-setup"_s },
    std::pair { HistoryRecord::Kind::Batch, u"batch"_s },
    std::pair { HistoryRecord::Kind::Revert, u"revert"_s },
    std::pair { HistoryRecord::Kind::UndoRemoval, u"undo-removal"_s },
};

const std::array outcomes {
    std::pair { HistoryRecord::Outcome::Running, u"running"_s },
    std::pair { HistoryRecord::Outcome::Succeeded, u"succeeded"_s },
    std::pair { HistoryRecord::Outcome::Failed, u"failed"_s },
    std::pair { HistoryRecord::Outcome::Cancelled, u"cancelled"_s },
    std::pair { HistoryRecord::Outcome::Refused, u"refused"_s },
    std::pair { HistoryRecord::Outcome::NeedsHomebrew, u"needs-homebrew"_s },
    std::pair { HistoryRecord::Outcome::Interrupted, u"interrupted"_s },
};

const std::array failures {
    std::pair { FailureKind::Unknown, u"unknown"_s },
    std::pair { FailureKind::Download, u"download"_s },
    std::pair { FailureKind::Checksum, u"checksum"_s },
    std::pair { FailureKind::MacOSVersion, u"macos-version"_s },
    std::pair { FailureKind::Unavailable, u"unavailable"_s },
    std::pair { FailureKind::AlreadyInstalled, u"already-installed"_s },
    std::pair { FailureKind::Password, u"password"_s },
    std::pair { FailureKind::InstallerPackage, u"installer-package"_s },
    std::pair { FailureKind::Permission, u"permission"_s },
    std::pair { FailureKind::Network, u"network"_s },
    std::pair { FailureKind::StaleCaskList, u"stale-cask-list"_s },
    std::pair { FailureKind::HomebrewLeftover, u"homebrew-leftover"_s },
};

template <typename Table, typename Value> QString nameIn(const Table &table, Value value)
{
    for (const auto &[entry, name] : table)
        if (entry == value)
            return name;
    return {};
}

template <typename Value, typename Table> std::optional<Value> valueIn(const Table &table, const QString &name)
{
    for (const auto &[entry, entryName] : table)
        if (entryName == name)
            return entry;
    return std::nullopt;
}

} // namespace

QString HistoryRecord::kindName(Kind kind)
{
    return nameIn(kinds, kind);
}

QString HistoryRecord::outcomeName(Outcome outcome)
{
    return nameIn(outcomes, outcome);
}

QString HistoryRecord::failureName(FailureKind failure)
{
    return nameIn(failures, failure);
}

std::optional<HistoryRecord::Kind> HistoryRecord::kindFromName(const QString &name)
{
    return valueIn<Kind>(kinds, name);
}

std::optional<HistoryRecord::Outcome> HistoryRecord::outcomeFromName(const QString &name)
{
    return valueIn<Outcome>(outcomes, name);
}

std::optional<FailureKind> HistoryRecord::failureFromName(const QString &name)
{
    return valueIn<FailureKind>(failures, name);
}
