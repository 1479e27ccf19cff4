#include "views/card/PrivacySettings.h"

#include "platform/UrlOpener.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace PrivacySettings {

QUrl accessibilityUrl()
{
    return QUrl(u"x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility"_s);
}

QUrl screenRecordingUrl()
{
    return QUrl(u"x-apple.systempreferences:com.apple.preference.security?Privacy_ScreenCapture"_s);
}

void openAccessibility()
{
    UrlOpener::open(accessibilityUrl());
}

void openScreenRecording()
{
    UrlOpener::open(screenRecordingUrl());
}

} // namespace PrivacySettings
