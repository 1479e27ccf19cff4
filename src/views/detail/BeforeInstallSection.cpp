#include "views/detail/BeforeInstallSection.h"

#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/VersionCompare.h"
#include "views/style/Brand.h"
#include "views/style/Typography.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString notKnown = u"Not known yet"_s;

QString gatekeeperText(const GatekeeperAssessment &assessment)
{
    switch (assessment.verdict) {
    case GatekeeperAssessment::Verdict::NotChecked:
        return u"Not checked on this computer"_s;
    case GatekeeperAssessment::Verdict::Accepted:
        return u"Accepted: "_s + assessment.source
            + (assessment.origin.isEmpty() ? QString() : u" ("_s + assessment.origin + u')');
    case GatekeeperAssessment::Verdict::Rejected:
        return u"Rejected: "_s + assessment.source;
    }
    return {};
}

} // namespace

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
    stack->addWidget(Typography::label(u"Before you install"_s, 13, QFont::DemiBold, Brand::n3));
    m_grid->setHorizontalSpacing(16);
    m_grid->setVerticalSpacing(6);
    m_grid->setColumnStretch(1, 1);
    stack->addLayout(m_grid);
    // Made in reading order, which is the order assistive technology meets them in.
    for (const QString &title : { u"Version"_s, u"Download from"_s, u"Checksum"_s, u"Size"_s, u"Gatekeeper"_s })
        row(title);
    m_updatesItself
        = Typography::label(QString::fromLatin1(CaskFactsText::updatesItself), 13, QFont::Normal, Brand::warmBlack);
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
    QString version, host, checksum, size;
    bool updatesItself = false;
    if (cask) {
        version = cask->version;
        host = cask->downloadHost;
        checksum = CaskFactsText::checksum(*cask);
        updatesItself = cask->autoUpdates;
    } else if (release) {
        version = VersionCompare::displayed(release->tag);
        host = release->downloadHost;
        checksum = CaskFactsText::checksum(*release);
        if (release->assetSize >= 0)
            size = CaskFactsText::size(release->assetSize);
    }
    const QString source = m_app.install.download() ? u"GitHub"_s : u"Homebrew"_s;
    show(u"Version"_s, version.isEmpty() ? notKnown : version + u" (from "_s + source + u')');
    show(u"Download from"_s, host.isEmpty() ? notKnown : host);
    show(u"Checksum"_s, checksum.isEmpty() ? notKnown : checksum);
    show(u"Size"_s, size);
    m_updatesItself->setVisible(updatesItself);

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
        gatekeeper = gatekeeperText(*assessment);
    else if (installed && m_assessmentAsked)
        gatekeeper = u"Checking…"_s;
    show(u"Gatekeeper"_s, gatekeeper);
}
