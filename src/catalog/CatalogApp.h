#pragma once

#include <QCoreApplication>
#include <QHashFunctions>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// One application of the catalog: how it is presented, obtained and recognised on the Mac.

// A GitHub release asset to download instead of a Homebrew cask.
struct DirectDownload
{
    QString githubRepo; // "owner/name"
    QString assetArm64;
    QString assetX64;

    friend bool operator==(const DirectDownload &, const DirectDownload &) = default;
};

// The paid application a catalog entry stands in for.
struct Replacement
{
    QString app;
    QString priceText;

    friend bool operator==(const Replacement &, const Replacement &) = default;
};

enum class Pricing { Free, Freemium };

struct InstallSource
{
    std::variant<QString, DirectDownload> payload; // cask token, or a direct download

    static InstallSource homebrewCask(const QString &token) { return { token }; }
    static InstallSource directDownload(const DirectDownload &download) { return { download }; }

    bool isHomebrewCask() const { return std::holds_alternative<QString>(payload); }
    // Empty when this is a direct download.
    QString caskToken() const { return isHomebrewCask() ? std::get<QString>(payload) : QString(); }
    // Only meaningful when !isHomebrewCask().
    const DirectDownload *download() const { return std::get_if<DirectDownload>(&payload); }

    friend bool operator==(const InstallSource &, const InstallSource &) = default;
};

struct CatalogApp
{
    Q_DECLARE_TR_FUNCTIONS(CatalogApp)

public:
    enum class Category { Window, Clipboard, Media, Menubar, Security, Files };
    enum class License { Mit, Apache, Bsd, Gpl, ApacheCommonsClause, Proprietary };

    QString id;
    QString name;
    QString tagline;
    Category category = Category::Window;
    InstallSource install;
    License license = License::Mit;
    Pricing pricing = Pricing::Free;
    QString homepage;
    std::optional<QString> bundleID;
    bool isCurated = false;
    std::optional<Replacement> replaces;
    QStringList screenshots;

    bool requiresAccessibilityPermission() const;
    bool requiresScreenRecordingPermission() const;

    static QList<Category> allCategories();
    static QList<License> allLicenses();
    // What the user reads, in the language in use.
    static QString label(Category category);
    static QString symbol(Category category); // the symbol name shown beside the label
    static QString label(License license);
    static QString label(Pricing pricing);
    // The English labels, as the JSON form writes them: the same in every language.
    static QString jsonLabel(Category category);
    static QString jsonLabel(License license);
    static QString jsonLabel(Pricing pricing);

    // This entry as the user reads it: the tagline, and the period of the replaced app's price
    // ("$30/yr"), in the language in use. A text the translation does not know stays as published,
    // so a tagline new in a refreshed catalog reads in English.
    CatalogApp translated() const;

    // The JSON form. fromJson returns nothing and sets *error on a decoding error.
    QJsonObject toJson() const;
    static std::optional<CatalogApp> fromJson(const QJsonObject &object, QString *error = nullptr);

    friend bool operator==(const CatalogApp &, const CatalogApp &) = default;
};

size_t qHash(const DirectDownload &download, size_t seed = 0) noexcept;
size_t qHash(const Replacement &replacement, size_t seed = 0) noexcept;
size_t qHash(const InstallSource &source, size_t seed = 0) noexcept;
size_t qHash(const CatalogApp &app, size_t seed = 0) noexcept;
