#include "engine/log/InstallLog.h"

#include <algorithm>
#include <iterator>

InstallLog::InstallLog(QObject *parent)
    : QAbstractListModel(parent)
{
}

int InstallLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

QVariant InstallLog::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const LogLine &line = at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return line.text;
    case IdRole:
        return line.id;
    case AppIdRole:
        return line.appID;
    default:
        return {};
    }
}

QHash<int, QByteArray> InstallLog::roleNames() const
{
    return { { IdRole, "lineId" }, { AppIdRole, "appID" }, { TextRole, "text" } };
}

QList<LogLine> InstallLog::lines() const
{
    return QList<LogLine>(m_lines.begin(), m_lines.end());
}

void InstallLog::append(const LogLine &line)
{
    m_waiting.push_back(line);
    // Lines the cap would remove as soon as they arrived never become rows.
    if (m_waiting.size() > size_t(cap))
        m_waiting.pop_front();
    if (m_openBatches == 0)
        commit();
}

void InstallLog::commit()
{
    if (m_waiting.empty())
        return;
    const int row = size();
    beginInsertRows({}, row, row + int(m_waiting.size()) - 1);
    std::move(m_waiting.begin(), m_waiting.end(), std::back_inserter(m_lines));
    m_waiting.clear();
    endInsertRows();

    const int surplus = size() - cap;
    if (surplus > 0) {
        beginRemoveRows({}, 0, surplus - 1);
        m_lines.erase(m_lines.begin(), m_lines.begin() + surplus);
        endRemoveRows();
    }
}

InstallLog::Batch::Batch(InstallLog *log)
    : m_log(log)
{
    if (m_log)
        ++m_log->m_openBatches;
}

InstallLog::Batch::~Batch()
{
    if (m_log && --m_log->m_openBatches == 0)
        m_log->commit();
}
