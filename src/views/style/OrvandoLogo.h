#pragma once

#include <QWidget>

// The mark followed by the wordmark; one accessible element labelled with the wordmark's text.
class OrvandoLogo : public QWidget
{
    Q_OBJECT

public:
    explicit OrvandoLogo(qreal markSize = 32, QWidget *parent = nullptr);

    static QString word(); // "orvando"
    static QString suffix(); // the dimmed run after it
    static QString text() { return word() + suffix(); }

    qreal markSize() const { return m_markSize; }

    // The wordmark's font: medium weight, markSize x 0.62 device-independent pixels, to the whole
    // pixel, so that it shares the font of the text beside it (20 in the sidebar, 22 welcoming).
    QFont wordmarkFont() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    qreal m_markSize;
};
