#include "views/activity/ActivityView.h"

#include "engine/InstallEngine.h"
#include "engine/history/OperationHistory.h"
#include "views/model/ActivityModel.h"
#include "views/widgets/Sheet.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Ending = HistoryRecord::Outcome;

ActivityView::ActivityView(InstallEngine *engine, QWidget *parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_model(new ActivityModel(this))
{
    setObjectName(u"activityView"_s);
    setWindowTitle(tr("Activity"));
    setAccessibleName(tr("Activity"));
    resize(620, 520);

    auto *column = new QVBoxLayout(this);
    auto *filters = new QHBoxLayout;
    m_apps = new QComboBox(this);
    //: Names the filter whose choices are "All apps" and each app's name
    m_apps->setAccessibleName(tr("Show the activity of"));
    m_outcomes = new QComboBox(this);
    //: Names the filter whose choices are "Any outcome" and each outcome, e.g. "Failed"
    m_outcomes->setAccessibleName(tr("Show operations that"));
    m_outcomes->addItem(tr("Any outcome"));
    for (const Ending outcome : { Ending::Succeeded, Ending::Failed, Ending::Cancelled, Ending::Interrupted,
             Ending::NeedsHomebrew, Ending::Running })
        m_outcomes->addItem(ActivityModel::outcomeLabel(outcome), int(outcome));
    filters->addWidget(m_apps, 1);
    filters->addWidget(m_outcomes, 1);
    column->addLayout(filters);

    m_list = new QTreeView(this);
    m_list->setObjectName(u"activityList"_s);
    m_list->setAccessibleName(tr("Operations, newest first"));
    m_list->setAccessibleDescription(tr("Open a row for what happened and its log lines."));
    m_list->setHeaderHidden(true);
    m_list->setUniformRowHeights(false);
    m_list->setWordWrap(true);
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    column->addWidget(m_list, 1);

    m_empty = new QLabel(tr("Nothing has been done yet."), this);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->hide();
    column->addWidget(m_empty);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close Activity"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    connect(m_apps, &QComboBox::currentIndexChanged, this, &ActivityView::applyFilter);
    connect(m_outcomes, &QComboBox::currentIndexChanged, this, &ActivityView::applyFilter);
    reload();
    m_list->setFocus();
}

ActivityView *ActivityView::present(InstallEngine *engine, QWidget *window)
{
    auto *view = new ActivityView(engine, window);
    view->setAttribute(Qt::WA_DeleteOnClose);
    Sheet::present(view);
    return view;
}

void ActivityView::reload()
{
    const std::shared_ptr<OperationHistory> history = m_engine ? m_engine->history() : nullptr;
    // A row's lines are read when it is opened: a thousand operations' would make the sheet slow to open.
    m_model->setLogLoader([history](qint64 id) {
        const std::optional<HistoryRecord> record = history ? history->record(id) : std::nullopt;
        return record ? record->log : QStringList();
    });
    m_model->setRecords(history
            ? history->recent(OperationHistory::keptOperations, {}, std::nullopt, OperationHistory::Lines::LeftOut)
            : QList<HistoryRecord>());
    fillAppFilter();
    applyFilter();
}

void ActivityView::fillAppFilter()
{
    const QString chosen = m_apps->currentData().toString();
    const QSignalBlocker quiet(m_apps);
    m_apps->clear();
    m_apps->addItem(tr("All apps"));
    for (const auto &[id, name] : m_model->apps())
        m_apps->addItem(name, id);
    m_apps->setCurrentIndex(std::max(0, m_apps->findData(chosen)));
}

void ActivityView::applyFilter()
{
    const QVariant outcome = m_outcomes->currentData();
    m_model->setFilter(
        m_apps->currentData().toString(), outcome.isValid() ? std::optional(Ending(outcome.toInt())) : std::nullopt);
    const bool empty = m_model->rowCount() == 0;
    m_empty->setVisible(empty);
    m_empty->setText(m_model->apps().isEmpty() ? tr("Nothing has been done yet.") : tr("No operation matches."));
    if (!empty && !m_list->currentIndex().isValid())
        m_list->setCurrentIndex(m_model->index(0, 0));
}
