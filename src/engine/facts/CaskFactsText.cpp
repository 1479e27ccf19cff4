#include "engine/facts/CaskFactsText.h"

#include <QHash>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

QString replacementSentence(const CaskLifecycle &mark)
{
    if (mark.replacement.isEmpty())
        return {};
    return u" Homebrew suggests “"_s + mark.replacement + u"” instead."_s;
}

} // namespace

QString CaskFactsText::date(const QDate &date)
{
    return QLocale(QLocale::English, QLocale::UnitedKingdom).toString(date, u"d MMMM yyyy"_s);
}

QString CaskFactsText::reason(const QString &homebrewReason)
{
    static const QHash<QString, QString> plain {
        { u"discontinued"_s, u"its makers have stopped working on it"_s },
        { u"moved_to_mas"_s, u"it is now only on the Mac App Store"_s },
        { u"no_longer_available"_s, u"its makers no longer offer the download"_s },
        { u"no_longer_meets_criteria"_s, u"it no longer meets Homebrew’s rules for apps"_s },
        { u"unmaintained"_s, u"nobody maintains it any more"_s },
        { u"unsigned"_s, u"it does not pass Apple’s Gatekeeper check"_s },
        { u"fails_gatekeeper_check"_s, u"it does not pass Apple’s Gatekeeper check"_s },
        { u"unsigned_artifact"_s, u"it contains a part Apple’s security checks reject"_s },
        { u"repo_archived"_s, u"its source code repository has been archived"_s },
        { u"repo_removed"_s, u"its source code repository has been removed"_s },
    };
    const QString key = homebrewReason.trimmed();
    if (key.isEmpty())
        return {};
    if (const auto it = plain.constFind(key); it != plain.constEnd())
        return *it;
    // Homebrew writes its own reasons to follow "because it" ("uses an unsupported runtime").
    return key.startsWith(u"it "_s) ? key : u"it "_s + key;
}

QString CaskFactsText::unavailable(const QString &appName, const CaskFacts &facts)
{
    QString sentence = u"Homebrew no longer offers "_s + appName;
    const QString why = reason(facts.disable.reason);
    if (!why.isEmpty())
        sentence += u": "_s + why;
    if (facts.disable.date)
        sentence += u", since "_s + date(*facts.disable.date);
    return sentence + u'.' + replacementSentence(facts.disable);
}

QString CaskFactsText::deprecated(const QString &appName, const CaskFacts &facts, const QDate &today)
{
    QString sentence = u"Homebrew no longer recommends "_s + appName;
    const QString why = reason(facts.deprecation.reason);
    if (!why.isEmpty())
        sentence += u": "_s + why;
    sentence += u'.';
    if (facts.disable.date && *facts.disable.date > today)
        sentence += u" It will stop offering it on "_s + date(*facts.disable.date) + u'.';
    return sentence + replacementSentence(facts.deprecation);
}

QString CaskFactsText::checksum(const CaskFacts &facts)
{
    switch (facts.checksum) {
    case CaskFacts::Checksum::Verified:
        return u"Checksum verified by Homebrew"_s;
    case CaskFacts::Checksum::NotChecked:
        return u"Not verified: this app's download changes with every release"_s;
    case CaskFacts::Checksum::Unknown:
        break;
    }
    return {};
}

QString CaskFactsText::checksum(const ReleaseFacts &facts)
{
    return facts.hasDigest ? u"Verified against GitHub's published digest"_s
                           : u"Not verified: GitHub published no digest for this download"_s;
}

QString CaskFactsText::size(qint64 bytes)
{
    return QLocale(QLocale::English).formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}
