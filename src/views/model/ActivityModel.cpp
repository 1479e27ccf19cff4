#include "views/model/ActivityModel.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;
using Kind = HistoryRecord::Kind;
using Outcome = HistoryRecord::Outcome;

namespace {

// Child rows carry their parent's row + 1 in the internal id; top rows carry 0.
constexpr quintptr topLevel = 0;

struct Phrase
{
    Kind kind;
    const char *done; // %1: the app
    const char *failed;
};

const Phrase phrases[] = {
    { Kind::Install, QT_TRANSLATE_NOOP("ActivityModel", "Installed %1"),
        QT_TRANSLATE_NOOP("ActivityModel", "%1 didn’t install") },
    { Kind::Update, QT_TRANSLATE_NOOP("ActivityModel", "Updated %1"),
        QT_TRANSLATE_NOOP("ActivityModel", "%1 didn’t update") },
    { Kind::Uninstall, QT_TRANSLATE_NOOP("ActivityModel", "Removed %1"),
        QT_TRANSLATE_NOOP("ActivityModel", "%1 wasn’t removed") },
    { Kind::HomebrewSetup, QT_TRANSLATE_NOOP("ActivityModel", "Set up Homebrew"),
        QT_TRANSLATE_NOOP("ActivityModel", "Homebrew wasn’t set up") },
    //: A batch install; %1 is how many apps it held, e.g. "3 apps"
    { Kind::Batch, QT_TRANSLATE_NOOP("ActivityModel", "Worked through %1"),
        //: A batch install that left some apps out; %1 is how many apps it held, e.g. "3 apps"
        QT_TRANSLATE_NOOP("ActivityModel", "Worked through %1, not all of it") },
    { Kind::Revert, QT_TRANSLATE_NOOP("ActivityModel", "Reverted %1"),
        QT_TRANSLATE_NOOP("ActivityModel", "%1 wasn’t reverted") },
    { Kind::UndoRemoval, QT_TRANSLATE_NOOP("ActivityModel", "Put %1 back"),
        QT_TRANSLATE_NOOP("ActivityModel", "%1 wasn’t put back") },
};

const std::pair<Outcome, const char *> outcomeLabels[] = {
    { Outcome::Running, QT_TRANSLATE_NOOP("ActivityModel", "Running") },
    { Outcome::Succeeded, QT_TRANSLATE_NOOP("ActivityModel", "Succeeded") },
    { Outcome::Failed, QT_TRANSLATE_NOOP("ActivityModel", "Failed") },
    { Outcome::Cancelled, QT_TRANSLATE_NOOP("ActivityModel", "Cancelled") },
    { Outcome::Refused, QT_TRANSLATE_NOOP("ActivityModel", "Refused") },
    { Outcome::NeedsHomebrew, QT_TRANSLATE_NOOP("ActivityModel", "Needs Homebrew") },
    { Outcome::Interrupted, QT_TRANSLATE_NOOP("ActivityModel", "Interrupted") },
};

QString translated(const char *text)
{
    return QCoreApplication::translate("ActivityModel", text);
}

} // namespace

ActivityModel::ActivityModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

void ActivityModel::setRecords(QList<HistoryRecord> records)
{
    beginResetModel();
    m_records = std::move(records);
    refilter();
    endResetModel();
}

void ActivityModel::setFilter(const QString &appID, std::optional<HistoryRecord::Outcome> outcome)
{
    beginResetModel();
    m_appFilter = appID;
    m_outcomeFilter = outcome;
    refilter();
    endResetModel();
}

void ActivityModel::refilter()
{
    m_shown.clear();
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        const HistoryRecord &record = m_records.at(i);
        if ((m_appFilter.isEmpty() || record.appID == m_appFilter)
            && (!m_outcomeFilter || record.outcome == *m_outcomeFilter))
            m_shown.append(i);
    }
}

QList<std::pair<QString, QString>> ActivityModel::apps() const
{
    QList<std::pair<QString, QString>> found;
    QStringList seen;
    for (const HistoryRecord &record : m_records) {
        if (record.appID.isEmpty() || record.kind == Kind::HomebrewSetup || seen.contains(record.appID))
            continue;
        seen.append(record.appID);
        found.append({ record.appID, record.appName.isEmpty() ? record.appID : record.appName });
    }
    return found;
}

QString ActivityModel::title(const HistoryRecord &record)
{
    const QString name = record.appName.isEmpty() ? record.appID : record.appName;
    const bool failed = record.outcome != Outcome::Succeeded && record.outcome != Outcome::Running;
    for (const Phrase &phrase : phrases) {
        if (phrase.kind != record.kind)
            continue;
        const QString text = translated(failed ? phrase.failed : phrase.done);
        return text.contains(u"%1"_s) ? text.arg(name) : text;
    }
    return name;
}

QString ActivityModel::outcomeLabel(HistoryRecord::Outcome outcome)
{
    for (const auto &[entry, label] : outcomeLabels)
        if (entry == outcome)
            return translated(label);
    return {};
}

QString ActivityModel::detail(const HistoryRecord &record)
{
    QStringList parts;
    if (!record.versionBefore.isEmpty() && !record.versionAfter.isEmpty()
        && record.versionBefore != record.versionAfter)
        parts.append(record.versionBefore + u" → "_s + record.versionAfter);
    else if (!record.versionAfter.isEmpty() || !record.versionBefore.isEmpty())
        parts.append(record.versionAfter.isEmpty() ? record.versionBefore : record.versionAfter);
    if (record.route == u"cask"_s)
        parts.append(translated(QT_TRANSLATE_NOOP("ActivityModel", "Homebrew")));
    else if (record.route == u"direct"_s)
        parts.append(translated(QT_TRANSLATE_NOOP("ActivityModel", "GitHub download")));
    if (record.started.isValid())
        parts.append(QLocale().toString(record.started.toLocalTime(), QLocale::ShortFormat));
    return parts.join(u" · "_s);
}

QString ActivityModel::accessibleText(const HistoryRecord &record)
{
    //: Read aloud for a row of Activity: %1 what was done, %2 its outcome in lower case,
    //: %3 the versions, route and time
    return tr("%1, %2, %3").arg(title(record), outcomeLabel(record.outcome).toLower(), detail(record));
}

QStringList ActivityModel::childTexts(const HistoryRecord &record)
{
    QStringList texts = record.log;
    if (!record.sentence.isEmpty())
        texts.prepend(record.sentence);
    return texts;
}

QModelIndex ActivityModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    return createIndex(row, column, parent.isValid() ? quintptr(parent.row() + 1) : topLevel);
}

QModelIndex ActivityModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == topLevel)
        return {};
    return createIndex(int(child.internalId() - 1), 0, topLevel);
}

int ActivityModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_shown.size());
    if (parent.internalId() != topLevel || parent.column() != 0)
        return 0;
    const HistoryRecord &record = m_records.at(m_shown.at(parent.row()));
    return int(record.log.size()) + (record.sentence.isEmpty() ? 0 : 1);
}

int ActivityModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant ActivityModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const bool top = index.internalId() == topLevel;
    const HistoryRecord &record = m_records.at(m_shown.at(top ? index.row() : int(index.internalId() - 1)));
    if (!top) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return childTexts(record).value(index.row());
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        //: A row of Activity: %1 what was done, %2 its outcome
        return tr("%1 — %2").arg(title(record), outcomeLabel(record.outcome)) + u'\n' + detail(record);
    case Qt::AccessibleTextRole:
        return accessibleText(record);
    case Qt::ToolTipRole:
        return record.sentence.isEmpty() ? QVariant() : QVariant(record.sentence);
    case OutcomeRole:
        return int(record.outcome);
    case RecordIDRole:
        return record.id;
    default:
        return {};
    }
}

bool ActivityModel::hasChildren(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return !m_shown.isEmpty();
    if (parent.internalId() != topLevel || parent.column() != 0)
        return false;
    const HistoryRecord &record = m_records.at(m_shown.at(parent.row()));
    return record.logLeftOut || rowCount(parent) > 0;
}

bool ActivityModel::canFetchMore(const QModelIndex &parent) const
{
    return parent.isValid() && parent.internalId() == topLevel && m_loadLog
        && m_records.at(m_shown.at(parent.row())).logLeftOut;
}

void ActivityModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    HistoryRecord &record = m_records[m_shown.at(parent.row())];
    const QStringList lines = m_loadLog(record.id);
    record.logLeftOut = false;
    if (lines.isEmpty())
        return;
    const int first = rowCount(parent);
    beginInsertRows(parent, first, first + int(lines.size()) - 1);
    record.log = lines;
    endInsertRows();
}
