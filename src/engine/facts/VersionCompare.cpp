#include "engine/facts/VersionCompare.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// More digits than this could overflow; no real version has them.
constexpr qsizetype maxDigits = 18;

struct Split
{
    QString version;
    QString build; // after Homebrew's comma; may be empty
};

Split splitBuild(const QString &text)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return { text, {} };
    return { text.left(comma), text.mid(comma + 1) };
}

VersionCompare::Order order(const QList<quint64> &a, const QList<quint64> &b)
{
    const qsizetype length = std::max(a.size(), b.size());
    for (qsizetype i = 0; i < length; ++i) {
        const quint64 left = i < a.size() ? a[i] : 0;
        const quint64 right = i < b.size() ? b[i] : 0;
        if (left != right)
            return left < right ? VersionCompare::Order::Older : VersionCompare::Order::Newer;
    }
    return VersionCompare::Order::Same;
}

} // namespace

std::optional<QList<quint64>> VersionCompare::numbers(const QString &version)
{
    QString text = version.trimmed();
    if (text.startsWith(u'v') || text.startsWith(u'V'))
        text.remove(0, 1);
    if (text.isEmpty())
        return std::nullopt;
    QList<quint64> parts;
    for (const QString &part : text.split(u'.')) {
        if (part.isEmpty() || part.size() > maxDigits)
            return std::nullopt;
        for (const QChar c : part) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
        }
        parts.append(part.toULongLong());
    }
    return parts;
}

VersionCompare::Order VersionCompare::compare(const QString &installed, const QString &available)
{
    const Split left = splitBuild(installed);
    const Split right = splitBuild(available);
    const auto a = numbers(left.version);
    const auto b = numbers(right.version);
    if (!a || !b)
        return Order::Unknown;
    const Order byVersion = order(*a, *b);
    if (byVersion != Order::Same || (left.build.isEmpty() && right.build.isEmpty()))
        return byVersion;
    // Same version, and a build on one side at least: a newer build is an update only when both
    // builds are numbers (a hash or a date code says nothing about order).
    const auto buildA = numbers(left.build);
    const auto buildB = numbers(right.build);
    if (!buildA || !buildB || left.build.startsWith(u'v') || right.build.startsWith(u'v'))
        return Order::Unknown;
    return order(*buildA, *buildB);
}

bool VersionCompare::isMoreThanOneMajorBehind(const QString &installed, const QString &available)
{
    const auto a = numbers(splitBuild(installed).version);
    const auto b = numbers(splitBuild(available).version);
    return a && b && a->first() + 1 < b->first();
}

QString VersionCompare::displayed(const QString &version)
{
    const QString text = version.trimmed();
    if (text.size() > 1 && (text.startsWith(u'v') || text.startsWith(u'V')) && text[1].isDigit())
        return text.mid(1);
    return text;
}
