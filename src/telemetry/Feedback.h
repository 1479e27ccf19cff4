#pragma once

#include "platform/VersionInfo.h"

#include <QString>
#include <QUrl>

#include <optional>

// Feedback and app suggestions as pre-filled e-mails handed to the user's mail application.
namespace Feedback {

// The feedback template: three questions with room to answer, then the Mac's details.
QString body();

// The version text of the feedback subject: "1.2 (34)", "1.2", "34", or "1.0-rc2" with neither.
QString appVersion(const VersionInfo &version);
QString appVersion();

// Subject and body percent-encoded so that & = ? + in the user's text stay inside the body.
QByteArray percentEncoded(const QString &text);
std::optional<QUrl> messageURL(const QString &subject, const QString &body);

std::optional<QUrl> mailtoURL(const VersionInfo &version);
std::optional<QUrl> mailtoURL();
std::optional<QUrl> suggestionURL(const QString &suggestion);

// Both return whether a mail application accepted the message; callers may ignore it.
bool openFeedbackEmail();
bool openSuggestEmail(const QString &suggestion);

} // namespace Feedback
