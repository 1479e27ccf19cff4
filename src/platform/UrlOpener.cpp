#include "platform/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace UrlOpener {

namespace {

std::function<bool(const QUrl &)> &replacement()
{
    static std::function<bool(const QUrl &)> opener;
    return opener;
}

} // namespace

// QDesktopServices goes through LaunchServices on macOS and honours handlers registered with
// setUrlHandler, which is how tests see what would have been opened.
bool open(const QUrl &url)
{
    if (!url.isValid())
        return false;
    if (replacement())
        return replacement()(url);
    return QDesktopServices::openUrl(url);
}

void setOpener(std::function<bool(const QUrl &url)> opener)
{
    replacement() = std::move(opener);
}

} // namespace UrlOpener
