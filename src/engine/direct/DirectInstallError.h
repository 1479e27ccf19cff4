#pragma once

#include "engine/EngineError.h"

#include <QString>

// Why a direct download could not be installed, in the words the card shows.
struct DirectInstallError
{
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
            return QStringLiteral("Could not find a download named ") + assetName
                + QStringLiteral(" in the latest release.");
        case Kind::Ditto:
            return QStringLiteral("Could not unpack the download (code ") + QString::number(status)
                + QStringLiteral(").");
        case Kind::NoAppInArchive:
            return QStringLiteral("The download did not contain an app.");
        case Kind::ChecksumMismatch:
            return QStringLiteral("The download did not match its published checksum.");
        case Kind::OtherApp:
            return QStringLiteral("The app in the download is not the one expected, so it was not installed.");
        case Kind::LinksOutside:
            return QStringLiteral("The app in the download points to files outside itself, so it was not installed.");
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
