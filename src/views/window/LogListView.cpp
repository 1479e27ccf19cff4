#include "views/window/LogListView.h"

#include "views/style/Brand.h"
#include "views/style/Typography.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

LogListView::LogListView(QWidget *parent)
    : QListView(parent)
    , m_scroll(new QVariantAnimation(this))
{
    setObjectName(u"logList"_s);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setResizeMode(QListView::Adjust);
    setSpacing(1); // one pixel around each line: two between neighbours
    setViewportMargins(19, 7, 19, 7);
    setFocusPolicy(Qt::ClickFocus);

    setFont(Typography::mono(12));
    // On the drawer's cream; the style draws a selected line faintly, its text unchanged.
    viewport()->setBackgroundRole(Brand::cream);
    setAccessibleName(tr("Install log lines"));

    const auto &curve = Brand::motionFast();
    m_scroll->setDuration(curve.durationMs);
    m_scroll->setEasingCurve(curve.curve);
    m_scroll->setStartValue(0.0);
    m_scroll->setEndValue(1.0);
    connect(m_scroll, &QVariantAnimation::valueChanged, this, [this](const QVariant &progress) {
        // Aim at the current bottom on every frame: more lines may arrive while gliding.
        QScrollBar *bar = verticalScrollBar();
        const int target = bar->maximum();
        bar->setValue(m_scrollFrom + int(std::lround((target - m_scrollFrom) * progress.toDouble())));
    });
}

void LogListView::scrollToNewest(bool animated)
{
    // New rows are laid out lazily; lay them out now so the scroll range includes them.
    executeDelayedItemsLayout();
    updateGeometries();
    m_scroll->stop();
    if (!animated) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        return;
    }
    m_scrollFrom = verticalScrollBar()->value();
    m_scroll->start();
}

void LogListView::scrollToOldest()
{
    m_scroll->stop();
    executeDelayedItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(0);
}

void LogListView::revealRow(const QModelIndex &row)
{
    m_scroll->stop();
    executeDelayedItemsLayout();
    updateGeometries();
    setCurrentIndex(row);
    scrollTo(row, QAbstractItemView::PositionAtTop);
}

QString LogListView::selectedText() const
{
    QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex &row : std::as_const(rows))
        lines.append(row.data(Qt::DisplayRole).toString());
    return lines.join(u'\n');
}

void LogListView::copySelection() const
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void LogListView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void LogListView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copy = menu.addAction(tr("Copy"), this, &LogListView::copySelection);
    copy->setEnabled(selectionModel() && selectionModel()->hasSelection());
    menu.exec(event->globalPos());
}
