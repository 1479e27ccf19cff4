#pragma once

#include <QString>

// Where the program keeps the files of its install log: the user's log folder on macOS
// (~/Library/Logs/Orvando), the program's own data folder elsewhere. The folder may not exist yet.
namespace LogFolder {

QString path();

} // namespace LogFolder
