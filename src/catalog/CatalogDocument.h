#pragma once

#include "catalog/CatalogApp.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>

#include <optional>

// A catalog published apart from the program, so the list of apps can change without a new
// version: the entries in their JSON form and the moment the catalog was issued. The moment orders
// catalogs: one replaces another only when it was issued later.
//
//   { "format": 1, "issued": "2026-12-07T09:30:00Z", "apps": [ { "id": "maccy", … }, … ] }
struct CatalogDocument
{
    Q_DECLARE_TR_FUNCTIONS(CatalogDocument)

public:
    // The layout this program reads; a catalog of a later format is for a later program.
    static constexpr int format = 1;

    QDateTime issued; // in UTC
    QList<CatalogApp> apps;

    // Keys this program does not know are ignored, at the top and in every entry, so a later
    // catalog may carry more. An entry that does not decode, or that the program could not use
    // safely (an id or a screenshot name that is no plain name, a cask token that could pass for
    // an option, a home page that is no https address, two entries with one id), makes the whole
    // document invalid: nothing is returned and *error says what is wrong.
    static std::optional<CatalogDocument> fromJson(const QByteArray &json, QString *error = nullptr);
    QByteArray toJson() const;

    // "2026-12-07T09:30:00Z", as written in the document.
    static QString issuedText(const QDateTime &issued);
};
