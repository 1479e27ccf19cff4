#include "engine/facts/BeforeInstallFacts.h"

#include "engine/facts/CaskFactsText.h"
#include "engine/facts/VersionCompare.h"

using namespace Qt::StringLiterals;

BeforeInstallFacts BeforeInstallFacts::of(
    const CatalogApp &app, const std::optional<CaskFacts> &cask, const std::optional<ReleaseFacts> &release)
{
    BeforeInstallFacts facts;
    facts.source = app.install.download() ? u"GitHub"_s : u"Homebrew"_s;
    if (cask) {
        facts.version = cask->version;
        facts.host = cask->downloadHost;
        if (cask->checksum != CaskFacts::Checksum::Unknown)
            facts.checksum
                = cask->checksum == CaskFacts::Checksum::Verified ? Checksum::Verified : Checksum::NotVerified;
        facts.checksumNote = CaskFactsText::checksum(*cask);
        facts.updatesItself = cask->autoUpdates;
    } else if (release) {
        facts.version = VersionCompare::displayed(release->tag);
        facts.host = release->downloadHost;
        facts.checksum = release->hasDigest ? Checksum::Verified : Checksum::NotVerified;
        facts.checksumNote = CaskFactsText::checksum(*release);
        facts.size = release->assetSize;
    }
    return facts;
}

QList<BeforeInstallFacts::Row> BeforeInstallFacts::rows() const
{
    return {
        { u"Version"_s, version.isEmpty() ? notKnown() : version + u" (from "_s + source + u')' },
        { u"Download from"_s, host.isEmpty() ? notKnown() : host },
        { u"Checksum"_s, checksumNote.isEmpty() ? notKnown() : checksumNote },
        { u"Size"_s, size >= 0 ? CaskFactsText::size(size) : QString() },
    };
}

QString BeforeInstallFacts::heading()
{
    return u"Before you install"_s;
}

QString BeforeInstallFacts::notKnown()
{
    return u"Not known yet"_s;
}
