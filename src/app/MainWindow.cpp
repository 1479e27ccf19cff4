#include "app/MainWindow.h"

#include "platform/WindowStyle.h"

#include <QShowEvent>

using namespace Qt::StringLiterals;

QString MainWindow::title()
{
    return u"orvando"_s;
}

QSize MainWindow::defaultSize()
{
    return { 1000, 680 };
}

QSize MainWindow::minimumContentSize()
{
    return { 900, 600 };
}

MainWindow::MainWindow(RootView::Options options, QWidget *parent)
    : QMainWindow(parent)
    , m_root(new RootView(std::move(options), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title());
    setUnifiedTitleAndToolBarOnMac(true);
    // Without a title bar the content reaches the top edge, under the Mac's window buttons; the
    // root view leaves them their corner itself rather than being pushed down by the safe area.
    setAttribute(Qt::WA_ContentsMarginsRespectsSafeArea, false);
    m_root->setAttribute(Qt::WA_ContentsMarginsRespectsSafeArea, false);
    m_root->setMinimumSize(minimumContentSize());
    setCentralWidget(m_root);
    resize(defaultSize());
}

void MainWindow::showEvent(QShowEvent *event)
{
    // The native window exists only from the first show.
    if (!m_styled) {
        m_styled = true;
        WindowStyle::hideTitleBar(windowHandle());
    }
    QMainWindow::showEvent(event);
}
