#include "views/window/BatchFooter.h"

#include "engine/BatchInstaller.h"
#include "views/style/Brand.h"
#include "views/style/BrandAccessibility.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/widgets/SpinnerRow.h"
#include "views/window/AppSelection.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

BatchFooter::BatchFooter(AppSelection *selection, BatchInstaller *batch, QWidget *parent)
    : QWidget(parent)
    , m_selection(selection)
    , m_batch(batch)
{
    setObjectName(u"batchFooter"_s);
    auto *stack = new QVBoxLayout(this);
    // Room between it and the rule below, which goes with it when it hides.
    stack->setContentsMargins(0, 0, 0, 8);
    stack->setSpacing(10);
    stack->addWidget(progressPart());
    stack->addWidget(summaryPart());
    m_install
        = Controls::button(QString(), BrandStyle::Look::Filled, Brand::onPrimary, Typography::font(13, QFont::Medium));
    m_install->setObjectName(u"installSelection"_s);
    m_install->setAccessibleDescription(tr("Installs the selected apps one after another"));
    m_install->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(m_install, &QPushButton::clicked, this, [this] {
        if (m_selection)
            install(m_selection->apps());
    });
    stack->addWidget(m_install);

    connect(selection, &AppSelection::changed, this, &BatchFooter::follow);
    connect(batch, &BatchInstaller::progressChanged, this, &BatchFooter::follow);
    connect(batch, &BatchInstaller::runningChanged, this, &BatchFooter::follow);
    connect(batch, &BatchInstaller::finished, this, [this] {
        m_showSummary = true;
        follow();
        // Heard once, as it comes.
        BrandAccessibility::textChanged(m_summary, QAccessible::NameChanged);
    });
    follow();
}

QWidget *BatchFooter::progressPart()
{
    m_progressPart = new QWidget(this);
    auto *stack = new QVBoxLayout(m_progressPart);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(8);
    m_progress = new SpinnerRow;
    m_progress->setObjectName(u"batchProgress"_s);
    stack->addWidget(m_progress);
    m_cancel = Controls::button(tr("Cancel"), BrandStyle::Look::Outlined, Brand::warmBlack, Typography::font(12));
    m_cancel->setObjectName(u"cancelBatch"_s);
    m_cancel->setAccessibleDescription(tr("Stops the app being installed and installs no other"));
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_batch)
            m_batch->cancel();
    });
    stack->addWidget(m_cancel, 0, Qt::AlignLeft);
    return m_progressPart;
}

QWidget *BatchFooter::summaryPart()
{
    m_summaryPart = new QWidget(this);
    auto *stack = new QVBoxLayout(m_summaryPart);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(8);
    m_summary = Typography::label(QString(), 12, QFont::Normal, Brand::warmBlack, true);
    m_summary->setObjectName(u"batchSummary"_s);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stack->addWidget(m_summary);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    m_retry
        = Controls::button(tr("Try failed again"), BrandStyle::Look::Outlined, Brand::primary, Typography::font(12));
    m_retry->setObjectName(u"retryFailed"_s);
    connect(m_retry, &QPushButton::clicked, this, [this] {
        if (m_batch)
            install(m_batch->lastSummary().failedApps());
    });
    m_done = Controls::button(tr("Done"), BrandStyle::Look::Plain, Brand::n3, Typography::font(12));
    m_done->setObjectName(u"dismissSummary"_s);
    m_done->setAccessibleDescription(tr("Hides the summary of the last batch"));
    connect(m_done, &QPushButton::clicked, this, [this] {
        m_showSummary = false;
        follow();
    });
    buttons->addWidget(m_retry);
    buttons->addWidget(m_done);
    buttons->addStretch();
    stack->addLayout(buttons);
    return m_summaryPart;
}

QString BatchFooter::installTitle(int count)
{
    return tr("Install %n apps", nullptr, count);
}

void BatchFooter::install(const QList<CatalogApp> &apps)
{
    if (!m_batch || !m_selection || apps.isEmpty())
        return;
    // One batch at a time: these wait, ticked, for the button once it is done.
    if (m_batch->isRunning()) {
        m_selection->select(apps);
        return;
    }
    m_showSummary = false;
    m_selection->clear();
    m_batch->start(apps);
}

QString BatchFooter::progressText() const
{
    return m_progressPart->isHidden() ? QString() : m_progress->text();
}

QString BatchFooter::summaryText() const
{
    return m_summaryPart->isHidden() ? QString() : m_summary->text();
}

void BatchFooter::follow()
{
    if (!m_batch || !m_selection)
        return;
    // Focus on a control about to go moves to what takes its place, so the keyboard stays here.
    QWidget *focused = QApplication::focusWidget();
    const bool hadFocus = focused && isAncestorOf(focused);

    const bool running = m_batch->isRunning();
    m_progress->setText(m_batch->progressText());
    m_progressPart->setVisible(running);
    const BatchInstaller::Summary &summary = m_batch->lastSummary();
    const bool showSummary = m_showSummary && !running;
    // A selectable label lays its text out as it is set: only a summary to show is worth that.
    const QString summaryText = showSummary ? summary.text() : QString();
    if (m_summary->text() != summaryText) {
        m_summary->setText(summaryText);
        m_summary->setAccessibleName(summaryText);
    }
    m_summaryPart->setVisible(showSummary);
    m_retry->setVisible(!summary.failed.isEmpty());
    const int count = m_selection->count();
    m_install->setText(installTitle(count));
    m_install->setVisible(count > 0 && !running);
    setVisible(running || m_showSummary || count > 0);

    if (hadFocus && !focused->isVisibleTo(this)) {
        const QList<QWidget *> successors { m_cancel, m_retry, m_done, m_install };
        for (QWidget *next : successors)
            if (next->isVisibleTo(this)) {
                next->setFocus(Qt::OtherFocusReason);
                break;
            }
    }
}
