#pragma once

#include <QWidget>

class QLabel;

// A spinner beside a monospaced status line: the progress of an install, a removal or the Homebrew
// setup. Assistive technology meets it as a busy progress indicator named by its text, and hears
// each new text.
class SpinnerRow : public QWidget
{
    Q_OBJECT

public:
    explicit SpinnerRow(const QString &text = QString(), QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

private:
    QLabel *m_label;
};
