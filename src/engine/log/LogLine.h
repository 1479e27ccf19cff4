#pragma once

#include <QString>

// One line of the installer log. The id is unique within the run and never reused.
struct LogLine
{
    qint64 id = 0;
    QString appID; // the catalog application the line belongs to
    QString text; // without a line terminator

    friend bool operator==(const LogLine &, const LogLine &) = default;
};
