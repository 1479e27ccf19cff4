#include "platform/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace UrlOpener {

// QDesktopServices goes through LaunchServices on macOS and honours handlers registered with
// setUrlHandler, which is how tests see what would have been opened.
bool open(const QUrl &url)
{
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace UrlOpener
