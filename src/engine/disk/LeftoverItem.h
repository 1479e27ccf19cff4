#pragma once

#include <QString>

// One thing a removal moves to the Trash: the app's bundle, or something the app left behind.
struct LeftoverItem
{
    enum class Kind { AppBundle, Data };

    Kind kind = Kind::Data;
    QString path; // absolute, as it is on the disk now
    // Outside the user's home folder: only Homebrew's own zap, with the administrator's password,
    // may remove it.
    bool needsAdministrator = false;
    qint64 size = -1; // bytes, not following links; -1 until measured
    // In one of the user's own folders (Documents, Desktop, Downloads…): what is there may be the
    // user's work rather than the app's data, so it is kept unless the user ticks it.
    bool inUserFolder = false;

    bool isBundle() const { return kind == Kind::AppBundle; }

    friend bool operator==(const LeftoverItem &, const LeftoverItem &) = default;
};
