// The look and behaviour that every table of the program shares (the channel grid
// and the squelch grids): cells in Times New Roman 9 pt, centred; the header row and
// the label column (vertical header) drawn with the theme's fixed text colour (blue
// in a light theme); no selection highlight;
// compact rows; widths derived from the label column's default width.
#pragma once

#include <QColor>
#include <QFont>
#include <QVector>

class QTableView;

namespace GridSetup {

QFont CellFont(); // Times New Roman, 9 pt, normal weight
QColor FixedTextColor(); // text of the header row and label column in the active theme

// Applies the shared look: font, centred cells (CentredCellDelegate unless the
// table already has its own delegate), header colours and alignment, row height,
// no highlighted selection, corner button disabled.
void Apply(QTableView *table);

// The width a column has before any width is set: the base of every width factor.
int DefaultColumnWidth(const QTableView *table);

// Label column (vertical header) = trunc(w × labelFactor), data column i =
// trunc(w × columnFactors[i]), with w = defaultColumnWidth(table).
void SetWidthFactors(QTableView *table, double labelFactor, const QVector<double> &columnFactors);

// The text of the top-left cell above the label column ("CH" in the channel grid).
void SetCornerText(QTableView *table, const QString &text);

// The width and height the table needs to show every column and `rows` rows.
int FullWidth(const QTableView *table);
int HeightForRows(const QTableView *table, int rows);

} // namespace GridSetup
