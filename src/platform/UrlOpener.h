#pragma once

#include <functional>

class QUrl;

// Hands an address (mailto:, web, x-apple.systempreferences:) to whatever the system opens it with.
namespace UrlOpener {

// True when a handler accepted the address.
bool open(const QUrl &url);

// Replaces how addresses are opened, for tests that need the system to refuse; an empty function
// restores the system's way.
void setOpener(std::function<bool(const QUrl &url)> opener);

} // namespace UrlOpener
