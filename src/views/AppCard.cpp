#include "views/AppCard.h"

#include "engine/InstallEngine.h"
#include "views/AppCardActionArea.h"
#include "views/AppCardContent.h"
#include "views/AppDetailView.h"
#include "views/AppIconTile.h"
#include "views/Brand.h"
#include "views/ContentButton.h"
#include "views/EngineActions.h"
#include "views/LogDrawer.h"
#include "views/Pill.h"
#include "views/ReplacesLine.h"
#include "views/Sheet.h"
#include "views/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AppCard::AppCard(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : RoundedPanel(Brand::cream, 16, Brand::n2, parent)
    , m_app(app)
    , m_engine(engine)
{
    setObjectName(u"appCard_"_s + app.id);
    setAccessibleName(app.name);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    m_actions = new AppCardActionArea(app, engine);
    connect(m_actions, &AppCardActionArea::installRequested, this, [this] { EngineActions::install(m_engine, m_app); });
    connect(
        m_actions, &AppCardActionArea::uninstallRequested, this, [this] { EngineActions::uninstall(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::setUpHomebrewRequested, this,
        [this] { EngineActions::setUpHomebrewThenInstall(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::launchRequested, this, [this] { EngineActions::launch(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::showInLogRequested, this, [this](qint64 lineId) {
        // The window's one drawer; a card shown on its own has none and does nothing.
        if (auto *drawer = window()->findChild<LogDrawer *>())
            drawer->revealLine(lineId);
    });

    auto *card = new QVBoxLayout(this);
    card->setContentsMargins(18, 18, 18, 18);
    card->setSpacing(12);
    card->addWidget(buildSummary());
    // Pushes the actions to the bottom when the grid row is taller than this card.
    card->addSpacerItem(new QSpacerItem(0, 4, QSizePolicy::Minimum, QSizePolicy::Expanding));
    card->addWidget(m_actions);
}

QWidget *AppCard::buildSummary()
{
    const AppCardContent content = AppCardContent::make(m_app, std::nullopt, {});
    m_summary = new ContentButton;
    m_summary->setObjectName(u"summaryButton"_s);
    m_summary->setAccessibleName(m_app.name);
    m_summary->setToolTip(u"See "_s + m_app.name + u" screenshots and details."_s);
    connect(m_summary, &ContentButton::clicked, this, [this] { setShowDetail(true); });

    auto *summary = new QVBoxLayout(m_summary);
    summary->setContentsMargins(0, 0, 0, 0);
    summary->setSpacing(12);
    auto *top = new QHBoxLayout;
    top->addWidget(new AppIconTile(m_app.id, content.letter, 48, 14, 22), 0, Qt::AlignTop);
    top->addStretch();
    auto *pricing = new Pill(content.pricingLabel, content.pricingColor);
    pricing->setObjectName(u"pricingPill"_s);
    top->addWidget(pricing, 0, Qt::AlignTop);
    summary->addLayout(top);

    auto *name = Typography::label(m_app.name, 20, QFont::Medium, Brand::warmBlack, true);
    name->setObjectName(u"nameLabel"_s);
    summary->addWidget(name);
    auto *tagline = Typography::label(m_app.tagline, 14, QFont::Normal, Brand::n3, true);
    tagline->setObjectName(u"taglineLabel"_s);
    summary->addWidget(tagline);
    if (!content.freemiumNote.isEmpty()) {
        auto *note = Typography::label(content.freemiumNote, 12, QFont::Normal, Brand::deepTerra, true);
        note->setObjectName(u"freemiumNote"_s);
        summary->addWidget(note);
    }
    if (m_app.replaces) {
        auto *replaces = new ReplacesLine(*m_app.replaces, 12);
        replaces->setObjectName(u"replacesLine"_s);
        summary->addWidget(replaces);
    }
    return m_summary;
}

void AppCard::setShowDetail(bool show)
{
    if (!show) {
        if (m_detail)
            m_detail->close();
        return;
    }
    if (m_detail)
        return;
    m_detail = new AppDetailView(m_app, m_engine, window());
    m_detail->setAttribute(Qt::WA_DeleteOnClose);
    Sheet::present(m_detail);
    Q_EMIT detailShown(m_detail);
}
