#include "views/window/Sidebar.h"

#include "telemetry/ProductInfo.h"
#include "views/style/Brand.h"
#include "views/style/BrandStyle.h"
#include "views/style/Controls.h"
#include "views/style/OrvandoLogo.h"
#include "views/style/Symbols.h"
#include "views/style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Row { Handselected, AllApps, Updates, Heading, FirstCategory };

constexpr int SymbolRole = Qt::UserRole;
constexpr int padX = 10;
constexpr int padY = 7;
constexpr int symbolSize = 16;
constexpr int symbolGap = 8;
constexpr qreal radius = 8;

// The symbols of the rows above the heading.
const QStringList &rowSymbols()
{
    static const QStringList symbols { u"rosette"_s, u"square.grid.2x2"_s, u"arrow.triangle.2.circlepath"_s };
    return symbols;
}

// Draws a row as its symbol and title, tinted and on a faint primary rounded rectangle while it is
// selected; the heading as a small caption.
class RowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        // Asked for every row, often: measured once.
        static const int heading = QFontMetrics(headingFont()).height() + 14 + 4;
        static const int row = qMax(QFontMetrics(rowFont(false)).height(), symbolSize) + 2 * padY;
        return { 0, index.row() == Heading ? heading : row };
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QString title = index.data(Qt::DisplayRole).toString();
        const QPalette &palette = option.palette;
        painter->save();
        painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        if (index.row() == Heading) {
            painter->setFont(headingFont());
            painter->setPen(palette.color(Brand::n3));
            const QFontMetrics metrics(painter->font());
            painter->drawText(option.rect.left() + 12, option.rect.bottom() + 1 - 4 - metrics.descent(), title);
            painter->restore();
            return;
        }
        const bool selected = option.state & QStyle::State_Selected;
        const QRectF box = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
        QColor tint = palette.color(Brand::primary);
        if (selected) {
            QPainterPath shape;
            shape.addRoundedRect(box, radius, radius);
            tint.setAlphaF(0.12);
            painter->fillPath(shape, tint);
        }
        const QColor ink = palette.color(selected ? Brand::primary : Brand::warmBlack);
        const QRect content = option.rect.adjusted(padX, padY, -padX, -padY);
        const qreal ratio = painter->device()->devicePixelRatioF();
        const QString symbol = index.data(SymbolRole).toString();
        painter->drawPixmap(QPoint(content.left(), content.center().y() - symbolSize / 2 + 1),
            Symbols::pixmap(symbol, ink, symbolSize, ratio));
        const QFont font = rowFont(selected);
        painter->setFont(font);
        painter->setPen(ink);
        // At its baseline, and whole: every title fits the narrowest sidebar.
        const QFontMetrics metrics(font);
        painter->drawText(content.left() + symbolSize + symbolGap,
            content.top() + (content.height() - metrics.height()) / 2 + metrics.ascent(), title);
        painter->restore();
        if ((option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange))
            BrandStyle::drawFocusRing(painter, box, radius, palette);
    }

private:
    static QFont rowFont(bool selected) { return Typography::font(14, selected ? QFont::DemiBold : QFont::Normal); }
    static QFont headingFont() { return Typography::font(11, QFont::DemiBold); }
};

} // namespace

void Sidebar::prefetchSymbols(qreal devicePixelRatio)
{
    QStringList symbols = rowSymbols();
    for (const CatalogApp::Category category : CatalogApp::allCategories())
        symbols.append(CatalogApp::symbol(category));
    Symbols::prefetch(symbols, symbolSize, devicePixelRatio);
}

Sidebar::Sidebar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"sidebar"_s);
    Controls::fill(this, Brand::n1);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *logoRow = new QHBoxLayout;
    logoRow->setContentsMargins(20, 24, 20, 8);
    logoRow->addWidget(new OrvandoLogo(32, this));
    logoRow->addStretch();
    column->addLayout(logoRow);

    QLabel *tagline = Typography::label(tr("Get the good Mac apps."), 13, QFont::Normal, Brand::n3, true, this);
    tagline->setContentsMargins(20, 0, 20, 20);
    column->addWidget(tagline);

    column->addWidget(navigationList(), 1);
    column->addWidget(footer());
}

QWidget *Sidebar::navigationList()
{
    m_list = new QListWidget;
    m_list->setObjectName(u"sidebarList"_s);
    m_list->setAccessibleName(tr("Apps and categories"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The root view selects; a click or an arrow key only moves the current row, which chooses it.
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setSpacing(1); // two pixels between rows
    m_list->setItemDelegate(new RowDelegate(m_list));
    m_list->setBackgroundRole(Brand::n1);
    m_list->viewport()->setAutoFillBackground(false);

    const auto add = [this](const QString &title, const QString &symbol) {
        auto *item = new QListWidgetItem(title, m_list);
        item->setData(SymbolRole, symbol);
        return item;
    };
    add(tr("Handselected apps"), rowSymbols().at(Handselected));
    add(tr("All apps"), rowSymbols().at(AllApps));
    add(QString(), rowSymbols().at(Updates));
    m_list->setRowHidden(Updates, true);
    // A heading, not a choice: the arrow keys pass over it.
    //: The heading above the list of app categories in the sidebar.
    add(tr("Categories"), QString())->setFlags(Qt::NoItemFlags);
    for (const CatalogApp::Category category : CatalogApp::allCategories())
        add(CatalogApp::label(category), CatalogApp::symbol(category));

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &row) {
        if (!m_syncing)
            choose(row);
    });
    connect(m_list, &QListWidget::clicked, this, &Sidebar::choose);

    auto *box = new QWidget;
    auto *margins = new QVBoxLayout(box);
    margins->setContentsMargins(7, 3, 7, 0); // and the list's one pixel around each row
    margins->addWidget(m_list);
    return box;
}

QWidget *Sidebar::footer()
{
    auto *box = new QWidget(this);
    auto *stack = new QVBoxLayout(box);
    stack->setContentsMargins(16, 16, 16, 16);
    stack->setSpacing(8);
    stack->addWidget(Controls::divider(box));
    m_footer = stack;

    auto *buttons = new QHBoxLayout;
    m_footerButtons = buttons;
    buttons->setSpacing(14);
    const QFont font = Typography::font(12);
    m_feedback = Controls::button(tr("Send feedback"), BrandStyle::Look::Plain, Brand::n3, font, u"envelope"_s, box);
    //: %1 is the support email address.
    m_feedback->setToolTip(tr("Email %1").arg(ProductInfo::supportEmail()));
    connect(m_feedback, &QPushButton::clicked, this, &Sidebar::feedbackRequested);
    m_settings = Controls::button(tr("Settings"), BrandStyle::Look::Plain, Brand::n3, font, u"gearshape"_s, box);
    m_settings->setToolTip(tr("Privacy, uninstall, analytics, suggestions"));
    connect(m_settings, &QPushButton::clicked, this, &Sidebar::settingsRequested);
    // What was done on this Mac, from the history every window and the command line write.
    m_activity = Controls::button(tr("Activity"), BrandStyle::Look::Plain, Brand::n3, font, QString(), box);
    m_activity->setAccessibleName(tr("Show activity"));
    m_activity->setToolTip(tr("What was installed, updated and removed, and how it went"));
    connect(m_activity, &QPushButton::clicked, this, &Sidebar::activityRequested);
    // A line of its own: beside the other two it would squeeze "Send feedback" in a narrow sidebar.
    stack->addWidget(m_activity, 0, Qt::AlignLeft);
    buttons->addWidget(m_feedback, 0, Qt::AlignLeft);
    buttons->addWidget(m_settings, 0, Qt::AlignLeft);
    buttons->addStretch();
    stack->addLayout(buttons);
    return box;
}

void Sidebar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Side by side while both fit whole; one above the other where a language's words are longer.
    const QMargins margins = m_footer->contentsMargins();
    const int room = width() - margins.left() - margins.right();
    const int sideBySide = m_feedback->sizeHint().width() + 14 + m_settings->sizeHint().width();
    const bool fits = sideBySide <= room;
    m_footerButtons->setDirection(fits ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_footerButtons->setSpacing(fits ? 14 : 8);
}

void Sidebar::addFooterPanel(QWidget *panel)
{
    panel->setParent(m_footer->parentWidget());
    m_footer->insertWidget(0, panel);
    // Assistive technology reads the children in their order: the panel, drawn first, comes first.
    panel->stackUnder(m_footer->itemAt(1)->widget());
}

QModelIndex Sidebar::handselectedRow() const
{
    return m_list->model()->index(Handselected, 0);
}

QModelIndex Sidebar::allAppsRow() const
{
    return m_list->model()->index(AllApps, 0);
}

QModelIndex Sidebar::updatesRow() const
{
    return m_list->model()->index(Updates, 0);
}

void Sidebar::setUpdateCount(int count)
{
    //: The sidebar row of the apps with a newer version; %L1 is how many.
    m_list->item(Updates)->setText(tr("Updates (%L1)").arg(count));
    m_list->setRowHidden(Updates, count <= 0);
}

QModelIndex Sidebar::categoryRow(CatalogApp::Category category) const
{
    return m_list->model()->index(FirstCategory + int(CatalogApp::allCategories().indexOf(category)), 0);
}

bool Sidebar::isSelected(const QModelIndex &row) const
{
    return m_list->selectionModel()->isSelected(row);
}

void Sidebar::choose(const QModelIndex &row)
{
    if (row.row() == Handselected)
        Q_EMIT handselectedChosen();
    else if (row.row() == AllApps)
        Q_EMIT allAppsChosen();
    else if (row.row() == Updates)
        Q_EMIT updatesChosen();
    else if (row.row() >= FirstCategory)
        Q_EMIT categoryChosen(CatalogApp::allCategories().at(row.row() - FirstCategory));
}

void Sidebar::setSelection(bool showAllApps, std::optional<CatalogApp::Category> category, bool updates)
{
    // Two rows at once: one of the top two, and the category, if any; or the updates alone.
    QItemSelection rows;
    const QModelIndex top = updates ? updatesRow() : showAllApps ? allAppsRow() : handselectedRow();
    rows.select(top, top);
    if (category && !updates)
        rows.select(categoryRow(*category), categoryRow(*category));
    m_list->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    // The arrow keys go on from the last choice, and focusing the list chooses nothing anew.
    const QScopedValueRollback syncing(m_syncing, true);
    m_list->selectionModel()->setCurrentIndex(
        category && !updates ? categoryRow(*category) : top, QItemSelectionModel::NoUpdate);
}
