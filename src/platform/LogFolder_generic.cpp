#include "platform/LogFolder.h"

#include <QStandardPaths>

QString LogFolder::path()
{
    // Qt 6.4 has no state location yet; the per-user data folder is the closest standard place.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/logs");
}
