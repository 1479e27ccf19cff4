#pragma once

#include <QWidget>

class QLineEdit;
class SymbolButton;

// The search field above the grid: a magnifying glass, a borderless field and, only while the
// field holds text, a button that clears it; all on a light rounded panel.
class SearchBar : public QWidget
{
    Q_OBJECT

public:
    explicit SearchBar(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    QLineEdit *field() const { return m_field; }
    SymbolButton *clearButton() const { return m_clear; }

Q_SIGNALS:
    // Emitted for every edit, typed or made by the program (the clear button included).
    void textChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_field;
    SymbolButton *m_clear;
};
