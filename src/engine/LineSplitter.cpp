#include "engine/LineSplitter.h"

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

    while (m_buffer.size() > m_maxLineBytes) {
        const qsizetype length = pieceLength();
        out.append(QString::fromUtf8(m_buffer.constData(), length));
        m_buffer.remove(0, length);
    }
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
    if (line.size() > m_maxLineBytes) {
        // A long line that arrived in one read is delivered in pieces as well.
        LineSplitter pieces(m_maxLineBytes);
        out.append(pieces.feed(line));
        out.append(pieces.finish());
        return;
    }
    if (!line.isEmpty())
        out.append(QString::fromUtf8(line));
}

// A piece ends on a character boundary, and never right after a carriage return that may belong
// to a line feed in the next read.
qsizetype LineSplitter::pieceLength() const
{
    const auto isContinuation
        = [this](qsizetype i) { return i < m_buffer.size() && (uchar(m_buffer.at(i)) & 0xC0) == 0x80; };
    qsizetype cut = m_maxLineBytes;
    for (int i = 0; i < 3 && cut > 1 && isContinuation(cut); ++i)
        --cut;
    // More than three continuation bytes in a row is not UTF-8: cut anywhere.
    qsizetype length = isContinuation(cut) ? m_maxLineBytes : cut;
    if (length > 1 && m_buffer.at(length - 1) == '\r')
        --length;
    return length;
}
