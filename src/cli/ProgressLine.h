#pragma once

#include <QByteArray>
#include <QString>

// The progress note on standard error. In a terminal it is one line, rewritten in place as the note
// changes; elsewhere nothing is drawn. Lines printed through it (brew's own, with --verbose) appear
// above the note, in a terminal or not.
class ProgressLine
{
public:
    // terminal: standard error is a terminal and progress is wanted.
    explicit ProgressLine(bool terminal);

    void show(const QString &note);
    // Removes the note, before other text is written to the terminal.
    void clear();
    void print(const QString &line);

    // What rewrites the line: a carriage return, clear to the end of the line, and the note cut to
    // fit width columns (a longer note would wrap, and the next one would not replace it).
    static QByteArray rewrite(const QString &note, int width);

private:
    static int width();
    static void write(const QByteArray &bytes);

    bool m_terminal;
    QString m_note;
};
