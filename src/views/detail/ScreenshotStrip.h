#pragma once

#include "views/detail/AppDetailModel.h"

#include <QWidget>

// The detail sheet's gallery: a "Screenshots" heading over a horizontally scrolling row of the
// application's screenshots, each 300 high, in catalog order, each named "<app> screenshot n of m".
class ScreenshotStrip : public QWidget
{
    Q_OBJECT

public:
    ScreenshotStrip(
        const QString &appName, const QList<AppDetailModel::Screenshot> &screenshots, QWidget *parent = nullptr);
};
