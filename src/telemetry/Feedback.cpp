#include "telemetry/Feedback.h"

#include "platform/UrlOpener.h"
#include "telemetry/ProductInfo.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Feedback {

QString body()
{
    //: The body of a feedback e-mail: questions, each followed by room for the answer
    return QCoreApplication::translate("Feedback",
        "What did you try?\n\n\nWhat worked?\n\n\nWhat broke or felt confusing?\n\n\n"
        "Your Mac (model + macOS version):\n");
}

QString appVersion(const VersionInfo &version)
{
    if (version.shortVersion && version.build)
        return *version.shortVersion + u" ("_s + *version.build + u')';
    if (version.shortVersion)
        return *version.shortVersion;
    if (version.build)
        return *version.build;
    return u"1.0-rc2"_s;
}

QString appVersion()
{
    return appVersion(VersionInfo::current());
}

// Letters, digits and - . _ ~ stay as they are (toPercentEncoding keeps them); so do the query
// characters listed here. & = ? + are left out on purpose so they cannot start a new parameter.
QByteArray percentEncoded(const QString &text)
{
    return text.toUtf8().toPercentEncoding("!$'()*,;:/@");
}

std::optional<QUrl> messageURL(const QString &subject, const QString &body)
{
    const QByteArray address = "mailto:" + ProductInfo::supportEmail().toUtf8() + "?subject=" + percentEncoded(subject)
        + "&body=" + percentEncoded(body);
    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

std::optional<QUrl> mailtoURL(const VersionInfo &version)
{
    return messageURL(
        //: The subject of a feedback e-mail; %1 is Orvando's version
        QCoreApplication::translate("Feedback", "Orvando v%1 feedback").arg(appVersion(version)), body());
}

std::optional<QUrl> mailtoURL()
{
    return mailtoURL(VersionInfo::current());
}

std::optional<QUrl> suggestionURL(const QString &suggestion)
{
    return messageURL(QCoreApplication::translate("Feedback", "Orvando app suggestion"),
        //: The body of an app suggestion e-mail; %1 is what the user typed
        QCoreApplication::translate("Feedback", "Suggested app / tool:\n\n\n%1\n\n\nWhy it should be in Orvando:\n\n")
            .arg(suggestion));
}

bool openFeedbackEmail()
{
    const std::optional<QUrl> url = mailtoURL();
    return url && UrlOpener::open(*url);
}

bool openSuggestEmail(const QString &suggestion)
{
    const std::optional<QUrl> url = suggestionURL(suggestion);
    return url && UrlOpener::open(*url);
}

} // namespace Feedback
