#include "engine/homebrew/BrewNotes.h"

#include <QStringMatcher>

#include <array>
#include <iterator>

using namespace Qt::StringLiterals;

QString BrewNotes::install(const QString &line, const CatalogApp &app)
{
    // Tested in this order; the first word found anywhere in the line decides. brew can print
    // hundreds of thousands of lines, so the case-insensitive matchers are built once, and the
    // notes of the app last asked about are kept: a line then costs a few scans and no allocation.
    struct Rule
    {
        QStringMatcher word;
        QString before;
        QString after;
    };
    static const Rule rules[] = {
        { QStringMatcher(u"downloading"_s, Qt::CaseInsensitive), u"Downloading "_s, u"."_s },
        { QStringMatcher(u"installing"_s, Qt::CaseInsensitive), u"Installing "_s, u"."_s },
        { QStringMatcher(u"pouring"_s, Qt::CaseInsensitive), u"Installing "_s, u"."_s },
        { QStringMatcher(u"linking"_s, Qt::CaseInsensitive), u"Putting "_s, u" in place."_s },
        { QStringMatcher(u"moving"_s, Qt::CaseInsensitive), u"Putting "_s, u" in place."_s },
    };
    static const QStringMatcher caveats(u"caveats"_s, Qt::CaseInsensitive);
    constexpr size_t ruleCount = std::size(rules);
    struct Notes
    {
        QString name;
        std::array<QString, ruleCount + 1> notes; // one per rule, then the note for any other line
    };
    thread_local Notes last;
    if (last.name != app.name) {
        last.name = app.name;
        last.notes = {};
    }
    size_t rule = 0;
    while (rule < ruleCount && rules[rule].word.indexIn(line) < 0)
        ++rule;
    if (rule == ruleCount && caveats.indexIn(line) >= 0)
        return u"Almost done."_s;
    QString &note = last.notes[rule];
    if (note.isNull())
        note = rule < ruleCount ? rules[rule].before + app.name + rules[rule].after
                                : u"Working on "_s + app.name + u"."_s;
    return note;
}

QString BrewNotes::uninstall(const QString &line, const CatalogApp &app)
{
    const QString lower = line.toLower();
    if (lower.contains(u"uninstalling"_s) || lower.contains(u"removing"_s))
        return u"Removing "_s + app.name + u"."_s;
    if (lower.contains(u"purging"_s) || lower.contains(u"cache"_s))
        return u"Cleaning up."_s;
    return u"Removing "_s + app.name + u"."_s;
}
