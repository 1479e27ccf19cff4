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
        //: A row's title in "Before you install"
        { tr("Version"),
            //: %1 is a version, %2 where it comes from: Homebrew or GitHub
            version.isEmpty() ? notKnown() : tr("%1 (from %2)").arg(version, source) },
        //: A row's title in "Before you install": the host the app is downloaded from
        { tr("Download from"), host.isEmpty() ? notKnown() : host },
        //: A row's title in "Before you install"
        { tr("Checksum"), checksumNote.isEmpty() ? notKnown() : checksumNote },
        //: A row's title in "Before you install": the download's size
        { tr("Size"), size >= 0 ? CaskFactsText::size(size) : QString() },
    };
}

QString BeforeInstallFacts::heading()
{
    return tr("Before you install");
}

QString BeforeInstallFacts::notKnown()
{
    return tr("Not known yet");
}
