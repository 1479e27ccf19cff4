#pragma once

#include "catalog/CatalogDocument.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The trust a refreshed catalog needs before the program uses it: an Ed25519 signature over the
// file's exact bytes by the key the program was built with, a document that decodes whole, and an
// issue date later than the catalog the program already has (so an old signed file, replayed,
// changes nothing). Keys are written in base64: the public key of 32 bytes, the secret key as its
// 32-byte seed. The signature file holds the 64-byte signature in base64.
namespace SignedCatalog {

inline constexpr qint64 maximumSize = 1024 * 1024; // the built-in list is about 20 KB
inline constexpr qint64 maximumSignatureSize = 1024;

enum class Verdict {
    Accepted,
    Unsigned, // no signature, or no key to check one with
    BadSignature, // not signed by the key, or the bytes were changed after signing
    Oversized,
    Invalid, // signed, but no catalog this program can use
    Stale, // signed and valid, but not issued after what the program already has
};

struct Check
{
    Verdict verdict = Verdict::Invalid;
    std::optional<CatalogDocument> document; // only when accepted
    QString problem; // for the log: what was wrong
};

Check check(const QByteArray &bytes, const QByteArray &signature, const QString &publicKey, const QDateTime &newerThan);

struct KeyPair
{
    QString publicKey;
    QString secretKey;
};
KeyPair generateKeyPair();
// The signature file's content for bytes; empty when secretKey is no key.
QByteArray sign(const QByteArray &bytes, const QString &secretKey);
// The public key that belongs to secretKey; empty when it is no key.
QString publicKeyOf(const QString &secretKey);
bool isPublicKey(const QString &publicKey);

} // namespace SignedCatalog
