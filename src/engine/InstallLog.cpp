#include "engine/InstallLog.h"

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
    const int row = size();
    beginInsertRows({}, row, row);
    m_lines.push_back(line);
    endInsertRows();

    const int surplus = size() - cap;
    if (surplus > 0) {
        beginRemoveRows({}, 0, surplus - 1);
        m_lines.erase(m_lines.begin(), m_lines.begin() + surplus);
        endRemoveRows();
    }
}
