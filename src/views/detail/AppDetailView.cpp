#include "views/detail/AppDetailView.h"

#include "engine/InstallEngine.h"
#include "engine/facts/PermissionGuidance.h"
#include "views/card/EngineActions.h"
#include "views/card/ReplacesLine.h"
#include "views/detail/AppDetailModel.h"
#include "views/detail/BeforeInstallSection.h"
#include "views/detail/DetailActionArea.h"
#include "views/detail/ScreenshotStrip.h"
#include "views/model/AppCardContent.h"
#include "views/removal/RemovalReview.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/widgets/AppIconTile.h"
#include "views/widgets/SymbolLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AppDetailView::AppDetailView(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_engine(engine)
{
    setObjectName(u"appDetail_"_s + app.id);
    setWindowTitle(app.name);
    setMinimumSize(640, 520);
    Controls::fill(this, Brand::cream);

    m_actions = new DetailActionArea(app, engine);
    connect(m_actions, &DetailActionArea::installRequested, this, [this] { EngineActions::install(m_engine, m_app); });
    connect(m_actions, &DetailActionArea::updateRequested, this, [this] { EngineActions::update(m_engine, m_app); });
    connect(m_actions, &DetailActionArea::cancelRequested, this, [this] { EngineActions::cancel(m_engine, m_app); });
    connect(m_actions, &DetailActionArea::launchRequested, this, [this] { EngineActions::launch(m_engine, m_app); });
    connect(m_actions, &DetailActionArea::uninstallRequested, this,
        [this] { RemovalReview::review(m_engine, { m_app }, this); });
    connect(m_actions, &DetailActionArea::setUpHomebrewRequested, this,
        [this] { EngineActions::setUpHomebrewThenInstall(m_engine, m_app); });
    connect(m_actions, &DetailActionArea::dismissRequested, this,
        [this] { EngineActions::dismissFailure(m_engine, m_app); });
    connect(m_actions, &DetailActionArea::showInFinderRequested, this, &EngineActions::showInFinder);
    connect(m_actions, &DetailActionArea::refreshCaskListRequested, this,
        [this] { EngineActions::refreshCaskList(m_engine, m_app); });
    connect(m_actions, &DetailActionArea::refreshed, this, &AppDetailView::showHealth);

    auto *body = new QWidget;
    auto *sections = new QVBoxLayout(body);
    sections->setContentsMargins(28, 28, 28, 28);
    sections->setSpacing(24);
    sections->addWidget(header());
    // Looked up now, on the main thread, as the image caches require.
    const QList<AppDetailModel::Screenshot> screenshots = AppDetailModel(app).resolvedScreenshots();
    if (!screenshots.isEmpty()) {
        m_gallery = new ScreenshotStrip(app.name, screenshots);
        sections->addWidget(m_gallery);
    }
    sections->addLayout(about());
    m_beforeInstall = new BeforeInstallSection(app, engine);
    sections->addWidget(m_beforeInstall);
    sections->addStretch();

    auto *scroll = new QScrollArea;
    scroll->setObjectName(u"detailScroll"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(body);
    Controls::fill(scroll->viewport(), Brand::cream);

    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addWidget(topBar());
    frame->addWidget(scroll, 1);
    // Wide enough for the header's buttons in a longer language: the sheet scrolls down, never sideways.
    setMinimumWidth(
        qMax(minimumWidth(), body->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width()));
    resize(sizeHint().expandedTo(minimumSize()));
}

QWidget *AppDetailView::topBar()
{
    auto *bar = new QWidget;
    bar->setObjectName(u"topBar"_s);
    Controls::fill(bar, Brand::n1);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(20, 14, 20, 14);
    row->addStretch();
    QPushButton *done
        = Controls::button(tr("Done"), BrandStyle::Look::Plain, Brand::primary, Typography::font(14, QFont::Medium));
    done->setObjectName(u"doneButton"_s);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(done);
    return bar;
}

QWidget *AppDetailView::header()
{
    const AppCardContent content = AppCardContent::make(m_app, std::nullopt, {});
    auto *header = new QWidget;
    header->setObjectName(u"header"_s);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(18);
    row->addWidget(new AppIconTile(m_app.id, m_app.name, content.letter, 72, 18, 34), 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(8);
    auto *name = Typography::label(m_app.name, 28, QFont::Medium, Brand::warmBlack, true);
    name->setObjectName(u"nameLabel"_s);
    texts->addWidget(name);
    auto *tagline = Typography::label(m_app.tagline, 15, QFont::Normal, Brand::n3, true);
    tagline->setObjectName(u"taglineLabel"_s);
    texts->addWidget(tagline);
    if (m_app.replaces) {
        auto *replaces = new ReplacesLine(*m_app.replaces, 13);
        replaces->setObjectName(u"replacesLine"_s);
        texts->addWidget(replaces);
    }
    auto *pills = new QHBoxLayout;
    pills->setContentsMargins(0, 2, 0, 0);
    pills->setSpacing(8);
    pills->addWidget(Controls::pill(CatalogApp::label(m_app.category), Brand::primary));
    pills->addWidget(Controls::pill(CatalogApp::label(m_app.license), Brand::forest));
    pills->addWidget(Controls::pill(CatalogApp::label(m_app.pricing), Brand::deepTerra));
    pills->addStretch();
    texts->addLayout(pills);
    m_health = Typography::label(QString(), 13, QFont::Normal, Brand::deepTerra, true);
    m_health->setObjectName(u"healthLabel"_s);
    m_health->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(m_health);
    showHealth();
    row->addLayout(texts, 1);
    row->addWidget(m_actions, 0, Qt::AlignTop);
    return header;
}

QLayout *AppDetailView::about()
{
    auto *about = new QVBoxLayout;
    about->setSpacing(12);
    //: Heading over the app's description
    about->addWidget(Typography::label(tr("About"), 13, QFont::DemiBold, Brand::n3));
    about->addWidget(Typography::label(m_app.tagline, 15, QFont::Normal, Brand::warmBlack, true));
    const AppCardContent content = AppCardContent::make(m_app, std::nullopt, {});
    if (!content.freemiumNote.isEmpty()) {
        auto *note = Typography::label(content.freemiumNote, 13, QFont::Normal, Brand::deepTerra, true);
        note->setObjectName(u"freemiumNote"_s);
        about->addWidget(note);
    }
    for (const PermissionGuidance::Permission permission : PermissionGuidance::needed(m_app))
        about->addWidget(permissionBox(PermissionGuidance::required(permission, m_app.name)));
    return about;
}

void AppDetailView::showHealth()
{
    if (!m_health)
        return;
    const AppCardContent &content = m_actions->content();
    const QString text = content.action == AppCardContent::Action::Unavailable ? content.statusText : content.warning;
    m_health->setText(text);
    m_health->setVisible(!text.isEmpty());
}

QWidget *AppDetailView::permissionBox(const QString &text)
{
    QFrame *box = Controls::panel();
    box->setObjectName(u"permissionBox"_s);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(8);
    auto *icon = new SymbolLabel(u"lock.shield"_s, 13, Brand::forest);
    icon->setContentsMargins(1, 2, 2, 0);
    row->addWidget(icon, 0, Qt::AlignTop);
    auto *label = Typography::label(text, 13, QFont::Normal, Brand::n3, true);
    label->setObjectName(u"permissionText"_s);
    row->addWidget(label, 1);
    return box;
}
