#include "engine/homebrew/LineSplitter.h"

LineSplitter::LineSplitter(qsizetype maxLineBytes)
    : m_maxLineBytes(qMax<qsizetype>(maxLineBytes, 8))
{
}

QStringList LineSplitter::feed(QByteArrayView bytes)
{
    QStringList out;
    qsizetype start = 0;
    // Only the new bytes can hold a line feed: the buffer never keeps one.
    for (qsizetype newline = bytes.indexOf('\n'); newline >= 0; newline = bytes.indexOf('\n', start)) {
        const QByteArrayView piece = bytes.sliced(start, newline - start);
        if (m_buffer.isEmpty()) {
            emitLine(piece, out);
        } else {
            m_buffer.append(piece);
            emitLine(m_buffer, out);
            m_buffer.clear();
        }
        start = newline + 1;
    }
    m_buffer.append(bytes.sliced(start));
    // The pieces cut from an unfinished line are the ones the whole line would give: a piece
    // never reaches the byte that decides whether the line ends here (a carriage return before a
    // line feed still to come), since it needs one byte past the cap to be cut.
    m_buffer.remove(0, emitPieces(m_buffer, out));
    return out;
}

QStringList LineSplitter::finish()
{
    QStringList out;
    if (!m_buffer.isEmpty()) {
        // A tail without a line feed keeps any carriage return it ends with.
        out.append(QString::fromUtf8(m_buffer));
        m_buffer.clear();
    }
    return out;
}

void LineSplitter::emitLine(QByteArrayView line, QStringList &out) const
{
    if (line.endsWith('\r'))
        line.chop(1);
    line = line.sliced(emitPieces(line, out));
    if (!line.isEmpty())
        out.append(QString::fromUtf8(line));
}

qsizetype LineSplitter::emitPieces(QByteArrayView text, QStringList &out) const
{
    qsizetype start = 0;
    while (text.size() - start > m_maxLineBytes) {
        const qsizetype length = pieceLength(text.sliced(start));
        out.append(QString::fromUtf8(text.sliced(start, length)));
        start += length;
    }
    return start;
}

// A piece ends on a character boundary. text is longer than the cap, so the byte after a full
// piece is known.
qsizetype LineSplitter::pieceLength(QByteArrayView text) const
{
    const auto isContinuation = [&text](qsizetype i) { return (uchar(text.at(i)) & 0xC0) == 0x80; };
    qsizetype cut = m_maxLineBytes;
    while (cut > m_maxLineBytes - 3 && isContinuation(cut))
        --cut;
    // More than three continuation bytes in a row is not UTF-8: cut anywhere.
    return isContinuation(cut) ? m_maxLineBytes : cut;
}
