// Comma-separated text as spreadsheets write it: UTF-8 with or without a byte
// order mark, fields in double quotes where they hold a comma, a quote or a line
// break ("" stands for one quote inside), records ended by CR LF, LF or CR. The
// same reader takes the tab-separated cells that spreadsheets put on the
// clipboard, with the tab as the delimiter.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "settings/visibletext.h"
#include "status/status.h"

struct CsvRecord
{
    int line = 0; // line of the file where the record starts, from 1
    QStringList fields;
};

struct CsvTable
{
    QList<CsvRecord> records; // blank lines left out
    Status status; // why the text was not read wholly, with the line where it stopped
    bool tooManyRecords = false; // stopped at the record past the most asked for
    bool ok() const { return status.ok(); }
};

// maxRecords: the most records wanted (-1: all); reading stops with an error at
// the line of the record after them.
CsvTable ParseCsv(const QByteArray &bytes, int maxRecords = -1);
// Text already decoded, its fields separated by delimiter (',' or '\t').
CsvTable ParseTable(const QString &text, QChar delimiter, int maxRecords = -1);
// One record with its CR LF, each field quoted only where it has to be.
QString FormatCsvRecord(const QStringList &fields);
// A cell of an export as a spreadsheet must not run it as a formula: a text that
// begins with =, +, -, @, a tab or a CR gets a ' in front (the common guidance
// against formula injection). ReadFormulaGuard takes that ' off again, so a
// name such as "-1-1" comes back as it was written.
QString FormulaGuard(const QString &cell);
QString ReadFormulaGuard(const QString &cell);
