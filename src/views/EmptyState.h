#pragma once

#include <QWidget>

class QLabel;

// Shown in place of the grid when no application matches: a magnifying glass and a sentence
// quoting the search exactly as typed.
class EmptyState : public QWidget
{
    Q_OBJECT

public:
    explicit EmptyState(QWidget *parent = nullptr);

    static QString message(const QString &searchText); // No apps match “…”

    void setSearchText(const QString &searchText);
    QString text() const;

private:
    QLabel *m_message;
};
