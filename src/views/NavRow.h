#pragma once

#include <QAbstractButton>

// One row of the sidebar: a symbol and a title across the full width, highlighted while it is
// the current choice. Assistive tools read the highlight as the "selected" state.
class NavRow : public QAbstractButton
{
    Q_OBJECT

public:
    NavRow(const QString &title, const QString &symbol, QWidget *parent = nullptr);

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_symbol;
    bool m_selected = false;
    bool m_keyboardFocus = false;
    mutable QSize m_sizeHint; // layouts ask often; measuring text is not free
};
