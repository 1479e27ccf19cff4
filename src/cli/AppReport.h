#pragma once

#include "catalog/CatalogApp.h"
#include "engine/AppStatus.h"
#include "engine/facts/CaskFacts.h"
#include "engine/facts/ReleaseFacts.h"
#include "platform/Gatekeeper.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// Everything `info` tells about one app, gathered once: what the detail sheet shows (the record,
// the notes and the permission guidance), its state, and the health and trust facts ("Before you
// install", Gatekeeper's verdict on the installed copy). Written as text or as JSON; pure.
struct AppReport
{
    CatalogApp app;
    AppStatus status;
    std::optional<QString> installedPath;
    std::optional<CaskFacts> cask;
    std::optional<ReleaseFacts> release;
    std::optional<GatekeeperAssessment> gatekeeper; // installed apps only

    // The sheet's notes: the freemium note and the guidance for the permissions the app needs.
    QStringList notes() const;
    QString text() const;
    QJsonObject json() const;
};
