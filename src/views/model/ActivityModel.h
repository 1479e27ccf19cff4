#pragma once

#include "engine/history/HistoryRecord.h"

#include <QAbstractItemModel>
#include <QList>

#include <functional>
#include <optional>

// The Activity list: one row per operation, newest first, each with its sentence (when it has one)
// and its log lines as child rows, so a tree view expands a row to them. Filtered by app and by
// outcome. The texts are worked out when a row is drawn, so a thousand operations open at once.
class ActivityModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Role { OutcomeRole = Qt::UserRole, RecordIDRole };

    // An operation's log lines, by its id, for a row opened whose lines were left out of the list.
    using LogLoader = std::function<QStringList(qint64 id)>;

    explicit ActivityModel(QObject *parent = nullptr);

    void setLogLoader(LogLoader loader) { m_loadLog = std::move(loader); }

    // Newest first, as the history gives them.
    void setRecords(QList<HistoryRecord> records);
    // Only appID's operations (empty: every app's) that ended in outcome (none: any).
    void setFilter(const QString &appID, std::optional<HistoryRecord::Outcome> outcome);
    // The apps that have operations, as (id, name), in the order first seen.
    QList<std::pair<QString, QString>> apps() const;

    // "Updated Maccy", "Maccy didn't install", "Set up Homebrew", "Installed 3 apps".
    static QString title(const HistoryRecord &record);
    // "Succeeded", "Failed", …
    static QString outcomeLabel(HistoryRecord::Outcome outcome);
    // "1.2.0 → 1.3.0 · Homebrew · 5 Dec 2026, 14:02"
    static QString detail(const HistoryRecord &record);
    // What a screen reader says for the row: title, outcome and detail.
    static QString accessibleText(const HistoryRecord &record);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    void refilter();
    // The sentence first (when there is one), then the log lines.
    static QStringList childTexts(const HistoryRecord &record);

    LogLoader m_loadLog;
    QList<HistoryRecord> m_records;
    QList<qsizetype> m_shown; // indexes into m_records
    QString m_appFilter;
    std::optional<HistoryRecord::Outcome> m_outcomeFilter;
};
