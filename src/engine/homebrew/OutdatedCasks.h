#pragma once

#include "engine/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// One cask that `brew outdated --cask --greedy --json=v2` lists: what is installed and what
// Homebrew offers now.
struct OutdatedCask
{
    QString token;
    QStringList installedVersions; // as Homebrew lists them, oldest first
    QString currentVersion;

    friend bool operator==(const OutdatedCask &, const OutdatedCask &) = default;
};

namespace OutdatedCasks {

// The "casks" of brew's answer that belong to the catalog (tokens), in brew's order. Formulae,
// other casks and entries without a name or current version are left out; text that is not such
// an answer at all fails with a sentence.
Outcome<QList<OutdatedCask>> decode(const QByteArray &json, const QSet<QString> &tokens);

} // namespace OutdatedCasks
