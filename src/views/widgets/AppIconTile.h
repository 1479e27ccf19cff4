#pragma once

#include <QWidget>

// An application's icon on a rounded square: the first character of its name on a light tile,
// covered by the icon image when the resource bundle has one. Named "<app> icon" for assistive
// technology.
class AppIconTile : public QWidget
{
    Q_OBJECT

public:
    AppIconTile(const QString &appID, const QString &appName, const QString &letter, int side, qreal radius,
        int letterSize, QWidget *parent = nullptr);

    bool hasImage() const;

    QSize sizeHint() const override { return { m_side, m_side }; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_appID;
    QString m_letter;
    int m_side;
    qreal m_radius;
    int m_letterSize;
};
