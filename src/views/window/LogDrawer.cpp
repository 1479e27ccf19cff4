#include "views/window/LogDrawer.h"

#include "engine/log/InstallLog.h"
#include "views/style/Brand.h"
#include "views/style/BrandAccessibility.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/window/LogListView.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QVariantAnimation>

using namespace Qt::StringLiterals;

LogDrawer::LogDrawer(QAbstractItemModel *log, QWidget *parent)
    : QWidget(parent)
    , m_log(log)
    , m_toggle(Controls::disclosure(tr("Install log"), Typography::mono(12), this))
    , m_area(new QWidget(this))
    , m_pages(new QStackedLayout(m_area))
    , m_empty(Typography::label(emptyText(), 0, QFont::Normal, Brand::n3, false, m_area))
    , m_list(new LogListView(m_area))
    , m_slide(new QVariantAnimation(this))
{
    setObjectName(u"logDrawer"_s);
    Controls::fill(this, Brand::n1);
    m_toggle->setObjectName(u"drawerToggle"_s);
    m_toggle->setProperty("opensUp", true);
    m_toggle->setProperty("padding", QSize(20, 10));

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addWidget(Controls::divider(this));
    stack->addWidget(m_toggle);
    stack->addWidget(m_area);

    m_area->setObjectName(u"logArea"_s);
    Controls::fill(m_area, Brand::cream);
    m_area->setFixedHeight(0);
    m_area->hide();

    m_empty->setFont(Typography::mono(12));
    m_empty->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_empty->setContentsMargins(20, 8, 20, 8);
    m_pages->addWidget(m_empty);
    m_pages->addWidget(m_list);
    m_list->setModel(log);

    const auto &motion = Brand::motion();
    m_slide->setDuration(motion.durationMs);
    m_slide->setEasingCurve(motion.curve);
    connect(m_slide, &QVariantAnimation::valueChanged, this, [this](const QVariant &height) {
        m_area->setFixedHeight(height.toInt());
        // The list lays itself out anew as it grows; keep a revealed line where it was put.
        if (m_revealed.isValid())
            m_list->revealRow(m_revealed);
    });
    connect(m_slide, &QVariantAnimation::finished, this, [this] {
        if (!m_open)
            m_area->hide();
        m_revealed = QPersistentModelIndex();
    });

    connect(m_toggle, &QPushButton::clicked, this, &LogDrawer::toggle);
    connect(log, &QAbstractItemModel::rowsInserted, this, &LogDrawer::scheduleCountCheck);
    connect(log, &QAbstractItemModel::rowsRemoved, this, &LogDrawer::scheduleCountCheck);
    connect(log, &QAbstractItemModel::modelReset, this, &LogDrawer::scheduleCountCheck);
    checkCount();
}

QString LogDrawer::emptyText()
{
    return tr("No installs yet. The raw Homebrew log shows here.");
}

QString LogDrawer::countText(int lineCount)
{
    if (lineCount <= 0)
        return {};
    //: How many lines the install log holds, beside its title.
    return tr("%n lines", nullptr, lineCount);
}

QString LogDrawer::shownCount() const
{
    return m_toggle->property("trailingText").toString();
}

void LogDrawer::setOpen(bool open)
{
    if (open == m_open)
        return;
    m_open = open;
    m_toggle->setChecked(open);
    m_slide->stop();
    m_slide->setStartValue(m_area->isVisible() ? m_area->height() : 0);
    m_slide->setEndValue(open ? areaHeight : 0);
    if (open) {
        m_area->show();
        // A drawer opened after lines arrived shows them from the oldest.
        m_list->scrollToOldest();
    }
    m_slide->start();
    Q_EMIT openChanged(open);
}

void LogDrawer::revealLine(qint64 lineId)
{
    setOpen(true);
    // Settle the line count first, so no pending check scrolls away from the line afterwards.
    checkCount();
    const int rows = m_log->rowCount();
    if (rows == 0)
        return;
    // Ids grow by one per line and trimming drops the oldest, so the row follows from the first id.
    const qint64 first = m_log->index(0, 0).data(InstallLog::IdRole).toLongLong();
    const qint64 row = lineId - first;
    const QModelIndex line = m_log->index(row >= 0 && row < rows ? int(row) : rows - 1, 0);
    m_list->revealRow(line);
    if (m_slide->state() == QAbstractAnimation::Running)
        m_revealed = line;
}

void LogDrawer::scheduleCountCheck()
{
    // An append at the cap inserts one row and then removes one; look once both are done, so the
    // count reads unchanged and nothing scrolls.
    if (m_checkPending)
        return;
    m_checkPending = true;
    QMetaObject::invokeMethod(this, &LogDrawer::checkCount, Qt::QueuedConnection);
}

void LogDrawer::checkCount()
{
    m_checkPending = false;
    const int count = m_log->rowCount();
    m_pages->setCurrentWidget(count > 0 ? static_cast<QWidget *>(m_list) : m_empty);
    if (count == m_lastCount)
        return;
    m_lastCount = count;
    m_toggle->setProperty("trailingText", countText(count));
    m_toggle->setAccessibleDescription(countText(count));
    m_toggle->update();
    if (m_open && count > 0)
        m_list->scrollToNewest(true);
}
