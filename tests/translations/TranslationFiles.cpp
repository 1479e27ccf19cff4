#include "TranslationFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::StringLiterals;

using TranslationFiles::Message;

QList<Message> TranslationFiles::read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = u"cannot read "_s + path;
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message")
                messages.append(message);
            continue;
        }
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message { context, {}, xml.attributes().value(u"numerus"_s) == u"yes", false, {} };
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"translation") {
            const auto type = xml.attributes().value(u"type"_s);
            message.unfinished = type == u"unfinished" || type == u"vanished" || type == u"obsolete";
            if (!message.numerus)
                message.forms.append(xml.readElementText());
        } else if (name == u"numerusform") {
            message.forms.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        *error = path + u": "_s + xml.errorString();
    return messages;
}

QStringList TranslationFiles::placeholders(const QString &text)
{
    static const QRegularExpression marker(u"%L?(?:\\d+|n)"_s);
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured().remove(u'L'));
    found.sort();
    return found;
}

QStringList TranslationFiles::problems(const QString &tsPath, bool onlyPlurals)
{
    QString error;
    const QList<Message> messages = read(tsPath, &error);
    if (!error.isEmpty())
        return { error };
    if (messages.isEmpty())
        return { tsPath + u" holds no texts"_s };
    QStringList found;
    for (const Message &message : messages) {
        const QString where = message.context + u": “"_s + message.source + u"” — "_s;
        if (onlyPlurals && !message.numerus) {
            found.append(where + u"holds no count but is in the plural forms file"_s);
            continue;
        }
        if (message.unfinished || message.forms.isEmpty()
            || std::any_of(message.forms.cbegin(), message.forms.cend(),
                [](const QString &form) { return form.trimmed().isEmpty(); })) {
            found.append(where + u"has no finished translation"_s);
            continue;
        }
        const QStringList wanted = placeholders(message.source);
        for (const QString &form : message.forms) {
            if (placeholders(form) != wanted)
                found.append(where + u"“"_s + form + u"” has placeholders "_s + placeholders(form).join(u' ')
                    + u" instead of "_s + wanted.join(u' '));
        }
    }
    return found;
}
