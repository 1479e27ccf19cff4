#include "views/detail/ScreenshotStrip.h"

#include "views/detail/ScreenshotView.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int shotHeight = 300;
constexpr int barHeight = 10;

} // namespace

ScreenshotStrip::ScreenshotStrip(
    const QString &appName, const QList<AppDetailModel::Screenshot> &screenshots, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"gallery"_s);
    auto *strip = new QVBoxLayout(this);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(10);
    auto *heading = Typography::label(tr("Screenshots"), 13, QFont::DemiBold, Brand::n3);
    heading->setObjectName(u"screenshotsHeading"_s);
    strip->addWidget(heading);

    auto *row = new QWidget;
    auto *shots = new QHBoxLayout(row);
    shots->setContentsMargins(0, 2, 0, 2);
    shots->setSpacing(16);
    for (qsizetype i = 0; i < screenshots.size(); ++i) {
        auto *view = new ScreenshotView(screenshots.at(i).image, shotHeight);
        //: %1 is the app, %2 this screenshot's place, %3 how many there are
        view->setAccessibleName(tr("%1 screenshot %2 of %3")
                                    .arg(appName, QLocale().toString(i + 1), QLocale().toString(screenshots.size())));
        shots->addWidget(view);
    }
    shots->addStretch();

    auto *scroll = new QScrollArea;
    scroll->setObjectName(u"screenshotScroll"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(row);
    // The scroll area fills its content with the window grey; the strip sits on the sheet's cream.
    Controls::fill(scroll->viewport(), Brand::cream);
    // Room for the row and for the bar under it, so the bar never covers a screenshot.
    scroll->setFixedHeight(shotHeight + 4 + barHeight);
    strip->addWidget(scroll);
}
