#include "engine/disk/ZapPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// A glob segment needs this many plain characters: "*" alone would match every app's folder.
constexpr int minimumLiteralCharacters = 3;

bool isGlob(const QString &segment)
{
    return segment.contains(u'*') || segment.contains(u'?') || segment.contains(u'[');
}

int literalCharacters(const QString &segment)
{
    int count = 0;
    for (const QChar c : segment) {
        if (c != u'*' && c != u'?' && c != u'[' && c != u']')
            ++count;
    }
    return count;
}

// Whether name is one of the entries an app with bundleID leaves: the id itself, or the id
// followed by a separator ("com.example.App.plist", "com.example.App-Helper").
bool namedAfter(const QString &name, const QString &bundleID)
{
    if (bundleID.isEmpty() || !name.startsWith(bundleID, Qt::CaseInsensitive))
        return false;
    if (name.size() == bundleID.size())
        return true;
    const QChar next = name.at(bundleID.size());
    return !next.isLetterOrNumber();
}

// The other app whose folder name is, more exactly than the own bundle id, if any.
QString siblingOwning(const QString &name, const QString &own, const QStringList &others)
{
    for (const QString &other : others) {
        if (other.compare(own, Qt::CaseInsensitive) == 0 || !namedAfter(name, other))
            continue;
        if (namedAfter(name, own) && own.size() >= other.size())
            continue;
        return other;
    }
    return {};
}

QString refusal(const QString &path, const QString &why)
{
    //: %1 is a path, %2 why it is left alone
    return QCoreApplication::translate("ZapPaths", "%1: %2").arg(path, why);
}

} // namespace

bool ZapPaths::isSafeBundleID(const QString &bundleID)
{
    static const QRegularExpression allowed(u"^[A-Za-z0-9][A-Za-z0-9._-]*$"_s);
    return allowed.match(bundleID).hasMatch() && !bundleID.contains(u".."_s);
}

bool ZapPaths::staysInside(const QString &path, const QString &location)
{
    const QString canonicalLocation = QFileInfo(location).canonicalFilePath();
    const QString cleanLocation = QDir::cleanPath(location);
    const QString parent = QFileInfo(QDir::cleanPath(path)).absolutePath();
    if (canonicalLocation.isEmpty())
        return false;
    if (parent != cleanLocation && !parent.startsWith(cleanLocation == u"/"_s ? cleanLocation : cleanLocation + u'/'))
        return false;
    // Each folder on the way is a real folder: its canonical path is the one written.
    const QString below = parent.mid(cleanLocation == u"/"_s ? 0 : cleanLocation.size());
    const QString expected = QDir::cleanPath(canonicalLocation + u'/' + below);
    const QString canonicalParent = QFileInfo(parent).canonicalFilePath();
    if (canonicalParent.isEmpty() || canonicalParent != expected)
        return false;
    const QFileInfo entry(path);
    if (!entry.isSymLink())
        return true;
    // A link is moved, not followed; still, one that leads out of its folder is left alone.
    const QString target = entry.exists() ? entry.canonicalFilePath() : QDir::cleanPath(entry.symLinkTarget());
    return target.startsWith(canonicalParent == u"/"_s ? canonicalParent : canonicalParent + u'/');
}

ZapPaths::Result ZapPaths::expand(
    const QString &pattern, const QString &home, const QString &ownBundleID, const QStringList &otherBundleIDs)
{
    Result result;
    QString path = pattern;
    if (path == u"~"_s || path.startsWith(u"~/"_s))
        path = QDir::cleanPath(home) + path.mid(1);
    if (!QDir::isAbsolutePath(path)) {
        result.refused.append(refusal(pattern, QCoreApplication::translate("ZapPaths", "not a full path")));
        return result;
    }
    const QStringList segments = path.split(u'/', Qt::SkipEmptyParts);
    for (const QString &segment : segments) {
        if (segment == u".."_s || segment == u"."_s) {
            result.refused.append(
                refusal(pattern, QCoreApplication::translate("ZapPaths", "it steps out of its folder")));
            return result;
        }
        if (isGlob(segment) && literalCharacters(segment) < minimumLiteralCharacters) {
            result.refused.append(
                refusal(pattern, QCoreApplication::translate("ZapPaths", "it would match other apps’ files")));
            return result;
        }
    }
    if (segments.isEmpty())
        return result;

    const QString cleanHome = QDir::cleanPath(home);
    QStringList current { QString() }; // "" stands for "/"
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString &segment = segments.at(i);
        const bool last = i == segments.size() - 1;
        QStringList next;
        for (const QString &folder : std::as_const(current)) {
            QStringList names;
            if (isGlob(segment)) {
                const QRegularExpression match = QRegularExpression::fromWildcard(segment, Qt::CaseSensitive);
                const QDir dir(folder.isEmpty() ? u"/"_s : folder);
                QStringList entries
                    = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
                for (const QString &name : std::as_const(entries)) {
                    // As Ruby's glob: a leading "*" does not match hidden entries.
                    if (name.startsWith(u'.') && !segment.startsWith(u'.'))
                        continue;
                    if (!match.match(name).hasMatch())
                        continue;
                    const QString sibling = siblingOwning(name, ownBundleID, otherBundleIDs);
                    if (!sibling.isEmpty()) {
                        result.refused.append(refusal(folder + u'/' + name,
                            QCoreApplication::translate("ZapPaths", "it belongs to %1").arg(sibling)));
                        continue;
                    }
                    names.append(name);
                }
            } else {
                names.append(segment);
            }
            for (const QString &name : std::as_const(names)) {
                const QString candidate = folder + u'/' + name;
                const QFileInfo info(candidate);
                if (last ? (info.exists() || info.isSymLink()) : (info.isDir() && !info.isSymLink()))
                    next.append(candidate);
                else if (!last && info.isSymLink() && info.isDir())
                    result.refused.append(
                        refusal(candidate, QCoreApplication::translate("ZapPaths", "it is a link to another place")));
            }
        }
        current = next;
    }
    for (const QString &candidate : std::as_const(current)) {
        const bool inHome = candidate.startsWith(cleanHome + u'/');
        if (staysInside(candidate, inHome ? cleanHome : u"/"_s))
            result.paths.append(candidate);
        else
            result.refused.append(
                refusal(candidate, QCoreApplication::translate("ZapPaths", "it leads outside its folder")));
    }
    return result;
}
