#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Every place outside itself the engine touches: folders, tools and service addresses. The real
// one comes from system(); tests build one inside a temporary folder.
struct Environment
{
    QString home;
    QStringList applicationFolders; // searched in this order, direct entries only
    QString tempDir; // private to this user (mode 0700), never the shared /tmp itself
    // Where the administrator shell of the Homebrew setup makes a folder of its own, which the user
    // may read but not change: a sticky folder owned by root ("/private/tmp" on macOS).
    QString privilegedTempDir;
    QString userHomebrewPrefix; // the per-user prefix, preferred when it holds bin/brew
    QStringList brewCandidates; // brew executables tried in this order; none with ORVANDO_FORCE_NO_BREW
    QString helperDir; // where the orvando-askpass helper is looked for
    QString logDir; // where each day's install log lines are appended; empty: no log files
    QString cacheDir; // the user's cache folder for this program; empty: nothing is cached
    // Where brew keeps its downloads (HOMEBREW_CACHE), read to follow a download's progress.
    QString homebrewCache;
    // The user's data folder for this program (the operation history, kept versions); empty: no
    // history is kept and nothing is kept to revert to.
    QString dataDir;

    struct Tools
    {
        QString unzip; // ditto on macOS ("-x -k"), bsdtar elsewhere
        QString xattr;
        QString tccutil;
        QString launchctl;
        QString osascript;
        QString sh;
        // Run by the administrator shell on the copy of Homebrew's installer package it checks.
        QString installer;
        QString pkgutil;
        QString shasum;
    } tools;

    QUrl githubApi; // base address of the GitHub REST API
    QUrl homebrewInstallHost; // host of Homebrew's install script
    QUrl homebrewApi; // base address of Homebrew's public JSON API ("<base>/api/cask/<token>.json")
    // The most a download whose size was not announced may bring, in bytes.
    qint64 unannouncedDownloadLimit = qint64(4) << 30;
    // Whether an install asks the system if there is a network at all (tests' sandboxes do not).
    bool askNetworkReachability = false;
    // The wait before a dropped download is taken up again; it doubles with each try.
    int downloadRetryDelayMs = 1000;
    // The signed catalog that may replace the built-in list ("<address>.sig" is its signature) and
    // the Ed25519 public key it must be signed with, in base64. Either empty: no refresh.
    QUrl catalogUrl;
    QString catalogPublicKey;

    // The user's Applications folder, home + "/Applications".
    QString userApplications() const { return home + QStringLiteral("/Applications"); }

    static Environment system();
    // The tool paths of this machine, as system() sets them.
    static Tools systemTools();

    // Creates (or checks) a folder only this user may enter under parent and returns its path;
    // empty when no such folder can be had.
    static QString makePrivateTempDir(const QString &parent);
};
