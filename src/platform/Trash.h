#pragma once

#include <QString>

// The current user's Trash, where removed application bundles go so the user can still get them
// back.
namespace Trash {

// Moves the file or folder at path to the Trash. On failure returns false, leaves the item where
// it was and sets *error to a sentence the user can read; on success sets *trashedPath (when
// given) to where the item now is.
bool moveToTrash(const QString &path, QString *error, QString *trashedPath = nullptr);

// Moves trashedPath (as moveToTrash reported it) back to originalPath, as it is: a rename, never
// a copy. Never overwrites: false, with *error set, when something is at originalPath now or the
// item is no longer in the Trash.
bool putBack(const QString &trashedPath, const QString &originalPath, QString *error);

} // namespace Trash
