#pragma once

class QUrl;

// The two System Settings pages the permission guidance sends the user to.
namespace PrivacySettings {

QUrl accessibilityUrl();
QUrl screenRecordingUrl();

// Ask the system to open the page; whether it could is not reported to the user.
void openAccessibility();
void openScreenRecording();

} // namespace PrivacySettings
