#include "engine/disk/BundleLocator.h"

#include "platform/PlistReader.h"

#include <QDir>

using namespace Qt::StringLiterals;

BundleLocator::BundleLocator(QStringList folders)
    : m_folders(std::move(folders))
{
}

std::optional<QString> BundleLocator::find(const QString &bundleID)
{
    const QString key = bundleID.toCaseFolded();
    // Bundles are indexed in search order, so the first one indexed for a key is the first match.
    for (;;) {
        const auto it = m_found.constFind(key);
        if (it != m_found.constEnd())
            return *it;
        if (!scanNext())
            return std::nullopt;
    }
}

bool BundleLocator::scanNext()
{
    while (m_entryIndex >= m_entries.size()) {
        if (++m_folderIndex >= m_folders.size())
            return false;
        m_folder = m_folders.at(m_folderIndex);
        // A folder that cannot be listed (no ~/Applications, say) is simply skipped.
        m_entries = QDir(m_folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
        m_entryIndex = 0;
    }
    const QString name = m_entries.at(m_entryIndex++);
    if (!name.endsWith(u".app"_s, Qt::CaseSensitive))
        return true;
    const QString bundle = m_folder + u'/' + name;
    const std::optional<QString> identifier
        = PlistReader::stringValueInFile(bundle + u"/Contents/Info.plist"_s, u"CFBundleIdentifier"_s);
    if (identifier) {
        const QString key = identifier->toCaseFolded();
        if (!m_found.contains(key))
            m_found.insert(key, bundle);
    }
    return true;
}
