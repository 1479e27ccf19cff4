#pragma once

#include <QByteArray>
#include <QStringList>

// Turns a child's output, arriving in reads of any size, into text lines. A line feed ends a line
// (a carriage return right before it goes with it); a line split across reads, even inside a
// UTF-8 character, comes out whole; invalid UTF-8 becomes U+FFFD. Empty lines are dropped, and a
// line longer than maxLineBytes comes out in pieces so that output without line feeds stays bounded.
// However the output is cut into reads, the lines are those of the whole output read at once.
class LineSplitter
{
public:
    static constexpr qsizetype defaultMaxLineBytes = 64 * 1024;

    explicit LineSplitter(qsizetype maxLineBytes = defaultMaxLineBytes);

    // The lines completed by this read, in order.
    QStringList feed(QByteArrayView bytes);
    // What is left once the output has ended: the last line if it had no line feed.
    QStringList finish();

    qsizetype pendingBytes() const { return m_buffer.size(); }

private:
    void emitLine(QByteArrayView line, QStringList &out) const;
    // Cuts pieces off the front of text while more than the cap is left; returns the bytes used.
    qsizetype emitPieces(QByteArrayView text, QStringList &out) const;
    qsizetype pieceLength(QByteArrayView text) const;

    qsizetype m_maxLineBytes;
    QByteArray m_buffer; // the unfinished line; never holds a line feed
};
