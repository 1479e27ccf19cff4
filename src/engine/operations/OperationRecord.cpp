#include "engine/operations/OperationRecord.h"

#include "engine/InstallEngine.h"
#include "engine/history/OperationHistory.h"
#include "platform/PlistReader.h"

using namespace Qt::StringLiterals;

OperationRecord::OperationRecord(InstallEngine *engine, const CatalogApp &app, HistoryRecord::Kind kind)
    : m_engine(engine)
    , m_app(app)
    , m_history(engine->history())
{
    if (!m_history)
        return;
    m_record.appID = app.id;
    m_record.appName = app.name;
    m_record.kind = kind;
    if (kind != HistoryRecord::Kind::HomebrewSetup)
        m_record.route = app.install.isHomebrewCask() ? u"cask"_s : app.install.download() ? u"direct"_s : QString();
    m_record.versionBefore = installedVersion(engine, app);
    m_record.started = QDateTime::currentDateTime();
    m_id = m_history->begin(m_record);
    // Only the app's own lines; the newest maxLogLines of them are what tells how it ended.
    m_lines = QObject::connect(engine, &InstallEngine::lineAppended, engine, [this](const LogLine &line) {
        if (line.appID != m_app.id)
            return;
        m_record.log.append(line.text);
        if (m_record.log.size() > HistoryRecord::maxLogLines) {
            m_record.log.removeFirst();
            ++m_linesLeftOut;
        }
    });
}

OperationRecord::~OperationRecord()
{
    QObject::disconnect(m_lines);
    if (!m_history || m_id == 0)
        return;
    conclude();
    if (m_linesLeftOut > 0) {
        m_record.log.removeFirst();
        m_record.log.prepend(u"note: "_s + tr("%n earlier lines are left out.", nullptr, int(m_linesLeftOut + 1)));
    }
    m_record.ended = QDateTime::currentDateTime();
    m_history->finish(m_id, m_record);
}

QString OperationRecord::installedVersion(const InstallEngine *engine, const CatalogApp &app)
{
    if (!engine || !app.bundleID)
        return {};
    const std::optional<QString> bundle = engine->installedAppURL(*app.bundleID);
    if (!bundle)
        return {};
    return PlistReader::stringValueInFile(*bundle + u"/Contents/Info.plist"_s, u"CFBundleShortVersionString"_s)
        .value_or(QString());
}

void OperationRecord::conclude()
{
    using Outcome = HistoryRecord::Outcome;
    if (!m_engine) {
        m_record.outcome = Outcome::Interrupted;
        m_record.sentence = tr("The window closed before this operation finished.");
        return;
    }
    m_record.versionAfter = installedVersion(m_engine, m_app);
    const bool cancelled = m_engine->coordinator()->isCancelled(m_app.id);
    if (m_record.kind == HistoryRecord::Kind::HomebrewSetup) {
        m_record.outcome = m_engine->brewAvailable() ? Outcome::Succeeded
            : cancelled                              ? Outcome::Cancelled
                                                     : Outcome::Failed;
        if (m_record.outcome == Outcome::Failed)
            m_record.sentence = m_engine->setupFailure();
        return;
    }
    const InstallState now = m_engine->state(m_app.id).value_or(InstallState::notInstalled());
    const auto goal = m_record.kind == HistoryRecord::Kind::Uninstall ? InstallState::Kind::NotInstalled
                                                                      : InstallState::Kind::Installed;
    if (now.kind == goal) {
        m_record.outcome = Outcome::Succeeded;
    } else if (cancelled) {
        m_record.outcome = Outcome::Cancelled;
    } else if (now.kind == InstallState::Kind::NeedsHomebrew) {
        m_record.outcome = Outcome::NeedsHomebrew;
        m_record.sentence = tr("%1 installs through Homebrew, which isn't set up on this Mac yet.").arg(m_app.name);
    } else {
        m_record.outcome = Outcome::Failed;
        m_record.sentence = now.kind == InstallState::Kind::Failed
            ? now.text
            : tr("%1 is not in the state asked for.").arg(m_app.name);
        m_record.failure = now.kind == InstallState::Kind::Failed ? now.failure : FailureKind::Unknown;
    }
}
