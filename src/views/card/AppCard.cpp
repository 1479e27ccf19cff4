#include "views/card/AppCard.h"

#include "engine/InstallEngine.h"
#include "views/card/AppCardActionArea.h"
#include "views/card/AppSelectBox.h"
#include "views/card/EngineActions.h"
#include "views/card/ReplacesLine.h"
#include "views/detail/AppDetailView.h"
#include "views/model/AppCardContent.h"
#include "views/removal/RemovalReview.h"
#include "views/removal/UndoRemovalButton.h"
#include "views/style/AppIconLoader.h"
#include "views/style/Brand.h"
#include "views/style/BrandAccessibility.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/widgets/AppIconTile.h"
#include "views/widgets/FocusChain.h"
#include "views/widgets/Sheet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AppCard::AppCard(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QFrame(parent)
    , m_app(app)
    , m_engine(engine)
{
    setObjectName(u"appCard_"_s + app.id);
    BrandStyle::setLook(this, BrandStyle::Look::Card);
    setAccessibleName(app.name);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    m_actions = new AppCardActionArea(app, engine);
    connect(m_actions, &AppCardActionArea::installRequested, this, [this] { EngineActions::install(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::updateRequested, this, [this] { EngineActions::update(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::cancelRequested, this, [this] { EngineActions::cancel(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::uninstallRequested, this, [this] {
        RemovalReview *review = RemovalReview::review(m_engine, { m_app }, this);
        // Back to the card once answered, so the removal's progress and outcome are heard.
        connect(review, &QDialog::finished, this, [this] {
            activateWindow();
            if (QWidget *control = m_actions->primaryControl())
                control->setFocus(Qt::OtherFocusReason);
        });
    });
    connect(m_actions, &AppCardActionArea::setUpHomebrewRequested, this,
        [this] { EngineActions::setUpHomebrewThenInstall(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::launchRequested, this, [this] { EngineActions::launch(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::showInLogRequested, this, &AppCard::showInLogRequested);
    connect(m_actions, &AppCardActionArea::dismissRequested, this,
        [this] { EngineActions::dismissFailure(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::showInFinderRequested, this, &EngineActions::showInFinder);
    connect(m_actions, &AppCardActionArea::refreshCaskListRequested, this,
        [this] { EngineActions::refreshCaskList(m_engine, m_app); });
    connect(m_actions, &AppCardActionArea::contentChanged, this, &AppCard::follow);

    auto *card = new QVBoxLayout(this);
    card->setContentsMargins(18, 18, 18, 18);
    card->setSpacing(12);
    m_top = new QHBoxLayout;
    m_top->setSpacing(10);
    m_top->addWidget(buildSummary(), 1);
    card->addLayout(m_top);
    // Pushes the actions to the bottom when the grid row is taller than this card.
    card->addSpacerItem(new QSpacerItem(0, 4, QSizePolicy::Minimum, QSizePolicy::Expanding));
    card->addWidget(m_actions);
    card->addWidget(new UndoRemovalButton(app, engine), 0, Qt::AlignLeft);
    follow(true);
}

void AppCard::prefetchIcons(const QList<CatalogApp> &apps, qreal devicePixelRatio)
{
    QStringList ids;
    for (const CatalogApp &app : apps)
        ids.append(app.id);
    AppIconLoader::prefetch(ids, QSize(iconSide, iconSide) * devicePixelRatio);
}

QPushButton *AppCard::buildSummary()
{
    const AppCardContent content = AppCardContent::make(m_app, std::nullopt, {});
    // A button whose face is the widgets inside it: a press anywhere on them opens the sheet.
    m_summary = Controls::button(QString(), BrandStyle::Look::Summary, Brand::warmBlack, font());
    m_summary->setObjectName(u"summaryButton"_s);
    m_summary->setAccessibleName(m_app.name);
    m_summary->setToolTip(tr("See %1 screenshots and details.").arg(m_app.name));
    // Its height follows from the width it gets; a push button would take its whole size hint as
    // its least height.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    m_summary->setSizePolicy(policy);
    m_summary->setMinimumSize(1, 1);
    connect(m_summary, &QPushButton::clicked, this, [this] { setShowDetail(true); });

    auto *summary = new QVBoxLayout(m_summary);
    summary->setContentsMargins(0, 0, 0, 0);
    summary->setSpacing(12);
    auto *top = new QHBoxLayout;
    top->addWidget(new AppIconTile(m_app.id, m_app.name, content.letter, iconSide, 14, 22), 0, Qt::AlignTop);
    top->addStretch();
    QLabel *pricing = Controls::pill(content.pricingLabel, content.pricingRole);
    pricing->setObjectName(u"pricingPill"_s);
    top->addWidget(pricing, 0, Qt::AlignTop);
    summary->addLayout(top);

    QLabel *name = Typography::label(m_app.name, 20, QFont::Medium, Brand::warmBlack, true);
    name->setObjectName(u"nameLabel"_s);
    summary->addWidget(name);
    QLabel *tagline = Typography::label(m_app.tagline, 14, QFont::Normal, Brand::n3, true);
    tagline->setObjectName(u"taglineLabel"_s);
    summary->addWidget(tagline);
    if (!content.freemiumNote.isEmpty()) {
        QLabel *note = Typography::label(content.freemiumNote, 12, QFont::Normal, Brand::deepTerra, true);
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

void AppCard::setSelection(AppSelection *selection)
{
    if (m_select || !selection)
        return;
    m_select = new AppSelectBox(m_app, m_engine, selection, this);
    m_top->addWidget(m_select, 0, Qt::AlignTop);
    follow(true);
}

void AppCard::follow(bool controlsAdded)
{
    // Controls made for a new state would otherwise come last in the window's Tab order.
    if (controlsAdded)
        FocusChain::chain(FocusChain::focusables(this));
    const AppCardContent &content = m_actions->content();
    if (content.busy() != property("busy").toBool()) {
        setProperty("busy", content.busy());
        QAccessible::State busy;
        busy.busy = true;
        BrandAccessibility::stateChanged(this, busy);
    }
    if (content.accessibleStatus() != accessibleDescription())
        setAccessibleDescription(content.accessibleStatus());
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
}
