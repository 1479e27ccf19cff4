#pragma once

#include "engine/log/LogLine.h"

#include <QAbstractListModel>
#include <QPointer>

#include <deque>

// The installer log, oldest line first, capped so that a long session cannot grow it without
// bound. Each append is one row insertion, followed by at most one removal of the oldest rows;
// while a Batch is open, the lines appended wait and then enter together, as one insertion and at
// most one removal, so that a read of a tool's output costs the views one update, not thousands.
class InstallLog : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int cap = 500;
    enum Role { IdRole = Qt::UserRole + 1, AppIdRole, TextRole };

    // Holds the lines appended during its life until the last open Batch of the log ends; they
    // are not rows until then. A log destroyed meanwhile is left alone.
    class Batch
    {
    public:
        explicit Batch(InstallLog *log);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        QPointer<InstallLog> m_log;
    };

    explicit InstallLog(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const LogLine &at(int row) const { return m_lines[size_t(row)]; }
    int size() const { return int(m_lines.size()); }
    QList<LogLine> lines() const;

    void append(const LogLine &line);

private:
    // Makes the waiting lines rows.
    void commit();

    std::deque<LogLine> m_lines;
    std::deque<LogLine> m_waiting; // appended in an open Batch; never more than cap
    int m_openBatches = 0;
};
