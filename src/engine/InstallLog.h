#pragma once

#include "engine/LogLine.h"

#include <QAbstractListModel>

#include <deque>

// The installer log, oldest line first, capped so that a long session cannot grow it without
// bound. Each append is one row insertion, followed by at most one removal of the oldest rows.
class InstallLog : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int cap = 500;
    enum Role { IdRole = Qt::UserRole + 1, AppIdRole, TextRole };

    explicit InstallLog(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const LogLine &at(int row) const { return m_lines[size_t(row)]; }
    int size() const { return int(m_lines.size()); }
    QList<LogLine> lines() const;

    void append(const LogLine &line);

private:
    std::deque<LogLine> m_lines;
};
