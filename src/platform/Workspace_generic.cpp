#include "platform/PlistReader.h"
#include "platform/UrlOpener.h"
#include "platform/Workspace.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

using namespace Qt::StringLiterals;

// Without LaunchServices, start the bundle's main executable as a detached process.
bool Workspace::openApplication(const QString &bundlePath)
{
    const QString contents = bundlePath + u"/Contents"_s;
    const std::optional<QString> executable
        = PlistReader::stringValueInFile(contents + u"/Info.plist"_s, u"CFBundleExecutable"_s);
    // The name comes from an untrusted file: it must name an entry of Contents/MacOS, nothing else.
    if (!executable || executable->isEmpty() || executable->contains(u'/') || *executable == u"."_s
        || *executable == u".."_s)
        return false;
    const QString macOS = contents + u"/MacOS"_s;
    const QFileInfo program(macOS + u'/' + *executable);
    if (!program.isFile() || !program.isExecutable())
        return false;
    return QProcess::startDetached(program.absoluteFilePath(), {}, macOS);
}

// No file manager here selects an item reliably: the folder holding it is opened.
bool Workspace::revealInFinder(const QString &path)
{
    const QFileInfo item(path);
    if (path.isEmpty() || !item.exists())
        return false;
    return UrlOpener::open(QUrl::fromLocalFile(item.absolutePath()));
}
