#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class UserDefaults;

// Settings › Network: mirror addresses for Homebrew's API, bottles and artifacts, for networks
// where Homebrew's own hosts are slow or blocked. Each is kept once it is a valid https address
// (or cleared when emptied); anything else is kept back, with a sentence saying why.
class NetworkSection : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkSection(UserDefaults *defaults = nullptr, QWidget *parent = nullptr);

    QLineEdit *field(int index) const;
    QLabel *problem(int index) const;

private:
    void commit(int index);

    UserDefaults *m_defaults;
    QList<QLineEdit *> m_fields;
    QList<QLabel *> m_problems;
};
