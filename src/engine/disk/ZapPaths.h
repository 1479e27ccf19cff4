#pragma once

#include <QString>
#include <QStringList>

// Turns one path of a zap stanza ("~/Library/Containers/com.example.App*") into the paths that
// exist on this disk, without a shell: "~" is the home folder, and "*", "?" and "[…]" are matched
// one path segment at a time. Matches that would reach past what the entry names are refused.
namespace ZapPaths {

struct Result
{
    QStringList paths; // existing matches, sorted within each glob
    QStringList refused; // "<path>: <why>", for the log and the review
};

// ownBundleID and otherBundleIDs: a glob match named after another app (a sibling folder such as
// "com.example.OtherApp" for "com.example.*") is refused unless it names this app more exactly.
Result expand(
    const QString &pattern, const QString &home, const QString &ownBundleID, const QStringList &otherBundleIDs);

// Whether path, found inside location, is safe to move: no folder between them is a link, and a
// link at path itself points inside location.
bool staysInside(const QString &path, const QString &location);

// Whether bundleID can name a folder entry: letters, digits, "-", "_" and "." only, and no "..".
bool isSafeBundleID(const QString &bundleID);

} // namespace ZapPaths
