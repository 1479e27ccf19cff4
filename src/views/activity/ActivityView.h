#pragma once

#include <QDialog>

class ActivityModel;
class InstallEngine;
class QComboBox;
class QLabel;
class QTreeView;

// The Activity sheet: what Orvando did on this Mac, newest first, from the history every window
// and the command line write; filtered by app and by outcome; each row opens (click, or the right
// arrow key) to the sentence the user was given and the operation's own log lines.
class ActivityView : public QDialog
{
    Q_OBJECT

public:
    explicit ActivityView(InstallEngine *engine, QWidget *parent = nullptr);

    // Opens the sheet over window, deleted when closed.
    static ActivityView *present(InstallEngine *engine, QWidget *window);

    // Reads the history again.
    void reload();

    ActivityModel *model() const { return m_model; }
    QTreeView *list() const { return m_list; }
    QComboBox *appFilter() const { return m_apps; }
    QComboBox *outcomeFilter() const { return m_outcomes; }
    QLabel *emptyNote() const { return m_empty; }

private:
    void applyFilter();
    void fillAppFilter();

    InstallEngine *m_engine;
    ActivityModel *m_model;
    QTreeView *m_list = nullptr;
    QComboBox *m_apps = nullptr;
    QComboBox *m_outcomes = nullptr;
    QLabel *m_empty = nullptr;
};
