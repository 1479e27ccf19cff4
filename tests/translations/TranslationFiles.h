// Reads a Qt Linguist file and says what is wrong with it for shipping: a text without a finished
// translation, or a translation whose placeholders (%1, %L2, %n) are not those of its source.
#pragma once

#include <QString>
#include <QStringList>

namespace TranslationFiles {

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    bool unfinished = false;
    QStringList forms; // the translation, or each numerus form
};

// The file's messages in order; error set when it cannot be read whole.
QList<Message> read(const QString &tsPath, QString *error);

// Every message must be finished; with onlyPlurals (English, the source language), the file holds
// only the texts that count something, and each must have its forms. A problem reads
// "Context: “source” — what is wrong".
QStringList problems(const QString &tsPath, bool onlyPlurals = false);

// The placeholders of a text, sorted: "%1 of %2 (%n)" → %1, %2, %n.
QStringList placeholders(const QString &text);

} // namespace TranslationFiles
