#include "views/ScreenshotStrip.h"

#include "views/Brand.h"
#include "views/ScreenshotView.h"
#include "views/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int shotHeight = 300;
constexpr int barHeight = 10;

QString scrollBarStyle()
{
    // A slim bar like the Mac's: no arrows, a rounded thumb on a clear track.
    return u"QScrollArea#screenshotScroll QScrollBar:horizontal { background: transparent; height: %2px;"
           u" margin: 2px; }"
           u" QScrollArea#screenshotScroll QScrollBar::handle:horizontal { background: %1; border-radius: 3px;"
           u" min-width: 32px; }"
           u" QScrollArea#screenshotScroll QScrollBar::add-line:horizontal, QScrollArea#screenshotScroll"
           u" QScrollBar::sub-line:horizontal { width: 0; }"
           u" QScrollArea#screenshotScroll QScrollBar::add-page:horizontal, QScrollArea#screenshotScroll"
           u" QScrollBar::sub-page:horizontal { background: transparent; }"_s.arg(Brand::n2.name())
               .arg(barHeight);
}

} // namespace

ScreenshotStrip::ScreenshotStrip(const QList<AppDetailModel::Screenshot> &screenshots, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"gallery"_s);
    auto *strip = new QVBoxLayout(this);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(10);
    auto *heading = Typography::label(u"Screenshots"_s, 13, QFont::DemiBold, Brand::n3);
    heading->setObjectName(u"screenshotsHeading"_s);
    strip->addWidget(heading);

    auto *row = new QWidget;
    auto *shots = new QHBoxLayout(row);
    shots->setContentsMargins(0, 2, 0, 2);
    shots->setSpacing(16);
    for (const AppDetailModel::Screenshot &shot : screenshots) {
        auto *view = new ScreenshotView(shot.name, shot.image, shotHeight);
        m_views.append(view);
        shots->addWidget(view);
    }
    shots->addStretch();

    auto *scroll = new QScrollArea;
    scroll->setObjectName(u"screenshotScroll"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setStyleSheet(scrollBarStyle());
    scroll->setWidget(row);
    // The scroll area fills its content with the window grey; the strip sits on the sheet's cream.
    for (QWidget *surface : { scroll->viewport(), row }) {
        QPalette palette = surface->palette();
        palette.setColor(QPalette::Window, Brand::cream);
        surface->setPalette(palette);
        surface->setAutoFillBackground(true);
    }
    // Room for the row and for the bar under it, so the bar never covers a screenshot.
    scroll->setFixedHeight(shotHeight + 4 + barHeight);
    strip->addWidget(scroll);
}
