#include "grid/gridsetup.h"

#include "grid/centredcelldelegate.h"
#include "grid/cornerlabel.h"
#include "theme/theme.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace GridSetup {
namespace {

void ColourHeader(QWidget *header)
{
    // Only the text colour is the header's own: every other colour goes on
    // following the application's palette.
    QPalette palette;
    palette.setColor(QPalette::ButtonText, FixedTextColor());
    header->setPalette(palette);
}

// The fixed text takes the colour of the theme chosen now and of every later choice.
void ColourHeaderWithTheme(QWidget *header)
{
    ColourHeader(header);
    if (header->property("themeFollowed").toBool())
        return;
    header->setProperty("themeFollowed", true);
    QObject::connect(Theme::Signals::instance(), &Theme::Signals::changed, header,
        [header] { ColourHeader(header); });
}

QAbstractButton *CornerButton(const QTableView *table)
{
    // The corner button is the only button child of the table itself.
    return table->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

QFont CellFont()
{
    QFont font(QStringLiteral("Times New Roman"), 9, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

QColor FixedTextColor()
{
    return Theme::Colours(Theme::Role::GridFixedText).text;
}

void Apply(QTableView *table)
{
    table->setFont(CellFont());
    if (!qobject_cast<CentredCellDelegate *>(table->itemDelegate()))
        table->setItemDelegate(new CentredCellDelegate(table));
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setCornerButtonEnabled(false);
    table->setWordWrap(false);

    const int rowHeight = QFontMetrics(CellFont()).height() + 8;
    for (QHeaderView *header : {table->horizontalHeader(), table->verticalHeader()}) {
        header->setFont(CellFont());
        header->setDefaultAlignment(Qt::AlignCenter);
        header->setHighlightSections(false);
        header->setSectionsClickable(false);
        ColourHeaderWithTheme(header);
    }
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->horizontalHeader()->setFixedHeight(rowHeight);
    if (QAbstractButton *corner = CornerButton(table))
        ColourHeaderWithTheme(corner);
}

int DefaultColumnWidth(const QTableView *table)
{
    return table->horizontalHeader()->defaultSectionSize();
}

void SetWidthFactors(QTableView *table, double labelFactor, const QVector<double> &columnFactors)
{
    const int w = DefaultColumnWidth(table);
    table->verticalHeader()->setFixedWidth(int(w * labelFactor));
    for (int i = 0; i < columnFactors.size(); ++i)
        table->setColumnWidth(i, int(w * columnFactors.at(i)));
}

void SetCornerText(QTableView *table, const QString &text)
{
    QAbstractButton *corner = CornerButton(table);
    if (!corner)
        return;
    if (auto *label = corner->findChild<CornerLabel *>())
        label->setText(text);
    else
        new CornerLabel(corner, text);
}

int FullWidth(const QTableView *table)
{
    const QHeaderView *header = table->horizontalHeader();
    return header->length() + table->verticalHeader()->width() + 2 * table->frameWidth()
        + table->verticalScrollBar()->sizeHint().width();
}

int HeightForRows(const QTableView *table, int rows)
{
    return table->horizontalHeader()->height()
        + rows * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth();
}

} // namespace GridSetup
