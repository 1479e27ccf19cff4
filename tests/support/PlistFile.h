#pragma once

#include <QString>
#include <QVariantMap>

// Writes property lists the way real bundles ship them, XML or binary, for tests and benchmarks.
namespace PlistFile {

enum class Format { Xml, Binary };

// Values may be strings, booleans, integers or nested QVariantMaps; false when it cannot write.
bool write(const QString &path, const QVariantMap &dictionary, Format format);
QByteArray encode(const QVariantMap &dictionary, Format format);

} // namespace PlistFile
