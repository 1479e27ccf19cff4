#include "platform/PlistReader.h"

#include "platform/SafeFile.h"

#include <cstring>
#include <limits>
#include <memory>
#include <plist/plist.h>

namespace {

struct PlistFree
{
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<std::remove_pointer_t<plist_t>, PlistFree>;

} // namespace

std::optional<QString> PlistReader::stringValue(const QByteArray &data, const QString &key)
{
    QByteArrayView bytes(data);
    // libplist rejects a byte-order mark that editors like to leave in XML files.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.isEmpty() || bytes.size() > maxFileSize)
        return std::nullopt;

    const auto length = static_cast<uint32_t>(bytes.size());
    plist_t parsed = nullptr;
    if (plist_is_binary(bytes.data(), length))
        plist_from_bin(bytes.data(), length, &parsed);
    else
        plist_from_xml(bytes.data(), length, &parsed);
    const PlistPtr root(parsed);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT)
        return std::nullopt;

    const plist_t node = plist_dict_get_item(root.get(), key.toUtf8().constData());
    if (!node || plist_get_node_type(node) != PLIST_STRING)
        return std::nullopt;
    uint64_t size = 0;
    const char *text = plist_get_string_ptr(node, &size);
    // An embedded NUL means the value is not the text it claims to be.
    if (!text || size > uint64_t(std::numeric_limits<qsizetype>::max()) || strnlen(text, size) != size)
        return std::nullopt;
    return QString::fromUtf8(text, qsizetype(size));
}

std::optional<QString> PlistReader::stringValueInFile(const QString &path, const QString &key)
{
    // Only a regular file of the bundle's own: a FIFO planted in a bundle would block the caller
    // for good, and a link could lead anywhere.
    const SafeFile::Content content = SafeFile::read(path, maxFileSize);
    if (!content.isRead())
        return std::nullopt;
    return stringValue(content.bytes, key);
}
