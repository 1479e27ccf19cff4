#pragma once

#include <QObject>
#include <QPointer>

class UserDefaults;
class WelcomeView;
class QWidget;

// Keeps one window's welcome sheet in step with the stored "hasSeenWelcome": shown over the window
// while the flag is false, closed once it turns true. It follows writes made anywhere in the
// program (the Help menu, another window's sheet), so every open window reacts at once.
class WelcomePresenter : public QObject
{
    Q_OBJECT

public:
    // Attaches to window (and dies with it); checks the flag whenever the window is shown.
    explicit WelcomePresenter(QWidget *window, UserDefaults *defaults = nullptr);

    // The sheet on screen, or null.
    WelcomeView *sheet() const;

    // Shows or closes the sheet to match the flag; nothing happens while the window is hidden.
    void sync();

Q_SIGNALS:
    void sheetPresented(WelcomeView *sheet);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    UserDefaults *m_defaults;
    QPointer<WelcomeView> m_sheet;
};
