#include "engine/facts/CaskFactsText.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// A sentence of its own, to follow the first: empty when Homebrew names no replacement.
QString replacementSentence(const CaskLifecycle &mark)
{
    if (mark.replacement.isEmpty())
        return {};
    //: Follows another sentence, so it starts with a space; %1 is the name of another app or cask
    return QCoreApplication::translate("CaskFactsText", " Homebrew suggests “%1” instead.").arg(mark.replacement);
}

} // namespace

QString CaskFactsText::date(const QDate &date)
{
    //: The date format for when Homebrew stops offering an app, as in 1 September 2026 (Qt's date pattern letters)
    return QLocale().toString(date, QCoreApplication::translate("CaskFactsText", "d MMMM yyyy", "date format"));
}

QString CaskFactsText::reason(const QString &homebrewReason)
{
    // Clauses that follow "no longer offers TomatoBar: ".
    static const QHash<QString, const char *> plain {
        { u"discontinued"_s, QT_TRANSLATE_NOOP("CaskFactsText", "its makers have stopped working on it") },
        { u"moved_to_mas"_s, QT_TRANSLATE_NOOP("CaskFactsText", "it is now only on the Mac App Store") },
        { u"no_longer_available"_s, QT_TRANSLATE_NOOP("CaskFactsText", "its makers no longer offer the download") },
        { u"no_longer_meets_criteria"_s,
            QT_TRANSLATE_NOOP("CaskFactsText", "it no longer meets Homebrew’s rules for apps") },
        { u"unmaintained"_s, QT_TRANSLATE_NOOP("CaskFactsText", "nobody maintains it any more") },
        { u"unsigned"_s, QT_TRANSLATE_NOOP("CaskFactsText", "it does not pass Apple’s Gatekeeper check") },
        { u"fails_gatekeeper_check"_s,
            QT_TRANSLATE_NOOP("CaskFactsText", "it does not pass Apple’s Gatekeeper check") },
        { u"unsigned_artifact"_s,
            QT_TRANSLATE_NOOP("CaskFactsText", "it contains a part Apple’s security checks reject") },
        { u"repo_archived"_s, QT_TRANSLATE_NOOP("CaskFactsText", "its source code repository has been archived") },
        { u"repo_removed"_s, QT_TRANSLATE_NOOP("CaskFactsText", "its source code repository has been removed") },
    };
    const QString key = homebrewReason.trimmed();
    if (key.isEmpty())
        return {};
    if (const auto it = plain.constFind(key); it != plain.constEnd())
        return QCoreApplication::translate("CaskFactsText", *it);
    // Homebrew writes its own reasons, in English, to follow "because it" ("uses an unsupported runtime").
    return key.startsWith(u"it "_s) ? key : u"it "_s + key;
}

QString CaskFactsText::unavailable(const QString &appName, const CaskFacts &facts)
{
    const QString why = reason(facts.disable.reason);
    QString sentence;
    if (facts.disable.date) {
        const QString since = date(*facts.disable.date);
        sentence = why.isEmpty()
            //: %1 is an app's name, %2 a date
            ? QCoreApplication::translate("CaskFactsText", "Homebrew no longer offers %1, since %2.")
                  .arg(appName, since)
            //: %1 is an app's name, %2 why, as a clause ("its makers have stopped working on it"), %3 a date
            : QCoreApplication::translate("CaskFactsText", "Homebrew no longer offers %1: %2, since %3.")
                  .arg(appName, why, since);
    } else {
        sentence = why.isEmpty()
            //: %1 is an app's name
            ? QCoreApplication::translate("CaskFactsText", "Homebrew no longer offers %1.").arg(appName)
            //: %1 is an app's name, %2 why, as a clause ("its makers have stopped working on it")
            : QCoreApplication::translate("CaskFactsText", "Homebrew no longer offers %1: %2.").arg(appName, why);
    }
    return sentence + replacementSentence(facts.disable);
}

QString CaskFactsText::deprecated(const QString &appName, const CaskFacts &facts, const QDate &today)
{
    const QString why = reason(facts.deprecation.reason);
    QString sentence = why.isEmpty()
        //: %1 is an app's name
        ? QCoreApplication::translate("CaskFactsText", "Homebrew no longer recommends %1.").arg(appName)
        //: %1 is an app's name, %2 why, as a clause ("its makers have stopped working on it")
        : QCoreApplication::translate("CaskFactsText", "Homebrew no longer recommends %1: %2.").arg(appName, why);
    if (facts.disable.date && *facts.disable.date > today)
        //: Follows another sentence, so it starts with a space; %1 is a date
        sentence += QCoreApplication::translate("CaskFactsText", " It will stop offering it on %1.")
                        .arg(date(*facts.disable.date));
    return sentence + replacementSentence(facts.deprecation);
}

QString CaskFactsText::checksum(const CaskFacts &facts)
{
    switch (facts.checksum) {
    case CaskFacts::Checksum::Verified:
        return QCoreApplication::translate("CaskFactsText", "Checksum verified by Homebrew");
    case CaskFacts::Checksum::NotChecked:
        return QCoreApplication::translate(
            "CaskFactsText", "Not verified: this app's download changes with every release");
    case CaskFacts::Checksum::Unknown:
        break;
    }
    return {};
}

QString CaskFactsText::checksum(const ReleaseFacts &facts)
{
    return facts.hasDigest
        ? QCoreApplication::translate("CaskFactsText", "Verified against GitHub's published digest")
        : QCoreApplication::translate("CaskFactsText", "Not verified: GitHub published no digest for this download");
}

QString CaskFactsText::size(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}
