#pragma once

#include <QString>

#include <optional>

// Whether the system says this Mac has no network at all, so that an install can say so at once
// instead of failing after a time-out. A system that cannot tell counts as online.
namespace NetworkStatus {

// True only when the system's network information reports no connection; without askSystem
// (a test's sandbox) only what a test said counts.
bool offline(bool askSystem = true);
// The one sentence for an install or update refused for it.
QString offlineSentence();
// Tests decide what the system says: true offline, false online, nothing to ask the system again.
void setOfflineForTesting(std::optional<bool> offline);

} // namespace NetworkStatus
