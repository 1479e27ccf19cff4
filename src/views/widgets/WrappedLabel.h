#pragma once

#include <QLabel>

// A plain-text label that wraps: QLabel, remembering the height it needs at the last widths asked
// for. Layouts ask a wrapping label for its height at the same width many times over, and QLabel
// lays its whole text out again for each question.
class WrappedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappedLabel(const QString &text, QWidget *parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    bool event(QEvent *event) override;

private:
    struct Answer
    {
        int width = -1;
        int height = 0;
    };
    // What the answers were worked out for; anything else asks QLabel again.
    struct Basis
    {
        QString text;
        QMargins margins;
        int margin = 0;
        int indent = 0;
        bool operator==(const Basis &other) const = default;
    };
    Basis basis() const;

    mutable Basis m_basis;
    mutable Answer m_answers[2]; // the last two widths: a grid measures at two as it settles
    mutable int m_next = 0;
};
