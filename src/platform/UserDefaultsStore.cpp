#include "platform/UserDefaultsStore.h"

using namespace Qt::StringLiterals;

std::optional<bool> UserDefaultsStore::boolFromText(const QString &text)
{
    const QString word = text.trimmed().toLower();
    if (word == u"true"_s || word == u"yes"_s)
        return true;
    if (word == u"false"_s || word == u"no"_s)
        return false;
    bool isNumber = false;
    const qlonglong number = word.toLongLong(&isNumber);
    if (isNumber)
        return number != 0;
    return std::nullopt;
}
