#pragma once

#include <QWidget>

class QLabel;

// Shown in place of the grid when no application matches: a magnifying glass and a sentence
// quoting the search exactly as typed, or, with nothing typed, saying the list is empty.
class EmptyState : public QWidget
{
    Q_OBJECT

public:
    explicit EmptyState(QWidget *parent = nullptr);

    // No apps match “…”; with no search, "No handselected apps in this category."
    static QString message(const QString &searchText);

    void setSearchText(const QString &searchText);
    QString text() const;

private:
    QLabel *m_message;
};
