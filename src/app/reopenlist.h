// The documents that the language restart opens again: the command line of the
// new process names each file, the one that was shown last, and before each
// file the grid cell that was current in it ("--cell=ROW,COLUMN").
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct ReopenedDocument
{
    QString path;
    int row = -1; // the current cell; -1 when not given
    int column = -1;
};

// The arguments that name documents in order (the last one ends up shown).
QStringList ReopenArguments(const QList<ReopenedDocument> &documents);
// The documents a command line names; plain file names have no cell. An option
// that is not a well-formed cell is taken as a file name.
QList<ReopenedDocument> ParseReopenArguments(const QStringList &arguments);
