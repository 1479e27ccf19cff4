#include "cli/ProgressLine.h"

#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray clearLine = "\r\x1b[K";

} // namespace

ProgressLine::ProgressLine(bool terminal)
    : m_terminal(terminal)
{
}

void ProgressLine::show(const QString &note)
{
    if (!m_terminal || note == m_note)
        return;
    m_note = note;
    write(rewrite(note, width()));
}

void ProgressLine::clear()
{
    if (!m_terminal || m_note.isEmpty())
        return;
    m_note.clear();
    write(clearLine);
}

void ProgressLine::print(const QString &line)
{
    if (!m_terminal) {
        write(line.toUtf8() + '\n');
        return;
    }
    write(clearLine + line.toUtf8() + '\n');
    if (!m_note.isEmpty())
        write(rewrite(m_note, width()));
}

QByteArray ProgressLine::rewrite(const QString &note, int width)
{
    // The last column stays free: some terminals wrap as soon as it is written.
    const qsizetype room = qMax(width - 1, 2);
    const QString shown = note.size() > room ? note.left(room - 1) + u'…' : note;
    return clearLine + shown.toUtf8();
}

int ProgressLine::width()
{
    winsize size {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

void ProgressLine::write(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}
