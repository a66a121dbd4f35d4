// Draws the print-out's items with QPainter on any paint device. Item positions
// are twips with y up from the top-left of the printable area; the device works
// in its own pixels with y down, so every position is converted here.
#pragma once

#include "print/printpages.h"

#include <QFont>

class QPainter;
class QPagedPaintDevice;
class QPaintDevice;

class PrintRenderer
{
public:
    // The printable area of `device` (its whole paint area) and its resolution.
    explicit PrintRenderer(QPaintDevice *device);

    const PrintMetrics &metrics() const { return m_metrics; }
    QFont font(PrintFont which) const;

    void drawPage(QPainter &painter, const QVector<PrintItem> &items) const;

private:
    QFont makeFont(int heightTwips, int widthTwips) const;
    int lineHeightTwips(const QFont &font) const;
    qreal toPixelsX(int twips) const;
    qreal toPixelsY(int twips) const;

    QPaintDevice *m_device;
    int m_dpiX;
    int m_dpiY;
    PrintMetrics m_metrics;
    QFont m_large;
    QFont m_small;
};

// Renders pages fromPage..toPage (1-based, clipped to the page count) on a paged
// device such as QPdfWriter or QPrinter. False when painting could not start.
bool RenderDocument(QPagedPaintDevice *device, const PrintSource &source, int fromPage, int toPage);
