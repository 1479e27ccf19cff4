#pragma once

#include "views/window/RootView.h"

#include <QMainWindow>

// One window of the program: titled "orvando", drawn without a title bar on the Mac, holding its
// own RootView and with it its own install engine. Deleted when closed.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static QString title(); // "orvando"
    static QSize defaultSize(); // 1000 x 680, for a newly opened window
    static QSize minimumContentSize(); // 900 x 600

    explicit MainWindow(RootView::Options options = {}, QWidget *parent = nullptr);

    RootView *rootView() const { return m_root; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    RootView *m_root;
    bool m_styled = false;
};
