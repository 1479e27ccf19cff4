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
            widths[i] = std::max(widths[i], columns(line[i]));
    }
    QString text;
    for (const QStringList &line : std::as_const(lines)) {
        QString row;
        for (qsizetype i = 0; i < line.size(); ++i)
            row += i + 1 < line.size() ? line[i] + QString(widths[i] + 2 - columns(line[i]), u' ') : line[i];
        // An empty last cell leaves padding behind.
        while (row.endsWith(u' '))
            row.chop(1);
        text += row + u'\n';
    }
    return text;
}

qsizetype CliFormat::columns(const QString &text)
{
    qsizetype count = 0;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
            continue;
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F)
            || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
            || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        count += wide ? 2 : 1;
    }
    return count;
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

QString CliFormat::printable(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        // The embeddings, overrides and isolates that make a terminal show text in another order.
        const bool reorders = (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
        if (c.category() == QChar::Other_Control)
            shown += u"\\x"_s + QString::number(code, 16).toUpper().rightJustified(2, u'0');
        else if (reorders)
            shown += u"\\u"_s + QString::number(code, 16).toUpper();
        else
            shown += c;
    }
    return shown;
}
