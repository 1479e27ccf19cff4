#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>

// A full-width row on a light rounded panel: a leading title and, for links, a small trailing
// symbol. The settings sheet uses it for its legal links and its uninstall actions.
class RowButton : public QAbstractButton
{
    Q_OBJECT

public:
    RowButton(const QString &title, const QColor &titleColor, const QString &trailingSymbol = QString(),
        QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QColor m_titleColor;
    QString m_trailingSymbol;
    bool m_keyboardFocus = false;
};
