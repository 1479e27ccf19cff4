#pragma once

#include <QListView>

class QVariantAnimation;

// The installer log's lines, oldest first, built lazily by the list view. Lines can be selected
// and copied (the Copy shortcut or the context menu); nothing in them can be edited.
class LogListView : public QListView
{
    Q_OBJECT

public:
    explicit LogListView(QWidget *parent = nullptr);

    // Scrolls until the last line sits at the bottom edge, gliding when animated.
    void scrollToNewest(bool animated);
    void scrollToOldest();
    // Scrolls until row sits at the top edge (as far as the list goes) and makes it the selection.
    void revealRow(const QModelIndex &row);

    // The text of the selected lines, in log order, one per line.
    QString selectedText() const;
    void copySelection() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QVariantAnimation *m_scroll;
    int m_scrollFrom = 0;
};
