#pragma once

#include <QAbstractButton>

class QLabel;

// The install-log drawer's header row, clickable across its whole width: a chevron pointing the
// way the drawer will move, "Install log" and, once the log has lines, how many.
class DrawerToggle : public QAbstractButton
{
    Q_OBJECT

public:
    explicit DrawerToggle(QWidget *parent = nullptr);

    static QString countText(int lineCount); // "12 lines"; empty for none

    void setOpen(bool open);
    void setLineCount(int lineCount);
    QString countText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_chevron;
    QLabel *m_count;
};
