#include "views/card/AppCardActionArea.h"

#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/UpdateChecker.h"
#include "views/card/HomebrewSetupPanel.h"
#include "views/card/InstallGuidancePanel.h"
#include "views/card/PrivacySettings.h"
#include "views/card/RevertButton.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/widgets/ElidedLabel.h"
#include "views/widgets/RevealContainer.h"
#include "views/widgets/SpinnerRow.h"
#include "views/widgets/SymbolLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using Action = AppCardContent::Action;
using Button = AppCardContent::Button;
using Look = BrandStyle::Look;

AppCardActionArea::AppCardActionArea(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_engine(engine)
    , m_area(new QVBoxLayout(this))
{
    setObjectName(u"actionArea"_s);
    m_area->setContentsMargins(0, 0, 0, 0);
    // Only the row is made now; the rest waits until a state needs it, since most cards never show
    // it and building it for every card slows the window's first frame.
    auto *row = new QWidget;
    m_row = new QHBoxLayout(row);
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->setSpacing(12);
    m_push = new QSpacerItem(0, 0);
    m_tail = new QSpacerItem(0, 0, QSizePolicy::Expanding);
    m_row->addSpacerItem(m_push);
    m_row->addSpacerItem(m_tail);
    place(row, Row);

    if (engine) {
        connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
            if (appID == m_app.id)
                refresh();
        });
        connect(engine, &InstallEngine::setupInProgressChanged, this, &AppCardActionArea::refresh);
        connect(engine, &InstallEngine::permissionNotesChanged, this, &AppCardActionArea::refresh);
        if (const EngineServices *services = engine->services()) {
            connect(services->facts(), &CaskFactsService::factsChanged, this, &AppCardActionArea::refresh);
            connect(services->updates(), &UpdateChecker::updatesChanged, this, &AppCardActionArea::refresh);
        }
    }
    refresh();
}

void AppCardActionArea::place(QWidget *widget, Slot slot)
{
    // Made out of order, each part still goes where it belongs among the others.
    const int index = int(std::count_if(m_slots, m_slots + slot, [](QWidget *made) { return made != nullptr; }));
    m_area->insertWidget(index, widget);
    // Assistive technology reads the parts in the order of the children: the same as on screen.
    const auto next = std::find_if(m_slots + slot + 1, m_slots + SlotCount, [](QWidget *made) { return made; });
    if (next != m_slots + SlotCount)
        widget->stackUnder(*next);
    m_slots[slot] = widget;
    m_added = true;
}

QWidget *AppCardActionArea::primaryControl() const
{
    // While it runs the progress comes first, so what it does and how it ends are heard.
    if (m_content.action == Action::Progress)
        return m_progress;
    if (!m_shown.isEmpty())
        return m_shown.first();
    return m_homebrew ? m_homebrew->focusTarget() : nullptr;
}

void AppCardActionArea::refresh()
{
    const AppCardContent before = m_content;
    m_content = AppCardContent::of(m_engine, m_app);
    const Action action = m_content.action;
    QWidget *focused = window()->focusWidget();
    const bool focusHere = focused && isAncestorOf(focused);

    // Everything the new state shows is shown before anything goes, so focus can move over to it
    // before the control that had it disappears.
    QList<QWidget *> hide;
    const auto show = [&hide](QWidget *part, bool shown) {
        if (part && shown && part->isHidden())
            part->show();
        else if (part && !shown)
            hide.append(part);
    };
    m_area->setSpacing(action == Action::Failed ? 4 : action == Action::Installed ? 10 : 8);

    if (action == Action::Progress && !m_progress) {
        m_progress = new SpinnerRow;
        m_progress->setObjectName(u"progressRow"_s);
        place(m_progress, Progress);
    }
    show(m_progress, action == Action::Progress);
    if (action == Action::Progress) {
        m_progress->setProgress(m_content.percent);
        m_progress->setText(m_content.statusText);
    }

    // A failure in full; why an app is unavailable in a few lines, the rest in its tool tip.
    const bool message = action == Action::Failed || action == Action::Unavailable;
    if (message && !m_message)
        place(buildMessage(), Message);
    show(m_slots[Message], message);
    if (message) {
        const bool unavailable = action == Action::Unavailable;
        m_unavailable->setVisible(unavailable);
        m_message->setMaxLines(unavailable ? 3 : 0);
        m_message->setForegroundRole(unavailable ? Brand::n3 : Brand::deepTerra);
        m_message->setFullText(m_content.statusText);
    }

    if (action == Action::Installed && !m_installed) {
        m_installed
            = new SymbolLabel(u"checkmark"_s, tr("Installed"), Typography::font(14, QFont::Medium), Brand::forest);
        m_row->insertWidget(0, m_installed, 0, Qt::AlignVCenter);
    }
    show(m_installed, action == Action::Installed);
    // After "Installed" the buttons go to the far end; otherwise they start the row.
    const bool farEnd = action == Action::Installed;
    m_push->changeSize(0, 0, farEnd ? QSizePolicy::Expanding : QSizePolicy::Fixed);
    m_tail->changeSize(0, 0, farEnd ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    m_row->invalidate();
    const auto [inRow, inLinks] = showButtons(hide);
    show(m_slots[Row], inRow > 0);
    show(m_slots[Links], inLinks > 0);

    const QString noteText = m_content.warning.isEmpty() ? m_content.note : m_content.warning;
    if (!noteText.isEmpty() && !m_slots[Note])
        place(buildNote(), Note);
    show(m_slots[Note], !noteText.isEmpty());
    if (!noteText.isEmpty()) {
        const bool warning = !m_content.warning.isEmpty();
        m_warningSymbol->setVisible(warning);
        // A warning is one line on the card; the sheet has the whole of it.
        m_note->setMaxLines(warning ? 1 : 2);
        m_note->setForegroundRole(warning ? Brand::deepTerra : Brand::n3);
        m_note->setFullText(noteText);
    }

    const bool note = !m_content.permissionNote.isEmpty();
    if (note && !m_slots[PermissionNote])
        place(buildPermissionNote(), PermissionNote);
    show(m_slots[PermissionNote], note);
    if (note)
        m_permissionText->setText(m_content.permissionNote);

    if (action == Action::Installed && !m_slots[InstalledBox])
        place(buildInstalledBox(), InstalledBox);
    show(m_slots[InstalledBox], action == Action::Installed);

    const bool homebrew = action == Action::SetUpHomebrew || action == Action::SettingUpHomebrew;
    if (homebrew)
        homebrewPanel()->setSetupInProgress(action == Action::SettingUpHomebrew);
    show(m_homebrew, homebrew);

    // A button kept for the new state may now do something else (Install becomes Cancel): a new
    // state starts at its primary control too.
    const bool focusLeaves
        = focusHere && (before.action != action || std::any_of(hide.cbegin(), hide.cend(), [focused](QWidget *gone) {
              return gone->isAncestorOf(focused) || gone == focused;
          }));
    if (QWidget *target = primaryControl(); target && focusLeaves) {
        // A keyboard user keeps the ring they had.
        const bool keyboard = window()->testAttribute(Qt::WA_KeyboardFocusChange);
        target->setFocus(keyboard ? Qt::TabFocusReason : Qt::OtherFocusReason);
    }
    for (QWidget *part : std::as_const(hide))
        part->hide();

    const bool added = std::exchange(m_added, false);
    if (added || before.action != action || before.statusText != m_content.statusText
        || before.buttons != m_content.buttons)
        Q_EMIT contentChanged(added);
}

std::pair<qsizetype, qsizetype> AppCardActionArea::showButtons(QList<QWidget *> &hide)
{
    const QList<Button> &wanted = m_content.buttons;
    // Links go on a line of their own under a row that has a button: a way forward named for the
    // app, Dismiss and Show in log side by side would not fit the narrowest card.
    const bool apart = std::any_of(wanted.cbegin(), wanted.cend(),
                           [](const Button &b) { return b.emphasis != Button::Emphasis::Link; })
        && std::any_of(
            wanted.cbegin(), wanted.cend(), [](const Button &b) { return b.emphasis == Button::Emphasis::Link; });
    qsizetype inRow = 0, inLinks = 0;
    m_shown.clear();
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        const Button &what = wanted.at(i);
        const Button::Emphasis emphasis = what.emphasis;
        const bool link = emphasis == Button::Emphasis::Link;
        QPushButton *button
            = apart && link ? buttonFor(m_linkButtons, inLinks++, links()) : buttonFor(m_buttons, inRow++, m_row);
        button->setProperty("contentIndex", int(i));
        m_shown.append(button);
        const bool primary = emphasis == Button::Emphasis::Primary;
        const bool destructive = emphasis == Button::Emphasis::Destructive;
        button->setFont(Typography::font(link ? 12 : destructive ? 13 : 14, QFont::Medium));
        // A secondary button stands as tall as the primary one beside it.
        const bool secondary = emphasis == Button::Emphasis::Secondary;
        button->setProperty("padding", secondary ? QVariant(QSize(14, 8)) : QVariant());
        button->setForegroundRole(primary ? Brand::onPrimary : destructive ? Brand::deepTerra : Brand::primary);
        BrandStyle::setLook(button,
            primary           ? Look::Filled
                : link        ? Look::Plain
                : destructive ? Look::Destructive
                              : Look::Outlined);
        button->setText(what.title);
        button->setAccessibleName(what.accessibleName);
        button->setAccessibleDescription(what.description);
        button->setToolTip(what.toolTip);
        if (button->isHidden())
            button->show();
    }
    for (qsizetype i = inRow; i < m_buttons.size(); ++i)
        hide.append(m_buttons.at(i));
    for (qsizetype i = inLinks; i < m_linkButtons.size(); ++i)
        hide.append(m_linkButtons.at(i));
    return { inRow, inLinks };
}

QPushButton *AppCardActionArea::buttonFor(QList<QPushButton *> &pool, qsizetype index, QHBoxLayout *row)
{
    if (index < pool.size())
        return pool.at(index);
    QPushButton *made = Controls::button(QString(), Look::Filled, Brand::primary, font());
    connect(made, &QPushButton::clicked, this, [this, made] { press(made->property("contentIndex").toInt()); });
    // Before the row's closing stretch.
    row->insertWidget(row->count() - 1, made, 0, Qt::AlignVCenter);
    pool.append(made);
    m_added = true;
    return made;
}

QHBoxLayout *AppCardActionArea::links()
{
    if (!m_links) {
        auto *line = new QWidget;
        line->setObjectName(u"links"_s);
        m_links = new QHBoxLayout(line);
        m_links->setContentsMargins(0, 0, 0, 0);
        m_links->setSpacing(12);
        m_links->addStretch();
        line->hide();
        place(line, Links);
    }
    return m_links;
}

void AppCardActionArea::press(int index)
{
    switch (m_content.buttons.value(index).kind) {
    case Button::Kind::Install:
        Q_EMIT installRequested();
        break;
    case Button::Kind::Update:
        Q_EMIT updateRequested();
        break;
    case Button::Kind::Open:
        Q_EMIT launchRequested();
        break;
    case Button::Kind::Cancel:
        Q_EMIT cancelRequested();
        break;
    case Button::Kind::Uninstall:
        Q_EMIT uninstallRequested();
        break;
    case Button::Kind::ShowInLog:
        Q_EMIT showInLogRequested(m_content.logLine);
        break;
    case Button::Kind::Dismiss:
        Q_EMIT dismissRequested();
        break;
    case Button::Kind::ShowInFinder:
        Q_EMIT showInFinderRequested(m_content.path);
        break;
    case Button::Kind::RefreshCaskList:
        Q_EMIT refreshCaskListRequested();
        break;
    }
}

QWidget *AppCardActionArea::buildMessage()
{
    auto *box = new QWidget;
    auto *stack = new QVBoxLayout(box);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(4);
    m_unavailable
        = new SymbolLabel(u"nosign"_s, tr("Unavailable"), Typography::font(14, QFont::Medium), Brand::deepTerra);
    stack->addWidget(m_unavailable, 0, Qt::AlignLeft);
    m_message = new ElidedLabel(0);
    m_message->setObjectName(u"failureMessage"_s);
    m_message->setFont(Typography::font(12));
    stack->addWidget(m_message);
    return box;
}

QWidget *AppCardActionArea::buildNote()
{
    auto *note = new QWidget;
    note->setObjectName(u"note"_s);
    auto *row = new QHBoxLayout(note);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    m_warningSymbol = new SymbolLabel(u"exclamationmark.triangle"_s, 13, Brand::deepTerra);
    row->addWidget(m_warningSymbol, 0, Qt::AlignTop);
    m_note = new ElidedLabel(2);
    m_note->setFont(Typography::font(12));
    row->addWidget(m_note, 1);
    return note;
}

QWidget *AppCardActionArea::buildPermissionNote()
{
    auto *note = new QWidget;
    note->setObjectName(u"permissionNote"_s);
    auto *stack = new QVBoxLayout(note);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(6);
    m_permissionText = Typography::label(QString(), 12, QFont::Normal, Brand::n3, true);
    stack->addWidget(m_permissionText);
    QPushButton *open = Controls::button(tr("Open Accessibility settings"), Look::Plain, Brand::primary,
        Typography::font(12, QFont::Medium), u"arrow.up.forward.app"_s);
    open->setObjectName(u"openAccessibilityButton"_s);
    connect(open, &QPushButton::clicked, this, [] { PrivacySettings::openAccessibility(); });
    stack->addWidget(open, 0, Qt::AlignLeft);
    return note;
}

QWidget *AppCardActionArea::buildInstalledBox()
{
    auto *box = new QWidget;
    box->setObjectName(u"installedBox"_s);
    auto *stack = new QVBoxLayout(box);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(10);
    stack->addWidget(new RevertButton(m_app, m_engine, Typography::font(12, QFont::Medium)), 0, Qt::AlignLeft);
    m_disclosure = Controls::disclosure(tr("Need help opening it?"), Typography::font(12, QFont::Medium));
    m_disclosure->setObjectName(u"guidanceDisclosure"_s);
    m_disclosure->setAccessibleName(tr("Need help opening %1?").arg(m_app.name));
    m_disclosure->setToolTip(tr("Show the steps for opening %1 the first time.").arg(m_app.name));
    stack->addWidget(m_disclosure);
    auto *panel = new InstallGuidancePanel(m_app);
    connect(panel, &InstallGuidancePanel::launchRequested, this, &AppCardActionArea::launchRequested);
    m_guidance = new RevealContainer(panel);
    stack->addWidget(m_guidance);
    // Shown and hidden only here; a state change leaves it as the user set it.
    connect(m_disclosure, &QPushButton::toggled, m_guidance, [this](bool on) { m_guidance->setRevealed(on); });
    return box;
}

HomebrewSetupPanel *AppCardActionArea::homebrewPanel()
{
    if (!m_homebrew) {
        m_homebrew = new HomebrewSetupPanel(m_app.name);
        connect(m_homebrew, &HomebrewSetupPanel::setUpRequested, this, &AppCardActionArea::setUpHomebrewRequested);
        place(m_homebrew, Homebrew);
    }
    return m_homebrew;
}
