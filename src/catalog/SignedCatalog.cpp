#include "catalog/SignedCatalog.h"

#include <QCoreApplication>

#include <sodium.h>

using namespace Qt::StringLiterals;

namespace {

// Base64 text of exactly size bytes, surrounding white space allowed; empty otherwise.
QByteArray decodeKey(const QByteArray &text, qsizetype size)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != size)
        return {};
    return decoded.decoded;
}

bool ready()
{
    // Safe to call again and from any thread; -1 only when no random source can be had.
    return sodium_init() >= 0;
}

// The 64-byte secret key libsodium signs with, from the 32-byte seed.
QByteArray secretKeyFrom(const QString &seedText, QByteArray *publicKey = nullptr)
{
    const QByteArray seed = decodeKey(seedText.toLatin1(), crypto_sign_SEEDBYTES);
    if (seed.isEmpty() || !ready())
        return {};
    QByteArray pk(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray sk(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_seed_keypair(reinterpret_cast<unsigned char *>(pk.data()), reinterpret_cast<unsigned char *>(sk.data()),
        reinterpret_cast<const unsigned char *>(seed.constData()));
    if (publicKey)
        *publicKey = pk;
    return sk;
}

SignedCatalog::Check refused(SignedCatalog::Verdict verdict, const QString &problem)
{
    return { verdict, std::nullopt, problem };
}

} // namespace

namespace SignedCatalog {

Check check(const QByteArray &bytes, const QByteArray &signature, const QString &publicKey, const QDateTime &newerThan)
{
    if (bytes.size() > maximumSize || signature.size() > maximumSignatureSize)
        return refused(Verdict::Oversized,
            QCoreApplication::translate(
                "SignedCatalog", "The catalog or its signature is larger than a catalog can be."));
    const QByteArray key = decodeKey(publicKey.toLatin1(), crypto_sign_PUBLICKEYBYTES);
    if (key.isEmpty())
        return refused(Verdict::Unsigned,
            QCoreApplication::translate("SignedCatalog", "This copy of Orvando has no key to check a catalog with."));
    if (signature.trimmed().isEmpty())
        return refused(Verdict::Unsigned, QCoreApplication::translate("SignedCatalog", "The catalog is not signed."));
    const QByteArray raw = decodeKey(signature, crypto_sign_BYTES);
    if (raw.isEmpty() || !ready()
        || crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(raw.constData()),
               reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(bytes.size()),
               reinterpret_cast<const unsigned char *>(key.constData()))
            != 0)
        return refused(Verdict::BadSignature,
            QCoreApplication::translate("SignedCatalog", "The catalog's signature does not match it."));
    QString why;
    std::optional<CatalogDocument> document = CatalogDocument::fromJson(bytes, &why);
    if (!document)
        return refused(Verdict::Invalid, why);
    if (newerThan.isValid() && document->issued <= newerThan)
        return refused(Verdict::Stale,
            //: %1 and %2 are moments written as in the catalog, e.g. "2026-12-07T09:30:00Z".
            QCoreApplication::translate("SignedCatalog", "The catalog was issued %1, not after %2.")
                .arg(CatalogDocument::issuedText(document->issued), CatalogDocument::issuedText(newerThan)));
    return { Verdict::Accepted, std::move(document), {} };
}

KeyPair generateKeyPair()
{
    if (!ready())
        return {};
    QByteArray seed(crypto_sign_SEEDBYTES, '\0');
    randombytes_buf(seed.data(), size_t(seed.size()));
    const QString secret = QString::fromLatin1(seed.toBase64());
    sodium_memzero(seed.data(), size_t(seed.size()));
    return { publicKeyOf(secret), secret };
}

QByteArray sign(const QByteArray &bytes, const QString &secretKey)
{
    QByteArray sk = secretKeyFrom(secretKey);
    if (sk.isEmpty())
        return {};
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr,
        reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(bytes.size()),
        reinterpret_cast<const unsigned char *>(sk.constData()));
    sodium_memzero(sk.data(), size_t(sk.size()));
    return signature.toBase64() + '\n';
}

QString publicKeyOf(const QString &secretKey)
{
    QByteArray publicKey;
    QByteArray sk = secretKeyFrom(secretKey, &publicKey);
    if (sk.isEmpty())
        return {};
    sodium_memzero(sk.data(), size_t(sk.size()));
    return QString::fromLatin1(publicKey.toBase64());
}

bool isPublicKey(const QString &publicKey)
{
    return !decodeKey(publicKey.toLatin1(), crypto_sign_PUBLICKEYBYTES).isEmpty();
}

} // namespace SignedCatalog
