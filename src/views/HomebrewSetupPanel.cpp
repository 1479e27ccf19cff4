#include "views/HomebrewSetupPanel.h"

#include "views/Brand.h"
#include "views/ButtonLooks.h"
#include "views/ShapedButton.h"
#include "views/SpinnerRow.h"
#include "views/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Brand.n3 at 85 % opacity on the panel's n1.
QColor softNote()
{
    constexpr qreal opacity = 0.85;
    const auto mix = [](int over, int under) { return qRound(over * opacity + under * (1 - opacity)); };
    return QColor(mix(Brand::n3.red(), Brand::n1.red()), mix(Brand::n3.green(), Brand::n1.green()),
        mix(Brand::n3.blue(), Brand::n1.blue()));
}

} // namespace

HomebrewSetupPanel::HomebrewSetupPanel(const QString &appName, QWidget *parent)
    : RoundedPanel(Brand::n1, 12, QColor(), parent)
    , m_offer(new QWidget)
    , m_progress(new SpinnerRow(u"Setting up Homebrew…"_s))
    , m_setUp(new ShapedButton(u"Set up Homebrew (one-time, ~2 min — needs your Mac password once)"_s,
          ButtonLooks::homebrewSetup(13, 14, true)))
{
    setObjectName(u"homebrewSetup"_s);
    m_progress->setObjectName(u"homebrewProgress"_s);
    m_setUp->setObjectName(u"setUpHomebrewButton"_s);
    m_setUp->setToolTip(u"Installs Homebrew with your password, then continues installing "_s + appName + u'.');
    connect(m_setUp, &ShapedButton::clicked, this, &HomebrewSetupPanel::setUpRequested);

    auto *offer = new QVBoxLayout(m_offer);
    offer->setContentsMargins(0, 0, 0, 0);
    offer->setSpacing(8);
    offer->addWidget(Typography::label(appName
            + u" installs through Homebrew, a free package manager for the Mac. orvando can set it up for you — "
              u"one time, right here."_s,
        12, QFont::Normal, Brand::n3, true));
    offer->addWidget(m_setUp, 0, Qt::AlignLeft);
    offer->addWidget(
        Typography::label(u"It asks for your password once. After that every install is silent — no Terminal, ever."_s,
            11, QFont::Normal, softNote(), true));

    auto *panel = new QVBoxLayout(this);
    panel->setContentsMargins(12, 12, 12, 12);
    panel->setSpacing(8);
    panel->addWidget(m_progress);
    panel->addWidget(m_offer);
    setBootstrapInProgress(false);
}

void HomebrewSetupPanel::setBootstrapInProgress(bool inProgress)
{
    m_progress->setVisible(inProgress);
    m_offer->setVisible(!inProgress);
}
