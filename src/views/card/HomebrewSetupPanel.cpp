#include "views/card/HomebrewSetupPanel.h"

#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/widgets/SpinnerRow.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HomebrewSetupPanel::HomebrewSetupPanel(const QString &appName, QWidget *parent)
    : QFrame(parent)
    , m_offer(new QWidget)
    , m_progress(new SpinnerRow(tr("Setting up Homebrew…")))
    , m_setUp(Controls::wrappingButton(tr("Set up Homebrew (one-time, ~2 min — needs your Mac password once)"),
          BrandStyle::Look::Filled, Brand::onPrimary, Typography::font(13, QFont::Medium), u"wrench.and.screwdriver"_s,
          QMargins(14, 8, 14, 8)))
{
    setObjectName(u"homebrewSetup"_s);
    BrandStyle::setLook(this, BrandStyle::Look::Panel);
    m_progress->setObjectName(u"homebrewProgress"_s);
    m_setUp->setObjectName(u"setUpHomebrewButton"_s);
    m_setUp->setToolTip(tr("Installs Homebrew with your password, then continues installing %1.").arg(appName));
    connect(m_setUp, &QPushButton::clicked, this, &HomebrewSetupPanel::setUpRequested);

    auto *offer = new QVBoxLayout(m_offer);
    offer->setContentsMargins(0, 0, 0, 0);
    offer->setSpacing(8);
    offer->addWidget(
        Typography::label(tr("%1 installs through Homebrew, a free package manager for the Mac. orvando can set it "
                             "up for you — one time, right here.")
                              .arg(appName),
            12, QFont::Normal, Brand::n3, true));
    offer->addWidget(m_setUp);
    QLabel *reassurance = Typography::label(
        tr("It asks for your password once. After that every install is silent — no Terminal, ever."), 11,
        QFont::Normal, Brand::n3, true);
    // Brand.n3 at 85 % opacity, in either appearance.
    auto *soft = new QGraphicsOpacityEffect(reassurance);
    soft->setOpacity(0.85);
    reassurance->setGraphicsEffect(soft);
    offer->addWidget(reassurance);

    auto *panel = new QVBoxLayout(this);
    panel->setContentsMargins(12, 12, 12, 12);
    panel->setSpacing(8);
    panel->addWidget(m_progress);
    panel->addWidget(m_offer);
    setSetupInProgress(false);
}

void HomebrewSetupPanel::setSetupInProgress(bool inProgress)
{
    m_progress->setVisible(inProgress);
    m_offer->setVisible(!inProgress);
}

QWidget *HomebrewSetupPanel::focusTarget() const
{
    return m_offer->isHidden() ? static_cast<QWidget *>(m_progress) : m_setUp;
}
