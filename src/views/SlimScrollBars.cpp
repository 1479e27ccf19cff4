#include "views/SlimScrollBars.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace SlimScrollBars {

void apply(QAbstractScrollArea *area)
{
    // The Mac's own style already draws overlay scroll bars.
    if (QApplication::style()->name().compare(u"macos"_s, Qt::CaseInsensitive) == 0)
        return;
    // Set on the bars themselves, so nothing cascades into the content.
    static const QString sheet = uR"(
        QScrollBar:vertical { background: transparent; width: 10px; margin: 0; }
        QScrollBar::handle:vertical { background: rgba(122, 116, 104, 110); border-radius: 3px;
            min-height: 36px; margin: 3px 2px 3px 2px; }
        QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed {
            background: rgba(122, 116, 104, 170); }
        QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }
        QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }
    )"_s;
    area->verticalScrollBar()->setStyleSheet(sheet);
}

} // namespace SlimScrollBars
