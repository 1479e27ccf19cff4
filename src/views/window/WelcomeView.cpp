#include "views/window/WelcomeView.h"

#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/OrvandoLogo.h"
#include "views/style/Typography.h"
#include "views/widgets/SymbolLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int sheetWidth = 460;
constexpr int sideMargin = 32;

// The texts are translated where they are shown.
struct Panel
{
    const char *symbol;
    const char *title;
    const char *body;
};

constexpr Panel panels[] {
    { "sparkles", QT_TRANSLATE_NOOP("WelcomeView", "Try great Mac apps"),
        QT_TRANSLATE_NOOP("WelcomeView",
            "Browse a handpicked catalog and try great Mac apps before you buy. Install and uninstall cleanly, "
            "with no leftovers.") },
    //: The heading of what happens the first time an app is opened.
    { "hand.raised", QT_TRANSLATE_NOOP("WelcomeView", "The first open"),
        QT_TRANSLATE_NOOP("WelcomeView",
            "macOS may ask you to confirm opening an app, and some apps need a permission in System Settings. We "
            "guide you when it happens.") },
};

} // namespace

WelcomeView::WelcomeView(UserDefaults *defaults, QWidget *parent)
    : QDialog(parent)
    , m_defaults(defaults ? defaults : &UserDefaults::standard())
{
    setObjectName(u"welcomeView"_s);
    setWindowTitle(tr("Welcome to Orvando"));
    Controls::fill(this, Brand::cream);

    auto *header = new QVBoxLayout;
    header->setSpacing(10);
    header->setContentsMargins(0, 32, 0, 24);
    header->addWidget(new OrvandoLogo(36), 0, Qt::AlignHCenter);
    header->addWidget(
        Typography::label(tr("Welcome to Orvando."), 22, QFont::Medium, Brand::warmBlack), 0, Qt::AlignHCenter);

    auto *rows = new QVBoxLayout;
    rows->setSpacing(18);
    rows->setContentsMargins(sideMargin, 0, sideMargin, 0);
    for (const Panel &panel : panels)
        rows->addWidget(panelRow(QString::fromLatin1(panel.symbol), tr(panel.title), tr(panel.body)));

    QPushButton *getStarted = Controls::button(
        tr("Get started"), BrandStyle::Look::Filled, Brand::onPrimary, Typography::font(15, QFont::DemiBold));
    getStarted->setObjectName(u"getStarted"_s);
    getStarted->setProperty("padding", QSize(0, 11));
    getStarted->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    getStarted->setDefault(true);
    connect(getStarted, &QPushButton::clicked, this, &QDialog::accept);
    auto *footer = new QVBoxLayout;
    footer->setContentsMargins(sideMargin, 28, sideMargin, 32);
    footer->addWidget(getStarted);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(header);
    layout->addLayout(rows);
    layout->addLayout(footer);

    // As wide as designed, as high as the wrapped panel texts need.
    setFixedWidth(sheetWidth);
    setFixedHeight(layout->totalHeightForWidth(sheetWidth));
    getStarted->setFocus();
}

QWidget *WelcomeView::panelRow(const QString &symbol, const QString &title, const QString &body)
{
    auto *row = new QWidget;
    auto *icon = new SymbolLabel(symbol, 22, Brand::primary, row);
    icon->setContentsMargins(5, 3, 5, 3);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addWidget(Typography::label(title, 15, QFont::DemiBold, Brand::warmBlack));
    QLabel *bodyLabel = Typography::label(body, 13, QFont::Normal, Brand::n3, true);
    bodyLabel->setObjectName(u"panelBody"_s);
    texts->addWidget(bodyLabel);

    auto *layout = new QHBoxLayout(row);
    layout->setSpacing(16);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    return row;
}

void WelcomeView::done(int result)
{
    // Every way out counts as seen; writing only on a change keeps other windows' sheets from
    // echoing the write back.
    if (!m_defaults->boolValue(SettingsKeys::hasSeenWelcome(), false))
        m_defaults->setBool(SettingsKeys::hasSeenWelcome(), true);
    QDialog::done(result);
}
