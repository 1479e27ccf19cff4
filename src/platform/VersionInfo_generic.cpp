#include "platform/VersionInfo.h"

namespace {

std::optional<QString> compiledIn(const char *value)
{
    const QString text = QString::fromUtf8(value);
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

} // namespace

VersionInfo VersionInfo::current()
{
#if defined(ORVANDO_VERSION) && defined(ORVANDO_BUILD_NUMBER)
    return { compiledIn(ORVANDO_VERSION), compiledIn(ORVANDO_BUILD_NUMBER) };
#else
    return {};
#endif
}
