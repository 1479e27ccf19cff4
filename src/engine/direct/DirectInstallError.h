#pragma once

#include "engine/EngineError.h"

#include <QCoreApplication>
#include <QString>

// Why a direct download could not be installed, in the words the card shows.
struct DirectInstallError
{
    Q_DECLARE_TR_FUNCTIONS(DirectInstallError)

public:
    enum class Kind { AssetNotFound, Ditto, NoAppInArchive, ChecksumMismatch, OtherApp, LinksOutside };
    Kind kind = Kind::NoAppInArchive;
    QString assetName; // AssetNotFound: the name looked for
    int status = 0; // Ditto: the unpacking tool's exit status

    static DirectInstallError assetNotFound(const QString &name) { return { Kind::AssetNotFound, name, 0 }; }
    static DirectInstallError ditto(int exitStatus) { return { Kind::Ditto, {}, exitStatus }; }
    static DirectInstallError noAppInArchive() { return { Kind::NoAppInArchive, {}, 0 }; }
    static DirectInstallError checksumMismatch() { return { Kind::ChecksumMismatch, {}, 0 }; }
    static DirectInstallError otherApp() { return { Kind::OtherApp, {}, 0 }; }
    static DirectInstallError linksOutside() { return { Kind::LinksOutside, {}, 0 }; }

    QString description() const
    {
        switch (kind) {
        case Kind::AssetNotFound:
            //: %1 is the name of a file of the release
            return tr("Could not find a download named %1 in the latest release.").arg(assetName);
        case Kind::Ditto:
            //: %1 is the unpacking tool's exit code
            return tr("Could not unpack the download (code %1).").arg(status);
        case Kind::NoAppInArchive:
            return tr("The download did not contain an app.");
        case Kind::ChecksumMismatch:
            return tr("The download did not match its published checksum.");
        case Kind::OtherApp:
            return tr("The app in the download is not the one expected, so it was not installed.");
        case Kind::LinksOutside:
            return tr("The app in the download points to files outside itself, so it was not installed.");
        }
        return {};
    }

    // As the engine passes failures around: domain "orvando.direct", the case (or exit status) as code.
    EngineError toError() const
    {
        return { EngineError::Domain::Direct, kind == Kind::Ditto ? status : -1 - int(kind), description() };
    }

    friend bool operator==(const DirectInstallError &, const DirectInstallError &) = default;
};
