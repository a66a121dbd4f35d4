#include "printrender/printrender.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

constexpr double kMetresPerInch = 0.0254;

// An A4 page at the given resolution with 1/4 inch margins, as a printer offers.
QImage Page(int dpi)
{
    QImage image(int(7.77 * dpi), int(11.19 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / kMetresPerInch));
    image.setDotsPerMeterY(qRound(dpi / kMetresPerInch));
    image.fill(Qt::white);
    return image;
}

// A page full of the longest texts the grid can hold.
PrintSource Crowded(bool chinese)
{
    PrintSource source;
    source.image = NewImage();
    source.rows.resize(ImageMap::kChannelCount);
    for (int r = 0; r < 7; ++r) {
        ChannelTexts &row = source.rows[r + 190];
        row[kColRx] = QStringLiteral("479.99375");
        row[kColTx] = QStringLiteral("479.99375");
        row[kColRxTone] = QStringLiteral("D754I");
        row[kColTxTone] = QStringLiteral("254.1");
        row[kColPower] = chinese ? QStringLiteral("中") : QStringLiteral("Middle");
        row[kColLock] = chinese ? QStringLiteral("未锁定") : QStringLiteral("Unlock");
        row[kColName] = QStringLiteral("WWWWWW");
    }
    source.owner = QStringLiteral("Owner of the copyrights");
    source.chinese = chinese;
    return source;
}

} // namespace

class TestPrintRender : public QObject
{
    Q_OBJECT

private slots:
    void textsDoNotOverlap_data();
    void textsDoNotOverlap();
};

void TestPrintRender::textsDoNotOverlap_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("page");
    QTest::newRow("English features") << false << 1;
    QTest::newRow("English channels") << false << 2;
    QTest::newRow("Chinese features") << true << 1;
    QTest::newRow("Chinese channels") << true << 2;
}

void TestPrintRender::textsDoNotOverlap()
{
    QFETCH(bool, chinese);
    QFETCH(int, page);

    QImage image = Page(300);
    const PrintRenderer renderer(&image);
    const PrintSource source = Crowded(chinese);
    QVector<QRectF> boxes;
    for (const PrintItem &item : PageItems(page, source)) {
        if (item.kind != PrintItem::Text || item.text.isEmpty())
            continue;
        const QFontMetricsF fm(renderer.font(item.font), &image);
        const qreal x = ResolveLength(item.x, renderer.metrics()) * 300.0 / 1440;
        const qreal y = -ResolveLength(item.y, renderer.metrics()) * 300.0 / 1440;
        const QRectF box(x, y, fm.horizontalAdvance(item.text), fm.ascent() + fm.descent());
        for (const QRectF &other : boxes) {
            QVERIFY2(!box.intersects(other.adjusted(0, 0.5, 0, -0.5)),
                qPrintable(QStringLiteral("'%1' overlaps another text").arg(item.text)));
        }
        QVERIFY2(image.rect().contains(box.toAlignedRect()), qPrintable(item.text));
        boxes << box;
    }
    QVERIFY(boxes.size() > 10);
    QVERIFY(renderer.metrics().d < renderer.metrics().c);

    QPainter painter(&image);
    renderer.drawPage(painter, PageItems(page, source));
    painter.end();
    QVERIFY(image.pixelColor(image.width() / 2, 0) == Qt::white);
    QVERIFY(image != Page(300));
}

QTEST_MAIN(TestPrintRender)
#include "tst_printrender.moc"
