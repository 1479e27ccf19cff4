// Stands in for a translation that is 40 % longer than English and full of accented letters, so a
// layout that cuts off or overlaps a longer language shows it in any build.
#pragma once

#include <QTranslator>

class PseudoTranslator : public QTranslator
{
    Q_OBJECT

public:
    // `english` gives the plural forms the pseudo text starts from; it stays the caller's.
    explicit PseudoTranslator(const QTranslator *english, QObject *parent = nullptr);

    QString translate(
        const char *context, const char *sourceText, const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    // "Install %1" → "[Ïñšţåļļ %1 ~~~~~]": letters accented, placeholders (%1, %n, %L1), markup
    // and entities kept, and padding that brings it to about 1.4 times the length.
    static QString lengthen(const QString &text);

private:
    const QTranslator *m_english;
};
