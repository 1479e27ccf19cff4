#include "cli/CliRunner.h"

#include "cli/AppReport.h"
#include "cli/CliFormat.h"
#include "cli/CliLookup.h"

#include "catalog/AppSetFile.h"
#include "catalog/Catalog.h"
#include "engine/BatchInstaller.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/UpdateChecker.h"

#include <QCoroSignal>
#include <QJsonArray>

#include <cstdio>

using namespace Qt::StringLiterals;
using Command = CliRequest::Command;

namespace {

const QString couldNotCheck = u"Could not check for updates."_s;

} // namespace

CliRunner::CliRunner(Environment env, CliRequest request, Terminals terminals, QObject *parent)
    : QObject(parent)
    , m_request(std::move(request))
    , m_terminals(terminals)
    , m_progress(terminals.error && !m_request.quiet)
{
    // The window keeps its lock files in the same place: <cache folder>/locks.
    m_coordinator = new OperationCoordinator(env.cacheDir.isEmpty() ? QString() : env.cacheDir + u"/locks"_s);
    m_services = new EngineServices(env, Catalog::active(), m_coordinator);
    m_engine = new InstallEngine(env, nullptr, m_coordinator, m_services);
    m_batch = new BatchInstaller(m_engine);
    connect(m_engine, &InstallEngine::stateChanged, this, &CliRunner::showProgress);
    connect(m_batch, &BatchInstaller::progressChanged, this, [this] {
        // Only the Homebrew setup has a note of the queue's own; the apps' notes come from the engine.
        if (!m_batch->current() && !m_batch->progressText().isEmpty())
            m_progress.show(m_batch->progressText());
    });
    connect(m_batch, &BatchInstaller::appFinished, this, &CliRunner::report);
    if (m_request.verbose)
        connect(
            m_engine, &InstallEngine::lineAppended, this, [this](const LogLine &line) { m_progress.print(line.text); });
}

CliRunner::~CliRunner()
{
    // The coordinator last: the engine's tickets end their operations on it.
    delete m_batch;
    delete m_engine;
    delete m_coordinator;
}

QCoro::Task<int> CliRunner::run()
{
    const int code = co_await dispatch();
    co_await settle();
    m_progress.clear();
    co_return code;
}

QCoro::Task<int> CliRunner::dispatch()
{
    switch (m_request.command) {
    case Command::List:
        co_return co_await list();
    case Command::Info:
        co_return co_await info();
    case Command::Outdated:
        co_return co_await outdated();
    case Command::Export:
        co_return exportSet();
    case Command::Import:
        co_return co_await importSet();
    case Command::Update:
        co_return co_await update();
    case Command::Install:
    case Command::Uninstall: {
        const std::optional<QList<CatalogApp>> apps = namedApps();
        if (!apps)
            co_return ExitCode::usage;
        const bool install = m_request.command == Command::Install;
        // Only an install needs to know which casks Homebrew has disabled.
        if (install)
            co_await loadFacts();
        co_return co_await operate(install ? AppOperation::Install : AppOperation::Uninstall, *apps);
    }
    }
    co_return ExitCode::usage;
}

QCoro::Task<int> CliRunner::list()
{
    std::optional<CatalogApp::Category> category;
    if (!m_request.category.isEmpty()) {
        QString problem;
        category = CliLookup::category(m_request.category, &problem);
        if (!category) {
            err(problem);
            co_return ExitCode::usage;
        }
    }
    const QList<CatalogApp> apps = Catalog::apps(m_request.all, category, m_request.search);
    co_await loadFacts();
    co_await checkUpdates();
    m_engine->refreshInstalledStatus(apps);

    QList<QStringList> rows;
    QJsonArray array;
    for (const CatalogApp &app : apps) {
        const QStringList row { app.id, app.name, CatalogApp::label(app.category), m_engine->status(app).label() };
        rows.append(row);
        array.append(QJsonObject {
            { u"id"_s, row[0] }, { u"name"_s, row[1] }, { u"category"_s, row[2] }, { u"state"_s, row[3] } });
    }
    if (m_request.json)
        out(QString::fromUtf8(CliFormat::document({ { u"apps"_s, array } })));
    else if (rows.isEmpty())
        err(u"No app matches."_s);
    else
        out(CliFormat::table({ u"ID"_s, u"NAME"_s, u"CATEGORY"_s, u"STATE"_s }, rows));
    co_return ExitCode::success;
}

QCoro::Task<int> CliRunner::info()
{
    const std::optional<QList<CatalogApp>> apps = namedApps();
    if (!apps)
        co_return ExitCode::usage;
    const CatalogApp app = apps->constFirst();
    co_await loadFacts();
    co_await checkUpdates();
    m_engine->refreshInstalledStatus({ app });

    AppReport report { app, m_engine->status(app), std::nullopt, m_services->facts()->caskFacts(app),
        m_services->facts()->releaseFacts(app.id), std::nullopt };
    if (app.bundleID)
        report.installedPath = m_engine->installedAppURL(*app.bundleID);
    if (report.installedPath)
        report.gatekeeper = co_await m_services->assessGatekeeper(app.id, *report.installedPath);
    out(m_request.json ? QString::fromUtf8(CliFormat::document({ { u"app"_s, report.json() } })) : report.text());
    co_return ExitCode::success;
}

QCoro::Task<int> CliRunner::outdated()
{
    co_await loadFacts();
    const std::optional<QString> problem = co_await checkUpdates();
    if (problem == couldNotCheck) {
        err(*problem);
        co_return ExitCode::failed;
    }
    QList<QStringList> rows;
    QJsonArray array;
    for (const AppUpdate &update : m_services->updates()->updates()) {
        const CatalogApp app = CliLookup::apps({ update.appID }, Catalog::active()).apps.value(0);
        rows.append({ app.id, app.name, update.installedVersion, update.availableVersion,
            update.updatesItself ? QString::fromLatin1(CaskFactsText::updatesItself) : QString() });
        array.append(QJsonObject { { u"id"_s, app.id }, { u"name"_s, app.name },
            { u"installedVersion"_s, update.installedVersion }, { u"availableVersion"_s, update.availableVersion },
            { u"updatesItself"_s, update.updatesItself } });
    }
    // A part that could not be read is not "up to date": say so and fail, after what is known.
    if (m_request.json)
        out(QString::fromUtf8(CliFormat::document({ { u"updates"_s, array } })));
    else if (rows.isEmpty() && !problem)
        out(u"Every installed app is up to date.\n"_s);
    else if (!rows.isEmpty())
        out(CliFormat::table({ u"ID"_s, u"NAME"_s, u"INSTALLED"_s, u"AVAILABLE"_s, QString() }, rows));
    if (!problem)
        co_return ExitCode::success;
    err(*problem);
    co_return ExitCode::failed;
}

QCoro::Task<int> CliRunner::update()
{
    std::optional<QList<CatalogApp>> apps;
    if (!m_request.all) {
        apps = namedApps();
        if (!apps)
            co_return ExitCode::usage;
    }
    co_await loadFacts();
    const std::optional<QString> problem = co_await checkUpdates();
    if (!m_request.all)
        co_return co_await operate(AppOperation::Update, *apps);
    // As "Update all" in the window: apps that update themselves are left to do so. What could not
    // be checked is not up to date: the apps known to have an update are updated, and it fails as
    // outdated does.
    apps = m_services->updates()->appsToUpdate();
    int code = ExitCode::success;
    if (!apps->isEmpty())
        code = co_await operate(AppOperation::Update, *apps);
    else if (!problem && !m_request.quiet)
        out(u"Every installed app is up to date.\n"_s);
    if (!problem)
        co_return code;
    err(*problem);
    co_return code == ExitCode::success ? ExitCode::failed : code;
}

int CliRunner::exportSet()
{
    QSet<QString> installed;
    for (const CatalogApp &app : Catalog::active()) {
        if (m_engine->detectedState(app) == InstallState::installed())
            installed.insert(app.id);
    }
    const QByteArray content = AppSetFile::exportBrewfile(Catalog::active(), installed);
    if (m_request.file.isEmpty()) {
        std::fwrite(content.constData(), 1, size_t(content.size()), stdout);
        return ExitCode::success;
    }
    QString error;
    if (!AppSetFile::writeFile(m_request.file, content, &error)) {
        err(error);
        return ExitCode::failed;
    }
    if (!m_request.quiet)
        out(u"Wrote %1 apps to %2.\n"_s.arg(installed.size()).arg(m_request.file));
    return ExitCode::success;
}

std::optional<QList<CatalogApp>> CliRunner::namedApps()
{
    const CliLookup::Apps found = CliLookup::apps(m_request.names, Catalog::active());
    for (const QString &problem : found.problems)
        err(problem);
    return found.problems.isEmpty() ? std::optional(found.apps) : std::nullopt;
}

QCoro::Task<> CliRunner::loadFacts()
{
    CaskFactsService *facts = m_services->facts();
    facts->start();
    if (facts->isRefreshing())
        m_progress.show(u"Reading what Homebrew says about the apps…"_s);
    while (facts->isRefreshing())
        co_await qCoro(facts, &CaskFactsService::refreshingChanged);
    m_progress.clear();
}

QCoro::Task<std::optional<QString>> CliRunner::checkUpdates()
{
    m_progress.show(u"Checking for updates…"_s);
    UpdateChecker *updates = m_services->updates();
    // One started in the background (by a refresh) would turn this one away as "not checked".
    while (updates->isChecking())
        co_await qCoro(updates, &UpdateChecker::checkingChanged);
    const bool checked = co_await updates->check();
    m_progress.clear();
    if (!checked)
        co_return couldNotCheck;
    if (!updates->lastProblems().isEmpty())
        co_return u"Not every app could be checked for updates: "_s + updates->lastProblems().join(u" "_s);
    co_return std::nullopt;
}

QCoro::Task<> CliRunner::settle()
{
    CaskFactsService *facts = m_services->facts();
    while (facts->isRefreshing())
        co_await qCoro(facts, &CaskFactsService::refreshingChanged);
    UpdateChecker *updates = m_services->updates();
    while (updates->isChecking())
        co_await qCoro(updates, &UpdateChecker::checkingChanged);
}

void CliRunner::out(const QString &text)
{
    m_progress.clear();
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void CliRunner::err(const QString &text)
{
    m_progress.clear();
    std::fflush(stdout);
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}
