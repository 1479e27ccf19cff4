#include "cli/CliLookup.h"

#include "cli/CliText.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

int CliLookup::editDistance(const QString &first, const QString &second)
{
    const QString a = first.toLower();
    const QString b = second.toLower();
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    // d[i][j]: edits between the first i characters of a and the first j of b.
    std::vector<std::vector<int>> d(size_t(n + 1), std::vector<int>(size_t(m + 1)));
    for (qsizetype i = 0; i <= n; ++i)
        d[size_t(i)][0] = int(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][size_t(j)] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const auto row = size_t(i);
            const auto column = size_t(j);
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[row][column]
                = std::min({ d[row - 1][column] + 1, d[row][column - 1] + 1, d[row - 1][column - 1] + cost });
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[row][column] = std::min(d[row][column], d[row - 2][column - 2] + 1);
        }
    }
    return d[size_t(n)][size_t(m)];
}

std::optional<QString> CliLookup::closest(const QString &word, const QStringList &candidates)
{
    const int allowed = std::max(2, int(word.size() / 3));
    std::optional<QString> best;
    int bestDistance = allowed + 1;
    for (const QString &candidate : candidates) {
        const int distance = editDistance(word, candidate);
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    if (best || word.size() < 3)
        return best;
    // "raspberry" for "raspberry-pi-imager": far in edits, plainly meant.
    const auto starts = std::find_if(candidates.cbegin(), candidates.cend(),
        [&word](const QString &candidate) { return candidate.startsWith(word, Qt::CaseInsensitive); });
    return starts == candidates.cend() ? std::nullopt : std::optional(*starts);
}

CliLookup::Apps CliLookup::apps(const QStringList &names, const QList<CatalogApp> &catalog)
{
    Apps found;
    QStringList ids;
    for (const CatalogApp &app : catalog)
        ids.append(app.id);
    for (const QString &name : names) {
        const auto match = std::find_if(catalog.cbegin(), catalog.cend(), [&name](const CatalogApp &app) {
            return app.id.compare(name, Qt::CaseInsensitive) == 0 || app.name.compare(name, Qt::CaseInsensitive) == 0
                || (app.install.isHomebrewCask() && app.install.caskToken().compare(name, Qt::CaseInsensitive) == 0);
        });
        if (match == catalog.cend()) {
            found.problems.append(unknown(Cli::tr("Unknown app “%1”.").arg(name), closest(name.toLower(), ids),
                Cli::tr("The list --all command shows every app.")));
            continue;
        }
        if (!found.apps.contains(*match))
            found.apps.append(*match);
    }
    return found;
}

QString CliLookup::categoryKey(CatalogApp::Category category)
{
    switch (category) {
    case CatalogApp::Category::Window:
        return u"window"_s;
    case CatalogApp::Category::Clipboard:
        return u"clipboard"_s;
    case CatalogApp::Category::Media:
        return u"media"_s;
    case CatalogApp::Category::Menubar:
        return u"menubar"_s;
    case CatalogApp::Category::Security:
        return u"security"_s;
    case CatalogApp::Category::Files:
        return u"files"_s;
    }
    return {};
}

std::optional<CatalogApp::Category> CliLookup::category(const QString &text, QString *problem)
{
    QStringList keys;
    for (const CatalogApp::Category category : CatalogApp::allCategories()) {
        if (categoryKey(category).compare(text, Qt::CaseInsensitive) == 0
            || CatalogApp::label(category).compare(text, Qt::CaseInsensitive) == 0
            || CatalogApp::jsonLabel(category).compare(text, Qt::CaseInsensitive) == 0)
            return category;
        keys.append(categoryKey(category));
    }
    //: %1 lists the category names to type, which stay in English
    *problem = unknown(Cli::tr("Unknown category “%1”.").arg(text), closest(text, keys),
        Cli::tr("The categories are %1.").arg(keys.join(u", "_s)));
    return std::nullopt;
}

QString CliLookup::unknown(const QString &first, const std::optional<QString> &suggestion, const QString &hint)
{
    if (suggestion)
        return first + u' ' + Cli::tr("Did you mean “%1”?").arg(*suggestion);
    return hint.isEmpty() ? first : first + u' ' + hint;
}
