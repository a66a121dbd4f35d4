#pragma once

#include <QImage>
#include <QMdiArea>
#include <QVector>

// The document area of the main window, tiled with "background.bmp" from the
// current directory (or the built-in picture) from its top-left corner. The
// picture is read anew for every repaint so a replaced file shows at once.
class CBackgroundClient : public QMdiArea
{
    Q_OBJECT

public:
    explicit CBackgroundClient(QWidget *parent = nullptr);

    // Top-left corners of the tiles that cover a client area: columns 0..W/w and
    // rows 0..H/h. Empty when the tile has no size.
    static QVector<QPoint> tileOrigins(const QSize &client, const QSize &tile);
    // "background.bmp" of the current directory, else the built-in picture.
    static QImage backgroundImage();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
