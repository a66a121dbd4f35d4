#include "print/printpages.h"

#include "channels/channelcolumns.h"
#include "print/featuretexts.h"
#include "settings/language.h"

#include <cmath>

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kFirstFeatureLine = 5;

PrintLength Cells(int w)
{
    PrintLength length;
    length.w = w;
    return length;
}

PrintLength Down(int c, int d, int twips = 0)
{
    PrintLength length;
    length.c = c;
    length.d = d;
    length.twips = twips;
    return length;
}

PrintItem TextAt(PrintFont font, int xCells, const PrintLength &y, const QString &text)
{
    PrintItem item;
    item.font = font;
    item.x = Cells(xCells);
    item.y = y;
    item.text = text;
    return item;
}

PrintItem Rule(const PrintLength &y)
{
    PrintItem item;
    item.kind = PrintItem::Line;
    item.font = PrintFont::Large;
    item.x = Cells(5);
    item.x2 = Cells(60);
    item.y = y;
    return item;
}

void AddRules(QVector<PrintItem> &items)
{
    items << Rule(Down(-2, 0, -50)) << Rule(Down(-2, 0, -120));
    PrintLength bottom = Down(-36, 0);
    bottom.halfC = 1;
    items << Rule(bottom);
}

void AddFeaturesPage(QVector<PrintItem> &items, const PrintSource &source)
{
    const bool zh = source.chinese;
    items << TextAt(PrintFont::Large, 6, Down(-1, 0),
        zh ? QStringLiteral("可选功能") : QStringLiteral("Option"));
    items << TextAt(
        PrintFont::Small, 6, Down(0, -4), zh ? QStringLiteral("功能") : QStringLiteral("Function"));
    int n = kFirstFeatureLine;
    for (const FeatureLine &line : FeatureLines(source.image, zh)) {
        items << TextAt(PrintFont::Small, 9, Down(0, -n), line.label);
        items << TextAt(PrintFont::Small, 35, Down(0, -n), line.value);
        ++n;
    }
}

// One channel's block of five lines; k is its position on the page.
void AddChannelBlock(QVector<PrintItem> &items, int k, int record, const ChannelTexts &row, bool zh)
{
    const auto at = [&](int xCells, int line, const QString &text) {
        PrintLength y = Down(0, -line);
        y.block = k;
        items << TextAt(PrintFont::Small, xCells, y, text);
    };
    const auto label
        = [zh](const char *english, const char *chinese) { return PickText(zh, english, chinese); };
    // Each printed field: its label at (x, line), its value 17 or 19 cells further on.
    const struct
    {
        int column, x, line;
    } fields[] = {{kColRx, 5, 5}, {kColTx, 36, 5}, {kColRxTone, 5, 6}, {kColTxTone, 36, 6},
        {kColPower, 5, 7}, {kColLock, 36, 7}, {kColName, 5, 8}};
    at(4, 4, label("Channel %1:", "信道%1:").arg(record));
    for (const auto &field : fields) {
        at(field.x, field.line, ChannelColumnAt(field.column).printLabel.text(zh));
        at(field.x == 5 ? 22 : 55, field.line, row[field.column]);
    }
}

void AddChannelPage(QVector<PrintItem> &items, int page, const PrintSource &source)
{
    const PageTable table = CountPages(source.rows);
    items << TextAt(PrintFont::Large, 6, Down(-1, 0),
        source.chinese ? QStringLiteral("信道") : QStringLiteral("Channel"));
    const int index = page - 2;
    if (index >= table.channelPages())
        return;
    const int first = index == 0 ? 0 : table.pageEnds.at(index - 1) + 1;
    const int last = table.pageEnds.at(index);
    int k = 0;
    for (int r = first; r <= last && k < kRowsPerPage; ++r) {
        if (IsRowPrinted(source.rows.at(r)))
            AddChannelBlock(items, k++, r, source.rows.at(r), source.chinese);
    }
}

void AddFooter(QVector<PrintItem> &items, int page, int pageCount, const QString &owner)
{
    items << TextAt(PrintFont::Small, 10, Down(-36, 0), owner);
    items << TextAt(PrintFont::Small, 45, Down(-36, 0),
        QStringLiteral("Page %1 of %2").arg(page).arg(pageCount));
}

} // namespace

PrintMetrics CellMetrics(int widthPx, int heightPx, int dpiX, int dpiY)
{
    PrintMetrics m;
    if (dpiX > 0)
        m.w = int(qint64(widthPx) * kTwipsPerInch / dpiX / kPrintColumns);
    if (dpiY > 0)
        m.h = int(qint64(heightPx) * kTwipsPerInch / dpiY / kPrintLines);
    return m;
}

int ResolveLength(const PrintLength &l, const PrintMetrics &m)
{
    const int blockTop = int(std::trunc(l.block * double(m.d) * 5.7));
    return l.w * m.w + l.c * m.c + l.halfC * (m.c / 2) + l.d * m.d - blockTop + l.twips;
}

bool IsRowPrinted(const ChannelTexts &row)
{
    return !row[kColRx].isEmpty();
}

PageTable CountPages(const QVector<ChannelTexts> &rows)
{
    PageTable table;
    int count = 0;
    for (int r = 0; r < rows.size(); ++r) {
        if (IsRowPrinted(rows.at(r)) && ++count % kRowsPerPage == 0)
            table.pageEnds << r;
    }
    // The last page runs to the last row of the grid.
    if (count % kRowsPerPage != 0)
        table.pageEnds << int(rows.size()) - 1;
    else if (count > 0)
        table.pageEnds.last() = int(rows.size()) - 1;
    return table;
}

QVector<PrintItem> PageItems(int page, const PrintSource &source)
{
    QVector<PrintItem> items;
    AddRules(items);
    if (page <= 1)
        AddFeaturesPage(items, source);
    else
        AddChannelPage(items, page, source);
    AddFooter(items, page, CountPages(source.rows).pageCount(), source.owner);
    return items;
}
