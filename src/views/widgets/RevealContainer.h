#pragma once

#include <QWidget>

class QGraphicsOpacityEffect;
class QVariantAnimation;

// Holds one widget that appears by sliding down from the container's top edge while fading in,
// and leaves the same way; the container's height follows, so what is below moves smoothly.
class RevealContainer : public QWidget
{
    Q_OBJECT

public:
    explicit RevealContainer(QWidget *content, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    // Where the container is heading: true once asked to show, even before the slide ends.
    bool isRevealed() const { return m_revealed; }
    // How far the content is shown, 0 (gone) to 1 (fully shown).
    qreal progress() const { return m_progress; }

    void setRevealed(bool revealed, bool animated = true);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int contentHeight(int width) const;
    void setProgress(qreal progress);
    void placeContent();

    QWidget *m_content;
    QGraphicsOpacityEffect *m_fade;
    QVariantAnimation *m_slide;
    qreal m_progress = 0;
    bool m_revealed = false;
};
