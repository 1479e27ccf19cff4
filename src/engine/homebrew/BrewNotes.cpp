#include "engine/homebrew/BrewNotes.h"

#include <QCoreApplication>
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
        const char *note; // %1 is the app's name
    };
    static const Rule rules[] = {
        { QStringMatcher(u"downloading"_s, Qt::CaseInsensitive), QT_TRANSLATE_NOOP("BrewNotes", "Downloading %1.") },
        { QStringMatcher(u"installing"_s, Qt::CaseInsensitive), QT_TRANSLATE_NOOP("BrewNotes", "Installing %1.") },
        { QStringMatcher(u"pouring"_s, Qt::CaseInsensitive), QT_TRANSLATE_NOOP("BrewNotes", "Installing %1.") },
        { QStringMatcher(u"linking"_s, Qt::CaseInsensitive), QT_TRANSLATE_NOOP("BrewNotes", "Putting %1 in place.") },
        { QStringMatcher(u"moving"_s, Qt::CaseInsensitive), QT_TRANSLATE_NOOP("BrewNotes", "Putting %1 in place.") },
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
        return QCoreApplication::translate("BrewNotes", "Almost done.");
    QString &note = last.notes[rule];
    if (note.isNull())
        note = rule < ruleCount ? QCoreApplication::translate("BrewNotes", rules[rule].note).arg(app.name)
                                : QCoreApplication::translate("BrewNotes", "Working on %1.").arg(app.name);
    return note;
}

QString BrewNotes::uninstall(const QString &line, const CatalogApp &app)
{
    const QString lower = line.toLower();
    const bool removing = lower.contains(u"uninstalling"_s) || lower.contains(u"removing"_s);
    if (!removing && (lower.contains(u"purging"_s) || lower.contains(u"cache"_s)))
        return QCoreApplication::translate("BrewNotes", "Cleaning up.");
    return QCoreApplication::translate("BrewNotes", "Removing %1.").arg(app.name);
}
