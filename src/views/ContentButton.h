#pragma once

#include <QAbstractButton>

// A button whose face is the widgets laid out inside it: a press anywhere on its rectangle,
// including on those widgets, clicks it. The card's summary uses it to open the detail sheet.
class ContentButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ContentButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_keyboardFocus = false;
};
