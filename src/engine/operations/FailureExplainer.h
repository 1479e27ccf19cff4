#pragma once

#include "engine/EngineError.h"
#include "engine/FailureKind.h"

#include <QCoreApplication>
#include <QString>

#include <array>

// Why a failed run failed, in words for the card.
struct FailureExplanation
{
    FailureKind kind = FailureKind::Unknown;
    QString sentence; // a complete sentence naming the app and what to do
    qint64 logLine = 0; // id of the log line that gave it away, 0 when none did
    QString path = {}; // AlreadyInstalled: the app in the way
};

// Reads a tool's output as it streams and keeps only the few lines that can explain a failure:
// brew prints the cause in a handful of known forms among thousands of progress lines. Memory stays
// bounded however long the output runs. Pure: no I/O, usable from any thread (one at a time).
class FailureExplainer
{
    Q_DECLARE_TR_FUNCTIONS(FailureExplainer)

public:
    enum class Operation { Install, Update, Uninstall };

    explicit FailureExplainer(QString appName, Operation operation = Operation::Install);

    // One line of output; logLine is its id in the installer log, when it has one.
    void observe(const QString &line, qint64 logLine = 0);
    // Why the run failed. fallback is the sentence when nothing in the output says.
    FailureExplanation explain(const QString &fallback) const;

    // The class of a failure that did not come from brew's output, such as a direct download's.
    static FailureKind kindOf(const EngineError &error);
    // A tool's error message cut to one plain sentence, ending with a full stop.
    static QString oneSentence(const QString &message);

private:
    // What was kept of the line that pointed at one class.
    struct Clue
    {
        qint64 logLine = 0;
        QString detail; // the host, path, versions or message the sentence quotes
        // Download: the HTTP status, when curl said. MacOSVersion: "newer" or "older" when the
        // versions are a bound ("13 or newer"), empty when they are a list.
        QString status;
        bool seen = false;
    };

    void observeError(QStringView message, qint64 logLine);
    void observeCurl(QStringView message, qint64 logLine);
    void note(FailureKind kind, qint64 logLine, const QString &detail = {}, const QString &status = {});
    QString lastDownloadHost() const;
    QString sentenceFor(FailureKind kind, const Clue &clue) const;

    QString m_appName;
    Operation m_operation;
    // By FailureKind; Unknown holds the last "Error: " message.
    std::array<Clue, size_t(FailureKind::HomebrewLeftover) + 1> m_clues;
    QString m_lastDownload; // the latest "==> Downloading …" line, whose host a failure may name
};
