#include "app/backgroundclient.h"

#include <QDir>
#include <QPaintEvent>
#include <QPainter>

CBackgroundClient::CBackgroundClient(QWidget *parent)
    : QMdiArea(parent)
{
    setObjectName(QStringLiteral("documentArea"));
    // A document window larger than the area stays within reach.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QVector<QPoint> CBackgroundClient::tileOrigins(const QSize &client, const QSize &tile)
{
    QVector<QPoint> origins;
    if (tile.width() <= 0 || tile.height() <= 0 || client.isEmpty())
        return origins;
    const int columns = client.width() / tile.width();
    const int rows = client.height() / tile.height();
    origins.reserve((columns + 1) * (rows + 1));
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j)
            origins.append(QPoint(i * tile.width(), j * tile.height()));
    }
    return origins;
}

QImage CBackgroundClient::backgroundImage()
{
    QImage image(QDir::current().filePath(QStringLiteral("background.bmp")));
    if (image.isNull())
        image.load(QStringLiteral(":/images/background.png"));
    return image;
}

void CBackgroundClient::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QImage tile = backgroundImage();
    const QVector<QPoint> origins = tileOrigins(viewport()->size(), tile.size());
    if (origins.isEmpty()) {
        painter.fillRect(event->rect(), palette().color(QPalette::Dark));
        return;
    }
    for (const QPoint &origin : origins)
        painter.drawImage(origin, tile);
}

void CBackgroundClient::resizeEvent(QResizeEvent *event)
{
    QMdiArea::resizeEvent(event);
    viewport()->update();
}
