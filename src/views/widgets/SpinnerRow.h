#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// A spinner beside a monospaced status line: the progress of an install, a removal or the Homebrew
// setup, with a bar under it while a download of known size runs. Assistive technology meets it
// as a busy progress indicator named by its text, and hears each new text; while the bar shows, only
// at its start, at each quarter and at the end, the bar carrying the value in between.
class SpinnerRow : public QWidget
{
    Q_OBJECT

public:
    explicit SpinnerRow(const QString &text = QString(), QWidget *parent = nullptr);

    QString text() const;
    // Call before setText, which then knows whether the text is worth announcing.
    void setProgress(int percent); // 0-100; -1 hides the bar
    int progress() const { return m_percent; }
    QProgressBar *bar() const { return m_bar; }
    void setText(const QString &text);

private:
    QLabel *m_label;
    QProgressBar *m_bar;
    int m_percent = -1;
    int m_announcedQuarter = -1;
};
