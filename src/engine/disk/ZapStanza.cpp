#include "engine/disk/ZapStanza.h"

#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

// A directive's value is one string or a list of them.
QStringList texts(const QJsonValue &value)
{
    if (value.isString())
        return value.toString().isEmpty() ? QStringList() : QStringList { value.toString() };
    QStringList result;
    for (const QJsonValue &entry : value.toArray()) {
        if (entry.isString() && !entry.toString().isEmpty())
            result.append(entry.toString());
    }
    return result;
}

} // namespace

bool ZapStanza::isEmpty() const
{
    return paths().isEmpty() && actionCount() == 0;
}

QStringList ZapStanza::paths() const
{
    return trash + remove + rmdir;
}

int ZapStanza::actionCount() const
{
    return int(launchctl.size() + loginItems.size() + pkgutil.size() + signal.size());
}

ZapStanza ZapStanza::fromArtifacts(const QJsonArray &artifacts)
{
    ZapStanza stanza;
    for (const QJsonValue &artifact : artifacts) {
        const QJsonValue zap = artifact.toObject().value(u"zap"_s);
        if (zap.isArray()) {
            const ZapStanza more = fromArgs(zap.toArray());
            stanza.trash += more.trash;
            stanza.remove += more.remove;
            stanza.rmdir += more.rmdir;
            stanza.launchctl += more.launchctl;
            stanza.loginItems += more.loginItems;
            stanza.pkgutil += more.pkgutil;
            stanza.signal += more.signal;
        }
    }
    return stanza;
}

ZapStanza ZapStanza::fromArgs(const QJsonArray &args)
{
    ZapStanza stanza;
    for (const QJsonValue &arg : args) {
        const QJsonObject directives = arg.toObject();
        stanza.trash += texts(directives.value(u"trash"_s));
        stanza.remove += texts(directives.value(u"delete"_s));
        stanza.rmdir += texts(directives.value(u"rmdir"_s));
        stanza.launchctl += texts(directives.value(u"launchctl"_s));
        stanza.loginItems += texts(directives.value(u"login_item"_s));
        stanza.pkgutil += texts(directives.value(u"pkgutil"_s));
        // [["TERM", "org.example.App"], …], or a single pair.
        QJsonArray pairs = directives.value(u"signal"_s).toArray();
        if (!pairs.isEmpty() && pairs.first().isString())
            pairs = QJsonArray { pairs };
        for (const QJsonValue &pair : std::as_const(pairs)) {
            const QJsonArray parts = pair.toArray();
            if (parts.size() == 2 && parts.at(0).isString() && parts.at(1).isString())
                stanza.signal.append({ parts.at(0).toString(), parts.at(1).toString() });
        }
    }
    return stanza;
}
