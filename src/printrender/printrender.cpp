#include "printrender/printrender.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr qreal kTwipsPerInch = 1440.0;
constexpr int kMaxStretch = 4000; // QFont's limit

// The average character width that a font's requested width refers to: lower-case
// letters and the space weighted by their frequency in English text. Measured
// here because fonts disagree on the average they record (some average every
// glyph, which would make the printed text narrower than the cells).
qreal WeightedAverageWidth(const QFontMetricsF &fm)
{
    static const int weights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56, 56, 17,
        4, 49, 56, 71, 31, 10, 18, 3, 18, 2};
    qreal sum = 166 * fm.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i)
        sum += weights[i] * fm.horizontalAdvance(QLatin1Char(char('a' + i)));
    return sum / 1000;
}

} // namespace

PrintRenderer::PrintRenderer(QPaintDevice *device)
    : m_device(device)
    , m_dpiX(qMax(1, device->logicalDpiX()))
    , m_dpiY(qMax(1, device->logicalDpiY()))
    , m_metrics(CellMetrics(device->width(), device->height(), m_dpiX, m_dpiY))
{
    m_large = makeFont(m_metrics.h, m_metrics.w);
    m_small = makeFont(int(m_metrics.h * 0.8), int(m_metrics.w * 0.8));
    m_metrics.c = lineHeightTwips(m_large);
    m_metrics.d = lineHeightTwips(m_small);
}

QFont PrintRenderer::font(PrintFont which) const
{
    return which == PrintFont::Large ? m_large : m_small;
}

// Times New Roman with a character height (em size) and an average character
// width, both in twips; the width is reached by stretching the face.
QFont PrintRenderer::makeFont(int heightTwips, int widthTwips) const
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setPixelSize(qMax(1, qRound(heightTwips * m_dpiY / kTwipsPerInch)));
    font = QFont(font, m_device);
    const qreal natural = WeightedAverageWidth(QFontMetricsF(font, m_device));
    const qreal wanted = widthTwips * m_dpiX / kTwipsPerInch;
    if (natural > 0 && wanted > 0)
        font.setStretch(qBound(1, qRound(100 * wanted / natural), kMaxStretch));
    return font;
}

int PrintRenderer::lineHeightTwips(const QFont &font) const
{
    const QFontMetricsF fm(font, m_device);
    const qreal pixels = fm.height() + qMax<qreal>(0, fm.leading());
    return qRound(pixels * kTwipsPerInch / m_dpiY);
}

qreal PrintRenderer::toPixelsX(int twips) const
{
    return twips * m_dpiX / kTwipsPerInch;
}

// Twips count upwards from the top of the area; device pixels count downwards.
qreal PrintRenderer::toPixelsY(int twips) const
{
    return -twips * m_dpiY / kTwipsPerInch;
}

void PrintRenderer::drawPage(QPainter &painter, const QVector<PrintItem> &items) const
{
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(qMax<qreal>(1.0, m_dpiY / 150.0));
    painter.setPen(pen);
    for (const PrintItem &item : items) {
        const qreal x = toPixelsX(ResolveLength(item.x, m_metrics));
        const qreal y = toPixelsY(ResolveLength(item.y, m_metrics));
        if (item.kind == PrintItem::Line) {
            painter.drawLine(
                QPointF(x, y), QPointF(toPixelsX(ResolveLength(item.x2, m_metrics)), y));
            continue;
        }
        if (item.text.isEmpty())
            continue;
        const QFont f = font(item.font);
        painter.setFont(f);
        // The position is the top-left corner of the text's cell.
        painter.drawText(QPointF(x, y + QFontMetricsF(f, m_device).ascent()), item.text);
    }
    painter.restore();
}

bool RenderDocument(QPagedPaintDevice *device, const PrintSource &source, int fromPage, int toPage)
{
    const int pageCount = CountPages(source.rows).pageCount();
    const int first = qMax(1, fromPage);
    const int last = qMin(pageCount, toPage);
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const PrintRenderer renderer(device);
    for (int page = first; page <= last; ++page) {
        if (page > first && !device->newPage()) {
            painter.end();
            return false;
        }
        renderer.drawPage(painter, PageItems(page, source));
    }
    return painter.end();
}
