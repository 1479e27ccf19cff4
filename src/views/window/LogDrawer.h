#pragma once

#include <QPersistentModelIndex>
#include <QWidget>

class LogListView;
class QAbstractItemModel;
class QLabel;
class QPushButton;
class QStackedLayout;
class QVariantAnimation;

// The collapsible strip under the grid that shows the installer log as it is written. It starts
// closed and changes only through its toggle; while open, each change in the number of lines
// scrolls to the newest one.
class LogDrawer : public QWidget
{
    Q_OBJECT

public:
    static constexpr int areaHeight = 180;

    explicit LogDrawer(QAbstractItemModel *log, QWidget *parent = nullptr);

    bool isOpen() const { return m_open; }
    void setOpen(bool open);
    void toggle() { setOpen(!m_open); }
    // Opens the drawer with the line whose id is lineId at the top, selected; the newest line when
    // that one is not (or no longer) in the log.
    void revealLine(qint64 lineId);

    static QString emptyText(); // "No installs yet. The raw Homebrew log shows here."
    static QString countText(int lineCount); // "1 line", "12 lines"; empty for none

    // The row that opens and closes the drawer: "Install log" and, once the log has lines, how many.
    QPushButton *toggleButton() const { return m_toggle; }
    QString shownCount() const; // the count the toggle shows now
    LogListView *list() const { return m_list; }
    QWidget *logArea() const { return m_area; }

Q_SIGNALS:
    void openChanged(bool open);

private:
    void scheduleCountCheck();
    void checkCount();

    QAbstractItemModel *m_log;
    QPushButton *m_toggle;
    QWidget *m_area;
    QStackedLayout *m_pages;
    QLabel *m_empty;
    LogListView *m_list;
    QVariantAnimation *m_slide;
    QPersistentModelIndex m_revealed; // kept at the top while the drawer slides open
    bool m_open = false;
    bool m_checkPending = false;
    int m_lastCount = 0;
};
