#pragma once

#include "views/Brand.h"

#include <QWidget>

// A one-pixel horizontal rule in the neutral line colour.
class Divider : public QWidget
{
    Q_OBJECT

public:
    explicit Divider(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        setFixedHeight(1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Brand::n2);
        setPalette(p);
    }
};
