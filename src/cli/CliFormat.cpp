#include "cli/CliFormat.h"

#include <QJsonDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

QString CliFormat::table(const QStringList &headers, const QList<QStringList> &rows)
{
    QList<QStringList> lines = rows;
    if (!headers.isEmpty())
        lines.prepend(headers);
    QList<qsizetype> widths;
    for (const QStringList &line : std::as_const(lines)) {
        widths.resize(std::max(widths.size(), line.size()));
        for (qsizetype i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    }
    QString text;
    for (const QStringList &line : std::as_const(lines)) {
        QString row;
        for (qsizetype i = 0; i < line.size(); ++i)
            row += i + 1 < line.size() ? line[i].leftJustified(widths[i] + 2) : line[i];
        // An empty last cell leaves padding behind.
        while (row.endsWith(u' '))
            row.chop(1);
        text += row + u'\n';
    }
    return text;
}

QByteArray CliFormat::document(QJsonObject object)
{
    object.insert(u"schemaVersion"_s, schemaVersion);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QJsonValue CliFormat::textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}
