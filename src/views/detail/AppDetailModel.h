#pragma once

#include "catalog/CatalogApp.h"

#include <QImage>
#include <QList>
#include <QString>

// What the detail sheet shows of one catalog application beyond the record itself.
class AppDetailModel
{
public:
    struct Screenshot
    {
        QString name;
        QImage image;
    };

    explicit AppDetailModel(CatalogApp app);

    const CatalogApp &app() const { return m_app; }

    // The application's screenshots that exist in the resource bundle, in catalog order.
    // Main thread only (the image caches have no lock).
    QList<Screenshot> resolvedScreenshots() const;

private:
    CatalogApp m_app;
};
