// The print-out as drawing items: page 1 lists the optional features, pages 2 and
// up the non-empty channel rows, seven to a page. Positions are twips (1/1440
// inch) from the top-left of the printable area with y pointing up, written in
// the page's own units: W (1/66 of the width), C and D (line heights of the large
// and the small font), so the items need no printer to be built or tested.
#pragma once

#include "channels/channelcodec.h"
#include "image/memoryimage.h"

#include <QString>
#include <QVector>

enum class PrintFont { Large, Small };

// value = w·W + c·C + halfC·(C/2) + d·D − trunc(block·D·5.7) + twips
struct PrintLength
{
    int w = 0;
    int c = 0;
    int halfC = 0;
    int d = 0;
    int block = 0; // channel block k on a channel page (0-6)
    int twips = 0;
};

struct PrintItem
{
    enum Kind { Text, Line };
    Kind kind = Text;
    PrintFont font = PrintFont::Small;
    PrintLength x;
    PrintLength y;
    PrintLength x2; // end of a (horizontal) line
    QString text;
};

// The page's units in twips. W and H come from the printable area; C and D are
// height plus external leading of the large and the small font.
struct PrintMetrics
{
    int w = 0;
    int h = 0;
    int c = 0;
    int d = 0;
};
constexpr int kPrintColumns = 66;
constexpr int kPrintLines = 45;
constexpr int kRowsPerPage = 7;

// W and H from the printable area in device pixels and the device resolution.
PrintMetrics CellMetrics(int widthPx, int heightPx, int dpiX, int dpiY);
int ResolveLength(const PrintLength &length, const PrintMetrics &metrics);

// For each channel page, the index of the row where it ends (rows are grid rows
// 1-200, index 0 = record 0, the priority channel).
struct PageTable
{
    QVector<int> pageEnds;
    int channelPages() const { return int(pageEnds.size()); }
    int pageCount() const { return channelPages() + 1; }
};

bool IsRowPrinted(const ChannelTexts &row); // the Rx frequency cell is not empty
PageTable CountPages(const QVector<ChannelTexts> &rows);

struct PrintSource
{
    MemoryImage image {};
    QVector<ChannelTexts> rows; // the grid's rows, index 0 = "Pr"
    QString owner; // footer text, "Copyrights Owner" of the language
    bool chinese = false;
};

// Everything drawn on page `page` (1-based): the three rules, the features page
// or a channel page, and the footer. The page table is counted afresh each call.
QVector<PrintItem> PageItems(int page, const PrintSource &source);
