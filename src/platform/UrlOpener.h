#pragma once

class QUrl;

// Hands an address (mailto:, web, x-apple.systempreferences:) to whatever the system opens it with.
namespace UrlOpener {

// True when a handler accepted the address.
bool open(const QUrl &url);

} // namespace UrlOpener
