// The nine columns of the channel table, described once: the grid's headers in
// both languages, the JSON key and CSV heading of htprog-cli, the editor kind
// and pick-list choices, the width factor, the help id and the print-out label.
// The model, the delegate, the print-out and the CLI all read this table.
#pragma once

#include "channels/channelcodec.h"

#include <QString>
#include <QStringList>

// An English/Chinese pair of a built-in text (UTF-8).
struct TextPair
{
    const char *english;
    const char *chinese;
    QString text(bool inChinese) const;
};

enum class EditorKind {
    Frequency, // edit box, typed MHz
    Tone, // pick list of the 261 tone texts
    Choice, // pick list of the column's choices
    Name, // edit box, radio characters, upper case
};

struct ChannelColumnInfo
{
    TextPair header; // "Rx Frequency" / "接收频率"
    const char *jsonKey; // "rx"
    EditorKind editor;
    QList<TextPair> choices; // Choice columns only, in offering order
    double widthFactor; // of the grid's first column width
    int helpId; // the editor's control id, its help context
    TextPair printLabel; // {nullptr, nullptr}: the column is not printed
};

// column: kColRx ... kColName.
const ChannelColumnInfo &ChannelColumnAt(int column);
// The header of a column; -1 (or any other index) gives the row-label column's
// "CH" / "信道".
QString ColumnHeader(int column, bool chinese);
// The CSV heading of a column: its English header ("CH" for -1).
QString ColumnCsvHeading(int column);
// The texts a pick list offers (the tone table for the tone columns); empty for
// the edit-box columns.
QStringList ColumnChoices(int column, bool chinese);
bool IsPickListColumn(int column);

// The grid's row-label column: its width factor.
constexpr double kLabelColumnWidthFactor = 0.43;
