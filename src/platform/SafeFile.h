#pragma once

#include <QByteArray>
#include <QString>

// Reads files from folders that the user, or any program the user runs, can write to. What lies
// there may be a link to somewhere else, a FIFO nobody writes to, a device that never ends or a
// file far too large: none of it may hang the caller, take its memory or lead it elsewhere.
namespace SafeFile {

enum class Links {
    Refuse, // a link at the path itself is not read: the program's own caches and logs
    Follow, // the user named this path (a file chosen to import), wherever it leads
};

struct Content
{
    enum class Status { Read, Missing, Unreadable, NotAFile, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes; // the whole file, when Read
    QString reason; // the system's words, when Missing or Unreadable

    bool isRead() const { return status == Status::Read; }
};

// The file at path when it is a regular file of at most maxBytes. It is opened without blocking
// and, unless links is Follow, without following a link at path; its type is checked on the file
// opened, so nothing can be swapped in between, and no more than maxBytes + 1 bytes are read.
Content read(const QString &path, qint64 maxBytes, Links links = Links::Refuse);

} // namespace SafeFile
