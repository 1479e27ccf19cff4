#include "engine/homebrew/ShellQuote.h"

using namespace Qt::StringLiterals;

QString ShellQuote::quoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u"'"_s, u"'\\''"_s);
    return u'\'' + quoted + u'\'';
}
