#pragma once

#include <QImage>
#include <QWidget>

// One screenshot in the detail sheet's gallery: fitted to a fixed height, its width following the
// image's proportions, on a rounded, outlined frame.
class ScreenshotView : public QWidget
{
    Q_OBJECT

public:
    ScreenshotView(const QImage &image, int height, QWidget *parent = nullptr);

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QImage m_scaled; // m_image at the drawn size and pixel ratio
    QSize m_size;
};
