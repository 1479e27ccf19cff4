#include "views/window/WelcomePresenter.h"

#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "views/widgets/Sheet.h"
#include "views/window/WelcomeView.h"

#include <QEvent>
#include <QWidget>

WelcomePresenter::WelcomePresenter(QWidget *window, UserDefaults *defaults)
    : QObject(window)
    , m_window(window)
    , m_defaults(defaults ? defaults : &UserDefaults::standard())
{
    window->installEventFilter(this);
    connect(m_defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == SettingsKeys::hasSeenWelcome())
            sync();
    });
}

WelcomeView *WelcomePresenter::sheet() const
{
    return m_sheet;
}

void WelcomePresenter::sync()
{
    if (!m_window->isVisible())
        return;
    const bool seen = m_defaults->boolValue(SettingsKeys::hasSeenWelcome(), false);
    if (!seen && !m_sheet) {
        m_sheet = new WelcomeView(m_defaults, m_window);
        m_sheet->setAttribute(Qt::WA_DeleteOnClose);
        // Forget the sheet as soon as it closes, so a flag reset right after shows a fresh one.
        connect(m_sheet, &QDialog::finished, this, [this] { m_sheet = nullptr; });
        Sheet::present(m_sheet);
        Q_EMIT sheetPresented(m_sheet);
    } else if (seen && m_sheet) {
        m_sheet->accept();
    }
}

bool WelcomePresenter::eventFilter(QObject *watched, QEvent *event)
{
    // Queued: a sheet opened from inside the window's own show event would arrive before the window.
    if (watched == m_window && event->type() == QEvent::Show)
        QMetaObject::invokeMethod(this, &WelcomePresenter::sync, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}
