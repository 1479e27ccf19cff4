#include "engine/operations/FailureExplainer.h"

#include "engine/direct/DirectInstallError.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// A kept message never grows past this: brew can print a whole page in one line.
constexpr qsizetype keptLength = 400;
constexpr qsizetype sentenceLength = 160;

// When several classes show up in one run, the first of these that did decides: a refused
// password or a lost connection causes the errors printed after it.
constexpr FailureKind precedence[] = {
    FailureKind::Password,
    FailureKind::Network,
    FailureKind::Checksum,
    FailureKind::Download,
    FailureKind::MacOSVersion,
    FailureKind::StaleCaskList,
    FailureKind::Unavailable,
    FailureKind::HomebrewLeftover,
    FailureKind::AlreadyInstalled,
    FailureKind::InstallerPackage,
    FailureKind::Permission,
};

QRegularExpression pattern(const QString &source)
{
    return QRegularExpression(source, QRegularExpression::CaseInsensitiveOption);
}

QString hostIn(const QString &text)
{
    static const QRegularExpression url = pattern(u"\\b(?:https?|ftp)://[^\\s'\"`<>]+"_s);
    const QRegularExpressionMatch match = url.match(text);
    return match.hasMatch() ? QUrl(match.captured(0)).host() : QString();
}

QString capped(QStringView text)
{
    return text.size() <= keptLength ? text.toString() : text.left(keptLength).toString();
}

// The program a command line runs, past sudo, env and their options: "osascript" for
// "/usr/bin/sudo -E -- /usr/bin/env LOGNAME=a /usr/bin/osascript -e …".
QString programOf(const QString &command)
{
    const QStringList words = command.split(u' ', Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const QString name = QFileInfo(word).fileName();
        if (word.startsWith(u'-') || name == u"sudo"_s || name == u"env"_s
            || (word.contains(u'=') && !word.startsWith(u'/')))
            continue;
        return name;
    }
    return words.isEmpty() ? QString() : QFileInfo(words.constFirst()).fileName();
}

// Every line that can explain a failure has one of these words right before a colon; a progress
// line is ruled out by one scan for colons.
bool mayExplain(const QString &line)
{
    for (qsizetype colon = line.indexOf(u':'); colon >= 0; colon = line.indexOf(u':', colon + 1)) {
        const QStringView before = QStringView(line).left(colon);
        if (before.endsWith(u"Error") || before.endsWith(u"curl") || before.endsWith(u"sudo")
            || before.endsWith(u"installer"))
            return true;
    }
    return false;
}

} // namespace

FailureExplainer::FailureExplainer(QString appName, Operation operation)
    : m_appName(std::move(appName))
    , m_operation(operation)
{
}

void FailureExplainer::observe(const QString &line, qint64 logLine)
{
    // Most lines are progress; they cost a prefix test and a scan for colons, and keep nothing.
    if (line.startsWith(u"==> Downloading")) {
        m_lastDownload = line;
        return;
    }
    if (!mayExplain(line))
        return;
    if (const qsizetype error = line.indexOf(u"Error: "); error >= 0) {
        observeError(QStringView(line).mid(error + 7), logLine);
        return;
    }
    if (const qsizetype curl = line.indexOf(u"curl: ("); curl >= 0) {
        observeCurl(QStringView(line).mid(curl), logLine);
        return;
    }
    static const QRegularExpression sudo
        = pattern(u"\\bsudo: (?:a password is required|no password was provided|\\d+ incorrect password attempts?|"
                  u"a terminal is required to read the password)"_s);
    if (line.contains(u"sudo: ") && sudo.match(line).hasMatch()) {
        note(FailureKind::Password, logLine);
        return;
    }
    if (line.contains(u"installer: The install failed"))
        note(FailureKind::InstallerPackage, logLine);
}

void FailureExplainer::observeError(QStringView text, qint64 logLine)
{
    QString message = capped(text).trimmed();
    // Newer brew names the cask first: "Error: firefox: It seems there is already an App at …".
    static const QRegularExpression token(u"^[\\w.+@/-]+: "_s);
    if (const QRegularExpressionMatch match = token.match(message); match.hasMatch())
        message.remove(0, match.capturedLength());
    Clue &last = m_clues[size_t(FailureKind::Unknown)];
    last = { logLine, message, {}, true };
    // curl's own words may come inside the message: they tell a lost connection from a refusal.
    if (const qsizetype curl = message.indexOf(u"curl: ("); curl >= 0)
        observeCurl(QStringView(message).mid(curl), logLine);

    static const QRegularExpression checksum
        = pattern(u"^(?:SHA-?256 mismatch|Checksum for Cask '[^']*' does not match)"_s);
    static const QRegularExpression macOS
        = pattern(u"does not run on macOS versions (other|older|newer) than (.+?)\\.?$"_s);
    static const QRegularExpression macOSRequired = pattern(u"^macOS (.+?) or (newer|older) is required"_s);
    // A cask the catalog names is one Homebrew publishes: not finding it means its list here is old.
    static const QRegularExpression unknownCask = pattern(
        u"\\bCask '[^']+' is unavailable: No Cask with this name exists|^No (?:formulae or )?casks found for "_s);
    static const QRegularExpression unavailable = pattern(u"\\bCask '[^']+' (?:is unavailable|has been disabled)"_s);
    static const QRegularExpression alreadyThere = pattern(u"^It seems there is already an App at '([^']+)'"_s);
    static const QRegularExpression permission = pattern(u"^Permission denied(?: @ \\S+)? - (.+)$"_s);
    static const QRegularExpression downloadFailed = pattern(u"\\bDownload failed\\b"_s);

    if (checksum.match(message).hasMatch()) {
        note(FailureKind::Checksum, logLine);
    } else if (const QRegularExpressionMatch m = macOS.match(message); m.hasMatch()) {
        // "older than Ventura": it runs on Ventura or newer.
        const QString bound = m.captured(1).toLower();
        note(FailureKind::MacOSVersion, logLine, m.captured(2).trimmed(),
            bound == u"other"_s       ? QString()
                : bound == u"older"_s ? u"newer"_s
                                      : u"older"_s);
    } else if (const QRegularExpressionMatch r = macOSRequired.match(message); r.hasMatch()) {
        note(FailureKind::MacOSVersion, logLine, r.captured(1), r.captured(2).toLower());
    } else if (unknownCask.match(message).hasMatch()) {
        note(FailureKind::StaleCaskList, logLine);
    } else if (unavailable.match(message).hasMatch()) {
        note(FailureKind::Unavailable, logLine);
    } else if (const QRegularExpressionMatch a = alreadyThere.match(message); a.hasMatch()) {
        // During an upgrade brew first moves the old version back into its Caskroom; something
        // already there is its own leftover, not an app the user put in Applications.
        const QString path = a.captured(1);
        const bool caskroom = path.contains(u"/Caskroom/"_s);
        note(caskroom ? FailureKind::HomebrewLeftover : FailureKind::AlreadyInstalled, logLine, path);
    } else if (const QRegularExpressionMatch p = permission.match(message); p.hasMatch()) {
        note(FailureKind::Permission, logLine, p.captured(1).trimmed());
    } else if (downloadFailed.match(message).hasMatch()) {
        // The address that failed, when curl did not already say which host answered.
        Clue &download = m_clues[size_t(FailureKind::Download)];
        if (!download.seen)
            note(FailureKind::Download, logLine, hostIn(message).isEmpty() ? lastDownloadHost() : hostIn(message));
        else if (download.detail.isEmpty())
            download.detail = hostIn(message);
    }
}

void FailureExplainer::observeCurl(QStringView text, qint64 logLine)
{
    const QString message = capped(text);
    static const QRegularExpression httpError = pattern(u"The requested URL returned error: (\\d{3})"_s);
    static const QRegularExpression offline
        = pattern(u"Could not resolve host|Failed to connect|Operation timed out|Couldn't connect to server"_s);
    static const QRegularExpression host = pattern(u"(?:Could not resolve host:|Failed to connect to) ([^\\s:;,]+)"_s);

    if (const QRegularExpressionMatch m = httpError.match(message); m.hasMatch()) {
        note(FailureKind::Download, logLine, lastDownloadHost(), m.captured(1));
    } else if (offline.match(message).hasMatch()) {
        const QRegularExpressionMatch named = host.match(message);
        note(FailureKind::Network, logLine, named.hasMatch() ? named.captured(1) : lastDownloadHost());
    }
}

void FailureExplainer::note(FailureKind kind, qint64 logLine, const QString &detail, const QString &status)
{
    // The first sign of a class is kept: later lines of the same kind repeat or follow from it.
    Clue &clue = m_clues[size_t(kind)];
    if (!clue.seen)
        clue = { logLine, detail, status, true };
}

QString FailureExplainer::lastDownloadHost() const
{
    return hostIn(m_lastDownload);
}

FailureExplanation FailureExplainer::explain(const QString &fallback) const
{
    for (const FailureKind kind : precedence) {
        const Clue &clue = m_clues[size_t(kind)];
        // Downloads, versions and installers belong to installing; a removal says what it says.
        const bool applies = m_operation != Operation::Uninstall || kind == FailureKind::Password
            || kind == FailureKind::Permission || kind == FailureKind::HomebrewLeftover;
        if (clue.seen && applies)
            return { kind, sentenceFor(kind, clue), clue.logLine,
                kind == FailureKind::AlreadyInstalled ? clue.detail : QString() };
    }
    const Clue &last = m_clues[size_t(FailureKind::Unknown)];
    if (last.seen && !oneSentence(last.detail).isEmpty())
        return { FailureKind::Unknown, sentenceFor(FailureKind::Unknown, last), last.logLine };
    return { FailureKind::Unknown, fallback, 0 };
}

QString FailureExplainer::sentenceFor(FailureKind kind, const Clue &clue) const
{
    const QString &app = m_appName;
    const bool install = m_operation == Operation::Install;
    const bool update = m_operation == Operation::Update;
    switch (kind) {
    case FailureKind::Download:
        if (!clue.status.isEmpty() && !clue.detail.isEmpty())
            //: %1 is the app, %2 the server's host name, %3 the HTTP status it answered with (404).
            return tr("The download of %1 failed (%2 answered %3). The app's publisher may have moved it; try "
                      "again later.")
                .arg(app, clue.detail, clue.status);
        if (!clue.status.isEmpty())
            //: %1 is the app, %2 the HTTP status the server answered with (404).
            return tr("The download of %1 failed (the server answered %2). The app's publisher may have moved it; "
                      "try again later.")
                .arg(app, clue.status);
        if (!clue.detail.isEmpty())
            //: %1 is the app, %2 the server's host name.
            return tr("The download of %1 from %2 failed. The app's publisher may have moved it; try again later.")
                .arg(app, clue.detail);
        return tr("The download of %1 failed. The app's publisher may have moved it; try again later.").arg(app);
    case FailureKind::Checksum:
        // A removal downloads nothing: only an install or an update gets here.
        return (install ? tr("The download of %1 did not match its published checksum, so it was not installed.")
                        : tr("The download of %1 did not match its published checksum, so it was not updated."))
            .arg(app);
    case FailureKind::MacOSVersion:
        //: %1 is the app, %2 the oldest macOS it runs on, as Homebrew names it ("Ventura" or "13").
        if (clue.status == u"newer"_s)
            return tr("%1 does not support this version of macOS (it runs on: %2 or newer).").arg(app, clue.detail);
        //: %1 is the app, %2 the newest macOS it runs on, as Homebrew names it ("Monterey" or "12").
        if (clue.status == u"older"_s)
            return tr("%1 does not support this version of macOS (it runs on: %2 or older).").arg(app, clue.detail);
        //: %1 is the app, %2 the macOS versions it runs on, as Homebrew lists them ("Sonoma and Sequoia").
        return tr("%1 does not support this version of macOS (it runs on: %2).").arg(app, clue.detail);
    case FailureKind::Unavailable:
        return tr("Homebrew no longer offers %1.").arg(app);
    case FailureKind::StaleCaskList:
        return tr("Homebrew's list of apps on this Mac is out of date and does not know %1 yet. Refresh it, then "
                  "try again.")
            .arg(app);
    case FailureKind::HomebrewLeftover:
        return (install  ? tr("Homebrew's own copy of an earlier %1, left in its folder by an update that did not "
                               "finish, is in the way, so %1 was not installed.")
                : update ? tr("Homebrew's own copy of an earlier %1, left in its folder by an update that did "
                              "not finish, is in the way, so %1 was not updated.")
                         : tr("Homebrew's own copy of an earlier %1, left in its folder by an update that did "
                              "not finish, is in the way, so %1 was not removed."))
            .arg(app);
    case FailureKind::AlreadyInstalled:
        return tr("%1 is already in Applications but was not installed through Homebrew. Open it, or remove it "
                  "first.")
            .arg(app);
    case FailureKind::Password:
        return (install  ? tr("The Mac password was not entered, so %1 was not installed.")
                : update ? tr("The Mac password was not entered, so %1 was not updated.")
                         : tr("The Mac password was not entered, so %1 was not removed."))
            .arg(app);
    case FailureKind::InstallerPackage:
        return tr("The installer of %1 failed. Its own log is in the install log.").arg(app);
    case FailureKind::Permission:
        //: %1 is the folder or file Homebrew could not write to, %2 the app.
        return (install  ? tr("Homebrew could not write to %1, so %2 was not installed. Its folders may belong to "
                               "another user.")
                : update ? tr("Homebrew could not write to %1, so %2 was not updated. Its folders may belong to "
                              "another user.")
                         : tr("Homebrew could not write to %1, so %2 was not removed. Its folders may belong to "
                              "another user."))
            .arg(clue.detail, app);
    case FailureKind::Network:
        if (clue.detail.isEmpty())
            return tr("%1 could not be downloaded: no connection to its download server.").arg(app);
        //: %1 is the app, %2 the host name of its download server.
        return tr("%1 could not be downloaded: no connection to %2.").arg(app, clue.detail);
    case FailureKind::Unknown:
        break;
    }
    //: %1 is the app, %2 the reason: Homebrew's own message, in English, or a sentence of ours.
    return (install  ? tr("Homebrew could not install %1: %2")
            : update ? tr("Homebrew could not update %1: %2")
                     : tr("Homebrew could not remove %1: %2"))
        .arg(app, oneSentence(clue.detail));
}

QString FailureExplainer::oneSentence(const QString &message)
{
    QString text = message.trimmed();
    // "Failure while executing; `/usr/bin/sudo … /usr/sbin/installer -pkg …` exited with 1. Here's the output:"
    static const QRegularExpression failedCommand
        = pattern(u"^Failure while executing;? `([^`]*)` exited with (-?\\d+)"_s);
    if (const QRegularExpressionMatch m = failedCommand.match(text); m.hasMatch())
        //: Follows a colon: "Homebrew could not install Maccy: a step it ran failed (installer exited with 1)."
        //: %1 is the program that failed, %2 its exit status.
        return tr("a step it ran failed (%1 exited with %2).").arg(programOf(m.captured(1)), m.captured(2));

    static const QRegularExpression end(u"[.!?](?=\\s)"_s);
    if (const QRegularExpressionMatch m = end.match(text); m.hasMatch())
        text.truncate(m.capturedStart());
    while (!text.isEmpty() && QStringView(u".!?:;,").contains(text.back()))
        text.chop(1);
    text = text.trimmed();
    if (text.isEmpty())
        return {};
    if (text.size() > sentenceLength)
        text = text.left(sentenceLength - 1).trimmed() + u'…';
    return text + (text.endsWith(u'…') ? QString() : u"."_s);
}

FailureKind FailureExplainer::kindOf(const EngineError &error)
{
    // A download's own client reports an HTTP status as the code, a lost connection as a smaller one.
    if (error.domain == EngineError::Domain::Network)
        return error.code >= 400 ? FailureKind::Download : FailureKind::Network;
    if (error == DirectInstallError::checksumMismatch().toError())
        return FailureKind::Checksum;
    return FailureKind::Unknown;
}
