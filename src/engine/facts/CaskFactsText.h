#pragma once

#include "engine/facts/CaskFacts.h"
#include "engine/facts/ReleaseFacts.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

// The sentences the card, the detail sheet and the command line show for the facts: pure
// functions, the same words in every front end.
namespace CaskFactsText {

// "1 September 2026".
QString date(const QDate &date);
// Homebrew's reason in plain words, as a clause ("it does not pass Apple’s Gatekeeper check");
// a reason Homebrew wrote in its own words is kept; empty for no reason.
QString reason(const QString &homebrewReason);

// For a disabled cask: "Homebrew no longer offers TomatoBar: <reason>, since 1 September 2026.",
// followed by the replacement Homebrew names, if any.
QString unavailable(const QString &appName, const CaskFacts &facts);
// The one-line warning for a deprecated cask; it names the day Homebrew will stop offering it
// when that day is after today.
QString deprecated(const QString &appName, const CaskFacts &facts, const QDate &today);

// "Before you install": whether anyone checks the download; empty when nobody knows.
QString checksum(const CaskFacts &facts);
QString checksum(const ReleaseFacts &facts);

// A download's size: "12.3 MB".
QString size(qint64 bytes);
// Shown with QCoreApplication::translate("CaskFactsText", updatesItself).
inline constexpr auto updatesItself = QT_TRANSLATE_NOOP("CaskFactsText", "Updates itself");

} // namespace CaskFactsText
