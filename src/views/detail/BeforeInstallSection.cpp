#include "views/detail/BeforeInstallSection.h"

#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/BeforeInstallFacts.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/GatekeeperVerdict.h"
#include "engine/facts/VersionCompare.h"
#include "views/style/Brand.h"
#include "views/style/Typography.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

BeforeInstallSection::BeforeInstallSection(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_engine(engine)
    , m_grid(new QGridLayout)
{
    setObjectName(u"beforeInstall"_s);
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(12);
    stack->addWidget(Typography::label(BeforeInstallFacts::heading(), 13, QFont::DemiBold, Brand::n3));
    m_grid->setHorizontalSpacing(16);
    m_grid->setVerticalSpacing(6);
    m_grid->setColumnStretch(1, 1);
    stack->addLayout(m_grid);
    // Made in reading order, which is the order assistive technology meets them in.
    for (const BeforeInstallFacts::Row &fact : BeforeInstallFacts().rows())
        row(fact.title);
    row(GatekeeperVerdict::title());
    m_updatesItself = Typography::label(QCoreApplication::translate("CaskFactsText", CaskFactsText::updatesItself), 13,
        QFont::Normal, Brand::warmBlack);
    m_updatesItself->setObjectName(u"updatesItself"_s);
    stack->addWidget(m_updatesItself);

    if (EngineServices *services = engine ? engine->services() : nullptr) {
        connect(services->facts(), &CaskFactsService::factsChanged, this, &BeforeInstallSection::refresh);
        connect(services, &EngineServices::gatekeeperChanged, this, [this](const QString &appID) {
            if (appID == m_app.id)
                refresh();
        });
    }
    if (engine)
        connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
            if (appID == m_app.id)
                refresh();
        });
    refresh();
}

QLabel *BeforeInstallSection::row(const QString &title)
{
    for (const auto &[name, value] : std::as_const(m_rows))
        if (name->text() == title)
            return value;
    QLabel *name = Typography::label(title, 13, QFont::Normal, Brand::n3);
    QLabel *value = Typography::label(QString(), 13, QFont::Normal, Brand::warmBlack, true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int at = int(m_rows.size());
    m_grid->addWidget(name, at, 0, Qt::AlignTop);
    m_grid->addWidget(value, at, 1);
    m_rows.append(std::make_pair(name, value));
    return value;
}

void BeforeInstallSection::show(const QString &title, const QString &value)
{
    QLabel *label = row(title);
    label->setText(value);
    for (const auto &[name, shown] : std::as_const(m_rows))
        if (shown == label) {
            name->setVisible(!value.isEmpty());
            shown->setVisible(!value.isEmpty());
        }
}

void BeforeInstallSection::refresh()
{
    EngineServices *services = m_engine ? m_engine->services() : nullptr;
    const std::optional<CaskFacts> cask = services ? services->facts()->caskFacts(m_app) : std::nullopt;
    const std::optional<ReleaseFacts> release
        = services && m_app.install.download() ? services->facts()->releaseFacts(m_app.id) : std::nullopt;
    const BeforeInstallFacts facts = BeforeInstallFacts::of(m_app, cask, release);
    for (const BeforeInstallFacts::Row &fact : facts.rows())
        show(fact.title, fact.value);
    m_updatesItself->setVisible(facts.updatesItself);

    // What Gatekeeper says of the copy on this Mac, asked once per sheet.
    const InstallState state
        = m_engine ? m_engine->state(m_app.id).value_or(InstallState::notInstalled()) : InstallState::notInstalled();
    const bool installed = state.kind == InstallState::Kind::Installed;
    const std::optional<GatekeeperAssessment> assessment = services ? services->gatekeeper(m_app.id) : std::nullopt;
    if (installed && !assessment && services && !m_assessmentAsked && m_app.bundleID) {
        if (const std::optional<QString> bundle = m_engine->installedAppURL(*m_app.bundleID)) {
            m_assessmentAsked = true;
            services->requestGatekeeper(m_app.id, *bundle);
        }
    }
    QString gatekeeper;
    if (installed && assessment)
        gatekeeper = GatekeeperVerdict::text(*assessment);
    else if (installed && m_assessmentAsked)
        gatekeeper = GatekeeperVerdict::checking();
    show(GatekeeperVerdict::title(), gatekeeper);
}
