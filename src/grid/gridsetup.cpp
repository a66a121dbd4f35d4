#include "grid/gridsetup.h"

#include "grid/centredcelldelegate.h"
#include "grid/cornerlabel.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace GridSetup {
namespace {

void colourHeader(QWidget *header)
{
    QPalette palette = header->palette();
    palette.setColor(QPalette::ButtonText, fixedTextColor());
    header->setPalette(palette);
}

QAbstractButton *cornerButton(const QTableView *table)
{
    // The corner button is the only button child of the table itself.
    return table->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

QFont cellFont()
{
    QFont font(QStringLiteral("Times New Roman"), 9, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

QColor fixedTextColor()
{
    return QColor(0, 50, 240);
}

void apply(QTableView *table)
{
    table->setFont(cellFont());
    if (!qobject_cast<CentredCellDelegate *>(table->itemDelegate()))
        table->setItemDelegate(new CentredCellDelegate(table));
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setCornerButtonEnabled(false);
    table->setWordWrap(false);

    const int rowHeight = QFontMetrics(cellFont()).height() + 8;
    for (QHeaderView *header : {table->horizontalHeader(), table->verticalHeader()}) {
        header->setFont(cellFont());
        header->setDefaultAlignment(Qt::AlignCenter);
        header->setHighlightSections(false);
        header->setSectionsClickable(false);
        colourHeader(header);
    }
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->horizontalHeader()->setFixedHeight(rowHeight);
    if (QAbstractButton *corner = cornerButton(table))
        colourHeader(corner);
}

int defaultColumnWidth(const QTableView *table)
{
    return table->horizontalHeader()->defaultSectionSize();
}

void setWidthFactors(QTableView *table, double labelFactor, const QVector<double> &columnFactors)
{
    const int w = defaultColumnWidth(table);
    table->verticalHeader()->setFixedWidth(int(w * labelFactor));
    for (int i = 0; i < columnFactors.size(); ++i)
        table->setColumnWidth(i, int(w * columnFactors.at(i)));
}

void setCornerText(QTableView *table, const QString &text)
{
    QAbstractButton *corner = cornerButton(table);
    if (!corner)
        return;
    if (auto *label = corner->findChild<CornerLabel *>())
        label->setText(text);
    else
        new CornerLabel(corner, text);
}

int fullWidth(const QTableView *table)
{
    const QHeaderView *header = table->horizontalHeader();
    return header->length() + table->verticalHeader()->width() + 2 * table->frameWidth()
        + table->verticalScrollBar()->sizeHint().width();
}

int heightForRows(const QTableView *table, int rows)
{
    return table->horizontalHeader()->height()
        + rows * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth();
}

} // namespace GridSetup
