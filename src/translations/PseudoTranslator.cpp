#include "translations/PseudoTranslator.h"

#include <QCoreApplication>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

QChar accented(QChar c)
{
    static const QHash<QChar, QChar> letters = [] {
        const QString plain = u"AaCcDdEeGgHhIiJjKkLlNnOoRrSsTtUuWwYyZz"_s;
        const QString marked = u"ÅåÇçĐđÉéĜĝĤĥÎîĵĵĶķĻļÑñÖöŘřŠšŢţÛûŴŵÝýŽž"_s;
        QHash<QChar, QChar> map;
        for (qsizetype i = 0; i < plain.size(); ++i)
            map.insert(plain.at(i), marked.at(i));
        return map;
    }();
    return letters.value(c, c);
}

// How long the run of characters at `at` is that must pass through untouched: a placeholder
// (%1, %L1, %n, %Ln), markup (<b>, </a>) or an entity (&amp;).
qsizetype keptRun(const QString &text, qsizetype at)
{
    const QChar c = text.at(at);
    qsizetype end = at + 1;
    if (c == u'%') {
        if (end < text.size() && text.at(end) == u'L')
            ++end;
        if (end < text.size() && text.at(end) == u'n')
            return end + 1 - at;
        const qsizetype digits = end;
        while (end < text.size() && text.at(end).isDigit())
            ++end;
        return end > digits ? end - at : 1;
    }
    const QChar closing = c == u'<' ? u'>' : c == u'&' ? u';' : QChar();
    if (closing.isNull())
        return 0;
    const qsizetype close = text.indexOf(closing, at);
    // "&" alone is an ampersand or a mnemonic, not an entity.
    if (close < 0 || (c == u'&' && (close - at > 8 || text.mid(at + 1, close - at - 1).contains(u' '))))
        return 0;
    return close + 1 - at;
}

} // namespace

PseudoTranslator::PseudoTranslator(const QTranslator *english, QObject *parent)
    : QTranslator(parent)
    , m_english(english)
{
}

QString PseudoTranslator::translate(
    const char *context, const char *sourceText, const char *disambiguation, int n) const
{
    QString text = m_english ? m_english->translate(context, sourceText, disambiguation, n) : QString();
    if (text.isEmpty())
        text = QString::fromUtf8(sourceText);
    return lengthen(text);
}

QString PseudoTranslator::lengthen(const QString &text)
{
    if (text.trimmed().isEmpty())
        return text;
    QString out;
    out.reserve(text.size() * 3 / 2 + 4);
    out += u'[';
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype kept = keptRun(text, i); kept > 0) {
            out += text.mid(i, kept);
            i += kept;
        } else {
            out += accented(text.at(i));
            ++i;
        }
    }
    // Brackets and padding together make about 40 % more than the English text. The padding comes
    // in words of at most five, as a longer language's text would, so that it wraps where it may.
    qsizetype padding = qMax<qsizetype>(1, (text.size() * 2) / 5 - 2);
    while (padding > 0) {
        const qsizetype word = qMin<qsizetype>(padding, 6);
        out += u' ' + QString(qMax<qsizetype>(word - 1, 1), u'~');
        padding -= word;
    }
    out += u']';
    return out;
}
