#include "catalog/AppSetFile.h"

#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

const QString directComment = u": installed from GitHub releases by Orvando"_s;

// Brewfile entries for things other than casks, which Orvando leaves to Homebrew.
const QSet<QString> otherEntries { u"brew"_s, u"tap"_s, u"mas"_s, u"vscode"_s, u"whalebrew"_s, u"cask_args"_s,
    u"cargo"_s, u"go"_s, u"uv"_s, u"npm"_s, u"flatpak"_s };

// The line up to a "#" that is not inside quotes.
QString withoutComment(const QString &line)
{
    QChar quote;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'#') {
            return line.left(i);
        }
    }
    return line;
}

// The first quoted text of a Brewfile entry's arguments ("\"maccy\", greedy: true" -> maccy).
std::optional<QString> firstQuoted(const QString &arguments)
{
    const QString text = arguments.trimmed();
    if (text.isEmpty() || (text[0] != u'"' && text[0] != u'\''))
        return std::nullopt;
    const qsizetype end = text.indexOf(text[0], 1);
    if (end < 0)
        return std::nullopt;
    return text.mid(1, end - 1);
}

// A catalog app by id or by cask token, ignoring case; Homebrew's own tap prefix is allowed.
const CatalogApp *find(const QList<CatalogApp> &catalog, QString name)
{
    if (name.startsWith(u"homebrew/cask/"_s, Qt::CaseInsensitive))
        name = name.mid(14);
    for (const CatalogApp &app : catalog) {
        if (app.id.compare(name, Qt::CaseInsensitive) == 0)
            return &app;
    }
    for (const CatalogApp &app : catalog) {
        if (app.install.isHomebrewCask() && app.install.caskToken().compare(name, Qt::CaseInsensitive) == 0)
            return &app;
    }
    return nullptr;
}

AppSetFile::Import failure(const QString &sentence)
{
    AppSetFile::Import result;
    result.error = sentence;
    return result;
}

} // namespace

QByteArray AppSetFile::exportBrewfile(const QList<CatalogApp> &catalog, const QSet<QString> &installedIDs)
{
    QString text;
    for (const CatalogApp &app : catalog) {
        if (!installedIDs.contains(app.id))
            continue;
        if (app.install.isHomebrewCask())
            text += u"cask \""_s + app.install.caskToken() + u"\"\n"_s;
        else
            text += u"# "_s + app.id + directComment + u'\n';
    }
    return text.toUtf8();
}

AppSetFile::Import AppSetFile::parse(const QByteArray &content, const QList<CatalogApp> &catalog)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content);
    if (content.contains('\0') || decoder.hasError())
        return failure(QCoreApplication::translate(
            "AppSetFile", "The file is not a list of apps: it holds binary data, not text."));
    if (text.trimmed().isEmpty())
        return failure(QCoreApplication::translate("AppSetFile", "The file is empty, so it names no apps."));

    QSet<QString> selected;
    Import result;
    const auto unknown = [&result](const QString &name) {
        if (!result.unknown.contains(name))
            result.unknown.append(name);
    };
    const auto select = [&](const QString &name) {
        if (const CatalogApp *app = find(catalog, name))
            selected.insert(app->id);
        else
            unknown(name);
    };
    for (const QString &raw : text.split(u'\n')) {
        const QString whole = raw.trimmed(); // also drops the CR of CR LF line ends
        // Our own export names direct downloads in comments, which Homebrew skips and we read.
        // One without a name is any other comment.
        if (whole.startsWith(u'#') && whole.endsWith(directComment)) {
            const QString id = whole.mid(1, whole.size() - 1 - directComment.size()).trimmed();
            if (!id.isEmpty())
                select(id);
            continue;
        }
        const QString line = withoutComment(whole).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype space = line.indexOf(QRegularExpression(u"\\s"_s));
        if (space < 0) {
            select(line);
            continue;
        }
        const QString keyword = line.left(space);
        const QString arguments = line.mid(space + 1).trimmed();
        if (keyword == u"cask"_s) {
            // `cask ""` names nothing: the line itself is what was not recognised.
            const std::optional<QString> token = firstQuoted(arguments);
            if (token && !token->trimmed().isEmpty())
                select(*token);
            else
                unknown(line);
        } else if (otherEntries.contains(keyword) || arguments.startsWith(u'"') || arguments.startsWith(u'\'')) {
            result.ignored.append(line);
        } else {
            unknown(line);
        }
    }
    for (const CatalogApp &app : catalog) {
        if (selected.contains(app.id))
            result.apps.append(app);
    }
    return result;
}

AppSetFile::Import AppSetFile::readFile(const QString &path, const QList<CatalogApp> &catalog)
{
    const QString name = QFileInfo(path).fileName();
    // The user named this file, so a link is followed; but a FIFO or a device that would hold the
    // window or the command line for good is not read.
    const SafeFile::Content content = SafeFile::read(path, maxFileSize, SafeFile::Links::Follow);
    switch (content.status) {
    case SafeFile::Content::Status::Read:
        return parse(content.bytes, catalog);
    case SafeFile::Content::Status::TooLarge:
        //: %1 is a file name.
        return failure(QCoreApplication::translate("AppSetFile", "“%1” is too large to be a list of apps.").arg(name));
    case SafeFile::Content::Status::NotAFile:
        //: %1 is a file name.
        return failure(QCoreApplication::translate("AppSetFile", "Could not read “%1”: it is not a file.").arg(name));
    case SafeFile::Content::Status::Missing:
    case SafeFile::Content::Status::Unreadable:
        break;
    }
    //: %1 is a file name, %2 why it could not be read.
    return failure(QCoreApplication::translate("AppSetFile", "Could not read “%1”: %2.").arg(name, content.reason));
}

bool AppSetFile::writeFile(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    if (error)
        //: %1 is a file name, %2 why it could not be saved.
        *error = QCoreApplication::translate("AppSetFile", "Could not save “%1”: %2.")
                     .arg(QFileInfo(path).fileName(), file.errorString());
    return false;
}
