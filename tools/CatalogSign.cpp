// orvando-catalog-sign: makes the signed catalog that Orvando fetches in place of its built-in list.
//
//   orvando-catalog-sign generate-key            a new key pair (keep the secret one secret)
//   orvando-catalog-sign export [FILE]           the built-in list as a catalog, to start from
//   orvando-catalog-sign sign CATALOG OUTDIR     OUTDIR/catalog.json and catalog.json.sig, issued now;
//                                                the secret key comes from ORVANDO_CATALOG_SECRET_KEY
//   orvando-catalog-sign verify CATALOG SIG KEY  whether Orvando built with public KEY would take it
//
// A catalog that Orvando would refuse (an entry that does not decode or could not be used safely)
// is never signed. Exit status: 0 done, 1 refused or failed, 2 bad usage.
#include "catalog/Catalog.h"
#include "catalog/SignedCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr auto secretKeyVariable = "ORVANDO_CATALOG_SECRET_KEY";

int say(std::FILE *stream, const QString &text, int status)
{
    std::fputs((text + u'\n').toUtf8().constData(), stream);
    return status;
}

int usage()
{
    return say(stderr,
        u"usage: orvando-catalog-sign generate-key | export [FILE] | sign CATALOG OUTDIR | verify CATALOG SIG KEY"_s,
        2);
}

std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(SignedCatalog::maximumSize + 1);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int exportBuiltIn(const QString &path)
{
    const CatalogDocument document { Catalog::builtInIssued(), Catalog::builtIn() };
    if (path.isEmpty()) {
        const QByteArray json = document.toJson();
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        return 0;
    }
    return writeFile(path, document.toJson()) ? 0 : say(stderr, u"Could not write "_s + path + u'.', 1);
}

int sign(const QString &source, const QString &outDir)
{
    const QString secretKey = qEnvironmentVariable(secretKeyVariable);
    const QString publicKey = SignedCatalog::publicKeyOf(secretKey);
    if (publicKey.isEmpty())
        return say(
            stderr, QString::fromLatin1(secretKeyVariable) + u" holds no secret key (generate-key makes one)."_s, 1);
    const std::optional<QByteArray> original = readFile(source);
    QJsonParseError parse {};
    const QJsonDocument json = original ? QJsonDocument::fromJson(*original, &parse) : QJsonDocument();
    if (!json.isObject())
        return say(stderr, source + u" is not a readable JSON object."_s, 1);

    // Issued now: the moment orders catalogs, and a later one replaces every earlier one.
    QJsonObject top = json.object();
    top.insert(u"format"_s, CatalogDocument::format);
    top.insert(u"issued"_s, CatalogDocument::issuedText(QDateTime::currentDateTimeUtc()));
    const QByteArray bytes = QJsonDocument(top).toJson(QJsonDocument::Indented);
    const QByteArray signature = SignedCatalog::sign(bytes, secretKey);

    // What Orvando will do with it, checked before anything is written.
    const SignedCatalog::Check check = SignedCatalog::check(bytes, signature, publicKey, Catalog::builtInIssued());
    if (check.verdict != SignedCatalog::Verdict::Accepted)
        return say(stderr, u"Not signed: "_s + check.problem, 1);
    if (!QDir().mkpath(outDir) || !writeFile(outDir + u"/catalog.json"_s, bytes)
        || !writeFile(outDir + u"/catalog.json.sig"_s, signature))
        return say(stderr, u"Could not write the signed catalog into "_s + outDir + u'.', 1);
    return say(stdout,
        u"Signed %1 apps, issued %2, for the public key %3."_s.arg(check.document->apps.size())
            .arg(CatalogDocument::issuedText(check.document->issued), publicKey),
        0);
}

int verify(const QString &catalog, const QString &signaturePath, const QString &publicKey)
{
    const std::optional<QByteArray> bytes = readFile(catalog);
    const std::optional<QByteArray> signature = readFile(signaturePath);
    if (!bytes || !signature)
        return say(stderr, u"Could not read the catalog and its signature."_s, 1);
    const SignedCatalog::Check check = SignedCatalog::check(*bytes, *signature, publicKey, Catalog::builtInIssued());
    if (check.verdict != SignedCatalog::Verdict::Accepted)
        return say(stderr, u"Refused: "_s + check.problem, 1);
    return say(stdout,
        u"Good: %1 apps, issued %2."_s.arg(check.document->apps.size())
            .arg(CatalogDocument::issuedText(check.document->issued)),
        0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    if (command == u"generate-key"_s && arguments.size() == 1) {
        const SignedCatalog::KeyPair keys = SignedCatalog::generateKeyPair();
        if (keys.publicKey.isEmpty())
            return say(stderr, u"No key could be made."_s, 1);
        return say(stdout, u"public key: "_s + keys.publicKey + u"\nsecret key: "_s + keys.secretKey, 0);
    }
    if (command == u"export"_s && arguments.size() <= 2)
        return exportBuiltIn(arguments.value(1));
    if (command == u"sign"_s && arguments.size() == 3)
        return sign(arguments.at(1), arguments.at(2));
    if (command == u"verify"_s && arguments.size() == 4)
        return verify(arguments.at(1), arguments.at(2), arguments.at(3));
    return usage();
}
