// How a value from outside (a cell pasted from a spreadsheet, a CSV field) is
// read as a grid cell's text. Spreadsheets drop trailing zeros and change case:
// a tone written 67 or 67.00 is 67.0, d023 is D023N. A name is stored as the
// radio can show it, with a note when more than its case changed.
#pragma once

#include "status/status.h"

#include <QString>

// The tone list's English text that text stands for: "None" for an empty text,
// None or 无; a CTCSS tone by its value ("67", "67.00", "67.0"); a DCS code
// with or without its polarity, in any case ("d023", "D023n" and "D23N" are
// D023N). Empty when text names no tone of the list.
QString ToneListText(const QString &text);

// The pick-list word of a power, lock, scan add or bandwidth column that text is
// (either language, any case), in the interface language chosen by chinese;
// empty when it is none of them.
QString ColumnWordText(int column, const QString &text, bool chinese);

// Letters a-z upper-cased as the name editor upper-cases them; nothing else changes
// (a letter outside ASCII has no counterpart on the radio and stays what it is).
QString UpperAscii(const QString &text);

// The name as the radio can store it: upper-cased, without the characters the
// radio cannot show, cut to 6 characters (to the length of kept, the name the
// channel shows now, which the radio may hold longer). Returns the note to give
// when more than the case changed ("name "REPEATER1" stored as "REPEAT""), else
// no words.
Wording AdaptName(const QString &text, const QString &kept, QString *stored);

// Why a text is not taken for a tone column (columnName: its heading as shown).
Wording ToneRefusal(const QString &columnName, const QString &text);
// Why a text is not taken for a pick-list column: choices lists the words it takes.
Wording ChoiceRefusal(const QString &columnName, const QString &text, const QString &choices);
