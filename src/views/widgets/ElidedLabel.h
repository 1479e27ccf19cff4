#pragma once

#include <QLabel>

// A wrapping plain-text label cut after a number of lines, the last one ending in "…"; the whole
// text stays its text (so assistive technology reads all of it) and is its tool tip while cut.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    // maxLines 0: never cut, a plain wrapping label.
    explicit ElidedLabel(int maxLines, QWidget *parent = nullptr);

    void setMaxLines(int maxLines);
    int maxLines() const { return m_maxLines; }
    void setFullText(const QString &text);
    bool isElided() const { return m_elided; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The lines text takes at width, and whether more would follow the last one.
    QStringList lines(int width, bool *cut) const;
    void updateElided();

    int m_maxLines = 0;
    bool m_elided = false;
};
